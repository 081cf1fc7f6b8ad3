#include "view/status_panel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>

namespace pixmo {

namespace {
QLabel* SunkenPanel(QWidget* parent, const QString& caption, const QString& hint) {
    auto* panel = new QLabel(caption, parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setToolTip(hint);
    panel->setStatusTip(hint);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance("00000/00000") + 8);
    return panel;
}
}  // namespace

TStatusPanel::TStatusPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("StatusBar");
    setFrameStyle(QFrame::NoFrame);
    setLineWidth(1);
    // Height 15 at the classic font; grow with the font so the text is never cut.
    setFixedHeight(std::max(15, fontMetrics().height() + 4));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    FMessage = new QLabel(this);
    FMessage->setObjectName("MessagePanel");
    FUndo = SunkenPanel(this, "0/0", tr("Inoformazioni Ripeti"));
    FUndo->setObjectName("UndoPanel");
    FCursor = SunkenPanel(this, "0,0", tr("Posizione Cursore"));
    FCursor->setObjectName("CursorPanel");
    layout->addWidget(FMessage, 1);
    layout->addWidget(FUndo);
    layout->addWidget(FCursor);
    FUndo->installEventFilter(this);
}

void TStatusPanel::SetPanelText(QLabel* panel, const QString& text) {
    panel->setText(text);
    if (panel->isVisible()) panel->repaint();
}

void TStatusPanel::ShowMessageText(const QString& text) {
    if (isHidden()) return;
    SetPanelText(FMessage, text);
}

void TStatusPanel::SetUndoText(const QString& text) { SetPanelText(FUndo, text); }

void TStatusPanel::SetCursorText(const QString& text) {
    if (isHidden()) return;
    SetPanelText(FCursor, text);
}

bool TStatusPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FUndo && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && FOnUndoClick) FOnUndoClick();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace pixmo
