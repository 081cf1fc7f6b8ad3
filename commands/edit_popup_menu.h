#pragma once
// TEditPopupMenu: the edit pop-up menu (`EditMoveMenu`) that a right click on the edit client
// opens while a selection tool is current, and that "Mostra Menu" opens at the pointer. It
// holds the items and their states; the main window connects the commands. The point where
// it was opened is kept, since its colour commands act on the pixel there.
#include <QMenu>
#include <map>
#include <string>
#include <vector>

#include "image/geometry.h"

namespace pixmo {

// The states the items follow (see UpdateStates).
struct TEditPopupState {
    bool Image = false;      // an image is open
    bool Busy = false;       // a mouse drag is in progress
    bool Selection = false;  // the selection rectangle is not empty
    bool ClipboardDib = false;
};

class TEditPopupMenu : public QMenu {
    Q_OBJECT
public:
    explicit TEditPopupMenu(QWidget* parent = nullptr);

    // An item by name ("PIEditCut"), or null; separators are items too.
    QAction* Item(const std::string& name) const;
    // The names of the items and separators in their menu order.
    std::vector<std::string> ItemNames() const;

    // With ok = image and not busy, sel = ok and a selection: Cancel Selection, Cut, Copy,
    // Delete, Save to File and Delete Colour follow sel; Paste needs ok and a bitmap on the
    // clipboard; Settings needs only not busy; the rest follow ok. Items whose commands come
    // later stay disabled.
    void UpdateStates(const TEditPopupState& state);

    // The stored layout: every item hidden, then each named one shown at position i
    // (unknown names skipped).
    void ApplyLayout(const std::vector<std::string>& visibleItems);
    // The visible items in menu order, as the settings keep them.
    std::vector<std::string> Layout() const;

    // Whether releasing the right button over an item chooses it ("RMenuMode"); when not,
    // the menu stays open for a left click.
    void SetRightButtonChooses(bool on) { FRightButtonChooses = on; }
    bool RightButtonChooses() const { return FRightButtonChooses; }

    // The image point the menu was last opened at.
    TPoint PopupPoint;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool FRightButtonChooses = true;
    QAction* Add(QMenu* menu, const char* name, const QString& caption, bool later = false);
    void AddSeparator(const char* name);
    std::map<std::string, QAction*> FItems;
};

}  // namespace pixmo
