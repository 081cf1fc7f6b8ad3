// Any bytes given to the palette readers, as each of the four names: refused with "File di
// palette non valido: ..." or read as 1 to 256 colours, never a crash, a read past the end or
// a large allocation. What reads must write in every form and read back the same.
#include <cstddef>
#include <cstdint>

#include "formats/install_formats.h"
#include "formats/palette_file.h"
#include "image/byte_source.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/file_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool installed = (pixmo::InstallFormats(), true);
    (void)installed;
    for (const char* name : {"fuzz.gpl", "fuzz.pal", "fuzz.hex", "fuzz.act"}) {
        pixmo::TPaletteFile palette;
        try {
            palette = pixmo::ParsePaletteFile({data, size}, name);
        } catch (const pixmo::EPixmoError&) {
            continue;
        }
        if (palette.Colors.empty() || palette.Colors.size() > 256) __builtin_trap();
        for (const char* form : {"back.gpl", "back.pal", "back.hex", "back.act"}) {
            const auto bytes = pixmo::BuildPaletteFile(palette.Colors, form, palette.TransparentIndex);
            if (pixmo::ParsePaletteFile(bytes, form).Colors != palette.Colors) __builtin_trap();
        }
        pixmo::TMemorySource table({data, size});
        const auto image = pixmo::FormatForName(name).Load(table, name);
        if (image->Colors() != static_cast<int>(palette.Colors.size())) __builtin_trap();
    }
    return 0;
}
