#include "palette/palette_ops.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#if defined(__x86_64__)
#include <immintrin.h>
#endif
#include <unordered_map>

#include "image/color_match.h"
#include "image/dib.h"
#include "image/int_math.h"

namespace pixmo {

int MarkDuplicates(const TDib& image, TEntryMarks& marks) {
    const int n = image.Colors();
    std::unordered_map<uint32_t, int> first;  // entry word -> the first index holding it
    int count = 0;
    for (int i = 0; i < 256; ++i) marks[static_cast<size_t>(i)] &= static_cast<uint8_t>(~kMarkDuplicate);
    for (int i = 0; i < n; ++i) {
        const uint32_t word = image.ColorTable()[static_cast<size_t>(i)];
        auto [it, fresh] = first.emplace(word, i);
        if (fresh) continue;
        for (int j : {it->second, i}) {
            uint8_t& m = marks[static_cast<size_t>(j)];
            if (!(m & kMarkDuplicate)) ++count;
            m |= kMarkDuplicate;
        }
    }
    return count;
}

namespace {

using TSeen = std::array<uint8_t, 256>;

bool AllSeen(const TSeen& seen, int n) {
    for (int i = 0; i < n; ++i)
        if (!seen[static_cast<size_t>(i)]) return false;
    return true;
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define PIXMO_AVX2_SCAN 1
// The marks as 256 bits: values 0..127 in `low`, 128..255 in `high`, each in both halves.
__attribute__((target("avx2"))) void PackSeen(const TSeen& seen, __m256i& low, __m256i& high) {
    alignas(16) uint8_t bits[32] = {};
    for (int i = 0; i < 256; ++i)
        if (seen[static_cast<size_t>(i)]) bits[i >> 3] = static_cast<uint8_t>(bits[i >> 3] | (1 << (i & 7)));
    low = _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(bits)));
    high = _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(bits + 16)));
}

// Vectors of 32 pixels whose values are all marked already cost a few vector instructions;
// only a vector with a new value is marked byte by byte.
__attribute__((target("avx2"))) void MarkRowsAvx2(const TDib& image, TSeen& seen) {
    const int w = image.Width(), n = image.Colors();
    const __m256i bitOf = _mm256_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8,
                                           16, 32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128);
    const __m256i seven = _mm256_set1_epi8(7), fifteen = _mm256_set1_epi8(15);
    __m256i low, high;
    PackSeen(seen, low, high);
    for (int y = 0; y < image.Height(); ++y) {
        const uint8_t* row = image.ScanLine(y);
        int x = 0;
        for (; x + 32 <= w; x += 32) {
            const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + x));
            const __m256i group = _mm256_and_si256(_mm256_srli_epi16(v, 3), fifteen);  // value bits 3..6
            const __m256i bits = _mm256_blendv_epi8(_mm256_shuffle_epi8(low, group), _mm256_shuffle_epi8(high, group), v);
            const __m256i missing = _mm256_andnot_si256(bits, _mm256_shuffle_epi8(bitOf, _mm256_and_si256(v, seven)));
            if (_mm256_testz_si256(missing, missing)) continue;
            for (int k = 0; k < 32; ++k) seen[row[x + k]] = 1;
            PackSeen(seen, low, high);
        }
        for (; x < w; ++x) seen[row[x]] = 1;
        if (Mod(y, 64) == 63 && AllSeen(seen, n)) return;
    }
}
#endif

// Presence, not counts: one store per pixel and no counter to wait on.
void MarkRows(const TDib& image, TSeen& seen) {
    const int w = image.Width(), n = image.Colors();
    for (int y = 0; y < image.Height(); ++y) {
        const uint8_t* row = image.ScanLine(y);
        for (int x = 0; x < w; ++x) seen[row[x]] = 1;
        if (Mod(y, 64) == 63 && AllSeen(seen, n)) return;
    }
}

}  // namespace

