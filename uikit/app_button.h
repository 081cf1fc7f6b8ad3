#pragma once
// TAppButton: a tool button bound to a menu item. A left press clicks it at once: it goes
// down, every other tool button goes up (one process-wide group in which all may be up) and
// the item's command runs; with Ctrl held the item's key can be edited as well. A double
// click runs a second item. Other buttons, moves and releases do nothing.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QPainter;

namespace pixmo {

class TAppButton : public QWidget {
    Q_OBJECT
public:
    using TGlyph = std::function<void(QPainter&, const QRectF&)>;

    TAppButton(const QString& name, const QString& hint, QWidget* parent = nullptr);
    ~TAppButton() override;

    // The hint becomes the item's status text, or its caption without "&".
    void SetMenuItem(QAction* item);
    QAction* MenuItem() const { return FMenuItem; }
    void SetDblMenuItem(QAction* item) { FDblMenuItem = item; }
    QAction* DblMenuItem() const { return FDblMenuItem; }
    void SetGlyph(TGlyph glyph) { FGlyph = std::move(glyph); }
    // Called with the menu item's name on a click with Ctrl held.
    void SetOnEditShortcut(std::function<void(const std::string&)> handler) { FOnEditShortcut = std::move(handler); }

    bool IsDown() const { return FDown; }
    // Down puts every other tool button up.
    void SetDown(bool down);
    void Click(Qt::KeyboardModifiers modifiers);

    // Every live tool button, in creation order.
    static const std::vector<TAppButton*>& Buttons();

    QSize sizeHint() const override { return QSize(24, 23); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPointer<QAction> FMenuItem;
    QPointer<QAction> FDblMenuItem;
    TGlyph FGlyph;
    std::function<void(const std::string&)> FOnEditShortcut;
    bool FDown = false;
};

}  // namespace pixmo
