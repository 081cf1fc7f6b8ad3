#include "formats/byte_stream.h"

#include <cstring>

#include "image/errors.h"

namespace pixmo {

namespace {
constexpr const char* kMsgStreamRead = "Stream read error";
}

void TByteReadStream::RaiseReadError() const {
    if (FFileName.empty()) RaiseError(kMsgStreamRead);
    RaiseError(Format("%s: \"%s\"", kMsgStreamRead, FFileName.c_str()));
}

void TByteReadStream::ReadBuffer(void* buffer, size_t count) {
    if (count > Remaining()) RaiseReadError();
    if (count) std::memcpy(buffer, FBytes.data() + FPosition, count);
    FPosition += count;
}

void TByteReadStream::Skip(uint64_t count) {
    if (count > Remaining()) RaiseReadError();
    FPosition += static_cast<size_t>(count);
}

void TByteWriteStream::WriteBuffer(const void* buffer, size_t count) {
    const auto* p = static_cast<const uint8_t*>(buffer);
    FBytes.insert(FBytes.end(), p, p + count);
}

}  // namespace pixmo
