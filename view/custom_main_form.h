#pragma once
// TCustomMainForm: the main window's base. Broadcasts notifications to every program window
// and then to the tools, keeps the colour indices valid and handles the notifications that
// concern the document as a whole.
#include <cstdint>

#include "view/dib_form.h"

namespace pixmo {

class TPaintClient;

// Notification numbers.
inline constexpr int kMsgNewImage = 1074;
inline constexpr int kMsgToolChanged = 1225;
inline constexpr int kMsgNavigatorRepaint = 1226;
inline constexpr int kMsgPaletteMode = 1227;
inline constexpr int kMsgShapeOptions = 1245;
inline constexpr int kMsgSelectPen = 1246;
inline constexpr int kMsgSelectInSight = 1247;
inline constexpr int kMsgRightDraws = 1248;
inline constexpr int kMsgPaletteChanged = 1249;
inline constexpr int kMsgColor1Changed = 1250;
inline constexpr int kMsgColor2Changed = 1251;
inline constexpr int kMsgPen1Changed = 1252;
inline constexpr int kMsgPen2Changed = 1253;
inline constexpr int kMsgAnimationZoom = 1254;

class TCustomMainForm : public TDibForm {
    Q_OBJECT
public:
    TCustomMainForm(TAppContext& app, const QString& name, QWidget* parent = nullptr);
    ~TCustomMainForm() override;

    TPaintClient* PaintClient() const { return FClient; }

    // To this window, then every other program window in order, then (with an image) the
    // temporary and the current tool. Synchronous.
    void Broadcast(int message, intptr_t wparam = 0, intptr_t lparam = 0);

    void SetColor1Index(int index);
    void SetColor2Index(int index);
    void SetPaletteColor(int index, uint32_t color);

    void HandleMessage(int message, intptr_t wparam, intptr_t lparam) override;

    // Messages each broadcast delivered to this window (tests watch the order).
    int BroadcastCount() const { return FBroadcasts; }

protected:
    // Creates the edit client (once) and connects its notifications to Broadcast.
    TPaintClient* CreateClient(QWidget* parent);

private:
    TPaintClient* FClient = nullptr;
    int FBroadcasts = 0;
};

}  // namespace pixmo
