#include "tools/pixel_perfect.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "image/dib_canvas.h"
#include "settings/main_keys.h"
#include "tools/draw_tools.h"

namespace pixmo {

namespace {
bool SideBySide(TPoint a, TPoint b) { return std::abs(a.X - b.X) + std::abs(a.Y - b.Y) == 1; }
bool CornerToCorner(TPoint a, TPoint b) { return std::abs(a.X - b.X) == 1 && std::abs(a.Y - b.Y) == 1; }
}  // namespace

void TPixelPerfect::Start() {
    FCount = 0;
    FPainted.clear();
}

std::optional<TPoint> TPixelPerfect::Add(TPoint p) {
    ++FPainted[Key(p)];
    std::optional<TPoint> corner;
    if (FCount >= 2 && SideBySide(FBefore, FLast) && SideBySide(FLast, p) && CornerToCorner(FBefore, p)) {
        corner = FLast;
        if (auto it = FPainted.find(Key(FLast)); it != FPainted.end() && --it->second == 0) FPainted.erase(it);
        FLast = p;  // the one before stays
        return corner;
    }
    FBefore = FLast;
    FLast = p;
    ++FCount;
    return corner;
}

bool TPixelPerfect::Holds(TPoint p) const { return FPainted.count(Key(p)) != 0; }

// ---------------------------------------------------------------- the pencil

void TDrawDotMouse::ButtonDown(TPoint p) {
    FPerfect.Start();
    TDotsMouse::ButtonDown(p);
}

// At pen width 1 with "Pixel perfetto" on, the pixels from the last point to p are added one
// by one, and a corner taken out is put back from the backup at once: the preview is the result.
void TDrawDotMouse::MouseMove(TPoint p) {
    if (!Dragging || !Env.Settings.PixelPerfect || PenWidth() != 1) {
        TDotsMouse::MouseMove(p);
        return;
    }
    TDibCanvas* canvas = DrawCanvas();
    if (!canvas) return;
    std::vector<TPoint>& pixels = FPixels;
    pixels.clear();
    if (FPerfect.Empty()) {
        pixels.push_back(p);
    } else {
        // The pencil's own line from p back to the last point, which it leaves out.
        LineDDA(p.X, p.Y, Last.X, Last.Y, [&pixels](int x, int y) { pixels.push_back(TPoint{x, y}); });
        std::reverse(pixels.begin(), pixels.end());
    }
    // One repaint for the whole move: each one is synchronous.
    TRect changed;
    for (const TPoint q : pixels) {
        const std::optional<TPoint> corner = FPerfect.Add(q);
        canvas->PaintPixels({&q, 1});
        changed = IncludePoint(changed, q);
        if (corner && !FPerfect.Holds(*corner)) {
            Internal->RestoreRect(PixelRect(*corner));
            changed = IncludePoint(changed, *corner);
        }
    }
    if (!changed.IsEmpty()) UpdateRect(changed);
    Bounds = IncludePoint(Bounds, p);
    Last = p;
}

}  // namespace pixmo
