#include "settings/settings_location.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace pixmo {

std::string ChangeExtToIni(const std::string& path) {
    size_t slash = path.find_last_of('/');
    size_t base = slash == std::string::npos ? 0 : slash + 1;
    size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && dot > base) return path.substr(0, dot) + ".ini";
    return path + ".ini";
}

std::string SettingsFileName(const std::string& programPath, const TEnvLookup& env,
                             const TFolderWritable& writable) {
    if (auto named = env("PIXMO3_INI"); named && !named->empty()) return *named;
    std::string beside = ChangeExtToIni(programPath);
    size_t slash = beside.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : beside.substr(0, slash);
    if (writable(folder)) return beside;
    if (auto xdg = env("XDG_CONFIG_HOME"); xdg && !xdg->empty() && (*xdg)[0] == '/')
        return *xdg + "/pixmo3/Pixmo3.ini";
    if (auto home = env("HOME"); home && !home->empty()) return *home + "/.config/pixmo3/Pixmo3.ini";
    return beside;  // nowhere better: failed writes are reported by the store
}

std::string SettingsFileName(const std::string& programPath) {
    auto env = [](const std::string& name) -> std::optional<std::string> {
        const char* v = std::getenv(name.c_str());
        return v ? std::optional<std::string>(v) : std::nullopt;
    };
    auto writable = [](const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; };
    return SettingsFileName(programPath, env, writable);
}

std::string MemoFileName(const std::string& settingsFile, const std::string& programPath) {
    const size_t slash = programPath.find_last_of('/');
    std::string name = programPath.substr(slash == std::string::npos ? 0 : slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    if (name.empty()) name = "pixmo3";
    const size_t folderEnd = settingsFile.find_last_of('/');
    if (folderEnd == std::string::npos) return name + ".MEM";
    return settingsFile.substr(0, folderEnd + 1) + name + ".MEM";
}

std::string CurrentProgramPath(const char* argv0) {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n > 0) return std::string(buf, static_cast<size_t>(n));
    return argv0 ? argv0 : "pixmo3";
}

}  // namespace pixmo
