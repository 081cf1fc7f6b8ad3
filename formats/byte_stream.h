#pragma once
// The byte streams the PNG codec reads from and writes to: a reader over bytes already in
// memory (a whole file, a clipboard block) and a writer that appends to a byte vector.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pixmo {

class TByteReadStream {
public:
    // A stream read from a file carries its name, so that the read error can say which.
    explicit TByteReadStream(std::span<const uint8_t> bytes, std::string fileName = {})
        : FBytes(bytes), FFileName(std::move(fileName)) {}

    // Reads exactly `count` bytes; a stream that ends early raises "Stream read error"
    // (with the file's name as `Stream read error: "NAME"` when it has one).
    void ReadBuffer(void* buffer, size_t count);
    // Moves forward; past the end raises "Stream read error" as a read would.
    void Skip(uint64_t count);
    uint64_t Remaining() const { return FBytes.size() - FPosition; }
    uint64_t Position() const { return FPosition; }

private:
    [[noreturn]] void RaiseReadError() const;

    std::span<const uint8_t> FBytes;
    std::string FFileName;
    size_t FPosition = 0;
};

class TByteWriteStream {
public:
    void WriteBuffer(const void* buffer, size_t count);
    const std::vector<uint8_t>& Bytes() const { return FBytes; }
    std::vector<uint8_t> TakeBytes() { return std::move(FBytes); }

private:
    std::vector<uint8_t> FBytes;
};

}  // namespace pixmo