// Once every entry has turned up, the rest of the image cannot change the answer.
int MarkUsed(const TDib& image, TEntryMarks& marks) {
    for (uint8_t& m : marks) m &= static_cast<uint8_t>(~kMarkUsed);
    if (image.IsTrueColor()) return 0;
    TSeen seen{};
#ifdef PIXMO_AVX2_SCAN
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2)
        MarkRowsAvx2(image, seen);
    else
#endif
        MarkRows(image, seen);
    int used = 0;
    for (int i = 0; i < image.Colors(); ++i) {
        if (!seen[static_cast<size_t>(i)]) continue;
        marks[static_cast<size_t>(i)] |= kMarkUsed;
        ++used;
    }
    return used;
}

bool Gradient(TDib& image, int a, int b) {
    const int lo = std::min(a, b), hi = std::max(a, b);
    if (lo == hi || lo < 0 || hi >= image.Colors()) return false;
    const TColorRef from = image.GetColor(lo), to = image.GetColor(hi);
    double r = GetRValue(from), g = GetGValue(from), bl = GetBValue(from);
    const double steps = hi - lo;
    const double dr = (GetRValue(to) - r) / steps, dg = (GetGValue(to) - g) / steps, db = (GetBValue(to) - bl) / steps;
    for (int i = lo; i <= hi; ++i) {
        image.SetColor(i, RGB(static_cast<int>(std::trunc(r)), static_cast<int>(std::trunc(g)),
                              static_cast<int>(std::trunc(bl))));
        r += dr;
        g += dg;
        bl += db;
    }
    return true;
}

void TransformPalette(TDib& image, TPaletteTransform transform) {
    for (int i = 0; i < image.Colors(); ++i) {
        const TColorRef c = image.GetColor(i);
        const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
        TColorRef result = c;
        switch (transform) {
            case TPaletteTransform::Invert: result = RGB(255 - r, 255 - g, 255 - b); break;
            case TPaletteTransform::SwapRedGreen: result = RGB(g, r, b); break;
            case TPaletteTransform::SwapGreenBlue: result = RGB(r, b, g); break;
            case TPaletteTransform::SwapBlueRed: result = RGB(b, g, r); break;
        }
        image.SetColor(i, result);
    }
}

std::unique_ptr<TDib> CreateWithColorCount(const TDib& image, int count) {
    count = std::clamp(count, 2, 256);
    auto result = TDib::Create(image.Width(), image.Height(), count);
    for (int i = 0; i < count; ++i) result->SetColor(i, i < image.Colors() ? image.GetColor(i) : RGB(0, 0, 0));
    if (image.IsTrueColor()) {
        result->CopyFrom(image);
        return result;
    }
    // Indices the smaller table keeps stay; the others go to the nearest kept colour.
    std::array<uint8_t, 256> map{};
    TColorMatcher matcher(result->UsedColorTable(), 8);
    for (int i = 0; i < 256; ++i)
        map[static_cast<size_t>(i)] = i < count ? static_cast<uint8_t>(i) : matcher.Match(image.ColorTable()[static_cast<size_t>(i)]);
    for (int y = 0; y < image.Height(); ++y) {
        const uint8_t* from = image.ScanLine(y);
        uint8_t* to = result->ScanLine(y);
        for (int x = 0; x < image.Width(); ++x) to[x] = map[from[x]];
    }
    return result;
}

TMessage FindColorMessage(const TDib& image, TColorRef color) {
    std::string list;
    bool cut = false;
    for (int i = 0; i < image.Colors(); ++i) {
        if (image.GetColor(i) != color) continue;
        if (list.size() > 9) {
            list += "...";
            cut = true;
            break;
        }
        list += std::to_string(i) + ",";
    }
    if (list.empty()) return Msg(PIXMO_MSG("pixmo::Core", "ありません"));
    if (!cut) list.pop_back();
    return Msg(PIXMO_MSG("pixmo::Core", "%1 番の色がそうです"), list);
}

}  // namespace pixmo
