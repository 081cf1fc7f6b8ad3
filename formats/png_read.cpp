// Reading a PNG into a TKPNGLE, or straight into a TDib: chunk loop, image set-up, row
// inflate, unfilter, convert and store, one row at a time through three row buffers.
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "formats/kpngle.h"
#include "formats/png_chunks.h"
#include "formats/png_filters.h"
#include "image/bitmap_header.h"
#include "image/dib.h"
#include "image/transparent_pixels.h"

namespace pixmo {

namespace {

constexpr const char* kMsgNotPng = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Not PNG Image");
constexpr const char* kMsgZlibInit = PIXMO_TRANSLATE_NOOP("pixmo::Core", "ZLIB ERROR");
constexpr const char* kMsgTwoIhdr = PIXMO_TRANSLATE_NOOP("pixmo::Core", "appear two IHDR");
constexpr const char* kMsgColorType = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Error ColorType");
constexpr const char* kMsgGreyDepth = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Error Bitdepth");
constexpr const char* kMsgGreyAlpha = PIXMO_TRANSLATE_NOOP("pixmo::Core", "not Use AlphaChannel");
constexpr const char* kMsgDepth = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Error BitDepth");
constexpr const char* kMsgCompression = PIXMO_TRANSLATE_NOOP("pixmo::Core", "not support Compression");
constexpr const char* kMsgFilterMethod = PIXMO_TRANSLATE_NOOP("pixmo::Core", "not supprt Filter");
constexpr const char* kMsgInterlace = PIXMO_TRANSLATE_NOOP("pixmo::Core", "not interlace type");
constexpr const char* kMsgPlte = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Error PLTE");
constexpr const char* kMsgPaletteSize = PIXMO_TRANSLATE_NOOP("pixmo::Core", "palettesize error");
constexpr const char* kMsgPaletteLength = PIXMO_TRANSLATE_NOOP("pixmo::Core", "palette length over");
constexpr const char* kMsgIendSize = PIXMO_TRANSLATE_NOOP("pixmo::Core", "error IEND size");
constexpr const char* kMsgTwoIdat = PIXMO_TRANSLATE_NOOP("pixmo::Core", "appear two IDAT");
constexpr const char* kMsgNextIdat = PIXMO_TRANSLATE_NOOP("pixmo::Core", "not next IDAT Chunk");
constexpr const char* kMsgInflate = PIXMO_TRANSLATE_NOOP("pixmo::Core", "zlib error");
constexpr const char* kMsgRowFilter = PIXMO_TRANSLATE_NOOP("pixmo::Core", "not support Filter");
constexpr const char* kMsgPaletteNone = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Palette None");
// Refusals of damaged files that the table above does not cover.
constexpr const char* kMsgChunkPastEnd = PIXMO_TRANSLATE_NOOP("pixmo::Core", "PNG chunk runs past the end of the file");
constexpr const char* kMsgNoImageData = PIXMO_TRANSLATE_NOOP("pixmo::Core", "PNG file without image data");
constexpr const char* kMsgIdatBeforeIhdr = PIXMO_TRANSLATE_NOOP("pixmo::Core", "IDAT before IHDR");
constexpr const char* kMsgDataShort = PIXMO_TRANSLATE_NOOP("pixmo::Core", "PNG image data ends before the last row");

// Deflate cannot expand beyond about 1032:1; a file with less compressed data than this
// allows for its rows is refused before the image is allocated.
constexpr uint64_t kMaxInflateRatio = 1100;

[[noreturn]] void Fail(const char* message) { throw ETKPNGLE(CoreMessage(message)); }

// Adam7: first column, column step, first row, row step.
constexpr int kPassColumn[7] = {0, 4, 0, 2, 0, 1, 0};
constexpr int kPassColumnStep[7] = {8, 8, 4, 4, 2, 2, 1};
constexpr int kPassRow[7] = {0, 0, 4, 0, 2, 0, 1};
constexpr int kPassRowStep[7] = {8, 8, 8, 4, 4, 2, 2};

enum class TConversion { Copy, Two2Four, Grey16, GreyAlpha8, GreyAlpha16, Rgb8, Rgb16, Rgba8, Rgba16 };

// Each input byte of four 2-bit pixels becomes two bytes of 4-bit pixels of equal value.
struct TTwoToFourTable {
    uint8_t Out[256][2];
    constexpr TTwoToFourTable() : Out{} {
        for (int b = 0; b < 256; ++b) {
            Out[b][0] = static_cast<uint8_t>(((b >> 6) & 3) << 4 | ((b >> 4) & 3));
            Out[b][1] = static_cast<uint8_t>(((b >> 2) & 3) << 4 | (b & 3));
        }
    }
};
constexpr TTwoToFourTable kTwoToFour;

struct TPngReadState {
    TKPNGLE* Owner = nullptr;  // null: the rows go into Dib
    std::unique_ptr<TDib> Dib;
    TByteReadStream* Stream = nullptr;
    z_stream Zs{};
    bool ZsOpen = false;
    int32_t ChunkRest = 0;  // bytes still unread in the current chunk
    bool IhdrSeen = false, IendSeen = false, IdatSeen = false, PlteSeen = false;
    int32_t Width = 0, Height = 0;
    int TargetBits = 0;
    int PaletteCount = 0;
    const uint32_t* PaletteSource = nullptr;
    int64_t TargetStride = 0;
    bool HasAlpha = false, IsGrey = false, IsPalette = false;
    int BitDepth = 0;
    int ColorType = 0;
    int CompressionMethod = 0, FilterMethod = 0, InterlaceMethod = 0;
    int PngBpp = 0;
    int PassPixels = 0;
    size_t FilteredLength = 0;
    size_t RowBufferSize = 0;
    int GreyPixels = 0;
    int PassRows = 0, RowCounter = 0;
    int LastPass = 0, Pass = 0;
    int FirstColumn = 0, ColumnStep = 1;
    uint8_t* TargetRow = nullptr;
    const uint8_t* ConvertedRow = nullptr;
    std::vector<uint8_t> RowBuffers;
    uint8_t* CurrentRow = nullptr;
    uint8_t* PreviousRow = nullptr;
    uint8_t* OutputRow = nullptr;
    TConversion Conversion = TConversion::Copy;
    int PlteCount = 0;
    uint32_t Palette[256] = {};  // blue, green, red, 0 read as little-endian words
    uint8_t InBuffer[kPngZBufferSize] = {};
    // Set once inflate has reported the end of the compressed stream, or bytes beyond the
    // last row: nothing more is inflated after either.
    bool StreamEnded = false;
    // The chunk just read was image data; an IDAT right after it continues the stream.
    bool InImageData = false;
    // Transparency, kept when reading straight into an image: the alpha channel one byte a
    // pixel (top row first), and tRNS as read. Key: the transparent grey or colour of a file
    // without a palette of its own, as its raw pixels hold it (full 16-bit samples).
    bool KeepAlpha = false;
    std::vector<uint8_t> Alpha;
    std::vector<uint8_t> AlphaRow;
    std::vector<uint8_t> Trns;
    std::vector<uint8_t> Key;

