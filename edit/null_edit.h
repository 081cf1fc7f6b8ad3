#pragma once
// An edit client and main panels that ignore everything: for benchmarks and tools that run
// the document without a window.
#include <string>

#include "edit/edit_client.h"
#include "edit/main_panels.h"

namespace pixmo {

class TNullEditClient : public TEditClient {
public:
    bool IsBusy() const override { return false; }
    void RepaintImageRect(const TRect&) override {}
    void InvalidateImageRect(const TRect&) override {}
    void InvalidateAll() override {}
    void UpdateNow() override {}
    void RedrawOutline() override {}
    void UpdateToolCursor() override {}
    void AbortTool() override {}
    TPoint CursorImagePoint() const override { return {}; }
    TRect VisibleImageRect() const override { return {}; }
    void BringToFront() override {}
    void ImageInstalled() override {}
    void PaletteChanged() override {}
    void ColorIndexChanged(int) override {}
    void BeginBusyCursor() override {}
    void EndBusyCursor() override {}
    void ExchangePaletteEntries(int, int) override {}
};

class TNullPanels : public TMainPanels {
public:
    void ShowMessage(const std::string&) override {}
    void ShowRect(const TRect&) override {}
    void SetUndoPanel(const std::string&) override {}
    void ModifiedChanged(bool) override {}
    void FileNameChanged(const std::string&) override {}
};

}  // namespace pixmo
