#pragma once
// Window placement under "Place": show command (0 hidden, 1 normal, 2 minimised,
// 3 maximised), then the normal position as left, top, right, bottom.
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

#include "settings/ini.h"

namespace pixmo {

inline constexpr int kShowHidden = 0;
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;

// The window's placement as the settings keep it.
TPlacement WindowPlacement(const QWidget& window);

struct TPlacementRules {
    bool Sizeable = true;
    QSize DesignedSize;         // used for right/bottom of a window that is not sizeable
    bool MainWindowExists = false;  // a window stored hidden stays hidden only then
};

// Reads "Place" in ini's current section and applies it; returns whether there was one.
// Errors are ignored. A size that is not positive keeps the window's own size; otherwise
// the rectangle is brought within the available area of the screen it is mostly on.
bool LoadPlacement(QWidget& window, TIni& ini, const TPlacementRules& rules);
// Puts a window that has no placement of its own just right of its owner, on screen.
void PlaceBeside(QWidget& window, const QWidget& owner);
// Where such a window's client goes: its frame (`frame` around the client) just right of
// the owner's frame, at its top or below the windows already standing there (`others`,
// their frames), and wholly inside `area`; when it cannot be, the title bar stays on it.
QPoint FirstPlacement(const QRect& area, const QRect& ownerFrame, QSize client, const QMargins& frame,
                      std::vector<QRect> others);
// Writes "Place" in ini's current section; errors are ignored.
void SavePlacement(const QWidget& window, TIni& ini);
// Puts the client's corner at `topLeft`, the window wholly inside a screen.
void PlaceAt(QWidget& window, QPoint topLeft);
// Centres the window over `owner`, wholly inside the owner's screen.
void PlaceCentred(QWidget& window, const QWidget& owner);

// Whether the section holds a "Place" whose show value is not 0 (tool windows reopened at
// start-up).
bool PlacementSaysOpen(TIni& ini, const std::string& section);

}  // namespace pixmo
