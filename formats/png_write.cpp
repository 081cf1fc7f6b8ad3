// Writing a TKPNGLE as PNG: IHDR, PLTE when there is a palette, then at the fastest level
// unfiltered rows deflated through one 32,768-byte buffer into IDAT chunks of that size but
// the last (at the others the stream made by png_deflate), then IEND.
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "formats/kpngle.h"
#include "formats/png_chunks.h"
#include "formats/png_deflate.h"

namespace pixmo {

namespace {

constexpr const char* kMsgBitCount = PIXMO_TRANSLATE_NOOP("pixmo::Core", "not support BitCount");
constexpr const char* kMsgNoColorTable = PIXMO_TRANSLATE_NOOP("pixmo::Core", "no colortable");
constexpr const char* kMsgDeflateInit = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Zlib error");
constexpr const char* kMsgDeflateRow = PIXMO_TRANSLATE_NOOP("pixmo::Core", "ZLIB Error");
constexpr const char* kMsgDeflateFinish = PIXMO_TRANSLATE_NOOP("pixmo::Core", "ZLIB error");

[[noreturn]] void Fail(const char* message) { throw ETKPNGLE(CoreMessage(message)); }

struct TPngWriteState {
    const TKPNGLE* Owner = nullptr;
    TByteWriteStream* Stream = nullptr;
    z_stream Zs{};
    bool ZsOpen = false;
    int Width = 0, Height = 0;
    int BitCount = 0;
    int PaletteCount = 0;
    int64_t RowStride = 0;
    uint8_t ChunkType[4] = {};
    uint32_t Crc = 0;
    bool HasAlpha = false;
    int BitDepth = 0;
    size_t RowBufferSize = 0;
    std::vector<uint8_t> RowBuffer;
    int RowCounter = 0;
    uint8_t PackedPalette[256 * 3] = {};
    uint8_t OutBuffer[kPngZBufferSize] = {};

