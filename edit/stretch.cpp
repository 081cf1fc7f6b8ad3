// Stretch of a piece: nearest pixels through the stretched block copy, then optionally the
// colours blended bilinearly from a 24-bit copy.
#include <algorithm>

#include "edit/edit_context.h"
#include "edit/edit_view.h"
#include "edit/nearest_transform.h"
#include "edit/selection.h"
#include "edit/transform.h"
#include "edit/undo.h"
#include "image/color_match.h"
#include "image/dib_canvas.h"
#include "image/raster_primitives.h"

namespace pixmo {
namespace {

void StretchInto(TDib& target, const TDib& source) {
    if (StretchNearest(source, target)) return;
    target.Canvas().CopyMode = TCopyMode::SrcCopy;
    // Canvas() only makes the drawing surface on demand; the source is read, never written.
    StretchBlock(target.Canvas(), TPoint{0, 0}, target.GetSize(), const_cast<TDib&>(source).Canvas(),
                 source.GetRect());
}

}  // namespace

TTransformResult StretchPiece(const TDib& source, const TMaskDib& mask, bool smooth, TPoint size,
                              TProgress& progress) {
    auto image = TDib::Create(size.X, size.Y, source.Colors());
    for (int i = 0; i < source.Colors(); ++i) image->SetColor(i, source.GetColor(i));
    if (!smooth) StretchInto(*image, source);  // the smoothed pass writes every pixel anyway
    auto newMask = TMaskDib::Create(size.X, size.Y);
    // The same table keeps the mask's bytes as they are.
    for (int i = 0; i < mask.Colors() && i < newMask->Colors(); ++i) newMask->SetColor(i, mask.GetColor(i));
    StretchInto(*newMask, mask);

    if (smooth) {
        TProgressPass pass(progress, kStretchProgressCaption, size.Y);
        const auto copy = TTrueDib::CreateTrue(source);
        const double rx = size.X > 1 ? double(source.Width() - 1) / (size.X - 1) : 0.0;
        const double ry = size.Y > 1 ? double(source.Height() - 1) / (size.Y - 1) : 0.0;
        TColorMatcher matcher(image->UsedColorTable());
        for (int y = 0; y < size.Y; ++y) {
            if (!pass.Step()) return {};
            uint8_t* row = image->ScanLine(y);
            const double sy = y * ry;
            for (int x = 0; x < size.X; ++x)
                row[x] = matcher.Match(ColorRefToTableWord(copy->Sample(sy, x * rx)));
        }
    }
    return {true, std::move(image), std::move(newMask)};
}

bool StretchSelection(TEditContext& context, TPoint size, bool smooth, TProgress& progress) {
    if (!context.Dib()) return true;
    TSelection& selection = context.Selection();
    const auto source = selection.CopySelected();
    const auto mask = selection.CopyMask();
    TTransformResult result = StretchPiece(*source, *mask, smooth, size, progress);
    if (!result.Done) return false;
    context.Undo().AddTransform(kUndoStretchCaption);
    selection.ReplaceFloating(result.Image.get(), result.Mask.get(), selection.GetRect());
    context.View().InvalidateAll();
    return true;
}

}  // namespace pixmo
