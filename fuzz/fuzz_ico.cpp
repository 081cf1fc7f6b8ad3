// Any bytes given to the icon reader: refused with "Icona non valida." or loaded, never a
// crash, a read past the end, a hang or an unbounded allocation. What loads must save again
// and read back, and the table's ICO entries (loading, and opening with transparency) agree.
#include <cstddef>
#include <cstdint>

#include "formats/icon_file.h"
#include "formats/install_formats.h"
#include "image/byte_source.h"
#include "image/errors.h"
#include "image/file_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool installed = (pixmo::InstallFormats(), true);
    (void)installed;
    pixmo::TMemorySource source({data, size});
    pixmo::TIcons icons;
    try {
        icons.LoadFromSource(source);
    } catch (const pixmo::EPixmoError&) {
        return 0;
    }
    const std::vector<uint8_t> saved = icons.SaveToBytes();
    pixmo::TMemorySource again(saved);
    pixmo::TIcons back;
    back.LoadFromSource(again);  // what we write must read: a failure here is a finding
    pixmo::TMemorySource table({data, size});
    pixmo::FormatForName("fuzz.ico").Load(table, "fuzz.ico");
    pixmo::TMemorySource opened({data, size});
    pixmo::FormatForName("fuzz.ico").LoadForEditing(opened, "fuzz.ico");
    return 0;
}
