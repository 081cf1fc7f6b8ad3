// Placed text: the piece's size and cut, the alignment of each line and the two indices.
#include <gtest/gtest.h>

#include "edit/text_piece.h"
#include "support/test_support.h"

namespace pixmo::test {
namespace {

// Each character two pixels wide, lines three high; a letter marks one pixel, one row down
// from the line's top at the character's left column; a space marks nothing.
class TBlockRenderer : public TTextRenderer {
public:
    bool ItalicFont = false;
    TPoint TextExtent(const std::string& line) const override { return TPoint{2 * static_cast<int>(line.size()), 3}; }
    int FontHeight() const override { return 8; }
    bool Italic() const override { return ItalicFont; }
    void DrawLine(TMaskDib& raster, const std::string& line, int x, int y, TTextAlign align) const override {
        const int width = TextExtent(line).X;
        const int left = align == TTextAlign::Right ? x - width : align == TTextAlign::Center ? x - width / 2 : x;
        for (size_t i = 0; i < line.size(); ++i) {
            const int px = left + 2 * static_cast<int>(i), py = y + 1;
            if (line[i] != ' ' && px >= 0 && px < raster.Width() && py >= 0 && py < raster.Height())
                raster.SetPixel(px, py, 1);
        }
    }
};

std::vector<std::string> Piece(const TTextPiece& piece) { return piece.Image ? ToGrid(*piece.Image) : std::vector<std::string>{}; }

TEST(TextPiece, WiderAndLongerThanTheImageIsCutAtTheRightAndBottom) {
    const TBlockRenderer renderer;
    const auto image = Blank(5, 4);
    // The first line is 8 wide (its fourth letter falls off), the second starts at row 3 and
    // its mark at row 4 falls off, the third starts below the image.
    const TTextPiece piece = RenderTextPiece(renderer, {"abcd", "x", "yy"}, TTextAlign::Left, *image, 3, 7);
    EXPECT_EQ(Piece(piece), (std::vector<std::string>{
                                "77777",
                                "37373",
                                "77777",
                                "77777",
                            }));
    EXPECT_EQ(ToGrid(*piece.Mask), (std::vector<std::string>{".....", "#.#.#", ".....", "....."}));
    for (int i = 0; i < image->Colors(); ++i) EXPECT_EQ(piece.Image->GetColor(i), image->GetColor(i)) << i;
}

TEST(TextPiece, LinesAlignAtTheLeftTheRightOrTheCentreOfTheWidestLine) {
    TBlockRenderer renderer;
    const auto image = Blank(20, 20);
    const std::vector<std::string> lines{"ab c", "d"};  // 8 and 2 wide: a piece of 8 x 6
    EXPECT_EQ(Piece(RenderTextPiece(renderer, lines, TTextAlign::Left, *image, 1, 0)),
              (std::vector<std::string>{"........", "#.#...#.", "........", "........", "#.......", "........"}));
    EXPECT_EQ(Piece(RenderTextPiece(renderer, lines, TTextAlign::Right, *image, 1, 0)),
              (std::vector<std::string>{"........", "#.#...#.", "........", "........", "......#.", "........"}));
    EXPECT_EQ(Piece(RenderTextPiece(renderer, lines, TTextAlign::Center, *image, 1, 0)),
              (std::vector<std::string>{"........", "#.#...#.", "........", "........", "...#....", "........"}));

    // Italic widens every line by a quarter of the font height (8 / 4), still cut to the image.
    renderer.ItalicFont = true;
    EXPECT_EQ(TextPieceSize(renderer, lines, TPoint{20, 20}), (TPoint{10, 6}));
    EXPECT_EQ(TextPieceSize(renderer, lines, TPoint{9, 5}), (TPoint{9, 5}));
    // An empty line still takes its height; nothing with any width places nothing.
    EXPECT_EQ(TextPieceSize(renderer, {"", "a", ""}, TPoint{20, 20}), (TPoint{4, 9}));
    renderer.ItalicFont = false;
    EXPECT_EQ(RenderTextPiece(renderer, {"", ""}, TTextAlign::Left, *image, 1, 0).Image, nullptr);
    EXPECT_EQ(RenderTextPiece(renderer, {}, TTextAlign::Left, *image, 1, 0).Mask, nullptr);
}

}  // namespace
}  // namespace pixmo::test
