// Animation files byte for byte: the APNG's chunks, sequence numbers and frames (each one
// decoded by our own reader), the sprite strip's pixels at frame 1's size, the GIF's screen,
// colour table, loop and control blocks, and what the names choose.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>

#include "formats/animation_file.h"
#include "formats/install_formats.h"
#include "formats/kpngle.h"
#include "formats/png_chunks.h"
#include "image/byte_order.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/file_format.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

namespace fs = std::filesystem;
using test::FromGrid;
using test::ToGrid;
using TGrid = std::vector<std::string>;

struct TChunk {
    std::string Type;
    std::vector<uint8_t> Data;
};

// The chunks after the signature; each CRC checked with zlib's own function.
std::vector<TChunk> Chunks(const std::vector<uint8_t>& png) {
    std::vector<TChunk> chunks;
    EXPECT_TRUE(std::equal(png.begin(), png.begin() + 8, kPngSignature));
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = ReadBE32(&png[at]);
        const uint8_t* type = &png[at + 4];
        const uLong crc = crc32(crc32(0, Z_NULL, 0), type, 4 + length);
        EXPECT_EQ(ReadBE32(&png[at + 8 + length]), crc) << std::string(type, type + 4);
        chunks.push_back(TChunk{std::string(type, type + 4), {type + 4, type + 4 + length}});
        at += 12 + length;
    }
    return chunks;
}

// A plain PNG made of `head` chunks and image data, read by our own reader.
std::unique_ptr<TDib> Decode(const std::vector<TChunk>& head, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> png(kPngSignature, kPngSignature + 8);
    for (const TChunk& c : head) AppendPngChunk(png, ReadBE32(reinterpret_cast<const uint8_t*>(c.Type.data())), c.Data);
    AppendPngChunk(png, kChunkIDAT, data);
    AppendPngChunk(png, kChunkIEND, {});
    TByteReadStream stream(png);
    return TKPNGLE::ReadDib(stream);
}

class AnimationFile : public ::testing::Test {
protected:
    void SetUp() override {
        InstallFormats();
        dir = test::MakeTempDir();
        // Three 3 x 2 cells side by side.
        sheet = FromGrid({".#2345678", "9abcdef.#"}, 16);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return dir + "/" + name; }
    const std::vector<TRect> cells = {TRect{0, 0, 3, 2}, TRect{3, 0, 6, 2}, TRect{6, 0, 9, 2}};
    std::unique_ptr<TDib> sheet;
    std::string dir;
};

TEST_F(AnimationFile, ApngIsAPlainPngOfFrameOneWithTheOtherFramesInFdat) {
    WriteAnimation(*sheet, cells, 250, Path("a.png"), 2);
    const std::vector<TChunk> chunks = Chunks(test::ReadFileBytes(Path("a.png")));
    std::string order;
    for (const TChunk& c : chunks) order += c.Type + " ";
    EXPECT_EQ(order, "IHDR PLTE tRNS acTL fcTL IDAT fcTL fdAT fcTL fdAT IEND ");
    EXPECT_EQ(chunks[2].Data, (std::vector<uint8_t>{255, 255, 0}));
    EXPECT_EQ(ReadBE32(&chunks[3].Data[0]), 3u);  // frames
    EXPECT_EQ(ReadBE32(&chunks[3].Data[4]), 0u);  // plays: forever

    // fcTL and fdAT share one run of sequence numbers from 0.
    uint32_t sequence = 0;
    std::vector<TGrid> frames;
    for (const TChunk& c : chunks) {
        if (c.Type == "fcTL") {
            ASSERT_EQ(c.Data.size(), 26u);
            EXPECT_EQ(ReadBE32(&c.Data[0]), sequence++);
            EXPECT_EQ(ReadBE32(&c.Data[4]), 3u);
            EXPECT_EQ(ReadBE32(&c.Data[8]), 2u);
            EXPECT_EQ(std::vector<uint8_t>(c.Data.begin() + 12, c.Data.end()),
                      (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 0, 250, 0x03, 0xE8, 0, 0}));
        } else if (c.Type == "fdAT") {
            EXPECT_EQ(ReadBE32(&c.Data[0]), sequence++);
            frames.push_back(ToGrid(*Decode({chunks[0], chunks[1]}, {c.Data.begin() + 4, c.Data.end()})));
        }
    }
    EXPECT_EQ(sequence, 5u);
    EXPECT_EQ(frames, (std::vector<TGrid>{{"345", "cde"}, {"678", "f.#"}}));
    // Without APNG it is frame 1.
    EXPECT_EQ(ToGrid(*TDib::CreateFromFile(Path("a.png"))), (TGrid{".#2", "9ab"}));
}

