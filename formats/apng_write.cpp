// APNG: each frame goes through our own PNG writer; frame 1's file gives the head (IHDR,
// PLTE, tRNS) and its IDAT chunks, so the file stays a plain PNG of frame 1 for viewers
// without APNG; later frames' IDAT data goes into fdAT chunks. Every fcTL and fdAT takes the
// next sequence number.
#include <algorithm>
#include <span>

#include "formats/animation_file.h"
#include "formats/png_chunks.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/file_io.h"

namespace pixmo {

namespace {

constexpr uint8_t kDisposeNone = 0;
constexpr uint8_t kBlendSource = 0;

struct TPngChunk {
    uint32_t Type;
    std::span<const uint8_t> Data;
};

// The chunks of a file our writer made; whole, so nothing but a fault of ours can fail here.
std::vector<TPngChunk> SplitChunks(const std::vector<uint8_t>& file) {
    std::vector<TPngChunk> chunks;
    size_t at = sizeof kPngSignature;
    while (at + 12 <= file.size()) {
        const size_t length = ReadBE32(&file[at]);
        if (at + 12 + length > file.size()) break;
        chunks.push_back(TPngChunk{ReadBE32(&file[at + 4]), {&file[at + 8], length}});
        at += 12 + length;
    }
    return chunks;
}

std::vector<uint8_t> FrameControl(uint32_t sequence, const TDib& frame, int intervalMs) {
    const int delay = std::clamp(intervalMs, 1, 65535);
    std::vector<uint8_t> data(26, 0);
    WriteBE32(&data[0], sequence);
    WriteBE32(&data[4], static_cast<uint32_t>(frame.Width()));
    WriteBE32(&data[8], static_cast<uint32_t>(frame.Height()));
    // x and y offsets stay 0: every frame covers the whole canvas.
    data[20] = static_cast<uint8_t>(delay >> 8);  // delay / 1000 s
    data[21] = static_cast<uint8_t>(delay);
    data[22] = 1000 >> 8;
    data[23] = 1000 & 0xFF;
    data[24] = kDisposeNone;
    data[25] = kBlendSource;
    return data;
}

}  // namespace

void WriteAnimationApng(const TDib& image, const TSheetFrames& frames, const std::string& fileName,
                        int transparentIndex) {
    TAtomicFile file(fileName);
    uint32_t sequence = 0;
    ForEachFrame(image, FrameRects(frames), [&](const TDib& frame, size_t n) {
        const std::vector<uint8_t> png = PngFileBytes(frame, transparentIndex);
        std::vector<uint8_t> out;
        if (n == 0) out.assign(png.begin(), png.begin() + sizeof kPngSignature);
        bool controlWritten = false;
        for (const TPngChunk& chunk : SplitChunks(png)) {
            if (chunk.Type == kChunkIEND) continue;
            if (chunk.Type != kChunkIDAT) {
                if (n == 0) AppendPngChunk(out, chunk.Type, chunk.Data);
                continue;
            }
            if (!controlWritten) {
                if (n == 0) {
                    uint8_t actl[8];
                    WriteBE32(actl, static_cast<uint32_t>(frames.size()));
                    WriteBE32(actl + 4, 0);  // plays: forever
                    AppendPngChunk(out, kChunkACTL, actl);
                }
                AppendPngChunk(out, kChunkFCTL, FrameControl(sequence++, frame, frames[n].DelayMs));
                controlWritten = true;
            }
            if (n == 0) {
                AppendPngChunk(out, kChunkIDAT, chunk.Data);
            } else {
                std::vector<uint8_t> data(4 + chunk.Data.size());
                WriteBE32(data.data(), sequence++);
                std::copy(chunk.Data.begin(), chunk.Data.end(), data.begin() + 4);
                AppendPngChunk(out, kChunkFDAT, data);
            }
        }
        file.Write(out);
    });
    std::vector<uint8_t> end;
    AppendPngChunk(end, kChunkIEND, {});
    file.Write(end);
    file.Commit();
}

}  // namespace pixmo
