// Any bytes given to the GIF and APNG readers (and the PNG frames chunk): refused with an
// error or opened as a sheet, never a crash, a read past the end, a hang or an unbounded
// allocation. What opens must also save, its frames with it.
#include <cstddef>
#include <cstdint>

#include "formats/frames_chunk.h"
#include "formats/gif_read.h"
#include "formats/install_formats.h"
#include "formats/kpngle.h"
#include "image/byte_source.h"
#include "image/dib.h"
#include "image/file_format.h"

namespace {
void Save(const pixmo::TDib& sheet) {
    pixmo::TKPNGLE png;
    png.CopyFrom(sheet);
    pixmo::TByteWriteStream out;
    png.SavePng(out);
    pixmo::WithFramesChunk(out.TakeBytes(), sheet.Frames());
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool installed = (pixmo::InstallFormats(), true);
    (void)installed;
    try {
        pixmo::TMemorySource source({data, size});
        Save(*pixmo::ReadGif(source));
    } catch (const pixmo::EPixmoError&) {
    }
    try {
        pixmo::TMemorySource source({data, size});
        // Through the table's PNG entry: an APNG, or a still PNG with its frames chunk.
        Save(*pixmo::FindFormat("PNG")->LoadForEditing(source, "fuzz.png"));
    } catch (const pixmo::EPixmoError&) {
    }
    return 0;
}
