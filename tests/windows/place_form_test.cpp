// The navigator: what it shows in fit and zoom mode, its frame, and how presses scroll the
// edit client.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "edit/edit_context.h"
#include "image/errors.h"
#include "settings/main_keys.h"
#include "tools/internal_select.h"
#include "windows/place_client.h"
#include "windows/place_form.h"
#include "windows_fixture.h"

namespace pixmo::test {
namespace {

constexpr QRgb kGreen = 0xFF00FF00u;

// An edit client of the given size without scroll bars and a navigator of 100 x 100 beside
// it, the frame in plain green.
struct TPlaceFixture : TWindowsFixture {
    std::unique_ptr<TPlaceForm> Form;

    TPlaceFixture(int imageWidth, int imageHeight, QSize editSize) {
        auto image = TDib::Create(imageWidth, imageHeight, 16);
        for (int i = 0; i < 16; ++i) image->SetColor(i, RGB(i * 16, i * 16, i * 16));
        for (int y = 0; y < imageHeight; ++y)
            for (int x = 0; x < imageWidth; ++x) image->ScanLine(y)[x] = static_cast<uint8_t>((x + y) % 16);
        App.Edit().SetDib(std::move(image));
        Client.Scroller().SetVisible(false);
        Client.resize(editSize);
        Client.show();
        App.Settings().SelectPenColor = 65280;
        App.Settings().SelectPenMode = kSelectPenModeCopy;
        Form = std::make_unique<TPlaceForm>(App);
        Form->show();
        Nav().Scroller().SetVisible(false);
        Form->resize(100, 100);
        QApplication::processEvents();
    }
    TPlaceClient& Nav() { return *Form->Client(); }
    QImage Shot() { return Nav().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // The columns of row y (or rows of column x) that show the frame's green.
    std::vector<int> GreenInRow(const QImage& shot, int y) {
        std::vector<int> xs;
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) == kGreen) xs.push_back(x);
        return xs;
    }
    TPoint EditPos() { return Client.Scroller().GetPosition(); }
};

TEST(PlaceForm, FitModeScalesDownOnlyAndKeepsOnePixelFrames) {
    {
        // 20 x 10 in a 100 x 100 view: shown at scale 1, the rest is the window's colour.
        TPlaceFixture f(20, 10, QSize(40, 40));
        f.Nav().SetVisibleRect(false);
        f.Nav().SetStretch(true);
        EXPECT_EQ(f.Nav().FitScale(), 1.0f);
        const QImage shot = f.Shot();
        const QRgb window = f.Nav().palette().color(QPalette::Window).rgb();
        EXPECT_EQ(shot.pixel(19, 9), qRgb(12 * 16, 12 * 16, 12 * 16));  // index (19 + 9) mod 16
        EXPECT_EQ(shot.pixel(7, 2), qRgb(9 * 16, 9 * 16, 9 * 16));
        EXPECT_EQ(shot.pixel(20, 0), window);
        EXPECT_EQ(shot.pixel(0, 10), window);
    }
    {
        // 1000 x 100 in 100 x 100: scale 0.1 across. A visible area 4 pixels wide scales to
        // nothing and still gets a frame one pixel wide.
        TPlaceFixture f(1000, 100, QSize(4, 100));
        f.Client.Scroller().SetPosition(100, 0);
        f.Nav().SetStretch(true);
        EXPECT_FLOAT_EQ(f.Nav().FitScale(), 0.1f);
        EXPECT_EQ(f.Nav().FrameRect(), (TRect{10, 0, 11, 10}));
        const QImage shot = f.Shot();
        EXPECT_EQ(f.GreenInRow(shot, 5), std::vector<int>{10});
        EXPECT_EQ(f.GreenInRow(shot, 0), std::vector<int>{10});
        EXPECT_NE(shot.pixel(0, 10), kGreen);  // the image ends at row 10
        // The not-xor pen: grey 0x404040 (index 4) under blue gives the inverse of their xor.
        f.App.Settings().SelectPenMode = kSelectPenModeNotXor;
        f.App.Settings().SelectPenColor = 0x00FF0000;  // blue as 0x00BBGGRR
        f.Form->HandleMessage(TNotice::SelectPen);
        EXPECT_EQ(f.Shot().pixel(10, 0), qRgb(0xBF, 0xBF, 0x40));
    }
}

TEST(PlaceForm, PressesInFitModeScrollTheEditClientAtOnce) {
    // 400 x 400 at scale 0.25; the edit client shows 40 x 40, a frame of 10 x 10.
    TPlaceFixture f(400, 400, QSize(40, 40));
    f.Nav().SetStretch(true);
    EXPECT_EQ(f.Nav().FrameRect(), (TRect{0, 0, 10, 10}));
    QWidget* view = f.Nav().viewport();
    // Outside the frame: it centres on the pointer, the edit client scrolls before release.
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(f.Nav().Dragging());
    EXPECT_EQ(f.EditPos(), (TPoint{180, 180}));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(f.Nav().FrameRect(), (TRect{45, 45, 55, 55}));
    const QImage shot = f.Shot();
    EXPECT_EQ(f.GreenInRow(shot, 50), (std::vector<int>{45, 54}));
    // Inside it the frame keeps its grab point: a drag 10 pixels right scrolls 40.
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(47, 47));
    EXPECT_EQ(f.EditPos(), (TPoint{180, 180}));
    QTest::mouseMove(view, QPoint(57, 47));
    EXPECT_EQ(f.EditPos(), (TPoint{220, 180}));
    // Beyond the image's end the frame stops at it.
    QTest::mouseMove(view, QPoint(99, 99));
    EXPECT_EQ(f.EditPos(), (TPoint{360, 360}));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(99, 99));
    EXPECT_FALSE(f.Nav().Dragging());
}

