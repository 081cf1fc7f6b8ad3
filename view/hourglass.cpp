#include "view/hourglass.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

#include "view/form_timer.h"

namespace pixmo {

namespace {

// Eats the clicks and keys that wait in the queue when a long operation ends; it goes once
// the event loop has had its next turn.
class TInputSwallower : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::ShortcutOverride: return true;
            default: return false;
        }
    }
};

}  // namespace

void THourglass::BeginBusyCursor() {
    if (FDepth++ > 0) return;
    FTimerWasOn = FTimer.Enabled();
    FTimer.SetEnabled(false);
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void THourglass::EndBusyCursor() {
    if (FDepth == 0 || --FDepth > 0) return;
    // What the user pressed while waiting is not meant for what comes next. Nothing is
    // dispatched here: the operation may have run inside a mouse handler.
    auto* swallower = new TInputSwallower(qApp);
    qApp->installEventFilter(swallower);
    QTimer::singleShot(0, swallower, [swallower] {
        qApp->removeEventFilter(swallower);
        swallower->deleteLater();
    });
    QGuiApplication::restoreOverrideCursor();
    FTimer.SetEnabled(FTimerWasOn);
}

}  // namespace pixmo
