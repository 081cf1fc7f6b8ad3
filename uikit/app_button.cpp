#include "uikit/app_button.h"

#include <QAction>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace pixmo {

namespace {
std::vector<TAppButton*>& List() {
    static std::vector<TAppButton*> buttons;
    return buttons;
}
}  // namespace

TAppButton::TAppButton(const QString& name, const QString& hint, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setToolTip(hint);
    setFixedSize(24, 23);
    List().push_back(this);
}

TAppButton::~TAppButton() { List().erase(std::remove(List().begin(), List().end(), this), List().end()); }

const std::vector<TAppButton*>& TAppButton::Buttons() { return List(); }

void TAppButton::SetMenuItem(QAction* item) {
    FMenuItem = item;
    if (!item) return;
    QString hint = item->statusTip();
    if (hint.isEmpty()) hint = item->text().remove('&');
    setToolTip(hint);
}

void TAppButton::SetDown(bool down) {
    if (down)
        for (TAppButton* other : List())
            if (other != this && other->FDown) {
                other->FDown = false;
                other->update();
            }
    if (down == FDown) return;
    FDown = down;
    update();
}

void TAppButton::Click(Qt::KeyboardModifiers modifiers) {
    SetDown(true);
    repaint();
    // The item may go away with what its command does; keep the name first.
    QPointer<QAction> item = FMenuItem;
    const std::string name = item ? item->objectName().toStdString() : std::string();
    if (item) item->trigger();
    if ((modifiers & Qt::ControlModifier) && !name.empty() && FOnEditShortcut) FOnEditShortcut(name);
}

void TAppButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) Click(event->modifiers());
    event->accept();
}

void TAppButton::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void TAppButton::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void TAppButton::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && isEnabled() && FDblMenuItem) FDblMenuItem->trigger();
}

// A raised face when up, a sunken lighter one when down; the glyph moves with the face.
void TAppButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const QPalette& pal = palette();
    p.fillRect(r, FDown ? pal.color(QPalette::Midlight) : pal.color(QPalette::Button));
    const QColor light = pal.color(QPalette::Light), dark = pal.color(QPalette::Dark);
    p.setPen(FDown ? dark : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(FDown ? light : dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    if (!FGlyph) return;
    const qreal shift = FDown ? 1 : 0;
    p.setRenderHint(QPainter::Antialiasing);
    FGlyph(p, QRectF(3.5 + shift, 3 + shift, 17, 17));
    if (!isEnabled()) p.fillRect(r.adjusted(1, 1, -1, -1), QColor(240, 240, 240, 150));
}

}  // namespace pixmo
