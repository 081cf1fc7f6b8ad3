#include "edit/undo_objects_palette.h"

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "image/dib.h"
#include "image/errors.h"

namespace pixmo {

TUndoPalette::TUndoPalette(TEditContext& context, int index, TColorRef colour)
    : TUndoObject(context), FIndex(index), FColour(colour) {
    FSize = 8;
}

void TUndoPalette::Exchange() {
    TDib* image = FContext.Dib();
    if (!image) return;
    const bool inside = FIndex >= 0 && FIndex < image->Colors();
    const TColorRef live = inside ? image->GetColor(FIndex) : FColour;
    FContext.SetColor1Index(FIndex);
    if (inside) FContext.SetPaletteColor(FIndex, FColour);
    FColour = live;
}

TUndoPaletteAlpha::TUndoPaletteAlpha(TEditContext& context, int index, uint8_t alpha)
    : TUndoObject(context), FIndex(index), FAlpha(alpha) {
    FSize = 8;
}

void TUndoPaletteAlpha::Exchange() {
    TDib* image = FContext.Dib();
    if (!image || FIndex < 0 || FIndex >= image->Colors()) return;
    const uint8_t live = image->Alpha(FIndex);
    image->SetAlpha(FIndex, FAlpha);
    FAlpha = live;
    FContext.PaletteChanged();
}

TUndoExchangePalette::TUndoExchangePalette(TEditContext& context, int indexA, int indexB)
    : TUndoObject(context), FIndexA(indexA), FIndexB(indexB) {
    FSize = 8;
}

void TUndoExchangePalette::Exchange() {
    FContext.ExchangePaletteEntries(FIndexA, FIndexB);
    std::swap(FIndexA, FIndexB);
}

TUndoPalettes::TUndoPalettes(TEditContext& context, int first, int count) : TUndoObject(context), FFirst(first) {
    FColours = Collect(count);
    FSize = 8 * static_cast<int64_t>(FColours.size());
}

std::vector<TColorRef> TUndoPalettes::Collect(int count) const {
    const TDib* image = FContext.Dib();
    if (!image || FFirst < 0 || count < 0 || static_cast<int64_t>(FFirst) + count > image->Colors())
        RaiseError(CoreMessage(kMsgUndoError));
    std::vector<TColorRef> colours(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) colours[i] = image->GetColor(FFirst + i);
    return colours;
}

void TUndoPalettes::Exchange() {
    std::vector<TColorRef> live = Collect(static_cast<int>(FColours.size()));
    TDib* image = FContext.Dib();
    for (size_t i = 0; i < FColours.size(); ++i) image->SetColor(FFirst + static_cast<int>(i), FColours[i]);
    FColours = std::move(live);
    FContext.PaletteChanged();
}

}  // namespace pixmo
