#include "formats/install_formats.h"

#include <algorithm>

#include "formats/icon_file.h"
#include "formats/kpngle.h"
#include "formats/png_chunks.h"
#include "image/dib.h"
#include "image/file_format.h"
#include "image/file_io.h"
#include "image/palette_reduce.h"

namespace pixmo {

namespace {

std::unique_ptr<TDib> LoadPngFile(TByteSource& source, const std::string& fileName) {
    TByteReadStream stream(source, fileName);
    return TKPNGLE::ReadDib(stream);
}

std::unique_ptr<TDib> OpenPngFile(TByteSource& source, const std::string& fileName) {
    TByteReadStream stream(source, fileName);
    TPngPicture picture = TKPNGLE::ReadPicture(stream);
    return PaletteIfFew(std::move(picture.Dib), picture.Alpha);
}

void SavePngFile(const TDib& image, const std::string& fileName) {
    TKPNGLE png;
    png.CopyFrom(image);
    png.Compression = 1;
    TByteWriteStream stream;
    png.SavePng(stream);
    WriteFileAtomically(fileName, stream.Bytes());
}

bool IsPngHead(std::span<const uint8_t> head) {
    return head.size() >= sizeof kPngSignature && std::equal(head.begin(), head.begin() + sizeof kPngSignature, kPngSignature);
}

// An icon opens as the picture of its first image.
std::unique_ptr<TDib> LoadIconFile(TByteSource& source, const std::string&) {
    TIcons icons;
    icons.LoadFromSource(source);
    return std::move(icons.Item(0).Color);
}

void SaveIconWithOptions(const TDib& image, const std::string& fileName) {
    SaveIconFile(image, fileName, CurrentIconOptions());
}

bool IsIconHead(std::span<const uint8_t> head) {
    return head.size() >= 4 && head[0] == 0 && head[1] == 0 && head[2] == 1 && head[3] == 0;
}

}  // namespace

void InstallFormats() {
    RegisterFormat(TFileFormat{"PNG", {".png"}, &IsPngHead, &LoadPngFile, &SavePngFile, &OpenPngFile});
    RegisterFormat(TFileFormat{"ICO", {".ico"}, &IsIconHead, &LoadIconFile, &SaveIconWithOptions});
}

}  // namespace pixmo
