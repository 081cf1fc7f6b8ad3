#pragma once
// TCustomMainForm: the main window's base. Broadcasts notifications to every program window
// and then to the tools, keeps the colour indices valid and handles the notifications that
// concern the document as a whole.
#include <cstdint>

#include "view/dib_form.h"

namespace pixmo {

class TPaintClient;

class TCustomMainForm : public TDibForm {
    Q_OBJECT
public:
    TCustomMainForm(TAppContext& app, const QString& name, QWidget* parent = nullptr);
    ~TCustomMainForm() override;

    TPaintClient* PaintClient() const { return FClient; }

    // To this window, then every other program window in order, then (with an image) the
    // temporary and the current tool. Synchronous.
    void Broadcast(TNotice notice);

    void SetColor1Index(int index);
    void SetColor2Index(int index);
    void SetPaletteColor(int index, uint32_t color);

    void HandleMessage(TNotice notice) override;

protected:
    // Creates the edit client (once) and connects its notifications to Broadcast.
    TPaintClient* CreateClient(QWidget* parent);

private:
    TPaintClient* FClient = nullptr;
};

}  // namespace pixmo
