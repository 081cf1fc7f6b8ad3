#pragma once
// Integer division as the program's arithmetic defines it: `Div` truncates toward zero and
// `Mod` takes the sign of the dividend. Use these instead of bare / and % so that the
// intent is visible where negative operands can occur.
#include <cstdint>

namespace pixmo {

constexpr int Div(int a, int b) { return a / b; }
constexpr int Mod(int a, int b) { return a % b; }

// Floor division, for mapping negative coordinates onto pixel cells.
constexpr int FloorDiv(int a, int b) {
    int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

}  // namespace pixmo
