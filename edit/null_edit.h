#pragma once
// A view and panels that ignore everything: what the document talks to while no window is
// attached (start-up, benchmarks, the converter).
#include <string>

#include "edit/edit_view.h"
#include "edit/main_panels.h"

namespace pixmo {

class TNullEditView : public TEditView {
public:
    bool IsBusy() const override { return false; }
    void RepaintImageRect(const TRect&) override {}
    void InvalidateImageRect(const TRect&) override {}
    void InvalidateAll() override {}
    void UpdateNow() override {}
    void RedrawOutline() override {}
    void UpdateToolCursor() override {}
    void AbortTool() override {}
    TPoint CursorImagePoint() const override { return {-1, -1}; }
    TRect VisibleImageRect() const override { return {}; }
    void BringToFront() override {}
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
