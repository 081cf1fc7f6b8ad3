#include "view/drawing_aids_view.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "settings/main_keys.h"
#include "tools/drawing_aids.h"
#include "tools/tool_options.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace pixmo {

void ChangeDrawingAids(TAppContext& app, const std::function<void(TMainSettings&, TToolOptions&)>& change) {
    change(app.Settings(), app.ToolOptions());
    if (TPaintClient* client = app.PaintClient()) client->viewport()->update();
    app.Broadcast(TNotice::DrawingAids);
}

void ToggleDrawingAid(TAppContext& app, bool TMainSettings::*flag) {
    ChangeDrawingAids(app, [flag](TMainSettings& s, TToolOptions&) { s.*flag = !(s.*flag); });
}

void ToggleInk(TAppContext& app, int ink) {
    ChangeDrawingAids(app, [ink](TMainSettings& s, TToolOptions&) { s.Ink = s.Ink == ink ? kInkPen : ink; });
}

// Twice the pointer's place in image pixels, rounded to whole and half pixels, less one.
int MirrorSumAt(int client, int zoom, int pos) {
    const double twice = 2.0 * (client + 0.5) / std::max(zoom, 1);
    return static_cast<int>(std::floor(twice + 0.5)) + 2 * pos - 1;
}

void SetMirrorAxesAtPointer(TAppContext& app) {
    TPaintClient* client = app.PaintClient();
    const TDib* image = app.Edit().Dib();
    if (!client || !image) return;
    const TPoint c = client->CursorPos();
    if (c.X < 0 || c.Y < 0 || c.X >= client->ClientWidth() || c.Y >= client->ClientHeight()) return;
    const int x = std::clamp(MirrorSumAt(c.X, client->Zoom(), client->Scroller().PosX()), 0, 2 * image->Width() - 2);
    const int y = std::clamp(MirrorSumAt(c.Y, client->Zoom(), client->Scroller().PosY()), 0, 2 * image->Height() - 2);
    ChangeDrawingAids(app, [x, y](TMainSettings&, TToolOptions& o) {
        o.MirrorSumX = x;
        o.MirrorSumY = y;
    });
}

void CentreMirrorAxes(TAppContext& app) {
    ChangeDrawingAids(app, [](TMainSettings&, TToolOptions& o) {
        o.MirrorSumX.reset();
        o.MirrorSumY.reset();
    });
}

// White under black dashes, as the animation frame: it shows on any picture.
void PaintMirrorGuide(QPainter& painter, const QRect& clip, const TPaintClient& client, const TMirrorAxes& axes) {
    const TDib* image = client.Dib();
    if (!image || !axes.Any()) return;
    const int z = client.Zoom();
    // Where the sum's axis lies in control pixels: an edge, or the middle of a cell.
    auto place = [z](int sum, int origin) { return origin + (sum + 1) / 2 * z + (sum % 2 == 0 ? z / 2 : 0); };
    const TPoint origin = client.ImageToClient(TPoint{0, 0});
    const TPoint end = client.ImageToClient(TPoint{image->Width(), image->Height()});
    painter.save();
    painter.setClipRect(clip);
    for (const Qt::PenStyle style : {Qt::SolidLine, Qt::DashLine}) {
        painter.setPen(QPen(style == Qt::SolidLine ? Qt::white : Qt::black, 1, style));
        if (axes.X) {
            const int x = place(axes.SumX, origin.X);
            painter.drawLine(x, origin.Y, x, end.Y - 1);
        }
        if (axes.Y) {
            const int y = place(axes.SumY, origin.Y);
            painter.drawLine(origin.X, y, end.X - 1, y);
        }
    }
    painter.restore();
}

}  // namespace pixmo
