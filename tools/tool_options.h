#pragma once
// The process-wide options the mouse tools read that are not settings keys of their own:
// the transparency rate with its blending table, the modifier roles of the shape tools and
// the spray's random numbers. The option window changes them; the tools only read.
#include <array>
#include <cstdint>
#include <optional>

#include "settings/main_keys.h"

namespace pixmo {

class TDib;
class TBusyBracket;

// Blend of one colour channel at rate (percent): the weight of `under`.
constexpr int BlendChannel(int under, int pen, int rate) { return (under * rate + pen * (100 - rate)) / 100; }

class TToolOptions {
public:
    TToolOptions();

    // 0..100, the weight of the colour under the pen; 0 draws opaque.
    int TransRate() const { return FTransRate; }
    // Entry pen + 256 * under: the index that stands for pen drawn over under.
    uint8_t Trans(int pen, int under) const { return FTransTable[static_cast<size_t>((pen & 0xFF) | (under & 0xFF) << 8)]; }
    const std::array<uint8_t, 65536>& TransTable() const { return FTransTable; }
    // Stores the rate (clamped to 0..100) and rebuilds the table for image's colour table
    // (nothing is built without an image or at rate 0). busy (may be null) shows the
    // hourglass meanwhile.
    void SetTransRate(int rate, const TDib* image, TBusyBracket* busy = nullptr);

    // Roles of the modifier keys ("ShiftState").
    TShiftStateSettings Shift;

    // The mirror axes set at the pointer, as pixel sums (TMirrorAxes); none, or one beyond
    // the image: the image's centre.
    std::optional<int> MirrorSumX, MirrorSumY;

    // Random(n): 0..n-1, and 0 for n <= 0. Seeded so that tests can repeat a spray.
    int Random(int n);
    void Randomize(uint32_t seed) { FSeed = seed; }

private:
    int FTransRate = 0;
    std::array<uint8_t, 65536> FTransTable{};
    uint32_t FSeed = 0x2545F491u;
};

}  // namespace pixmo
