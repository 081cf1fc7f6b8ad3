#include "view/custom_main_form.h"

#include "edit/edit_context.h"
#include "view/app_context.h"
#include "view/paint_client.h"
#include "view/view_objects.h"

namespace pixmo {

TCustomMainForm::TCustomMainForm(TAppContext& app, const QString& name, QWidget* parent)
    : TDibForm(app, name, true, parent) {
    app.SetMainForm(this);
}

TCustomMainForm::~TCustomMainForm() {
    if (App().MainForm() == this) App().SetMainForm(nullptr);
    if (App().PaintClient() == FClient) {
        App().SetPaintClient(nullptr);
        TEditContext& doc = App().Edit();
        doc.AttachView(nullptr);
        doc.AttachBusy(nullptr);
    }
}

TPaintClient* TCustomMainForm::CreateClient(QWidget* parent) {
    if (FClient) return FClient;
    FClient = new TPaintClient(parent, &App().ViewObjects());
    FClient->setObjectName("PaintClient");
    FClient->SetContext(&App().Edit());
    App().SetPaintClient(FClient);
    connect(FClient, &TPaintClient::toolChanged, this, [this] { App().Broadcast(TNotice::ToolChanged); });
    return FClient;
}

void TCustomMainForm::SetColor1Index(int index) { App().Edit().SetColor1Index(index); }
void TCustomMainForm::SetColor2Index(int index) { App().Edit().SetColor2Index(index); }
void TCustomMainForm::SetPaletteColor(int index, uint32_t color) { App().Edit().SetPaletteColor(index, color); }

void TCustomMainForm::HandleMessage(TNotice notice) {
    switch (notice) {
        case TNotice::NewImage:
            // The document has clamped the colour indices and told the selection already.
            if (FClient) FClient->SelectTool(FClient->ToolItem());
            break;
        case TNotice::PaletteChanged:
            if (FClient) FClient->InvalidateAll();
            break;
        case TNotice::Pen1Changed:
        case TNotice::Pen2Changed: {
            const TMainSettings& s = App().Settings();
            const int slot = notice == TNotice::Pen1Changed ? s.NPen1 : s.NPen2;
            const int width = slot >= 0 && slot < kPenWidthCount ? s.PenWidths[static_cast<size_t>(slot)] : 1;
            App().ViewObjects().PenImage().Get(width);
            break;
        }
        default:
            break;
    }
}

}  // namespace pixmo
