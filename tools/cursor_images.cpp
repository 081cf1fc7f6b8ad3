#include "tools/cursor_images.h"

#include "resources/cursors/cr_getcolor.xpm"
#include "resources/cursors/cr_move.xpm"
#include "resources/cursors/cr_tdrawlibrary.xpm"
#include "tools/tool_items.h"

namespace pixmo {

// The tools' own pictures are in their rows of the tool table; these belong to no tool.
const std::vector<TCursorImage>& CursorImages() {
    static const std::vector<TCursorImage> images = [] {
        std::vector<TCursorImage> all = {
            {"CR_GETCOLOR", cr_getcolor_xpm, 4, 4},
            {"CR_MOVE", cr_move_xpm, 4, 4},
            {"CR_TDRAWLIBRARY", cr_tdrawlibrary_xpm, 4, 4},
        };
        for (const TToolEntry& e : ToolEntries())
            if (e.Cursor.Name) all.push_back(e.Cursor);
        return all;
    }();
    return images;
}

const TCursorImage* FindCursorImage(const std::string& name) {
    for (const TCursorImage& image : CursorImages())
        if (name == image.Name) return &image;
    return nullptr;
}

}  // namespace pixmo
