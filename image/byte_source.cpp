#include "image/byte_source.h"

#include <cstring>

namespace pixmo {

bool TMemorySource::ReadAt(uint64_t offset, void* destination, size_t count) {
    if (offset > FBytes.size() || count > FBytes.size() - offset) return false;
    if (count) std::memcpy(destination, FBytes.data() + offset, count);
    return true;
}

}  // namespace pixmo
