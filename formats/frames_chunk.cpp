#include "formats/frames_chunk.h"

#include <algorithm>

#include "formats/png_chunks.h"
#include "image/errors.h"

namespace pixmo {

namespace {
constexpr uint8_t kFramesVersion = 1;
constexpr size_t kFrameBytes = 20;
}  // namespace

std::vector<uint8_t> FramesChunkData(const TSheetFrames& frames) {
    std::vector<uint8_t> data(1 + kFrameBytes * frames.size());
    data[0] = kFramesVersion;
    uint8_t* p = data.data() + 1;
    for (const TSheetFrame& f : frames) {
        for (int v : {f.Rect.Left, f.Rect.Top, f.Rect.Width(), f.Rect.Height(), f.DelayMs}) {
            WriteBE32(p, static_cast<uint32_t>(v));
            p += 4;
        }
    }
    return data;
}

std::optional<TSheetFrames> ParseFramesChunk(std::span<const uint8_t> data, int width, int height) {
    if (data.empty() || data[0] != kFramesVersion || (data.size() - 1) % kFrameBytes != 0) return std::nullopt;
    const size_t count = (data.size() - 1) / kFrameBytes;
    if (count == 0 || count > kMaxSheetFrames) return std::nullopt;
    TSheetFrames frames;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* p = data.data() + 1 + i * kFrameBytes;
        const uint32_t left = ReadBE32(p), top = ReadBE32(p + 4), w = ReadBE32(p + 8), h = ReadBE32(p + 12);
        const uint32_t delay = ReadBE32(p + 16);
        // Unsigned, so a "negative" number is far too large.
        if (w == 0 || h == 0 || left > uint32_t(width) || top > uint32_t(height) || w > uint32_t(width) - left ||
            h > uint32_t(height) - top || delay < kMinFrameDelay || delay > kMaxFrameDelay)
            return std::nullopt;
        const int x = static_cast<int>(left), y = static_cast<int>(top);
        frames.push_back(TSheetFrame{TRect{x, y, x + static_cast<int>(w), y + static_cast<int>(h)}, static_cast<int>(delay)});
    }
    return frames;
}

std::vector<uint8_t> WithFramesChunk(std::vector<uint8_t> png, const TSheetFrames& frames) {
    if (frames.empty()) return png;
    size_t at = sizeof kPngSignature;
    while (at + 12 <= png.size()) {
        const uint32_t length = ReadBE32(&png[at]);
        if (ReadBE32(&png[at + 4]) == kChunkIDAT) break;
        at += 12 + static_cast<size_t>(length);
    }
    if (at + 12 > png.size()) RaiseError(Msg(PIXMO_MSG("pixmo::Core", "PNG senza dati dell'immagine")));
    std::vector<uint8_t> chunk;
    AppendPngChunk(chunk, kChunkFrames, FramesChunkData(frames));
    png.insert(png.begin() + static_cast<ptrdiff_t>(at), chunk.begin(), chunk.end());
    return png;
}

std::vector<TPngChunkPlace> ListPngChunks(TByteSource& source) {
    std::vector<TPngChunkPlace> chunks;
    uint8_t head[8];
    if (!source.ReadAt(0, head, 8) || !std::equal(head, head + 8, kPngSignature)) return chunks;
    uint64_t at = 8;
    while (source.ReadAt(at, head, 8)) {
        const TPngChunkPlace place{ReadBE32(head + 4), at + 8, ReadBE32(head)};
        if (place.Length > 0x7FFFFFFFu || place.Offset + place.Length + 4 > source.Size()) break;
        chunks.push_back(place);
        if (place.Type == kChunkIEND) break;
        at = place.Offset + place.Length + 4;
    }
    return chunks;
}

std::vector<uint8_t> ReadChunkData(TByteSource& source, const TPngChunkPlace& place) {
    std::vector<uint8_t> data(place.Length);
    if (!source.ReadAt(place.Offset, data.data(), data.size()))
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "PNG troncato")));
    return data;
}

}  // namespace pixmo
