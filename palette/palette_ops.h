#pragma once
// What the palette window does to an image's colour table, without the window: duplicate and
// used marks, the gradient, the four transformations, a change of the colour count and the
// find-colour list. Undo is the caller's.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "image/color.h"

namespace pixmo {

class TDib;

// One byte per palette index.
using TEntryMarks = std::array<uint8_t, 256>;
inline constexpr uint8_t kMarkDuplicate = 1;  // another entry holds the same colour
inline constexpr uint8_t kMarkUsed = 2;       // some pixel uses the entry

// Sets kMarkDuplicate on every member of a group of equal entries (clearing it elsewhere);
// returns how many entries carry it.
int MarkDuplicates(const TDib& image, TEntryMarks& marks);
// Sets kMarkUsed on every palette entry some pixel holds (clearing it elsewhere); returns
// how many. Indices beyond the palette count for nothing.
int MarkUsed(const TDib& image, TEntryMarks& marks);

// Entries min(a, b) … max(a, b) run from the colour of the first to the colour of the last in
// equal steps (double precision, truncated). False, and nothing changed, when a = b or
// either lies outside the palette.
bool Gradient(TDib& image, int a, int b);

enum class TPaletteTransform { Invert, SwapRedGreen, SwapGreenBlue, SwapBlueRed };
// Changes every entry; pixel indices stay.
void TransformPalette(TDib& image, TPaletteTransform transform);

// A new image of the same size with `count` entries: entries the image has are copied, the
// ones beyond it are black; pixel indices are kept, and a pixel whose index would fall
// outside the new table takes the nearest of its entries instead.
std::unique_ptr<TDib> CreateWithColorCount(const TDib& image, int count);

// The find-colour dialog's answer: the indices holding exactly `color` ("3,5,12",
// "0,1,2,3,4,..." when cut) in "%1 番の色がそうです", or "ありません".
TMessage FindColorMessage(const TDib& image, TColorRef color);

}  // namespace pixmo
