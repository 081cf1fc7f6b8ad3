#pragma once
// A true-colour picture with at most 256 distinct colours as an 8-bit palette image: the
// table holds exactly its colours in order of first appearance (top row first), and every
// fully transparent pixel shares one entry whose alpha is 0. Colours are found with a small
// hash table, so a picture costs about one look-up per pixel (less on runs).
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "image/dib.h"

namespace pixmo {

class TPaletteReducer {
public:
    TPaletteReducer(int width, int height);

    // Row y (0 = top) as red, green, blue, alpha bytes. False once the picture has more
    // than 256 colours; later rows are ignored.
    bool AddRowRgba(int y, const uint8_t* rgba);
    // Row y as blue, green, red bytes (a 24-bit DIB row), all opaque.
    bool AddRowBgr(int y, const uint8_t* bgr);
    // Row y as blue, green, red, alpha bytes (a 32-bit DIB row).
    bool AddRowBgra(int y, const uint8_t* bgra);
    bool Overflowed() const { return FOverflow; }

    // The palette image, or null when the picture has more than 256 colours.
    std::unique_ptr<TDib> Finish();

private:
    struct TSlot {
        uint32_t Key;   // the pixel's word, alpha on top; every alpha-0 colour is 0
        int32_t Index;  // -1 empty
    };
    uint8_t Insert(uint32_t key, uint32_t rgb);
    template <class F>
    bool AddRow(int y, const uint8_t* pixels);

    int FWidth;
    std::unique_ptr<TDib> FImage;
    std::vector<TSlot> FSlots;
    std::vector<uint32_t> FTable;  // table words
    std::vector<uint8_t> FAlphas;
    bool FOverflow = false;
};

// A true-colour image with at most 256 colours as a palette image; `alpha` (one byte a
// pixel, top row first, or empty for opaque) counts in the colours. Null when the image
// has a palette already or more than 256 colours.
std::unique_ptr<TDib> ReduceTrueColor(const TDib& image, std::span<const uint8_t> alpha = {});

// The image as the editor opens it: the palette image when it can be one, else itself.
std::unique_ptr<TDib> PaletteIfFew(std::unique_ptr<TDib> image, std::span<const uint8_t> alpha = {});

}  // namespace pixmo
