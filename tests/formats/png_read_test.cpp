// Reading hand-built PNG files: the conversions, chunk handling and every refusal.
#include <gtest/gtest.h>

#include <zlib.h>

#include "formats/kpngle.h"
#include "formats/png_test_files.h"
#include "image/dib.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

using test::Deflate;
using test::IhdrData;
using test::PngChunk;
using test::PngFile;
using test::SimplePng;
using test::TBytes;

std::unique_ptr<TDib> Load(const TBytes& file) {
    TKPNGLE png;
    TByteReadStream stream(file);
    png.LoadPng(stream);
    return png.CreateDib();
}

std::string LoadError(const TBytes& file) {
    TKPNGLE png;
    TByteReadStream stream(file);
    try {
        png.LoadPng(stream);
    } catch (const EPixmoError& e) {
        return e.what();
    }
    return "";
}

// A 2x2 8-bit grey image, rows 10 20 / 30 40.
const TBytes kGreyRows = {0, 10, 20, 0, 30, 40};
TBytes GreyIhdr() { return PngChunk("IHDR", IhdrData(2, 2, 8, 0)); }
TBytes GreyIdat() { return PngChunk("IDAT", Deflate(kGreyRows)); }
TBytes End() { return PngChunk("IEND", {}); }

TEST(PngRead, AncillaryChunksAndWrongCrcsHaveNoEffect) {
    const TBytes plain = PngFile({GreyIhdr(), GreyIdat(), End()});
    const TBytes busy = PngFile({PngChunk("IHDR", IhdrData(2, 2, 8, 0), true), PngChunk("gAMA", {0, 0, 0xB1, 0x8F}),
                                 PngChunk("tRNS", {0, 10}), PngChunk("tEXt", {'a', 0, 'b'}),
                                 PngChunk("IDAT", Deflate(kGreyRows), true), End()});
    for (const TBytes& file : {plain, busy}) {
        auto dib = Load(file);
        EXPECT_EQ(dib->BitCount(), 8);
        EXPECT_EQ(dib->Colors(), 256);
        EXPECT_EQ(dib->Pixel(0, 0), 10);
        EXPECT_EQ(dib->Pixel(1, 0), 20);
        EXPECT_EQ(dib->Pixel(0, 1), 30);
        EXPECT_EQ(dib->Pixel(1, 1), 40);
        EXPECT_EQ(dib->GetColor(40), RGB(40, 40, 40));
    }
}

TEST(PngRead, AlphaIsDroppedAndColourReordered) {
    // RGBA 8: one row of two pixels.
    auto rgba = Load(SimplePng(2, 1, 8, 6, {0, 1, 2, 3, 255, 4, 5, 6, 0}));
    ASSERT_EQ(rgba->BitCount(), 24);
    const uint8_t* p = rgba->ScanLine(0);
    EXPECT_EQ(TBytes(p, p + 6), (TBytes{3, 2, 1, 6, 5, 4}));
    // Grey + alpha 16: the high byte of the grey sample in all three channels.
    auto greyAlpha = Load(SimplePng(1, 1, 16, 4, {0, 0x9A, 0x01, 0x00, 0x00}));
    ASSERT_EQ(greyAlpha->BitCount(), 24);
    EXPECT_EQ(TBytes(greyAlpha->ScanLine(0), greyAlpha->ScanLine(0) + 3), (TBytes{0x9A, 0x9A, 0x9A}));
    // Truecolour 16: high bytes.
    auto rgb16 = Load(SimplePng(1, 1, 16, 2, {0, 0x11, 0xFF, 0x22, 0xFF, 0x33, 0xFF}));
    EXPECT_EQ(TBytes(rgb16->ScanLine(0), rgb16->ScanLine(0) + 3), (TBytes{0x33, 0x22, 0x11}));
}

TEST(PngRead, TwoBitImagesBecomeFourBitWithEqualValues) {
    // Palette, width 100: pixel x has value x mod 4.
    TBytes rows = {0};
    for (int i = 0; i < 25; ++i) rows.push_back(0x1B);  // 0 1 2 3
    const TBytes plte = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9};
    auto dib = Load(SimplePng(100, 1, 2, 3, rows, plte));
    EXPECT_EQ(dib->BitCount(), 4);
    EXPECT_EQ(dib->Colors(), 4);
    for (int x = 0; x < 100; ++x) ASSERT_EQ(dib->Pixel(x, 0), x % 4) << x;
    EXPECT_EQ(dib->GetColor(2), RGB(0, 0, 255));
    EXPECT_EQ(dib->GetColor(3), RGB(9, 9, 9));
    // Grey 2-bit gets a ramp in steps of 85.
    auto grey = Load(SimplePng(4, 1, 2, 0, {0, 0x1B}));
    EXPECT_EQ(test::ToGrid(*grey), (std::vector<std::string>{".#23"}));
    EXPECT_EQ(grey->GetColor(2), RGB(170, 170, 170));
}

