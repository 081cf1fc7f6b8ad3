#pragma once
// The animated outline of the selection: the pixels of the zoomed selection that touch
// the outside, drawn over the back buffer in black and white diagonal stripes that move
// one pixel along the edge per tick.
#include <QImage>
#include <QRect>
#include <QSize>

#include "image/dib.h"
#include "image/geometry.h"

namespace pixmo {

class TViewObjects;

// What the outline is built for: the view's size, zoom and scroll position.
struct TOutlineGeometry {
    QSize ViewSize;
    int Zoom = 1;
    TPoint Pos;
    bool operator==(const TOutlineGeometry&) const = default;
};

class TSelectionOutline {
public:
    // Builds the outline mask of `mask` (image-sized, non-zero inside) limited to the
    // selection rectangle `selRect`; an image point p shows at (p - Pos) * Zoom.
    void Build(TViewObjects& objects, const TOutlineGeometry& geometry, const TMaskDib& mask,
               const TRect& selRect);
    // Forget the outline (a new image, a new view size).
    void Drop() { FBuilt = false; FRect = QRect(); }
    bool IsBuiltFor(const TOutlineGeometry& geometry) const { return FBuilt && geometry == FGeometry; }
    bool IsBuilt() const { return FBuilt; }
    // In control pixels; empty when nothing shows.
    QRect Rect() const { return FRect; }
    int Phase() const { return FPhase; }

    // Fills the pattern over the outline rectangle from the current phase.
    void FillPattern(TViewObjects& objects);
    // The phase steps back by one (0 to 7).
    void Step() { FPhase = FPhase == 0 ? 7 : FPhase - 1; }
    // Outline pixels of `rect` in the back buffer take black where the pattern is 0, white
    // where it is 1.
    void Draw(TViewObjects& objects, const QRect& rect) const;

private:
    TOutlineGeometry FGeometry;
    QRect FRect;
    int FPhase = 0;
    bool FBuilt = false;
};

}  // namespace pixmo
