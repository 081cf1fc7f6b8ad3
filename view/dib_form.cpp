#include "view/dib_form.h"

#include <QKeyEvent>

#include "view/app_context.h"
#include "view/form_timer.h"
#include "view/paint_client.h"

namespace pixmo {

TDibForm::TDibForm(TAppContext& app, const QString& name, bool isMainWindow, QWidget* parent,
                   Qt::WindowFlags flags)
    : TIniForm(app.Ini(), name, isMainWindow, parent, flags), FApp(app) {
    FApp.RegisterForm(this);
}

TDibForm::~TDibForm() { FApp.UnregisterForm(this); }

void TDibForm::HandleMessage(TNotice) {}

void TDibForm::TrackMenu(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, [this] { MenuLoopEntered(); });
    connect(menu, &QMenu::aboutToHide, this, [this] { MenuLoopLeft(); });
}

void TDibForm::MenuLoopEntered() {
    if (FOpenMenus++ > 0) return;
    if (FApp.MainTimer()) FApp.MainTimer()->SetEnabled(false);
    FApp.InMenuLoop = true;
}

void TDibForm::MenuLoopLeft() {
    if (FOpenMenus == 0 || --FOpenMenus > 0) return;
    FApp.InMenuLoop = false;
    if (FApp.MainTimer()) FApp.MainTimer()->SetEnabled(true);
}

void TDibForm::keyReleaseEvent(QKeyEvent* event) {
    if (TPaintClient* client = FApp.PaintClient()) client->UpdateTempTool();
    TIniForm::keyReleaseEvent(event);
}

}  // namespace pixmo
