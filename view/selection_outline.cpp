#include "view/selection_outline.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "image/int_math.h"
#include "view/view_objects.h"

namespace pixmo {

void TSelectionOutline::Build(TViewObjects& objects, const TOutlineGeometry& geometry, const TMaskDib& mask,
                              const TRect& selRect) {
    FGeometry = geometry;
    FBuilt = true;
    FRect = QRect();
    const QSize size = geometry.ViewSize.expandedTo(QSize(1, 1));
    TMaskDib& outline = objects.OutlineMask(size);
    std::memset(outline.Bits(), 0, static_cast<size_t>(outline.LineBytes()) * outline.Height());

    const int z = std::max(1, geometry.Zoom);
    const TPoint pos = geometry.Pos;
    // The image part on screen, one more pixel at right and bottom for a partial cell.
    TRect visible{pos.X, pos.Y, Div(size.width(), z) + pos.X + 1, Div(size.height(), z) + pos.Y + 1};
    visible = IntersectRect(IntersectRect(visible, mask.GetRect()), selRect);
    if (visible.IsEmpty()) return;
    const QRect control = QRect(QPoint((visible.Left - pos.X) * z, (visible.Top - pos.Y) * z),
                                QPoint((visible.Right - pos.X) * z - 1, (visible.Bottom - pos.Y) * z - 1))
                              .intersected(QRect(QPoint(0, 0), size));
    if (control.isEmpty()) return;
    FRect = control;

    // The image column under each control column from one cell left of the rectangle to
    // one cell right of it; -1 where that lies off the image (outside the selection).
    const int left = control.left(), right = control.right();
    std::vector<int> column(static_cast<size_t>(right - left + 1 + 2 * z));
    for (int cx = left - z; cx <= right + z; ++cx) {
        const int ix = pos.X + FloorDiv(cx, z);
        column[static_cast<size_t>(cx - left + z)] = ix >= 0 && ix < mask.Width() ? ix : -1;
    }
    auto maskRow = [&](int cy) -> const uint8_t* {
        const int iy = pos.Y + FloorDiv(cy, z);
        return iy >= 0 && iy < mask.Height() ? mask.ScanLine(iy) : nullptr;
    };
    auto inside = [&](const uint8_t* row, int cx) {
        const int ix = column[static_cast<size_t>(cx - left + z)];
        return row && ix >= 0 && row[ix] != 0;
    };
    // Zoomed in, the band is wider than one pixel so that the grid lines, which fall on
    // the cells' first row and column, cannot hide it.
    const int band = std::clamp(z / 4, 1, 3);
    for (int cy = control.top(); cy <= control.bottom(); ++cy) {
        const uint8_t* here = maskRow(cy);
        if (!here) continue;
        const int oy = cy - FloorDiv(cy, z) * z;
        const uint8_t* up = maskRow(cy - oy - 1);
        const uint8_t* down = maskRow(cy - oy + z);
        uint8_t* out = outline.ScanLine(cy);
        for (int cx = left; cx <= right; ++cx) {
            if (!inside(here, cx)) continue;
            const int ox = cx - FloorDiv(cx, z) * z;
            const bool edge = (ox < band && !inside(here, cx - ox - 1)) || (ox >= z - band && !inside(here, cx - ox + z)) ||
                              (oy < band && !inside(up, cx)) || (oy >= z - band && !inside(down, cx));
            if (edge) out[cx] = 1;
        }
    }
}

void TSelectionOutline::FillPattern(TViewObjects& objects) {
    if (!FBuilt || FRect.isEmpty()) return;
    TMaskDib& pattern = objects.PatternMask(FGeometry.ViewSize);
    const std::vector<uint8_t>& stripes = objects.StripeRow(FRect.width());
    for (int y = FRect.top(); y <= FRect.bottom(); ++y) {
        const int start = (FPhase + (y - FRect.top())) % 8;
        std::memcpy(pattern.ScanLine(y) + FRect.left(), stripes.data() + start, static_cast<size_t>(FRect.width()));
    }
}

void TSelectionOutline::Draw(TViewObjects& objects, const QRect& rect) const {
    if (!FBuilt || !objects.HasOutlineMasks()) return;
    QImage& buffer = objects.BackBuffer();
    const QRect r = rect.intersected(FRect).intersected(buffer.rect());
    if (r.isEmpty()) return;
    TMaskDib& outline = objects.OutlineMask(FGeometry.ViewSize);
    TMaskDib& pattern = objects.PatternMask(FGeometry.ViewSize);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const uint8_t* out = outline.ScanLine(y);
        const uint8_t* pat = pattern.ScanLine(y);
        auto* dest = reinterpret_cast<QRgb*>(buffer.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            if (out[x]) dest[x] = pat[x] ? 0xFFFFFFFFu : 0xFF000000u;
    }
}

}  // namespace pixmo
