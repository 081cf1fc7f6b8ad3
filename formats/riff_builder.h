#pragma once
// Little-endian blocks of RIFF-style files (AVI, icons, palettes) built field by field.
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

#include "image/byte_order.h"

namespace pixmo {

class TLEBuilder {
public:
    void U8(uint8_t v) { FBytes.push_back(v); }
    void U16(uint16_t v) {
        const size_t at = Grow(2);
        WriteLE16(FBytes.data() + at, v);
    }
    void U32(uint32_t v) {
        const size_t at = Grow(4);
        WriteLE32(FBytes.data() + at, v);
    }
    // Four characters as they stand ("RIFF", "00db").
    void FourCC(std::string_view code) { Bytes({reinterpret_cast<const uint8_t*>(code.data()), 4}); }
    void Bytes(std::span<const uint8_t> bytes) { FBytes.insert(FBytes.end(), bytes.begin(), bytes.end()); }
    void Zeros(size_t count) { FBytes.resize(FBytes.size() + count, 0); }
    // Overwrites a 32-bit field written earlier (a size known only later).
    void PatchU32(size_t at, uint32_t v) { WriteLE32(FBytes.data() + at, v); }
    size_t Size() const { return FBytes.size(); }
    const std::vector<uint8_t>& Data() const { return FBytes; }

private:
    size_t Grow(size_t count) {
        const size_t at = FBytes.size();
        FBytes.resize(at + count);
        return at;
    }
    std::vector<uint8_t> FBytes;
};

}  // namespace pixmo
