// The animation window: frames from the tool, playing and stepping, the view's pixels in
// both modes, the zoom and its refusals, the settings, the frame limit's box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "edit/edit_context.h"
#include "image/clipboard.h"
#include "support/test_support.h"
#include "tools/animation_mouse.h"
#include "uikit/dialog_hooks.h"
#include "uikit/number_edit.h"
#include "uikit/number_input_dialog.h"
#include "view/app_context.h"
#include "view/dib_to_qimage.h"
#include "view/paint_client.h"
#include "windows/animation_form.h"

namespace pixmo::test {
namespace {

struct TAnimationFixture {
    std::string Dir = MakeTempDir();
    TAppContext App{Dir + "/pixmo3.ini", TParams{}, std::make_unique<TMemoryClipboard>()};
    TPaintClient Client;
    std::unique_ptr<TAnimationForm> Form;

    TAnimationFixture() {
        Client.SetContext(&App.Edit());
        Client.SetToolFactory(&App.ToolFactory());
        App.SetPaintClient(&Client);
        App.Edit().SetDib(FromGrid({"00000000", "0123abc0", "0456def0", "00000000"}, 16));
        Client.SelectTool(TToolItem::DrawLine);
        Form = std::make_unique<TAnimationForm>(App);
    }
    ~TAnimationFixture() {
        Form.reset();
        Client.SelectTool(TToolItem::None);
        Client.SetContext(nullptr);
        App.SetPaintClient(nullptr);
    }
    TMouseTool& Tool() { return *Client.Tool(); }
    void Click(TPoint p) {
        Tool().OnButtonDown(p);
        Tool().OnButtonUp(p);
    }
    // The first frame dragged from a to b, then a click at each further point.
    void Pick(TPoint a, TPoint b, std::initializer_list<TPoint> clicks = {}) {
        Client.SelectTool(TToolItem::Animation);
        Tool().OnButtonDown(a);
        Tool().OnMove(b);
        Tool().OnButtonUp(b);
        for (TPoint p : clicks) Click(p);
    }
    std::string Label() const { return Form->LBFrame->text().toStdString(); }
    QImage View() { return Form->Client->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRgb Colour(int x, int y) { return PaletteRgb(*App.Edit().Dib())[App.Edit().Dib()->Pixel(x, y)]; }
};

TEST(AnimationForm, FramesFromTheToolPlayStepAndStop) {
    TAnimationFixture f;
    TAnimationForm& form = *f.Form;
    EXPECT_EQ(f.Label(), " 0/ 0");
    f.Pick({1, 1}, {2, 2}, {{5, 2}, {3, 1}});
    EXPECT_TRUE(form.ToolActive());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.SBSelect->isChecked());
    EXPECT_EQ(f.Label(), " 0/ 3");
    EXPECT_EQ(form.FrameToDraw(), (TRect{2, 0, 4, 2}));  // the last picked

    // The frame under the pointer is marked on the screen, not in the back buffer.
    f.Client.resize(60, 30);
    f.Client.show();
    f.Tool().OnMove({5, 2});
    EXPECT_EQ(f.Client.FrameRect(), (TRect{4, 1, 6, 3}));
    const QImage screen = f.Client.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(screen.pixel(4, 1) == qRgb(0, 0, 0) || screen.pixel(4, 1) == qRgb(255, 255, 255));
    EXPECT_EQ(f.Client.BackBuffer().pixel(4, 1), f.Colour(4, 1));

    // Inizio takes the frames, the edit view gets its tool back, the timer runs.
    QTest::mouseClick(form.SBStart, Qt::LeftButton);
    EXPECT_FALSE(form.ToolActive());
    EXPECT_EQ(f.Client.ToolItem(), TToolItem::DrawLine);
    EXPECT_TRUE(f.Client.FrameRect().IsEmpty());
    EXPECT_FALSE(form.SBSelect->isChecked());
    ASSERT_EQ(form.Frames().Count(), 3);
    EXPECT_EQ(form.Frames()[0], (TRect{1, 1, 3, 3}));
    EXPECT_EQ(form.Frames()[1], (TRect{4, 1, 6, 3}));
    EXPECT_TRUE(form.Playing());
    EXPECT_TRUE(form.SBStart->isChecked());
    EXPECT_EQ(f.Label(), " 1/ 3  500 ms");
    form.TimerTimer();
    form.TimerTimer();
    EXPECT_EQ(f.Label(), " 3/ 3  500 ms");
    form.TimerTimer();  // past the count: back to the first
    EXPECT_EQ(form.Current(), 1);