    ~TPngWriteState() {
        if (ZsOpen) deflateEnd(&Zs);
    }
};

void WriteChunk(TPngWriteState& s, uint32_t type, const uint8_t* data, size_t length) {
    uint8_t head[8];
    WriteBE32(head, static_cast<uint32_t>(length));
    WriteBE32(head + 4, type);
    std::memcpy(s.ChunkType, head + 4, 4);
    s.Crc = PngChunkCrc(type, data, length);
    uint8_t crc[4];
    WriteBE32(crc, s.Crc);
    s.Stream->WriteBuffer(head, 8);
    if (length) s.Stream->WriteBuffer(data, length);
    s.Stream->WriteBuffer(crc, 4);
}

void FlushFullBuffer(TPngWriteState& s) {
    if (s.Zs.avail_out != 0) return;
    WriteChunk(s, kChunkIDAT, s.OutBuffer, kPngZBufferSize);
    s.Zs.next_out = s.OutBuffer;
    s.Zs.avail_out = kPngZBufferSize;
}

int ZlibLevel(int32_t compression) {
    if (compression == 1) return 1;
    if (compression == 2) return 9;
    return Z_DEFAULT_COMPRESSION;
}

// Row y as PNG stores it: 24-bit pixels turned from blue, green, red to red, green, blue.
void PngRowBytes(const TPngWriteState& s, const TPngImageStore& bitmap, int y, uint8_t* dst, size_t rowBytes) {
    const uint8_t* src = bitmap.ScanLine(y);
    if (s.BitCount != 24) {
        std::memcpy(dst, src, rowBytes);
        return;
    }
    for (int x = 0; x < s.Width; ++x, dst += 3, src += 3) {
        dst[0] = src[2];
        dst[1] = src[1];
        dst[2] = src[0];
    }
}

// Above the fastest level the whole stream is made first and goes out as one IDAT chunk,
// as long as a chunk may be.
void WriteLevelData(TPngWriteState& s, const TPngImageStore& bitmap, size_t rowBytes, TPngLevel level) {
    TPngRows rows;
    rows.Width = s.Width;
    rows.Height = s.Height;
    rows.RowBytes = rowBytes;
    rows.Distance = s.BitCount == 24 ? 3 : 1;
    rows.Truecolour = s.BitCount == 24;
    rows.Read = [&](int y, uint8_t* row) { PngRowBytes(s, bitmap, y, row, rowBytes); };
    const std::vector<uint8_t> data = DeflatePngRows(rows, level);
    constexpr size_t kLongestChunk = 0x7FFFFFFF;
    for (size_t at = 0; at < data.size(); at += kLongestChunk)
        WriteChunk(s, kChunkIDAT, data.data() + at, std::min(kLongestChunk, data.size() - at));
}

void WritePng(TPngWriteState& s, const TPngImageStore& bitmap, int32_t compression, TPngLevel level) {
    s.Width = bitmap.Width();
    s.Height = bitmap.Height();
    const int format = bitmap.BitCount();
    s.BitCount = format == 1 || format == 4 || format == 8 ? format : 24;
    s.RowStride = bitmap.LineBytes();
    s.PaletteCount = static_cast<int>(std::min<size_t>(bitmap.Palette.size(), 256));
    for (int i = 0; i < s.PaletteCount; ++i) {
        const uint32_t word = bitmap.Palette[i];
        s.PackedPalette[3 * i] = static_cast<uint8_t>(word >> 16);
        s.PackedPalette[3 * i + 1] = static_cast<uint8_t>(word >> 8);
        s.PackedPalette[3 * i + 2] = static_cast<uint8_t>(word);
    }

    switch (s.BitCount) {
        case 1:
        case 4:
        case 8:
            s.BitDepth = s.BitCount;
            break;
        case 24:
            s.BitDepth = 8;
            break;
        default:
            Fail(kMsgBitCount);
    }
    const size_t rowBytes = (static_cast<size_t>(s.Width) * s.BitCount + 7) / 8;
    s.RowBufferSize = rowBytes + 1;
    s.RowBuffer.assign(s.RowBufferSize, 0);

    if (level == TPngLevel::Fast) {
        const int rc = deflateInit_(&s.Zs, ZlibLevel(compression), kZlibVersionAsked, static_cast<int>(sizeof(z_stream)));
        if (rc == Z_MEM_ERROR) throw std::bad_alloc();
        if (rc != Z_OK) Fail(kMsgDeflateInit);
        s.ZsOpen = true;
        s.Zs.next_out = s.OutBuffer;
        s.Zs.avail_out = kPngZBufferSize;
    }

    s.Stream->WriteBuffer(kPngSignature, 8);

    uint8_t ihdr[13];
    WriteBE32(ihdr, static_cast<uint32_t>(s.Width));
    WriteBE32(ihdr + 4, static_cast<uint32_t>(s.Height));
    ihdr[8] = static_cast<uint8_t>(s.BitDepth);
    ihdr[9] = s.BitCount <= 8 ? 3 : (s.HasAlpha ? 6 : 2);
    ihdr[10] = 0;
    ihdr[11] = 0;
    ihdr[12] = 0;
    WriteChunk(s, kChunkIHDR, ihdr, 13);

    if (s.PaletteCount == 0 && s.BitCount <= 8) Fail(kMsgNoColorTable);
    if (s.PaletteCount >= 1) WriteChunk(s, kChunkPLTE, s.PackedPalette, 3 * static_cast<size_t>(s.PaletteCount));
    // Transparent entries go along, as long as the palette still holds them.
    if (s.BitCount <= 8 && !bitmap.PaletteAlphas.empty()) {
        const size_t count = std::min<size_t>(bitmap.PaletteAlphas.size(), static_cast<size_t>(s.PaletteCount));
        if (count > 0) WriteChunk(s, kChunkTRNS, bitmap.PaletteAlphas.data(), count);
    }

    if (level != TPngLevel::Fast) {
        WriteLevelData(s, bitmap, rowBytes, level);
        WriteChunk(s, kChunkIEND, nullptr, 0);
        return;
    }
    uint8_t* row = s.RowBuffer.data();
    for (s.RowCounter = 0; s.RowCounter < s.Height; ++s.RowCounter) {
        row[0] = 0;  // filter None
        PngRowBytes(s, bitmap, s.RowCounter, row + 1, rowBytes);
        s.Zs.next_in = row;
        s.Zs.avail_in = static_cast<uInt>(s.RowBufferSize);
        while (s.Zs.avail_in > 0) {
            if (deflate(&s.Zs, Z_NO_FLUSH) < 0) Fail(kMsgDeflateRow);
            FlushFullBuffer(s);
        }
    }

    for (;;) {
        const int z = deflate(&s.Zs, Z_FINISH);
        if (z < 0) Fail(kMsgDeflateFinish);
        if (z == Z_STREAM_END) break;
        FlushFullBuffer(s);
    }
    const size_t rest = kPngZBufferSize - s.Zs.avail_out;
    if (rest > 0) WriteChunk(s, kChunkIDAT, s.OutBuffer, rest);
    deflateReset(&s.Zs);

    WriteChunk(s, kChunkIEND, nullptr, 0);
}

}  // namespace

void TKPNGLE::SavePng(TByteWriteStream& stream) const {
    if (!Bitmap()) return;
    auto state = std::make_unique<TPngWriteState>();
    state->Owner = this;
    state->Stream = &stream;
    WritePng(*state, *Bitmap(), Compression, Level);
}

}  // namespace pixmo
