#include "formats/kpngle.h"

#include <algorithm>
#include <cstring>

#include "image/dib.h"

namespace pixmo {

TPngImageStore& TKPNGLE::NewBitmap(int width, int height, int bitCount) {
    FBitmap = TPngImageStore::Create(width, height, bitCount);
    return *FBitmap;
}

void TKPNGLE::CopyFrom(const TKPNGLE* source) {
    if (!source) {
        FBitmap.reset();
        return;
    }
    if (source == this || !source->FBitmap) return;
    CopyFrom(*source->FBitmap);
}

void TKPNGLE::CopyFrom(const TPngImageStore& source) {
    auto copy = TPngImageStore::Create(source.Width(), source.Height(), source.BitCount());
    std::memcpy(copy->BitsData(), source.Bits().data(), source.Bits().size());
    copy->Palette = source.Palette;
    copy->PaletteAlphas = source.PaletteAlphas;
    FBitmap = std::move(copy);
}

void TKPNGLE::CopyFrom(const TDib& source) {
    const int depth = source.BitCount() == 1 || source.BitCount() == 4 || source.BitCount() == 8 ? source.BitCount() : 24;
    auto store = TPngImageStore::Create(source.Width(), source.Height(), depth);
    const auto table = source.UsedColorTable();
    store->Palette.assign(table.begin(), table.begin() + std::min<size_t>(table.size(), 256));
    if (depth <= 8) store->PaletteAlphas = source.Alphas();
    const int w = source.Width();
    for (int y = 0; y < source.Height(); ++y) {
        const uint8_t* src = source.ScanLine(y);
        uint8_t* dst = store->ScanLine(y);
        if (source.IsTrueColor()) {
            if (depth == 24) {
                std::memcpy(dst, src, static_cast<size_t>(w) * 3);
                continue;
            }
            RaiseError(Msg(PIXMO_MSG("pixmo::Core", "An illegal bit count:%1"), depth));
        }
        switch (depth) {
            case 8:
                std::memcpy(dst, src, static_cast<size_t>(w));
                break;
            case 4:
                for (int x = 0; x < w; ++x)
                    dst[x >> 1] |= static_cast<uint8_t>((src[x] & 0x0F) << ((x & 1) ? 0 : 4));
                break;
            case 1:
                for (int x = 0; x < w; ++x)
                    if (src[x] & 1) dst[x >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
                break;
            default: {  // an indexed image kept at 24 bits: its pixels through the colours
                for (int x = 0; x < w; ++x) {
                    const uint32_t word = source.ColorTable()[src[x]];
                    dst[3 * x] = static_cast<uint8_t>(word);
                    dst[3 * x + 1] = static_cast<uint8_t>(word >> 8);
                    dst[3 * x + 2] = static_cast<uint8_t>(word >> 16);
                }
            }
        }
    }
    FBitmap = std::move(store);
}

std::unique_ptr<TDib> NewDibFor(int width, int height, int bitCount, std::span<const uint32_t> palette) {
    TBitmapInfoHeader header;
    header.Width = width;
    header.Height = height;
    header.BitCount = static_cast<uint16_t>(bitCount);
    header.SizeImage = static_cast<uint32_t>(RowBytes(bitCount, width) * height);
    std::vector<uint32_t> table;
    if (bitCount <= 8) {
        // An index the palette does not reach shows black, as a short DIB colour table does.
        table.assign(palette.begin(), palette.end());
        if (table.empty()) table.assign(size_t{1} << bitCount, 0);
        header.ClrUsed = static_cast<uint32_t>(table.size());
    }
    return TDib::CreateFromInfo(header, table, nullptr, 0);
}

std::unique_ptr<TDib> TKPNGLE::CreateDib() const {
    if (!FBitmap) RaiseError(Msg(PIXMO_MSG("pixmo::Core", "No image")));
    const TPngImageStore& store = *FBitmap;
    auto dib = NewDibFor(store.Width(), store.Height(), store.BitCount(), store.Palette);
    dib->StoreRows(0, store.Height(), store.BitCount(), {}, store.Bits().data());
    return dib;
}

void TKPNGLE::SetWidth(int width) {
    if (FBitmap) FBitmap->Resize(width, FBitmap->Height());
}

void TKPNGLE::SetHeight(int height) {
    if (FBitmap) FBitmap->Resize(FBitmap->Width(), height);
}

void TKPNGLE::SetPalette(const std::vector<uint32_t>& palette) {
    if (!FBitmap) return;
    FBitmap->Palette.assign(palette.begin(), palette.begin() + std::min<size_t>(palette.size(), 256));
}

}  // namespace pixmo
