#include "support/test_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace pixmo::test {
namespace {
int IndexOfChar(char c) {
    if (c == '.') return 0;
    if (c == '#') return 1;
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    throw std::invalid_argument(std::string("bad grid character ") + c);
}
char CharOfIndex(int i) {
    if (i == 0) return '.';
    if (i == 1) return '#';
    if (i < 10) return static_cast<char>('0' + i);
    if (i < 16) return static_cast<char>('a' + i - 10);
    return '?';
}
}  // namespace

std::unique_ptr<TDib> FromGrid(const std::vector<std::string>& rows, int colors) {
    const int h = static_cast<int>(rows.size());
    const int w = h ? static_cast<int>(rows[0].size()) : 0;
    auto image = TDib::Create(w, h, colors);
    for (int i = 0; i < colors; ++i) {
        int v = colors > 1 ? i * 255 / (colors - 1) : 0;
        image->SetColor(i, RGB(v, v, v));
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image->SetPixel(x, y, static_cast<uint8_t>(IndexOfChar(rows[y][x])));
    return image;
}

std::vector<std::string> ToGrid(const TDib& image) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.Height(); ++y) {
        std::string row;
        for (int x = 0; x < image.Width(); ++x) row += CharOfIndex(image.Pixel(x, y));
        rows.push_back(row);
    }
    return rows;
}

std::unique_ptr<TDib> Blank(int width, int height) {
    return FromGrid(std::vector<std::string>(height, std::string(width, '.')), 16);
}

TBitmapInfoHeader Header(int width, int height, int bits, uint32_t clrUsed) {
    TBitmapInfoHeader header;
    header.Width = width;
    header.Height = height;
    header.BitCount = static_cast<uint16_t>(bits);
    header.ClrUsed = clrUsed;
    return header;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string TestDataDir() {
    const char* env = std::getenv("PIXMO3_TESTDATA");
    std::string dir = env && *env ? env : PIXMO3_TESTDATA;
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return "";
    return dir;
}

std::string MakeTempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string templ = std::string(base && *base ? base : "/tmp") + "/pixmo3-test-XXXXXX";
    if (!::mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
    return templ;
}

std::unique_ptr<TDib> ManyColours(int width, int height) {
    auto image = TTrueDib::Create(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = image->ScanLine(y) + 3 * x;
            p[0] = static_cast<uint8_t>(x);
            p[1] = static_cast<uint8_t>(y);
            p[2] = 7;
        }
    return image;
}

std::string PilPython() {
    for (const char* python : {"/usr/bin/python3", "python3"})
        if (std::system((std::string(python) + " -c 'import PIL' >/dev/null 2>&1").c_str()) == 0) return python;
    return "";
}

}  // namespace pixmo::test
