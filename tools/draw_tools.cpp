#include "tools/draw_tools.h"

#include <cmath>
#include <vector>

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "image/dib.h"
#include "image/dib_canvas.h"
#include "image/int_math.h"
#include "settings/main_keys.h"
#include "tools/tool_options.h"

namespace pixmo {

// ---------------------------------------------------------------- spray

void TDrawSprayMouse::ButtonDown(TPoint p) {
    Step = Env.Settings.SprayInterval;
    TDotsDDAMouse::ButtonDown(p);
}

void TDrawSprayMouse::AddPoint(int x, int y) {
    TDotsDDAMouse::AddPoint(x, y);
    TDib* image = Image();
    if (!image) return;
    const int r = Div(PenWidth(), 2);
    TToolOptions& options = Env.Options;
    std::vector<TPoint> dots;
    for (int i = 0; i <= r; ++i) {
        const int dx = options.Random(2 * r) - r;
        const int h = static_cast<int>(std::trunc(std::sqrt(static_cast<double>(r * r - dx * dx))));
        const int dy = options.Random(2 * h);
        dots.push_back(TPoint{x + dx, y + dy - h});
    }
    // The pen's colour is the stroke's, and the ink and mirror images apply.
    if (!image->IsTrueColor()) image->Canvas().PaintPixels(dots);
    UpdateRect(InflateRect(PixelRect(TPoint{x, y}), r, r));
}

// ---------------------------------------------------------------- bucket fill

void TFillMouse::ButtonDown(TPoint p) {
    TDib* image = Image();
    Bounds = TRect{};
    if (!image || !image->GetRect().Contains(p) || image->IsTrueColor()) return;
    BeginDrag();
    const int k = image->Pixel(p.X, p.Y);
    if (!Draw().Recolours(k)) return;
    const TRect filled = image->Canvas().FloodFill(p.X, p.Y, PaletteIndex(k), TFillStyle::Surface);
    // An ink may leave pixels of the area as they were: the area itself is what changed.
    if (Draw().Aids.Inked()) {
        Bounds = filled;
    } else if (const TDib* backup = Draw().Backup.get()) {
        TRect changed;
        image->DiffBand(*backup, p, changed);
        Bounds = changed;
    }
    Painted = Bounds;
    UpdateRect(Bounds);
}

// ---------------------------------------------------------------- edge

// Pixels beyond the image count as outside the area, so an area that reaches the image's
// border gets its edge drawn along the border too.
void TDrawEdgeMouse::ButtonDown(TPoint p) {
    TDib* image = Image();
    Bounds = TRect{};
    if (!image || !image->GetRect().Contains(p) || image->IsTrueColor()) return;
    BeginDrag();
    const int k = image->Pixel(p.X, p.Y);
    if (!Draw().Recolours(k)) return;
    TBusyCursor busy(Env.Edit.Busy());

    // The area: what a surface fill from p changes on a copy.
    auto area = TDib::CreateClone(*image);
    const int marker = k == 0 ? 1 : 0;
    {
        TDibCanvas& canvas = area->Canvas();
        canvas.Brush.Style = TBrushStyle::Solid;
        canvas.Brush.Color = PaletteIndex(marker);
        canvas.FloodFill(p.X, p.Y, PaletteIndex(k), TFillStyle::Surface);
    }
    TRect band;
    area->DiffBand(*image, p, band);
    Bounds = band;
    if (Bounds.IsEmpty()) return;
    const int w = image->Width(), h = image->Height();
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && area->Pixel(x, y) != image->Pixel(x, y);
    };
    // Decide every pixel first, then paint, so painting cannot change the neighbours read.
    std::vector<TPoint> edge;
    for (int y = Bounds.Top; y < Bounds.Bottom; ++y)
        for (int x = Bounds.Left; x < Bounds.Right; ++x)
            if (inside(x, y) && !(inside(x - 1, y) && inside(x + 1, y) && inside(x, y - 1) && inside(x, y + 1)))
                edge.push_back(TPoint{x, y});
    image->Canvas().PaintPixels(edge);
    Painted = Bounds;
    UpdateRect(Bounds);
}

}  // namespace pixmo