TEST_F(AnimationFile, StripHoldsEveryFrameAtFrameOneSizeSideBySide) {
    // Frame 2 is larger and is cut; frame 3 is smaller and leaves the rest of frame 2.
    const std::vector<TRect> frames = {TRect{0, 0, 2, 2}, TRect{2, 0, 5, 2}, TRect{5, 0, 6, 1}};
    WriteAnimation(*sheet, frames, 100, Path("s.STRIP.png"));
    const auto strip = TDib::CreateFromFile(Path("s.STRIP.png"));
    EXPECT_EQ(ToGrid(*strip), (TGrid{".#2353", "9abcbc"}));
    EXPECT_EQ(strip->GetColor(12), sheet->GetColor(12));
    const std::vector<TChunk> chunks = Chunks(test::ReadFileBytes(Path("s.STRIP.png")));
    // No transparency asked for, so no tRNS; the frames chunk names the frames at their places.
    EXPECT_EQ(chunks[2].Type, "pxFr");
    EXPECT_EQ(chunks[3].Type, "IDAT");
    const TSheetFrames placed = {{TRect{0, 0, 2, 2}, 100}, {TRect{2, 0, 4, 2}, 100}, {TRect{4, 0, 6, 2}, 100}};
    EXPECT_EQ(OpenImageFile(Path("s.STRIP.png"))->Frames(), placed);

    // Wider than an image may be: refused, nothing written.
    auto wide = TDib::Create(8000, 1, 2);
    EXPECT_THROW(WriteAnimation(*wide, {TRect{0, 0, 8000, 1}, TRect{0, 0, 8000, 1}}, 100, Path("w.strip.png")), EPixmoError);
    EXPECT_FALSE(fs::exists(Path("w.strip.png")));
}

TEST_F(AnimationFile, GifHasTheScreenPaletteLoopAndAControlBlockPerFrame) {
    auto three = FromGrid({"0120", "2101"}, 3);
    three->SetColor(0, RGB(255, 0, 0));
    three->SetColor(1, RGB(0, 255, 0));
    three->SetColor(2, RGB(0, 0, 255));
    WriteAnimation(*three, {TRect{0, 0, 2, 2}, TRect{2, 0, 4, 2}}, 250, Path("a.gif"), 1);
    const std::vector<uint8_t> b = test::ReadFileBytes(Path("a.gif"));
    ASSERT_GT(b.size(), 13u + 12 + 19);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 6), "GIF89a");
    EXPECT_EQ(ReadLE16(&b[6]), 2);
    EXPECT_EQ(ReadLE16(&b[8]), 2);
    EXPECT_EQ(b[10] & 0x87, 0x81);  // a global table of 4 entries
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 13, b.begin() + 25),
              (std::vector<uint8_t>{255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0}));
    const std::string loop("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    EXPECT_EQ(std::string(b.begin() + 25, b.begin() + 25 + 19), loop);
    // Graphics control: dispose to background, transparent flag, 25 hundredths, entry 1.
    const std::string control("\x21\xF9\x04\x09\x19\x00\x01\x00\x2C", 9);
    const std::string text(b.begin(), b.end());
    EXPECT_EQ(text.find(control), 44u);
    EXPECT_NE(text.find(control, 45), std::string::npos);
    EXPECT_EQ(b.back(), 0x3B);

    // True colour has no table to give a GIF; the old file stays.
    test::WriteFileBytes(Path("old.gif"), {1, 2, 3});
    EXPECT_THROW(WriteAnimation(*TTrueDib::Create(2, 2), {TRect{0, 0, 2, 2}}, 100, Path("old.gif")), EPixmoError);
    EXPECT_EQ(test::ReadFileBytes(Path("old.gif")), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(AnimationFile, TheNameChoosesTheFormAndBadRequestsWriteNothing) {
    using F = TAnimationFileForm;
    EXPECT_EQ(AnimationFormForName("a.strip.png"), F::Strip);
    EXPECT_EQ(AnimationFormForName("dir.strip/a.PNG"), F::Apng);
    EXPECT_EQ(AnimationFormForName("a.Gif"), F::Gif);
    auto message = [&](const std::string& name, const std::vector<TRect>& frames, int interval) -> std::string {
        try {
            WriteAnimation(*sheet, frames, interval, Path(name));
        } catch (const EPixmoError& e) {
            return e.what();
        }
        return "written";
    };
    EXPECT_EQ(message("a.bmp", cells, 100), Msg(kMsgNoAnimationForm, Path("a.bmp")).Text());
    EXPECT_EQ(message("a.gif", cells, 0), "Intervallo non valido: 0 ms");
    EXPECT_EQ(message("a.png", {}, 100), "Nessun fotogramma da salvare");
    EXPECT_EQ(message("a.gif", {TRect{2, 2, 2, 2}}, 100), "Nessun fotogramma da salvare");
    EXPECT_EQ(fs::directory_iterator(dir), fs::directory_iterator());
    EXPECT_EQ(message("none/a.gif", cells, 100).empty(), false);
}

}  // namespace
}  // namespace pixmo
