#pragma once
// Fakes of the window side for the edit tests: a client that records what it was asked,
// panels that keep their texts, and a fixture that builds a fresh document per test.
#include <memory>
#include <string>
#include <vector>

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/main_panels.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "image/clipboard.h"
#include "image/dib.h"

namespace pixmo::test {

class TFakeClient : public TEditView, public TEditNotices, public TBusyBracket {
public:
    bool Busy = false;
    TPoint Cursor{0, 0};
    TRect Visible{0, 0, 8000, 8000};
    int ImageInstalls = 0, PaletteChanges = 0, Aborts = 0, OutlineRedraws = 0, BusyDepth = 0;
    std::vector<int> ColorChanges;

    bool IsBusy() const override { return Busy; }
    void RepaintImageRect(const TRect&) override {}
    void InvalidateImageRect(const TRect&) override {}
    void InvalidateAll() override {}
    void UpdateNow() override {}
    void RedrawOutline() override { ++OutlineRedraws; }
    void UpdateToolCursor() override {}
    void AbortTool() override { ++Aborts; }
    TPoint CursorImagePoint() const override { return Cursor; }
    TRect VisibleImageRect() const override { return Visible; }
    void BringToFront() override {}
    void ImageInstalled() override { ++ImageInstalls; }
    void PaletteChanged() override { ++PaletteChanges; }
    void ColorIndexChanged(int which) override { ColorChanges.push_back(which); }
    void BeginBusyCursor() override { ++BusyDepth; }
    void EndBusyCursor() override { --BusyDepth; }
};

class TFakePanels : public TMainPanels {
public:
    std::vector<std::string> Messages;
    std::string UndoPanel = "0/0";
    TRect LastRect;
    bool Modified = false;
    std::string FileName;

    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    void ShowRect(const TRect& rect) override { LastRect = rect; }
    void SetUndoPanel(const std::string& text) override { UndoPanel = text; }
    void ModifiedChanged(bool modified) override { Modified = modified; }
    void FileNameChanged(const std::string& fileName) override { FileName = fileName; }
    std::string LastMessage() const { return Messages.empty() ? "" : Messages.back(); }
};

struct TEditFixture {
    TFakeClient Client;
    TFakePanels Panels;
    TMemoryClipboard Clipboard;
    TEditContext Context{Clipboard};

    TEditFixture() {
        Context.AttachView(&Client);
        Context.AttachNotices(&Client);
        Context.AttachBusy(&Client);
        Context.AttachPanels(&Panels);
    }
    TSelection& Sel() { return Context.Selection(); }
    TUndo& History() { return Context.Undo(); }
    TDib& Image() { return *Context.Dib(); }
};

// A mask of the given size from a grid ('#' or any non-'.' is inside).
inline std::unique_ptr<TMaskDib> MaskFromGrid(const std::vector<std::string>& rows) {
    const int h = static_cast<int>(rows.size()), w = h ? static_cast<int>(rows[0].size()) : 0;
    auto mask = TMaskDib::Create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) mask->SetPixel(x, y, rows[y][x] != '.' ? 1 : 0);
    return mask;
}

// The steps of TMoveMouse's and TDuplicateMouse's drag, for the edit tests, which cannot link
// the tools: lift, the undo object built at the start, the moves, the object handed over.
void DragSelection(TEditContext& context, bool duplicate, TPoint to);

}  // namespace pixmo::test
