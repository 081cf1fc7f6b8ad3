// The peer of the converter's open path, as a whole process: libpng reads a PNG and plain
// stdio reads an uncompressed BMP, each into one block of rows, and prints
// "WIDTHxHEIGHT BITS". Also writes the two test pictures. A measuring aid, never part of
// the programs.
//   peer_open make DIR     writes DIR/open8.png and DIR/open8.bmp (4000x4000, 8 bits)
//   peer_open info FILE
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 4000;

[[noreturn]] void Die(const char* what) {
    std::fprintf(stderr, "peer_open: %s\n", what);
    std::exit(1);
}

// Drawing-like content: flat areas, gradients and some noise, so that deflate does real work.
std::vector<uint8_t> MakePixels(std::vector<png_color>& palette) {
    std::mt19937 rng(42);
    for (int i = 0; i < 256; ++i) {
        const uint32_t c = rng();
        palette.push_back(png_color{static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8), static_cast<png_byte>(c)});
    }
    std::vector<uint8_t> pixels(static_cast<size_t>(kSide) * kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const int band = ((x / 64) + (y / 48)) % 5;
            const int noise = static_cast<int>(rng() % 8);
            const int v = band == 0 ? 17 : band == 1 ? (x + y) / 8 : band == 2 ? x ^ y : band == 3 ? 200 + noise : noise * 30;
            pixels[static_cast<size_t>(y) * kSide + x] = static_cast<uint8_t>(v);
        }
    return pixels;
}

void PutLE(std::FILE* f, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) std::fputc(static_cast<int>((v >> (8 * i)) & 0xFF), f);
}

void Make(const std::string& dir) {
    std::vector<png_color> palette;
    const std::vector<uint8_t> pixels = MakePixels(palette);

    std::FILE* f = std::fopen((dir + "/open8.png").c_str(), "wb");
    if (!f) Die("cannot write the PNG");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) Die("libpng write error");
    png_init_io(png, f);
    png_set_IHDR(png, info, kSide, kSide, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, palette.data(), 256);
    png_write_info(png, info);
    for (int y = 0; y < kSide; ++y) png_write_row(png, pixels.data() + static_cast<size_t>(y) * kSide);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(f);

    f = std::fopen((dir + "/open8.bmp").c_str(), "wb");
    if (!f) Die("cannot write the BMP");
    const uint32_t bitsAt = 14 + 40 + 1024;
    std::fputs("BM", f);
    PutLE(f, bitsAt + kSide * kSide, 4);
    PutLE(f, 0, 4);
    PutLE(f, bitsAt, 4);
    for (uint32_t v : {40u, uint32_t{kSide}, uint32_t{kSide}}) PutLE(f, v, 4);
    PutLE(f, 1, 2);
    PutLE(f, 8, 2);
    for (uint32_t v : {0u, uint32_t{kSide * kSide}, 0u, 0u, 256u, 0u}) PutLE(f, v, 4);
    for (const png_color& c : palette) PutLE(f, (uint32_t{c.red} << 16) | (uint32_t{c.green} << 8) | c.blue, 4);
    for (int y = kSide - 1; y >= 0; --y) std::fwrite(pixels.data() + static_cast<size_t>(y) * kSide, 1, kSide, f);
    std::fclose(f);
}

void InfoPng(std::FILE* f) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows;
    std::vector<uint8_t> pixels;
    if (setjmp(png_jmpbuf(png))) Die("libpng read error");
    png_init_io(png, f);
    png_set_sig_bytes(png, 8);
    png_read_info(png, info);
    if (png_get_color_type(png, info) == PNG_COLOR_TYPE_RGB) png_set_bgr(png);
    png_read_update_info(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    const uint32_t width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    pixels.resize(rowBytes * height);
    for (uint32_t y = 0; y < height; ++y) rows.push_back(pixels.data() + rowBytes * (height - 1 - y));
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    std::printf("%ux%u %d\n", width, height, png_get_bit_depth(png, info) * png_get_channels(png, info));
    png_destroy_read_struct(&png, &info, nullptr);
}

uint32_t LE(const uint8_t* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

// Uncompressed bottom-up BMP: the table, then the rows into one block.
void InfoBmp(std::FILE* f) {
    uint8_t head[54];
    if (std::fread(head + 8, 1, 46, f) != 46) Die("short BMP header");
    const uint32_t bitsAt = LE(head + 10, 4);
    const uint32_t width = LE(head + 18, 4), height = LE(head + 22, 4), bits = LE(head + 28, 2);
    if (width == 0 || width > 8000 || height == 0 || height > 8000 || (bits != 8 && bits != 24)) Die("unsupported BMP");
    std::vector<uint8_t> table(bitsAt - 54);
    if (!table.empty() && std::fread(table.data(), 1, table.size(), f) != table.size()) Die("short BMP table");
    const size_t rowBytes = (width * bits + 31) / 32 * 4;
    std::vector<uint8_t> pixels(rowBytes * height);
    if (std::fread(pixels.data(), 1, pixels.size(), f) != pixels.size()) Die("short BMP rows");
    std::printf("%ux%u %u\n", width, height, bits);
}

void Info(const char* name) {
    std::FILE* f = std::fopen(name, "rb");
    if (!f) Die("cannot open");
    uint8_t sig[8];
    if (std::fread(sig, 1, 8, f) != 8) Die("short file");
    if (png_sig_cmp(sig, 0, 8) == 0) {
        InfoPng(f);
    } else if (sig[0] == 'B' && sig[1] == 'M') {
        InfoBmp(f);
    } else {
        Die("neither PNG nor BMP");
    }
    std::fclose(f);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "make") == 0) {
        Make(argv[2]);
    } else if (argc == 3 && std::strcmp(argv[1], "info") == 0) {
        Info(argv[2]);
    } else {
        std::fprintf(stderr, "usage: peer_open make DIR | peer_open info FILE\n");
        return 2;
    }
    return 0;
}
