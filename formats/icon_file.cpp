#include "formats/icon_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include "formats/byte_stream.h"
#include "formats/kpngle.h"
#include "formats/png_chunks.h"
#include "formats/riff_builder.h"
#include "image/byte_order.h"
#include "image/color_match.h"
#include "image/dib_canvas.h"
#include "image/errors.h"
#include "image/file_io.h"
#include "image/packed_dib.h"
#include "image/palette_reduce.h"
#include "image/raster_primitives.h"
#include "image/transparent_pixels.h"

namespace pixmo {

namespace {

constexpr size_t kIconDirBytes = 6;
constexpr size_t kIconEntryBytes = 16;
// No icon image comes near this (256 × 256 at 32 bits with its mask is about 270 KB).
constexpr uint64_t kMaxIconBlock = uint64_t{16} << 20;

[[noreturn]] void BadIcon() { RaiseError(CoreMessage(kMsgBadIcon)); }

std::vector<uint8_t> ReadBytes(TByteSource& source, uint64_t offset, uint64_t count) {
    std::vector<uint8_t> bytes(count);
    if (!source.ReadAt(offset, bytes.data(), bytes.size())) BadIcon();
    return bytes;
}

// The first image of a file, and for a true-colour picture the alpha of each pixel (top row
// first, 0 wherever the mask is set; empty when all are opaque).
struct TIconPicture {
    TDIIcon Icon;
    std::vector<uint8_t> Alpha;
};

// An image block stored as a PNG: the picture, its fully transparent pixels set in the mask.
TIconPicture ReadPngBlock(std::span<const uint8_t> block) {
    TByteReadStream stream(block);
    TPngPicture png = TKPNGLE::ReadPicture(stream);
    TIconPicture picture;
    const TDib& color = *png.Dib;
    picture.Icon.Mask = TMaskDib::Create(color.Width(), color.Height());
    const std::vector<uint8_t>& alphas = color.Alphas();
    for (int y = 0; y < color.Height(); ++y)
        for (int x = 0; x < color.Width(); ++x) {
            const size_t at = size_t(y) * size_t(color.Width()) + size_t(x);
            const bool clear = color.IsTrueColor() ? !png.Alpha.empty() && png.Alpha[at] == 0
                                                   : color.Pixel(x, y) < alphas.size() && alphas[color.Pixel(x, y)] == 0;
            if (clear) picture.Icon.Mask->SetPixel(x, y, 1);
        }
    picture.Icon.Color = std::move(png.Dib);
    picture.Alpha = std::move(png.Alpha);
    return picture;
}

// 32-bit rows as 24-bit rows, bottom-up and padded as a 24-bit image stores them.
std::vector<uint8_t> DropAlpha(const uint8_t* bits, int width, int height) {
    const size_t from = size_t(RowBytes(32, width));
    const size_t to = size_t(RowBytes(24, width));
    std::vector<uint8_t> rgb(to * size_t(height));
    for (size_t y = 0; y < size_t(height); ++y)
        for (size_t x = 0; x < size_t(width); ++x) std::memcpy(&rgb[y * to + 3 * x], bits + y * from + 4 * x, 3);
    return rgb;
}

// Each pixel's alpha, top row first: the alpha channel of 32-bit rows where it has one (an all
// zero channel is none, as older writers leave it), 0 wherever the mask is set. A clear alpha
// sets the mask too: many icons leave their AND mask empty.
std::vector<uint8_t> BitmapAlpha(const TBitmapInfoHeader& h, const uint8_t* bits, TMaskDib& mask) {
    const size_t line = size_t(RowBytes(32, h.Width));
    bool channel = false;
    for (size_t y = 0; h.BitCount == 32 && !channel && y < size_t(h.Height); ++y)
        for (size_t x = 0; x < size_t(h.Width); ++x) channel = channel || bits[y * line + 4 * x + 3] != 0;
    std::vector<uint8_t> alpha(size_t(h.Width) * size_t(h.Height), 255);
    for (int y = 0; y < h.Height; ++y)
        for (int x = 0; x < h.Width; ++x) {
            uint8_t& a = alpha[size_t(y) * size_t(h.Width) + size_t(x)];
            if (channel) a = bits[size_t(h.Height - 1 - y) * line + 4 * size_t(x) + 3];
            if (a == 0) mask.SetPixel(x, y, 1);
            if (mask.Pixel(x, y)) a = 0;
        }
    return alpha;
}

TIconPicture ReadBitmapBlock(std::span<const uint8_t> block) {
    if (block.size() < kInfoHeaderSize) BadIcon();
    const uint32_t headerBytes = ReadLE32(block.data());
    if (headerBytes < kInfoHeaderSize || headerBytes > block.size()) BadIcon();
    TBitmapInfoHeader h = ReadInfoHeader(block.data());
    h.Height /= 2;  // the colour rows and the mask rows
    if (h.Width <= 0 || h.Height <= 0 || h.Compression != 0) BadIcon();
    if (h.BitCount <= 8) {
        if (h.ClrUsed == 0) h.ClrUsed = 1u << h.BitCount;
        if (h.ClrUsed > (1u << h.BitCount)) BadIcon();
    } else {
        h.ClrUsed = 0;
    }
    const uint64_t tableBytes = uint64_t{h.ClrUsed} * 4;
    const uint64_t colorBits = uint64_t(RowBytes(h.BitCount, h.Width)) * uint64_t(h.Height);
    const uint64_t maskBits = uint64_t(RowBytes(1, h.Width)) * uint64_t(h.Height);
    if (headerBytes + tableBytes + colorBits > block.size()) BadIcon();
    // Some writers leave the AND mask out of 32-bit images: their alpha alone tells.
    const bool withMask = headerBytes + tableBytes + colorBits + maskBits <= block.size();
    if (!withMask && h.BitCount != 32) BadIcon();
    std::vector<uint32_t> table(h.ClrUsed);
    for (size_t i = 0; i < table.size(); ++i) table[i] = ReadLE32(block.data() + headerBytes + 4 * i) & 0xFFFFFF;
    const uint8_t* bits = block.data() + headerBytes + tableBytes;
    TIconPicture picture;
    TDIIcon& icon = picture.Icon;
    TBitmapInfoHeader colorHeader = h;
    colorHeader.SizeImage = static_cast<uint32_t>(colorBits);
    if (h.BitCount == 32) {
        const std::vector<uint8_t> rgb = DropAlpha(bits, h.Width, h.Height);
        colorHeader.BitCount = 24;
        colorHeader.SizeImage = static_cast<uint32_t>(rgb.size());
        icon.Color = TDib::CreateFromInfo(colorHeader, table, rgb.data(), rgb.size());
    } else {
        icon.Color = TDib::CreateFromInfo(colorHeader, table, bits, colorBits);
        icon.Color->CoverUsedIndices();
    }
    TBitmapInfoHeader m = h;
    m.BitCount = 1;
    m.ClrUsed = 2;
    m.ClrImportant = 2;
    m.SizeImage = static_cast<uint32_t>(maskBits);
    const uint32_t blackWhite[] = {0x000000, 0xFFFFFF};
    icon.Mask = withMask ? TMaskDib::CreateFromInfo(m, blackWhite, bits + colorBits, maskBits)
                         : TMaskDib::Create(h.Width, h.Height);
    if (icon.Color->IsTrueColor()) picture.Alpha = BitmapAlpha(h, bits, *icon.Mask);
    return picture;
}

int TableCountFor(const TDib& image) {
    if (image.IsTrueColor()) return 0;
    return image.Colors() > 0 ? image.Colors() : 1 << image.BitCount();
}

std::vector<uint8_t> BuildImageBlock(const TDIIcon& icon) {
    const TDib& color = *icon.Color;
    TBitmapInfoHeader h = color.InfoHeader();
    const int colors = TableCountFor(color);
    const uint64_t colorBits = uint64_t(color.ImageSize());
    const uint64_t maskBits = uint64_t(icon.Mask->ImageSize());
    h.Height *= 2;
    h.ClrUsed = static_cast<uint32_t>(colors);
    h.SizeImage = static_cast<uint32_t>(colorBits + maskBits);
    std::vector<uint8_t> block(kInfoHeaderSize + 4 * size_t(colors) + colorBits + maskBits);
    WriteInfoHeader(block.data(), h);
    for (int i = 0; i < colors; ++i)
        WriteLE32(block.data() + kInfoHeaderSize + 4 * size_t(i), color.ColorTable()[size_t(i)] & 0xFFFFFF);
    uint8_t* bits = block.data() + kInfoHeaderSize + 4 * size_t(colors);
    PackPixels(color, bits);
    PackPixels(*icon.Mask, bits + colorBits);
    return block;
}

uint8_t EntryColorCount(const TDib& color) {
    switch (color.IsTrueColor() ? 24 : color.BitCount()) {
        case 1: return 2;
        case 4: return 16;
        default: return 0;
    }
}

uint32_t PixelWord(const TDib& image, int x, int y) {
    if (!image.IsTrueColor()) return image.ColorTable()[image.Pixel(x, y)] & 0xFFFFFF;
    const uint8_t* p = image.ScanLine(y) + 3 * size_t(x);
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
}

}  // namespace

namespace {

TIconPicture ReadFirstPicture(TByteSource& source) {
    const uint64_t size = source.Size();
    if (size < kIconDirBytes) BadIcon();
    const std::vector<uint8_t> dir = ReadBytes(source, 0, kIconDirBytes);
    const uint16_t type = ReadLE16(dir.data() + 2);
    const uint16_t count = ReadLE16(dir.data() + 4);
    if (type >= 2 || count == 0) BadIcon();
    if (kIconDirBytes + kIconEntryBytes * uint64_t{count} > size) BadIcon();
    const std::vector<uint8_t> entry = ReadBytes(source, kIconDirBytes, kIconEntryBytes);
    const uint64_t bytes = ReadLE32(entry.data() + 8);
    const uint64_t offset = ReadLE32(entry.data() + 12);
    if (bytes == 0 || bytes > kMaxIconBlock || offset + bytes > size) BadIcon();
    const std::vector<uint8_t> block = ReadBytes(source, offset, bytes);
    const bool png = block.size() >= sizeof kPngSignature && std::equal(std::begin(kPngSignature), std::end(kPngSignature), block.begin());
    try {
        return png ? ReadPngBlock(block) : ReadBitmapBlock(block);
    } catch (const EPixmoError&) {
        BadIcon();
    }
}

// Every refusal of a named file is "NAME: Icona non valida.".
TIconPicture ReadFirstPicture(TByteSource& source, const std::string& fileName) {
    if (fileName.empty()) return ReadFirstPicture(source);
    try {
        return ReadFirstPicture(source);
    } catch (const EPixmoError&) {
        RaiseError(Msg(PIXMO_MSG("pixmo::Core", "%1: Icona non valida."), fileName));
    }
}

}  // namespace

void TIcons::LoadFromSource(TByteSource& source, const std::string& fileName) {
    Add(std::move(ReadFirstPicture(source, fileName).Icon));
}

void TIcons::LoadFromFile(const std::string& fileName) {
    TFileSource source(fileName);
    LoadFromSource(source, fileName);
}

std::unique_ptr<TDib> OpenIconPicture(TByteSource& source, const std::string& fileName) {
    TIconPicture picture = ReadFirstPicture(source, fileName);
    TDIIcon& icon = picture.Icon;
    if (icon.Color->IsTrueColor()) return PaletteIfFew(std::move(icon.Color), picture.Alpha);
    const TMaskDib& mask = *icon.Mask;
    std::vector<uint8_t> alpha(size_t(mask.Width()) * size_t(mask.Height()), 255);
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
            if (mask.Pixel(x, y)) alpha[size_t(y) * size_t(mask.Width()) + size_t(x)] = 0;
    return WithTransparentPixels(std::move(icon.Color), alpha);
}

std::vector<uint8_t> TIcons::SaveToBytes() const {
    std::vector<std::vector<uint8_t>> blocks;
    for (const TDIIcon& icon : FItems) blocks.push_back(BuildImageBlock(icon));
    TLEBuilder b;
    b.U16(0);
    b.U16(1);
    b.U16(static_cast<uint16_t>(FItems.size()));
    uint64_t offset = kIconDirBytes + kIconEntryBytes * FItems.size();
    for (size_t i = 0; i < FItems.size(); ++i) {
        const TDib& color = *FItems[i].Color;
        b.U8(static_cast<uint8_t>(color.Width()));
        b.U8(static_cast<uint8_t>(color.Height()));
        b.U8(EntryColorCount(color));
        b.U8(0);
        b.U16(0);  // planes
        b.U16(0);  // bit count
        b.U32(static_cast<uint32_t>(blocks[i].size()));
        b.U32(static_cast<uint32_t>(offset));
        offset += blocks[i].size();
    }
    for (const auto& block : blocks) b.Bytes(block);
    return b.Data();
}

void TIcons::SaveToFile(const std::string& fileName) const { WriteFileAtomically(fileName, SaveToBytes()); }

std::span<const uint32_t, 16> StandardColors16() {
    static constexpr std::array<uint32_t, 16> kColors = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    return kColors;
}

namespace {

// The standard 16, a 6 x 6 x 6 cube and 24 greys: where a picture of more than 256 colours lands.
std::vector<uint32_t> FixedColors256() {
    const auto standard = StandardColors16();
    std::vector<uint32_t> table(standard.begin(), standard.end());
    for (uint32_t r = 0; r < 6; ++r)
        for (uint32_t g = 0; g < 6; ++g)
            for (uint32_t b = 0; b < 6; ++b) table.push_back(51 * r << 16 | 51 * g << 8 | 51 * b);
    for (uint32_t i = 0; i < 24; ++i) table.push_back((8 + 10 * i) * 0x010101);
    return table;
}

// `image`'s pixels matched onto `table` in a new image of `bits` bits.
std::unique_ptr<TDib> MatchedOnto(const TDib& image, std::span<const uint32_t> table, int bits) {
    TBitmapInfoHeader h;
    h.Width = image.Width();
    h.Height = image.Height();
    h.BitCount = static_cast<uint16_t>(bits);
    h.ClrUsed = static_cast<uint32_t>(table.size());
    auto result = TDib::CreateFromInfo(h, table, nullptr, 0);
    TColorMatcher matcher(result->UsedColorTable(), 10);
    for (int y = 0; y < h.Height; ++y)
        for (int x = 0; x < h.Width; ++x) result->SetPixel(x, y, matcher.Match(PixelWord(image, x, y)));
    return result;
}

// 256 colours: always 8 bits, on the picture's own colours when it has at most 256.
std::unique_ptr<TDib> IconColors256(const TDib& stretched) {
    if (!stretched.IsTrueColor()) return TDib::CreateAtDepth(stretched, 8);
    if (auto reduced = ReduceTrueColor(stretched)) return TDib::CreateAtDepth(*reduced, 8);
    return MatchedOnto(stretched, FixedColors256(), 8);
}

// 16 colours: a palette of at most 16 entries is kept as it is; anything richer takes the
// standard 16.
std::unique_ptr<TDib> IconColors16(const TDib& stretched) {
    if (stretched.IsTrueColor() || stretched.Colors() > 16) return MatchedOnto(stretched, StandardColors16(), 4);
    auto color = TDib::CreateAtDepth(stretched, 4);
    color->SetColorCount(16);  // the rest black
    return color;
}

// The entry a transparent pixel takes: black, so that the icon draws as the mask says. A full
// table without black gives up the transparent colour's entry, which only masked pixels use.
uint8_t BlackEntry(TDib& color, uint32_t clear) {
    const auto table = color.UsedColorTable();
    for (size_t i = 0; i < table.size(); ++i)
        if ((table[i] & 0xFFFFFF) == 0) return static_cast<uint8_t>(i);
    if (color.Colors() < ColorsOfDepth(color.BitCount())) {
        color.SetColorCount(color.Colors() + 1);
        return static_cast<uint8_t>(color.Colors() - 1);
    }
    for (size_t i = 0; i < table.size(); ++i)
        if ((table[i] & 0xFFFFFF) == clear) {
            color.SetColor(static_cast<int>(i), RGB(0, 0, 0));
            return static_cast<uint8_t>(i);
        }
    return static_cast<uint8_t>(NearestTableIndex(table, 0));
}

}  // namespace

TDIIcon MakeIcon(const TDib& source, TColorRef transparent, int width, int height, bool colors256, bool dither,
                 int screenBits) {
    if (dither) {
        if (screenBits > 8) RaiseError(CoreMessage(kMsgIconDitherScreen));
        if (colors256) RaiseError(CoreMessage(kMsgIconDither256));
    }
    auto stretched = TDib::Create(width, height, source.Colors());
    for (int i = 0; i < source.Colors(); ++i) stretched->SetColor(i, source.GetColor(i));
    stretched->Canvas().CopyMode = TCopyMode::SrcCopy;
    StretchBlock(stretched->Canvas(), TPoint{0, 0}, TPoint{width, height}, const_cast<TDib&>(source).Canvas(),
                 source.GetRect());

    const uint32_t clear = ColorRefToTableWord(transparent) & 0xFFFFFF;
    TDIIcon icon;
    icon.Mask = TMaskDib::Create(width, height);
    icon.Color = colors256 ? IconColors256(*stretched) : IconColors16(*stretched);
    if (!source.IsTrueColor() && source.TransparentEntry() >= 0) {
        // A picture with transparent entries brings its own mask, stretched as its pixels are.
        auto holes = TMaskDib::Create(source.Width(), source.Height());
        for (int y = 0; y < source.Height(); ++y)
            for (int x = 0; x < source.Width(); ++x)
                if (source.Alpha(source.Pixel(x, y)) == 0) holes->SetPixel(x, y, 1);
        icon.Mask->Canvas().CopyMode = TCopyMode::SrcCopy;
        StretchBlock(icon.Mask->Canvas(), TPoint{0, 0}, TPoint{width, height}, holes->Canvas(), holes->GetRect());
    } else {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (PixelWord(*stretched, x, y) == clear) icon.Mask->SetPixel(x, y, 1);
    }
    std::optional<uint8_t> black;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (icon.Mask->Pixel(x, y)) {
                if (!black) black = BlackEntry(*icon.Color, clear);
                icon.Color->SetPixel(x, y, *black);
            }
    return icon;
}

TColorRef IconTransparentColor(const TDib& source, const TIconOptions& options) {
    if (options.MaskBottomLeft) return TableWordToColorRef(PixelWord(source, 0, source.Height() - 1));
    if (source.IsTrueColor()) return RGB(255, 255, 255);
    return source.GetColor(std::clamp(options.SecondaryIndex, 0, std::max(0, source.Colors() - 1)));
}

void SaveIconFile(const TDib& source, const std::string& fileName, const TIconOptions& options) {
    TIcons icons;
    icons.Add(MakeIcon(source, IconTransparentColor(source, options), 32, 32, options.Colors256, false));
    icons.SaveToFile(fileName);
}

}  // namespace pixmo
