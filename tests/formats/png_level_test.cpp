// The PNG compression levels: Fast is the older output byte for byte, and every level writes
// the same palette, indices and chunks, as libpng reads them; Normal filters as libpng does.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cmath>
#include <cstring>
#include <random>

#include "formats/install_formats.h"
#include "formats/png_deflate.h"
#include "formats/png_filters.h"
#include "formats/png_test_files.h"
#include "image/dib.h"
#include "image/file_format.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::TBytes;

// The file's chunks as (type, data).
std::vector<std::pair<std::string, TBytes>> ChunksOf(const TBytes& file) {
    std::vector<std::pair<std::string, TBytes>> chunks;
    for (size_t at = 8; at + 12 <= file.size();) {
        const size_t n = size_t{file[at]} << 24 | size_t{file[at + 1]} << 16 | size_t{file[at + 2]} << 8 | file[at + 3];
        chunks.emplace_back(std::string(file.begin() + at + 4, file.begin() + at + 8),
                            TBytes(file.begin() + at + 8, file.begin() + at + 8 + n));
        at += 12 + n;
    }
    return chunks;
}

TBytes Inflated(const TBytes& file) {
    TBytes z;
    for (const auto& [type, data] : ChunksOf(file))
        if (type == "IDAT") z.insert(z.end(), data.begin(), data.end());
    TBytes raw(1 << 22);
    uLongf size = raw.size();
    EXPECT_EQ(uncompress(raw.data(), &size, z.data(), z.size()), Z_OK);
    raw.resize(size);
    return raw;
}

// Each row's filter type.
std::vector<int> FilterTypes(const TBytes& file, int height) {
    const TBytes raw = Inflated(file);
    std::vector<int> types;
    for (int y = 0; y < height; ++y) types.push_back(raw[raw.size() / height * y]);
    return types;
}

TBytes Saved(const TDib& image, TPngLevel level, const std::string& dir) {
    TSaveOptions options;
    options.Png = level;
    image.SaveToFile(dir + "/level.png", options);
    return test::ReadFileBytes(dir + "/level.png");
}

// Rows as PNG stores them: indices packed at the image's depth, or red, green, blue.
TBytes PngRows(const TDib& image) {
    TBytes rows;
    const int bits = image.IsTrueColor() ? 24 : image.BitCount();
    for (int y = 0; y < image.Height(); ++y) {
        rows.push_back(0);
        if (bits == 24) {
            for (int x = 0; x < image.Width(); ++x) {
                const uint8_t* p = image.ScanLine(y) + 3 * x;
                rows.insert(rows.end(), {p[2], p[1], p[0]});
            }
            continue;
        }
        const size_t first = rows.size();
        rows.resize(first + (image.Width() * bits + 7) / 8, 0);
        for (int x = 0; x < image.Width(); ++x)
            rows[first + x * bits / 8] |= static_cast<uint8_t>(image.Pixel(x, y) << (8 - bits - x * bits % 8));
    }
    return rows;
}

// What the writer made before it had levels: rows unfiltered at zlib level 1, in IDAT
// chunks of 32,768 bytes but the last.
TBytes OlderFile(const TDib& image) {
    const bool truecolour = image.IsTrueColor();
    std::vector<TBytes> chunks = {test::PngChunk("IHDR", test::IhdrData(image.Width(), image.Height(),
                                                                        truecolour ? 8 : image.BitCount(), truecolour ? 2 : 3))};
    TBytes plte;
    for (int i = 0; i < image.Colors(); ++i) {
        const TColorRef c = image.GetColor(i);
        plte.insert(plte.end(), {uint8_t(GetRValue(c)), uint8_t(GetGValue(c)), uint8_t(GetBValue(c))});
    }
    if (!plte.empty()) chunks.push_back(test::PngChunk("PLTE", plte));
    if (!image.Alphas().empty()) chunks.push_back(test::PngChunk("tRNS", image.Alphas()));
    const TBytes rows = PngRows(image);
    uLongf size = compressBound(rows.size());
    TBytes z(size);
    compress2(z.data(), &size, rows.data(), rows.size(), 1);
    for (uLongf at = 0; at < size; at += 32768)
        chunks.push_back(test::PngChunk("IDAT", TBytes(z.begin() + at, z.begin() + std::min<uLongf>(size, at + 32768))));
    chunks.push_back({0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82});  // the helper's CRC of no data is 0
    return test::PngFile(chunks);
}

void ToVector(png_structp png, png_bytep data, png_size_t n) {
    auto* out = static_cast<TBytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + n);
}

