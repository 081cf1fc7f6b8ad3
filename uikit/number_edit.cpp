#include "uikit/number_edit.h"

#include <QFocusEvent>

#include "uikit/dialog_hooks.h"

namespace pixmo {

TNumberEdit::TNumberEdit(const QString& name, const QString& hint, int min, int max, int value,
                         QWidget* parent)
    : QLineEdit(parent), FMin(min), FMax(max) {
    setObjectName(name);
    setToolTip(hint);
    setMaxLength(11);
    SetValue(value);
}

void TNumberEdit::SetRange(int min, int max) {
    FMin = min;
    FMax = max;
}

void TNumberEdit::SetValue(int value) { setText(QString::number(value)); }

std::optional<int> TNumberEdit::Value() const {
    bool ok = false;
    const int v = text().trimmed().toInt(&ok);
    if (!ok || v < FMin || v > FMax) return std::nullopt;
    return v;
}

QString TNumberEdit::RangeMessage() const {
    return tr("%1は %2 から %3 の間にして下さい").arg(toolTip().trimmed(), QString::number(FMin), QString::number(FMax));
}

bool TNumberEdit::Check() {
    if (IsValid()) return true;
    ShowErrorBox(this, RangeMessage());
    return false;
}

void TNumberEdit::mousePressEvent(QMouseEvent* event) {
    emit Pressed();
    QLineEdit::mousePressEvent(event);
}

// A field reached without the mouse (a dialog opening on it) is retyped, not appended to.
void TNumberEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason) selectAll();
}


}  // namespace pixmo
