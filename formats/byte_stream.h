#pragma once
// The byte streams the PNG codec reads from and writes to: a reader over a byte source (bytes
// in memory, or a file read as it goes) and a writer that appends to a byte vector.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/byte_source.h"

namespace pixmo {

class TByteReadStream {
public:
    // A stream read from a file carries its name, so that the read error can say which.
    explicit TByteReadStream(std::span<const uint8_t> bytes, std::string fileName = {});
    TByteReadStream(TByteSource& source, std::string fileName);
    TByteReadStream(const TByteReadStream&) = delete;
    TByteReadStream& operator=(const TByteReadStream&) = delete;

    // Reads exactly `count` bytes; a stream that ends early raises "Stream read error"
    // (with the file's name as `Stream read error: "NAME"` when it has one).
    void ReadBuffer(void* buffer, size_t count);
    // Moves forward; past the end raises "Stream read error" as a read would.
    void Skip(uint64_t count);
    uint64_t Remaining() const { return FSize - FPosition; }

private:
    [[noreturn]] void RaiseReadError() const;

    TMemorySource FMemory;  // the source of a stream over bytes in memory
    TByteSource& FSource;
    std::string FFileName;
    uint64_t FSize;
    uint64_t FPosition = 0;
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
