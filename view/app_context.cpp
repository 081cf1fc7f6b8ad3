#include "view/app_context.h"

#include <algorithm>

#include "edit/undo.h"
#include "view/custom_main_form.h"
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
    if (FPaintClient) FPaintClient->SetDibFile(std::move(image), fileName);
    else FEdit->SetDibFile(std::move(image), fileName);
    return true;
}

void TAppContext::RegisterForm(TDibForm* form) {
    if (std::find(FForms.begin(), FForms.end(), form) == FForms.end()) FForms.push_back(form);
}

void TAppContext::UnregisterForm(TDibForm* form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
}

}  // namespace pixmo
