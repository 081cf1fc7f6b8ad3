#include "palette/palette_ops.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "image/color_match.h"
#include "image/dib.h"

namespace pixmo {

int MarkDuplicates(const TDib& image, TEntryMarks& marks) {
    const int n = image.Colors();
    std::unordered_map<uint32_t, int> first;  // entry word -> the first index holding it
    int count = 0;
    for (int i = 0; i < 256; ++i) marks[static_cast<size_t>(i)] &= static_cast<uint8_t>(~kMarkDuplicate);
    for (int i = 0; i < n; ++i) {
        const uint32_t word = image.ColorTable()[static_cast<size_t>(i)];
        auto [it, fresh] = first.emplace(word, i);
        if (fresh) continue;
        for (int j : {it->second, i}) {
            uint8_t& m = marks[static_cast<size_t>(j)];
            if (!(m & kMarkDuplicate)) ++count;
            m |= kMarkDuplicate;
        }
    }
    return count;
}

int MarkUsed(const TDib& image, TEntryMarks& marks) {
    for (uint8_t& m : marks) m &= static_cast<uint8_t>(~kMarkUsed);
    if (image.IsTrueColor()) return 0;
    // Four histograms side by side, so that runs of one index do not wait on one counter.
    std::array<std::array<uint32_t, 256>, 4> counts{};
    const int w = image.Width();
    for (int y = 0; y < image.Height(); ++y) {
        const uint8_t* row = image.ScanLine(y);
        int x = 0;
        for (; x + 4 <= w; x += 4) {
            ++counts[0][row[x]];
            ++counts[1][row[x + 1]];
            ++counts[2][row[x + 2]];
            ++counts[3][row[x + 3]];
        }
        for (; x < w; ++x) ++counts[0][row[x]];
    }
    int used = 0;
    for (size_t i = 0; i < 256; ++i) {
        if (counts[0][i] | counts[1][i] | counts[2][i] | counts[3][i]) {
            marks[i] |= kMarkUsed;
            ++used;
        }
    }
    return used;
}

bool Gradient(TDib& image, int a, int b) {
    const int lo = std::min(a, b), hi = std::max(a, b);
    if (lo == hi || lo < 0 || hi >= image.Colors()) return false;
    const TColorRef from = image.GetColor(lo), to = image.GetColor(hi);
    double r = GetRValue(from), g = GetGValue(from), bl = GetBValue(from);
    const double steps = hi - lo;
    const double dr = (GetRValue(to) - r) / steps, dg = (GetGValue(to) - g) / steps, db = (GetBValue(to) - bl) / steps;
    for (int i = lo; i <= hi; ++i) {
        image.SetColor(i, RGB(static_cast<int>(std::trunc(r)), static_cast<int>(std::trunc(g)),
                              static_cast<int>(std::trunc(bl))));
        r += dr;
        g += dg;
        bl += db;
    }
    return true;
}

void TransformPalette(TDib& image, TPaletteTransform transform) {
    for (int i = 0; i < image.Colors(); ++i) {
        const TColorRef c = image.GetColor(i);
        const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
        TColorRef result = c;
        switch (transform) {
            case TPaletteTransform::Invert: result = RGB(255 - r, 255 - g, 255 - b); break;
            case TPaletteTransform::SwapRedGreen: result = RGB(g, r, b); break;
            case TPaletteTransform::SwapGreenBlue: result = RGB(r, b, g); break;
            case TPaletteTransform::SwapBlueRed: result = RGB(b, g, r); break;
        }
        image.SetColor(i, result);
    }
}

std::unique_ptr<TDib> CreateWithColorCount(const TDib& image, int count) {
    count = std::clamp(count, 2, 256);
    auto result = TDib::Create(image.Width(), image.Height(), count);
    for (int i = 0; i < count; ++i) result->SetColor(i, i < image.Colors() ? image.GetColor(i) : RGB(0, 0, 0));
    if (image.IsTrueColor()) {
        result->CopyFrom(image);
        return result;
    }
    // Indices the smaller table keeps stay; the others go to the nearest kept colour.
    std::array<uint8_t, 256> map{};
    TColorMatcher matcher(result->UsedColorTable(), 8);
    for (int i = 0; i < 256; ++i)
        map[static_cast<size_t>(i)] = i < count ? static_cast<uint8_t>(i) : matcher.Match(image.ColorTable()[static_cast<size_t>(i)]);
    for (int y = 0; y < image.Height(); ++y) {
        const uint8_t* from = image.ScanLine(y);
        uint8_t* to = result->ScanLine(y);
        for (int x = 0; x < image.Width(); ++x) to[x] = map[from[x]];
    }
    return result;
}

std::string FindColorMessage(const TDib& image, TColorRef color) {
    std::string list;
    bool cut = false;
    for (int i = 0; i < image.Colors(); ++i) {
        if (image.GetColor(i) != color) continue;
        if (list.size() > 9) {
            list += "...";
            cut = true;
            break;
        }
        list += std::to_string(i) + ",";
    }
    if (list.empty()) return "ありません";
    if (!cut) list.pop_back();
    return list + " 番の色がそうです";
}

}  // namespace pixmo
