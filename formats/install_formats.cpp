#include "formats/install_formats.h"

#include "formats/kpngle.h"
#include "image/dib.h"
#include "image/file_io.h"
#include "image/png_hook.h"

namespace pixmo {

namespace {

std::unique_ptr<TDib> LoadPngFile(const std::string& fileName) {
    const std::vector<uint8_t> bytes = ReadWholeFile(fileName);
    TByteReadStream stream(bytes, fileName);
    TKPNGLE png;
    png.LoadPng(stream);
    return png.CreateDib();
}

void SavePngFile(const TDib& image, const std::string& fileName) {
    TKPNGLE png;
    png.CopyFrom(image);
    png.Compression = 1;
    TByteWriteStream stream;
    png.SavePng(stream);
    WriteFileAtomically(fileName, stream.Bytes());
}

}  // namespace

void InstallFormats() { InstallPngHooks(TPngHooks{&LoadPngFile, &SavePngFile}); }

}  // namespace pixmo
