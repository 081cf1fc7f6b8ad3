#pragma once
// TShiftForm ("Muovi Immagine"): shifts the selected piece, or the whole image when nothing
// is selected, cyclically: one pixel with the arrow cross, by the two numbers with "Muovi",
// by half its size with "Rifletti". Each press is one undo step.
#include <QAbstractButton>
#include <QPushButton>
#include <QToolButton>

#include "view/dib_form.h"

namespace pixmo {

class TNumberEdit;
class TStringsButton;

class TShiftForm : public TDibForm {
    Q_OBJECT
public:
    explicit TShiftForm(TAppContext& app, QWidget* parent = nullptr);
    ~TShiftForm() override;

    QToolButton* ShiftUpButton;
    QToolButton* ShiftLeftButton;
    QToolButton* ShiftRightButton;
    QToolButton* ShiftDownButton;
    TNumberEdit* HorzShift;
    TNumberEdit* VertShift;
    TStringsButton* HorzShiftButton;
    TStringsButton* VertShiftButton;
    QPushButton* ShiftButton;
    QPushButton* XShiftButton;

    // The one handler of the six buttons.
    void ShiftButtonClick(QAbstractButton* sender);

protected:
    void LoadSettings() override;
    void SaveSettings() override;

private:
    void Shift(QAbstractButton* sender);
};

}  // namespace pixmo
