#include "settings/params.h"

namespace pixmo {

TParams::TParams(const std::vector<std::string>& args) {
    for (const std::string& arg : args) Take(arg);
}

TParams::TParams(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i)
        if (argv[i]) Take(argv[i]);
}

void TParams::Take(const std::string& arg) {
    bool dash = !arg.empty() && arg[0] == '-';
    // Absolute paths begin with "/" here, so only "/x" itself is a switch of that form.
    bool slash = !arg.empty() && arg[0] == '/' && arg.size() <= 2;
    if (dash || slash) {
        if (arg.size() < 2) return;  // a lone "-" or "/" sets nothing
        char c = arg[1];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z') Switches[static_cast<size_t>(c - 'A')] = true;
        return;
    }
    FileName = arg;
}

bool TParams::HasSwitch(char letter) const {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    return letter >= 'A' && letter <= 'Z' && Switches[static_cast<size_t>(letter - 'A')];
}

}  // namespace pixmo
