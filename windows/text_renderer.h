#pragma once
// The text font's glyphs for placing text: measured with the font's metrics and drawn
// without anti-aliasing, so that each pixel is either glyph or not.
#include <QFont>
#include <QFontMetrics>

#include "edit/text_piece.h"

namespace pixmo {

class TQtTextRenderer : public TTextRenderer {
public:
    // The font is fixed in pixels once, so measuring and drawing agree on any device.
    explicit TQtTextRenderer(const QFont& font);

    const QFont& Font() const { return FFont; }
    TPoint TextExtent(const std::string& line) const override;
    int FontHeight() const override { return FFont.pixelSize(); }
    bool Italic() const override { return FFont.italic(); }
    void DrawLine(TMaskDib& raster, const std::string& line, int x, int y, TTextAlign align) const override;

private:
    QFont FFont;
    QFontMetrics FMetrics;
};

}  // namespace pixmo
