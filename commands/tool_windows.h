#pragma once
// The tool windows of the Window menu, one row each: the main window builds its menu, makes,
// shows and reopens the windows and gives them their help from this table alone.
#include <map>
#include <span>
#include <string>

#include "uikit/help_context.h"

class QWidget;

namespace pixmo {

class TAppContext;
class TDibForm;

// When a window is made: when first wanted, with the program (it lives until the end), or
// after the reopened windows (it follows state even while hidden).
enum class TWindowBirth { FirstUse, Start, AfterReopen };

struct TToolWindowEntry {
    const char* MenuItem;   // the Window menu's item ("MIShowPen")
    const char* Caption;    // the item's caption, translated in the main window's context
    const char* Section;    // the settings section of its placement, also the window's name
    THelpContext Help;
    const char* GuidePage;  // its page of the guide ("pen.html")
    int ReopenRank;         // the order in which windows left open are reopened at start-up
    TWindowBirth Birth;
    TDibForm* (*Make)(TAppContext& app, QWidget* owner);
};

// The rows in the Window menu's order.
std::span<const TToolWindowEntry> ToolWindowEntries();
// The row of a Window menu item, or null.
const TToolWindowEntry* ToolWindowEntry(const std::string& menuItem);

// The tool windows made so far, children of their owner; they live until the end.
class TToolWindowSet {
public:
    TToolWindowSet(TAppContext& app, QWidget* owner) : FApp(app), FOwner(owner) {}
    // The window of a Window menu item, made when `make` allows; null for an unknown item.
    TDibForm* Window(const std::string& menuItem, bool make);
    // The windows that are born with the program.
    void MakeAtStart();
    // The windows whose placement says they were open, in their reopening order, then the
    // windows born after them.
    void ReopenAtStart();

private:
    TAppContext& FApp;
    QWidget* FOwner;
    std::map<std::string, TDibForm*> FWindows;
};

}  // namespace pixmo
