#include "edit/nearest_transform.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

#include "edit/pixel_ops.h"
#include "image/color_match.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define PIXMO_GATHER_SSSE3 1
#endif

namespace pixmo {

namespace {

// Target pixel t of `target` takes source pixel t * source / target (rounded down), the
// block copy's choice, stepped without a division per pixel.
std::vector<int32_t> AxisTable(int source, int target) {
    std::vector<int32_t> table(static_cast<size_t>(target));
    int32_t q = 0;
    int64_t r = 0;
    for (int t = 0; t < target; ++t) {
        table[static_cast<size_t>(t)] = q;
        r += source;
        while (r >= target) r -= target, ++q;
    }
    return table;
}

constexpr size_t kBlock = 16;

#ifdef PIXMO_GATHER_SSSE3
// Blocks of sixteen target pixels whose sources lie within sixteen bytes: one load and one
// byte shuffle each. `base` < 0 marks a block gathered pixel by pixel.
__attribute__((target("ssse3"))) void ShuffleBlocks(const uint8_t* s, uint8_t* d, const int32_t* base,
                                                    const uint8_t* shuffle, const int32_t* cols, size_t blocks) {
    for (size_t b = 0; b < blocks; ++b, d += kBlock, cols += kBlock, shuffle += kBlock) {
        if (base[b] < 0) {
            for (size_t k = 0; k < kBlock; ++k) d[k] = s[cols[k]];
            continue;
        }
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + base[b]));
        const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(shuffle));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm_shuffle_epi8(v, m));
    }
}
#endif

// One target row from one source row through the column table.
class TRowGather {
public:
    TRowGather(const std::vector<int32_t>& cols, int sourceWidth) : FCols(cols) {
#ifdef PIXMO_GATHER_SSSE3
        if (!__builtin_cpu_supports("ssse3")) return;
        FBlocks = cols.size() / kBlock;
        FBase.resize(FBlocks);
        FShuffle.resize(FBlocks * kBlock);
        for (size_t b = 0; b < FBlocks; ++b) {
            const int32_t* c = &cols[b * kBlock];
            const bool fits = c[kBlock - 1] - c[0] < int32_t(kBlock) && c[0] + int32_t(kBlock) <= sourceWidth;
            FBase[b] = fits ? c[0] : -1;
            for (size_t k = 0; k < kBlock && fits; ++k) FShuffle[b * kBlock + k] = static_cast<uint8_t>(c[k] - c[0]);
        }
#else
        (void)sourceWidth;
#endif
    }

    void Row(const uint8_t* s, uint8_t* d) const {
        size_t x = 0;
#ifdef PIXMO_GATHER_SSSE3
        if (FBlocks) {
            ShuffleBlocks(s, d, FBase.data(), FShuffle.data(), FCols.data(), FBlocks);
            x = FBlocks * kBlock;
        }
#endif
        for (; x < FCols.size(); ++x) d[x] = s[FCols[x]];
    }

private:
    const std::vector<int32_t>& FCols;
    size_t FBlocks = 0;
    std::vector<int32_t> FBase;
    std::vector<uint8_t> FShuffle;
};

// Fixed point with this many fraction bits holds every whole degree's float sine and cosine
// exactly, and their products with image coordinates.
constexpr int kFraction = 32;

bool FixedExactly(float v, int64_t& fixed) {
    const double scaled = std::ldexp(static_cast<double>(v), kFraction);
    fixed = static_cast<int64_t>(scaled);
    return static_cast<double>(fixed) == scaled;
}

// Rounded half to even, as the per-pixel rotation rounds.
inline int64_t RoundFixed(int64_t v) {
    constexpr int64_t kHalfBelow = (int64_t{1} << (kFraction - 1)) - 1;
    return (v + kHalfBelow + ((v >> kFraction) & 1)) >> kFraction;
}

// Half up: the same wherever the fraction is not exactly one half.
inline int64_t RoundFixedNoTie(int64_t v) { return (v + (int64_t{1} << (kFraction - 1))) >> kFraction; }

