#include "uikit/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <exception>

namespace pixmo {

namespace {
constexpr int kMaxWindowSide = 16384;

bool OnSomeScreen(const QRect& rect) {
    const auto screens = QGuiApplication::screens();
    if (screens.isEmpty()) return true;
    for (QScreen* screen : screens)
        if (screen->availableGeometry().intersects(rect)) return true;
    return false;
}
}  // namespace

TPlacement WindowPlacement(const QWidget& window) {
    TPlacement p;
    if (!window.isVisible()) p.Show = kShowHidden;
    else if (window.isMinimized()) p.Show = kShowMinimized;
    else if (window.isMaximized()) p.Show = kShowMaximized;
    else p.Show = kShowNormal;
    // The restored position: the frame's corner and the client's size, as move() and
    // resize() take them back.
    QRect normal = window.isMaximized() || window.isMinimized() ? window.normalGeometry() : QRect();
    if (!normal.isValid()) normal = QRect(window.pos(), window.size());
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
    if (width > 0 && height > 0 && width <= kMaxWindowSide && height <= kMaxWindowSide) {
        const QRect rect(r.Left, r.Top, static_cast<int>(width), static_cast<int>(height));
        window.resize(rect.size());
        if (OnSomeScreen(rect)) window.move(rect.topLeft());
    }
    if (stored->Show <= kShowHidden && rules.MainWindowExists) return true;
    if (stored->Show == kShowMaximized) window.showMaximized();
    else if (stored->Show == kShowMinimized) window.showMinimized();
    else window.show();
    return true;
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
