#pragma once
// TChangePaletteDialog ("Cambia Palette"): one of four transformations of every palette
// entry; the chosen button's name is kept under "LastButton" when OK closes the dialog.
#include <QRadioButton>

#include "uikit/ini_dialog.h"

namespace pixmo {

class TAppContext;

class TChangePaletteDialog : public TIniDialog {
    Q_OBJECT
public:
    TChangePaletteDialog(TAppContext& app, QWidget* parent = nullptr);
    ~TChangePaletteDialog() override;

    QRadioButton* RBInvert = nullptr;
    QRadioButton* RBRedGreen = nullptr;
    QRadioButton* RBGreenBlue = nullptr;
    QRadioButton* RBBlueRed = nullptr;

    // OK: a copy of the image with the chosen transformation becomes the current image, as
    // one undo step. Nothing without an image.
    void Confirm();

protected:
    void LoadSettings() override;
    void SaveSettings() override;

private:
    TAppContext& FApp;
};

}  // namespace pixmo
