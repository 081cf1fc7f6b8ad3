#pragma once
// TNewSizeDialog ("Dimensioni Immagine"): the image's new size. OK pads or crops at the
// right and bottom, the new area in the secondary colour, as one undo step; the file name
// stays. Without an image the dialog closes at once.
#include "commands/size_dialog.h"

namespace pixmo {

class TAppContext;

class TNewSizeDialog : public TSizeDialog {
    Q_OBJECT
public:
    explicit TNewSizeDialog(TAppContext& app, QWidget* parent = nullptr);
    ~TNewSizeDialog() override;

    // OK: true when the image took the new size and the dialog closed.
    bool Confirm();
    // False when the dialog closed itself at creation (no image).
    bool HasImage() const { return FHasImage; }

protected:
    void LoadSettings() override;
    void SaveSettings() override;

private:
    TAppContext& FApp;
    bool FHasImage;
};

}  // namespace pixmo
