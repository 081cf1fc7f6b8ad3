#include "formats/png_chunks.h"

#include <zlib.h>

#include <algorithm>

namespace pixmo {

uint32_t PngChunkCrc(uint32_t type, const uint8_t* data, size_t length) {
    uint8_t typeBytes[4];
    WriteBE32(typeBytes, type);
    uLong crc = crc32(crc32(0L, Z_NULL, 0), typeBytes, 4);
    if (length) crc = crc32_z(crc, data, length);
    return static_cast<uint32_t>(crc);
}

void AppendPngChunk(std::vector<uint8_t>& out, uint32_t type, std::span<const uint8_t> data) {
    const size_t at = out.size();
    out.resize(at + 12 + data.size());
    WriteBE32(&out[at], static_cast<uint32_t>(data.size()));
    WriteBE32(&out[at + 4], type);
    if (!data.empty()) std::copy(data.begin(), data.end(), out.begin() + static_cast<ptrdiff_t>(at + 8));
    WriteBE32(&out[at + 8 + data.size()], PngChunkCrc(type, data.data(), data.size()));
}

}  // namespace pixmo
