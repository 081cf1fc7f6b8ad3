#pragma once
// The command line: switches "-x" or "/x" (one flag per letter A … Z, by the second
// character) and the file name to open (the last other argument).
#include <array>
#include <string>
#include <vector>

namespace pixmo {

class TParams {
public:
    TParams() = default;
    // The arguments without the program name.
    explicit TParams(const std::vector<std::string>& args);
    // argv[0] is the program and is skipped.
    TParams(int argc, const char* const* argv);

    // Upper or lower case; any other character answers false.
    bool HasSwitch(char letter) const;

    std::string FileName;
    std::array<bool, 26> Switches{};

private:
    void Take(const std::string& arg);
};

}  // namespace pixmo
