#include "formats/install_formats.h"

#include "image/png_hook.h"

namespace pixmo {

void InstallFormats() {}

}  // namespace pixmo
