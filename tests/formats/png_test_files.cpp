#include "formats/png_test_files.h"

#include <png.h>
#include <zlib.h>

#include <cstring>

#include "support/libpng_memory.h"

namespace pixmo::test {

namespace {
void PutBE32(TBytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void OnError(png_structp png, png_const_charp message) {
    *static_cast<std::string*>(png_get_error_ptr(png)) = message;
    png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}
}  // namespace

TBytes PngChunk(const std::string& type, const TBytes& data, bool badCrc) {
    TBytes out;
    out.reserve(12 + data.size());
    PutBE32(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type.data()), 4);
    crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
    PutBE32(out, static_cast<uint32_t>(crc) ^ (badCrc ? 1u : 0u));
    return out;
}

TBytes IhdrData(uint32_t width, uint32_t height, int depth, int colorType, int interlace) {
    TBytes d;
    PutBE32(d, width);
    PutBE32(d, height);
    d.push_back(static_cast<uint8_t>(depth));
    d.push_back(static_cast<uint8_t>(colorType));
    d.push_back(0);
    d.push_back(0);
    d.push_back(static_cast<uint8_t>(interlace));
    return d;
}

TBytes PngFile(const std::vector<TBytes>& chunks) {
    TBytes out = {137, 80, 78, 71, 13, 10, 26, 10};
    for (const auto& c : chunks) out.insert(out.end(), c.begin(), c.end());
    return out;
}

TBytes Deflate(const TBytes& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    TBytes out(size);
    compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 6);
    out.resize(size);
    return out;
}

TBytes SimplePng(uint32_t width, uint32_t height, int depth, int colorType, const TBytes& rows, const TBytes& plte) {
    std::vector<TBytes> chunks = {PngChunk("IHDR", IhdrData(width, height, depth, colorType))};
    if (!plte.empty()) chunks.push_back(PngChunk("PLTE", plte));
    chunks.push_back(PngChunk("IDAT", Deflate(rows)));
    chunks.push_back(PngChunk("IEND", {}));
    return PngFile(chunks);
}

TOracleImage OracleDecode(const TBytes& file) {
    TOracleImage result;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &result.Error, OnError, OnWarning);
    png_infop info = png_create_info_struct(png);
    TPngMemorySource source{&file, 0};
    std::vector<png_bytep> rows;
    std::vector<uint8_t> pixels;  // before setjmp, so that a long jump skips no destructor
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        if (result.Error.empty()) result.Error = "libpng error";
        return result;
    }
    png_set_read_fn(png, &source, ReadPngFromMemory);
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    png_read_info(png, info);
    result.Width = static_cast<int>(png_get_image_width(png, info));
    result.Height = static_cast<int>(png_get_image_height(png, info));
    result.BitDepth = png_get_bit_depth(png, info);
    result.ColorType = png_get_color_type(png, info);
    png_colorp palette = nullptr;
    if (png_get_PLTE(png, info, &palette, &result.PaletteCount) & PNG_INFO_PLTE)
        for (int i = 0; i < result.PaletteCount; ++i)
            result.RawPalette.insert(result.RawPalette.end(), {palette[i].red, palette[i].green, palette[i].blue});
    if (result.ColorType == PNG_COLOR_TYPE_PALETTE) {
        png_set_packing(png);  // one index a byte; the palette is looked up below
    } else {
        png_set_expand_gray_1_2_4_to_8(png);
        png_set_gray_to_rgb(png);
    }
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    pixels.assign(rowBytes * static_cast<size_t>(result.Height), 0);
    for (int y = 0; y < result.Height; ++y) rows.push_back(pixels.data() + rowBytes * y);
    png_read_image(png, rows.data());
    png_destroy_read_struct(&png, &info, nullptr);
    const size_t n = static_cast<size_t>(result.Width) * result.Height;
    if (result.ColorType == PNG_COLOR_TYPE_PALETTE) {
        result.Indices.resize(n);
        for (int y = 0; y < result.Height; ++y)
            std::memcpy(result.Indices.data() + static_cast<size_t>(y) * result.Width, rows[y], result.Width);
        for (uint8_t index : result.Indices) {
            const size_t at = 3u * index;
            for (int c = 0; c < 3; ++c)
                result.Rgb.push_back(at + 2 < result.RawPalette.size() ? result.RawPalette[at + c] : 0);
        }
    } else {
        for (int y = 0; y < result.Height; ++y) result.Rgb.insert(result.Rgb.end(), rows[y], rows[y] + 3 * result.Width);
    }
    return result;
}

}  // namespace pixmo::test
