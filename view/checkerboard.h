#pragma once
// Transparent palette entries on screen: a pixel whose entry has alpha 0 shows a checkerboard
// of two greys in squares of a fixed screen size (8 device pixels at any zoom and scale), a
// partial alpha is blended over it. Every view of the picture and the palette's cells use it.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "image/dib.h"

class QPainter;
class QWidget;

namespace pixmo {

class TAppContext;

inline constexpr QRgb kCheckerLight = 0xFFCCCCCCu;
inline constexpr QRgb kCheckerDark = 0xFF999999u;

// How the checkerboard lies on a target: the squares' side in the target's pixels (0: none,
// every entry shows its own colour) and the corner of a light square.
struct TCheckerboard {
    int Cell = 0;
    QPoint Origin;
};

// The squares' side for `widget`: 8 device pixels whatever its scale; 0 when `shown` is off.
int CheckerCell(const QWidget& widget, bool shown);

// `colour` with its alpha over the checkerboard at (x, y).
QRgb OverChecker(QRgb colour, int x, int y, const TCheckerboard& board);

// A picture's colour table over the two greys, for drawing rows of palette pixels: every
// entry blended over the light and over the dark grey (an opaque one is the same in both).
struct TCheckerTables {
    std::array<QRgb, 256> Light{};
    std::array<QRgb, 256> Dark{};
};
// None when there is no checkerboard or every entry is opaque: the plain table draws then.
std::optional<TCheckerTables> CheckerTables(const TDib& dib, int cell);

// `count` target pixels of palette pixels over the checkerboard from `at` rightwards: source
// pixel row[sx] spans the first `first` of them, each next one `zoom`.
void CheckerFillRow(QRgb* out, const uint8_t* row, const TCheckerTables& tables, int sx, int first, int zoom, int count,
                    QPoint at, const TCheckerboard& board);
// The same with each target column's source column given.
void CheckerFillColumns(QRgb* out, const uint8_t* row, const TCheckerTables& tables, const std::vector<int>& columns,
                        QPoint at, const TCheckerboard& board);

// `rect` filled with `colour` (its alpha honoured) over the checkerboard, squares of `cell`
// from the rectangle's corner; `cell` 0 fills with the opaque colour.
void FillOverChecker(QPainter& painter, const QRect& rect, QColor colour, int cell);

// The setting "ShowTransparency" changed: the edit client and every window show it.
void ApplyShowTransparency(TAppContext& app, bool show);

}  // namespace pixmo
