#include "uikit/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cstdlib>
#include <exception>

namespace pixmo {

namespace {
// The available area of the screen that holds most of the rectangle, else the primary one;
// empty without screens. In 64 bits: stored numbers may be anything.
QRect TargetArea(int64_t left, int64_t top, int64_t width, int64_t height) {
    const auto screens = QGuiApplication::screens();
    if (screens.isEmpty()) return QRect();
    QRect best = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                  : screens.first()->availableGeometry();
    int64_t bestArea = 0;
    for (QScreen* screen : screens) {
        const QRect a = screen->availableGeometry();
        const int64_t w = std::min<int64_t>(left + width, int64_t{a.left()} + a.width()) - std::max<int64_t>(left, a.left());
        const int64_t h = std::min<int64_t>(top + height, int64_t{a.top()} + a.height()) - std::max<int64_t>(top, a.top());
        if (w > 0 && h > 0 && w * h > bestArea) {
            bestArea = w * h;
            best = a;
        }
    }
    return best;
}

// Moves and sizes the window into `area`, keeping as much of the stored rectangle as fits.
void PlaceWithin(QWidget& window, const QRect& area, int64_t left, int64_t top, int64_t width, int64_t height) {
    if (area.isEmpty()) return;
    width = std::clamp<int64_t>(width, 1, area.width());
    height = std::clamp<int64_t>(height, 1, area.height());
    left = std::clamp<int64_t>(left, area.left(), int64_t{area.left()} + area.width() - width);
    top = std::clamp<int64_t>(top, area.top(), int64_t{area.top()} + area.height() - height);
    // The client's rectangle, as it was stored: a position given for the frame lands on the
    // client of a window not yet mapped, and each restart would creep by the title bar.
    window.setGeometry(static_cast<int>(left), static_cast<int>(top), static_cast<int>(width), static_cast<int>(height));
}
}  // namespace

TPlacement WindowPlacement(const QWidget& window) {
    TPlacement p;
    if (!window.isVisible()) p.Show = kShowHidden;
    else if (window.isMinimized()) p.Show = kShowMinimized;
    else if (window.isMaximized()) p.Show = kShowMaximized;
    else p.Show = kShowNormal;
    // The restored rectangle of the client, as setGeometry() takes it back.
    QRect normal = window.isMaximized() || window.isMinimized() ? window.normalGeometry() : QRect();
    if (!normal.isValid()) normal = window.geometry();
    p.Normal = TRect{normal.left(), normal.top(), normal.left() + normal.width(),
                     normal.top() + normal.height()};
    return p;
}

bool LoadPlacement(QWidget& window, TIni& ini, const TPlacementRules& rules) {
    std::optional<TPlacement> stored;
    try {
        stored = ini.ReadPlacement();
    } catch (const std::exception&) {
        return false;
    }
    if (!stored) return false;
    const TRect& r = stored->Normal;
    const int64_t width = rules.Sizeable || !rules.DesignedSize.isValid() ? int64_t{r.Right} - r.Left
                                                                          : rules.DesignedSize.width();
    const int64_t height = rules.Sizeable || !rules.DesignedSize.isValid() ? int64_t{r.Bottom} - r.Top
                                                                           : rules.DesignedSize.height();
    if (width > 0 && height > 0)
        PlaceWithin(window, TargetArea(r.Left, r.Top, width, height), r.Left, r.Top, width, height);
    if (stored->Show <= kShowHidden && rules.MainWindowExists) return true;
    if (stored->Show == kShowMaximized) window.showMaximized();
    else if (stored->Show == kShowMinimized) window.showMinimized();
    else window.show();
    return true;
}

void PlaceBeside(QWidget& window, const QWidget& owner) {
    constexpr int kTitleAllowance = 30;
    const QRect frame = owner.frameGeometry();
    const QSize size = window.sizeHint().expandedTo(window.minimumSize());
    const int64_t left = int64_t{frame.left()} + frame.width() + 4;
    int64_t top = frame.top();
    // Below the other tool windows already standing there, not over them.
    for (const QWidget* other : owner.findChildren<QWidget*>()) {
        if (other == &window || !other->isWindow() || !other->isVisible()) continue;
        // Until the window manager has told a frame's extent, allow for a title bar.
        const QRect g = other->frameGeometry();
        const int64_t bottom = int64_t{g.top()} + std::max(g.height(), other->height() + kTitleAllowance);
        // A window never shown may be put by its client area: leave room for its title too.
        if (std::abs(g.left() - left) <= 8 && bottom >= top) top = bottom + kTitleAllowance;
    }
    const QRect area = TargetArea(left, top, size.width(), size.height());
    if (area.isEmpty()) return;
    window.move(static_cast<int>(std::clamp<int64_t>(left, area.left(), std::max<int64_t>(area.left(), int64_t{area.left()} + area.width() - size.width()))),
                static_cast<int>(std::clamp<int64_t>(top, area.top(), std::max<int64_t>(area.top(), int64_t{area.top()} + area.height() - size.height()))));
}

void PlaceAt(QWidget& window, QPoint topLeft) {
    const QSize size = window.size();
    PlaceWithin(window, TargetArea(topLeft.x(), topLeft.y(), size.width(), size.height()), topLeft.x(), topLeft.y(),
                size.width(), size.height());
}

void PlaceCentred(QWidget& window, const QWidget& owner) {
    const QRect frame = owner.frameGeometry();
    const QSize size = window.size();
    const int64_t left = int64_t{frame.center().x()} - size.width() / 2;
    const int64_t top = int64_t{frame.center().y()} - size.height() / 2;
    PlaceWithin(window, TargetArea(frame.left(), frame.top(), frame.width(), frame.height()), left, top, size.width(),
                size.height());
}

void SavePlacement(const QWidget& window, TIni& ini) {
    try {
        ini.WritePlacement(WindowPlacement(window));
    } catch (const std::exception&) {
    }
}

bool PlacementSaysOpen(TIni& ini, const std::string& section) {
    TSectionScope scope(ini, section);
    try {
        auto stored = ini.ReadPlacement();
        return stored && stored->Show != 0;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace pixmo