    ~TPngReadState() {
        if (ZsOpen) inflateEnd(&Zs);
    }
};

class TPngReader {
public:
    TPngReader(TKPNGLE* owner, TByteReadStream& stream) : S(std::make_unique<TPngReadState>()) {
        S->Owner = owner;
        S->Stream = &stream;
    }
    void Run();
    std::unique_ptr<TDib> TakeDib() { return std::move(S->Dib); }
    // The alpha of every pixel, top row first, or nothing when all are opaque.
    std::vector<uint8_t> TakeAlpha();
    void KeepAlpha() { S->KeepAlpha = true; }

private:
    void ReadChunkHeader(uint32_t& length, uint32_t& type);
    void ReadIhdr();
    void ReadPlte();
    void ReadTrns();
    void SetUpImage();
    void DecodeImage();
    void InflateInto(uint8_t* dest, size_t count);
    void RefillInput();
    void DrainImageData();
    void ConvertRow();
    void StoreRow(int y);
    void StoreDibRow(int y);

    std::unique_ptr<TPngReadState> S;
};

void TPngReader::ReadChunkHeader(uint32_t& length, uint32_t& type) {
    uint8_t header[8];
    S->Stream->ReadBuffer(header, 8);
    length = ReadBE32(header);
    type = ReadBE32(header + 4);
    // The PNG standard caps lengths at 2^31 - 1; checking against the bytes present also
    // keeps a hostile length from sending the reader backwards or far past the end.
    if (length > 0x7FFFFFFFu || length > S->Stream->Remaining()) Fail(kMsgChunkPastEnd);
}

void TPngReader::Run() {
    uint8_t signature[8];
    S->Stream->ReadBuffer(signature, 8);
    for (int i = 0; i < 8; ++i)
        if (signature[i] != kPngSignature[i]) Fail(kMsgNotPng);

    const int rc = inflateInit_(&S->Zs, kZlibVersionAsked, static_cast<int>(sizeof(z_stream)));
    if (rc == Z_MEM_ERROR) throw std::bad_alloc();
    if (rc != Z_OK) Fail(kMsgZlibInit);
    S->ZsOpen = true;

    while (!S->IendSeen) {
        uint32_t length = 0, type = 0;
        ReadChunkHeader(length, type);
        S->ChunkRest = static_cast<int32_t>(length);
        const bool continuesImageData = S->InImageData;
        S->InImageData = false;
        switch (type) {
            case kChunkIHDR:
                ReadIhdr();
                break;
            case kChunkPLTE:
                ReadPlte();
                break;
            case kChunkTRNS:
                ReadTrns();
                break;
            case kChunkIDAT:
                if (!S->IdatSeen) {
                    DecodeImage();
                } else if (continuesImageData) {
                    // The compressed stream may end in later IDAT chunks than the last row.
                    DrainImageData();
                } else {
                    Fail(kMsgTwoIdat);
                }
                S->InImageData = true;
                break;
            case kChunkIEND:
                if (length != 0) Fail(kMsgIendSize);
                S->IendSeen = true;
                break;
            default:
                break;
        }
        S->Stream->Skip(static_cast<uint32_t>(S->ChunkRest));
        S->ChunkRest = 0;
        S->Stream->Skip(4);  // the CRC, never compared
    }
    if (!S->IdatSeen) Fail(kMsgNoImageData);
}

void TPngReader::ReadIhdr() {
    if (S->IhdrSeen) Fail(kMsgTwoIhdr);
    uint8_t d[13];
    S->Stream->ReadBuffer(d, 13);
    S->ChunkRest = std::max<int32_t>(S->ChunkRest - 13, 0);
    S->Width = static_cast<int32_t>(ReadBE32(d));
    S->Height = static_cast<int32_t>(ReadBE32(d + 4));
    S->BitDepth = d[8];
    int colorType = d[9] & 7;
    S->CompressionMethod = d[10];
    S->FilterMethod = d[11];
    S->InterlaceMethod = d[12];
    if (colorType == 1 || colorType == 5 || colorType == 7) Fail(kMsgColorType);
    if (colorType & 4) {
        S->HasAlpha = true;
        colorType &= 3;
    }
    S->ColorType = colorType;
    const int depth = S->BitDepth;
    switch (colorType) {
        case 0:
            if (depth != 1 && depth != 2 && depth != 4 && depth != 8 && depth != 16) Fail(kMsgGreyDepth);
            if (S->HasAlpha && depth < 8) Fail(kMsgGreyAlpha);
            S->IsGrey = true;
            break;
        case 2:
            if (depth != 8 && depth != 16) Fail(kMsgDepth);
            break;
        case 3:
            if (depth != 1 && depth != 2 && depth != 4 && depth != 8) Fail(kMsgDepth);
            S->IsPalette = true;
            break;
    }
    if (S->CompressionMethod > 1) Fail(kMsgCompression);
    if (S->FilterMethod > 1) Fail(kMsgFilterMethod);
    if (S->InterlaceMethod > 1) Fail(kMsgInterlace);
    S->IhdrSeen = true;
}

void TPngReader::ReadPlte() {
    if (!S->IhdrSeen || S->PlteSeen) Fail(kMsgPlte);
    const int32_t length = S->ChunkRest;
    if (length % 3 != 0) Fail(kMsgPaletteSize);
    const int32_t count = length / 3;
    if (count > 256) Fail(kMsgPaletteLength);
    uint8_t rgb[256 * 3];
    S->Stream->ReadBuffer(rgb, static_cast<size_t>(length));
    S->ChunkRest = 0;
    for (int i = 0; i < count; ++i)
        S->Palette[i] = (static_cast<uint32_t>(rgb[3 * i]) << 16) | (static_cast<uint32_t>(rgb[3 * i + 1]) << 8) |
                        rgb[3 * i + 2];
    S->PlteCount = count;
    S->PlteSeen = true;
}

// Ignored when misplaced or malformed: a viewer shows such a file opaque.
void TPngReader::ReadTrns() {
    TPngReadState& s = *S;
    const int32_t length = s.ChunkRest;
    if (!s.IhdrSeen || s.IdatSeen || s.HasAlpha || length <= 0 || length > 256) return;
    if ((s.ColorType == 0 && length != 2) || (s.ColorType == 2 && length != 6)) return;
    s.Trns.resize(static_cast<size_t>(length));
    s.Stream->ReadBuffer(s.Trns.data(), s.Trns.size());
    s.ChunkRest = 0;
}

// Target format, palette, the image itself and the row buffers.
void TPngReader::SetUpImage() {
    TPngReadState& s = *S;
    const int depth = s.BitDepth;
    const int channels = s.ColorType == 2 ? 3 : 1;
    s.PngBpp = depth * (channels + (s.HasAlpha ? 1 : 0));
    int rowBits;  // bits per pixel the row buffers are sized for
    if (s.ColorType == 2) {
        s.TargetBits = 24;
        s.Conversion = depth == 8 ? (s.HasAlpha ? TConversion::Rgba8 : TConversion::Rgb8)
                                  : (s.HasAlpha ? TConversion::Rgba16 : TConversion::Rgb16);
        rowBits = s.PngBpp;
    } else if (s.HasAlpha) {  // grey + alpha
        s.TargetBits = 24;
        s.Conversion = depth == 8 ? TConversion::GreyAlpha8 : TConversion::GreyAlpha16;
        rowBits = 24;
    } else if (depth == 2) {
        s.TargetBits = 4;
        s.Conversion = TConversion::Two2Four;
        rowBits = 4;
    } else if (depth == 16) {  // grey
        s.TargetBits = 8;
        s.Conversion = TConversion::Grey16;
        rowBits = 16;
    } else {
        s.TargetBits = depth;
        s.Conversion = TConversion::Copy;
        rowBits = s.PngBpp;
    }
    // 16-bit grey + alpha rows hold 32 bits a pixel: the buffers must take the raw row.
    rowBits = std::max(rowBits, s.PngBpp);

    if (s.IsGrey && s.TargetBits <= 8) {
        const int count = depth == 1 ? 2 : depth == 2 ? 4 : depth == 4 ? 16 : 256;
        const int step = 255 / (count - 1);
        for (int i = 0; i < count; ++i) {
            const uint32_t v = static_cast<uint32_t>(i * step);
            s.Palette[i] = (v << 16) | (v << 8) | v;
        }
        s.PaletteCount = count;
    } else if (s.IsPalette) {
        if (s.PlteCount < 1 || s.PlteCount > 256) Fail(kMsgPaletteNone);
        s.PaletteCount = s.PlteCount;
    } else {
        s.PaletteCount = s.PlteCount;
    }
    s.PaletteSource = s.Palette;

    // Sizes before any allocation.
    if (s.Width > kMaxDibSide || s.Height > kMaxDibSide)
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "L'immagine è troppo grande")));
    if (s.Width <= 0 || s.Height <= 0) RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Dimensioni non valide: %1 x %2"), s.Width, s.Height));
    uint64_t rawBytes = 0;
    for (int pass = 0; pass <= (s.InterlaceMethod == 1 ? 6 : 0); ++pass) {
        const int first = s.InterlaceMethod == 1 ? kPassColumn[pass] : 0;
        const int step = s.InterlaceMethod == 1 ? kPassColumnStep[pass] : 1;
        const int firstRow = s.InterlaceMethod == 1 ? kPassRow[pass] : 0;
        const int rowStep = s.InterlaceMethod == 1 ? kPassRowStep[pass] : 1;
        if (s.Width <= first || s.Height <= firstRow) continue;
        const uint64_t pixels = static_cast<uint64_t>((s.Width - first + step - 1) / step);
        const uint64_t rows = static_cast<uint64_t>((s.Height - firstRow + rowStep - 1) / rowStep);
        rawBytes += rows * ((pixels * s.PngBpp + 7) / 8 + 1);
    }
    if (rawBytes > (static_cast<uint64_t>(s.ChunkRest) + s.Stream->Remaining()) * kMaxInflateRatio)
        Fail(kMsgDataShort);

    if (s.Owner) {
        TPngImageStore& bitmap = s.Owner->NewBitmap(s.Width, s.Height, s.TargetBits);
        if (s.PaletteCount > 0) bitmap.Palette.assign(s.PaletteSource, s.PaletteSource + s.PaletteCount);
        s.TargetStride = bitmap.LineBytes();
    } else {
        s.Dib = NewDibFor(s.Width, s.Height, s.TargetBits, {s.PaletteSource, static_cast<size_t>(s.PaletteCount)});
        if (s.KeepAlpha && !s.Trns.empty() && (s.ColorType == 2 || s.BitDepth == 16)) {
            // An 8-bit key sample above 255 matches no pixel.
            for (size_t i = 0; i < s.Trns.size(); i += 2)
                if (s.BitDepth == 16) s.Key.insert(s.Key.end(), {s.Trns[i], s.Trns[i + 1]});
                else if (s.Trns[i] == 0) s.Key.push_back(s.Trns[i + 1]);
            if (s.Key.size() * 8 != static_cast<size_t>(s.PngBpp)) s.Key.clear();
        }
        if (s.KeepAlpha && (s.HasAlpha || !s.Key.empty())) {
            s.Alpha.assign(static_cast<size_t>(s.Width) * static_cast<size_t>(s.Height), 255);
            s.AlphaRow.assign(static_cast<size_t>(s.Width), 255);
        }
    }

    const size_t rowSize = ((static_cast<size_t>(rowBits) * static_cast<size_t>(s.Width) + 7) / 8 + 12 + 3) & ~size_t{3};
    s.RowBufferSize = rowSize;
    s.RowBuffers.assign(rowSize * 3, 0);
    s.CurrentRow = s.RowBuffers.data();
    s.PreviousRow = s.CurrentRow + rowSize;
    s.OutputRow = s.PreviousRow + rowSize;
}

