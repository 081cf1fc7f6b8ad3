#include "uikit/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
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

QPoint FirstPlacement(const QRect& area, const QRect& ownerFrame, QSize client, const QMargins& frame,
                      std::vector<QRect> others) {
    constexpr int kGap = 4;
    const int64_t width = int64_t{client.width()} + frame.left() + frame.right();
    const int64_t height = int64_t{client.height()} + frame.top() + frame.bottom();
    const int64_t areaRight = int64_t{area.left()} + area.width(), areaBottom = int64_t{area.top()} + area.height();
    const int64_t left = std::clamp<int64_t>(int64_t{ownerFrame.left()} + ownerFrame.width() + kGap, area.left(),
                                             std::max<int64_t>(area.left(), areaRight - width));
    int64_t top = ownerFrame.top();
    // Below the windows already standing there, not over them.
    std::sort(others.begin(), others.end(), [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
    for (const QRect& other : others) {
        const int64_t right = int64_t{other.left()} + other.width(), bottom = int64_t{other.top()} + other.height();
        if (other.left() < left + width && right > left && other.top() < top + height && bottom > top)
            top = bottom + kGap;
    }
    top = std::clamp<int64_t>(top, area.top(), std::max<int64_t>(area.top(), areaBottom - height));
    return QPoint(static_cast<int>(left + frame.left()), static_cast<int>(top + frame.top()));
}

void PlaceBeside(QWidget& window, const QWidget& owner) {
    // Until the window manager has framed a window, its frame is taken to be the owner's,
    // or a title bar when the owner has none.
    constexpr int kTitleAllowance = 30;
    const QRect ownerFrame = owner.frameGeometry(), ownerClient = owner.geometry();
    QMargins frame(ownerClient.left() - ownerFrame.left(), ownerClient.top() - ownerFrame.top(),
                   ownerFrame.right() - ownerClient.right(), ownerFrame.bottom() - ownerClient.bottom());
    if (frame.isNull()) frame = QMargins(0, kTitleAllowance, 0, 0);
    std::vector<QRect> others;
    for (const QWidget* other : owner.findChildren<QWidget*>()) {
        if (other == &window || !other->isWindow() || !other->isVisible()) continue;
        const QRect g = other->frameGeometry();
        others.push_back(g == other->geometry() ? g.marginsAdded(frame) : g);
    }
    const QSize size = window.size().isEmpty() ? window.sizeHint().expandedTo(window.minimumSize()) : window.size();
    const QRect area = TargetArea(int64_t{ownerFrame.left()} + ownerFrame.width(), ownerFrame.top(), size.width(),
                                  size.height());
    if (area.isEmpty()) return;
    // By the client, as PlaceWithin does: a frame's position is not yet known to mean one.
    window.setGeometry(QRect(FirstPlacement(area, ownerFrame, size, frame, std::move(others)), size));
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
