#include "image/color_match.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "image/dib.h"

namespace pixmo {
namespace {

int Channel(uint32_t word, int shift) { return static_cast<int>((word >> shift) & 0xFF); }

int Distance(uint32_t a, uint32_t b) {
    const int dr = Channel(a, 16) - Channel(b, 16);
    const int dg = Channel(a, 8) - Channel(b, 8);
    const int db = Channel(a, 0) - Channel(b, 0);
    return dr * dr + dg * dg + db * db;
}

}  // namespace

int NearestTableIndex(std::span<const uint32_t> table, uint32_t word) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (size_t i = 0; i < table.size(); ++i) {
        const int d = Distance(table[i], word);
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
            if (d == 0) break;
        }
    }
    return best;
}

bool SameColorTables(const TDib& a, const TDib& b) {
    if (a.Colors() != b.Colors() || a.Colors() == 0) return false;
    const auto ta = a.UsedColorTable();
    const auto tb = b.UsedColorTable();
    return std::equal(ta.begin(), ta.end(), tb.begin());
}

std::array<uint8_t, 256> BuildIndexMap(const TDib& source, const TDib& dest) {
    std::array<uint8_t, 256> map{};
    if (SameColorTables(source, dest)) {
        for (int i = 0; i < 256; ++i) map[i] = static_cast<uint8_t>(i);
        return map;
    }
    const auto table = dest.UsedColorTable();
    for (int i = 0; i < 256; ++i)
        map[i] = static_cast<uint8_t>(NearestTableIndex(table, source.ColorTable()[i]));
    return map;
}

TColorMatcher::TColorMatcher(std::span<const uint32_t> table, int cacheBits)
    : FTable(table.begin(), table.begin() + std::min<size_t>(table.size(), 256)),
      FCells(size_t{1} << (3 * kCellBits)),
      FCellBuilt(size_t{1} << (3 * kCellBits), 0) {
    cacheBits = std::clamp(cacheBits, 4, 22);
    const size_t slots = size_t{1} << cacheBits;
    FCacheMask = static_cast<uint32_t>(slots - 1);
    FCacheKeys.reset(new uint32_t[slots]);
    FCacheValues.reset(new uint8_t[slots]);
    // 0xFFFFFFFF is no 24-bit colour, so every slot starts empty.
    std::memset(FCacheKeys.get(), 0xFF, sizeof(uint32_t) * slots);
    std::memset(FCacheValues.get(), 0, slots);
}

// The candidates of a cell: every entry whose nearest possible distance to the cell is no
// more than the smallest farthest distance of any entry. Whatever colour of the cell is
// asked, its nearest entry (and every entry tied with it) is among them.
void TColorMatcher::BuildCell(int cell) {
    constexpr int shift = 8 - kCellBits;
    constexpr int mask = (1 << kCellBits) - 1;
    const int lo[3] = {((cell >> (2 * kCellBits)) & mask) << shift, ((cell >> kCellBits) & mask) << shift,
                       (cell & mask) << shift};
    const int hi[3] = {lo[0] + (1 << shift) - 1, lo[1] + (1 << shift) - 1, lo[2] + (1 << shift) - 1};
    std::vector<int> nearest(FTable.size());
    int bound = std::numeric_limits<int>::max();
    for (size_t i = 0; i < FTable.size(); ++i) {
        const int c[3] = {Channel(FTable[i], 16), Channel(FTable[i], 8), Channel(FTable[i], 0)};
        int dmin = 0, dmax = 0;
        for (int k = 0; k < 3; ++k) {
            const int below = c[k] < lo[k] ? lo[k] - c[k] : 0;
            const int above = c[k] > hi[k] ? c[k] - hi[k] : 0;
            dmin += (below + above) * (below + above);
            const int far = std::max(std::abs(c[k] - lo[k]), std::abs(c[k] - hi[k]));
            dmax += far * far;
        }
        nearest[i] = dmin;
        bound = std::min(bound, dmax);
    }
    auto& list = FCells[cell];
    for (size_t i = 0; i < FTable.size(); ++i)
        if (nearest[i] <= bound) list.push_back(static_cast<uint8_t>(i));
    FCellBuilt[cell] = 1;
}

uint8_t TColorMatcher::Search(uint32_t word) {
    if (FTable.empty()) return 0;
    constexpr int shift = 8 - kCellBits;
    const int cell = (Channel(word, 16) >> shift) << (2 * kCellBits) | (Channel(word, 8) >> shift) << kCellBits |
                     (Channel(word, 0) >> shift);
    if (!FCellBuilt[cell]) BuildCell(cell);
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (uint8_t i : FCells[cell]) {
        const int d = Distance(FTable[i], word);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<uint8_t>(best);
}

void TColorMatcher::MatchRow(const uint8_t* bgr, uint8_t* indices, int count) {
    uint32_t last = 0xFFFFFFFFu;
    uint8_t lastIndex = 0;
    for (int x = 0; x < count; ++x, bgr += 3) {
        const uint32_t word = bgr[0] | (bgr[1] << 8) | (bgr[2] << 16);
        if (word != last) {
            last = word;
            lastIndex = Match(word);
        }
        indices[x] = lastIndex;
    }
}

}  // namespace pixmo
