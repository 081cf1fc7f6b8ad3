#pragma once
// The frames of a sheet kept in its PNG file, in a chunk of our own: "pxFr" — ancillary
// (lower-case first letter), private (lower-case second), reserved bit clear (upper-case
// third) and safe to copy (lower-case fourth), so other programs skip it and editors keep it.
// Its data: a version byte 1, then per frame five big-endian 32-bit numbers: left, top,
// width, height and delay in milliseconds.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "image/byte_source.h"
#include "image/sheet_frames.h"

namespace pixmo {

constexpr uint32_t kChunkFrames = 0x70784672;  // "pxFr"
constexpr size_t kMaxSheetFrames = 10000;

std::vector<uint8_t> FramesChunkData(const TSheetFrames& frames);
// The frames of the data, or none when it is not a whole list of frames inside an image of
// that size with delays in range.
std::optional<TSheetFrames> ParseFramesChunk(std::span<const uint8_t> data, int width, int height);
// A PNG file with the chunk before its first IDAT; with no frames the file as it was.
std::vector<uint8_t> WithFramesChunk(std::vector<uint8_t> png, const TSheetFrames& frames);

// Where a chunk of a PNG file lies: its type, and its data's offset and length.
struct TPngChunkPlace {
    uint32_t Type = 0;
    uint64_t Offset = 0;
    uint32_t Length = 0;
};
// The chunks of a PNG source up to IEND or to where the bytes end or stop making sense; empty
// without the signature. Only the eight-byte heads are read.
std::vector<TPngChunkPlace> ListPngChunks(TByteSource& source);
// The data of a listed chunk; raises when the source holds fewer bytes.
std::vector<uint8_t> ReadChunkData(TByteSource& source, const TPngChunkPlace& place);

}  // namespace pixmo
