#pragma once
// TDibForm: what every program window has in common beyond its placement. It is one of the
// windows a broadcast reaches; while one of its menus is open the main timer rests; releasing
// a key in it updates the edit view's temporary tool.
#include <QMenu>
#include <cstdint>

#include "edit/notice.h"
#include "view/ini_form.h"

namespace pixmo {

class TAppContext;

class TDibForm : public TIniForm {
    Q_OBJECT
public:
    TDibForm(TAppContext& app, const QString& name, bool isMainWindow, QWidget* parent = nullptr,
             Qt::WindowFlags flags = {});
    ~TDibForm() override;

    TAppContext& App() const { return FApp; }

    // A broadcast notice; nothing here.
    virtual void HandleMessage(TNotice notice);

    // The menu (and its submenus opened later) stops the main timer while it is open.
    void TrackMenu(QMenu* menu);
    void MenuLoopEntered();
    void MenuLoopLeft();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    TAppContext& FApp;
    int FOpenMenus = 0;
};

}  // namespace pixmo
