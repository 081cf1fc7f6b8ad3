#include "windows/text_renderer.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace pixmo {

namespace {
QFont PixelFont(QFont font) {
    font.setPixelSize(std::max(1, QFontInfo(font).pixelSize()));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}
}  // namespace

TQtTextRenderer::TQtTextRenderer(const QFont& font) : FFont(PixelFont(font)), FMetrics(FFont) {}

TPoint TQtTextRenderer::TextExtent(const std::string& line) const {
    return TPoint{FMetrics.horizontalAdvance(QString::fromStdString(line)), FMetrics.height()};
}

// One band of the line's height is painted white on black and read back; only the rows
// inside the raster are drawn at all.
void TQtTextRenderer::DrawLine(TMaskDib& raster, const std::string& line, int x, int y, TTextAlign align) const {
    const int top = std::max(y, 0), bottom = std::min(y + FMetrics.height(), raster.Height());
    if (top >= bottom || line.empty()) return;
    const QString text = QString::fromStdString(line);
    const int advance = FMetrics.horizontalAdvance(text);
    const int left = align == TTextAlign::Right ? x - advance : align == TTextAlign::Center ? x - advance / 2 : x;

    QImage band(raster.Width(), bottom - top, QImage::Format_RGB32);
    band.fill(Qt::black);
    {
        QPainter painter(&band);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(FFont);
        painter.setPen(Qt::white);
        painter.drawText(QPoint(left, y - top + FMetrics.ascent()), text);
    }
    for (int row = 0; row < band.height(); ++row) {
        const auto* pixels = reinterpret_cast<const QRgb*>(band.constScanLine(row));
        uint8_t* out = raster.ScanLine(top + row);
        for (int col = 0; col < band.width(); ++col)
            if (qGreen(pixels[col]) >= 128) out[col] = 1;
    }
}

}  // namespace pixmo
