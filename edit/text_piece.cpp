#include "edit/text_piece.h"

#include <algorithm>
#include <cstdlib>

#include "image/int_math.h"

namespace pixmo {

TPoint TextPieceSize(const TTextRenderer& renderer, const std::vector<std::string>& lines, TPoint limit) {
    const int italicExtra = renderer.Italic() ? Div(std::abs(renderer.FontHeight()), 4) : 0;
    int64_t width = 0;
    for (const std::string& line : lines) width = std::max<int64_t>(width, int64_t{renderer.TextExtent(line).X} + italicExtra);
    const int64_t height = int64_t{renderer.TextExtent("Wg").Y} * static_cast<int64_t>(lines.size());
    return TPoint{static_cast<int>(std::clamp<int64_t>(width, 0, limit.X)),
                  static_cast<int>(std::clamp<int64_t>(height, 0, limit.Y))};
}

TTextPiece RenderTextPiece(const TTextRenderer& renderer, const std::vector<std::string>& lines,
                           TTextAlign align, const TDib& image, int color1, int color2) {
    const TPoint size = TextPieceSize(renderer, lines, image.GetSize());
    if (size.X <= 0 || size.Y <= 0) return {};

    auto mask = TMaskDib::CreateSize(size);
    const int x = align == TTextAlign::Right ? size.X : align == TTextAlign::Center ? Div(size.X, 2) : 0;
    int y = 0;
    for (const std::string& line : lines) {
        if (y >= size.Y) break;  // the rest is cut at the bottom
        renderer.DrawLine(*mask, line, x, y, align);
        y += std::max(renderer.TextExtent(line).Y, 1);
    }

    auto piece = TDib::CreateResized(image, size);
    const auto ink = static_cast<uint8_t>(color1), paper = static_cast<uint8_t>(color2);
    for (int row = 0; row < size.Y; ++row) {
        const uint8_t* m = mask->ScanLine(row);
        uint8_t* p = piece->ScanLine(row);
        for (int col = 0; col < size.X; ++col) p[col] = m[col] ? ink : paper;
    }
    return TTextPiece{std::move(piece), std::move(mask)};
}

}  // namespace pixmo
