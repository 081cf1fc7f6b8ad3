#include "formats/animation_file.h"

#include <cstring>

#include "formats/avi_stream.h"
#include "formats/frames_chunk.h"
#include "formats/kpngle.h"
#include "formats/png_chunks.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/file_format.h"
#include "image/file_io.h"

namespace pixmo {

std::optional<TAnimationFileForm> AnimationFormForName(const std::string& fileName) {
    const TFileFormat* format = AnimationFormatForName(fileName);
    if (!format) return std::nullopt;
    return static_cast<TAnimationFileForm>(format->Form);
}

void WriteAnimation(const TDib& image, const std::vector<TRect>& frames, int intervalMs,
                    const std::string& fileName, int transparentIndex) {
    WriteAnimationFrames(image, FramesWithDelay(frames, intervalMs), fileName, transparentIndex);
}

TMessage WriteAnimationFrames(const TDib& image, const TSheetFrames& frames, const std::string& fileName,
                              int transparentIndex) {
    const auto form = AnimationFormForName(fileName);
    if (!form) RaiseError(Msg(kMsgNoAnimationForm, fileName));
    for (const TSheetFrame& f : frames)
        if (f.DelayMs < kMinFrameDelay || f.DelayMs > kMaxFrameDelay)
            RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Intervallo non valido: %1 ms"), f.DelayMs));
    switch (*form) {
        case TAnimationFileForm::Avi:
            return WriteAnimationAvi(image, frames, fileName);
        case TAnimationFileForm::Gif:
            WriteAnimationGif(image, frames, fileName, transparentIndex);
            break;
        case TAnimationFileForm::Apng:
            WriteAnimationApng(image, frames, fileName, transparentIndex);
            break;
        case TAnimationFileForm::Strip:
            WriteSpriteStrip(image, frames, fileName, transparentIndex);
            break;
    }
    return {};
}

void ForEachFrame(const TDib& image, const std::vector<TRect>& frames,
                  const std::function<void(const TDib& frame, size_t number)>& take) {
    if (frames.empty() || frames[0].IsEmpty())
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Nessun fotogramma da salvare")));
    const auto current = TDib::CreateFromRect(image, frames[0]);
    const size_t bytes = static_cast<size_t>(current->PixelBytes());
    for (size_t n = 0; n < frames.size(); ++n) {
        if (n > 0) {
            // The same image, so the same colour table: the pixels are copied as they are.
            const TRect& r = frames[n];
            const auto piece = TDib::CreateFromRect(image, r);
            const int w = std::min(current->Width(), piece->Width());
            const int h = std::min(current->Height(), piece->Height());
            for (int y = 0; y < h; ++y) std::memcpy(current->ScanLine(y), piece->ScanLine(y), bytes * static_cast<size_t>(w));
        }
        take(*current, n);
    }
}

std::vector<uint8_t> PngFileBytes(const TDib& image, int transparentIndex) {
    TKPNGLE png;
    png.CopyFrom(image);
    png.Compression = 1;
    TByteWriteStream stream;
    png.SavePng(stream);
    std::vector<uint8_t> bytes = stream.TakeBytes();
    if (image.IsTrueColor() || transparentIndex < 0 || transparentIndex >= image.Colors()) return bytes;
    // tRNS stands after PLTE, before the image data; a writer that keeps one already wins.
    size_t at = sizeof kPngSignature;
    size_t insertAt = 0;
    while (at + 8 <= bytes.size()) {
        const uint32_t length = ReadBE32(&bytes[at]);
        const uint32_t type = ReadBE32(&bytes[at + 4]);
        if (type == kChunkTRNS) return bytes;
        if (type == kChunkPLTE) insertAt = at + 12 + length;
        at += 12 + static_cast<size_t>(length);
    }
    if (insertAt == 0) return bytes;
    std::vector<uint8_t> alpha(static_cast<size_t>(transparentIndex) + 1, 255);
    alpha.back() = 0;
    std::vector<uint8_t> chunk;
    AppendPngChunk(chunk, kChunkTRNS, alpha);
    bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(insertAt), chunk.begin(), chunk.end());
    return bytes;
}

void WriteSpriteStrip(const TDib& image, const TSheetFrames& frames, const std::string& fileName,
                      int transparentIndex) {
    std::unique_ptr<TDib> strip;
    TSheetFrames placed;
    ForEachFrame(image, FrameRects(frames), [&](const TDib& frame, size_t n) {
        if (!strip) {
            const int64_t width = int64_t{frame.Width()} * static_cast<int64_t>(frames.size());
            if (width > kMaxDibSide) RaiseError(Msg(PIXMO_MSG("pixmo::Core", "L'immagine è troppo grande")));
            strip = TDib::CreateResized(frame, TPoint{static_cast<int>(width), frame.Height()});
        }
        const size_t rowBytes = static_cast<size_t>(frame.Width()) * static_cast<size_t>(frame.PixelBytes());
        for (int y = 0; y < frame.Height(); ++y) std::memcpy(strip->ScanLine(y) + n * rowBytes, frame.ScanLine(y), rowBytes);
        const int left = static_cast<int>(n) * frame.Width();
        placed.push_back(TSheetFrame{TRect{left, 0, left + frame.Width(), frame.Height()}, frames[n].DelayMs});
    });
    WriteFileAtomically(fileName, WithFramesChunk(PngFileBytes(*strip, transparentIndex), placed));
}

}  // namespace pixmo
