#include "image/raster_polygon.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace pixmo {
namespace {

using i128 = __int128;

struct TEdge {
    int64_t X0, Y0, X1, Y1;  // Y0 < Y1
    int Dir;
};

struct TCrossing {
    int64_t X;  // first pixel column at or right of the crossing
    int Dir;
};

int64_t CeilDiv(i128 a, i128 b) {  // b > 0
    i128 q = a / b;
    if (a % b != 0 && a > 0) ++q;
    return static_cast<int64_t>(q);
}

}  // namespace

void FillPolygon(TPixelWriter& writer, std::span<const TPoint> points, TPolyFillMode mode) {
    if (points.size() < 3) return;
    std::vector<TEdge> edges;
    int64_t yMin = INT64_MAX, yMax = INT64_MIN;
    for (size_t i = 0; i < points.size(); ++i) {
        const TPoint a = points[i], b = points[(i + 1) % points.size()];
        if (a.Y == b.Y) continue;
        if (a.Y < b.Y)
            edges.push_back(TEdge{a.X, a.Y, b.X, b.Y, 1});
        else
            edges.push_back(TEdge{b.X, b.Y, a.X, a.Y, -1});
        yMin = std::min<int64_t>(yMin, std::min(a.Y, b.Y));
        yMax = std::max<int64_t>(yMax, std::max(a.Y, b.Y));
    }
    if (edges.empty()) return;
    std::sort(edges.begin(), edges.end(), [](const TEdge& a, const TEdge& b) { return a.Y0 < b.Y0; });
    const int64_t rowFirst = std::max<int64_t>(yMin, 0);
    const int64_t rowEnd = std::min<int64_t>(yMax, writer.Height());
    std::vector<TCrossing> crossings;
    std::vector<const TEdge*> active;
    size_t next = 0;
    for (int64_t y = rowFirst; y < rowEnd; ++y) {
        while (next < edges.size() && edges[next].Y0 <= y) active.push_back(&edges[next++]);
        std::erase_if(active, [y](const TEdge* e) { return e->Y1 <= y; });
        crossings.clear();
        for (const TEdge* e : active) {
            // x = X0 + (y - Y0) (X1 - X0) / (Y1 - Y0), rounded up to a pixel column.
            const i128 num = i128(e->X0) * (e->Y1 - e->Y0) + i128(y - e->Y0) * (e->X1 - e->X0);
            crossings.push_back(TCrossing{CeilDiv(num, e->Y1 - e->Y0), e->Dir});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const TCrossing& a, const TCrossing& b) { return a.X < b.X; });
        if (mode == TPolyFillMode::Alternate) {
            for (size_t i = 0; i + 1 < crossings.size(); i += 2)
                writer.Span(y, crossings[i].X, crossings[i + 1].X);
        } else {
            int winding = 0;
            int64_t start = 0;
            for (const TCrossing& c : crossings) {
                const int before = winding;
                winding += c.Dir;
                if (before == 0 && winding != 0) start = c.X;
                if (before != 0 && winding == 0) writer.Span(y, start, c.X);
            }
        }
    }
}

}  // namespace pixmo