    // A left click in the view stops and steps; a right click plays, another stops.
    QTest::mouseClick(form.Client->viewport(), Qt::LeftButton);
    EXPECT_FALSE(form.Playing());
    EXPECT_FALSE(form.SBStart->isChecked());
    EXPECT_EQ(f.Label(), " 2/ 3  500 ms");
    QTest::mouseClick(form.Client->viewport(), Qt::RightButton);
    EXPECT_TRUE(form.Playing());
    QTest::mouseClick(form.Client->viewport(), Qt::RightButton);
    EXPECT_FALSE(form.Playing());

    // The tool chosen and left without a pick keeps the frames; a new pick replaces them.
    QTest::mouseClick(form.SBSelect, Qt::LeftButton);
    EXPECT_EQ(f.Client.ToolItem(), TToolItem::Animation);
    EXPECT_EQ(f.Label(), " 0/ 0");
    QTest::mouseClick(form.SBStop, Qt::LeftButton);
    EXPECT_EQ(f.Client.ToolItem(), TToolItem::DrawLine);
    EXPECT_EQ(form.Frames().Count(), 3);
    EXPECT_EQ(f.Label(), " 1/ 3  500 ms");
    f.Pick({0, 0}, {0, 0});
    QTest::mouseClick(form.Client->viewport(), Qt::LeftButton);  // takes them, shows the first
    ASSERT_EQ(form.Frames().Count(), 1);
    EXPECT_EQ(form.Frames()[0], (TRect{0, 0, 1, 1}));
    EXPECT_EQ(f.Label(), " 1/ 1  500 ms");

    // Hiding ends the tool; a new image without frames stops and forgets.
    f.Pick({1, 1}, {1, 1});
    form.hide();
    EXPECT_FALSE(form.ToolActive());
    EXPECT_EQ(form.Frames()[0], (TRect{1, 1, 2, 2}));
    form.SBStartClick();
    f.App.Edit().SetDib(FromGrid({"01", "10"}, 2));
    form.HandleMessage(TNotice::NewImage);
    EXPECT_FALSE(form.Playing());
    EXPECT_EQ(form.Frames().Count(), 0);
    EXPECT_EQ(f.Label(), " 0/ 0");
}

TEST(AnimationForm, ViewCentresOrTilesTheZoomedFrame) {
    TAnimationFixture f;
    TAnimationForm& form = *f.Form;
    f.App.Edit().SetColor2Index(5);
    f.Pick({1, 1}, {3, 2});  // "123" over "456"
    form.SBStopClick();
    form.resize(101, 87);
    form.show();
    QApplication::processEvents();
    form.SetZoom(2);

    // Centred: the 6 x 4 picture in the middle, the secondary colour around it.
    QImage view = f.View();
    const int w = view.width(), h = view.height();
    ASSERT_GT(w, 20);
    ASSERT_GT(h, 20);
    const int left = (w - 6) / 2, top = (h - 4) / 2;
    const QRgb background = PaletteRgb(*f.App.Edit().Dib())[5];
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool inside = x >= left && x < left + 6 && y >= top && y < top + 4;
            const QRgb want = inside ? f.Colour(1 + (x - left) / 2, 1 + (y - top) / 2) : background;
            ASSERT_EQ(view.pixel(x, y), want) << x << "," << y;
        }

    // Tiled: the doubled frame repeated from the top-left over every pixel of the view.
    QTest::mouseClick(form.SBTile, Qt::LeftButton);
    ASSERT_TRUE(form.Tile());
    view = f.View();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) ASSERT_EQ(view.pixel(x, y), f.Colour(1 + x % 6 / 2, 1 + y % 4 / 2)) << x << "," << y;
    EXPECT_TRUE(form.Client->HasTileBitmap());
    form.hide();
    EXPECT_FALSE(form.Client->HasTileBitmap());
}