// Whether a + i b has a fraction of exactly one half for some i in [first, end): the
// solutions of i b = 1/2 - a modulo 1 repeat with a period the inverse of b's odd part gives.
bool HalfIn(int64_t a, int64_t b, int64_t first, int64_t end) {
    constexpr uint64_t kOne = uint64_t{1} << kFraction, kMask = kOne - 1;
    const uint64_t want = (kOne / 2 - static_cast<uint64_t>(a)) & kMask;
    const uint64_t step = static_cast<uint64_t>(b) & kMask;
    if (step == 0) return want == 0 && first < end;
    const int zeros = std::countr_zero(step);
    if (want & ((uint64_t{1} << zeros) - 1)) return false;
    const uint64_t period = kOne >> zeros, odd = step >> zeros;
    uint64_t inverse = odd;  // Newton's iteration doubles the correct low bits each time
    for (int k = 0; k < 5; ++k) inverse *= 2 - odd * inverse;
    const uint64_t i0 = ((want >> zeros) * inverse) & (period - 1);
    const uint64_t from = static_cast<uint64_t>(first);
    const uint64_t i = from <= i0 ? i0 : i0 + (from - i0 + period - 1) / period * period;
    return i < static_cast<uint64_t>(end);
}

// One row's run of target pixels, `Round` being the rounding its positions need.
template <int64_t (*Round)(int64_t)>
void RotateRun(const uint8_t* srcTop, int64_t srcStride, const uint8_t* maskTop, int64_t maskStride, int uniform,
               int64_t vx, int64_t vy, int64_t cf, int64_t sf, int64_t count, uint8_t* row, uint8_t* maskRow) {
    if (uniform > 0) {
        for (int64_t i = 0; i < count; ++i, vx += cf, vy += sf) row[i] = srcTop[Round(vx) - Round(vy) * srcStride];
        std::memset(maskRow, uniform, static_cast<size_t>(count));
        return;
    }
    for (int64_t i = 0; i < count; ++i, vx += cf, vy += sf) {
        const int64_t sx = Round(vx), sy = Round(vy);
        row[i] = srcTop[sx - sy * srcStride];
        maskRow[i] = maskTop[sx - sy * maskStride];
    }
}

// The i in [0, n) with low <= f(i) < high, f being monotonic along i: an interval [first, end).
template <class F>
void InsideRun(F f, int64_t step, int64_t low, int64_t high, int64_t n, int64_t& first, int64_t& end) {
    auto firstTrue = [n](auto pred) {
        int64_t lo = 0, hi = n;
        while (lo < hi) {
            const int64_t mid = lo + (hi - lo) / 2;
            if (pred(mid)) hi = mid;
            else lo = mid + 1;
        }
        return lo;
    };
    if (step >= 0) {
        first = std::max(first, firstTrue([&](int64_t i) { return f(i) >= low; }));
        end = std::min(end, firstTrue([&](int64_t i) { return f(i) >= high; }));
    } else {
        first = std::max(first, firstTrue([&](int64_t i) { return f(i) < high; }));
        end = std::min(end, firstTrue([&](int64_t i) { return f(i) < low; }));
    }
}

// The one value every pixel of the mask holds, or -1.
int UniformValue(const TMaskDib& mask) {
    const uint8_t* first = mask.ScanLine(0);
    const size_t w = static_cast<size_t>(mask.Width());
    for (size_t x = 1; x < w; ++x)
        if (first[x] != first[0]) return -1;
    for (int y = 1; y < mask.Height(); ++y)
        if (std::memcmp(mask.ScanLine(y), first, w) != 0) return -1;
    return first[0];
}

// Rows are walked in bands and each band in column strips, so that the source pixels one
// strip reads stay in the cache.
constexpr int kBandRows = 8;
constexpr int64_t kStripColumns = 64;

}  // namespace

bool StretchNearest(const TDib& source, TDib& target) {
    if (source.PixelBytes() != 1 || target.PixelBytes() != 1 || !SameColorTables(source, target)) return false;
    const std::vector<int32_t> cols = AxisTable(source.Width(), target.Width());
    const std::vector<int32_t> rows = AxisTable(source.Height(), target.Height());
    const TRowGather gather(cols, source.Width());
    for (int y = 0; y < target.Height(); ++y) {
        if (y > 0 && rows[y] == rows[y - 1])
            std::memcpy(target.ScanLine(y), target.ScanLine(y - 1), cols.size());
        else
            gather.Row(source.ScanLine(rows[y]), target.ScanLine(y));
    }
    return true;
}

TTransformResult NewRotationTarget(const TDib& source, const TMaskDib& mask, TPoint size, uint8_t background) {
    auto image = TDib::Create(size.X, size.Y, source.Colors());
    for (int i = 0; i < source.Colors(); ++i) image->SetColor(i, source.GetColor(i));
    if (background != 0) FillAll(*image, background);  // a new image is all entry 0 already
    auto newMask = TMaskDib::Create(size.X, size.Y);
    for (int i = 0; i < mask.Colors() && i < newMask->Colors(); ++i) newMask->SetColor(i, mask.GetColor(i));
    return {true, std::move(image), std::move(newMask)};
}

