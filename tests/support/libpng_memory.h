#pragma once
// libpng reading from bytes in memory, for the oracles of the tests and benchmarks (libpng
// is never linked into the programs).
#include <png.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace pixmo::test {

struct TPngMemorySource {
    const std::vector<uint8_t>* Bytes;
    size_t Pos;
};

// A png_rw_ptr for png_set_read_fn with a TPngMemorySource as the io pointer.
inline void ReadPngFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* src = static_cast<TPngMemorySource*>(png_get_io_ptr(png));
    if (count > src->Bytes->size() - src->Pos) png_error(png, "read past end");
    std::memcpy(out, src->Bytes->data() + src->Pos, count);
    src->Pos += count;
}

}  // namespace pixmo::test
