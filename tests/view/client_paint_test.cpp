// What the edit client shows: the zoomed image, the grids, the control's colour beside the
// image, the animated selection outline. Pixels are read from the rendered widget.
#include <gtest/gtest.h>

#include <QPalette>
#include <set>

#include "client_fixture.h"
#include "image/dib_canvas.h"
#include "view/dib_to_qimage.h"

namespace pixmo::test {
namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kImage = 0xFF555555u;  // index 5 of the grey ramp

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

// Columns of row y whose pixel is `color`, from x0 to x1 inclusive.
std::vector<int> ColumnsOf(const QImage& image, int y, int x0, int x1, QRgb color) {
    std::vector<int> xs;
    for (int x = x0; x <= x1; ++x)
        if (At(image, x, y) == color) xs.push_back(x);
    return xs;
}

// Selects image cells 2..5 × 2..4 of a 40×40 image and lets the outline take its first step.
void SelectCellsAndAnimate(TClientFixture& f) {
    auto mask = TMaskDib::Create(40, 40);
    for (int y = 2; y < 5; ++y)
        for (int x = 2; x < 6; ++x) mask->SetPixel(x, y, 1);
    f.Context.Selection().Replace(*mask, {2, 2, 6, 5});
    QApplication::processEvents();
    f.Client.AnimateOutline();
    QApplication::processEvents();
}

TEST(ClientPaint, ZoomedPixelsAreBlocks) {
    TClientFixture f;
    auto image = FromGrid({"#..", ".#.", "..#"}, 2);
    f.Context.SetDib(std::move(image));
    f.Client.SetZoom(4);
    const QImage shot = f.Shot();
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) EXPECT_EQ(At(shot, x, y), (x / 4 == y / 4) ? kWhite : kBlack) << x << "," << y;
    // Right of and below the image: the control's colour.
    const QRgb background = f.Client.palette().color(QPalette::Window).rgb() | 0xFF000000u;
    EXPECT_EQ(At(shot, 12, 0), background);
    EXPECT_EQ(At(shot, 399, 0), background);
    EXPECT_EQ(At(shot, 0, 12), background);
}

TEST(ClientPaint, NoGridBelowZoom8) {
    TClientFixture f;
    f.Install(100, 100);
    f.Client.SetGridMode(1);
    f.Client.SetUnit(4, 4);
    for (int z : {1, 2, 4, 7}) {
        f.Client.SetZoom(z);
        const QImage shot = f.Shot();
        const int extent = std::min(100 * z, 300) - 1;
        EXPECT_TRUE(ColumnsOf(shot, 5, 0, extent, kBlack).empty()) << "zoom " << z;
        EXPECT_TRUE(ColumnsOf(shot, 5, 0, extent, kWhite).empty()) << "zoom " << z;
    }
}

TEST(ClientPaint, PixelGridAtZoom8) {
    TClientFixture f;
    f.Install(20, 20);
    f.Client.SetShowUnitGrid(false);
    f.Client.SetGridMode(1);
    f.Client.SetZoom(8);
    QImage shot = f.Shot();
    // Lines at every multiple of 8, up to and including the image's right edge.
    EXPECT_EQ(ColumnsOf(shot, 3, 0, 200, kBlack),
              (std::vector<int>{0, 8, 16, 24, 32, 40, 48, 56, 64, 72, 80, 88, 96, 104, 112, 120, 128, 136, 144,
                                152, 160}));
    EXPECT_EQ(At(shot, 3, 8), kBlack);
    EXPECT_EQ(At(shot, 3, 9), kImage);
    EXPECT_EQ(At(shot, 161, 3), f.Client.palette().color(QPalette::Window).rgb() | 0xFF000000u);

    f.Client.SetGridMode(2);
    shot = f.Shot();
    EXPECT_EQ(At(shot, 8, 3), 0xFF808080u);
    f.Client.SetGridMode(0);
    shot = f.Shot();
    EXPECT_TRUE(ColumnsOf(shot, 3, 0, 159, kBlack).empty());
}