void TPngReader::RefillInput() {
    TPngReadState& s = *S;
    while (s.ChunkRest == 0) {
        s.Stream->Skip(4);  // CRC of the chunk used up
        uint32_t length = 0, type = 0;
        ReadChunkHeader(length, type);
        if (type != kChunkIDAT) Fail(kMsgNextIdat);
        s.ChunkRest = static_cast<int32_t>(length);
    }
    const size_t n = std::min<size_t>(static_cast<size_t>(s.ChunkRest), kPngZBufferSize);
    s.Stream->ReadBuffer(s.InBuffer, n);
    s.ChunkRest -= static_cast<int32_t>(n);
    s.Zs.next_in = s.InBuffer;
    s.Zs.avail_in = static_cast<uInt>(n);
}

void TPngReader::InflateInto(uint8_t* dest, size_t count) {
    TPngReadState& s = *S;
    s.Zs.next_out = dest;
    s.Zs.avail_out = static_cast<uInt>(count);
    while (s.Zs.avail_out > 0) {
        if (s.StreamEnded) Fail(kMsgDataShort);
        if (s.Zs.avail_in == 0) RefillInput();
        const int rc = inflate(&s.Zs, Z_NO_FLUSH);
        // A preset dictionary is not allowed in PNG data and would stall the loop.
        if (rc < 0 || rc == Z_NEED_DICT) Fail(kMsgInflate);
        if (rc == Z_STREAM_END) {
            if (s.Zs.avail_out > 0) Fail(kMsgDataShort);
            s.StreamEnded = true;
        }
    }
}

