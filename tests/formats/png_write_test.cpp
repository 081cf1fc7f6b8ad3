// Writing PNG: the chunks written, round trips of everything the program holds, and
// libpng reading what we write.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstring>
#include <random>

#include "formats/install_formats.h"
#include "formats/kpngle.h"
#include "formats/png_test_files.h"
#include "image/dib.h"
#include "image/file_format.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::TBytes;

struct TChunk {
    std::string Type;
    TBytes Data;
    bool CrcGood;
};

std::vector<TChunk> Chunks(const TBytes& file) {
    std::vector<TChunk> chunks;
    size_t at = 8;
    while (at + 12 <= file.size()) {
        const uint32_t n = (uint32_t{file[at]} << 24) | (file[at + 1] << 16) | (file[at + 2] << 8) | file[at + 3];
        TChunk c{std::string(file.begin() + at + 4, file.begin() + at + 8),
                 TBytes(file.begin() + at + 8, file.begin() + at + 8 + n), false};
        uLong crc = crc32(0, file.data() + at + 4, 4);
        if (n) crc = crc32(crc, c.Data.data(), n);  // zlib answers 0 for a null buffer
        const uint8_t* p = file.data() + at + 8 + n;
        c.CrcGood = crc == ((uLong{p[0]} << 24) | (p[1] << 16) | (p[2] << 8) | p[3]);
        chunks.push_back(c);
        at += 12 + n;
    }
    EXPECT_EQ(at, file.size());
    return chunks;
}

TBytes Save(const TDib& dib, int compression = 1) {
    TKPNGLE png;
    png.CopyFrom(dib);
    png.Compression = compression;
    TByteWriteStream stream;
    png.SavePng(stream);
    return stream.TakeBytes();
}

// The rows as inflated from the IDAT chunks.
TBytes RawRows(const std::vector<TChunk>& chunks) {
    TBytes z;
    for (const auto& c : chunks)
        if (c.Type == "IDAT") z.insert(z.end(), c.Data.begin(), c.Data.end());
    TBytes raw(1 << 20);
    uLongf size = raw.size();
    EXPECT_EQ(uncompress(raw.data(), &size, z.data(), z.size()), Z_OK);
    raw.resize(size);
    return raw;
}

std::unique_ptr<TDib> RandomImage(int width, int height, int colors, std::mt19937& rng) {
    if (colors == 0) {
        auto dib = TTrueDib::Create(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < 3 * width; ++x) dib->ScanLine(y)[x] = static_cast<uint8_t>(rng());
        return dib;
    }
    auto dib = TDib::Create(width, height, colors);
    for (int i = 0; i < colors; ++i) dib->SetColor(i, static_cast<TColorRef>(rng() & 0xFFFFFF));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) dib->SetPixel(x, y, static_cast<uint8_t>(rng() % colors));
    return dib;
}

TEST(PngWrite, PaletteImageChunks) {
    std::mt19937 rng(1);
    auto dib = RandomImage(300, 300, 200, rng);
    const auto chunks = Chunks(Save(*dib));
    ASSERT_GE(chunks.size(), 5u);
    EXPECT_EQ(chunks[0].Type, "IHDR");
    EXPECT_EQ(chunks[0].Data, (TBytes{0, 0, 1, 44, 0, 0, 1, 44, 8, 3, 0, 0, 0}));
    EXPECT_EQ(chunks[1].Type, "PLTE");
    ASSERT_EQ(chunks[1].Data.size(), 600u);
    const TColorRef c7 = dib->GetColor(7);
    EXPECT_EQ(TBytes(chunks[1].Data.begin() + 21, chunks[1].Data.begin() + 24),
              (TBytes{uint8_t(GetRValue(c7)), uint8_t(GetGValue(c7)), uint8_t(GetBValue(c7))}));
    // Random pixels barely compress: several IDAT chunks, all full but the last.
    for (size_t i = 2; i + 2 < chunks.size(); ++i) {
        EXPECT_EQ(chunks[i].Type, "IDAT");
        EXPECT_EQ(chunks[i].Data.size(), 32768u);
    }
    EXPECT_EQ(chunks[chunks.size() - 2].Type, "IDAT");
    EXPECT_LE(chunks[chunks.size() - 2].Data.size(), 32768u);
    EXPECT_EQ(chunks.back().Type, "IEND");
    EXPECT_TRUE(chunks.back().Data.empty());
    for (const auto& c : chunks) EXPECT_TRUE(c.CrcGood) << c.Type;
    // Unfiltered rows of one index a byte.
    const TBytes raw = RawRows(chunks);
    ASSERT_EQ(raw.size(), 301u * 300);
    EXPECT_EQ(raw[301 * 5], 0);
    EXPECT_EQ(raw[301 * 5 + 1 + 9], dib->Pixel(9, 5));
}

TEST(PngWrite, TrueColourRowsAreRedGreenBlue) {
    auto dib = TTrueDib::Create(2, 1);
    const uint8_t bgr[6] = {1, 2, 3, 4, 5, 6};
    std::memcpy(dib->ScanLine(0), bgr, 6);
    const auto chunks = Chunks(Save(*dib));
    ASSERT_EQ(chunks.size(), 3u);  // no PLTE
    EXPECT_EQ(chunks[0].Data[8], 8);
    EXPECT_EQ(chunks[0].Data[9], 2);
    EXPECT_EQ(RawRows(chunks), (TBytes{0, 3, 2, 1, 6, 5, 4}));
}

