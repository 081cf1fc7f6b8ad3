#pragma once
// The selection pop-up's "Estendi..." and "Ruota..." dialogs. OK runs the pass with a
// progress window; a stopped or failed pass keeps the dialog open. Settings are written
// only when OK closes the dialog.
#include <QCheckBox>
#include <QLabel>

#include "commands/size_dialog.h"
#include "uikit/strings_button.h"

namespace pixmo {

class TAppContext;
class TProgress;

// TStretchDialog: the new width and height, or a percentage of the old size.
class TStretchDialog : public TSizeDialog {
    Q_OBJECT
public:
    // `progress` null shows a progress window of its own.
    TStretchDialog(TAppContext& app, TProgress* progress = nullptr, QWidget* parent = nullptr);
    ~TStretchDialog() override;

    QCheckBox* UsePercent = nullptr;
    TNumberEdit* NEPercent = nullptr;
    QLabel* LBPercent = nullptr;
    // The percentages last used with OK, newest first.
    TStringsButton* StretchPercent = nullptr;
    QCheckBox* CBStretchType = nullptr;

    // OK: true when the piece was stretched and the dialog closed.
    bool Confirm();

protected:
    void LoadSettings() override;
    void SaveSettings() override;

private:
    void PercentChanged();
    // Shown only in percent mode: the percentage, its "%" and its recent values.
    QList<QWidget*> PercentControls() const;
    TAppContext& FApp;
    TProgress* FProgress;
};

// TRotateDialog: an angle of −360 … 360 degrees, kept under "Angle" in "RotateDialog".
class TRotateDialog : public TIniDialog {
    Q_OBJECT
public:
    TRotateDialog(TAppContext& app, TProgress* progress = nullptr, QWidget* parent = nullptr);
    ~TRotateDialog() override;

    TNumberEdit* NEAngle = nullptr;
    QCheckBox* CBRotateType = nullptr;

    bool Confirm();

protected:
    void LoadSettings() override;
    void SaveSettings() override;

private:
    TAppContext& FApp;
    TProgress* FProgress;
};

// Rotates by the angle a menu item's caption names ("90", "-90", "Ruota 180"), smoothed as the
// rotate dialog was last left. False when no image is open, the caption holds no angle of
// −360 … 360, or the pass was stopped.
bool RotateByCaption(TAppContext& app, const QString& caption, QWidget* parent = nullptr, TProgress* progress = nullptr);

}  // namespace pixmo
