#pragma once
// TInternalMouse: the half of a tool that knows what the tool does to the image: the backup
// taken at the start of a drag, the pen, how feedback is erased, how a finished stroke is
// recorded, the cursor. This default one draws straight on the image and records nothing.
#include "edit/notice.h"
#include "image/geometry.h"

namespace pixmo {

class TDib;
class TDibCanvas;
class TEditContext;
class TMouse;

class TInternalMouse {
public:
    explicit TInternalMouse(TMouse& mouse);
    virtual ~TInternalMouse() = default;
    TInternalMouse(const TInternalMouse&) = delete;
    TInternalMouse& operator=(const TInternalMouse&) = delete;

    // The owning tool (not owned).
    TMouse& Mouse;
    // True when a right click on the idle tool shows a pop-up menu of this object's.
    bool HasMenu = false;
    // The action draws with the pen (the tool reports it as its own).
    virtual bool DrawsWithPen() const { return false; }

    // A drag starts: take what the stroke needs (backup, pen).
    virtual void BeginDrag() {}
    // Pointer events reach the tool through these, so an internal object may take them.
    virtual void ButtonDown(TPoint p);
    virtual void MouseMove(TPoint p);
    // r clipped to the image is shown again.
    virtual void UpdateRect(const TRect& r);
    // Puts back what feedback covered in r (already clipped to the image).
    virtual void RestoreRect(const TRect&) {}
    // Applies the selection and the transparency to what was drawn in r.
    virtual void Merge(const TRect&) {}
    virtual void SetupPen() {}
    // The surface the client shows, the one feedback is drawn on, and the stroke's backup;
    // each null without an image.
    virtual TDibCanvas* Canvas();
    virtual TDibCanvas* DrawCanvas();
    virtual TDibCanvas* BackupCanvas();

    // The gesture ended: kept and recorded, kept only, or undone.
    virtual void Commit(const TRect&) {}
    virtual void Finish() {}
    virtual void Cancelled() {}
    virtual void UpdateCursor();
    virtual void ShiftChanged(int, bool) {}
    virtual void Notify(TNotice) {}

protected:
    TEditContext& Edit() const;
    TDib* Image() const;
};

}  // namespace pixmo
