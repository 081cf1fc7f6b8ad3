// Clipboard exchange: images as format 8 (a packed DIB), masks as format 130 (a packed
// 1-bit DIB with a black and white table), so that a mask travelling beside an image is
// not taken for one by other programs.
#include <array>

#include "image/clipboard.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/packed_dib.h"

namespace pixmo {
namespace {

std::vector<uint8_t> BlockOrAbort(TClipboard& clipboard, int format) {
    if (!clipboard.HasFormat(format)) throw EAbort();
    std::optional<std::vector<uint8_t>> block = clipboard.GetData(format);
    if (!block) throw EAbort();
    return std::move(*block);
}

}  // namespace

std::unique_ptr<TDib> TDib::CreateFromClipboard(TClipboard& clipboard) {
    const std::vector<uint8_t> block = BlockOrAbort(clipboard, CF_DIB);
    return CreateFromPacked(block);
}

std::unique_ptr<TDib> TDib::CreateFromClipboardOnPalette(TClipboard& clipboard, const TDib& paletteImage) {
    auto pasted = CreateFromClipboard(clipboard);
    return CreateOnPalette(*pasted, paletteImage);
}

void TDib::CopyToClipboard(TClipboard& clipboard) const { clipboard.SetData(CF_DIB, CreatePacked()); }

std::vector<uint8_t> BuildMaskBlock(const TMaskDib& mask) {
    // Always black and white, whatever table the mask carries: readers go by colour.
    TBitmapInfoHeader header = mask.InfoHeader();
    header.BitCount = 1;
    header.ClrUsed = 2;
    header.SizeImage = static_cast<uint32_t>(RowBytes(1, mask.Width()) * mask.Height());
    std::vector<uint8_t> block(kInfoHeaderSize + 8 + header.SizeImage);
    WriteInfoHeader(block.data(), header);
    for (int i = 0; i < 3; ++i) block[kInfoHeaderSize + 4 + i] = 0xFF;
    // Inside is any non-zero pixel, whatever the mask's own depth.
    uint8_t* bits = block.data() + kInfoHeaderSize + 8;
    const size_t line = static_cast<size_t>(RowBytes(1, mask.Width()));
    const int bpp = mask.PixelBytes();
    for (int y = 0; y < mask.Height(); ++y) {
        const uint8_t* src = mask.ScanLine(y);
        uint8_t* dst = bits + static_cast<size_t>(mask.Height() - 1 - y) * line;
        for (int x = 0; x < mask.Width(); ++x) {
            bool inside = false;
            for (int b = 0; b < bpp; ++b) inside = inside || src[bpp * x + b] != 0;
            if (inside) dst[x >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
        }
    }
    return block;
}

std::unique_ptr<TMaskDib> CreateMaskFromBlock(std::span<const uint8_t> block) {
    auto image = CreateFromPackedAs<TDib>(block);
    auto mask = TMaskDib::Create(image->Width(), image->Height());
    const int width = image->Width();
    if (image->IsTrueColor()) {
        for (int y = 0; y < image->Height(); ++y) {
            const uint8_t* src = image->ScanLine(y);
            uint8_t* dst = mask->ScanLine(y);
            for (int x = 0; x < width; ++x)
                dst[x] = src[3 * x] == 0xFF && src[3 * x + 1] == 0xFF && src[3 * x + 2] == 0xFF ? 1 : 0;
        }
        return mask;
    }
    // Entries past the table are black.
    std::array<uint8_t, 256> white{};
    for (int i = 0; i < image->Colors(); ++i) white[i] = image->ColorTable()[i] == 0xFFFFFF ? 1 : 0;
    for (int y = 0; y < image->Height(); ++y) {
        const uint8_t* src = image->ScanLine(y);
        uint8_t* dst = mask->ScanLine(y);
        for (int x = 0; x < width; ++x) dst[x] = white[src[x]];
    }
    return mask;
}

std::unique_ptr<TMaskDib> TMaskDib::CreateFromClipboard(TClipboard& clipboard) {
    const std::vector<uint8_t> block = BlockOrAbort(clipboard, CF_DSPBITMAP);
    return CreateMaskFromBlock(block);
}

void TMaskDib::CopyToClipboard(TClipboard& clipboard) const { clipboard.SetData(CF_DSPBITMAP, BuildMaskBlock(*this)); }

}  // namespace pixmo
