// BMP files, and the file constructors and SaveToFile through the format table.
#include <algorithm>

#include "image/byte_order.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/file_format.h"
#include "image/palette_reduce.h"
#include "image/file_io.h"
#include "image/packed_dib.h"

namespace pixmo {
namespace {

// The original text lost its characters to a code page; this says what it meant.
constexpr TSourceText kMsgNotBmp = PIXMO_MSG("pixmo::Core", "%1 non è un file BMP");

void RefuseAboveColorTable(const TDib& image) {
    if (image.BitCount() > 8) RaiseError(DepthRefused(image.BitCount()));
}

[[noreturn]] void RaiseNotSupported(const TFileFormat& format) {
    RaiseError(Msg(PIXMO_MSG("pixmo::Core", "%1 non ancora supportato"), format.Name));
}

}  // namespace

TDibParts LocateBmp(TByteSource& file, const std::string& fileName) {
    uint8_t head[kFileHeaderSize];
    const size_t present = static_cast<size_t>(std::min<uint64_t>(file.Size(), kFileHeaderSize));
    if (present < 2 || !file.ReadAt(0, head, present) || head[0] != 'B' || head[1] != 'M')
        RaiseError(Msg(kMsgNotBmp, fileName));
    if (present < kFileHeaderSize) RaiseError(CoreMessage(kMsgBadInfoHeader));
    return LocateDibParts(file, kFileHeaderSize, static_cast<int64_t>(ReadLE32(head + 10)));
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

TFileFormat BmpFileFormat() {
    return TFileFormat{
        "BMP",
        {".bmp", ".dib"},
        [](std::span<const uint8_t> head) { return head.size() >= 2 && head[0] == 'B' && head[1] == 'M'; },
        [](TByteSource& source, const std::string& fileName) { return CreateFromBmp<TDib>(source, fileName); },
        [](const TDib& image, const std::string& fileName) { WriteFileAtomically(fileName, BuildBmpFile(image)); },
        nullptr,
        kFormatStill,
        PIXMO_TRANSLATE_NOOP("pixmo::Core", "File Bitmap (*.bmp)"),
    };
}

std::unique_ptr<TDib> TDib::CreateFromFile(const std::string& fileName) {
    const TFileFormat& format = FormatForName(fileName);
    if (!format.Load) RaiseNotSupported(format);
    TFileSource file(fileName);
    return format.Load(file, fileName);
}

std::unique_ptr<TDib> OpenImageFile(const std::string& fileName) {
    const TFileFormat& format = FormatForName(fileName);
    if (!format.Load) RaiseNotSupported(format);
    TFileSource file(fileName);
    if (format.LoadForEditing) return format.LoadForEditing(file, fileName);
    return PaletteIfFew(format.Load(file, fileName));
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
    const TFileFormat& format = FormatForName(fileName);
    if (!format.Save) RaiseNotSupported(format);
    format.Save(*this, fileName);
}

void TDib::SaveToFile(const std::string& fileName, const TSaveOptions& options) const {
    const TFileFormat& format = FormatForName(fileName);
    if (!format.SaveWithOptions) return SaveToFile(fileName);
    format.SaveWithOptions(*this, fileName, options);
}

}  // namespace pixmo
