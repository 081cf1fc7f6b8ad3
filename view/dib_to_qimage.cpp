#include "view/dib_to_qimage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "image/int_math.h"
#include "view/checkerboard.h"

namespace pixmo {

std::array<QRgb, 256> PaletteRgb(const TDib& dib) {
    std::array<QRgb, 256> lut{};
    const auto& table = dib.ColorTable();
    for (int i = 0; i < 256; ++i) lut[static_cast<size_t>(i)] = i < dib.Colors() ? 0xFF000000u | (table[static_cast<size_t>(i)] & 0xFFFFFFu) : 0xFF000000u;
    return lut;
}

namespace {

inline QRgb TrueColorAt(const uint8_t* row, int x) {
    const uint8_t* p = row + 3 * x;
    return 0xFF000000u | (QRgb{p[2]} << 16) | (QRgb{p[1]} << 8) | p[0];
}

// One destination row: source pixels from sx, the first one `first` columns wide (a
// partial cell at the clip's left), then zoom columns each, `count` columns in all.
template <bool True>
void FillRow(QRgb* out, const uint8_t* row, const std::array<QRgb, 256>& lut, int sx, int first, int zoom, int count) {
    auto colorAt = [&](int x) { return True ? TrueColorAt(row, x) : lut[row[x]]; };
    if (zoom == 1) {
        for (int i = 0; i < count; ++i) out[i] = colorAt(sx + i);
        return;
    }
    int done = 0;
    int run = std::min(first, count);
    while (done < count) {
        const QRgb c = colorAt(sx++);
        for (int i = 0; i < run; ++i) out[done + i] = c;
        done += run;
        run = std::min(zoom, count - done);
    }
}

}  // namespace

void DrawDibZoomed(const TDib& dib, const TRect& src, int zoom, QImage& dest, QPoint at, const QRect& clip, int checker) {
    if (zoom < 1 || src.IsEmpty()) return;
    const TRect s = IntersectRect(src, dib.GetRect());
    if (s != src) return;
    const QRect area(at, QSize(src.Width() * zoom, src.Height() * zoom));
    const QRect r = clip.intersected(dest.rect()).intersected(area);
    if (r.isEmpty()) return;
    const std::array<QRgb, 256> lut = PaletteRgb(dib);
    const bool trueColor = dib.IsTrueColor();
    const int offX = r.left() - at.x();
    const int sx = src.Left + offX / zoom;
    const int first = zoom - offX % zoom;
    const int count = r.width();
    // The squares start at the picture's corner, so they scroll with it.
    const std::optional<TCheckerTables> tables = CheckerTables(dib, checker);
    const TCheckerboard board{tables ? checker : 0, at - QPoint(src.Left, src.Top) * zoom};
    int lastSy = -1, lastBand = 0;
    const QRgb* lastOut = nullptr;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const int sy = src.Top + (y - at.y()) / zoom;
        auto* out = reinterpret_cast<QRgb*>(dest.scanLine(y)) + r.left();
        const int band = tables ? FloorDiv(y - board.Origin.y(), checker) : 0;
        if (sy == lastSy && band == lastBand) {
            std::memcpy(out, lastOut, static_cast<size_t>(count) * sizeof(QRgb));
            continue;
        }
        const uint8_t* row = dib.ScanLine(sy);
        lastSy = sy;
        lastBand = band;
        lastOut = out;
        if (tables)
            CheckerFillRow(out, row, *tables, sx, first, zoom, count, QPoint(r.left(), y), board);
        else if (trueColor)
            FillRow<true>(out, row, lut, sx, first, zoom, count);
        else
            FillRow<false>(out, row, lut, sx, first, zoom, count);
    }
}

void DrawDibStretched(const TDib& dib, const TRect& src, const QRect& target, QImage& dest, const QRect& clip,
                      int checker) {
    if (src.IsEmpty() || target.isEmpty() || IntersectRect(src, dib.GetRect()) != src) return;
    const QRect r = clip.intersected(dest.rect()).intersected(target);
    if (r.isEmpty()) return;
    const std::array<QRgb, 256> lut = PaletteRgb(dib);
    const bool trueColor = dib.IsTrueColor();
    // Destination column i shows source column Left + i * width / target width.
    std::vector<int> columns(static_cast<size_t>(r.width()));
    for (int x = r.left(); x <= r.right(); ++x)
        columns[static_cast<size_t>(x - r.left())] =
            src.Left + static_cast<int>(int64_t{x - target.left()} * src.Width() / target.width());
    const std::optional<TCheckerTables> tables = CheckerTables(dib, checker);
    const TCheckerboard board{tables ? checker : 0, target.topLeft()};
    int lastSy = -1, lastBand = 0;
    const QRgb* lastOut = nullptr;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const int sy = src.Top + static_cast<int>(int64_t{y - target.top()} * src.Height() / target.height());
        auto* out = reinterpret_cast<QRgb*>(dest.scanLine(y)) + r.left();
        const int band = tables ? FloorDiv(y - board.Origin.y(), checker) : 0;
        if (sy == lastSy && band == lastBand) {
            std::memcpy(out, lastOut, columns.size() * sizeof(QRgb));
            continue;
        }
        const uint8_t* row = dib.ScanLine(sy);
        lastSy = sy;
        lastBand = band;
        lastOut = out;
        if (tables)
            CheckerFillColumns(out, row, *tables, columns, QPoint(r.left(), y), board);
        else if (trueColor)
            for (size_t i = 0; i < columns.size(); ++i) out[i] = TrueColorAt(row, columns[i]);
        else
            for (size_t i = 0; i < columns.size(); ++i) out[i] = lut[row[columns[i]]];
    }
}

QImage DibToQImage(const TDib& dib, const TRect& rect) {
    const TRect r = IntersectRect(rect, dib.GetRect());
    if (r.IsEmpty()) return QImage();
    QImage image(r.Width(), r.Height(), QImage::Format_RGB32);
    DrawDibZoomed(dib, r, 1, image, QPoint(0, 0), image.rect());
    return image;
}

}  // namespace pixmo
