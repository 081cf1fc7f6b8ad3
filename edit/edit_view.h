#pragma once
// What the document asks of the windows around it, split by concern so that a window
// implements only what it uses: the view that shows the image, the listeners of document
// notices, and the hourglass bracket. Coordinates are image pixels.
#include "image/geometry.h"

namespace pixmo {

// The window that shows the image (the edit client; a fake in tests).
class TEditView {
public:
    virtual ~TEditView() = default;

    // True while a mouse tool is in the middle of a drag; undo and redo wait for it.
    virtual bool IsBusy() const = 0;
    // Invalidate the control area of an image rectangle and paint it at once.
    virtual void RepaintImageRect(const TRect& rect) = 0;
    // Invalidate only; painting happens later.
    virtual void InvalidateImageRect(const TRect& rect) = 0;
    virtual void InvalidateAll() = 0;
    // Paint whatever is invalid now.
    virtual void UpdateNow() = 0;
    // The selection changed: rebuild the animated outline when it is shown.
    virtual void RedrawOutline() = 0;
    virtual void UpdateToolCursor() = 0;
    // End the current tool's operation (a paste arriving during a drag).
    virtual void AbortTool() = 0;
    // The pointer's position, and the part of the image on screen.
    virtual TPoint CursorImagePoint() const = 0;
    virtual TRect VisibleImageRect() const = 0;
    virtual void BringToFront() = 0;
};

// Who hears of document changes that every window must know; each defaults to nothing.
class TEditNotices {
public:
    virtual ~TEditNotices() = default;
    // A new current image was installed.
    virtual void ImageInstalled() {}
    // Palette entries changed.
    virtual void PaletteChanged() {}
    // The primary (1) or secondary (2) colour index changed.
    virtual void ColorIndexChanged(int /*which*/) {}
};

// The hourglass around long operations; brackets may nest. Defaults to nothing.
class TBusyBracket {
public:
    virtual ~TBusyBracket() = default;
    virtual void BeginBusyCursor() {}
    virtual void EndBusyCursor() {}
};

// Shows the hourglass for the life of the object.
class TBusyCursor {
public:
    explicit TBusyCursor(TBusyBracket& bracket) : FBracket(bracket) { FBracket.BeginBusyCursor(); }
    ~TBusyCursor() { FBracket.EndBusyCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    TBusyBracket& FBracket;
};

}  // namespace pixmo