TEST(AnimationForm, ZoomIntervalAndSettings) {
    TAnimationFixture f;
    TAnimationForm& form = *f.Form;
    EXPECT_EQ(form.Zoom(), 1);
    EXPECT_EQ(form.Timer->interval(), 500);
    for (int bad : {0, 41}) {
        try {
            form.SetZoom(bad);
            ADD_FAILURE() << bad;
        } catch (const std::exception& e) {
            EXPECT_EQ(std::string(e.what()), "Valore d'Ingrandimento non valido: " + std::to_string(bad));
        }
    }
    form.MIZoomItems[2]->trigger();
    EXPECT_EQ(form.Zoom(), 3);
    form.PopupMenuPopup();
    EXPECT_TRUE(form.MIZoomItems[2]->isChecked());
    EXPECT_FALSE(form.MIZoomItems[0]->isChecked());
    EXPECT_FALSE(form.MISaveAvi->isEnabled());  // fewer than two frames
    f.Pick({1, 1}, {1, 1}, {{4, 2}});
    form.PopupMenuPopup();
    EXPECT_FALSE(form.MISaveAvi->isEnabled());  // still picking
    form.SBStopClick();
    form.PopupMenuPopup();
    EXPECT_TRUE(form.MISaveAvi->isEnabled());

    // "Ritardo" refuses 0 and 5001 and takes 250.
    int asked = 0;
    auto previous = TNumberInputDialog::SetHook([&](TNumberInputDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "更新間隔(ﾐﾘ秒) ");
        dialog.Edit()->setText("0");
        EXPECT_FALSE(dialog.Edit()->IsValid());
        dialog.Edit()->setText("5001");
        EXPECT_FALSE(dialog.Edit()->IsValid());
        dialog.Edit()->setText("250");
        ++asked;
        dialog.done(QDialog::Accepted);
        return dialog.result();
    });
    form.MIDelay->trigger();
    TNumberInputDialog::SetHook(previous);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(form.Timer->interval(), 250);
    QTest::mouseClick(form.SBTile, Qt::LeftButton);

    // Written when the window goes, read back by the next one; stored values out of range
    // are brought inside.
    f.Form.reset();
    f.Form = std::make_unique<TAnimationForm>(f.App);
    EXPECT_EQ(f.Form->Timer->interval(), 250);
    EXPECT_TRUE(f.Form->Tile());
    EXPECT_EQ(f.Form->Zoom(), 3);
    f.Form.reset();
    {
        TSectionScope scope(f.App.Ini(), "AnimationForm");
        f.App.Ini().WriteInteger("Zoom", 99);
        f.App.Ini().WriteInteger("Interval", -5);
    }
    f.Form = std::make_unique<TAnimationForm>(f.App);
    EXPECT_EQ(f.Form->Zoom(), 40);
    EXPECT_EQ(f.Form->Timer->interval(), 1);
}

TEST(AnimationForm, TheHundredthFrameIsRefusedWithABox) {
    TAnimationFixture f;
    std::vector<TMessageRequest> boxes;
    TMessageHookScope hook([&](const TMessageRequest& r) {
        boxes.push_back(r);
        return TMsgResult::Ok;
    });
    f.Pick({0, 0}, {0, 0});
    for (int i = 1; i < kMaxAnimationFrames; ++i) f.Click({i % 8, i % 4});
    QApplication::processEvents();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(f.Label(), " 0/99");
    f.Click({3, 3});
    f.Click({2, 2});
    QApplication::processEvents();
    EXPECT_EQ(f.Label(), " 0/99");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text.toStdString(), kMsgTooManyFrames.Text);
    f.Form->SBStopClick();
    EXPECT_EQ(f.Form->Frames().Count(), 99);
}

