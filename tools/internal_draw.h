#pragma once
// TInternalDraw: the internal object of the drawing tools. It keeps a full copy of the image
// for the length of a stroke, erases feedback from it, passes everything drawn through the
// selection mask and the transparency table, and records one undo step of the changed
// rectangle at the end. TInternalFill draws filled shapes with a one-pixel outline.
#include <memory>
#include <string>

#include "tools/internal_mouse.h"

namespace pixmo {

class TDib;

class TInternalDraw : public TInternalMouse {
public:
    explicit TInternalDraw(TMouse& mouse);
    ~TInternalDraw() override;
    bool DrawsWithPen() const override { return true; }

    std::unique_ptr<TDib> Backup;
    int Colour = 0;

    void BeginDrag() override;
    void UpdateRect(const TRect& r) override;
    void RestoreRect(const TRect& r) override;
    void Merge(const TRect& r) override;
    void SetupPen() override;
    TDibCanvas* BackupCanvas() override;
    void Commit(const TRect& r) override;
    void UpdateCursor() override;
    void Notify(TNotice notice) override;
    // A fresh copy of the image.
    virtual void Rebackup();

protected:
    // The colour index and pen width of the button that began the drag.
    int PenWidthOfDrag() const;
    void ChooseColour();
    // Backup becomes a copy of the image, reusing its storage when the shape agrees.
    void TakeBackup();
};

class TInternalFill : public TInternalDraw {
public:
    using TInternalDraw::TInternalDraw;
    void SetupPen() override;
};

}  // namespace pixmo
