#pragma once
// The internal objects of the selection tools. TInternalBmp draws a tool's rubber band on a
// private true-colour copy of the image, so that feedback shows on screen only and the image
// itself never changes. TInternalSelect adds what every selection tool shares: the
// composition mode chosen from the modifier keys (replace, add, delete, and), the press on
// an already selected pixel that moves the selection instead, the mode cursors, and the
// hand-over of the finished mask to the selection.
#include <cstdint>
#include <memory>
#include <string>

#include "tools/internal_mouse.h"

namespace pixmo {

class TDib;
class TMaskDib;
class TMouseTool;

// Cursor ids of the selection tools: the tool's own and its three mode variants.
inline constexpr int kCursorSelect = 101;
inline constexpr int kCursorSelectAdd = 102;
inline constexpr int kCursorSelectDelete = 103;
inline constexpr int kCursorSelectAnd = 104;

// Composition modes of a finished gesture.
enum class TSelectMode : uint8_t { Replace = 0, Add = 1, Delete = 2, And = 3 };

// The pen settings' values: copy overwrites what is under the feedback, not-xor inverts it.
inline constexpr int kSelectPenModeCopy = 4;
inline constexpr int kSelectPenModeNotXor = 15;

// The cursor resource of a mode variant: the tool's cursor with a mark ("BM_ADD", ...) laid
// on at kMarkX, kMarkY, named "<cursor>+<mark>" ("CR_TSELECTRECT+BM_ADD").
inline constexpr int kMarkX = 25;
inline constexpr int kMarkY = 20;
std::string MarkedCursorName(const std::string& cursor, const char* mark);

class TInternalBmp : public TInternalMouse {
public:
    explicit TInternalBmp(TMouse& mouse);
    ~TInternalBmp() override;

    // Where feedback goes: the image's canvas while idle, Bitmap's while dragging.
    TDibCanvas* DrawTarget = nullptr;
    // The image's look as 24-bit pixels, with the rubber band drawn over it.
    std::unique_ptr<TDib> Bitmap;

    void BeginDrag() override;
    void SetupPen() override;
    // Copies the image's pixels in r into Bitmap.
    void RestoreRect(const TRect& r) override;
    TDibCanvas* Canvas() override;
    TDibCanvas* DrawCanvas() override;
    void Commit(const TRect& r) override;
    void Cancelled() override;
    void Notify(TNotice notice) override;

protected:
    // Bitmap made again from the image (after a palette or size change).
    void RebuildBitmap();
};

class TInternalSelect : public TInternalBmp {
public:
    explicit TInternalSelect(TMouse& mouse);
    ~TInternalSelect() override;

    // The full-size work mask of the wand, border and colour tools; shape tools leave it
    // null and render their shape instead.
    std::unique_ptr<TMaskDib> Mask;
    TSelectMode Mode = TSelectMode::Replace;
    // The point tools compute their own mask; the shape tools draw theirs.
    bool UsesMask = false;
    // A press on the selection hands the drag to this move tool until the button is up.
    std::unique_ptr<TMouseTool> MoveTool;

    // Mask made (or remade at the image's size) and cleared to 0.
    TMaskDib& WorkMask();

    void ButtonDown(TPoint p) override;
    void MouseMove(TPoint p) override;
    TDibCanvas* Canvas() override;
    void ShiftChanged(int shift, bool handled) override;
    void UpdateCursor() override;
    void Commit(const TRect& r) override;
    // The shift byte gives a composition mode; returns true when it did.
    bool TakeShift(int shift);
    // A selection exists and its mask is set under p.
    bool OnSelected(TPoint p) const;

private:
    std::string FCursorName;
    bool FMarksMade[3] = {false, false, false};
    TPoint FLastPoint{-1, -1};
    void CommitShape(const TRect& r);
};

}  // namespace pixmo