// The export's own file dialog names every form it writes, and a name typed without an
// extension under "GIF animata" becomes a GIF file.
TEST(AnimationForm, ExportDialogOffersEveryFormAndGivesTheChosenExtension) {
    TAnimationFixture f;
    f.Pick({1, 1}, {3, 2}, {{5, 2}});
    f.Form->SBStopClick();
    // The dialog opens in the working folder.
    const QString folder = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(f.Dir));
    QStringList offered;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                offered = dialog->nameFilters();
                QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                QTest::keyClicks(name, "walk");
                QTest::keyClick(name, Qt::Key_Return);
            }
    });
    f.Form->MISaveAviClick();
    QDir::setCurrent(folder);
    EXPECT_EQ(offered.join(";").toStdString(), "File AVI (*.avi);GIF animata (*.gif);PNG animata (APNG) (*.png);"
                                               "Striscia di fotogrammi (*.strip.png);Tutti i File (*.*) (*.*)");
    const std::vector<uint8_t> b = ReadFileBytes(f.Dir + "/walk.gif");
    EXPECT_EQ(std::string(b.begin(), b.begin() + std::min<size_t>(b.size(), 6)), "GIF89a");
}

}  // namespace
}  // namespace pixmo::test

namespace pixmo::test {
namespace {

// The frames go out in their order at their delays; a file that cannot be made
// gives an error box.
TEST(AnimationForm, SaveAsAviWritesTheFramesAtTheirDelays) {
    TAnimationFixture f;
    f.App.Edit().SetDib(FromGrid({"00000000", "0123abc0", "0456def0", "00000000"}, 256));
    f.Form->HandleMessage(TNotice::NewImage);
    f.Pick({1, 1}, {3, 2}, {{5, 2}});
    f.Form->SBStopClick();
    // Every frame's delay 250 through the pop-up's own dialog.
    auto previous = TNumberInputDialog::SetHook([](TNumberInputDialog& dialog) {
        dialog.Edit()->setText("250");
        dialog.done(QDialog::Accepted);
        return dialog.result();
    });
    f.Form->MIAllDelays->trigger();
    TNumberInputDialog::SetHook(previous);
    std::vector<TMessageRequest> boxes;
    TMessageHookScope boxHook([&](const TMessageRequest& r) {
        boxes.push_back(r);
        return TMsgResult::Ok;
    });
    std::vector<QString> answers{QString::fromStdString(f.Dir + "/walk"),
                                 QString::fromStdString(f.Dir + "/missing/walk.avi")};
    TFileHookScope fileHook([&](const TFileRequest& r) -> std::optional<QString> {
        EXPECT_TRUE(r.Save);
        QString a = answers.front();
        answers.erase(answers.begin());
        return a;
    });
    f.Form->MISaveAviClick();
    EXPECT_TRUE(boxes.empty());
    const std::vector<uint8_t> b = ReadFileBytes(f.Dir + "/walk.avi");
    const std::string text(b.begin(), b.end());
    const size_t strh = text.find("strh");
    ASSERT_NE(strh, std::string::npos);
    EXPECT_EQ(b[strh + 8 + 20] | b[strh + 8 + 21] << 8, 250);  // scale: the frames' delay
    const size_t first = text.find("00db", text.find("movi"));
    const size_t second = text.find("00db", first + 4);
    ASSERT_NE(second, std::string::npos);
    // Frame 2 ("abc" over "def"), rows bottom-up, each padded to four bytes.
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + static_cast<long>(second) + 8, b.begin() + static_cast<long>(second) + 16),
              (std::vector<uint8_t>{13, 14, 15, 0, 10, 11, 12, 0}));

    f.Form->MISaveAviClick();
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Kind, TMsgKind::Error);
}

}  // namespace
}  // namespace pixmo::test

