#pragma once
// Building PNG files by hand for the codec's tests, and libpng as the reference decoder.
#include <cstdint>
#include <string>
#include <vector>

namespace pixmo::test {

using TBytes = std::vector<uint8_t>;

// One chunk with its length and CRC (a wrong CRC when badCrc).
TBytes PngChunk(const std::string& type, const TBytes& data, bool badCrc = false);
TBytes IhdrData(uint32_t width, uint32_t height, int depth, int colorType, int interlace = 0);
// The signature followed by the chunks.
TBytes PngFile(const std::vector<TBytes>& chunks);
TBytes Deflate(const TBytes& raw);
// A whole file: IHDR, an optional PLTE, the rows (each with its filter byte) in one IDAT, IEND.
TBytes SimplePng(uint32_t width, uint32_t height, int depth, int colorType, const TBytes& rows,
                 const TBytes& plte = {});

// libpng's decode reduced to 8-bit red, green, blue per pixel (16-bit to the high byte,
// alpha and transparency dropped, grey and palette expanded).
struct TOracleImage {
    int Width = 0, Height = 0;
    int BitDepth = 0, ColorType = 0;
    int PaletteCount = 0;
    std::vector<uint8_t> Rgb;  // rows top-down
    std::vector<uint8_t> RawPalette;  // red, green, blue triples as in PLTE
    std::vector<uint8_t> Indices;     // palette images: one index per pixel
    std::string Error;                // set when libpng refused the file
};
TOracleImage OracleDecode(const TBytes& file);

}  // namespace pixmo::test
