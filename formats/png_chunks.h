#pragma once
// What the PNG reader and writer share: the signature, chunk types and buffer sizes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pixmo {

constexpr uint8_t kPngSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

// Chunk types as big-endian 32-bit numbers.
constexpr uint32_t kChunkIHDR = 0x49484452;
constexpr uint32_t kChunkPLTE = 0x504C5445;
constexpr uint32_t kChunkIDAT = 0x49444154;
constexpr uint32_t kChunkIEND = 0x49454E44;
constexpr uint32_t kChunkTRNS = 0x74524E53;
// Animated PNG's.
constexpr uint32_t kChunkACTL = 0x6163544C;
constexpr uint32_t kChunkFCTL = 0x6663544C;
constexpr uint32_t kChunkFDAT = 0x66644154;

// Compressed data moves through one buffer of this size in each direction; IDAT chunks
// are written at this size but the last.
constexpr size_t kPngZBufferSize = 32768;

// The zlib version the codec asks for at initialisation (any 1.x accepts it).
constexpr const char* kZlibVersionAsked = "1.1.2";

inline uint16_t ReadBE16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
inline uint32_t ReadBE32(const uint8_t* p) {
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
}
inline void WriteBE32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v >> 24);
    p[1] = static_cast<uint8_t>(v >> 16);
    p[2] = static_cast<uint8_t>(v >> 8);
    p[3] = static_cast<uint8_t>(v);
}

// The CRC a chunk ends with, taken over its type and data.
uint32_t PngChunkCrc(uint32_t type, const uint8_t* data, size_t length);
// Appends one whole chunk: length, type, data, CRC.
void AppendPngChunk(std::vector<uint8_t>& out, uint32_t type, std::span<const uint8_t> data);

}  // namespace pixmo
