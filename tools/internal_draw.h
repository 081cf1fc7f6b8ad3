#pragma once
// TInternalDraw: the internal object of the drawing tools. It keeps a full copy of the image
// for the length of a stroke, erases feedback from it, passes everything drawn through the
// selection mask and the transparency table, and records one undo step of the changed
// rectangle at the end. TInternalFill draws filled shapes with a one-pixel outline.
#include <memory>
#include <string>

#include "tools/drawing_aids.h"
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
    // The ink and mirror images of the stroke in progress.
    TStrokeAids Aids;

    void BeginDrag() override;
    void UpdateRect(const TRect& r) override;
    void RestoreRect(const TRect& r) override;
    void Merge(const TRect& r) override;
    void SetupPen() override;
    TDibCanvas* BackupCanvas() override;
    void Commit(const TRect& r) override;
    void Finish() override;
    void Cancelled() override;
    void UpdateCursor() override;
    void Notify(TNotice notice) override;
    // A fresh copy of the image.
    virtual void Rebackup();
    // A fill or edge on pixels of index k changes something (not so for the pen's own
    // colour, unless an ink decides).
    bool Recolours(int k) const { return k != Colour || Aids.Inked(); }

protected:
    // The colour index and pen width of the button that began the drag.
    int PenWidthOfDrag() const;
    void ChooseColour();
    // Backup becomes a copy of the image, reusing its storage when the shape agrees.
    void TakeBackup();
    // Merges r (inside the image) and shows what the selection lets through.
    void UpdateArea(TRect r);
};

class TInternalFill : public TInternalDraw {
public:
    using TInternalDraw::TInternalDraw;
    void SetupPen() override;
};

}  // namespace pixmo
