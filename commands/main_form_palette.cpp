// The palette commands of the File and Settings menus: an image from the clipboard on a
// file's palette, the colour count, the palette transformations.
#include "commands/main_form.h"
#include "edit/edit_context.h"
#include "image/clipboard.h"
#include "image/dib.h"
#include "palette/window/change_palette_dialog.h"
#include "palette/window/create_from_palette_dialog.h"
#include "palette/window/new_color_dialog.h"
#include "view/app_context.h"

namespace pixmo {

void TMainForm::MIFileCreateWithPaletteClick() {
    if (!App().Clipboard().HasFormat(CF_DIB)) return;
    TCreateFromPaletteDialog dialog(App(), this);
    dialog.exec();
    UpdateCaption();
}

void TMainForm::MISetNumColorClick() {
    if (!App().Edit().Dib()) return;
    TNewColorDialog dialog(App(), this);
    dialog.exec();
}

void TMainForm::MISetChangePaletteClick() {
    const TDib* image = App().Edit().Dib();
    // A true-colour image has no palette to change; the step would record nothing.
    if (!image || RefuseDeepImage(*image)) return;
    TChangePaletteDialog dialog(App(), this);
    dialog.exec();
}

}  // namespace pixmo
