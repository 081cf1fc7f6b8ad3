#include "image/transparent_pixels.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "image/color_match.h"

namespace pixmo {
namespace {

constexpr int kNone = -1;

// The same pixels and table at the depth of one more colour.
std::unique_ptr<TDib> WithOneMoreEntry(std::unique_ptr<TDib> image) {
    const int colors = image->Colors();
    if (colors < ColorsOfDepth(image->BitCount())) {
        image->SetColorCount(colors + 1);
        return image;
    }
    auto deeper = TDib::Create(image->Width(), image->Height(), colors + 1);
    for (int i = 0; i < colors; ++i) deeper->SetColor(i, image->GetColor(i));
    for (int y = 0; y < image->Height(); ++y)
        std::memcpy(deeper->ScanLine(y), image->ScanLine(y), static_cast<size_t>(image->Width()));
    deeper->SetAlphas(image->Alphas());
    return deeper;
}

void Recolour(TDib& image, const std::span<const uint8_t> alpha, int from, int to) {
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (alpha[static_cast<size_t>(y) * image.Width() + x] != 0 && image.Pixel(x, y) == from)
                image.SetPixel(x, y, static_cast<uint8_t>(to));
}

// In a full table: an entry whose colour another repeats (its opaque pixels move to the
// twin), else one no pixel uses, else none.
int ReusableEntry(TDib& image, std::span<const uint8_t> alpha, const std::array<int64_t, 256>& opaque) {
    const auto& table = image.ColorTable();
    const int colors = image.Colors();
    const std::vector<uint8_t>& alphas = image.Alphas();
    auto alphaOf = [&](int i) { return size_t(i) < alphas.size() ? alphas[size_t(i)] : 255; };
    for (int i = colors - 1; i > 0; --i)
        for (int j = 0; j < i; ++j)
            if (table[size_t(i)] == table[size_t(j)] && alphaOf(i) == alphaOf(j)) {
                Recolour(image, alpha, i, j);
                return i;
            }
    for (int i = 0; i < colors; ++i)
        if (opaque[size_t(i)] == 0) return i;
    return kNone;
}

// 256 different colours, all in use: the entry the fewest opaque pixels use is given up and
// they take the nearest other colour.
int GivenUpEntry(TDib& image, std::span<const uint8_t> alpha, const std::array<int64_t, 256>& opaque) {
    const auto& table = image.ColorTable();
    const int colors = image.Colors();
    const int fewest = static_cast<int>(std::min_element(opaque.begin(), opaque.begin() + colors) - opaque.begin());
    std::vector<uint32_t> others(table.begin(), table.begin() + colors);
    others.erase(others.begin() + fewest);
    int nearest = NearestTableIndex(others, table[size_t(fewest)]);
    if (nearest >= fewest) ++nearest;
    Recolour(image, alpha, fewest, nearest);
    return fewest;
}

}  // namespace

std::unique_ptr<TDib> WithTransparentPixels(std::unique_ptr<TDib> image, std::span<const uint8_t> alpha) {
    const size_t pixels = static_cast<size_t>(image->Width()) * static_cast<size_t>(image->Height());
    if (image->IsTrueColor() || alpha.size() != pixels) return image;
    std::array<int64_t, 256> opaque{}, marked{};
    for (int y = 0; y < image->Height(); ++y)
        for (int x = 0; x < image->Width(); ++x)
            ++(alpha[static_cast<size_t>(y) * image->Width() + x] == 0 ? marked : opaque)[image->Pixel(x, y)];
    const auto commonest = std::max_element(marked.begin(), marked.end());
    if (*commonest == 0) return image;
    const TColorRef colour = image->GetColor(static_cast<int>(commonest - marked.begin()));

    int entry = kNone;
    for (int i = 0; i < image->Colors(); ++i)
        if (opaque[size_t(i)] == 0 && marked[size_t(i)] > 0 && (entry == kNone || marked[size_t(i)] > marked[size_t(entry)]))
            entry = i;
    if (entry == kNone) {
        if (image->Colors() == ColorsOfDepth(image->BitCount())) entry = ReusableEntry(*image, alpha, opaque);
        if (entry == kNone && image->Colors() < 256) {
            entry = image->Colors();
            image = WithOneMoreEntry(std::move(image));
        }
        if (entry == kNone) entry = GivenUpEntry(*image, alpha, opaque);
        image->SetColor(entry, colour);
    }
    for (int y = 0; y < image->Height(); ++y)
        for (int x = 0; x < image->Width(); ++x)
            if (alpha[static_cast<size_t>(y) * image->Width() + x] == 0) image->SetPixel(x, y, static_cast<uint8_t>(entry));
    std::vector<uint8_t> alphas = image->Alphas();
    alphas.resize(static_cast<size_t>(image->Colors()), 255);
    alphas[size_t(entry)] = 0;
    image->SetAlphas(std::move(alphas));
    return image;
}

}  // namespace pixmo
