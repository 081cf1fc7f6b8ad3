// Writes the program's icon for installation: PNGs of 16 to 256 pixels (RGBA, the grid
// enlarged by whole pixels) and a scalable SVG of the same squares, into the folder given.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>
#include <zlib.h>

#include "resources/icon/app_icon.h"

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<uint8_t>(v >> s));
}

void Chunk(std::vector<uint8_t>& file, const char* type, const std::vector<uint8_t>& data) {
    Put32(file, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    file.insert(file.end(), body.begin(), body.end());
    Put32(file, static_cast<uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

bool WritePng(const std::string& path, int side) {
    const int scale = side / pixmo::kAppIconSide;
    std::vector<uint8_t> raw;
    for (int y = 0; y < side; ++y) {
        raw.push_back(0);
        for (int x = 0; x < side; ++x) {
            const uint32_t c = pixmo::AppIconColour(pixmo::kAppIconRows[size_t(y / scale)][x / scale]);
            raw.insert(raw.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), uint8_t(c >> 24)});
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) return false;
    packed.resize(packedSize);
    std::vector<uint8_t> file = {137, 80, 78, 71, 13, 10, 26, 10};
    std::vector<uint8_t> ihdr;
    Put32(ihdr, static_cast<uint32_t>(side));
    Put32(ihdr, static_cast<uint32_t>(side));
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});
    Chunk(file, "IHDR", ihdr);
    Chunk(file, "IDAT", packed);
    Chunk(file, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

bool WriteSvg(const std::string& path) {
    std::ofstream out(path);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 16 16\" "
           "shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < pixmo::kAppIconSide; ++y)
        for (int x = 0; x < pixmo::kAppIconSide; ++x) {
            const uint32_t c = pixmo::AppIconColour(pixmo::kAppIconRows[size_t(y)][x]);
            if ((c >> 24) == 0) continue;
            char colour[8];
            std::snprintf(colour, sizeof colour, "#%06X", c & 0xFFFFFF);
            out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"1\" height=\"1\" fill=\"" << colour << "\"/>\n";
        }
    out << "</svg>\n";
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons FOLDER\n");
        return 2;
    }
    const std::string dir = argv[1];
    for (int side : {16, 32, 48, 64, 128, 256})
        if (!WritePng(dir + "/pixmo3-" + std::to_string(side) + ".png", side)) return 1;
    return WriteSvg(dir + "/pixmo3.svg") ? 0 : 1;
}
