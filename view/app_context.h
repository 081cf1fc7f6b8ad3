#pragma once
// The one owner of the program's process-wide objects: the settings file, the clipboard, the
// document (edit context), the main window's settings, the tool kit, the command line, the
// edit view's drawing objects and the list of program windows. It listens to the document and
// broadcasts its notices to the windows. The program builds one at start-up; a test builds a
// fresh one per case (with its own settings file and clipboard).
#include <memory>
#include <string>
#include <vector>

#include "edit/edit_context.h"
#include "edit/edit_view.h"
#include "edit/notice.h"
#include "image/clipboard.h"
#include "settings/ini.h"
#include "settings/main_keys.h"
#include "settings/params.h"
#include "tools/edit_size.h"
#include "tools/tool_factory.h"
#include "tools/tool_options.h"

namespace pixmo {

class TDibForm;
class TCustomMainForm;
class TFormTimer;
class TPaintClient;
class TViewObjects;

class TAppContext : private TEditNotices {
public:
    // `clipboard` null uses the system clipboard.
    TAppContext(const std::string& iniFileName, TParams params = {},
                std::unique_ptr<TClipboard> clipboard = nullptr);
    ~TAppContext() override;
    TAppContext(const TAppContext&) = delete;
    TAppContext& operator=(const TAppContext&) = delete;

    TIni& Ini() { return *FIni; }
    TClipboard& Clipboard() { return *FClipboard; }
    TEditContext& Edit() { return *FEdit; }
    const TParams& Params() const { return FParams; }
    // The main window's keys as read at start-up and changed since.
    TMainSettings& Settings() { return FSettings; }
    TViewObjects& ViewObjects();
    // What the tools are built with: their options, the grid unit and the factory.
    TToolOptions& ToolOptions() { return FToolOptions; }
    TEditSize& EditSize() { return FEditSize; }
    TPixmoToolFactory& ToolFactory() { return *FToolFactory; }
    // The text font: the text window shows and sets it, placed text is drawn in it.
    TFontSpec& TextFont() { return FTextFont; }

    // --- the program windows, in creation order; the main window first ---
    void RegisterForm(TDibForm* form);
    void UnregisterForm(TDibForm* form);
    const std::vector<TDibForm*>& Forms() const { return FForms; }
    TCustomMainForm* MainForm() const { return FMainForm; }
    void SetMainForm(TCustomMainForm* form) { FMainForm = form; }
    TPaintClient* PaintClient() const { return FPaintClient; }
    // The main window's edit client, the document's view; the hub passes the document's
    // notices on to it before the windows hear them.
    void SetPaintClient(TPaintClient* client);
    TFormTimer* MainTimer() const { return FMainTimer; }
    void SetMainTimer(TFormTimer* timer) { FMainTimer = timer; }

    // To the main window, then every other program window in creation order, then (with an
    // image) the temporary and the current tool. Synchronous.
    void Broadcast(TNotice notice);

    // Replaces the document's image with a new one (New, Open, from the clipboard) as one
    // undo step, once the main window's close query allows it; false when it did not.
    bool InstallNewImage(std::unique_ptr<TDib> image, const std::string& undoCaption, const std::string& fileName);

    // True while any program window has a menu open.
    bool InMenuLoop = false;

private:
    // The document's notices: the edit client updates its view, then every window hears.
    void ImageInstalled() override;
    void PaletteChanged() override;
    void ColorIndexChanged(int which) override;

    std::unique_ptr<TIni> FIni;
    std::unique_ptr<TClipboard> FClipboard;
    std::unique_ptr<TEditContext> FEdit;
    TParams FParams;
    TMainSettings FSettings;
    TToolOptions FToolOptions;
    TEditSize FEditSize;
    TFontSpec FTextFont;
    std::unique_ptr<TPixmoToolFactory> FToolFactory;
    std::unique_ptr<TViewObjects> FViewObjects;
    std::vector<TDibForm*> FForms;
    TCustomMainForm* FMainForm = nullptr;
    TPaintClient* FPaintClient = nullptr;
    TFormTimer* FMainTimer = nullptr;
};

}  // namespace pixmo
