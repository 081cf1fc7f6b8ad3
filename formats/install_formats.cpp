#include "formats/install_formats.h"

#include <algorithm>

#include "formats/kpngle.h"
#include "formats/png_chunks.h"
#include "image/dib.h"
#include "image/file_format.h"
#include "image/file_io.h"

namespace pixmo {

namespace {

std::unique_ptr<TDib> LoadPngFile(TByteSource& source, const std::string& fileName) {
    TByteReadStream stream(source, fileName);
    return TKPNGLE::ReadDib(stream);
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

}  // namespace

void InstallFormats() { RegisterFormat(TFileFormat{"PNG", {".png"}, &IsPngHead, &LoadPngFile, &SavePngFile}); }

}  // namespace pixmo