TEST(ClientPaint, UnitGridIsDottedAndFollowsTheScroll) {
    TClientFixture f;
    f.Install(200, 200);
    f.Client.SetUnit(4, 0);
    f.Client.SetZoom(8);
    QImage shot = f.Shot();
    // Vertical dotted lines every 4 image columns; a unit of 0 draws no horizontal ones.
    EXPECT_EQ(ColumnsOf(shot, 0, 0, 100, kBlack), (std::vector<int>{0, 32, 64, 96}));
    EXPECT_EQ(ColumnsOf(shot, 3, 0, 100, kWhite), (std::vector<int>{0, 32, 64, 96}));
    for (int y = 0; y < 12; ++y) EXPECT_EQ(At(shot, 32, y), y % 6 < 3 ? kBlack : kWhite) << y;
    EXPECT_EQ(At(shot, 5, 32), kImage);

    // Scrolled by one column the lines stay on image columns 4, 8, ...
    f.Client.Scroller().SetPosition(1, 0);
    shot = f.Shot();
    EXPECT_EQ(ColumnsOf(shot, 0, 0, 100, kBlack), (std::vector<int>{24, 56, 88}));
}

TEST(ClientPaint, HugeUnitsCannotStallThePaint) {
    TClientFixture f;
    f.Install(100, 100);
    f.Client.SetUnit(536870912, 536870912);  // times the zoom wraps in 32 bits
    f.Client.SetZoom(8);
    f.Client.Scroller().SetPosition(3, 3);
    const QImage shot = f.Shot();
    EXPECT_EQ(ColumnsOf(shot, 1, 0, 100, kBlack), (std::vector<int>{}));
}

TEST(ClientPaint, PartialRepaintMatchesFullPaint) {
    TClientFixture f;
    f.Install(100, 100);
    f.Client.SetGridMode(1);
    f.Client.SetUnit(3, 5);
    f.Client.SetZoom(12);
    f.Client.Scroller().SetPosition(2, 3);
    const QImage full = f.Shot();
    // Change a pixel behind the client's back and repaint just its cell.
    f.Context.Dib()->SetPixel(4, 5, 9);
    f.Client.RepaintImageRect({4, 5, 5, 6});
    const QImage part = f.Shot();
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) {
            const bool inCell = x >= 24 && x < 36 && y >= 24 && y < 36;
            const QRgb expected = inCell && x != 24 && y != 24 ? 0xFF999999u : At(full, x, y);
            ASSERT_EQ(At(part, x, y), expected) << x << "," << y;
        }
}

TEST(ClientPaint, SelectionOutlineAnimatesAlongTheMask) {
    TClientFixture f;
    f.Install(40, 40);
    f.Client.SetZoom(4);
    SelectCellsAndAnimate(f);
    const QImage first = f.Shot();
    // The selected cells cover control x 8..23, y 8..19; only their border pixels change.
    auto isStripe = [](QRgb c) { return c == kBlack || c == kWhite; };
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            const bool inside = x >= 8 && x < 24 && y >= 8 && y < 20;
            const bool edge = inside && (x == 8 || x == 23 || y == 8 || y == 19);
            EXPECT_EQ(isStripe(At(first, x, y)), edge) << x << "," << y;
        }
    EXPECT_EQ(f.Client.Outline().Rect(), QRect(8, 8, 16, 12));
    // Along the top edge: stripes of four white, four black.
    for (int x = 8; x < 24; ++x) EXPECT_EQ(At(first, x, 8), (x - 8) % 8 < 4 ? kWhite : kBlack) << x;

    f.Client.AnimateOutline();
    QApplication::processEvents();
    const QImage second = f.Shot();
    int moved = 0;
    for (int x = 8; x < 24; ++x) moved += At(first, x, 8) != At(second, x, 8);
    EXPECT_GT(moved, 0);
    // The stripes moved by one pixel along the edge.
    for (int x = 9; x < 24; ++x) EXPECT_EQ(At(second, x, 8), At(first, x - 1, 8)) << x;

    // A repaint of the area keeps the outline; switching it off removes it.
    f.Client.RepaintImageRect({0, 0, 40, 40});
    EXPECT_EQ(At(f.Shot(), 8, 8), At(second, 8, 8));
    f.Client.SetShowEdges(false);
    QApplication::processEvents();
    EXPECT_EQ(At(f.Shot(), 8, 8), kImage);
}

