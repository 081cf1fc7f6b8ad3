#include "formats/byte_stream.h"

#include <cstring>

#include "image/errors.h"

namespace pixmo {

namespace {
constexpr const char* kMsgStreamRead = "Stream read error";
}

void TByteReadStream::ReadBuffer(void* buffer, size_t count) {
    if (count > Remaining()) RaiseError(kMsgStreamRead);
    if (count) std::memcpy(buffer, FBytes.data() + FPosition, count);
    FPosition += count;
}

void TByteReadStream::Skip(uint64_t count) {
    if (count > Remaining()) RaiseError(kMsgStreamRead);
    FPosition += static_cast<size_t>(count);
}

void TByteWriteStream::WriteBuffer(const void* buffer, size_t count) {
    const auto* p = static_cast<const uint8_t*>(buffer);
    FBytes.insert(FBytes.end(), p, p + count);
}

}  // namespace pixmo
