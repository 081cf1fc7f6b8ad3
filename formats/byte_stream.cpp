#include "formats/byte_stream.h"

#include "image/errors.h"

namespace pixmo {

namespace {
constexpr const char* kMsgStreamRead = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Stream read error");
}

TByteReadStream::TByteReadStream(std::span<const uint8_t> bytes, std::string fileName)
    : FMemory(bytes), FSource(FMemory), FFileName(std::move(fileName)), FSize(bytes.size()) {}

TByteReadStream::TByteReadStream(TByteSource& source, std::string fileName)
    : FMemory({}), FSource(source), FFileName(std::move(fileName)), FSize(source.Size()) {}

void TByteReadStream::RaiseReadError() const {
    if (FFileName.empty()) RaiseError(CoreMessage(kMsgStreamRead));
    RaiseError(Msg(PIXMO_MSG("pixmo::Core", "Stream read error: \"%1\""), FFileName));
}

void TByteReadStream::ReadBuffer(void* buffer, size_t count) {
    if (count > Remaining() || !FSource.ReadAt(FPosition, buffer, count)) RaiseReadError();
    FPosition += count;
}

void TByteReadStream::Skip(uint64_t count) {
    if (count > Remaining()) RaiseReadError();
    FPosition += count;
}

void TByteWriteStream::WriteBuffer(const void* buffer, size_t count) {
    const auto* p = static_cast<const uint8_t*>(buffer);
    FBytes.insert(FBytes.end(), p, p + count);
}

}  // namespace pixmo