// After the last row: the rest of the image data is passed over. Bytes the stream holds beyond
// the rows are ignored, as common readers do; inflating stops at the first of them, so a huge
// surplus costs neither time nor memory, and the chunk loop skips the data left.
void TPngReader::DrainImageData() {
    TPngReadState& s = *S;
    uint8_t scratch[64];
    while (!s.StreamEnded) {
        if (s.Zs.avail_in == 0) {
            if (s.ChunkRest == 0) return;
            const size_t n = std::min<size_t>(static_cast<size_t>(s.ChunkRest), kPngZBufferSize);
            s.Stream->ReadBuffer(s.InBuffer, n);
            s.ChunkRest -= static_cast<int32_t>(n);
            s.Zs.next_in = s.InBuffer;
            s.Zs.avail_in = static_cast<uInt>(n);
        }
        s.Zs.next_out = scratch;
        s.Zs.avail_out = sizeof scratch;
        const int rc = inflate(&s.Zs, Z_NO_FLUSH);
        if (rc < 0 || rc == Z_NEED_DICT) Fail(kMsgInflate);
        if (rc == Z_STREAM_END || s.Zs.avail_out != sizeof scratch) {
            s.StreamEnded = true;
            inflateReset(&s.Zs);
        }
    }
    s.Zs.avail_in = 0;  // anything after the end of the stream is ignored
}

