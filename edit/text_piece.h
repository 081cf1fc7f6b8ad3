#pragma once
// Text placed into the image as a floating piece. A renderer of the window layer measures
// and rasterises the lines in the text font; here the piece is sized and cut to the image,
// and the glyph raster becomes two colour indices and a mask of exactly the glyph pixels.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "image/dib.h"

namespace pixmo {

// The order is the one the settings file stores ("Alignment").
enum class TTextAlign : uint8_t { Left = 0, Right = 1, Center = 2 };

class TTextRenderer {
public:
    virtual ~TTextRenderer() = default;
    // Width and height in pixels of one line in the font.
    virtual TPoint TextExtent(const std::string& line) const = 0;
    // The font's absolute height in pixels.
    virtual int FontHeight() const = 0;
    virtual bool Italic() const = 0;
    // Must set to 1 every pixel of `raster` that a glyph of `line` covers, nothing else: the
    // line's top at y, its left edge, right edge or centre at x as `align` says. Pixels
    // falling outside the raster are dropped.
    virtual void DrawLine(TMaskDib& raster, const std::string& line, int x, int y, TTextAlign align) const = 0;
};

struct TTextPiece {
    std::unique_ptr<TDib> Image;
    std::unique_ptr<TMaskDib> Mask;
};

// The widest line (an italic font adds a quarter of its height to every line) by the
// height of "Wg" times the line count, each cut to `limit`.
TPoint TextPieceSize(const TTextRenderer& renderer, const std::vector<std::string>& lines, TPoint limit);

// The lines drawn in index color1 on index color2 with the image's colour table, the mask
// set on the glyph pixels only. Both null when the piece would be empty (no lines, or none
// with any width). The image must have a colour table holding both indices.
TTextPiece RenderTextPiece(const TTextRenderer& renderer, const std::vector<std::string>& lines,
                           TTextAlign align, const TDib& image, int color1, int color2);

}  // namespace pixmo
