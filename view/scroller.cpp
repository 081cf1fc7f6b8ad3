#include "view/scroller.h"

#include <algorithm>

#include "image/int_math.h"
#include "view/client.h"

namespace pixmo {

void TScroller::Recalculate() {
    // Showing or hiding a bar resizes the client, which asks again; the outer call repeats
    // until the size settles.
    if (FInRecalculate) {
        FAgain = true;
        return;
    }
    FInRecalculate = true;
    for (int round = 0; round < 4; ++round) {
        FAgain = false;
        FPageX = std::min(FRangeX, Div(FClient.ClientWidth(), FZoomX));
        FPageY = std::min(FRangeY, Div(FClient.ClientHeight(), FZoomY));
        FMaxPosX = std::max(0, FRangeX - FPageX);
        FMaxPosY = std::max(0, FRangeY - FPageY);
        FClient.SetBars(FVisible, FRangeX, FPageX, std::min(FMaxPosX, FPosX), FRangeY, FPageY,
                        std::min(FMaxPosY, FPosY));
        if (!FAgain) break;
    }
    FInRecalculate = false;
    SetPosition(FPosX, FPosY);
}

void TScroller::SetPosition(int x, int y) {
    x = std::clamp(x, 0, FMaxPosX);
    y = std::clamp(y, 0, FMaxPosY);
    if (x == FPosX && y == FPosY) return;
    FPosX = x;
    FPosY = y;
    FClient.SetBarPositions(x, y);
    FClient.InvalidateAll(false);
    FClient.Scrolled();
}

void TScroller::ScrollBy(int dx, int dy) { SetPosition(FPosX + dx, FPosY + dy); }

void TScroller::SetRange(TPoint size) {
    FRangeX = std::max(0, size.X);
    FRangeY = std::max(0, size.Y);
    Recalculate();
}

void TScroller::SetZoom(int zx, int zy) {
    FZoomX = std::max(1, zx);
    FZoomY = std::max(1, zy);
    Recalculate();
}

void TScroller::SetVisible(bool visible) {
    FVisible = visible;
    Recalculate();
}

int TScroller::AutoScrollDelta(int c, int extent, int page) {
    if (c > 0) {
        if (c < extent - 1) return 0;
        return std::max(1, std::min(page, Div(c - extent, 10)));
    }
    return std::min(-1, std::max(-page, Div(c, 10)));
}

void TScroller::AutoScrollStep() {
    const TPoint c = FClient.CursorPos();
    const int dx = AutoScrollDelta(c.X, FClient.ClientWidth(), FPageX);
    const int dy = AutoScrollDelta(c.Y, FClient.ClientHeight(), FPageY);
    if (dx == 0 && dy == 0) return;
    ScrollBy(dx, dy);
    FClient.Repaint();
}

}  // namespace pixmo