TEST(PngRead, SixteenBitGreyKeepsTheHighByte) {
    auto dib = Load(SimplePng(2, 1, 16, 0, {0, 0x12, 0x34, 0xFE, 0xFF}));
    EXPECT_EQ(dib->BitCount(), 8);
    EXPECT_EQ(dib->Colors(), 256);
    EXPECT_EQ(dib->Pixel(0, 0), 0x12);
    EXPECT_EQ(dib->Pixel(1, 0), 0xFE);
    // One-bit grey: two entries, black and white.
    auto mono = Load(SimplePng(3, 1, 1, 0, {0, 0xA0}));
    EXPECT_EQ(test::ToGrid(*mono), (std::vector<std::string>{"#.#"}));
    EXPECT_EQ(mono->GetColor(1), RGB(255, 255, 255));
}

TEST(PngRead, InterlacedOnePixelComesFromTheFirstPass) {
    const TBytes file = PngFile({PngChunk("IHDR", IhdrData(1, 1, 8, 0, 1)), PngChunk("IDAT", Deflate({0, 77})), End()});
    EXPECT_EQ(Load(file)->Pixel(0, 0), 77);
}

TEST(PngRead, ImageDataMaySpreadOverManyIdatChunks) {
    const TBytes z = Deflate(kGreyRows);
    // One byte a chunk, and empty chunks in between: the end of the zlib stream comes
    // several chunks after the last row.
    std::vector<TBytes> chunks = {GreyIhdr()};
    for (uint8_t b : z) {
        chunks.push_back(PngChunk("IDAT", {b}));
        chunks.push_back(PngChunk("IDAT", {}));
    }
    chunks.push_back(End());
    EXPECT_EQ(test::ToGrid(*Load(PngFile(chunks)))[0].size(), 2u);
    EXPECT_EQ(Load(PngFile(chunks))->Pixel(1, 1), 40);
}

TEST(PngRead, ImageDataBeyondTheRowsIsIgnored) {
    TBytes oneRowMore = kGreyRows;
    oneRowMore.insert(oneRowMore.end(), {0, 5, 6});
    // Megabytes of surplus, the stream spread over IDAT chunks and ending in the last one.
    TBytes muchMore = kGreyRows;
    muchMore.resize(8 << 20, 7);
    const TBytes z = Deflate(muchMore);
    std::vector<TBytes> chunks = {GreyIhdr()};
    for (size_t at = 0; at < z.size(); at += 1000)
        chunks.push_back(PngChunk("IDAT", TBytes(z.begin() + static_cast<long>(at),
                                                 z.begin() + static_cast<long>(std::min(at + 1000, z.size())))));
    chunks.push_back(End());
    for (const TBytes& file : {PngFile({GreyIhdr(), PngChunk("IDAT", Deflate(oneRowMore)), End()}), PngFile(chunks)}) {
        auto dib = Load(file);
        EXPECT_EQ(dib->Pixel(0, 0), 10);
        EXPECT_EQ(dib->Pixel(1, 1), 40);
    }
}

TEST(PngRead, PaletteOfTruecolourImageStaysWithTheCodec) {
    TKPNGLE png;
    const TBytes file = SimplePng(1, 1, 8, 2, {0, 1, 2, 3}, {7, 8, 9});
    TByteReadStream stream(file);
    png.LoadPng(stream);
    EXPECT_EQ(png.Palette(), (std::vector<uint32_t>{0x070809}));
    EXPECT_EQ(png.CreateDib()->Colors(), 0);
}