TEST(PngWrite, CompressionModeChoosesTheZlibLevel) {
    auto dib = test::FromGrid({"#..#", ".##."});
    // The second byte of the zlib header carries the level class.
    EXPECT_EQ(Chunks(Save(*dib, 1))[2].Data[1], 0x01);
    EXPECT_EQ(Chunks(Save(*dib, 2))[2].Data[1], 0xDA);
    EXPECT_EQ(Chunks(Save(*dib, 0))[2].Data[1], 0x9C);
    EXPECT_EQ(Chunks(Save(*dib, 7))[2].Data[1], 0x9C);
}

TEST(PngWrite, RefusalsAndEmptyCodec) {
    TKPNGLE empty;
    TByteWriteStream stream;
    empty.SavePng(stream);
    EXPECT_TRUE(stream.Bytes().empty());

    TKPNGLE png;
    png.CopyFrom(*test::FromGrid({"#."}));
    png.SetPalette({});
    try {
        png.SavePng(stream);
        FAIL() << "saved without a colour table";
    } catch (const ETKPNGLE& e) {
        EXPECT_STREQ(e.what(), "no colortable");
    }
}

TEST(PngWrite, EverythingTheProgramHoldsRoundTrips) {
    std::mt19937 rng(7);
    for (int colors : {2, 16, 256, 0, 3}) {
        for (int width = 1; width <= 300; ++width) {
            SCOPED_TRACE(testing::Message() << "colors " << colors << " width " << width);
            auto dib = RandomImage(width, 3, colors, rng);
            const TBytes file = Save(*dib);
            TKPNGLE png;
            TByteReadStream stream(file);
            png.LoadPng(stream);
            auto back = png.CreateDib();
            ASSERT_EQ(back->BitCount(), dib->BitCount());
            ASSERT_EQ(back->Colors(), dib->Colors());
            for (int i = 0; i < dib->Colors(); ++i) ASSERT_EQ(back->GetColor(i), dib->GetColor(i));
            for (int y = 0; y < 3; ++y)
                ASSERT_EQ(std::memcmp(back->ScanLine(y), dib->ScanLine(y), width * dib->PixelBytes()), 0);

            const test::TOracleImage oracle = test::OracleDecode(file);
            ASSERT_EQ(oracle.Error, "");
            ASSERT_EQ(oracle.PaletteCount, dib->Colors());
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < width; ++x) {
                    const uint8_t* rgb = &oracle.Rgb[3 * (y * width + x)];
                    TColorRef want;
                    if (dib->IsTrueColor()) {
                        const uint8_t* p = dib->ScanLine(y) + 3 * x;
                        want = RGB(p[2], p[1], p[0]);
                    } else {
                        want = dib->GetColor(dib->Pixel(x, y));
                        ASSERT_EQ(oracle.Indices[y * width + x], dib->Pixel(x, y));
                    }
                    ASSERT_EQ(RGB(rgb[0], rgb[1], rgb[2]), want) << x << "," << y;
                }
        }
    }
}

TEST(PngWrite, CodecImageOperations) {
    TKPNGLE png;
    png.CopyFrom(*test::FromGrid({"#.##.#.##", "##.#.##.#"}));
    png.SetWidth(3);  // keeps the top-left pixels, clears the bits past the new width
    png.SetHeight(3);
    EXPECT_EQ(png.Bitmap()->ScanLine(0)[0], 0xA0);
    EXPECT_EQ(png.Bitmap()->ScanLine(1)[0], 0xC0);
    EXPECT_EQ(png.Bitmap()->ScanLine(2)[0], 0x00);
    TKPNGLE copy;
    png.CopyTo(copy);
    EXPECT_EQ(test::ToGrid(*copy.CreateDib()), (std::vector<std::string>{"#.#", "##.", "..."}));
    // A truecolour image that came with a PLTE writes it back.
    png.CopyFrom(*TTrueDib::Create(1, 1));
    png.SetPalette({0x112233});
    TByteWriteStream stream;
    png.SavePng(stream);
    EXPECT_EQ(Chunks(stream.Bytes())[1].Data, (TBytes{0x11, 0x22, 0x33}));
    copy.CopyFrom(static_cast<const TKPNGLE*>(nullptr));
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_EQ(copy.Width(), 0);
}

TEST(PngWrite, PngNamesGoThroughTheCodec) {
    InstallFormats();
    const std::string dir = test::MakeTempDir();
    auto dib = test::FromGrid({"0123", "4567", "89ab"}, 16);
    dib->SaveToFile(dir + "/PICTURE.PNG");
    const TBytes file = test::ReadFileBytes(dir + "/PICTURE.PNG");
    ASSERT_GE(file.size(), 8u);
    EXPECT_EQ(TBytes(file.begin(), file.begin() + 4), (TBytes{137, 'P', 'N', 'G'}));
    EXPECT_TRUE(FormatForName("a.png").Test(file));
    EXPECT_FALSE(FormatForName("a.bmp").Test(file));
    EXPECT_EQ(Chunks(file)[2].Data[1] >> 6, 2);  // "Normale": zlib's default level
    auto back = TDib::CreateFromFile(dir + "/PICTURE.PNG");
    EXPECT_EQ(test::ToGrid(*back), test::ToGrid(*dib));
    EXPECT_EQ(back->BitCount(), 4);
    EXPECT_EQ(back->GetColor(11), dib->GetColor(11));
}

}  // namespace
}  // namespace pixmo
