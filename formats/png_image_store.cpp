#include "formats/png_image_store.h"

#include <algorithm>
#include <cstring>

#include "image/bitmap_header.h"
#include "image/errors.h"

namespace pixmo {

namespace {
void CheckSize(int width, int height) {
    if (width > kMaxDibSide || height > kMaxDibSide)
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "L'immagine è troppo grande")));
    if (width <= 0 || height <= 0) RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Dimensioni non valide: %1 x %2"), width, height));
}
}  // namespace

std::unique_ptr<TPngImageStore> TPngImageStore::Create(int width, int height, int bitCount) {
    CheckSize(width, height);
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24)
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "An illegal bit count:%1"), bitCount));
    std::unique_ptr<TPngImageStore> store(new TPngImageStore);
    store->FWidth = width;
    store->FHeight = height;
    store->FBitCount = bitCount;
    store->FLineBytes = static_cast<int>(RowBytes(bitCount, width));
    store->FBits.assign(static_cast<size_t>(store->FLineBytes) * static_cast<size_t>(height), 0);
    return store;
}

void TPngImageStore::Resize(int width, int height) {
    CheckSize(width, height);
    const int lineBytes = static_cast<int>(RowBytes(FBitCount, width));
    std::vector<uint8_t> bits(static_cast<size_t>(lineBytes) * static_cast<size_t>(height), 0);
    const int keepWidth = std::min(width, FWidth);
    const int64_t keepBits = static_cast<int64_t>(keepWidth) * FBitCount;
    const size_t wholeBytes = static_cast<size_t>(keepBits / 8);
    const int restBits = static_cast<int>(keepBits % 8);
    for (int y = 0; y < std::min(height, FHeight); ++y) {
        const uint8_t* src = ScanLine(y);
        uint8_t* dst = bits.data() + static_cast<size_t>(height - 1 - y) * lineBytes;
        std::memcpy(dst, src, wholeBytes);
        if (restBits) dst[wholeBytes] = static_cast<uint8_t>(src[wholeBytes] & (0xFF00 >> restBits));
    }
    FBits = std::move(bits);
    FWidth = width;
    FHeight = height;
    FLineBytes = lineBytes;
}

}  // namespace pixmo
