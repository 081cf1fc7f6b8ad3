#include "formats/install_formats.h"

#include <algorithm>
#include <string_view>

#include "formats/animation_file.h"
#include "formats/frames_chunk.h"
#include "formats/gif_read.h"
#include "formats/icon_file.h"
#include "formats/kpngle.h"
#include "formats/palette_file.h"
#include "formats/png_chunks.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/file_format.h"
#include "image/file_io.h"
#include "image/palette_reduce.h"

namespace pixmo {

namespace {

std::unique_ptr<TDib> LoadPngFile(TByteSource& source, const std::string& fileName) {
    TByteReadStream stream(source, fileName);
    return TKPNGLE::ReadDib(stream);
}

// An APNG opens as the sheet of its frames; a still PNG with its frames chunk, if any.
std::unique_ptr<TDib> OpenPngFile(TByteSource& source, const std::string& fileName) {
    if (auto sheet = ReadApng(source)) return sheet;
    TByteReadStream stream(source, fileName);
    TPngPicture picture = TKPNGLE::ReadPicture(stream);
    auto image = PaletteIfFew(std::move(picture.Dib), picture.Alpha);
    for (const TPngChunkPlace& chunk : ListPngChunks(source))
        if (chunk.Type == kChunkFrames) {
            if (auto frames = ParseFramesChunk(ReadChunkData(source, chunk), image->Width(), image->Height()))
                image->SetFrames(std::move(*frames));
            break;
        }
    return image;
}

// The image's frames, when it has any, go with it.
void SavePngWithOptions(const TDib& image, const std::string& fileName, const TSaveOptions& options) {
    TKPNGLE png;
    png.CopyFrom(image);
    png.Compression = 1;
    png.Level = options.Png;
    TByteWriteStream stream;
    png.SavePng(stream);
    WriteFileAtomically(fileName, WithFramesChunk(stream.TakeBytes(), image.Frames()));
}

std::unique_ptr<TDib> LoadGifFile(TByteSource& source, const std::string&) { return ReadGif(source); }

// An image with frames (an opened animation) saves as that animation again; else a still GIF.
void SaveGifFile(const TDib& image, const std::string& fileName) {
    const TSheetFrames still{TSheetFrame{image.GetRect(), 100}};
    WriteAnimationGif(image, image.Frames().empty() ? still : image.Frames(), fileName, image.TransparentEntry());
}

void SavePngFile(const TDib& image, const std::string& fileName) { SavePngWithOptions(image, fileName, TSaveOptions{}); }

bool IsPngHead(std::span<const uint8_t> head) {
    return head.size() >= sizeof kPngSignature && std::equal(head.begin(), head.begin() + sizeof kPngSignature, kPngSignature);
}

// An icon opens as the picture of its first image.
std::unique_ptr<TDib> LoadIconFile(TByteSource& source, const std::string& fileName) {
    TIcons icons;
    icons.LoadFromSource(source, fileName);
    return std::move(icons.Item(0).Color);
}

void SaveIcon(const TDib& image, const std::string& fileName) { SaveIconFile(image, fileName, TIconOptions{}); }

void SaveIconWithOptions(const TDib& image, const std::string& fileName, const TSaveOptions& options) {
    SaveIconFile(image, fileName, options.Icon);
}

bool IsIconHead(std::span<const uint8_t> head) {
    return head.size() >= 4 && head[0] == 0 && head[1] == 0 && head[2] == 1 && head[3] == 0;
}

// A palette file opens as one row of its colours, so every palette source takes it.
std::unique_ptr<TDib> LoadPaletteFile(TByteSource& source, const std::string& fileName) {
    return CreatePaletteDib(ReadPaletteSource(source, fileName));
}

void SavePaletteOfImage(const TDib& image, const std::string& fileName) {
    if (image.IsTrueColor()) RaiseError(DepthRefused(image.BitCount()));
    WritePaletteFile(image.UsedColorTable(), fileName, image.TransparentEntry());
}

bool IsPaletteHead(std::span<const uint8_t> head) {
    auto starts = [&](std::string_view text) {
        return head.size() >= text.size() && std::equal(text.begin(), text.end(), head.begin());
    };
    return starts("GIMP Palette") || starts("JASC-PAL") ||
           (starts("RIFF") && head.size() >= 12 && std::string_view(reinterpret_cast<const char*>(&head[8]), 4) == "PAL ");
}

}  // namespace

void InstallFormats() {
    // The table names every entry; here each gets its codec.
    auto attach = [](const char* name, auto codec) {
        TFileFormat format = *FindFormat(name);
        codec(format);
        RegisterFormat(format);
    };
    attach("PNG", [](TFileFormat& f) {
        f.Test = &IsPngHead;
        f.Load = &LoadPngFile;
        f.Save = &SavePngFile;
        f.SaveWithOptions = &SavePngWithOptions;
        f.LoadForEditing = &OpenPngFile;
    });
    attach("ICO", [](TFileFormat& f) {
        f.Test = &IsIconHead;
        f.Load = &LoadIconFile;
        f.Save = &SaveIcon;
        f.SaveWithOptions = &SaveIconWithOptions;
        f.LoadForEditing = &OpenIconPicture;
    });
    attach("GIF", [](TFileFormat& f) {
        f.Test = &IsGifHead;
        f.Load = &LoadGifFile;
        f.Save = &SaveGifFile;
    });
    for (const char* name : {"GPL", "PAL", "HEX", "ACT"})
        attach(name, [](TFileFormat& f) {
            f.Test = &IsPaletteHead;
            f.Load = &LoadPaletteFile;
            f.Save = &SavePaletteOfImage;
        });
}

}  // namespace pixmo