// libpng's encoding with its default choices, of a 24-bit image.
TBytes LibpngFile(const TDib& image) {
    TBytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) std::abort();
    png_set_write_fn(png, &out, ToVector, nullptr);
    png_set_IHDR(png, info, image.Width(), image.Height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const TBytes rows = PngRows(image);
    for (int y = 0; y < image.Height(); ++y) png_write_row(png, const_cast<uint8_t*>(&rows[(3 * image.Width() + 1) * y + 1]));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<std::unique_ptr<TDib>> Pictures() {
    std::mt19937 rng(29);
    std::vector<std::unique_ptr<TDib>> set;
    auto indexed = [&](int w, int h, int colors, auto pixel) {
        auto dib = TDib::Create(w, h, colors);
        for (int i = 0; i < colors; ++i) dib->SetColor(i, static_cast<TColorRef>(rng() & 0xFFFFFF));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) dib->SetPixel(x, y, static_cast<uint8_t>(pixel(x, y) % colors));
        set.push_back(std::move(dib));
    };
    indexed(33, 7, 2, [&](int, int) { return rng(); });
    indexed(1, 40, 16, [&](int, int y) { return y / 3; });
    indexed(200, 1, 256, [&](int x, int) { return x / 5; });
    indexed(300, 300, 256, [&](int x, int y) { return (x / 8 * 7 + y / 8 * 13) ^ (rng() % 4 == 0); });
    set.back()->SetAlphas({0, 255, 128});
    auto smooth = TTrueDib::Create(97, 61);
    for (int y = 0; y < 61; ++y)
        for (int x = 0; x < 3 * 97; ++x)
            smooth->ScanLine(y)[x] = static_cast<uint8_t>(128 + 90 * std::sin(x / 40.0 + y / 17.0) + rng() % 5);
    set.push_back(std::move(smooth));
    set.push_back(TTrueDib::Create(1, 1));
    return set;
}

TEST(PngLevels, FastIsTheOlderOutputByteForByte) {
    InstallFormats();
    const std::string dir = test::MakeTempDir();
    for (const auto& image : Pictures()) {
        SCOPED_TRACE(testing::Message() << image->Width() << "x" << image->Height());
        EXPECT_EQ(Saved(*image, TPngLevel::Fast, dir), OlderFile(*image));
    }
}

TEST(PngLevels, EveryLevelKeepsPaletteIndicesAndChunks) {
    InstallFormats();
    const std::string dir = test::MakeTempDir();
    for (const auto& image : Pictures()) {
        SCOPED_TRACE(testing::Message() << image->Width() << "x" << image->Height());
        const TBytes fast = Saved(*image, TPngLevel::Fast, dir);
        const test::TOracleImage want = test::OracleDecode(fast);
        auto others = [](const TBytes& file) {
            auto chunks = ChunksOf(file);
            std::erase_if(chunks, [](const auto& c) { return c.first == "IDAT"; });
            return chunks;
        };
        size_t normalSize = 0;
        for (TPngLevel level : {TPngLevel::Normal, TPngLevel::Max}) {
            const TBytes file = Saved(*image, level, dir);
            const test::TOracleImage got = test::OracleDecode(file);
            ASSERT_EQ(got.Error, "");
            EXPECT_EQ(got.RawPalette, want.RawPalette);
            EXPECT_EQ(got.Indices, want.Indices);
            EXPECT_EQ(got.Rgb, want.Rgb);
            EXPECT_EQ(others(file), others(fast));  // IHDR, PLTE, tRNS, IEND
            EXPECT_EQ(Inflated(file).size(), Inflated(fast).size());
            const auto idat = ChunksOf(file);
            EXPECT_EQ(std::count_if(idat.begin(), idat.end(), [](const auto& c) { return c.first == "IDAT"; }), 1);
            auto back = TDib::CreateFromFile(dir + "/level.png");
            for (int y = 0; y < image->Height(); ++y)
                ASSERT_EQ(std::memcmp(back->ScanLine(y), image->ScanLine(y), size_t(image->Width()) * image->PixelBytes()), 0);
            if (level == TPngLevel::Normal) {
                normalSize = file.size();
                // libpng's choices: palette rows unfiltered, truecolour rows as libpng filters them.
                const std::vector<int> types = FilterTypes(file, image->Height());
                const std::vector<int> want = image->IsTrueColor() ? FilterTypes(LibpngFile(*image), image->Height())
                                                                   : std::vector<int>(image->Height(), 0);
                EXPECT_EQ(types, want);
            } else {
                EXPECT_LE(file.size(), normalSize);
            }
        }
        if (image->Width() == 300) {
            EXPECT_LT(Saved(*image, TPngLevel::Normal, dir).size(), fast.size());
        }
    }
}

TEST(PngLevels, FiltersAreUndoneExactly) {
    std::mt19937 rng(3);
    for (size_t distance : {1u, 3u})
        for (size_t length = 1; length < 12; ++length)
            for (int type = 0; type < 5; ++type) {
                TBytes row(length), prior(length), out(length + 1);
                for (auto& b : row) b = static_cast<uint8_t>(rng());
                for (auto& b : prior) b = static_cast<uint8_t>(rng());
                FilterPngRow(type, row.data(), prior.data(), length, distance, out.data());
                EXPECT_EQ(out[0], type);
                ASSERT_TRUE(UnfilterPngRow(type, out.data() + 1, prior.data(), length, distance));
                EXPECT_EQ(TBytes(out.begin() + 1, out.end()), row) << type << " " << length << " " << distance;
            }
}

}  // namespace
}  // namespace pixmo
