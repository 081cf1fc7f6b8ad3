#pragma once
// TCreateFromPaletteDialog ("Seleziona Palette da utilizzare"): the clipboard's picture
// becomes a new image on the palette of a chosen file.
#include <QLineEdit>
#include <QPushButton>

#include "uikit/ini_dialog.h"
#include "uikit/strings_button.h"

namespace pixmo {

class TAppContext;

class TCreateFromPaletteDialog : public TIniDialog {
    Q_OBJECT
public:
    explicit TCreateFromPaletteDialog(TAppContext& app, QWidget* parent = nullptr);
    ~TCreateFromPaletteDialog() override;

    QLineEdit* EDPalette = nullptr;
    TStringsButton* SBPalettes = nullptr;
    QPushButton* BTBrowse = nullptr;

    // OK: the file is kept and goes to the recent list; with a picture on the clipboard
    // the new image is installed as one undo step, else a message says there is none.
    // True when the dialog closed.
    bool Confirm();

protected:
    void LoadSettings() override;
    void SaveSettings() override;

private:
    TAppContext& FApp;
};

}  // namespace pixmo
