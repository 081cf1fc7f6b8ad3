#pragma once
// Where a reader takes its bytes from: a block in memory or an open file, read at offsets.
// One reader then serves the clipboard, the fuzzers and files, and a file is never loaded
// whole before its image is built.
#include <cstddef>
#include <cstdint>
#include <span>

namespace pixmo {

class TByteSource {
public:
    virtual ~TByteSource() = default;
    // The bytes the source holds, as known when it was opened.
    virtual uint64_t Size() const = 0;
    // Copies `count` bytes from `offset`; false when fewer are there. A failing device
    // raises EPixmoError.
    virtual bool ReadAt(uint64_t offset, void* destination, size_t count) = 0;
};

class TMemorySource : public TByteSource {
public:
    explicit TMemorySource(std::span<const uint8_t> bytes) : FBytes(bytes) {}
    uint64_t Size() const override { return FBytes.size(); }
    bool ReadAt(uint64_t offset, void* destination, size_t count) override;

private:
    std::span<const uint8_t> FBytes;
};

}  // namespace pixmo
