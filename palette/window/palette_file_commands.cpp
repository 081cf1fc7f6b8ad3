// The palette window's "Salva Palette..." and "Carica Palette...": the colour table to and
// from the palette files other editors use.
#include <QCoreApplication>

#include "edit/edit_context.h"
#include "edit/undo.h"
#include "edit/undo_objects_palette.h"
#include "formats/palette_file.h"
#include "image/dib.h"
#include "image/file_format.h"
#include "palette/window/palette_form.h"
#include "uikit/dialog_hooks.h"
#include "view/app_context.h"

namespace pixmo {

namespace {

std::optional<std::string> AskPaletteFile(QWidget* parent, bool save) {
    TFileRequest request;
    request.Save = save;
    request.Name = "PaletteFileDialog";
    request.Title = save ? QCoreApplication::translate("pixmo::TPaletteForm", "Salva Palette")
                         : QCoreApplication::translate("pixmo::TPaletteForm", "Carica Palette");
    request.Filter = QString::fromStdString(PaletteFileFilter());
    request.DefaultExt = "gpl";
    auto name = AskFileName(parent, request);
    if (!name || name->isEmpty()) return std::nullopt;
    return WithDefaultExt(*name, "gpl").toStdString();
}


}  // namespace

void TPaletteForm::SavePaletteClick() {
    const TDib* image = Image();
    if (!image || image->IsTrueColor()) return;
    const auto name = AskPaletteFile(this, true);
    if (!name) return;
    ReportErrors(this, [&] { WritePaletteFile(image->UsedColorTable(), *name, image->TransparentEntry()); });
}

// The file's colours take the table's first entries; every pixel keeps its index. A longer
// palette lengthens the table as far as the depth allows.
void TPaletteForm::LoadPaletteClick() {
    TDib* image = Image();
    if (!image || image->IsTrueColor()) return;
    const auto name = AskPaletteFile(this, false);
    if (!name) return;
    ReportErrors(this, [&] {
        const TPaletteFile palette = ReadPaletteFile(*name);
        AbortTool();
        TEditContext& doc = App().Edit();
        const int depthMax = 1 << image->BitCount();
        const int count = std::min(static_cast<int>(palette.Colors.size()), depthMax);
        if (count > image->Colors()) {
            doc.Undo().AddNewDib(QT_TRANSLATE_NOOP("pixmo::Core", "Carica Palette"));
            auto longer = TDib::CreateClone(*image);
            longer->SetColorCount(count);
            for (int i = 0; i < count; ++i) longer->SetColor(i, TableWordToColorRef(palette.Colors[size_t(i)]));
            doc.SetDib(std::move(longer));
            return;
        }
        doc.Undo().Add(std::make_unique<TUndoPalettes>(doc, 0, count));
        for (int i = 0; i < count; ++i) image->SetColor(i, TableWordToColorRef(palette.Colors[size_t(i)]));
        doc.PaletteChanged();
    });
}

}  // namespace pixmo
