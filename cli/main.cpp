#include <iostream>
#include <string>
#include <vector>

#include "cli/convert_tool.h"
#include "formats/install_formats.h"

int main(int argc, char** argv) {
    pixmo::InstallFormats();
    std::vector<std::string> args(argv + 1, argv + argc);
    return pixmo::RunConvert(args, std::cout, std::cerr);
}
