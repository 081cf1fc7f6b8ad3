#pragma once
// The settings file's plain font (TFontSpec) as a real Qt font and back.
#include <QFont>

#include "settings/font_text.h"

namespace pixmo {

// An empty name is the application's own font family.
QFont QtFontOf(const TFontSpec& stored);
// Name, point size and style of the font; the colour is base's.
TFontSpec StoredFontOf(const QFont& font, const TFontSpec& base = {});

}  // namespace pixmo
