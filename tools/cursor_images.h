#pragma once
// The program's own cursor pictures, by resource name ("CR_TDRAWDOT"): 32x32 XPM text from
// resources/cursors, with the hot spot. The client turns them into real cursors.
#include <string>
#include <vector>

namespace pixmo {

struct TCursorImage {
    const char* Name;
    const char* const* Xpm;
    int HotX, HotY;
};

// Null for a name without a picture.
const TCursorImage* FindCursorImage(const std::string& name);
const std::vector<TCursorImage>& CursorImages();

}  // namespace pixmo
