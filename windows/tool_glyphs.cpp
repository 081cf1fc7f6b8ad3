#include "windows/tool_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <cstring>

namespace pixmo {

namespace {

const QColor kInk(20, 20, 20);
const QColor kFill(40, 110, 200);
const QColor kWood(230, 170, 60);
const QColor kPaint(220, 50, 40);

// Points in the 17 × 17 box.
struct TBox {
    QRectF R;
    QPointF operator()(double x, double y) const { return QPointF(R.left() + x, R.top() + y); }
    QRectF Rect(double x, double y, double w, double h) const { return QRectF((*this)(x, y), QSizeF(w, h)); }
};

QPen Solid(const QColor& c, double width = 1.4) { return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// Selection outlines: short black dashes on white, so they read on any button face.
void Marching(QPainter& p, const QPainterPath& path) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 1.4));
    p.drawPath(path);
    QPen dash(kInk, 1.4, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dash.setDashPattern({2, 1.6});
    p.setPen(dash);
    p.drawPath(path);
}

QPainterPath Polygon(const TBox& b, std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (QPointF q : points) {
        const QPointF at = b(q.x(), q.y());
        if (first) path.moveTo(at);
        else path.lineTo(at);
        first = false;
    }
    path.closeSubpath();
    return path;
}

void Pencil(QPainter& p, const TBox& b) {
    // A pencil from top right to bottom left: wooden body, darker tip, a written line.
    QPainterPath body = Polygon(b, {{13.5, 1}, {16, 3.5}, {6, 13.5}, {3.5, 11}});
    p.setPen(Solid(kInk, 1));
    p.setBrush(kWood);
    p.drawPath(body);
    p.setBrush(kInk);
    p.drawPath(Polygon(b, {{3.5, 11}, {6, 13.5}, {1.5, 15.5}}));
}

void Bucket(QPainter& p, const TBox& b) {
    QPainterPath pail = Polygon(b, {{3, 6}, {11, 3}, {14, 10}, {6, 13}});
    p.setPen(Solid(kInk, 1.2));
    p.setBrush(QColor(200, 200, 200));
    p.drawPath(pail);
    p.setBrush(Qt::NoBrush);
    p.drawArc(b.Rect(4, 0.5, 7, 7), 30 * 16, 140 * 16);
    // Paint pouring from the lip.
    p.setPen(Qt::NoPen);
    p.setBrush(kPaint);
    QPainterPath drop;
    drop.moveTo(b(14, 10));
    drop.cubicTo(b(16.5, 11), b(16.5, 14), b(15.5, 16));
    drop.cubicTo(b(14, 15), b(14, 12), b(14, 10));
    p.drawPath(drop);
}

struct TGlyphEntry {
    const char* Name;
    void (*Paint)(QPainter&, const TBox&);
};

// The pictures by name; a tool's row names the one its button shows.
const TGlyphEntry kGlyphs[] = {
    {"MarchingRect",
     [](QPainter& p, const TBox& b) {
        QPainterPath path;
        path.addRect(b.Rect(1.5, 3.5, 14, 10));
        Marching(p, path);
     }},
    {"MarchingEllipse",
     [](QPainter& p, const TBox& b) {
        QPainterPath path;
        path.addEllipse(b.Rect(1.5, 2.5, 14, 12));
        Marching(p, path);
     }},
    {"MarchingPolygon",
     [](QPainter& p, const TBox& b) {
        Marching(p, Polygon(b, {{1.5, 6}, {8, 1.5}, {15.5, 5}, {12, 15.5}, {4, 12}}));
     }},
    {"Lasso",
     [](QPainter& p, const TBox& b) {
        QPainterPath path;
        path.moveTo(b(3, 8));
        path.cubicTo(b(1, 2), b(11, 0), b(14.5, 4));
        path.cubicTo(b(17, 8), b(12, 12), b(8, 11));
        path.cubicTo(b(5, 10.5), b(4, 12), b(6, 15.5));
        Marching(p, path);
     }},
    {"MarchingParallelogram",
     [](QPainter& p, const TBox& b) {
        Marching(p, Polygon(b, {{5, 3.5}, {16, 3.5}, {12, 13.5}, {1, 13.5}}));
     }},
    {"Swatches",
     [](QPainter& p, const TBox& b) {
        // Three swatches, two of them taken into the selection.
        p.setPen(Solid(kInk, 1));
        p.setBrush(kPaint);
        p.drawRect(b.Rect(1.5, 2, 5, 5));
        p.setBrush(kFill);
        p.drawRect(b.Rect(10.5, 2, 5, 5));
        p.setBrush(QColor(60, 170, 70));
        p.drawRect(b.Rect(6, 10, 5, 5));
        QPainterPath around;
        around.addRect(b.Rect(0.5, 1, 7, 7));
        around.addRect(b.Rect(5, 9, 7, 7));
        Marching(p, around);
     }},
    {"BorderInside",
     [](QPainter& p, const TBox& b) {
        // A shape drawn in the secondary colour, the selection running inside it.
        p.setPen(Solid(kFill, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(b.Rect(1.5, 2, 14, 13), 3, 3);
        QPainterPath inside;
        inside.addRect(b.Rect(4.5, 5, 8, 7));
        Marching(p, inside);
     }},
    {"Wand",
     [](QPainter& p, const TBox& b) {
        // A wand with a spark at its tip.
        p.setPen(Solid(kInk, 2.2));
        p.drawLine(b(2, 15.5), b(10, 7.5));
        p.setPen(Solid(QColor(230, 180, 0), 1.3));
        const QPointF c = b(12.5, 4.5);
        for (int i = 0; i < 4; ++i) {
            const double dx = (i % 2 ? 3.5 : 0), dy = (i % 2 ? 0 : 3.5);
            p.drawLine(c - QPointF(dx, dy), c + QPointF(dx, dy));
        }
        p.drawLine(c - QPointF(2.3, 2.3), c + QPointF(2.3, 2.3));
        p.drawLine(c - QPointF(2.3, -2.3), c + QPointF(2.3, -2.3));
     }},
    {"Pencil", [](QPainter& p, const TBox& b) { Pencil(p, b); }},
    {"Line",
     [](QPainter& p, const TBox& b) {
        p.setPen(Solid(kInk, 1.8));
        p.drawLine(b(2, 15), b(15, 2));
     }},
    {"Rect",
     [](QPainter& p, const TBox& b) {
        p.setPen(Solid(kInk, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(b.Rect(1.5, 3.5, 14, 10));
     }},
    {"FilledRect",
     [](QPainter& p, const TBox& b) {
        p.setPen(Solid(kInk, 1.2));
        p.setBrush(kFill);
        p.drawRect(b.Rect(1.5, 3.5, 14, 10));
     }},
    {"Ellipse",
     [](QPainter& p, const TBox& b) {
        p.setPen(Solid(kInk, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(b.Rect(1.5, 2.5, 14, 12));
     }},
    {"FilledEllipse",
     [](QPainter& p, const TBox& b) {
        p.setPen(Solid(kInk, 1.2));
        p.setBrush(kFill);
        p.drawEllipse(b.Rect(1.5, 2.5, 14, 12));
     }},
    {"Edge",
     [](QPainter& p, const TBox& b) {
        // A filled shape with its edge drawn in another colour.
        QPainterPath blob;
        blob.moveTo(b(3, 9));
        blob.cubicTo(b(1, 2), b(12, 0), b(14.5, 5));
        blob.cubicTo(b(17, 10), b(10, 16.5), b(6, 15));
        blob.cubicTo(b(3.5, 14), b(4, 11), b(3, 9));
        p.setBrush(QColor(170, 200, 235));
        p.setPen(Solid(kPaint, 2.2));
        p.drawPath(blob);
     }},
    {"Bucket", [](QPainter& p, const TBox& b) { Bucket(p, b); }},
    {"Curve",
     [](QPainter& p, const TBox& b) {
        QPainterPath curve;
        curve.moveTo(b(1.5, 14));
        curve.cubicTo(b(3, 0), b(13, 17), b(15.5, 3));
        p.setPen(QPen(QColor(150, 150, 150), 0.8, Qt::DotLine));
        p.drawLine(b(1.5, 14), b(3, 0));
        p.drawLine(b(15.5, 3), b(13, 17));
        p.setPen(Solid(kInk, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve);
        p.setBrush(kInk);
        for (QPointF q : {b(3, 0.5), b(13, 16.5)}) p.drawEllipse(q, 1.2, 1.2);
     }},
    {"Spray",
     [](QPainter& p, const TBox& b) {
        // A can and its cloud of dots.
        p.setPen(Solid(kInk, 1));
        p.setBrush(QColor(190, 190, 190));
        p.drawRoundedRect(b.Rect(1.5, 7, 6, 9), 1.5, 1.5);
        p.setBrush(kInk);
        p.drawRect(b.Rect(3, 5, 3, 2));
        p.setPen(Qt::NoPen);
        p.setBrush(kPaint);
        const double dots[][2] = {{9, 3}, {12, 2}, {15, 4}, {10.5, 6}, {13.5, 7}, {16, 9}, {11, 9.5}, {14, 11.5}, {9.5, 12}};
        for (const auto& d : dots) p.drawEllipse(b(d[0], d[1]), 0.9, 0.9);
     }},
};

}  // namespace

TAppButton::TGlyph ToolGlyph(const char* name) {
    for (const TGlyphEntry& g : kGlyphs)
        if (name && std::strcmp(name, g.Name) == 0)
            return [paint = g.Paint](QPainter& p, const QRectF& box) {
                p.save();
                paint(p, TBox{box});
                p.restore();
            };
    return [](QPainter&, const QRectF&) {};
}

}  // namespace pixmo
