#pragma once
// TPlaceForm ("Posizione"): the navigator. Its client shows the image and the frame of what
// the edit client shows. The commands a system menu would carry (scroll bars, frame, zoom
// 1 to 4) are in a menu of its own, opened with Ctrl and the right button or the menu key:
// the plain right button toggles fit mode.
#include <QAction>
#include <QMenu>
#include <array>

#include "view/dib_form.h"

namespace pixmo {

class TPlaceClient;

class TPlaceForm : public TDibForm {
    Q_OBJECT
public:
    explicit TPlaceForm(TAppContext& app, QWidget* parent = nullptr);
    ~TPlaceForm() override;

    TPlaceClient* Client() const { return FClient; }
    QMenu* Menu() const { return FMenu; }
    // Checks the toggles and the zoom as on opening the menu.
    void UpdateMenu();
    void HandleMessage(TNotice notice) override;

protected:
    // The window's keys are read when it is first shown.
    void showEvent(QShowEvent* event) override;
    void SaveSettings() override;

private:
    void ReadSettings();
    void BuildMenu();

    TPlaceClient* FClient;
    QMenu* FMenu;
    QAction* FScrollBarsItem = nullptr;
    QAction* FFrameItem = nullptr;
    std::array<QAction*, 4> FZoomItems{};
    bool FSettingsRead = false;
};

}  // namespace pixmo