void TPngReader::ConvertRow() {
    TPngReadState& s = *S;
    const uint8_t* raw = s.CurrentRow + 1;
    uint8_t* out = s.OutputRow;
    const int n = s.PassPixels;
    switch (s.Conversion) {
        case TConversion::Copy:
            s.ConvertedRow = raw;
            return;
        case TConversion::Two2Four: {
            const int bytes = (n + 3) / 4;
            for (int i = 0; i < bytes; ++i) {
                out[2 * i] = kTwoToFour.Out[raw[i]][0];
                out[2 * i + 1] = kTwoToFour.Out[raw[i]][1];
            }
            break;
        }
        case TConversion::Grey16:
            for (int i = 0; i < n; ++i) out[i] = raw[2 * i];
            break;
        case TConversion::GreyAlpha8:
            for (int i = 0; i < n; ++i) out[3 * i] = out[3 * i + 1] = out[3 * i + 2] = raw[2 * i];
            if (s.KeepAlpha) for (int i = 0; i < n; ++i) s.AlphaRow[i] = raw[2 * i + 1];
            break;
        case TConversion::GreyAlpha16:
            for (int i = 0; i < n; ++i) out[3 * i] = out[3 * i + 1] = out[3 * i + 2] = raw[4 * i];
            if (s.KeepAlpha) for (int i = 0; i < n; ++i) s.AlphaRow[i] = raw[4 * i + 2];
            break;
        case TConversion::Rgb8:
            for (int i = 0; i < n; ++i) {
                out[3 * i] = raw[3 * i + 2];
                out[3 * i + 1] = raw[3 * i + 1];
                out[3 * i + 2] = raw[3 * i];
            }
            break;
        case TConversion::Rgb16:
            for (int i = 0; i < n; ++i) {
                out[3 * i] = raw[6 * i + 4];
                out[3 * i + 1] = raw[6 * i + 2];
                out[3 * i + 2] = raw[6 * i];
            }
            break;
        case TConversion::Rgba8:
            for (int i = 0; i < n; ++i) {
                out[3 * i] = raw[4 * i + 2];
                out[3 * i + 1] = raw[4 * i + 1];
                out[3 * i + 2] = raw[4 * i];
            }
            if (s.KeepAlpha) for (int i = 0; i < n; ++i) s.AlphaRow[i] = raw[4 * i + 3];
            break;
        case TConversion::Rgba16:
            for (int i = 0; i < n; ++i) {
                out[3 * i] = raw[8 * i + 4];
                out[3 * i + 1] = raw[8 * i + 2];
                out[3 * i + 2] = raw[8 * i];
            }
            if (s.KeepAlpha) for (int i = 0; i < n; ++i) s.AlphaRow[i] = raw[8 * i + 6];
            break;
    }
    const size_t keyBytes = s.Key.size();
    for (int i = 0; keyBytes > 0 && i < n; ++i)
        s.AlphaRow[i] = std::memcmp(raw + keyBytes * i, s.Key.data(), keyBytes) == 0 ? 0 : 255;
    s.ConvertedRow = out;
}

