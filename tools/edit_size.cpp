#include "tools/edit_size.h"

#include <algorithm>

#include "image/errors.h"
#include "image/int_math.h"
#include "settings/string_lists.h"

namespace pixmo {

namespace {

std::string UnitText(TPoint p) { return Format("%d,%d", p.X, p.Y); }

void SnapPair(int& a, int& b, int unit) {
    int& lo = a <= b ? a : b;
    int& hi = a <= b ? b : a;
    lo = lo - Mod(lo, unit);
    hi = hi - Mod(hi, unit) + unit - 1;
}

}  // namespace

void TEditSize::Load(TPoint stored) {
    Unit = TPoint{std::clamp(stored.X, 1, kEditSizeMaxUnit), std::clamp(stored.Y, 1, kEditSizeMaxUnit)};
}

void TEditSize::SetUnit(TPoint p) {
    if (p.X <= 0 || p.Y <= 0 || p.X > kEditSizeMaxUnit || p.Y > kEditSizeMaxUnit) return;
    if (History) History->Insert(0, UnitText(Unit));
    Unit = p;
    if (History) History->Remove(UnitText(p));
    if (OnChanged) OnChanged();
}

void TEditSize::SnapCorners(TPoint& a, TPoint& b) const {
    if (Unit.X < 1 || Unit.Y < 1) return;
    SnapPair(a.X, b.X, Unit.X);
    SnapPair(a.Y, b.Y, Unit.Y);
}

void TEditSize::SnapRect(TRect& rect, TPoint p) const {
    const int ux = Unit.X, uy = Unit.Y;
    if (ux < 1 || uy < 1) return;
    const int dx = p.X - Mod(p.X, ux) - ux * Div(p.X - rect.Left, ux) - rect.Left;
    const int dy = p.Y - Mod(p.Y, uy) - uy * Div(p.Y - rect.Top, uy) - rect.Top;
    rect = OffsetRect(rect, dx, dy);
}

}  // namespace pixmo
