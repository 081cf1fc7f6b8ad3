#include "view/app_context.h"

#include <algorithm>

#include "edit/undo.h"
#include "tools/drawing_aids.h"
#include "view/custom_main_form.h"
#include "view/dib_form.h"
#include "view/paint_client.h"
#include "view/qt_clipboard.h"
#include "view/view_objects.h"

namespace pixmo {

TAppContext::TAppContext(const std::string& iniFileName, TParams params, std::unique_ptr<TClipboard> clipboard)
    : FIni(std::make_unique<TIni>(iniFileName)),
      FClipboard(clipboard ? std::move(clipboard) : std::make_unique<TQtClipboard>()),
      FParams(std::move(params)) {
    FEdit = std::make_unique<TEditContext>(*FClipboard);
    FToolFactory = std::make_unique<TPixmoToolFactory>(TToolEnvironment{*FEdit, FSettings, FToolOptions, FEditSize});
    FEdit->AttachNotices(this);
}

TAppContext::~TAppContext() {
    // The document goes before the windows' drawing objects; nothing may reach the window
    // side any more.
    FToolFactory.reset();
    FEdit->AttachView(nullptr);
    FEdit->AttachNotices(nullptr);
    FEdit->AttachBusy(nullptr);
    FEdit->AttachPanels(nullptr);
    FEdit.reset();
    FViewObjects.reset();
}

TViewObjects& TAppContext::ViewObjects() {
    if (!FViewObjects) FViewObjects = std::make_unique<TViewObjects>();
    return *FViewObjects;
}

bool TAppContext::InstallNewImage(std::unique_ptr<TDib> image, const std::string& undoCaption,
                                  const std::string& fileName) {
    if (!image) return false;
    if (FMainForm && !FMainForm->QueryClose()) return false;
    FEdit->Undo().AddNewFile(undoCaption);
    FEdit->SetDibFile(std::move(image), fileName);
    return true;
}

void TAppContext::SetPaintClient(TPaintClient* client) {
    FPaintClient = client;
    if (client) client->MirrorAxes = [this] { return MirrorAxesFor(FSettings, FToolOptions, FEdit->Dib()); };
    // The client attaches itself to the document; the notices are the hub's.
    FEdit->AttachNotices(this);
}

void TAppContext::Broadcast(TNotice notice) {
    if (FMainForm) FMainForm->HandleMessage(notice);
    // A window may go away while it handles the message: walk a copy, skip the gone.
    const std::vector<TDibForm*> forms = FForms;
    for (TDibForm* form : forms) {
        if (form == FMainForm) continue;
        if (std::find(FForms.begin(), FForms.end(), form) == FForms.end()) continue;
        form->HandleMessage(notice);
    }
    if (FPaintClient && FEdit->Dib()) FPaintClient->NotifyTools(notice);
}

void TAppContext::ImageInstalled() {
    if (FPaintClient) FPaintClient->ImageInstalled();
    Broadcast(TNotice::NewImage);
}

void TAppContext::PaletteChanged() {
    if (FPaintClient) FPaintClient->PaletteChanged();
    Broadcast(TNotice::PaletteChanged);
}

void TAppContext::ColorIndexChanged(int which) {
    Broadcast(which == 2 ? TNotice::Color2Changed : TNotice::Color1Changed);
}

void TAppContext::RegisterForm(TDibForm* form) {
    if (std::find(FForms.begin(), FForms.end(), form) == FForms.end()) FForms.push_back(form);
}

void TAppContext::UnregisterForm(TDibForm* form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
}

}  // namespace pixmo
