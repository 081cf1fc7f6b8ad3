// The Edit menu's Icon submenu: the selected part, or the whole image, as a 32 x 32 icon in
// a file or on the clipboard, and the two icon options.
#include <QDir>
#include <QFileInfo>

#include "commands/icon_form.h"
#include "commands/main_form.h"
#include "edit/edit_context.h"
#include "edit/selection.h"
#include "formats/icon_file.h"
#include "image/clipboard.h"
#include "image/dib.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace pixmo {

namespace {

// What the icon commands take: the floating piece, the selected part, or the whole image.
std::unique_ptr<TDib> IconSource(TEditContext& doc) {
    if (!doc.Dib()) return nullptr;
    return doc.Selection().CopySelected();
}

}  // namespace

TIconOptions TMainForm::IconOptions() {
    const TMainSettings& s = App().Settings();
    return TIconOptions{s.IconSaveColor, s.PixmoIconMaskBottomLeftPixel, App().Edit().Color2Index()};
}

void TMainForm::SaveImageFile(const TDib& image, const std::string& name) {
    image.SaveToFile(name, TSaveOptions{IconOptions(), static_cast<TPngLevel>(App().Settings().PngCompression)});
}

void TMainForm::MISaveAsIconClick() {
    if (Client() && Client()->IsBusy()) return;
    const auto source = IconSource(App().Edit());
    if (!source) return;
    // The picture's own name with ".ico" is offered first.
    QString offered;
    if (!App().Edit().FileName().empty()) {
        const QFileInfo file(QString::fromStdString(App().Edit().FileName()));
        offered = file.dir().filePath(file.completeBaseName() + ".ico");
    }
    TIconSaveDialog dialog(*source, IconOptions(), offered, this, App().Settings().ShowTransparency);
    if (dialog.exec() != QDialog::Accepted || dialog.FileName().isEmpty()) return;
    const TIconOptions options = dialog.Panel->Options();
    TMainSettings& s = App().Settings();
    s.IconSaveColor = options.Colors256;
    s.PixmoIconMaskBottomLeftPixel = options.MaskBottomLeft;
    SaveIconFile(*source, dialog.FileName().toStdString(), options);
}

void TMainForm::MICopyAsIconClick() {
    if (Client() && Client()->IsBusy()) return;
    const auto source = IconSource(App().Edit());
    if (!source) return;
    const TIconOptions options = IconOptions();
    const TDIIcon icon = MakeIcon(*source, IconTransparentColor(*source, options), 32, 32, options.Colors256, false);
    TClipboard& clipboard = App().Clipboard();
    clipboard.Clear();
    icon.Color->CopyToClipboard(clipboard);
    icon.Mask->CopyToClipboard(clipboard);
}

void TMainForm::MIIconColor256Click() { App().Settings().IconSaveColor = !App().Settings().IconSaveColor; }

void TMainForm::MIDitherIconClick() { App().Settings().DitherIcon = !App().Settings().DitherIcon; }

}  // namespace pixmo
