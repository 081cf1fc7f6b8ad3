// The PNG size benchmark's pictures and its libpng peer, as whole processes. A measuring
// aid, never part of the programs.
//   png_set make DIR      writes the five pictures into DIR (libpng, level 1, no filters)
//   png_set save IN OUT   reads a PNG and writes it with libpng's default choices
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Die(const char* what) {
    std::fprintf(stderr, "png_set: %s\n", what);
    std::exit(1);
}

struct TPicture {
    int Width = 0, Height = 0;
    int Depth = 8;                   // bits per index; 8 per sample for truecolour
    bool TrueColour = false;
    std::vector<png_color> Palette;  // palette pictures
    std::vector<uint8_t> Pixels;     // one index a byte, or red, green, blue; top row first

    uint8_t& At(int x, int y) { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

TPicture Indexed(int width, int height, int colours, int depth, std::mt19937& rng) {
    TPicture p{width, height, depth, false, {}, std::vector<uint8_t>(static_cast<size_t>(width) * height)};
    for (int i = 0; i < colours; ++i) {
        const uint32_t c = rng();
        p.Palette.push_back(png_color{static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8), static_cast<png_byte>(c)});
    }
    return p;
}

// A left-right symmetric sprite of `side` pixels: a body of a few colours with an outline.
std::vector<uint8_t> Sprite(int side, int colours, std::mt19937& rng) {
    std::vector<uint8_t> s(static_cast<size_t>(side) * side, 0);
    const int half = (side + 1) / 2;
    for (int y = 1; y < side - 1; ++y)
        for (int x = 1; x < half; ++x) {
            const double dx = (x - half) / double(half), dy = (y - side / 2) / double(side / 2);
            if (dx * dx + dy * dy > 0.9 || rng() % 5 == 0) continue;
            const uint8_t c = static_cast<uint8_t>(1 + (y * 3 / side + rng() % 2) % (colours - 1));
            s[static_cast<size_t>(y) * side + x] = s[static_cast<size_t>(y) * side + side - 1 - x] = c;
        }
    return s;
}

void Place(TPicture& p, const std::vector<uint8_t>& sprite, int side, int x0, int y0, int shift) {
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const uint8_t c = sprite[static_cast<size_t>(y) * side + x];
            if (c) p.At(x0 + x, y0 + y) = static_cast<uint8_t>(c + shift);
        }
}

std::vector<TPicture> Pictures() {
    std::mt19937 rng(29);
    std::vector<TPicture> set;
    // 2000 x 2000, 256 colours in 8 x 8 blocks.
    TPicture blocks = Indexed(2000, 2000, 256, 8, rng);
    for (int by = 0; by < 250; ++by)
        for (int bx = 0; bx < 250; ++bx) {
            const uint8_t c = static_cast<uint8_t>(rng());
            for (int y = 0; y < 8; ++y) std::memset(&blocks.At(bx * 8, by * 8 + y), c, 8);
        }
    set.push_back(std::move(blocks));
    // 1024 x 1024, 16 colours: a grid of 32 x 32 cells from eight sprites.
    TPicture grid = Indexed(1024, 1024, 16, 4, rng);
    std::vector<std::vector<uint8_t>> sprites;
    for (int i = 0; i < 8; ++i) sprites.push_back(Sprite(32, 16, rng));
    for (int cy = 0; cy < 32; ++cy)
        for (int cx = 0; cx < 32; ++cx) Place(grid, sprites[rng() % 8], 32, cx * 32, cy * 32, 0);
    set.push_back(std::move(grid));
    // 4000 x 4000, 200 colours: a sheet of 64 x 64 sprites, each its own, on a dithered ground.
    TPicture sheet = Indexed(4000, 4000, 200, 8, rng);
    for (int y = 0; y < 4000; ++y)
        for (int x = 0; x < 4000; ++x) sheet.At(x, y) = static_cast<uint8_t>(((x ^ y) & 1) ? 0 : 1 + (y / 250) % 4);
    for (int cy = 0; cy < 62; ++cy)
        for (int cx = 0; cx < 62; ++cx) Place(sheet, Sprite(64, 40, rng), 64, cx * 64 + 8, cy * 64 + 8, static_cast<int>(rng() % 160));
    set.push_back(std::move(sheet));
    // 1000 x 1000 true colour like a photograph: smooth shapes and sensor noise.
    TPicture photo{1000, 1000, 8, true, {}, std::vector<uint8_t>(3u * 1000 * 1000)};
    std::normal_distribution<double> noise(0.0, 3.0);
    for (int y = 0; y < 1000; ++y)
        for (int x = 0; x < 1000; ++x)
            for (int c = 0; c < 3; ++c) {
                const double v = 128 + 60 * std::sin(x / (90.0 + 20 * c) + y / 140.0) + 50 * std::cos(y / (70.0 - 10 * c)) *
                                 std::sin(x / 300.0) + noise(rng);
                photo.Pixels[3 * (static_cast<size_t>(y) * 1000 + x) + c] = static_cast<uint8_t>(std::clamp(v, 0.0, 255.0));
            }
    set.push_back(std::move(photo));
    // One 32 x 32 sprite of 16 colours.
    TPicture tiny = Indexed(32, 32, 16, 4, rng);
    Place(tiny, Sprite(32, 16, rng), 32, 0, 0, 0);
    set.push_back(std::move(tiny));
    return set;
}

