#include "uikit/font_map.h"

#include <QApplication>
#include <algorithm>

namespace pixmo {

QFont SpecToFont(const TFontSpec& spec) {
    QFont font(spec.Name.empty() ? QApplication::font().family() : QString::fromStdString(spec.Name));
    font.setPointSize(std::clamp(spec.Size, 1, 1000));
    font.setBold(spec.Style & kFontBold);
    font.setItalic(spec.Style & kFontItalic);
    font.setUnderline(spec.Style & kFontUnderline);
    font.setStrikeOut(spec.Style & kFontStrikeOut);
    return font;
}

TFontSpec FontToSpec(const QFont& font, const TFontSpec& base) {
    TFontSpec spec = base;
    spec.Name = font.family().toStdString();
    // A font given in pixels has no point size of its own.
    spec.Size = std::clamp(font.pointSize() > 0 ? font.pointSize() : 9, 1, 1000);
    spec.Style = static_cast<uint8_t>((font.bold() ? kFontBold : 0) | (font.italic() ? kFontItalic : 0) |
                                      (font.underline() ? kFontUnderline : 0) | (font.strikeOut() ? kFontStrikeOut : 0));
    return spec;
}

}  // namespace pixmo
