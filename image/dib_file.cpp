// Image files: BMP read and written here, ".png" handed to the PNG codec's hooks.
#include "image/byte_order.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/file_io.h"
#include "image/packed_dib.h"
#include "image/png_hook.h"

namespace pixmo {
namespace {

constexpr const char* kMsgNoPng = "PNG non ancora supportato";
// The original text lost its characters to a code page; this says what it meant.
constexpr const char* kMsgNotBmp = "%s non è un file BMP";

bool IsPngName(const std::string& fileName) { return LowerExtension(fileName) == ".png"; }

void RefuseAboveColorTable(const TDib& image) {
    if (image.BitCount() > 8) RaiseError(DepthRefusedMessage(image.BitCount()));
}

}  // namespace

TDibParts LocateBmp(std::span<const uint8_t> file, const std::string& fileName) {
    if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') RaiseError(Format(kMsgNotBmp, fileName.c_str()));
    if (file.size() < kFileHeaderSize) RaiseError(kMsgBadInfoHeader);
    return LocateDibParts(file, kFileHeaderSize, static_cast<int64_t>(ReadLE32(file.data() + 10)));
}

std::vector<uint8_t> BuildBmpFile(const TDib& image) {
    const uint64_t total = kFileHeaderSize + static_cast<uint64_t>(image.PackedSize());
    std::vector<uint8_t> file(static_cast<size_t>(total));
    file[0] = 'B';
    file[1] = 'M';
    WriteLE32(file.data() + 2, static_cast<uint32_t>(total));
    WriteLE32(file.data() + 10, static_cast<uint32_t>(kFileHeaderSize + image.HeaderSize()));
    image.SaveToPacked(file.data() + kFileHeaderSize);
    return file;
}

std::unique_ptr<TDib> TDib::CreateFromFile(const std::string& fileName) {
    if (IsPngName(fileName)) {
        if (!PngHooks().Load) RaiseError(kMsgNoPng);
        return PngHooks().Load(fileName);
    }
    const std::vector<uint8_t> bytes = ReadWholeFile(fileName);
    return CreateFromBmpBytes<TDib>(bytes, fileName);
}

std::unique_ptr<TDib> TDib::CreateFromFilePaletted(const std::string& fileName) {
    auto image = CreateFromFile(fileName);
    RefuseAboveColorTable(*image);
    return image;
}

std::unique_ptr<TDib> TDib::CreateFromFileResized(const std::string& fileName, TPoint size) {
    auto loaded = CreateFromFile(fileName);
    RefuseAboveColorTable(*loaded);
    return CreateResized(*loaded, size);
}

std::unique_ptr<TDib> TDib::CreateFromFileOnPalette(const std::string& fileName, const TDib& paletteImage) {
    auto loaded = CreateFromFile(fileName);
    return CreateOnPalette(*loaded, paletteImage);
}

void TDib::SaveToFile(const std::string& fileName) const {
    if (IsPngName(fileName)) {
        if (!PngHooks().Save) RaiseError(kMsgNoPng);
        PngHooks().Save(*this, fileName);
        return;
    }
    WriteFileAtomically(fileName, BuildBmpFile(*this));
}

}  // namespace pixmo
