#include "commands/drawing_aid_pictures.h"

#include <QPainter>

#include "image/dib.h"
#include "image/dib_canvas.h"
#include "image/paint_rule.h"
#include "tools/pixel_perfect.h"
#include "view/dib_to_qimage.h"

namespace pixmo {

namespace {
constexpr int kSide = 12, kZoom = 5;

// Black, white, a grey line colour, then a green ramp at 4..7.
std::unique_ptr<TDib> Panel() {
    auto dib = TDib::Create(kSide, kSide, 16);
    const TColorRef colours[] = {RGB(255, 255, 255), RGB(0, 0, 0), RGB(200, 60, 60), RGB(60, 60, 200),
                                 RGB(20, 70, 20),    RGB(40, 120, 40), RGB(80, 170, 80), RGB(150, 220, 150)};
    for (int i = 0; i < 8; ++i) dib->SetColor(i, colours[i]);
    dib->Canvas().Clear(PaletteIndex(0));
    return dib;
}

void Line(TDib& dib, const TPaintRule* rule, TPoint a, TPoint b, int colour, int width) {
    TDibCanvas& c = dib.Canvas();
    c.Rule = rule;
    c.Pen.Color = PaletteIndex(colour);
    c.Pen.Width = width;
    c.MoveTo(a.X, a.Y);
    c.LineTo(b.X, b.Y);
    c.Rule = nullptr;
}
}  // namespace

QImage DrawingAidPicture(const QString& name) {
    if (name != "DrawingAids") return QImage();
    std::vector<std::unique_ptr<TDib>> panels;

    // "Sfumatura": bands of the ramp, a wide stroke across them lighter by one step.
    auto shade = Panel();
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) shade->SetPixel(x, y, static_cast<uint8_t>(4 + x / 3));
    auto before = TDib::CreateClone(*shade);
    const TPaintRule shading(TInk{TInkKind::Shade, 4, 7, 1}, TMirrorAxes{}, before.get());
    Line(*shade, &shading, {0, 6}, {11, 6}, 4, 5);
    panels.push_back(std::move(shade));

    // "Pixel perfetto": a staircase in grey, what stays of it in black.
    auto perfect = Panel();
    TPixelPerfect filter;
    filter.Start();
    std::vector<TPoint> kept;
    for (int i = 0; i < 16; ++i) {
        const TPoint p{1 + (i + 1) / 2, 2 + i / 2};
        perfect->SetPixel(p.X, p.Y, 2);
        kept.push_back(p);
        if (auto corner = filter.Add(p)) std::erase(kept, *corner);
    }
    for (const TPoint p : kept) perfect->SetPixel(p.X, p.Y, 1);
    panels.push_back(std::move(perfect));

    // "Specchio orizzontale" and "Specchio verticale": one stroke, four images.
    auto mirror = Panel();
    const TPaintRule mirroring(TInk{}, TMirrorAxes{true, true, kSide - 1, kSide - 1}, nullptr);
    Line(*mirror, &mirroring, {1, 1}, {4, 3}, 3, 1);
    Line(*mirror, &mirroring, {4, 3}, {2, 5}, 3, 1);
    panels.push_back(std::move(mirror));

    // "Retino": a filled rectangle in the primary and the secondary.
    auto dither = Panel();
    TInk checker;
    checker.Kind = TInkKind::Dither;
    checker.Even = 1;
    checker.Odd = 6;
    const TPaintRule dithering(checker, TMirrorAxes{}, nullptr);
    TDibCanvas& c = dither->Canvas();
    c.Rule = &dithering;
    c.Pen.Width = 1;
    c.Brush.Style = TBrushStyle::Solid;
    c.Rectangle(2, 2, 10, 10);
    c.Rule = nullptr;
    panels.push_back(std::move(dither));

    const int cell = kSide * kZoom, gap = 8;
    QImage picture(static_cast<int>(panels.size()) * (cell + gap) - gap, cell, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (size_t i = 0; i < panels.size(); ++i) {
        const QPoint at(static_cast<int>(i) * (cell + gap), 0);
        DrawDibZoomed(*panels[i], panels[i]->GetRect(), kZoom, picture, at, picture.rect());
        QPainter p(&picture);
        p.setPen(QColor(150, 150, 150));
        p.drawRect(QRect(at, QSize(cell - 1, cell - 1)));
    }
    return picture;
}

}  // namespace pixmo