TEST(PngRead, EveryFailureHasItsMessage) {
    const TBytes ihdr = GreyIhdr();
    const TBytes idat = GreyIdat();
    const TBytes palIhdr = PngChunk("IHDR", IhdrData(2, 2, 8, 3));
    auto withIhdr = [&](const TBytes& header) { return PngFile({PngChunk("IHDR", header), idat, End()}); };
    TBytes badSignature = PngFile({ihdr, idat, End()});
    badSignature[3] = 'g';
    TBytes compression = IhdrData(2, 2, 8, 0), filter = compression, interlace = compression;
    compression[10] = 2;
    filter[11] = 2;
    interlace[12] = 2;
    TBytes badFilter = kGreyRows;
    badFilter[3] = 5;
    TBytes zlibJunk = Deflate(kGreyRows);
    zlibJunk[4] ^= 0xFF;
    zlibJunk[5] ^= 0xFF;
    const TBytes z = Deflate(kGreyRows);
    const TBytes firstHalf(z.begin(), z.begin() + 3), secondHalf(z.begin() + 3, z.end());

    const std::vector<std::pair<TBytes, std::string>> cases = {
        {badSignature, "Not PNG Image"},
        {PngFile({ihdr, ihdr, idat, End()}), "appear two IHDR"},
        {withIhdr(IhdrData(2, 2, 8, 1)), "Error ColorType"},
        {withIhdr(IhdrData(2, 2, 8, 13)), "Error ColorType"},  // low three bits: 5
        {withIhdr(IhdrData(2, 2, 3, 0)), "Error Bitdepth"},
        {withIhdr(IhdrData(2, 2, 4, 4)), "not Use AlphaChannel"},
        {withIhdr(IhdrData(2, 2, 4, 2)), "Error BitDepth"},
        {withIhdr(IhdrData(2, 2, 16, 3)), "Error BitDepth"},
        {withIhdr(compression), "not support Compression"},
        {withIhdr(filter), "not supprt Filter"},
        {withIhdr(interlace), "not interlace type"},
        {PngFile({PngChunk("PLTE", {1, 2, 3}), palIhdr, idat, End()}), "Error PLTE"},
        {PngFile({palIhdr, PngChunk("PLTE", {1, 2, 3}), PngChunk("PLTE", {1, 2, 3}), idat, End()}), "Error PLTE"},
        {PngFile({palIhdr, PngChunk("PLTE", {1, 2, 3, 4}), idat, End()}), "palettesize error"},
        {PngFile({palIhdr, PngChunk("PLTE", TBytes(257 * 3, 1)), idat, End()}), "palette length over"},
        {PngFile({ihdr, idat, PngChunk("IEND", {0})}), "error IEND size"},
        {PngFile({ihdr, idat, PngChunk("tEXt", {'a', 0}), idat, End()}), "appear two IDAT"},
        {PngFile({ihdr, PngChunk("IDAT", firstHalf), PngChunk("tEXt", {'a', 0}), PngChunk("IDAT", secondHalf), End()}),
         "not next IDAT Chunk"},
        {PngFile({ihdr, PngChunk("IDAT", zlibJunk), End()}), "zlib error"},
        {PngFile({ihdr, PngChunk("IDAT", Deflate(badFilter)), End()}), "not support Filter"},
        {PngFile({palIhdr, idat, End()}), "Palette None"},
        {PngFile({palIhdr, PngChunk("PLTE", {}), idat, End()}), "Palette None"},
        // Damage beyond the table: refused with messages of their own.
        {PngFile({ihdr, End()}), "PNG file without image data"},
        {PngFile({idat, ihdr, End()}), "IDAT before IHDR"},
        {PngFile({ihdr, PngChunk("IDAT", Deflate({0, 10, 20})), End()}), "PNG image data ends before the last row"},
        {withIhdr(IhdrData(8001, 1, 8, 0)), "L'immagine è troppo grande"},
        {withIhdr(IhdrData(1, 0x80000000u, 8, 0)), "Dimensioni non valide: 1 x -2147483648"},
        {withIhdr(IhdrData(0, 2, 8, 0)), "Dimensioni non valide: 0 x 2"},
        // A large image whose few compressed bytes cannot hold its rows.
        {withIhdr(IhdrData(8000, 8000, 8, 6)), "PNG image data ends before the last row"},
    };
    for (size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(LoadError(cases[i].first), cases[i].second) << "case " << i;
}

TEST(PngRead, LengthsAndTruncationNeverReadPastTheEnd) {
    // A chunk length far past the end, or with the top bit set.
    TBytes file = PngFile({GreyIhdr(), GreyIdat(), End()});
    TBytes huge = file;
    huge[8 + 25 + 3] = 0xFF;  // IDAT length's low byte
    EXPECT_EQ(LoadError(huge), "PNG chunk runs past the end of the file");
    huge[8 + 25] = 0x80;
    EXPECT_EQ(LoadError(huge), "PNG chunk runs past the end of the file");
    // A zlib stream asking for a preset dictionary (not allowed in PNG) is an inflate error.
    TBytes dict = {0x78, 0xBB, 0, 0, 0, 1};
    EXPECT_EQ(LoadError(PngFile({GreyIhdr(), PngChunk("IDAT", dict), End()})), "zlib error");
    // Every prefix of a valid file is refused; none loads, none crashes.
    for (size_t n = 0; n < file.size(); ++n) {
        const TBytes cut(file.begin(), file.begin() + static_cast<long>(n));
        EXPECT_NE(LoadError(cut), "") << n;
    }
    EXPECT_EQ(LoadError(TBytes(file.begin(), file.begin() + 8 + 25 + 6)), "Stream read error");
}

TEST(PngRead, OversizedImageIsRefusedBeforeAllocation) {
    TKPNGLE png;
    const TBytes file = PngFile({PngChunk("IHDR", IhdrData(1, 9000, 8, 0)), GreyIdat(), End()});
    TByteReadStream stream(file);
    EXPECT_THROW(png.LoadPng(stream), EPixmoError);
    EXPECT_TRUE(png.IsEmpty());
}

}  // namespace
}  // namespace pixmo
