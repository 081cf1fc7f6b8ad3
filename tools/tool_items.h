#pragma once
// The Mouse menu's tool items: the item's name (also the "Mouse" setting), its caption and
// the tool it chooses, in menu order.
#include <optional>
#include <span>
#include <string>

#include "tools/mouse_tool.h"

namespace pixmo {

struct TToolEntry {
    const char* Name;
    const char* Caption;
    TToolItem Item;
};

std::span<const TToolEntry> ToolEntries();
// "MIDrawDot" for TToolItem::DrawDot; "" for None.
std::string ToolItemName(TToolItem item);
std::optional<TToolItem> ToolItemByName(const std::string& name);

}  // namespace pixmo
