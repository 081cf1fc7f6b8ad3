#include "tools/select_marks.h"

#include <cstdio>

#include "tools/cursor_images.h"
#include "tools/internal_select.h"

#include "resources/cursors/bm_add.xpm"
#include "resources/cursors/bm_and.xpm"
#include "resources/cursors/bm_delete.xpm"

namespace pixmo {

namespace {

struct TXpm {
    int Width = 0, Height = 0, Colors = 0;
    std::vector<std::string> Lines;  // colour lines, then rows
};

// Our own pictures only: one character per pixel, the rows as long as the header says.
bool ReadXpm(const char* const* xpm, TXpm& out) {
    int cpp = 0;
    if (!xpm || std::sscanf(xpm[0], "%d %d %d %d", &out.Width, &out.Height, &out.Colors, &cpp) != 4 || cpp != 1 ||
        out.Width <= 0 || out.Height <= 0 || out.Colors <= 0 || out.Width > 256 || out.Height > 256)
        return false;
    for (int i = 1; i <= out.Colors + out.Height; ++i) {
        out.Lines.emplace_back(xpm[i]);
        if (i > out.Colors && static_cast<int>(out.Lines.back().size()) != out.Width) return false;
    }
    return true;
}

}  // namespace

const char* const* FindMarkXpm(const std::string& name) {
    if (name == "BM_ADD") return bm_add_xpm;
    if (name == "BM_DELETE") return bm_delete_xpm;
    if (name == "BM_AND") return bm_and_xpm;
    return nullptr;
}

std::vector<std::string> MarkedCursorXpm(const std::string& compositeName) {
    const size_t plus = compositeName.find('+');
    if (plus == std::string::npos) return {};
    const TCursorImage* cursor = FindCursorImage(compositeName.substr(0, plus));
    TXpm base, mark;
    if (!cursor || !ReadXpm(cursor->Xpm, base) || !ReadXpm(FindMarkXpm(compositeName.substr(plus + 1)), mark)) return {};
    // Both pictures share the palette of our cursors: ' ' clear, '.' white, '#' black.
    for (int y = 0; y < mark.Height; ++y) {
        const std::string& row = mark.Lines[static_cast<size_t>(mark.Colors + y)];
        const int by = kMarkY + y;
        if (by >= base.Height) break;
        std::string& target = base.Lines[static_cast<size_t>(base.Colors + by)];
        for (int x = 0; x < mark.Width && kMarkX + x < base.Width; ++x)
            if (row[static_cast<size_t>(x)] != ' ') target[static_cast<size_t>(kMarkX + x)] = row[static_cast<size_t>(x)];
    }
    std::vector<std::string> lines;
    lines.push_back(std::to_string(base.Width) + " " + std::to_string(base.Height) + " " + std::to_string(base.Colors) + " 1");
    lines.insert(lines.end(), base.Lines.begin(), base.Lines.end());
    return lines;
}

}  // namespace pixmo