// One index a byte, or blue, green, red, at the pass's columns.
void TPngReader::StoreDibRow(int y) {
    TPngReadState& s = *S;
    const uint8_t* src = s.ConvertedRow;
    uint8_t* dst = s.Dib->ScanLine(y);
    const int n = s.PassPixels;
    const int step = s.ColumnStep;
    int x = s.FirstColumn;
    switch (s.TargetBits) {
        case 1:
            for (int i = 0; i < n; ++i, x += step) dst[x] = static_cast<uint8_t>((src[i >> 3] >> (7 - (i & 7))) & 1);
            break;
        case 4:
            for (int i = 0; i < n; ++i, x += step)
                dst[x] = static_cast<uint8_t>((i & 1) ? (src[i >> 1] & 0x0F) : (src[i >> 1] >> 4));
            break;
        case 8:
            if (step == 1) std::memcpy(dst, src, static_cast<size_t>(n));
            else for (int i = 0; i < n; ++i, x += step) dst[x] = src[i];
            break;
        default:
            if (step == 1) std::memcpy(dst, src, static_cast<size_t>(n) * 3);
            else for (int i = 0; i < n; ++i, x += step) std::memcpy(dst + 3 * x, src + 3 * i, 3);
            break;
    }
}

void TPngReader::StoreRow(int y) {
    TPngReadState& s = *S;
    if (s.Dib) {
        StoreDibRow(y);
        if (!s.Alpha.empty()) {
            uint8_t* row = s.Alpha.data() + static_cast<size_t>(y) * static_cast<size_t>(s.Width);
            for (int i = 0, x = s.FirstColumn; i < s.PassPixels; ++i, x += s.ColumnStep) row[x] = s.AlphaRow[i];
        }
        return;
    }
    s.TargetRow = s.Owner->Bitmap()->ScanLine(y);
    const uint8_t* src = s.ConvertedRow;
    uint8_t* dst = s.TargetRow;
    if (s.InterlaceMethod != 1) {
        std::memcpy(dst, src, static_cast<size_t>(s.TargetStride));
        return;
    }
    const int n = s.PassPixels;
    int x = s.FirstColumn;
    switch (s.TargetBits) {
        case 1:
            for (int i = 0; i < n; ++i, x += s.ColumnStep) {
                const uint8_t mask = static_cast<uint8_t>(0x80 >> (x & 7));
                if ((src[i >> 3] >> (7 - (i & 7))) & 1)
                    dst[x >> 3] |= mask;
                else
                    dst[x >> 3] &= static_cast<uint8_t>(~mask);
            }
            break;
        case 4:
            for (int i = 0; i < n; ++i, x += s.ColumnStep) {
                const uint8_t v = (i & 1) ? (src[i >> 1] & 0x0F) : (src[i >> 1] >> 4);
                uint8_t& b = dst[x >> 1];
                b = (x & 1) ? static_cast<uint8_t>((b & 0xF0) | v) : static_cast<uint8_t>((b & 0x0F) | (v << 4));
            }
            break;
        case 8:
            for (int i = 0; i < n; ++i, x += s.ColumnStep) dst[x] = src[i];
            break;
        default:
            for (int i = 0; i < n; ++i, x += s.ColumnStep) std::memcpy(dst + 3 * x, src + 3 * i, 3);
            break;
    }
}