const char* const kNames[] = {"blocks8.png", "sprites16.png", "sheet200.png", "photo24.png", "sprite32.png"};

// `fast`: level 1 without filters (the inputs); else libpng's own choices.
void Write(const TPicture& p, const std::string& name, bool fast) {
    std::FILE* f = std::fopen(name.c_str(), "wb");
    if (!f) Die("cannot write");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) Die("libpng write error");
    png_init_io(png, f);
    png_set_IHDR(png, info, p.Width, p.Height, p.Depth, p.TrueColour ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_PALETTE,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!p.TrueColour) png_set_PLTE(png, info, p.Palette.data(), static_cast<int>(p.Palette.size()));
    if (fast) {
        png_set_compression_level(png, 1);
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    }
    png_write_info(png, info);
    if (!p.TrueColour && p.Depth < 8) png_set_packing(png);
    const size_t stride = static_cast<size_t>(p.Width) * (p.TrueColour ? 3 : 1);
    for (int y = 0; y < p.Height; ++y) png_write_row(png, p.Pixels.data() + stride * y);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
}

TPicture Read(const std::string& name) {
    std::FILE* f = std::fopen(name.c_str(), "rb");
    if (!f) Die("cannot open");
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) Die("libpng read error");
    png_init_io(png, f);
    png_read_info(png, info);
    TPicture p;
    p.Width = static_cast<int>(png_get_image_width(png, info));
    p.Height = static_cast<int>(png_get_image_height(png, info));
    p.Depth = png_get_bit_depth(png, info);
    p.TrueColour = png_get_color_type(png, info) == PNG_COLOR_TYPE_RGB;
    if (!p.TrueColour) {
        png_colorp palette = nullptr;
        int count = 0;
        if (png_get_PLTE(png, info, &palette, &count) != PNG_INFO_PLTE) Die("not a palette or RGB picture");
        p.Palette.assign(palette, palette + count);
        if (p.Depth < 8) png_set_packing(png);
    }
    png_read_update_info(png, info);
    const size_t stride = static_cast<size_t>(p.Width) * (p.TrueColour ? 3 : 1);
    p.Pixels.resize(stride * p.Height);
    for (int y = 0; y < p.Height; ++y) png_read_row(png, p.Pixels.data() + stride * y, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "make") == 0) {
        const std::vector<TPicture> set = Pictures();
        for (size_t i = 0; i < set.size(); ++i) Write(set[i], std::string(argv[2]) + "/" + kNames[i], true);
    } else if (argc == 4 && std::strcmp(argv[1], "save") == 0) {
        Write(Read(argv[2]), argv[3], false);
    } else {
        std::fprintf(stderr, "usage: png_set make DIR | png_set save IN OUT\n");
        return 2;
    }
    return 0;
}
