// The PNG codec against libpng in the same binary: decode of a 4000x4000 8-bit palette
// image and a 2000x2000 24-bit image, and encode of the same at zlib level 1 without
// filtering and at "Normale" (libpng's default choices). Both sides read from and write to
// memory.
#include <benchmark/benchmark.h>
#include <png.h>

#include <random>
#include <vector>

#include "formats/kpngle.h"
#include "tests/support/libpng_memory.h"

namespace {

using pixmo::TByteReadStream;
using pixmo::TByteWriteStream;
using pixmo::TKPNGLE;
using pixmo::TPngImageStore;

// Drawing-like content: flat areas, gradients and some noise, so that deflate does real work.
std::unique_ptr<TKPNGLE> MakeImage(int width, int height, int bits) {
    auto png = std::make_unique<TKPNGLE>();
    TPngImageStore& store = png->NewBitmap(width, height, bits);
    std::mt19937 rng(42);
    for (int i = 0; i < 256; ++i) store.Palette.push_back(static_cast<uint32_t>(rng()) & 0xFFFFFF);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = store.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            const int band = ((x / 64) + (y / 48)) % 5;
            const int noise = static_cast<int>(rng() % 8);
            const int v = band == 0 ? 17 : band == 1 ? (x + y) / 8 : band == 2 ? x ^ y : band == 3 ? 200 + noise : noise * 30;
            if (bits == 8) {
                row[x] = static_cast<uint8_t>(v);
            } else {
                row[3 * x] = static_cast<uint8_t>(v);
                row[3 * x + 1] = static_cast<uint8_t>(v + y / 16);
                row[3 * x + 2] = static_cast<uint8_t>(v * 3 + x / 32);
            }
        }
    }
    return png;
}

void WriteToVector(png_structp png, png_bytep data, png_size_t count) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + count);
}
void NoFlush(png_structp) {}

// libpng encode of the store's rows; `fast` is level 1 without filtering, else libpng's defaults.
std::vector<uint8_t> LibpngEncode(const TPngImageStore& store, bool fast) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) std::abort();
    png_set_write_fn(png, &out, WriteToVector, NoFlush);
    const bool indexed = store.BitCount() == 8;
    png_set_IHDR(png, info, store.Width(), store.Height(), 8, indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    if (indexed) {
        for (uint32_t w : store.Palette)
            palette.push_back(png_color{static_cast<png_byte>(w >> 16), static_cast<png_byte>(w >> 8), static_cast<png_byte>(w)});
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    }
    if (fast) {
        png_set_compression_level(png, 1);
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    }
    png_write_info(png, info);
    if (!indexed) png_set_bgr(png);  // the store keeps blue, green, red, as ours does
    for (int y = 0; y < store.Height(); ++y) png_write_row(png, store.ScanLine(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

// libpng decode into a whole image of rows (blue, green, red for truecolour, as ours).
void LibpngDecode(const std::vector<uint8_t>& file, std::vector<uint8_t>& pixels) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) std::abort();
    pixmo::test::TPngMemorySource source{&file, 0};
    png_set_read_fn(png, &source, pixmo::test::ReadPngFromMemory);
    png_read_info(png, info);
    if (png_get_color_type(png, info) == PNG_COLOR_TYPE_RGB) png_set_bgr(png);
    png_read_update_info(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    const int height = static_cast<int>(png_get_image_height(png, info));
    pixels.resize(rowBytes * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) png_read_row(png, pixels.data() + rowBytes * y, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
}

struct TCase {
    std::unique_ptr<TKPNGLE> Image;
    std::vector<uint8_t> File;  // libpng's default encoding: filters and level 6
};

const TCase& Case(int bits) {
    static TCase palette = [] {
        TCase c{MakeImage(4000, 4000, 8), {}};
        c.File = LibpngEncode(*c.Image->Bitmap(), false);
        return c;
    }();
    static TCase truecolour = [] {
        TCase c{MakeImage(2000, 2000, 24), {}};
        c.File = LibpngEncode(*c.Image->Bitmap(), false);
        return c;
    }();
    return bits == 8 ? palette : truecolour;
}

void BM_DecodeOurs(benchmark::State& state) {
    const TCase& c = Case(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TKPNGLE png;
        TByteReadStream stream(c.File);
        png.LoadPng(stream);
        benchmark::DoNotOptimize(png.Bitmap()->Bits().data());
    }
}

void BM_DecodeLibpng(benchmark::State& state) {
    const TCase& c = Case(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<uint8_t> pixels;  // a new image each time, as ours makes one
        LibpngDecode(c.File, pixels);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void BM_EncodeOurs(benchmark::State& state) {
    const TCase& c = Case(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        c.Image->Compression = 1;
        TByteWriteStream stream;
        c.Image->SavePng(stream);
        benchmark::DoNotOptimize(stream.Bytes().data());
    }
}

void BM_EncodeLibpng(benchmark::State& state) {
    const TCase& c = Case(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto out = LibpngEncode(*c.Image->Bitmap(), true);
        benchmark::DoNotOptimize(out.data());
    }
}

// "Normale" against libpng's default choices, which it makes too.
void BM_EncodeNormalOurs(benchmark::State& state) {
    const TCase& c = Case(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        c.Image->Level = pixmo::TPngLevel::Normal;
        TByteWriteStream stream;
        c.Image->SavePng(stream);
        c.Image->Level = pixmo::TPngLevel::Fast;
        benchmark::DoNotOptimize(stream.Bytes().data());
    }
}

void BM_EncodeDefaultLibpng(benchmark::State& state) {
    const TCase& c = Case(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto out = LibpngEncode(*c.Image->Bitmap(), false);
        benchmark::DoNotOptimize(out.data());
    }
}

// Argument: 8 for the 4000x4000 palette image, 24 for the 2000x2000 truecolour image.
BENCHMARK(BM_DecodeOurs)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeLibpng)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeOurs)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeLibpng)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeNormalOurs)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeDefaultLibpng)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);

}  // namespace
