// Effects on the selected content: each computes a new piece from CopySelected, records
// the content as it was, and puts the new piece in through the selection.
#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "image/errors.h"
#include "image/int_math.h"
#include "image/raster_primitives.h"

namespace pixmo {

void TSelection::ApplyEffect(const char* caption, std::unique_ptr<TDib> result) {
    if (!result) return;
    FContext.Undo().AddEffect(caption);
    PutSelected(*result);
}

void TSelection::MakeMask() {
    TDib* image = Image();
    if (!image || image->IsTrueColor()) return;
    std::unique_ptr<TDib> result;
    {
        TBusyCursor busy(FContext.Busy());
        auto piece = CopySelected();
        // Black outside, white inside; matched to the nearest entries of our table.
        auto mask = TMaskDib::CreateFromColor(*piece, true, image->GetColor(FContext.Color2Index()));
        result = ConvertToPalette(*mask, *image);
    }
    ApplyEffect(PIXMO_TRANSLATE_NOOP("pixmo::Core", "Crea Maschera"), std::move(result));
}

void TSelection::InvertColors() {
    TDib* image = Image();
    if (!image) return;
    auto piece = CopySelected();
    auto inverted = pixmo::InvertColors(piece.get());
    ApplyEffect(PIXMO_TRANSLATE_NOOP("pixmo::Core", "Inverti Colori"), ConvertToPalette(*inverted, *image));
}

void TSelection::DifferenceColors(int kind) {
    TDib* image = Image();
    if (!image) return;
    auto piece = CopySelected();
    auto swapped = SwapChannelsExcept(piece.get(), kind, image->GetColor(FContext.Color2Index()));
    ApplyEffect(PIXMO_TRANSLATE_NOOP("pixmo::Core", "Differenza Colori"), ConvertToPalette(*swapped, *image));
}

void TSelection::Shift(int dx, int dy) {
    if (!Image() || (dx == 0 && dy == 0)) return;
    ShiftPiece(Format("Shift :%d,%d", dx, dy), CopySelected(), dx, dy);
}

void TSelection::XShift() {
    if (!Image()) return;
    auto piece = CopySelected();
    const int dx = Div(piece->Width(), 2), dy = Div(piece->Height(), 2);
    ShiftPiece(PIXMO_TRANSLATE_NOOP("pixmo::Core", "X Shift"), std::move(piece), dx, dy);
}

namespace {
bool EverySet(const TMaskDib& mask) {
    for (int y = 0; y < mask.Height(); ++y) {
        const uint8_t* row = mask.ScanLine(y);
        for (int x = 0; x < mask.Width(); ++x)
            if (row[x] == 0) return false;
    }
    return true;
}
}  // namespace

// A floating piece of some shape (placed text) takes its mask along, so it scrolls whole;
// any other piece turns inside its mask.
void TSelection::ShiftPiece(const std::string& caption, std::unique_ptr<TDib> piece, int dx, int dy) {
    if (!IsFloating() || !FFloatMask || EverySet(*FFloatMask)) {
        ApplyEffect(caption.c_str(), ShiftImage(*piece, dx, dy));
        return;
    }
    auto shifted = ShiftImage(*piece, dx, dy);
    auto mask = ShiftImage(*FFloatMask, dx, dy);
    FContext.Undo().AddTransform(caption);
    ReplaceFloating(*shifted, mask.get(), FRect);
}

}  // namespace pixmo
