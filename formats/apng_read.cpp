// APNG files: each frame's data (the IDAT chunks for a frame whose control stands before
// them, else its fdAT chunks without their sequence numbers) is put behind the file's own
// head (IHDR at the frame's size, PLTE, tRNS) and decoded by our own PNG reader. Frames are
// composed on a canvas that starts transparent: blend 0 replaces the frame's rectangle,
// blend 1 lays its opaque pixels over it; after the frame, disposal 1 clears the rectangle
// and disposal 2 restores what was under it (on the first frame, disposal 2 clears).
#include <algorithm>

#include "formats/animation_sheet.h"
#include "formats/frames_chunk.h"
#include "formats/gif_read.h"
#include "formats/kpngle.h"
#include "formats/png_chunks.h"
#include "image/dib.h"
#include "image/errors.h"

namespace pixmo {

namespace {

constexpr const char* kMsgBadApng = PIXMO_TRANSLATE_NOOP("pixmo::Core", "APNG non valida");

struct TApngFrame {
    uint32_t Width = 0, Height = 0, Left = 0, Top = 0;
    int DelayMs = 100;
    uint8_t Dispose = 0, Blend = 0;
    std::vector<std::vector<uint8_t>> Data;  // its compressed pieces, in order
};

TApngFrame FrameOf(const std::vector<uint8_t>& control, uint32_t width, uint32_t height) {
    if (control.size() != 26) RaiseError(CoreMessage(kMsgBadApng));
    TApngFrame f;
    f.Width = ReadBE32(&control[4]);
    f.Height = ReadBE32(&control[8]);
    f.Left = ReadBE32(&control[12]);
    f.Top = ReadBE32(&control[16]);
    if (f.Width == 0 || f.Height == 0 || f.Left > width || f.Top > height || f.Width > width - f.Left ||
        f.Height > height - f.Top || control[24] > 2 || control[25] > 1)
        RaiseError(CoreMessage(kMsgBadApng));
    const uint32_t num = ReadBE16(&control[20]), den = ReadBE16(&control[22]) ? ReadBE16(&control[22]) : 100;
    f.DelayMs = static_cast<int>(std::clamp<uint32_t>((num * 1000 + den / 2) / den, kMinFrameDelay, kMaxFrameDelay));
    f.Dispose = control[24];
    f.Blend = control[25];
    return f;
}

// The frame's pixels as colours 0xAARRGGBB, alpha 0 or 255 (a pixel counts as transparent
// only when fully so).
std::vector<uint32_t> DecodeFrame(const TApngFrame& f, const std::vector<uint8_t>& ihdr,
                                  const std::vector<std::vector<uint8_t>>& head) {
    std::vector<uint8_t> png(kPngSignature, kPngSignature + sizeof kPngSignature);
    std::vector<uint8_t> header = ihdr;
    WriteBE32(&header[0], f.Width);
    WriteBE32(&header[4], f.Height);
    AppendPngChunk(png, kChunkIHDR, header);
    AppendPngChunk(png, kChunkPLTE, head[0]);
    if (head[0].empty()) png.resize(png.size() - 12);
    if (!head[1].empty()) AppendPngChunk(png, kChunkTRNS, head[1]);
    for (const auto& piece : f.Data) AppendPngChunk(png, kChunkIDAT, piece);
    AppendPngChunk(png, kChunkIEND, {});
    TByteReadStream stream(png);
    const TPngPicture picture = TKPNGLE::ReadPicture(stream);
    const TDib& dib = *picture.Dib;
    if (dib.Width() != static_cast<int>(f.Width) || dib.Height() != static_cast<int>(f.Height)) RaiseError(CoreMessage(kMsgBadApng));
    std::vector<uint32_t> pixels(static_cast<size_t>(f.Width) * f.Height);
    const std::vector<uint8_t>& entryAlpha = dib.Alphas();
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x) {
            const size_t at = static_cast<size_t>(y) * f.Width + static_cast<size_t>(x);
            uint32_t rgb;
            bool clear;
            if (dib.IsTrueColor()) {
                const uint8_t* p = dib.ScanLine(y) + 3 * x;  // blue, green, red
                rgb = uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
                clear = !picture.Alpha.empty() && picture.Alpha[at] == 0;
            } else {
                const uint8_t index = dib.Pixel(x, y);
                const TColorRef c = dib.GetColor(index);
                rgb = (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);  // 0x00BBGGRR to 0xRRGGBB
                clear = index < entryAlpha.size() && entryAlpha[index] == 0;
            }
            pixels[at] = clear ? 0u : 0xFF000000u | rgb;
        }
    return pixels;
}

}  // namespace

