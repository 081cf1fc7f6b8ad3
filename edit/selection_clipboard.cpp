// The selection and the clipboard: copy, cut, paste.
#include <algorithm>

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "edit/undo_objects_selection.h"
#include "formats/clipboard_png.h"
#include "image/clipboard.h"
#include "image/int_math.h"

namespace pixmo {

void TSelection::CopyToClipboard() {
    if (!Image() || FRect.IsEmpty()) return;
    TClipboard& clipboard = FContext.Clipboard();
    std::unique_ptr<TDib> selected = FFloatImage ? nullptr : CopySelected();
    std::unique_ptr<TMaskDib> mask = FFloatMask ? nullptr : CopyMask();
    clipboard.Clear();
    CopyWithTransparency(clipboard, FFloatImage ? *FFloatImage : *selected);
    (FFloatMask ? *FFloatMask : *mask).CopyToClipboard(clipboard);
}

void TSelection::Cut() {
    TDib* image = Image();
    if (!image) return;
    CopyToClipboard();
    FContext.Undo().Add(std::make_unique<TUndoCutSelection>(FContext));
    DeleteRecorded();
}

void TSelection::PasteClipboard() {
    TDib* image = Image();
    if (!image) return;
    TClipboard& clipboard = FContext.Clipboard();
    const std::optional<TPngPicture> clear = TransparentPictureFromClipboard(clipboard);
    auto piece = clear ? TDib::CreateOnPalette(*clear->Dib, *image) : TDib::CreateFromClipboardOnPalette(clipboard, *image);
    std::unique_ptr<TMaskDib> mask;
    if (clipboard.HasFormat(CF_DSPBITMAP)) mask = TMaskDib::CreateFromClipboard(clipboard);
    // A mask that does not fit the picture beside it is not ours to trust.
    if (!mask || mask->GetSize() != piece->GetSize()) {
        mask = TMaskDib::CreateSize(piece->GetSize());
        FillAll(*mask, 1);
    }
    // Transparent pixels take the image's transparent entry; without one they stay out.
    if (clear) {
        const int entry = image->TransparentEntry();
        for (int y = 0; y < piece->Height(); ++y)
            for (int x = 0; x < piece->Width(); ++x) {
                if (clear->Alpha[static_cast<size_t>(y) * static_cast<size_t>(piece->Width()) + static_cast<size_t>(x)] != 0)
                    continue;
                if (entry >= 0) piece->SetPixel(x, y, static_cast<uint8_t>(entry));
                else mask->SetPixel(x, y, 0);
            }
    }
    Paste(*piece, mask.get());
}

namespace {
// Moves [start, start + size) inside [low, high) where it fits, else to low.
int PlaceInside(int start, int size, int low, int high) {
    if (start + size > high) start = high - size;
    if (start < low) start = low;
    return start;
}
}  // namespace

void TSelection::Paste(const TDib& piece, const TMaskDib* mask) {
    TDib* image = Image();
    if (!image) return;
    TEditView& client = FContext.View();
    client.AbortTool();
    client.BringToFront();
    FContext.Undo().Add(std::make_unique<TUndoPaste>(FContext));
    const TPoint pointer = client.CursorImagePoint();
    const int w = piece.Width(), h = piece.Height();
    int x = pointer.X - Div(w, 2), y = pointer.Y - Div(h, 2);
    const TRect visible = client.VisibleImageRect();
    x = PlaceInside(x, w, visible.Left, visible.Right);
    y = PlaceInside(y, h, visible.Top, visible.Bottom);
    x = PlaceInside(x, w, 0, image->Width());
    y = PlaceInside(y, h, 0, image->Height());
    SetFloating(&piece, mask, TRect{x, y, x + w, y + h});
}

}  // namespace pixmo
