#include "view/view_objects.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "image/dib_canvas.h"
#include "image/int_math.h"

namespace pixmo {

namespace {

QSize ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(640, 480);
}

}  // namespace

const TDib& TPenImage::Get(int width) {
    width = std::max(1, width);
    if (FImage && FWidth == width) return *FImage;
    std::unique_ptr<TDib> image = TMaskDib::Create(width, width);
    TDibCanvas& canvas = image->Canvas();
    canvas.Clear(PaletteIndex(1));
    const int c = Div(width, 2);
    if (width == 1) {
        canvas.SetPixelColor(c, c, PaletteIndex(0));
    } else {
        canvas.Pen = TPen{PaletteIndex(0), width, TPenMode::Copy};
        canvas.MoveTo(c, c);
        canvas.LineTo(c, c);
    }
    FImage = std::move(image);
    FWidth = width;
    return *FImage;
}

TViewObjects::TViewObjects(QSize initial) {
    const QSize size = initial.isValid() ? initial : ScreenSize();
    FBackBuffer = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    FBackBuffer.fill(Qt::white);
    StripeRow(size.width());
}

void TViewObjects::ResizeBackBuffer(QSize size) {
    size = size.expandedTo(QSize(1, 1));
    if (FBackBuffer.size() == size) return;
    FBackBuffer = QImage(size, QImage::Format_RGB32);
    FBackBuffer.fill(Qt::white);
    if (FOutline && QSize(FOutline->Width(), FOutline->Height()) != size) DropOutlineMasks();
}

void TViewObjects::EnsureMasks(QSize size) {
    size = size.expandedTo(QSize(1, 1));
    if (FOutline && FOutline->Width() == size.width() && FOutline->Height() == size.height()) return;
    FOutline = TMaskDib::Create(size.width(), size.height());
    FPattern = TMaskDib::Create(size.width(), size.height());
    ResizeBackBuffer(size);
}

TMaskDib& TViewObjects::OutlineMask(QSize size) {
    EnsureMasks(size);
    return *FOutline;
}

TMaskDib& TViewObjects::PatternMask(QSize size) {
    EnsureMasks(size);
    return *FPattern;
}

void TViewObjects::DropOutlineMasks() {
    FOutline.reset();
    FPattern.reset();
}

const std::vector<uint8_t>& TViewObjects::StripeRow(int width) {
    const size_t needed = static_cast<size_t>(std::max(width, ScreenSize().width())) + 8;
    if (FStripeRow.size() < needed) {
        FStripeRow.resize(needed);
        for (size_t i = 0; i < needed; ++i) FStripeRow[i] = (i % 8) < 4 ? 1 : 0;
    }
    return FStripeRow;
}

}  // namespace pixmo