void TPngReader::DecodeImage() {
    TPngReadState& s = *S;
    if (!s.IhdrSeen) Fail(kMsgIdatBeforeIhdr);
    s.IdatSeen = true;
    SetUpImage();
    const bool interlaced = s.InterlaceMethod == 1;
    const size_t distance = std::max(1, (s.PngBpp + 7) / 8);
    s.LastPass = interlaced ? 6 : 0;
    for (s.Pass = 0; s.Pass <= s.LastPass; ++s.Pass) {
        if (interlaced) {
            s.FirstColumn = kPassColumn[s.Pass];
            s.ColumnStep = kPassColumnStep[s.Pass];
        } else {
            s.FirstColumn = 0;
            s.ColumnStep = 1;
        }
        s.PassPixels = s.Width > s.FirstColumn ? (s.Width - s.FirstColumn + s.ColumnStep - 1) / s.ColumnStep : 0;
        s.FilteredLength = (static_cast<size_t>(s.PassPixels) * s.PngBpp + 7) / 8 + 1;
        std::memset(s.PreviousRow, 0, s.RowBufferSize);
        const int firstRow = interlaced ? kPassRow[s.Pass] : 0;
        const int rowStep = interlaced ? kPassRowStep[s.Pass] : 1;
        s.PassRows = s.Height;
        for (s.RowCounter = 0; s.RowCounter < s.PassRows; ++s.RowCounter) {
            const int y = s.RowCounter;
            if (s.PassPixels == 0 || y < firstRow || (y - firstRow) % rowStep != 0) continue;
            InflateInto(s.CurrentRow, s.FilteredLength);
            if (!UnfilterPngRow(s.CurrentRow[0], s.CurrentRow + 1, s.PreviousRow + 1, s.FilteredLength - 1, distance))
                Fail(kMsgRowFilter);
            ConvertRow();
            StoreRow(y);
            std::swap(s.CurrentRow, s.PreviousRow);
        }
    }
    DrainImageData();
}