TEST(ClientPaint, OutlineFollowsSelectionChanges) {
    TClientFixture f;
    f.Install(40, 40);
    auto mask = TMaskDib::Create(40, 40);
    mask->SetPixel(10, 10, 1);
    f.Context.Selection().Replace(*mask, {10, 10, 11, 11});
    f.Client.RedrawOutline();
    f.Client.RedrawOutline();  // folded into one rebuild
    QApplication::processEvents();
    EXPECT_EQ(f.Client.Outline().Rect(), QRect(10, 10, 1, 1));
    EXPECT_TRUE(At(f.Shot(), 10, 10) == kBlack || At(f.Shot(), 10, 10) == kWhite);

    f.Context.Selection().Replace(*TMaskDib::Create(40, 40), {});
    f.Client.RedrawOutline();
    QApplication::processEvents();
    EXPECT_TRUE(f.Client.Outline().Rect().isEmpty());
    EXPECT_EQ(At(f.Shot(), 10, 10), kImage);
}

TEST(ClientPaint, ZoomedOutlineStaysVisibleOverTheGridAndGoesToAFloatingPiece) {
    TClientFixture f;
    f.Install(40, 40);
    f.Client.SetGridMode(1);
    f.Client.SetZoom(8);
    SelectCellsAndAnimate(f);
    const QImage shot = f.Shot();
    // Cells 2..5 cover control columns 16..47: a band of two on each side, the left one
    // on the grid line; the column beside the band shows the image.
    auto colours = [&](int x) {
        std::set<QRgb> seen;
        for (int y = 17; y < 40; ++y) seen.insert(At(shot, x, y));
        return seen;
    };
    for (int x : {16, 17, 46, 47}) EXPECT_EQ(colours(x), (std::set<QRgb>{kBlack, kWhite})) << x;
    EXPECT_EQ(At(shot, 18, 28), kImage);
    EXPECT_EQ(At(shot, 45, 28), kImage);

    // A pasted piece floats elsewhere: the old outline leaves the screen at once, and the
    // piece's own edges show the stripes around its colour.
    f.Context.Selection().Paste(*FromGrid({"999", "999"}, 16), nullptr);
    f.Context.Selection().MoveTo({10, 10, 13, 12});
    QApplication::processEvents();
    f.Client.AnimateOutline();
    QApplication::processEvents();
    const QImage after = f.Shot();
    EXPECT_EQ(At(after, 17, 28), kImage);
    EXPECT_EQ(At(after, 47, 28), kImage);
    const int left = 80, top = 80;  // cells 10..12 × 10..11
    std::set<QRgb> edges;
    for (int i = 0; i < 24; ++i)
        for (QPoint p : {QPoint(left + i, top), QPoint(left + i, top + 15), QPoint(left, top + i % 16),
                         QPoint(left + 23, top + i % 16)})
            edges.insert(At(after, p.x(), p.y()));
    EXPECT_EQ(edges, (std::set<QRgb>{kBlack, kWhite}));
    EXPECT_EQ(At(after, left + 12, top + 12), 0xFF999999u);
    EXPECT_EQ(At(after, left + 28, top + 4), kImage);
}

TEST(ClientPaint, ConvertsOnlyTheAskedPart) {
    auto image = FromGrid({"0123", "4567", "89ab"}, 16);
    QImage part = DibToQImage(*image, {1, 1, 3, 3});
    ASSERT_EQ(part.size(), QSize(2, 2));
    EXPECT_EQ(At(part, 0, 0), 0xFF555555u);
    EXPECT_EQ(At(part, 1, 1), 0xFFAAAAAAu);
    EXPECT_TRUE(DibToQImage(*image, {5, 5, 9, 9}).isNull());

    // A true-colour image and a partial cell at the clip's left.
    auto rgb = TTrueDib::Create(2, 1);
    rgb->Canvas().SetPixelColor(0, 0, RGB(10, 20, 30));
    rgb->Canvas().SetPixelColor(1, 0, RGB(200, 100, 50));
    QImage dest(10, 3, QImage::Format_RGB32);
    dest.fill(0xFF123456u);
    DrawDibZoomed(*rgb, {0, 0, 2, 1}, 3, dest, QPoint(1, 0), QRect(2, 0, 8, 3));
    EXPECT_EQ(At(dest, 1, 0), 0xFF123456u);
    EXPECT_EQ(At(dest, 2, 2), 0xFF0A141Eu);
    EXPECT_EQ(At(dest, 3, 1), 0xFF0A141Eu);
    EXPECT_EQ(At(dest, 4, 0), 0xFFC86432u);
    EXPECT_EQ(At(dest, 6, 2), 0xFFC86432u);
    EXPECT_EQ(At(dest, 7, 0), 0xFF123456u);
}

}  // namespace
}  // namespace pixmo::test
