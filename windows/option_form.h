#pragma once
// TOptionForm ("Opzioni"): the options of the current mouse tool in six panels, each shown
// only for the tools it applies to, and the transparency table behind the rate.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include <memory>

#include "view/dib_form.h"
#include "windows/drawing_aid_panels.h"

namespace pixmo {

class TNumberEdit;
class TToolOptions;

// A panel of the window: one row of controls, a fixed height, added to `into`.
QWidget* OptionPanel(const char* name, QWidget* parent, QLayout* into);

class TOptionForm : public TDibForm {
    Q_OBJECT
public:
    TOptionForm(TAppContext& app, TToolOptions& options, QWidget* parent = nullptr);
    ~TOptionForm() override;

    QWidget* PNTrans = nullptr;
    QWidget* PNSpray = nullptr;
    QWidget* PNRMode = nullptr;
    QWidget* PNRect = nullptr;
    QWidget* PNLimit = nullptr;
    QWidget* PNSelectColors = nullptr;
    QScrollBar* SBTransRate = nullptr;
    QPushButton* PBTransRate = nullptr;
    TNumberEdit* NEInterval = nullptr;
    TNumberEdit* NELimit = nullptr;
    QCheckBox* CBRDraw = nullptr;
    QCheckBox* CBSquare = nullptr;
    QCheckBox* CBCenter = nullptr;
    QCheckBox* CBSelectInSight = nullptr;
    std::unique_ptr<TDrawingAidPanels> Aids;

    // The panels that apply to the current tool (tool-changed notice).
    void ShowPanels();
    // The rate from the scroll bar's position: 100 - position, and a new table.
    void TransRateChanged();
    void HandleMessage(TNotice notice) override;

private:
    void LoadControls();
    void ResetTransRate();
    TToolOptions& FOptions;
};

}  // namespace pixmo
