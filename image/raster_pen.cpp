#include "image/raster_pen.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "image/dib.h"
#include "image/paint_rule.h"
#include "image/raster_ellipse.h"

namespace pixmo {
namespace {

uint8_t Apply(TPenMode mode, uint8_t d, uint8_t p) {
    switch (mode) {
        case TPenMode::Copy: return p;
        case TPenMode::Xor: return d ^ p;
        case TPenMode::NotXor: return static_cast<uint8_t>(~(d ^ p));
        case TPenMode::And: return d & p;
        case TPenMode::Or: return d | p;
        case TPenMode::AndNot: return d & static_cast<uint8_t>(~p);
        case TPenMode::Not: return static_cast<uint8_t>(~d);
        case TPenMode::NotCopy: return static_cast<uint8_t>(~p);
    }
    return p;
}

}  // namespace

TPixelWriter::TPixelWriter(TDib& dib, uint32_t value, TPenMode mode, const TPaintRule* rule)
    : FDib(dib), FRule(dib.PixelBytes() == 1 ? rule : nullptr), FWidth(dib.Width()), FHeight(dib.Height()),
      FBytes(dib.PixelBytes()) {
    FFill = mode == TPenMode::Copy || mode == TPenMode::NotCopy;
    // A rule reads what a pixel held before the stroke, so painting it twice changes nothing.
    FIdempotent = FRule || (mode != TPenMode::Xor && mode != TPenMode::NotXor && mode != TPenMode::Not);
    for (int b = 0; b < FBytes; ++b) {
        const uint8_t p = static_cast<uint8_t>(value >> (8 * b));
        FFillBytes[b] = Apply(mode, 0, p);
        if (FFill && FBytes == 1) continue;  // the table is never read
        for (int d = 0; d < 256; ++d) FLut[b][d] = Apply(mode, static_cast<uint8_t>(d), p);
    }
    if (FRule) FFillBytes[0] = static_cast<uint8_t>(value);
}

void TPixelWriter::Span(int64_t y, int64_t x0, int64_t x1) {
    if (y < 0 || y >= FHeight) return;
    x0 = std::max<int64_t>(x0, 0);
    x1 = std::min<int64_t>(x1, FWidth);
    if (x0 >= x1) return;
    if (FRule) {
        FRule->Span(FDib, static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1), FFillBytes[0]);
        return;
    }
    uint8_t* row = FDib.ScanLine(static_cast<int>(y));
    if (FBytes == 1) {
        if (FFill) {
            std::memset(row + x0, FFillBytes[0], static_cast<size_t>(x1 - x0));
        } else {
            const auto& lut = FLut[0];
            for (int64_t x = x0; x < x1; ++x) row[x] = lut[row[x]];
        }
        return;
    }
    uint8_t* p = row + 3 * x0;
    for (int64_t x = x0; x < x1; ++x, p += 3) {
        p[0] = FLut[0][p[0]];
        p[1] = FLut[1][p[1]];
        p[2] = FLut[2][p[2]];
    }
}

TPenStroke::TPenStroke(TPixelWriter& writer, int width) : FWriter(writer), FWidth(std::max(width, 1)) {
    if (FWidth == 1) return;
    // The disc is the ellipse inscribed in the width x width box around the centre.
    const int64_t lo = -(FWidth / 2);
    TEllipseSpans disc(lo, lo, lo + FWidth, lo + FWidth);
    for (int64_t y = disc.Top(); y < disc.Bottom(); ++y) {
        int64_t x0, x1;
        if (disc.Row(y, x0, x1)) FDisc.push_back(TSpan{y, x0, x1});
    }
    FReach = FWidth - FWidth / 2;
    FGather = !writer.Idempotent();
}

TPenStroke::~TPenStroke() { Flush(); }

void TPenStroke::GatherRows(int64_t top, int64_t bottom) {
    Flush();
    top = std::max<int64_t>(top, 0);
    bottom = std::min<int64_t>(bottom, FWriter.Height());
    FRowsTop = top;
    FRows.assign(static_cast<size_t>(std::max<int64_t>(bottom - top, 0)), {INT64_MAX, INT64_MIN});
}

void TPenStroke::Emit(int64_t y, int64_t x0, int64_t x1) {
    if (y < 0 || y >= FWriter.Height() || x1 <= 0 || x0 >= FWriter.Width()) return;
    if (!FRows.empty() && y >= FRowsTop && y - FRowsTop < static_cast<int64_t>(FRows.size())) {
        auto& [l, r] = FRows[static_cast<size_t>(y - FRowsTop)];
        l = std::min(l, std::max<int64_t>(x0, 0));
        r = std::max(r, std::min<int64_t>(x1, FWriter.Width()));
        return;
    }
    if (FGather)
        FSpans.push_back(TSpan{y, std::max<int64_t>(x0, 0), std::min<int64_t>(x1, FWriter.Width())});
    else
        FWriter.Span(y, x0, x1);
}

void TPenStroke::Point(int64_t x, int64_t y) {
    if (FWidth == 1) {
        Emit(y, x, x + 1);
        return;
    }
    if (y + FReach < 0 || y - FReach >= FWriter.Height() || x + FReach < 0 || x - FReach >= FWriter.Width())
        return;
    for (const TSpan& s : FDisc) Emit(y + s.Y, x + s.X0, x + s.X1);
}

void TPenStroke::Run(int64_t y, int64_t x0, int64_t x1) {
    if (x0 >= x1) return;
    if (FWidth == 1) {
        Emit(y, x0, x1);
        return;
    }
    x0 = std::max<int64_t>(x0, -FReach - 1);
    x1 = std::min<int64_t>(x1, int64_t{FWriter.Width()} + FReach + 1);
    if (x0 >= x1) return;
    // The union of discs along a row is, on each disc row, one span.
    for (const TSpan& s : FDisc) Emit(y + s.Y, x0 + s.X0, x1 - 1 + s.X1);
}

void TPenStroke::Flush() {
    for (size_t i = 0; i < FRows.size(); ++i)
        if (FRows[i].first < FRows[i].second) FWriter.Span(FRowsTop + static_cast<int64_t>(i), FRows[i].first, FRows[i].second);
    FRows.clear();
    if (FSpans.empty()) return;
    std::sort(FSpans.begin(), FSpans.end(),
              [](const TSpan& a, const TSpan& b) { return a.Y != b.Y ? a.Y < b.Y : a.X0 < b.X0; });
    TSpan cur = FSpans[0];
    for (size_t i = 1; i < FSpans.size(); ++i) {
        const TSpan& s = FSpans[i];
        if (s.Y == cur.Y && s.X0 <= cur.X1) {
            cur.X1 = std::max(cur.X1, s.X1);
        } else {
            FWriter.Span(cur.Y, cur.X0, cur.X1);
            cur = s;
        }
    }
    FWriter.Span(cur.Y, cur.X0, cur.X1);
    FSpans.clear();
}

}  // namespace pixmo
