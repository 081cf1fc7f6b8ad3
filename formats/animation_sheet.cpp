#include "formats/animation_sheet.h"

#include <unordered_map>

#include "image/bitmap_header.h"
#include "image/dib.h"
#include "image/errors.h"

namespace pixmo {

namespace {
constexpr uint32_t kClear = 0;  // every transparent pixel, whatever colour it hid

size_t FramesPerRow(int width) { return static_cast<size_t>(std::max(1, kMaxDibSide / std::max(width, 1))); }
}  // namespace

size_t MaxSheetFrames(int width, int height) {
    if (width < 1 || height < 1 || width > kMaxDibSide || height > kMaxDibSide) return 0;
    return FramesPerRow(width) * static_cast<size_t>(kMaxDibSide / height);
}

std::unique_ptr<TDib> BuildAnimationSheet(int width, int height, const std::vector<TCanvasFrame>& frames) {
    if (frames.empty() || frames.size() > MaxSheetFrames(width, height)) RaiseError(CoreMessage(kMsgTooManyFrames));
    std::unordered_map<uint32_t, uint8_t> index;
    std::vector<uint32_t> colors;
    int clearEntry = -1;
    for (const TCanvasFrame& frame : frames)
        for (uint32_t argb : frame.Pixels) {
            const uint32_t key = argb >> 24 ? argb | 0xFF000000u : kClear;
            if (index.count(key)) continue;
            if (colors.size() < 256) index.emplace(key, static_cast<uint8_t>(colors.size()));
            if (key == kClear) clearEntry = static_cast<int>(colors.size());
            colors.push_back(key);
        }
    if (colors.size() > 256) RaiseError(Msg(kMsgTooManyColors, colors.size()));

    const size_t perRow = std::min(FramesPerRow(width), frames.size());
    const size_t rows = (frames.size() + perRow - 1) / perRow;
    auto sheet = TDib::Create(width * static_cast<int>(perRow), height * static_cast<int>(rows),
                              std::max<int>(2, static_cast<int>(colors.size())));
    for (size_t i = 0; i < colors.size(); ++i)
        sheet->SetColor(static_cast<int>(i), RGB(colors[i] >> 16 & 0xFF, colors[i] >> 8 & 0xFF, colors[i] & 0xFF));
    if (clearEntry >= 0) {
        std::vector<uint8_t> alphas(static_cast<size_t>(clearEntry) + 1, 255);
        alphas.back() = 0;
        sheet->SetAlphas(alphas);
    }
    TSheetFrames placed;
    for (size_t n = 0; n < frames.size(); ++n) {
        const int left = static_cast<int>(n % perRow) * width, top = static_cast<int>(n / perRow) * height;
        for (int y = 0; y < height; ++y) {
            uint8_t* row = sheet->ScanLine(top + y) + left;
            const uint32_t* src = frames[n].Pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
            for (int x = 0; x < width; ++x) row[x] = index.at(src[x] >> 24 ? src[x] | 0xFF000000u : kClear);
        }
        placed.push_back(TSheetFrame{TRect{left, top, left + width, top + height},
                                     std::clamp(frames[n].DelayMs, kMinFrameDelay, kMaxFrameDelay)});
    }
    if (placed.size() > 1) sheet->SetFrames(std::move(placed));
    return sheet;
}

}  // namespace pixmo