namespace pixmo::test {
namespace {

// Each frame keeps its delay: new frames take "Ritardo", the pop-up sets one or all, the
// timer waits each frame's own; frames are removed and moved; the image keeps them all and
// gives them back as a new image.
TEST(AnimationForm, FramesKeepTheirDelaysAndTheListIsEditedAndKeptInTheImage) {
    TAnimationFixture f;
    TAnimationForm& form = *f.Form;
    f.Pick({1, 1}, {1, 1}, {{2, 1}, {3, 1}, {4, 1}});
    form.SBStopClick();
    auto answer = [](const char* text) {
        return TNumberInputDialog::SetHook([text](TNumberInputDialog& dialog) {
            dialog.Edit()->setText(text);
            dialog.done(QDialog::Accepted);
            return dialog.result();
        });
    };
    form.TimerTimer();
    form.TimerTimer();  // frame 3
    auto previous = answer("300");
    form.MIFrameDelay->trigger();
    TNumberInputDialog::SetHook(previous);
    EXPECT_EQ(f.Label(), " 3/ 4  300 ms");
    EXPECT_EQ(form.Delays(), (std::vector<int>{500, 500, 300, 500}));
    const TSheetFrames expected = {{TRect{1, 1, 2, 2}, 500}, {TRect{2, 1, 3, 2}, 500}, {TRect{3, 1, 4, 2}, 300},
                                   {TRect{4, 1, 5, 2}, 500}};
    EXPECT_EQ(f.App.Edit().Dib()->Frames(), expected);
    EXPECT_TRUE(f.App.Edit().Modified());  // the file keeps the frames: closing asks first

    // Playing, the timer waits the shown frame's delay.
    form.SBStartClick();  // from frame 3
    EXPECT_EQ(form.Timer->interval(), 300);
    form.TimerTimer();
    EXPECT_EQ(form.Timer->interval(), 500);
    form.SBStopClick();
    EXPECT_EQ(form.Timer->interval(), 500);

    // Frame 3 moves earlier, then frame 1 goes; the pop-up offers only what can be done.
    form.TimerTimer();
    form.TimerTimer();
    form.TimerTimer();
    ASSERT_EQ(form.Current(), 3);
    form.MIMoveEarlier->trigger();
    EXPECT_EQ(form.Current(), 2);
    EXPECT_EQ(form.Delays(), (std::vector<int>{500, 300, 500, 500}));
    EXPECT_EQ(form.Frames()[1], (TRect{3, 1, 4, 2}));
    form.TimerTimer();
    form.TimerTimer();
    form.TimerTimer();  // back to frame 1
    form.PopupMenuPopup();
    EXPECT_FALSE(form.MIMoveEarlier->isEnabled());
    EXPECT_TRUE(form.MIMoveLater->isEnabled());
    form.MIRemoveFrame->trigger();
    ASSERT_EQ(form.Frames().Count(), 3);
    EXPECT_EQ(f.Label(), " 1/ 3  300 ms");
    previous = answer("120");
    form.MIAllDelays->trigger();
    TNumberInputDialog::SetHook(previous);
    const TSheetFrames edited = {{TRect{3, 1, 4, 2}, 120}, {TRect{2, 1, 3, 2}, 120}, {TRect{4, 1, 5, 2}, 120}};
    EXPECT_EQ(f.App.Edit().Dib()->Frames(), edited);

    // An image that brings frames gives them to the window.
    auto sheet = FromGrid({"0123", "4567"}, 8);
    sheet->SetFrames({{TRect{0, 0, 2, 2}, 70}, {TRect{2, 0, 4, 2}, 90}});
    f.App.Edit().SetDib(std::move(sheet));
    form.HandleMessage(TNotice::NewImage);
    ASSERT_EQ(form.Frames().Count(), 2);
    EXPECT_EQ(form.Frames()[1], (TRect{2, 0, 4, 2}));
    EXPECT_EQ(f.Label(), " 1/ 2  70 ms");
    // A window opened after the image takes them too.
    f.Form = std::make_unique<TAnimationForm>(f.App);
    EXPECT_EQ(f.Label(), " 1/ 2  70 ms");
}

// Onion skin: inside the frame under the pointer the previous frame shows through, nowhere
// else, and only on the screen.
TEST(AnimationForm, OnionSkinShowsThePreviousFrameTranslucentlyInTheCurrentFrameOnly) {
    TAnimationFixture f;
    TAnimationForm& form = *f.Form;
    f.App.Edit().Dib()->SetFrames({{TRect{1, 1, 3, 3}, 100}, {TRect{4, 1, 6, 3}, 100}});
    form.HandleMessage(TNotice::NewImage);
    const std::vector<uint8_t> before = f.App.Edit().Dib()->CreatePacked();
    f.Client.resize(60, 30);
    f.Client.show();
    form.MIOnionSkin->trigger();
    EXPECT_TRUE(f.Client.OnionSkin().On);
    QTest::mouseMove(f.Client.viewport(), QPoint(4, 1));
    QApplication::processEvents();
    const QImage view = f.Client.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    auto near = [](QRgb a, QRgb b) { return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qBlue(a) - qBlue(b)) <= 2; };
    auto blend = [&](int x, int y, int gx, int gy) {
        const QRgb own = f.Colour(x, y), ghost = f.Colour(gx, gy);
        const auto mix = [](int o, int g) { return qRound(g * kOnionPreviousOpacity + o * (1 - kOnionPreviousOpacity)); };
        return qRgb(mix(qRed(own), qRed(ghost)), mix(qGreen(own), qGreen(ghost)), mix(qBlue(own), qBlue(ghost)));
    };
    for (int y = 1; y < 3; ++y)
        for (int x = 4; x < 6; ++x) {
            EXPECT_TRUE(near(view.pixel(x, y), blend(x, y, x - 3, y))) << x << "," << y;
            EXPECT_NE(view.pixel(x, y), f.Colour(x, y));
        }
    for (const QPoint p : {QPoint(1, 1), QPoint(2, 2), QPoint(3, 1), QPoint(6, 2), QPoint(4, 3)})
        EXPECT_EQ(view.pixel(p), f.Colour(p.x(), p.y())) << p.x() << "," << p.y();
    EXPECT_EQ(f.Client.BackBuffer().pixel(4, 1), f.Colour(4, 1));
    // The image, and so any file saved from it, holds no ghost.
    EXPECT_EQ(f.App.Edit().Dib()->CreatePacked(), before);

