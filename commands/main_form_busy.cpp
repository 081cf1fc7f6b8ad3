// The hourglass around long operations: the main timer rests, the cursor is kept, and the
// clicks and keys that arrived meanwhile are dropped at the end.
#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

#include "commands/main_form.h"
#include "edit/edit_context.h"
#include "edit/edit_view.h"
#include "view/app_context.h"
#include "view/form_timer.h"
#include "view/paint_client.h"

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

// The document's hourglass goes through the main window's bracket (timer, cursor, queued
// input) instead of the client's plain cursor. Nested brackets act once, at the outermost pair.
class TMainFormBusy : public QObject, public TBusyBracket {
public:
    TMainFormBusy(TMainForm& form, QObject* parent) : QObject(parent), F(form) {}
    void BeginBusyCursor() override {
        if (FDepth++ == 0) F.BeginBusy();
    }
    void EndBusyCursor() override {
        if (FDepth > 0 && --FDepth == 0) F.EndBusy();
    }

private:
    TMainForm& F;
    int FDepth = 0;
};

}  // namespace

void TMainForm::InstallBusyBracket() {
    // A child of the client: the window drops the document's link to it before the client goes.
    if (TPaintClient* client = Client()) App().Edit().AttachBusy(new TMainFormBusy(*this, client));
}

void TMainForm::BeginBusy() {
    if (FBusyShown) return;
    FBusyShown = true;
    FBusyTimerWasOn = FTimer->Enabled();
    FTimer->SetEnabled(false);
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void TMainForm::EndBusy() {
    if (!FBusyShown) return;
    // What the user pressed while waiting is not meant for what comes next. Nothing is
    // dispatched here: the operation may have run inside a mouse handler.
    auto* swallower = new TInputSwallower(qApp);
    qApp->installEventFilter(swallower);
    QTimer::singleShot(0, swallower, [swallower] {
        qApp->removeEventFilter(swallower);
        swallower->deleteLater();
    });
    QGuiApplication::restoreOverrideCursor();
    FTimer->SetEnabled(FBusyTimerWasOn);
    FBusyShown = false;
}

}  // namespace pixmo
