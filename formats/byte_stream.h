#pragma once
// The byte streams the PNG codec reads from and writes to: a reader over bytes already in
// memory (a whole file, a clipboard block) and a writer that appends to a byte vector.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pixmo {

class TByteReadStream {
public:
    explicit TByteReadStream(std::span<const uint8_t> bytes) : FBytes(bytes) {}

    // Reads exactly `count` bytes; a stream that ends early raises "Stream read error".
    void ReadBuffer(void* buffer, size_t count);
    // Moves forward; past the end raises "Stream read error" as a read would.
    void Skip(uint64_t count);
    uint64_t Remaining() const { return FBytes.size() - FPosition; }
    uint64_t Position() const { return FPosition; }

private:
    std::span<const uint8_t> FBytes;
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