    // Off: the frame shows its own pixels again.
    form.MIOnionSkin->trigger();
    const QImage plain = f.Client.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(plain.pixel(4, 1), f.Colour(4, 1));
}

// "Ritardo di Tutti i Fotogrammi..." as a person uses it: the number typed into the dialog's
// field, then its OK button; a number out of range is refused and the dialog stays open.
TEST(AnimationForm, AllDelaysDialogTakesTheTypedNumberOnOk) {
    TAnimationFixture f;
    TAnimationForm& form = *f.Form;
    f.Pick({1, 1}, {1, 1}, {{2, 1}});
    form.SBStopClick();
    std::vector<std::string> titles;
    int refusals = 0;
    bool stillOpen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TNumberInputDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        titles.push_back(dialog->windowTitle().toStdString());
        auto* edit = dialog->findChild<QLineEdit*>("NENumber");
        auto* ok = dialog->findChild<QPushButton*>("OkBtn");
        if (edit && ok) {
            TMessageHookScope boxes([&](const TMessageRequest&) {
                ++refusals;
                return TMsgResult::Ok;
            });
            edit->selectAll();
            QTest::keyClicks(edit, "5001");
            QTest::mouseClick(ok, Qt::LeftButton);
            stillOpen = dialog->isVisible();
            edit->selectAll();
            QTest::keyClicks(edit, "40");
            QTest::mouseClick(ok, Qt::LeftButton);
        }
        if (dialog->isVisible()) dialog->reject();  // never left waiting
    });
    form.MIAllDelays->trigger();
    EXPECT_EQ(titles, std::vector<std::string>{"Ritardo di tutti i fotogrammi (ms) "});
    EXPECT_EQ(refusals, 1);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(form.Delays(), (std::vector<int>{40, 40}));
    const TSheetFrames expected = {{TRect{1, 1, 2, 2}, 40}, {TRect{2, 1, 3, 2}, 40}};
    EXPECT_EQ(f.App.Edit().Dib()->Frames(), expected);
}

}  // namespace
}  // namespace pixmo::test
