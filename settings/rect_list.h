#pragma once
// A list of rectangles with a point test (areas of a window that react to the mouse).
#include <vector>

#include "image/geometry.h"

namespace pixmo {

class TRectList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // Indices are checked: "List index out of bounds (%d)".
    const TRect& operator[](int index) const;
    void Put(int index, const TRect& rect);
    int Add(const TRect& rect);
    void Insert(int index, const TRect& rect);
    void Delete(int index);
    void Clear() { FItems.clear(); }
    void Assign(const TRectList& source) { FItems = source.FItems; }
    // The index of the first rectangle holding the point, or -1.
    int IndexOfPoint(TPoint p) const;
    bool ContainsPoint(TPoint p) const { return IndexOfPoint(p) >= 0; }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    std::vector<TRect> FItems;
};

}  // namespace pixmo