TTransformResult TrimToMask(TTransformResult piece) {
    const TRect kept = piece.Mask->Bounds();
    if (kept.IsEmpty()) return {true, nullptr, nullptr};
    if (kept == piece.Mask->GetRect()) return piece;
    return {true, TDib::CreateFromRect(*piece.Image, kept), TMaskDib::CreateFromRect(*piece.Mask, kept)};
}

std::optional<TTransformResult> RotateNearest(const TDib& source, const TMaskDib& mask, float c, float s,
                                              const TRect& bounds, uint8_t background, TProgressPass& pass) {
    int64_t cf = 0, sf = 0;
    if (source.PixelBytes() != 1 || !FixedExactly(c, cf) || !FixedExactly(s, sf)) return std::nullopt;
    const int64_t w = source.Width(), h = source.Height(), n = bounds.Width();
    // Each target row's run of columns inside the source, and its source position at column
    // 0: (X c - Y s, X s + Y c) with X = bounds.Left + i.
    struct TRowRun {
        int64_t First, End, X0, Y0;
    };
    std::vector<TRowRun> runs(static_cast<size_t>(bounds.Height()));
    TRect inside{static_cast<int>(n), bounds.Height(), 0, 0};
    for (int j = 0; j < bounds.Height(); ++j) {
        const int64_t Y = bounds.Top + j;
        TRowRun& r = runs[static_cast<size_t>(j)];
        r = {0, n, bounds.Left * cf - Y * sf, bounds.Left * sf + Y * cf};
        InsideRun([&](int64_t i) { return RoundFixed(r.X0 + i * cf); }, cf, 0, w, n, r.First, r.End);
        InsideRun([&](int64_t i) { return RoundFixed(r.Y0 + i * sf); }, sf, 0, h, n, r.First, r.End);
        if (r.First >= r.End) continue;
        inside = TRect{std::min(inside.Left, int(r.First)), std::min(inside.Top, j), std::max(inside.Right, int(r.End)),
                       std::max(inside.Bottom, j + 1)};
    }
    // A mask of one value selects all that lands inside, or nothing: the result is made at
    // its trimmed size at once.
    const int uniform = UniformValue(mask);
    if (uniform == 0 || inside.IsEmpty()) {
        for (int j = 0; j < bounds.Height(); ++j)
            if (!pass.Step()) return TTransformResult{};
        return TTransformResult{true, nullptr, nullptr};
    }
    const TRect target = uniform > 0 ? inside : TRect{0, 0, static_cast<int>(n), bounds.Height()};
    TTransformResult piece = NewRotationTarget(source, mask, TPoint{target.Width(), target.Height()}, background);
    // Row y of the source starts at top - y * stride (rows are kept bottom-up): an address
    // computed, not looked up, keeps the loop to one memory read a pixel.
    const uint8_t* const srcTop = source.ScanLine(0);
    const uint8_t* const maskTop = mask.ScanLine(0);
    const int64_t srcStride = source.LineBytes(), maskStride = mask.LineBytes();
    for (int j0 = 0; j0 < bounds.Height(); j0 += kBandRows) {
        const int rows = std::min(kBandRows, bounds.Height() - j0);
        for (int k = 0; k < rows; ++k)
            if (!pass.Step()) return TTransformResult{};
        for (int64_t strip = inside.Left; strip < inside.Right; strip += kStripColumns)
            for (int j = std::max(j0, inside.Top); j < std::min(j0 + rows, inside.Bottom); ++j) {
                const TRowRun& r = runs[static_cast<size_t>(j)];
                const int64_t first = std::max(r.First, strip), end = std::min(r.End, strip + kStripColumns);
                if (first >= end) continue;
                // Target column i is column i - target.Left of the piece.
                uint8_t* row = piece.Image->ScanLine(j - target.Top) + (first - target.Left);
                uint8_t* maskRow = piece.Mask->ScanLine(j - target.Top) + (first - target.Left);
                const bool halves = HalfIn(r.X0, cf, first, end) || HalfIn(r.Y0, sf, first, end);
                (halves ? RotateRun<RoundFixed> : RotateRun<RoundFixedNoTie>)(
                    srcTop, srcStride, maskTop, maskStride, uniform, r.X0 + first * cf, r.Y0 + first * sf, cf, sf,
                    end - first, row, maskRow);
            }
    }
    return uniform > 0 ? std::move(piece) : TrimToMask(std::move(piece));
}

}  // namespace pixmo
