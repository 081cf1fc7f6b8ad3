#pragma once
// The program's settings object: the settings file plus `Section`, the section that every
// typed helper below reads and writes. Callers set Section before a group of reads or writes.
// Readers give the default for a missing or unparsable value and never raise.
#include <concepts>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "image/geometry.h"
#include "settings/font_text.h"
#include "settings/ini_file.h"
#include "settings/string_lists.h"

namespace pixmo {

// A window's placement as stored under "Place": show command, then the normal position.
struct TPlacement {
    int Show = 0;
    TRect Normal;
    bool operator==(const TPlacement&) const = default;
};

class TIni : public TIniFile {
public:
    using TIniFile::TIniFile;
    using TIniFile::ReadString;
    using TIniFile::WriteString;

    std::string Section;

    int ReadInteger(const std::string& key, int def);
    // As ReadInteger, and a value outside 0 … 255 also gives the default.
    uint8_t ReadByte(const std::string& key, uint8_t def);
    // "0" is false, any other integer true.
    bool ReadBool(const std::string& key, bool def);
    std::string ReadString(const std::string& key, const std::string& def);
    // Fills all of `values` and answers true when the key exists and is not empty; leaves
    // them untouched and answers false otherwise.
    bool ReadIntArray(const std::string& key, std::span<int32_t> values);
    TPoint ReadPoint(const std::string& key, TPoint def);
    // When the stored text is an integer, its low set.size() bytes become the set (byte 0
    // lowest); otherwise the set is unchanged.
    void ReadFlags(const std::string& key, std::span<uint8_t> set);
    template <std::unsigned_integral T>
        requires(sizeof(T) <= 4)
    void ReadFlags(const std::string& key, T& set);
    // Clears the list and reads "C" (default 0) entries "S0" …; a TMaxStringList first gets
    // "Max" (default 10). Entries the section cannot hold (beyond its key count) are not read.
    void ReadStrings(TStringListEx& list);
    // Applies the stored text to the font; nothing without a font or a valid text.
    void ReadFont(const std::string& key, TFontSpec* font);
    // "Place" holding five values.
    std::optional<TPlacement> ReadPlacement(const std::string& key = "Place");

    void WriteInteger(const std::string& key, int value);
    void WriteByte(const std::string& key, uint8_t value);
    void WriteBool(const std::string& key, bool value);
    void WriteString(const std::string& key, const std::string& value);
    void WriteIntArray(const std::string& key, std::span<const int32_t> values);
    void WritePoint(const std::string& key, TPoint value);
    void WriteFlags(const std::string& key, std::span<const uint8_t> set);
    template <std::unsigned_integral T>
        requires(sizeof(T) <= 4)
    void WriteFlags(const std::string& key, T set);
    // "Max" for a bounded list, "C", then "S0" …; errors ignored.
    void WriteStrings(const TStringListEx& list);
    void WriteFont(const std::string& key, const TFontSpec& font);
    void WritePlacement(const TPlacement& placement, const std::string& key = "Place");
};

// Sets Section for a scope and puts the previous one back.
class TSectionScope {
public:
    TSectionScope(TIni& ini, std::string section) : FIni(ini), FSaved(std::move(ini.Section)) {
        ini.Section = std::move(section);
    }
    ~TSectionScope() { FIni.Section = std::move(FSaved); }
    TSectionScope(const TSectionScope&) = delete;
    TSectionScope& operator=(const TSectionScope&) = delete;

private:
    TIni& FIni;
    std::string FSaved;
};

// Groups the writes of a scope into one replacement of the file.
class TIniUpdate {
public:
    explicit TIniUpdate(TIniFile& ini) : FIni(ini) { ini.BeginUpdate(); }
    ~TIniUpdate() { FIni.EndUpdate(); }
    TIniUpdate(const TIniUpdate&) = delete;
    TIniUpdate& operator=(const TIniUpdate&) = delete;

private:
    TIniFile& FIni;
};

template <std::unsigned_integral T>
    requires(sizeof(T) <= 4)
void TIni::ReadFlags(const std::string& key, T& set) {
    uint8_t bytes[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<uint8_t>(set >> (8 * i));
    ReadFlags(key, std::span<uint8_t>(bytes));
    T value = 0;
    for (size_t i = 0; i < sizeof(T); ++i) value = static_cast<T>(value | (T{bytes[i]} << (8 * i)));
    set = value;
}

template <std::unsigned_integral T>
    requires(sizeof(T) <= 4)
void TIni::WriteFlags(const std::string& key, T set) {
    uint8_t bytes[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<uint8_t>(set >> (8 * i));
    WriteFlags(key, std::span<const uint8_t>(bytes));
}

}  // namespace pixmo
