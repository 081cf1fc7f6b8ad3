#pragma once
// The palette window's tool bar pictures, drawn in code.
#include <QIcon>

namespace pixmo {

enum class TPaletteGlyph { Same, UnUsed, Used, Search, Exchange, Changeable, Grad };

inline constexpr int kPaletteGlyphSize = 20;

QIcon PaletteGlyph(TPaletteGlyph glyph);

}  // namespace pixmo
