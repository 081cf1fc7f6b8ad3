#include "image/palette_reduce.h"

#include <algorithm>
#include <cstring>

namespace pixmo {

namespace {

// 4096 slots for at most 257 colours: few collisions, and 32 KB stays near the processor.
constexpr uint32_t kSlots = 4096;

uint32_t Hash(uint32_t key) { return (key * 0x9E3779B1u) >> 20; }

// How each row layout reads: the pixel as a little-endian word with its alpha in the top
// byte, and a word's colour as a table word.
struct TRgba {
    static constexpr int Bytes = 4;
    static uint32_t Load(const uint8_t* p) {
        uint32_t w;
        std::memcpy(&w, p, 4);
        return w;
    }
    static uint32_t Rgb(uint32_t w) { return (w & 0xFF) << 16 | (w & 0xFF00) | (w >> 16 & 0xFF); }
};
struct TBgra {
    static constexpr int Bytes = 4;
    static uint32_t Load(const uint8_t* p) { return TRgba::Load(p); }
    static uint32_t Rgb(uint32_t w) { return w & 0xFFFFFF; }
};
struct TBgr {
    static constexpr int Bytes = 3;
    static uint32_t Load(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | 0xFF000000u; }
    static uint32_t Rgb(uint32_t w) { return w & 0xFFFFFF; }
};

// Every fully transparent pixel is one colour, whatever its red, green and blue.
uint32_t KeyOf(uint32_t word) { return word < 0x01000000u ? 0 : word; }

}  // namespace

TPaletteReducer::TPaletteReducer(int width, int height)
    : FWidth(width), FImage(TDib::Create(width, height, 256)), FSlots(kSlots, TSlot{0, -1}) {}

uint8_t TPaletteReducer::Insert(uint32_t key, uint32_t rgb) {
    uint32_t slot = Hash(key);
    while (FSlots[slot].Index >= 0) {
        if (FSlots[slot].Key == key) return static_cast<uint8_t>(FSlots[slot].Index);
        slot = (slot + 1) & (kSlots - 1);
    }
    if (FTable.size() == 256) {
        FOverflow = true;
        return 0;
    }
    FSlots[slot] = TSlot{key, static_cast<int32_t>(FTable.size())};
    FTable.push_back(rgb);
    FAlphas.push_back(static_cast<uint8_t>(key >> 24));
    return static_cast<uint8_t>(FTable.size() - 1);
}

template <class F>
bool TPaletteReducer::AddRow(int y, const uint8_t* pixels) {
    if (FOverflow) return false;
    uint8_t* row = FImage->ScanLine(y);
    // Locals, not members: the byte stores below may alias anything the compiler cannot
    // see, and it would reload every member after each of them.
    const TSlot* slots = FSlots.data();
    const int width = FWidth;
    // Runs of one colour are the rule in pixel art: the last answer is kept.
    uint32_t lastWord = ~F::Load(pixels);
    uint8_t lastIndex = 0;
    for (int x = 0; x < width; ++x, pixels += F::Bytes) {
        const uint32_t word = F::Load(pixels);
        if (word != lastWord) {
            lastWord = word;
            const uint32_t key = KeyOf(word);
            const TSlot slot = slots[Hash(key)];
            if (slot.Key == key && slot.Index >= 0) [[likely]] {
                lastIndex = static_cast<uint8_t>(slot.Index);
            } else {
                lastIndex = Insert(key, F::Rgb(word));
                if (FOverflow) return false;
            }
        }
        row[x] = lastIndex;
    }
    return true;
}

bool TPaletteReducer::AddRowRgba(int y, const uint8_t* rgba) { return AddRow<TRgba>(y, rgba); }
bool TPaletteReducer::AddRowBgra(int y, const uint8_t* bgra) { return AddRow<TBgra>(y, bgra); }
bool TPaletteReducer::AddRowBgr(int y, const uint8_t* bgr) { return AddRow<TBgr>(y, bgr); }

std::unique_ptr<TDib> TPaletteReducer::Finish() {
    if (FOverflow || FTable.empty()) return nullptr;
    std::unique_ptr<TDib> image = std::move(FImage);
    image->SetColorCount(static_cast<int>(FTable.size()));
    for (size_t i = 0; i < FTable.size(); ++i) image->SetColor(static_cast<int>(i), TableWordToColorRef(FTable[i]));
    if (std::any_of(FAlphas.begin(), FAlphas.end(), [](uint8_t a) { return a != 255; })) image->SetAlphas(FAlphas);
    return image;
}

std::unique_ptr<TDib> ReduceTrueColor(const TDib& image, std::span<const uint8_t> alpha) {
    if (!image.IsTrueColor()) return nullptr;
    const size_t width = static_cast<size_t>(image.Width());
    const bool withAlpha = alpha.size() == width * static_cast<size_t>(image.Height());
    TPaletteReducer reducer(image.Width(), image.Height());
    std::vector<uint8_t> bgra(withAlpha ? 4 * width : 0);
    for (int y = 0; y < image.Height(); ++y) {
        const uint8_t* row = image.ScanLine(y);
        if (!withAlpha) {
            if (!reducer.AddRowBgr(y, row)) return nullptr;
            continue;
        }
        const uint8_t* a = alpha.data() + static_cast<size_t>(y) * width;
        for (size_t x = 0; x < width; ++x) {
            std::memcpy(&bgra[4 * x], row + 3 * x, 3);
            bgra[4 * x + 3] = a[x];
        }
        if (!reducer.AddRowBgra(y, bgra.data())) return nullptr;
    }
    return reducer.Finish();
}

std::unique_ptr<TDib> PaletteIfFew(std::unique_ptr<TDib> image, std::span<const uint8_t> alpha) {
    if (!image || !image->IsTrueColor()) return image;
    if (auto reduced = ReduceTrueColor(*image, alpha)) return reduced;
    return image;
}

}  // namespace pixmo
