#pragma once
// The edit client as the selection and the undo history see it. The window implements
// this over its paint client; tests implement it with a fake. Coordinates are image pixels.
#include "image/geometry.h"

namespace pixmo {

class TEditClient {
public:
    virtual ~TEditClient() = default;

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

    // The pointer's position in image coordinates, and the part of the image on screen.
    virtual TPoint CursorImagePoint() const = 0;
    virtual TRect VisibleImageRect() const = 0;
    virtual void BringToFront() = 0;

    // Broadcasts: a new current image was installed (1074), palette entries changed
    // (1249), the primary (1250) or secondary (1251) colour index changed.
    virtual void ImageInstalled() = 0;
    virtual void PaletteChanged() = 0;
    virtual void ColorIndexChanged(int which) = 0;

    // The hourglass around long operations.
    virtual void BeginBusyCursor() = 0;
    virtual void EndBusyCursor() = 0;

    // The palette window's exchange of two entries: both the colour table and the pixels
    // (of the image, the floating image and the background) trade the two indices so the
    // picture keeps its look.
    virtual void ExchangePaletteEntries(int a, int b) = 0;
};

// Shows the hourglass for the life of the object.
class TBusyCursor {
public:
    explicit TBusyCursor(TEditClient& client) : FClient(client) { FClient.BeginBusyCursor(); }
    ~TBusyCursor() { FClient.EndBusyCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    TEditClient& FClient;
};

}  // namespace pixmo
