#include "view/checkerboard.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "image/int_math.h"
#include "view/app_context.h"
#include "view/dib_to_qimage.h"
#include "view/paint_client.h"

namespace pixmo {

namespace {

constexpr int kDevicePixels = 8;

QRgb Blend(QRgb colour, QRgb grey) {
    const unsigned a = qAlpha(colour);
    if (a == 255) return colour;
    if (a == 0) return grey;
    auto mix = [a](unsigned c, unsigned g) { return static_cast<int>((c * a + g * (255 - a) + 127) / 255); };
    return qRgb(mix(qRed(colour), qRed(grey)), mix(qGreen(colour), qGreen(grey)), mix(qBlue(colour), qBlue(grey)));
}

// Where a row starts on the board: pixels left in its first square, and whether that
// square is dark.
struct TSquare {
    int Left;
    bool Dark;
};

TSquare SquareAt(QPoint p, const TCheckerboard& board) {
    const int column = FloorDiv(p.x() - board.Origin.x(), board.Cell);
    const int row = FloorDiv(p.y() - board.Origin.y(), board.Cell);
    return TSquare{board.Origin.x() + (column + 1) * board.Cell - p.x(), ((column + row) & 1) != 0};
}

// One pixel a source pixel: a run of squares, the first `square.Left` wide, then `cell` (N
// when it is not 0) each. Whole pairs of squares go in a loop of fixed length.
template <int N>
void FillSquares(QRgb* out, const uint8_t* src, int count, TSquare square, const TCheckerTables& tables, int cell) {
    const int side = N ? N : cell;
    const QRgb* luts[2] = {tables.Light.data(), tables.Dark.data()};
    int done = 0;
    auto run = [&](int n) {
        const QRgb* lut = luts[square.Dark];
        for (int i = 0; i < n; ++i) out[done + i] = lut[src[done + i]];
        done += n;
        square.Dark = !square.Dark;
    };
    run(std::min(square.Left, count));
    if (N) {
        for (; done + 2 * N <= count; done += 2 * N) {
            const QRgb* first = luts[square.Dark];
            const QRgb* second = luts[!square.Dark];
            for (int i = 0; i < N; ++i) out[done + i] = first[src[done + i]];
            for (int i = N; i < 2 * N; ++i) out[done + i] = second[src[done + i]];
        }
    }
    while (done < count) run(std::min(side, count - done));
}

}  // namespace

int CheckerCell(const QWidget& widget, bool shown) {
    if (!shown) return 0;
    return std::max(1, static_cast<int>(std::lround(kDevicePixels / widget.devicePixelRatioF())));
}

QRgb OverChecker(QRgb colour, int x, int y, const TCheckerboard& board) {
    if (board.Cell <= 0 || qAlpha(colour) == 255) return colour | 0xFF000000u;
    return Blend(colour, SquareAt(QPoint(x, y), board).Dark ? kCheckerDark : kCheckerLight);
}

std::optional<TCheckerTables> CheckerTables(const TDib& dib, int cell) {
    if (cell <= 0 || dib.IsTrueColor() || dib.Alphas().empty()) return std::nullopt;
    TCheckerTables tables;
    const std::array<QRgb, 256> opaque = PaletteRgb(dib);
    const std::vector<uint8_t>& alphas = dib.Alphas();
    for (size_t i = 0; i < opaque.size(); ++i) {
        const QRgb c = i < alphas.size() ? (opaque[i] & 0xFFFFFFu) | QRgb{alphas[i]} << 24 : opaque[i];
        tables.Light[i] = Blend(c, kCheckerLight);
        tables.Dark[i] = Blend(c, kCheckerDark);
    }
    return tables;
}

// A run ends where its source pixel or its square does; each run is one colour.
void CheckerFillRow(QRgb* out, const uint8_t* row, const TCheckerTables& tables, int sx, int first, int zoom, int count,
                    QPoint at, const TCheckerboard& board) {
    TSquare square = SquareAt(at, board);
    if (zoom == 1) {
        // The common sides get a loop of fixed length: as fast as the plain table's.
        if (board.Cell == 8)
            FillSquares<8>(out, row + sx, count, square, tables, board.Cell);
        else if (board.Cell == 4)
            FillSquares<4>(out, row + sx, count, square, tables, board.Cell);
        else
            FillSquares<0>(out, row + sx, count, square, tables, board.Cell);
        return;
    }
    const QRgb* luts[2] = {tables.Light.data(), tables.Dark.data()};
    if (zoom == board.Cell && square.Left == first) {
        // Each source pixel exactly one square (zoom 8 at scale 1): the plain table's loop.
        for (int done = 0, run = std::min(first, count); done < count; ++sx, run = std::min(zoom, count - done)) {
            const QRgb c = luts[square.Dark][row[sx]];
            for (int i = 0; i < run; ++i) out[done + i] = c;
            done += run;
            square.Dark = !square.Dark;
        }
        return;
    }
    // Source pixel by source pixel, each cut where a square ends.
    for (int done = 0, pixelLeft = first; done < count; ++sx, pixelLeft = zoom) {
        const uint8_t index = row[sx];
        for (int left = std::min(pixelLeft, count - done); left > 0;) {
            const int n = std::min(left, square.Left);
            const QRgb c = luts[square.Dark][index];
            for (int i = 0; i < n; ++i) out[done + i] = c;
            done += n;
            left -= n;
            square.Left -= n;
            if (square.Left == 0) square = TSquare{board.Cell, !square.Dark};
        }
    }
}

void CheckerFillColumns(QRgb* out, const uint8_t* row, const TCheckerTables& tables, const std::vector<int>& columns,
                        QPoint at, const TCheckerboard& board) {
    TSquare square = SquareAt(at, board);
    const int count = static_cast<int>(columns.size());
    for (int done = 0; done < count;) {
        const int n = std::min(square.Left, count - done);
        const QRgb* lut = square.Dark ? tables.Dark.data() : tables.Light.data();
        for (int i = done; i < done + n; ++i) out[i] = lut[row[columns[static_cast<size_t>(i)]]];
        done += n;
        square = TSquare{board.Cell, !square.Dark};
    }
}

void FillOverChecker(QPainter& painter, const QRect& rect, QColor colour, int cell) {
    if (cell <= 0 || colour.alpha() == 255) {
        colour.setAlpha(255);
        painter.fillRect(rect, colour);
        return;
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    for (int y = rect.top(), row = 0; y <= rect.bottom(); y += cell, ++row)
        for (int x = rect.left(), column = 0; x <= rect.right(); x += cell, ++column)
            painter.fillRect(QRect(x, y, cell, cell), QColor::fromRgb((row + column) % 2 ? kCheckerDark : kCheckerLight));
    painter.fillRect(rect, colour);
    painter.restore();
}

void ApplyShowTransparency(TAppContext& app, bool show) {
    if (app.Settings().ShowTransparency == show) return;
    app.Settings().ShowTransparency = show;
    if (TPaintClient* client = app.PaintClient()) client->SetShowTransparency(show);
    // Only the views repaint: the entries did not change, so the tools keep their copies.
    app.Broadcast(TNotice::ShowTransparency);
    app.Broadcast(TNotice::NavigatorRepaint);
}

}  // namespace pixmo
