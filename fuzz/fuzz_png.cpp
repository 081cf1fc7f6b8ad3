// Any bytes given to the PNG reader: refused with an error or loaded, never a crash, a read
// past the end, a hang or an unbounded allocation. What loads must also save.
#include <cstddef>
#include <cstdint>

#include "formats/kpngle.h"
#include "image/dib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
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
    return 0;
}
