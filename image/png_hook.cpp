#include "image/png_hook.h"

namespace pixmo {
namespace {
TPngHooks& Hooks() {
    static TPngHooks hooks;
    return hooks;
}
}  // namespace

void InstallPngHooks(const TPngHooks& hooks) { Hooks() = hooks; }
const TPngHooks& PngHooks() { return Hooks(); }

}  // namespace pixmo
