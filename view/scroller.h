#pragma once
// TScroller: the scroll state of a zoomed client. Ranges and positions are image pixels;
// the zoom is control pixels per image pixel. It drives the client's scroll bars.
#include <cstdint>

#include "image/geometry.h"

namespace pixmo {

class TClient;

class TScroller {
public:
    explicit TScroller(TClient& client) : FClient(client) {}

    TClient& Client() const { return FClient; }
    bool Visible() const { return FVisible; }
    int RangeX() const { return FRangeX; }
    int RangeY() const { return FRangeY; }
    int PageX() const { return FPageX; }
    int PageY() const { return FPageY; }
    int PosX() const { return FPosX; }
    int PosY() const { return FPosY; }
    int ZoomX() const { return FZoomX; }
    int ZoomY() const { return FZoomY; }
    int MaxPosX() const { return FMaxPosX; }
    int MaxPosY() const { return FMaxPosY; }

    // Pages and limits from the client size; the bars follow; the position is clamped.
    void Recalculate();
    // Clamps to 0..MaxPos; when anything changed, the bars follow, the whole client is
    // invalidated and the client told.
    void SetPosition(int x, int y);
    void SetPosition(TPoint p) { SetPosition(p.X, p.Y); }
    void ScrollBy(int dx, int dy);
    TPoint GetPosition() const { return TPoint{FPosX, FPosY}; }
    void SetRange(TPoint size);
    // Each factor at least 1.
    void SetZoom(int zx, int zy);
    void SetVisible(bool visible);
    // One step of scrolling while a drag holds the cursor at or beyond an edge.
    void AutoScrollStep();

    // The step AutoScrollStep takes for cursor coordinate c in a client of size `extent`.
    static int AutoScrollDelta(int c, int extent, int page);

private:
    TClient& FClient;
    bool FVisible = true;
    int FRangeX = 0, FRangeY = 0;
    int FPageX = 1, FPageY = 1;
    int FPosX = 0, FPosY = 0;
    int FZoomX = 1, FZoomY = 1;
    int FMaxPosX = 0, FMaxPosY = 0;
    bool FInRecalculate = false;
    bool FAgain = false;
};

}  // namespace pixmo
