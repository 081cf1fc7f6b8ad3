#pragma once
// The tool box's pictures, drawn as vectors so that they stay sharp at any screen scale.
#include "tools/mouse_tool.h"
#include "uikit/app_button.h"

namespace pixmo {

// Paints the tool's picture into a box of about 17 × 17 logical pixels.
TAppButton::TGlyph ToolGlyph(TToolItem item);

}  // namespace pixmo
