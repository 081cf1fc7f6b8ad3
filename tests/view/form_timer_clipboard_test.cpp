// The main timer's start rules and error handling, and the system clipboard's formats.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include "image/dib.h"
#include "image/errors.h"
#include "support/test_support.h"
#include "view/form_timer.h"
#include "view/qt_clipboard.h"

namespace pixmo::test {

TEST(FormTimerTest, RunsOnlyWithIntervalEnabledAndHandler) {
    TFormTimer timer;
    EXPECT_EQ(timer.Interval(), 1000);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_FALSE(timer.Running());  // no handler yet
    int ticks = 0;
    timer.SetOnTimer([&] { ++ticks; });
    EXPECT_TRUE(timer.Running());
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
    timer.SetInterval(5);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Running());
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Running());
    QTest::qWait(40);
    EXPECT_GT(ticks, 0);
}

TEST(FormTimerTest, AnErrorGoesToTheHandlerAndTheTimerGoesOn) {
    TFormTimer timer;
    std::vector<std::string> errors;
    timer.SetOnError([&](const QString& m) { errors.push_back(m.toStdString()); });
    int calls = 0;
    timer.SetOnTimer([&] {
        ++calls;
        if (calls == 1) RaiseError("primo");
        if (calls == 2) throw EAbort();
    });
    timer.Tick();
    timer.Tick();
    timer.Tick();
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(errors, std::vector<std::string>{"primo"});
    EXPECT_TRUE(timer.Running());
}

TEST(QtClipboardTest, DibTravelsAsOurTypeAndAsAnImage) {
    TQtClipboard clipboard;
    clipboard.Clear();
    EXPECT_FALSE(clipboard.HasFormat(CF_DIB));
    auto image = FromGrid({"#..", ".#.", "..#"}, 2);
    image->SetColor(1, RGB(255, 0, 0));
    image->CopyToClipboard(clipboard);
    ASSERT_TRUE(clipboard.HasFormat(CF_DIB));
    EXPECT_EQ(*clipboard.GetData(CF_DIB), image->CreatePacked());
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasImage());
    const QImage shown = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(1, 0), qRgb(image->GetColor(0) & 0xFF, 0, 0));

    // A mask beside it keeps the DIB.
    clipboard.SetData(CF_DSPBITMAP, {1, 2, 3});
    EXPECT_TRUE(clipboard.HasFormat(CF_DIB));
    EXPECT_EQ(*clipboard.GetData(CF_DSPBITMAP), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_FALSE(clipboard.HasFormat(99));
}

TEST(QtClipboardTest, ImagesOfOtherProgramsReadAsDibs) {
    TQtClipboard clipboard;
    QImage foreign(3, 2, QImage::Format_RGB32);
    foreign.fill(qRgb(10, 20, 30));
    foreign.setPixel(2, 1, qRgb(200, 100, 50));
    QApplication::clipboard()->setImage(foreign);
    ASSERT_TRUE(clipboard.HasFormat(CF_DIB));
    auto dib = TDib::CreateFromPacked(*clipboard.GetData(CF_DIB));
    EXPECT_EQ(dib->BitCount(), 24);
    EXPECT_EQ(dib->Width(), 3);
    const uint8_t* p = dib->ScanLine(1) + 6;
    EXPECT_EQ(p[0], 50);  // blue, green, red
    EXPECT_EQ(p[2], 200);

    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(9, 8, 7)});
    indexed.setPixel(1, 0, 1);
    indexed.setPixel(0, 0, 0);
    auto fromIndexed = TDib::CreateFromPacked(ImageToPackedDib(indexed));
    EXPECT_EQ(fromIndexed->BitCount(), 8);
    EXPECT_EQ(fromIndexed->Pixel(1, 0), 1);
    EXPECT_EQ(fromIndexed->GetColor(1), RGB(9, 8, 7));

    EXPECT_THROW(ImageToPackedDib(QImage(8001, 1, QImage::Format_RGB32)), EPixmoError);
    EXPECT_THROW(ImageToPackedDib(QImage()), EPixmoError);
    EXPECT_THROW(PackedDibToImage(std::vector<uint8_t>{1, 2, 3}), EPixmoError);
}

}  // namespace pixmo::test
