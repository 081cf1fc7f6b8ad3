#include "tools/tool_options.h"

#include <algorithm>

#include "edit/edit_view.h"
#include "image/color_match.h"
#include "image/dib.h"

namespace pixmo {

TToolOptions::TToolOptions() {
    for (int i = 0; i < 256; ++i) FTransTable[static_cast<size_t>(i | i << 8)] = static_cast<uint8_t>(i);
}

// Every pair of entries is blended and matched to the nearest entry; a colour drawn over
// itself keeps its own index even where an earlier entry holds the same colour.
void TToolOptions::SetTransRate(int rate, const TDib* image, TBusyBracket* busy) {
    FTransRate = std::clamp(rate, 0, 100);
    if (!image || FTransRate == 0 || image->Colors() <= 0) return;
    if (busy) busy->BeginBusyCursor();
    const int n = image->Colors();
    const auto& table = image->ColorTable();
    TColorMatcher matcher(image->UsedColorTable(), 16);
    for (int pen = 0; pen < n; ++pen) {
        const uint32_t p = table[static_cast<size_t>(pen)];
        for (int under = 0; under < n; ++under) {
            const uint32_t u = table[static_cast<size_t>(under)];
            const int r = BlendChannel(static_cast<int>((u >> 16) & 0xFF), static_cast<int>((p >> 16) & 0xFF), FTransRate);
            const int g = BlendChannel(static_cast<int>((u >> 8) & 0xFF), static_cast<int>((p >> 8) & 0xFF), FTransRate);
            const int b = BlendChannel(static_cast<int>(u & 0xFF), static_cast<int>(p & 0xFF), FTransRate);
            const uint32_t word = static_cast<uint32_t>(r << 16 | g << 8 | b);
            FTransTable[static_cast<size_t>(pen | under << 8)] = matcher.Match(word);
        }
    }
    for (int i = 0; i < 256; ++i) FTransTable[static_cast<size_t>(i | i << 8)] = static_cast<uint8_t>(i);
    if (busy) busy->EndBusyCursor();
}

int TToolOptions::Random(int n) {
    if (n <= 0) return 0;
    // xorshift32: small, fast, and the same sequence on every platform.
    FSeed ^= FSeed << 13;
    FSeed ^= FSeed >> 17;
    FSeed ^= FSeed << 5;
    return static_cast<int>(FSeed % static_cast<uint32_t>(n));
}

}  // namespace pixmo