TEST(PlaceForm, LeavingFitModeRecentresAndZoomModeScrolls) {
    TPlaceFixture f(400, 400, QSize(40, 40));
    f.Client.Scroller().SetPosition(200, 200);
    f.Nav().SetStretch(true);
    QWidget* view = f.Nav().viewport();
    // The right button leaves fit mode: at zoom 1 the frame's centre (220) comes to 50.
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(f.Nav().Stretch());
    EXPECT_EQ(f.Nav().Scroller().GetPosition(), (TPoint{170, 170}));
    EXPECT_EQ(f.Nav().FrameRect(), (TRect{30, 30, 70, 70}));
    EXPECT_EQ(f.GreenInRow(f.Shot(), 50), (std::vector<int>{30, 69}));
    EXPECT_EQ(f.EditPos(), (TPoint{200, 200}));  // the edit client stays

    // Zoom 2 from the menu: the frame is 80 wide and centred again.
    f.Form->UpdateMenu();
    QMenu* zoom = f.Form->Menu()->actions().at(2)->menu();
    zoom->actions().at(1)->trigger();
    EXPECT_EQ(f.Nav().ZoomSize(), 2);
    EXPECT_EQ(f.Nav().Scroller().GetPosition(), (TPoint{195, 195}));
    EXPECT_EQ(f.Nav().FrameRect(), (TRect{10, 10, 90, 90}));
    // A press outside centres the frame on it: (95 - 40) / 2 + 195.
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(95, 95));
    EXPECT_EQ(f.EditPos(), (TPoint{222, 222}));

    // The right button goes back to fit mode; no zoom outside 1..80 is taken.
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(f.Nav().Stretch());
    EXPECT_EQ(f.Nav().Scroller().GetPosition(), (TPoint{0, 0}));
    try {
        f.Nav().SetZoomSize(81);
        ADD_FAILURE() << "81 taken";
    } catch (const EPixmoError& e) {
        EXPECT_STREQ(e.what(), "Valore d'Ingrandimento non valido: 81");
    }
    EXPECT_EQ(f.Nav().ZoomSize(), 2);
    // A zoom chosen in fit mode leaves it.
    zoom->actions().at(0)->trigger();
    EXPECT_FALSE(f.Nav().Stretch());
    EXPECT_EQ(f.Nav().ZoomSize(), 1);
}

// The keys are read when the window first shows and written when it goes.
TEST(PlaceForm, SettingsReadOnFirstShowWrittenOnDestruction) {
    TWindowsFixture f;
    {
        TSectionScope scope(f.App.Ini(), "PlaceForm");
        f.App.Ini().WriteBool("Stretch", true);
        f.App.Ini().WriteInteger("ZoomSize", 3);
    }
    auto form = std::make_unique<TPlaceForm>(f.App);
    EXPECT_FALSE(form->Client()->Stretch());
    form->show();
    EXPECT_TRUE(form->Client()->Stretch());
    EXPECT_EQ(form->Client()->ZoomSize(), 3);
    form->Client()->SetVisibleRect(false);
    form.reset();
    TSectionScope scope(f.App.Ini(), "PlaceForm");
    EXPECT_FALSE(f.App.Ini().ReadBool("VisibleRect", true));
    EXPECT_TRUE(f.App.Ini().ReadBool("Stretch", false));
    EXPECT_EQ(f.App.Ini().ReadInteger("ZoomSize", 0), 3);
}

}  // namespace
}  // namespace pixmo::test
