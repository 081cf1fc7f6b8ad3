#include "image/raster_flood.h"

#include <cstring>
#include <vector>

#include "image/dib.h"

namespace pixmo {
namespace {

uint64_t Broadcast8(uint8_t v) { return 0x0101010101010101ull * v; }

// Surface fill of one-byte pixels: runs are found eight pixels at a time.
struct TSurface8 {
    uint8_t Target, FillValue;

    bool Match(const uint8_t* row, int x) const { return row[x] == Target; }
    int NextMiss(const uint8_t* row, int x, int end) const {
        const uint64_t pattern = Broadcast8(Target);
        while (x + 8 <= end) {
            uint64_t word;
            std::memcpy(&word, row + x, 8);
            const uint64_t diff = word ^ pattern;
            if (diff) return x + __builtin_ctzll(diff) / 8;  // little-endian: lowest byte first
            x += 8;
        }
        while (x < end && row[x] == Target) ++x;
        return x;
    }
    int NextMatch(const uint8_t* row, int x, int end) const {
        if (x >= end) return end;
        const void* p = std::memchr(row + x, Target, static_cast<size_t>(end - x));
        return p ? static_cast<int>(static_cast<const uint8_t*>(p) - row) : end;
    }
    int RunStart(const uint8_t* row, int x) const {
        while (x > 0 && row[x - 1] == Target) --x;
        return x;
    }
    void Fill(uint8_t* row, int, int l, int r) { std::memset(row + l, FillValue, static_cast<size_t>(r - l)); }
};

// Any depth, either style. A border fill marks what it has filled, since the fill colour
// itself may qualify again.
struct TGeneric {
    int Bytes;
    uint32_t Color, FillValue;
    bool Border;
    bool Mark;  // keep track of filled pixels
    int Width;
    std::vector<uint64_t> Done;

    uint32_t Value(const uint8_t* row, int x) const {
        if (Bytes == 1) return row[x];
        const uint8_t* p = row + 3 * x;
        return p[0] | (p[1] << 8) | (p[2] << 16);
    }
    int CurrentY = 0;
    bool IsDone(int x) const {
        const size_t bit = static_cast<size_t>(CurrentY) * Width + x;
        return (Done[bit >> 6] >> (bit & 63)) & 1;
    }
    bool Match(const uint8_t* row, int x) const {
        const uint32_t v = Value(row, x);
        if (!Border) return v == Color;
        return v != Color && !(Mark && IsDone(x));
    }
    int NextMiss(const uint8_t* row, int x, int end) const {
        while (x < end && Match(row, x)) ++x;
        return x;
    }
    int NextMatch(const uint8_t* row, int x, int end) const {
        while (x < end && !Match(row, x)) ++x;
        return x;
    }
    int RunStart(const uint8_t* row, int x) const {
        while (x > 0 && Match(row, x - 1)) --x;
        return x;
    }
    void Fill(uint8_t* row, int y, int l, int r) {
        for (int x = l; x < r; ++x) {
            if (Bytes == 1) {
                row[x] = static_cast<uint8_t>(FillValue);
            } else {
                uint8_t* p = row + 3 * x;
                p[0] = FillValue & 0xFF, p[1] = (FillValue >> 8) & 0xFF, p[2] = (FillValue >> 16) & 0xFF;
            }
            if (Mark) {
                const size_t bit = static_cast<size_t>(y) * Width + x;
                Done[bit >> 6] |= uint64_t{1} << (bit & 63);
            }
        }
    }
};

template <typename Policy>
TRect Run(TDib& dib, int x, int y, Policy& policy, int& currentY, std::vector<TFillSpan>* spans) {
    TRect filled;
    const int w = dib.Width(), h = dib.Height();
    struct TSeed {
        int X, Y;
    };
    std::vector<TSeed> stack;
    stack.push_back(TSeed{x, y});
    while (!stack.empty()) {
        const TSeed s = stack.back();
        stack.pop_back();
        uint8_t* row = dib.ScanLine(s.Y);
        currentY = s.Y;
        if (!policy.Match(row, s.X)) continue;  // filled since it was pushed
        const int l = policy.RunStart(row, s.X);
        const int r = policy.NextMiss(row, s.X + 1, w);
        policy.Fill(row, s.Y, l, r);
        if (spans) spans->push_back(TFillSpan{s.Y, l, r});
        filled = UnionRect(filled, TRect{l, s.Y, r, s.Y + 1});
        for (int ny : {s.Y - 1, s.Y + 1}) {
            if (ny < 0 || ny >= h) continue;
            const uint8_t* next = dib.ScanLine(ny);
            currentY = ny;
            int cx = policy.NextMatch(next, l, r);
            while (cx < r) {
                stack.push_back(TSeed{cx, ny});
                cx = policy.NextMatch(next, policy.NextMiss(next, cx + 1, r), r);
            }
        }
    }
    return filled;
}

}  // namespace

TRect ScanlineFloodFill(TDib& dib, int x, int y, uint32_t color, uint32_t fill, TFillStyle style,
                        std::vector<TFillSpan>* spans) {
    if (x < 0 || y < 0 || x >= dib.Width() || y >= dib.Height()) return TRect{};
    const bool border = style == TFillStyle::Border;
    if (!border && color == fill) return TRect{};  // nothing would change
    int unusedY = 0;
    if (!border && dib.PixelBytes() == 1) {
        TSurface8 policy{static_cast<uint8_t>(color), static_cast<uint8_t>(fill)};
        if (!policy.Match(dib.ScanLine(y), x)) return TRect{};
        return Run(dib, x, y, policy, unusedY, spans);
    }
    // Filling a border area with the border colour itself needs no marks: filled pixels
    // stop qualifying by themselves.
    TGeneric policy{dib.PixelBytes(), color, fill, border, border && color != fill, dib.Width(), {}};
    if (policy.Mark) policy.Done.assign((static_cast<size_t>(dib.Width()) * dib.Height() + 63) / 64, 0);
    policy.CurrentY = y;
    if (!policy.Match(dib.ScanLine(y), x)) return TRect{};
    return Run(dib, x, y, policy, policy.CurrentY, spans);
}

}  // namespace pixmo
