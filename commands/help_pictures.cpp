#include "commands/help_pictures.h"

#include <QPainter>

#include "commands/drawing_aid_pictures.h"
#include "palette/window/palette_glyphs.h"
#include "tools/tool_items.h"
#include "uikit/help_window.h"
#include "windows/tool_glyphs.h"

namespace pixmo {

namespace {
// Drawn at twice the size and shown at the button's own, so they stay sharp when enlarged.
constexpr qreal kScale = 2;

// A raised tool-box button (24 × 23) with its glyph, as TAppButton paints it.
QImage ToolButtonPicture(const char* glyph) {
    QImage image(QSize(24, 23) * kScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kScale);
    image.fill(QColor(236, 236, 236));
    QPainter p(&image);
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(QPointF(0.5, 0.5), QPointF(23.5, 0.5));
    p.drawLine(QPointF(0.5, 0.5), QPointF(0.5, 22.5));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(0.5, 22.5), QPointF(23.5, 22.5));
    p.drawLine(QPointF(23.5, 0.5), QPointF(23.5, 22.5));
    p.setRenderHint(QPainter::Antialiasing);
    ToolGlyph(glyph)(p, QRectF(3.5, 3, 17, 17));
    return image;
}

struct TPaletteButton {
    const char* Name;
    TPaletteGlyph Glyph;
};
constexpr TPaletteButton kPaletteButtons[] = {
    {"SBSame", TPaletteGlyph::Same},         {"SBUnUsed", TPaletteGlyph::UnUsed},
    {"SBUsed", TPaletteGlyph::Used},         {"SBSearch", TPaletteGlyph::Search},
    {"SBExchange", TPaletteGlyph::Exchange}, {"SBChangeable", TPaletteGlyph::Changeable},
    {"SBGrad", TPaletteGlyph::Grad},
};
}  // namespace

QImage HelpPicture(const QString& name) {
    if (QImage aids = DrawingAidPicture(name); !aids.isNull()) return aids;
    // The Mouse menu's items without a tool-box button have no picture.
    if (const TToolEntry* tool = FindToolEntry(name.toStdString()); tool && tool->Button.Name)
        return ToolButtonPicture(tool->Glyph);
    for (const TPaletteButton& b : kPaletteButtons)
        if (name == b.Name) {
            // The icon holds one pixmap at the screen's ratio; it keeps its own ratio here.
            return PaletteGlyph(b.Glyph).pixmap(QSize(kPaletteGlyphSize, kPaletteGlyphSize)).toImage();
        }
    return QImage();
}

void InstallHelpPictures() { SetHelpPictureSource(&HelpPicture); }

}  // namespace pixmo
