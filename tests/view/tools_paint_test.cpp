// The real drawing tools driven through the edit client with mouse events, at zoom 1 and 8:
// pixels, undo steps, right-button colour, colour pick and cancelling.
#include <gtest/gtest.h>

#include "client_fixture.h"
#include "edit/undo.h"
#include "settings/main_keys.h"
#include "tools/edit_size.h"
#include "tools/tool_factory.h"
#include "tools/tool_options.h"

namespace pixmo::test {
namespace {

using Grid = std::vector<std::string>;

struct TPaintFixture {
    TQuietPanels Panels;
    TMemoryClipboard Clipboard;
    TViewObjects Objects{QSize(300, 300)};
    TMainSettings Settings;
    TToolOptions Options;
    TEditSize EditSize;
    TPaintClient Client{nullptr, &Objects};
    TEditContext Context{Clipboard};
    TPixmoToolFactory Factory{TToolEnvironment{Context, Settings, Options, EditSize}};
    Qt::MouseButtons Held;
    int Zoom;

    explicit TPaintFixture(int zoom) : Zoom(zoom) {
        Client.SetContext(&Context);
        Context.AttachPanels(&Panels);
        Client.SetToolFactory(&Factory);
        Client.resize(300, 300);
        Client.show();
        Context.SetDib(FromGrid(std::vector<std::string>(20, std::string(20, '.')), 16));
        Client.SetZoom(zoom);
        Context.SetColor1Index(1);
        Context.SetColor2Index(2);
        QApplication::processEvents();
    }
    ~TPaintFixture() { Client.SelectTool(TToolItem::None); }

    // The centre of an image pixel in control coordinates.
    QPoint At(int x, int y) const { return QPoint(x * Zoom + Zoom / 2, y * Zoom + Zoom / 2); }
    void Send(QEvent::Type type, Qt::MouseButton button, QPoint pos) {
        if (type == QEvent::MouseButtonPress) Held |= button;
        if (type == QEvent::MouseButtonRelease) Held &= ~Qt::MouseButtons(button);
        QWidget* view = Client.viewport();
        QMouseEvent event(type, QPointF(pos), QPointF(view->mapToGlobal(pos)), button, Held, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }
    void Stroke(std::initializer_list<QPoint> points, Qt::MouseButton button = Qt::LeftButton) {
        Send(QEvent::MouseButtonPress, button, *points.begin());
        for (const QPoint& p : points) Send(QEvent::MouseMove, Qt::NoButton, p);
        Send(QEvent::MouseButtonRelease, button, *(points.end() - 1));
    }
    Grid Pixels() { return ToGrid(*Context.Dib()); }
};

class ToolsPaint : public ::testing::TestWithParam<int> {};

TEST_P(ToolsPaint, PencilLeftAndRightButtonsWithUndo) {
    TPaintFixture f(GetParam());
    f.Client.SelectTool(TToolItem::DrawDot);
    f.Stroke({f.At(1, 1), f.At(2, 1), f.At(4, 1)});
    EXPECT_EQ(f.Pixels()[1].substr(0, 6), ".####.");
    EXPECT_EQ(f.Context.Undo().Count(), 1);

    // Without "RDraw" the right button picks the colour under it.
    f.Stroke({f.At(2, 1)}, Qt::RightButton);
    EXPECT_EQ(f.Context.Color1Index(), 1);
    f.Stroke({f.At(9, 9)}, Qt::RightButton);
    EXPECT_EQ(f.Context.Color1Index(), 0);
    EXPECT_EQ(f.Context.Undo().Count(), 1);
    f.Context.SetColor1Index(1);

    // With it, the right button draws in the secondary colour.
    f.Client.SetRightButtonDraws(true);
    f.Settings.PenWidths[1] = 1;
    f.Stroke({f.At(3, 5), f.At(3, 7)}, Qt::RightButton);
    EXPECT_EQ(f.Pixels()[6][3], '2');
    EXPECT_EQ(f.Context.Undo().Count(), 2);
    f.Context.Undo().Undo();
    EXPECT_EQ(f.Pixels()[6][3], '.');
    f.Context.Undo().Redo();
    EXPECT_EQ(f.Pixels()[6][3], '2');
}

TEST_P(ToolsPaint, RectangleSquareHeldAndCancelledByTheOtherButton) {
    TPaintFixture f(GetParam());
    const Grid blank = f.Pixels();
    f.Client.SelectTool(TToolItem::DrawRect);
    f.Send(QEvent::MouseButtonPress, Qt::LeftButton, f.At(2, 2));
    f.Send(QEvent::MouseMove, Qt::NoButton, f.At(8, 6));
    EXPECT_NE(f.Pixels(), blank);
    f.Send(QEvent::MouseButtonPress, Qt::RightButton, f.At(8, 6));  // cancels
    EXPECT_EQ(f.Pixels(), blank);
    f.Send(QEvent::MouseButtonRelease, Qt::RightButton, f.At(8, 6));
    f.Send(QEvent::MouseButtonRelease, Qt::LeftButton, f.At(8, 6));
    EXPECT_EQ(f.Context.Undo().Count(), 0);

    f.Settings.DefRectOpt = 1;  // "Quadrato"
    f.Stroke({f.At(10, 10), f.At(13, 20)});
    // The square reaches (20,20), just beyond the image: its top edge and left side show.
    EXPECT_EQ(f.Pixels()[10], "..........##########");
    EXPECT_EQ(f.Pixels()[19], "..........#.........");
    EXPECT_EQ(f.Context.Undo().Count(), 1);
}

TEST_P(ToolsPaint, BezierFillAndShownPixels) {
    TPaintFixture f(GetParam());
    f.Client.SelectTool(TToolItem::DrawBezier);
    f.Stroke({f.At(0, 10), f.At(5, 0)});
    EXPECT_EQ(f.Context.Undo().Count(), 0);
    f.Stroke({f.At(15, 19), f.At(19, 10)});
    EXPECT_EQ(f.Context.Undo().Count(), 1);
    EXPECT_EQ(f.Pixels()[10][0], '#');
    f.Client.SelectTool(TToolItem::Fill);
    f.Context.SetColor1Index(3);
    f.Stroke({f.At(19, 0)});
    EXPECT_EQ(f.Pixels()[0][19], '3');
    EXPECT_EQ(f.Context.Undo().Count(), 2);
    // What the widget shows is the image.
    f.Client.RenderBackBuffer(f.Client.viewport()->rect());
    const QImage& shown = f.Client.BackBuffer();
    const QPoint p = f.At(19, 0);
    EXPECT_EQ(shown.pixel(p) & 0xFFFFFF, 0x333333u);
}

INSTANTIATE_TEST_SUITE_P(Zoom, ToolsPaint, ::testing::Values(1, 8));

}  // namespace
}  // namespace pixmo::test
