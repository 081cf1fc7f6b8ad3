#include "palette/window/palette_glyphs.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace pixmo {

namespace {

const QColor kSwatchA(0x20, 0x70, 0xD0);
const QColor kSwatchB(0xE0, 0x40, 0x30);

void Swatch(QPainter& p, const QRect& r, const QColor& colour) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour);
    p.drawRect(r);
}

// An arrow from `from` to `to` with a filled head at `to`.
void Arrow(QPainter& p, QPointF from, QPointF to) {
    p.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::FlatCap));
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF unit = d / length, normal(-unit.y(), unit.x());
    const QPointF base = to - unit * 4.5;
    p.drawLine(from, base);
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(base + normal * 3.5);
    head.lineTo(base - normal * 3.5);
    head.closeSubpath();
    p.fillPath(head, Qt::black);
}

void Draw(QPainter& p, TPaletteGlyph glyph) {
    switch (glyph) {
        case TPaletteGlyph::Same:  // two equal swatches with an equals sign between
            Swatch(p, QRect(0, 4, 6, 11), kSwatchA);
            Swatch(p, QRect(13, 4, 6, 11), kSwatchA);
            p.fillRect(QRect(8, 7, 4, 2), Qt::black);
            p.fillRect(QRect(8, 11, 4, 2), Qt::black);
            break;
        case TPaletteGlyph::UnUsed: {  // an empty dashed swatch, struck through
            p.setPen(QPen(Qt::black, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(2, 2, 15, 15));
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(0xD0, 0x10, 0x10), 2.2));
            p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
            p.drawLine(QPointF(5.5, 14.5), QPointF(14.5, 5.5));
            break;
        }
        case TPaletteGlyph::Used: {  // a filled swatch with a tick
            Swatch(p, QRect(2, 2, 15, 15), kSwatchA);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(Qt::white, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            const QPointF tick[] = {{5, 10}, {8.5, 13.5}, {15, 5.5}};
            p.drawPolyline(tick, 3);
            p.setPen(QPen(QColor(0x10, 0x90, 0x20), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(tick, 3);
            break;
        }
        case TPaletteGlyph::Search: {  // a magnifying glass
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(Qt::black, 2));
            p.setBrush(QColor(0xC8, 0xE4, 0xFF));
            p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
            p.setPen(QPen(Qt::black, 3.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(12.5, 12.5), QPointF(17.5, 17.5));
            break;
        }
        case TPaletteGlyph::Exchange:  // two swatches trading places
            Swatch(p, QRect(1, 7, 6, 6), kSwatchB);
            Swatch(p, QRect(12, 7, 6, 6), kSwatchA);
            p.setRenderHint(QPainter::Antialiasing);
            Arrow(p, QPointF(3, 3.5), QPointF(18, 3.5));
            Arrow(p, QPointF(16, 16.5), QPointF(1, 16.5));
            break;
        case TPaletteGlyph::Changeable: {  // three bars with red, green and blue knobs
            const QColor knobs[] = {QColor(0xE0, 0x20, 0x20), QColor(0x20, 0xB0, 0x20), QColor(0x20, 0x50, 0xE0)};
            const int at[] = {12, 5, 9};
            for (int i = 0; i < 3; ++i) {
                const int y = 3 + 6 * i;
                p.fillRect(QRect(1, y, 18, 2), QColor(0x60, 0x60, 0x60));
                Swatch(p, QRect(at[i] - 2, y - 2, 4, 5), knobs[i]);
            }
            break;
        }
        case TPaletteGlyph::Grad: {  // a black-to-white ramp with an arrow
            QLinearGradient ramp(2, 0, 18, 0);
            ramp.setColorAt(0, Qt::black);
            ramp.setColorAt(1, Qt::white);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(ramp);
            p.drawRect(QRect(1, 2, 17, 9));
            p.setRenderHint(QPainter::Antialiasing);
            Arrow(p, QPointF(2, 15.5), QPointF(18, 15.5));
            break;
        }
    }
}

}  // namespace

QIcon PaletteGlyph(TPaletteGlyph glyph) {
    const qreal dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(kPaletteGlyphSize, kPaletteGlyphSize) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        Draw(painter, glyph);
    }
    return QIcon(pixmap);
}

}  // namespace pixmo
