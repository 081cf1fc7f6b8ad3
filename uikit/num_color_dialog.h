#pragma once
// TNumColorDialog: the colour-count panel shared by the new-image and the colour-count
// dialogs. Radio buttons for 2, 16 and 256 colours, another count (NEElse, 2 … 256) or the
// palette of a file (EDPalette, with a browse button and recent files). Keeps "Else",
// "Palette" and "Last" in the section named after the dialog. The most derived dialog calls
// AfterConstruction() and BeforeDestruction().
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "uikit/ini_dialog.h"
#include "uikit/number_edit.h"
#include "uikit/strings_button.h"

namespace pixmo {

class TNumColorDialog : public TIniDialog {
    Q_OBJECT
public:
    TNumColorDialog(TIni& ini, const QString& name, const QString& caption, QWidget* parent = nullptr);
    ~TNumColorDialog() override;

    QRadioButton* RB2 = nullptr;
    QRadioButton* RB16 = nullptr;
    QRadioButton* RB256 = nullptr;
    QRadioButton* RBElse = nullptr;
    QRadioButton* RBPalette = nullptr;
    TNumberEdit* NEElse = nullptr;
    QLineEdit* EDPalette = nullptr;
    QPushButton* BTPalette = nullptr;
    TStringsButton* SBPalettes = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // 2, 16 or 256 for the fixed buttons, NEElse's number for RBElse when valid, else 0.
    int ColorCount() const;
    // Checks the button for a count (another count goes into NEElse).
    void PresetColorCount(int count);
    // The checked radio button's name (RB2 when none is).
    QString CheckedName() const;
    void UpdateStates();

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    // Where a derived dialog puts its own controls (above the colour choice).
    QVBoxLayout* ExtraArea() const { return FExtra; }
    // OK pressed; the default accepts.
    virtual void OkClick() { accept(); }
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BrowsePalette();
    void ChooseWithFocus(QRadioButton* option, QLineEdit* field);
    // Chooses the option of the control pressed; false for any other widget.
    bool ChooseByPress(const QObject* control);
    QList<QRadioButton*> Buttons() const;

    QVBoxLayout* FExtra = nullptr;
};

}  // namespace pixmo
