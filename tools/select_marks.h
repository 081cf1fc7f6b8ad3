#pragma once
// The marks of the selection tools' mode cursors ("BM_ADD", "BM_DELETE", "BM_AND": plus,
// minus, intersection; 7x12 XPM from resources/cursors) and the cursor pictures made by laying
// one on a tool's cursor at (kMarkX, kMarkY).
#include <string>
#include <vector>

namespace pixmo {

// Null for a name without a mark.
const char* const* FindMarkXpm(const std::string& name);

// The XPM lines (header, colours, rows) of "<cursor>+<mark>" ("CR_TSELECTRECT+BM_ADD"), as
// registered by the selection tools; empty when either part is unknown.
std::vector<std::string> MarkedCursorXpm(const std::string& compositeName);

}  // namespace pixmo
