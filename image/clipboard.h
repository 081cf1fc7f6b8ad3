#pragma once
// The clipboard as the image model sees it: numbered formats holding byte blocks.
// Format 8 carries a packed DIB, format 130 a mask as a monochrome bitmap block. The
// window implements this over the system clipboard; TMemoryClipboard serves tests and
// the command-line tool.
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace pixmo {

constexpr int CF_DIB = 8;
constexpr int CF_DSPBITMAP = 130;
// PNG file bytes: a picture with its transparency ("image/png"), a registered format's number.
constexpr int CF_PNG = 0xC000;

class TClipboard {
public:
    virtual ~TClipboard() = default;
    virtual bool HasFormat(int format) const = 0;
    // The block of a format, or nothing when absent.
    virtual std::optional<std::vector<uint8_t>> GetData(int format) const = 0;
    // Adds a format beside those already there (as one open/close of the platform's).
    virtual void SetData(int format, std::vector<uint8_t> block) = 0;
    virtual void Clear() = 0;
};

class TMemoryClipboard : public TClipboard {
public:
    bool HasFormat(int format) const override { return FBlocks.count(format) != 0; }
    std::optional<std::vector<uint8_t>> GetData(int format) const override {
        auto it = FBlocks.find(format);
        if (it == FBlocks.end()) return std::nullopt;
        return it->second;
    }
    void SetData(int format, std::vector<uint8_t> block) override { FBlocks[format] = std::move(block); }
    void Clear() override { FBlocks.clear(); }

private:
    std::map<int, std::vector<uint8_t>> FBlocks;
};

}  // namespace pixmo
