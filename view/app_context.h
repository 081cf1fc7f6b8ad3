#pragma once
// The one owner of the program's process-wide objects: the settings file, the clipboard, the
// document (edit context), the main window's settings, the command line, the edit view's
// drawing objects and the list of program windows. The program builds one at start-up; a
// test builds a fresh one per case (with its own settings file and clipboard).
#include <memory>
#include <string>
#include <vector>

#include "edit/edit_client.h"
#include "edit/edit_context.h"
#include "edit/main_panels.h"
#include "image/clipboard.h"
#include "settings/ini.h"
#include "settings/main_keys.h"
#include "settings/params.h"

namespace pixmo {

class TDibForm;
class TCustomMainForm;
class TFormTimer;
class TPaintClient;
class TViewObjects;

class TAppContext {
public:
    // `clipboard` null uses the system clipboard.
    TAppContext(const std::string& iniFileName, TParams params = {},
                std::unique_ptr<TClipboard> clipboard = nullptr);
    ~TAppContext();
    TAppContext(const TAppContext&) = delete;
    TAppContext& operator=(const TAppContext&) = delete;

    // The live set (the latest one built and not yet destroyed), or null.
    static TAppContext* Current();

    TIni& Ini() { return *FIni; }
    TClipboard& Clipboard() { return *FClipboard; }
    TEditContext& Edit() { return *FEdit; }
    const TParams& Params() const { return FParams; }
    // The main window's keys as read at start-up and changed since.
    TMainSettings& Settings() { return FSettings; }
    TViewObjects& ViewObjects();

    // The edit client and the status panels the document talks to; null detaches.
    void AttachClient(TEditClient* client) { FClientProxy.Target = client; }
    void AttachPanels(TMainPanels* panels) { FPanelsProxy.Target = panels; }

    // --- the program windows, in creation order; the main window first ---
    void RegisterForm(TDibForm* form);
    void UnregisterForm(TDibForm* form);
    const std::vector<TDibForm*>& Forms() const { return FForms; }
    TCustomMainForm* MainForm() const { return FMainForm; }
    void SetMainForm(TCustomMainForm* form) { FMainForm = form; }
    TPaintClient* PaintClient() const { return FPaintClient; }
    void SetPaintClient(TPaintClient* client) { FPaintClient = client; }
    TFormTimer* MainTimer() const { return FMainTimer; }
    void SetMainTimer(TFormTimer* timer) { FMainTimer = timer; }

    // True while any program window has a menu open.
    bool InMenuLoop = false;

private:
    // Forward to the window side once it exists; before that the document talks to no one.
    struct TClientProxy : TEditClient {
        TEditClient* Target = nullptr;
        bool IsBusy() const override { return Target && Target->IsBusy(); }
        void RepaintImageRect(const TRect& r) override { if (Target) Target->RepaintImageRect(r); }
        void InvalidateImageRect(const TRect& r) override { if (Target) Target->InvalidateImageRect(r); }
        void InvalidateAll() override { if (Target) Target->InvalidateAll(); }
        void UpdateNow() override { if (Target) Target->UpdateNow(); }
        void RedrawOutline() override { if (Target) Target->RedrawOutline(); }
        void UpdateToolCursor() override { if (Target) Target->UpdateToolCursor(); }
        void AbortTool() override { if (Target) Target->AbortTool(); }
        TPoint CursorImagePoint() const override { return Target ? Target->CursorImagePoint() : TPoint{-1, -1}; }
        TRect VisibleImageRect() const override { return Target ? Target->VisibleImageRect() : TRect{}; }
        void BringToFront() override { if (Target) Target->BringToFront(); }
        void ImageInstalled() override { if (Target) Target->ImageInstalled(); }
        void PaletteChanged() override { if (Target) Target->PaletteChanged(); }
        void ColorIndexChanged(int which) override { if (Target) Target->ColorIndexChanged(which); }
        void BeginBusyCursor() override { if (Target) Target->BeginBusyCursor(); }
        void EndBusyCursor() override { if (Target) Target->EndBusyCursor(); }
        void ExchangePaletteEntries(int a, int b) override { if (Target) Target->ExchangePaletteEntries(a, b); }
    };
    struct TPanelsProxy : TMainPanels {
        TMainPanels* Target = nullptr;
        void ShowMessage(const std::string& t) override { if (Target) Target->ShowMessage(t); }
        void ShowRect(const TRect& r) override { if (Target) Target->ShowRect(r); }
        void SetUndoPanel(const std::string& t) override { if (Target) Target->SetUndoPanel(t); }
        void ModifiedChanged(bool m) override { if (Target) Target->ModifiedChanged(m); }
        void FileNameChanged(const std::string& f) override { if (Target) Target->FileNameChanged(f); }
    };

    TAppContext* FPrevious;
    std::unique_ptr<TIni> FIni;
    std::unique_ptr<TClipboard> FClipboard;
    TClientProxy FClientProxy;
    TPanelsProxy FPanelsProxy;
    std::unique_ptr<TEditContext> FEdit;
    TParams FParams;
    TMainSettings FSettings;
    std::unique_ptr<TViewObjects> FViewObjects;
    std::vector<TDibForm*> FForms;
    TCustomMainForm* FMainForm = nullptr;
    TPaintClient* FPaintClient = nullptr;
    TFormTimer* FMainTimer = nullptr;
};

}  // namespace pixmo
