#pragma once
// The main window's status panels as the selection and the undo history see them.
#include <string>

#include "image/errors.h"
#include "image/geometry.h"

namespace pixmo {

class TMainPanels {
public:
    virtual ~TMainPanels() = default;
    // The message panel; the window ignores it while the panel is hidden.
    virtual void ShowMessage(const std::string& text) = 0;
    // A text of the core for the message panel, which the window shows in the reader's language.
    virtual void ShowCoreMessage(const TMessage& message) { ShowMessage(message.Text()); }
    // The selection rectangle in the message panel, in the window's own format.
    virtual void ShowRect(const TRect& rect) = 0;
    // The undo panel ("%d/%d"); repainted at once when visible.
    virtual void SetUndoPanel(const std::string& text) = 0;
    // The document's changed mark in the caption was set or cleared.
    virtual void ModifiedChanged(bool modified) = 0;
    // The file name changed (caption and recent-files list).
    virtual void FileNameChanged(const std::string& fileName) = 0;
};

}  // namespace pixmo
