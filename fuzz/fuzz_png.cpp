// Any bytes given to the PNG reader: refused with an error or loaded, never a crash, a read
// past the end, a hang or an unbounded allocation. What loads must also save. The same bytes
// also go through the table's PNG entry, loading and opening with transparency.
#include <cstddef>
#include <cstdint>

#include "formats/install_formats.h"
#include "formats/kpngle.h"
#include "image/dib.h"
#include "image/file_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool installed = (pixmo::InstallFormats(), true);
    (void)installed;
    pixmo::TKPNGLE png;
    pixmo::TByteReadStream stream({data, size});
    try {
        png.LoadPng(stream);
        auto dib = png.CreateDib();
        pixmo::TKPNGLE copy;
        copy.CopyFrom(*dib);
        pixmo::TByteWriteStream out;
        copy.SavePng(out);
    } catch (const pixmo::EPixmoError&) {
    }
    try {
        pixmo::TMemorySource source({data, size});
        pixmo::FormatForName("fuzz.png").Load(source, "fuzz.png");
    } catch (const pixmo::EPixmoError&) {
    }
    try {
        pixmo::TMemorySource source({data, size});
        pixmo::FormatForName("fuzz.png").LoadForEditing(source, "fuzz.png");
    } catch (const pixmo::EPixmoError&) {
    }
    return 0;
}
