#pragma once
// The tool table: one row per Mouse menu item, in menu order. A row names everything that
// makes the tool: the menu item (also the "Mouse" setting) and caption, its tool-box button,
// the picture the box draws for it, its cursor picture and how the tool is built. The menu,
// the factory, the tool box, its pictures and the cursors all read this table.
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "tools/cursor_images.h"
#include "tools/mouse_tool.h"

namespace pixmo {

class TAnimationHost;
struct TToolEntry;
struct TToolEnvironment;

// A tool-box button: its name, hint, the Window menu item its double click runs, and its
// place in the box.
struct TToolButton {
    const char* Name = nullptr;
    const char* Hint = nullptr;
    const char* DblMenuItem = nullptr;
    int X = 0, Y = 0;
};

// Builds the row's tool; null when it cannot be had now (no animation window).
using TToolMaker = std::unique_ptr<TMouseTool> (*)(const TToolEntry& row, TToolEnvironment& env, TToolHost& host,
                                                   TAnimationHost* animation);

// The context under which the catalogues hold the rows' captions and hints.
inline constexpr char kToolTextContext[] = "pixmo::Tools";

struct TToolEntry {
    const char* Name;
    const char* Caption;
    TToolItem Item;
    TToolButton Button;           // Name null: no button in the box
    const char* Glyph = nullptr;  // the box's picture, by its name in the glyph library
    TCursorImage Cursor{};        // Name null: the tool has no picture of its own
    TToolMaker Make = nullptr;    // null: the item chooses no tool
    // Steps in for a while: Esc gives the last tool back, and it never becomes the last tool.
    bool Passing = false;
};

std::span<const TToolEntry> ToolEntries();
// Null for None and for a name or item without a row.
const TToolEntry* FindToolEntry(TToolItem item);
const TToolEntry* FindToolEntry(const std::string& name);
// "MIDrawDot" for TToolItem::DrawDot; "" for None.
std::string ToolItemName(TToolItem item);
std::optional<TToolItem> ToolItemByName(const std::string& name);
bool IsPassingTool(TToolItem item);

}  // namespace pixmo
