#include "settings/rect_list.h"

#include "image/errors.h"

namespace pixmo {
namespace {

void CheckIndex(int index, int limit) {
    if (index < 0 || index > limit) RaiseError(Msg(PIXMO_MSG("pixmo::Core", "List index out of bounds (%1)"), index));
}

}  // namespace

const TRect& TRectList::operator[](int index) const {
    CheckIndex(index, Count() - 1);
    return FItems[static_cast<size_t>(index)];
}

void TRectList::Put(int index, const TRect& rect) {
    CheckIndex(index, Count() - 1);
    FItems[static_cast<size_t>(index)] = rect;
}

int TRectList::Add(const TRect& rect) {
    FItems.push_back(rect);
    return Count() - 1;
}

void TRectList::Insert(int index, const TRect& rect) {
    CheckIndex(index, Count());
    FItems.insert(FItems.begin() + index, rect);
}

void TRectList::Delete(int index) {
    CheckIndex(index, Count() - 1);
    FItems.erase(FItems.begin() + index);
}

int TRectList::IndexOfPoint(TPoint p) const {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].Contains(p)) return static_cast<int>(i);
    return -1;
}

}  // namespace pixmo