std::vector<uint8_t> TPngReader::TakeAlpha() {
    TPngReadState& s = *S;
    if (s.IsPalette && !s.Trns.empty()) {
        s.Dib->SetAlphas(s.Trns);
        return {};
    }
    // Grey of up to 8 bits has an entry per value; other keys were compared as the rows came.
    if (s.IsGrey && s.BitDepth <= 8 && !s.Trns.empty()) {
        const uint16_t grey = ReadBE16(s.Trns.data());
        std::vector<uint8_t> alphas(static_cast<size_t>(s.Dib->Colors()), 255);
        if (grey < alphas.size()) alphas[grey] = 0;
        s.Dib->SetAlphas(alphas);
        return {};
    }
    if (!s.Key.empty() && !s.Dib->IsTrueColor()) {
        s.Dib = WithTransparentPixels(std::move(s.Dib), s.Alpha);
        return {};
    }
    return std::move(s.Alpha);
}

}  // namespace

TPngPicture TKPNGLE::ReadPicture(TByteReadStream& stream) {
    TPngReader reader(nullptr, stream);
    reader.KeepAlpha();
    reader.Run();
    TPngPicture picture;
    picture.Alpha = reader.TakeAlpha();
    picture.Dib = reader.TakeDib();
    return picture;
}

void TKPNGLE::LoadPng(TByteReadStream& stream) {
    TPngReader reader(this, stream);
    reader.Run();
}

std::unique_ptr<TDib> TKPNGLE::ReadDib(TByteReadStream& stream) {
    TPngReader reader(nullptr, stream);
    reader.Run();
    return reader.TakeDib();
}

}  // namespace pixmo
