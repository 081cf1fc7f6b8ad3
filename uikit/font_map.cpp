#include "uikit/font_map.h"

#include <QApplication>
#include <algorithm>

namespace pixmo {

QFont QtFontOf(const TFontSpec& stored) {
    QFont font(stored.Name.empty() ? QApplication::font().family() : QString::fromStdString(stored.Name));
    font.setPointSize(std::clamp(stored.Size, 1, 1000));
    font.setBold(stored.Style & kFontBold);
    font.setItalic(stored.Style & kFontItalic);
    font.setUnderline(stored.Style & kFontUnderline);
    font.setStrikeOut(stored.Style & kFontStrikeOut);
    return font;
}

TFontSpec StoredFontOf(const QFont& font, const TFontSpec& base) {
    TFontSpec stored = base;
    stored.Name = font.family().toStdString();
    // A font given in pixels has no point size of its own.
    stored.Size = std::clamp(font.pointSize() > 0 ? font.pointSize() : 9, 1, 1000);
    stored.Style = static_cast<uint8_t>((font.bold() ? kFontBold : 0) | (font.italic() ? kFontItalic : 0) |
                                      (font.underline() ? kFontUnderline : 0) | (font.strikeOut() ? kFontStrikeOut : 0));
    return stored;
}

}  // namespace pixmo
