#pragma once
// The tool box's pictures, drawn as vectors so that they stay sharp at any screen scale. They
// are known by name ("Pencil"); a row of the tool table names the one its button shows.
#include "uikit/app_button.h"

namespace pixmo {

// Paints the named picture into a box of about 17 × 17 logical pixels; an unknown name or
// null paints nothing.
TAppButton::TGlyph ToolGlyph(const char* name);

}  // namespace pixmo
