// BMP files, packed DIBs and format-130 mask blocks from untrusted bytes: each either
// builds an image or raises EPixmoError; what builds must pack again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "image/dib.h"
#include "image/errors.h"
#include "image/packed_dib.h"

namespace {
template <class F>
void Try(F&& f) {
    try {
        f();
    } catch (const pixmo::EPixmoError&) {
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    Try([&] {
        auto image = pixmo::CreateFromBmpBytes<pixmo::TDib>(bytes, "fuzz.bmp");
        const auto file = pixmo::BuildBmpFile(*image);
        pixmo::CreateFromBmpBytes<pixmo::TDib>(file, "again.bmp");
    });
    Try([&] { pixmo::CreateFromBmpBytes<pixmo::TTrueDib>(bytes, "fuzz.bmp"); });
    Try([&] {
        auto image = pixmo::TDib::CreateFromPacked(bytes);
        image->CreatePacked();
    });
    Try([&] {
        auto mask = pixmo::CreateMaskFromBlock(bytes);
        pixmo::BuildMaskBlock(*mask);
    });
    return 0;
}
