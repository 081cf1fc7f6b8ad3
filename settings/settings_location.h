#pragma once
// Where the settings file lives: PIXMO3_INI when set; else the program's own path with the
// extension ".ini" when that folder is writable; else $XDG_CONFIG_HOME/pixmo3/Pixmo3.ini
// (~/.config/pixmo3/Pixmo3.ini when XDG_CONFIG_HOME is unset or not absolute).
#include <functional>
#include <optional>
#include <string>

namespace pixmo {

using TEnvLookup = std::function<std::optional<std::string>(const std::string& name)>;
using TFolderWritable = std::function<bool(const std::string& folder)>;

std::string SettingsFileName(const std::string& programPath, const TEnvLookup& env,
                             const TFolderWritable& writable);
// With the process environment and the file system.
std::string SettingsFileName(const std::string& programPath);

// "/usr/bin/pixmo3" -> "/usr/bin/pixmo3.ini", "a/Pixmo3.exe" -> "a/Pixmo3.ini".
std::string ChangeExtToIni(const std::string& path);

// The text window's memo file: the program's name with the extension ".MEM", in the
// settings file's folder. ("/home/u/.config/pixmo3/Pixmo3.ini", "/usr/bin/pixmo3") ->
// "/home/u/.config/pixmo3/pixmo3.MEM".
std::string MemoFileName(const std::string& settingsFile, const std::string& programPath);

// The running program's file (argv0 when the system does not say).
std::string CurrentProgramPath(const char* argv0);

}  // namespace pixmo
