#pragma once
// Colour matching between colour tables: the nearest entry by squared RGB distance, an exact
// colour always taking the lowest index that holds it.
//
// Colours here are table words (0x00RRGGBB, which is also how a 24-bit pixel's blue, green,
// red bytes read as a little-endian word).
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace pixmo {

class TDib;

// Nearest entry of `table` to `word` (lowest index on ties); 0 for an empty table.
int NearestTableIndex(std::span<const uint32_t> table, uint32_t word);

// True when both images have a colour table with the same Colors and the same entries.
bool SameColorTables(const TDib& a, const TDib& b);

// Index map from every source index (0..255) to the destination's nearest entry. A source
// index beyond the source's Colors takes the table word stored there (black).
std::array<uint8_t, 256> BuildIndexMap(const TDib& source, const TDib& dest);

// Repeated nearest-entry look-ups against one table, for whole-image conversions. Exact:
// gives the same answer as NearestTableIndex. A grid over the RGB cube keeps, per cell, the
// only entries that can be nearest inside it, and recent answers are cached.
class TColorMatcher {
public:
    // `cacheBits` sizes the cache of recent answers (2^cacheBits entries).
    explicit TColorMatcher(std::span<const uint32_t> table, int cacheBits = 18);
    TColorMatcher(const TColorMatcher&) = delete;
    TColorMatcher& operator=(const TColorMatcher&) = delete;

    uint8_t Match(uint32_t word) {
        word &= 0xFFFFFF;
        const uint32_t slot = Slot(word);
        if (FCacheKeys[slot] == word) return FCacheValues[slot];
        const uint8_t index = Search(word);
        FCacheKeys[slot] = word;
        FCacheValues[slot] = index;
        return index;
    }

    // Converts `count` blue, green, red pixels to indices.
    void MatchRow(const uint8_t* bgr, uint8_t* indices, int count);

private:
    static constexpr int kCellBits = 4;  // 16 x 16 x 16 cells
    uint32_t Slot(uint32_t word) const { return (word ^ (word >> 7) ^ (word >> 13) * 0x9E37u) & FCacheMask; }
    uint8_t Search(uint32_t word);
    void BuildCell(int cell);

    std::vector<uint32_t> FTable;
    std::vector<std::vector<uint8_t>> FCells;  // candidates, ascending index; built on demand
    std::vector<uint8_t> FCellBuilt;
    uint32_t FCacheMask;
    std::unique_ptr<uint32_t[]> FCacheKeys;
    std::unique_ptr<uint8_t[]> FCacheValues;
};

}  // namespace pixmo
