#pragma once
// TSelection: the one selection of the document. Its state is five objects: the selection
// mask (image-sized, non-zero = selected), the selection rectangle (empty = nothing
// selected), and while a piece floats the floating image, the floating mask (both the
// rectangle's size) and the background (the image without the piece).
//
// While floating, the image shows the background with the floating image drawn through the
// floating mask at the rectangle's top-left, and the selection mask holds the floating mask
// there. Every operation does nothing without a current image.
#include <memory>
#include <string>

#include "edit/pixel_ops.h"
#include "image/dib.h"

namespace pixmo {

class TEditContext;

inline constexpr const char* kMsgNoSelectionStatus =
    PIXMO_TRANSLATE_NOOP("pixmo::Core", "Pixmo 3 - Versione Italiana   ");
inline constexpr const char* kMsgRangeTooBig = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Chosed range is too big ");

class TSelection {
public:
    explicit TSelection(TEditContext& context);
    ~TSelection();

    // --- the state ---
    TMaskDib* Mask() const { return FMask.get(); }
    TDib* FloatImage() const { return FFloatImage.get(); }
    TMaskDib* FloatMask() const { return FFloatMask.get(); }
    TDib* Background() const { return FBackground.get(); }

    // --- queries ---
    const TRect& GetRect() const { return FRect; }
    bool IsEmpty() const { return FRect.IsEmpty(); }
    bool IsFloating() const { return FBackground != nullptr; }
    TRect GetRectOrImage() const;
    // The whole image without a selection, else the floating image, else the image under
    // the rectangle. Null without an image.
    std::unique_ptr<TDib> CopySelected() const;
    // The floating mask, else the mask under the rectangle; all set at the image's size
    // without a selection.
    std::unique_ptr<TMaskDib> CopyMask() const;
    // The same choice as CopySelected as an 8-bit packed bitmap, for the clipboard.
    TBlock CopyBitmap() const;

    // --- mask composition (M is image-sized, r the rectangle of its set pixels) ---
    void Replace(const TMaskDib& m, const TRect& r);
    void AddMask(const TMaskDib& m, const TRect& r);
    void DeleteMask(const TMaskDib& m, const TRect& r);
    void AndMask(const TMaskDib& m, const TRect& r);
    // While floating, pixels of r outside the selection mask take the background.
    void RestoreUnselected(const TRect& r);

    // --- menu-level operations ---
    void SelectAll();
    void Cancel();
    // Drops the selection without recording: a floating piece stays drawn where it is.
    void Clear();
    void Invert();
    void CancelFloat();
    void Delete();
    void ClearInside();
    void Cut();
    void Edge();
    void AddEdge();
    void DeleteEdge();
    void SelectColour(int index);
    void SelectExceptColour(int index);
    void AddColour(int index);
    void DeleteColour(int index);

    // --- floating ---
    void SetFloating(const TDib* image, const TMaskDib* mask, const TRect& r);
    void DrawFloating();
    void MoveTo(const TRect& r);
    // The hole a lifted piece leaves: index into every pixel of target within the
    // rectangle whose selection-mask byte is set (nothing for an index outside the palette).
    void PaintHole(TDib& target, int index) const;
    void PutSelected(const TDib& image);
    void ReplaceFloating(const TDib& image, const TMaskDib* mask, const TRect& r) { ReplaceFloating(&image, mask, r); }
    // Without image and mask the selection ends empty (a rotation that kept no pixel).
    void ReplaceFloating(const TDib* image, const TMaskDib* mask, const TRect& r);
    void FlipHorizontal();
    void FlipVertical();

    // --- effects on the selected content ---
    void MakeMask();
    void InvertColors();
    void DifferenceColors(int kind);
    void Shift(int dx, int dy);
    void XShift();

    // --- clipboard ---
    void CopyToClipboard();
    void PasteClipboard();
    void Paste(const TDib& image, const TMaskDib* mask);

    // Status, cursor, repaint of rect grown by one, outline.
    void Refresh(const TRect& rect);
    // The floating image and the background take the image's colour table.
    void PaletteChanged();
    // A new current image: a new empty mask of its size, everything else dropped.
    void ImageInstalled();

    // --- pieces the undo steps and the tools work with ---
    void SetRect(const TRect& rect) { FRect = rect; }
    void SetFloatImage(std::unique_ptr<TDib> image) { FFloatImage = std::move(image); }
    void SetFloatMask(std::unique_ptr<TMaskDib> mask) { FFloatMask = std::move(mask); }
    void SetBackground(std::unique_ptr<TDib> image) { FBackground = std::move(image); }
    // Frees the floating image, the floating mask and the background.
    void FreeFloating();
    void ClearMaskBits();
    // Clears the selection mask and draws the floating mask into it at the rectangle.
    void StampFloatMask();
    // The background back into the image over r (clipped); nothing without background.
    void PutBackground(const TRect& r);
    // The background := a copy of the whole image.
    void TakeBackground();
    // Floating mask and floating image from the rectangle, each only when missing.
    void LiftFloating();
    // The floating image takes the image's pixels in r where the floating mask is set.
    void SyncFloating(const TRect& r);

private:
    TEditContext& FContext;
    std::unique_ptr<TMaskDib> FMask;
    TRect FRect;
    std::unique_ptr<TDib> FFloatImage;
    std::unique_ptr<TMaskDib> FFloatMask;
    std::unique_ptr<TDib> FBackground;

    TDib* Image() const;
    void RepaintRect(const TRect& r);
    void RebuildFloatingFrom(const TRect& r);
    void DeleteRecorded();
    void ApplyEffect(const char* caption, std::unique_ptr<TDib> result);
    void ShiftPiece(const std::string& caption, std::unique_ptr<TDib> piece, int dx, int dy);
    std::unique_ptr<TMaskDib> ErodedCopy() const;
    std::unique_ptr<TMaskDib> DilatedCopy() const;
    std::unique_ptr<TMaskDib> ColourMask(int index, bool inside) const;
};

}  // namespace pixmo