std::unique_ptr<TDib> ReadApng(TByteSource& source) {
    const std::vector<TPngChunkPlace> chunks = ListPngChunks(source);
    if (std::none_of(chunks.begin(), chunks.end(), [](const TPngChunkPlace& c) { return c.Type == kChunkACTL; }))
        return nullptr;
    if (chunks.empty() || chunks[0].Type != kChunkIHDR || chunks[0].Length != 13) RaiseError(CoreMessage(kMsgBadApng));
    const std::vector<uint8_t> ihdr = ReadChunkData(source, chunks[0]);
    const uint32_t width = ReadBE32(&ihdr[0]), height = ReadBE32(&ihdr[4]);
    if (width < 1 || height < 1 || width > kMaxDibSide || height > kMaxDibSide) RaiseError(CoreMessage(kMsgBadApng));
    // No more frames than the frames chunk of a saved sheet can give back.
    const size_t maxFrames = std::min(MaxSheetFrames(static_cast<int>(width), static_cast<int>(height)), kMaxSheetFrames);

    std::vector<std::vector<uint8_t>> head(2);  // PLTE, tRNS
    std::vector<TApngFrame> frames;
    bool idatSeen = false;
    for (const TPngChunkPlace& c : chunks) {
        if (c.Type == kChunkPLTE && !idatSeen) head[0] = ReadChunkData(source, c);
        if (c.Type == kChunkTRNS && !idatSeen) head[1] = ReadChunkData(source, c);
        if (c.Type == kChunkFCTL) {
            if (frames.size() >= maxFrames) RaiseError(CoreMessage(kMsgTooManyFrames));
            frames.push_back(FrameOf(ReadChunkData(source, c), width, height));
        }
        // The default image is a frame only when a frame control stands before it.
        if (c.Type == kChunkIDAT) {
            idatSeen = true;
            if (!frames.empty()) frames.back().Data.push_back(ReadChunkData(source, c));
        }
        if (c.Type == kChunkFDAT && !frames.empty() && idatSeen) {
            if (c.Length < 4) RaiseError(CoreMessage(kMsgBadApng));
            std::vector<uint8_t> data = ReadChunkData(source, c);
            frames.back().Data.emplace_back(data.begin() + 4, data.end());
        }
    }
    frames.erase(std::remove_if(frames.begin(), frames.end(), [](const TApngFrame& f) { return f.Data.empty(); }),
                 frames.end());
    if (frames.empty()) RaiseError(CoreMessage(kMsgBadApng));

    std::vector<uint32_t> canvas(static_cast<size_t>(width) * height, 0u);
    std::vector<TCanvasFrame> shown;
    for (size_t n = 0; n < frames.size(); ++n) {
        const TApngFrame& f = frames[n];
        const std::vector<uint32_t> pixels = DecodeFrame(f, ihdr, head);
        const std::vector<uint32_t> under = f.Dispose == 2 && n > 0 ? canvas : std::vector<uint32_t>{};
        for (uint32_t y = 0; y < f.Height; ++y)
            for (uint32_t x = 0; x < f.Width; ++x) {
                const uint32_t p = pixels[static_cast<size_t>(y) * f.Width + x];
                uint32_t& target = canvas[static_cast<size_t>(f.Top + y) * width + f.Left + x];
                if (f.Blend == 0 || p >> 24) target = p;
            }
        shown.push_back(TCanvasFrame{canvas, f.DelayMs});
        if (f.Dispose == 0) continue;
        for (uint32_t y = f.Top; y < f.Top + f.Height; ++y) {
            const size_t at = static_cast<size_t>(y) * width + f.Left;
            if (under.empty())
                std::fill_n(canvas.begin() + static_cast<ptrdiff_t>(at), f.Width, 0u);
            else
                std::copy_n(under.begin() + static_cast<ptrdiff_t>(at), f.Width, canvas.begin() + static_cast<ptrdiff_t>(at));
        }
    }
    return BuildAnimationSheet(static_cast<int>(width), static_cast<int>(height), shown);
}

}  // namespace pixmo
