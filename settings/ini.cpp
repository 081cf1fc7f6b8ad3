#include "settings/ini.h"

#include <algorithm>

#include "image/errors.h"
#include "settings/int_text.h"

namespace pixmo {

int TIni::ReadInteger(const std::string& key, int def) {
    return ParseInt32(ReadString(key, std::string())).value_or(def);
}

uint8_t TIni::ReadByte(const std::string& key, uint8_t def) {
    int v = ReadInteger(key, def);
    return v >= 0 && v <= 255 ? static_cast<uint8_t>(v) : def;
}

bool TIni::ReadBool(const std::string& key, bool def) { return ReadInteger(key, def ? 1 : 0) != 0; }

std::string TIni::ReadString(const std::string& key, const std::string& def) {
    return TIniFile::ReadString(Section, key, def);
}

bool TIni::ReadIntArray(const std::string& key, std::span<int32_t> values) {
    std::string text = ReadString(key, std::string());
    if (text.empty()) return false;
    ScanIntArray(text, values);
    return true;
}

TPoint TIni::ReadPoint(const std::string& key, TPoint def) {
    int32_t v[2];
    if (!ReadIntArray(key, v)) return def;
    return TPoint{v[0], v[1]};
}

void TIni::ReadFlags(const std::string& key, std::span<uint8_t> set) {
    std::optional<int32_t> v = ParseInt32(ReadString(key, std::string()));
    if (!v) return;
    uint32_t bits = static_cast<uint32_t>(*v);
    for (size_t i = 0; i < set.size() && i < 4; ++i) set[i] = static_cast<uint8_t>(bits >> (8 * i));
}

void TIni::ReadStrings(TStringListEx& list) {
    list.Clear();
    if (auto* bounded = dynamic_cast<TMaxStringList*>(&list)) bounded->SetMax(ReadInteger("Max", 10));
    // A count larger than the keys present would only add empty entries, possibly billions.
    int count = ReadInteger("C", 0);
    count = static_cast<int>(std::min<size_t>(static_cast<size_t>(std::max(count, 0)), KeyCount(Section)));
    for (int i = 0; i < count; ++i) list.Add(ReadString("S" + std::to_string(i), std::string()));
}

void TIni::ReadFont(const std::string& key, TFontSpec* font) {
    if (!font) return;
    TextToFont(ReadString(key, std::string()), *font);
}

std::optional<TPlacement> TIni::ReadPlacement(const std::string& key) {
    int32_t v[5];
    if (!ReadIntArray(key, v)) return std::nullopt;
    return TPlacement{v[0], TRect{v[1], v[2], v[3], v[4]}};
}

void TIni::WriteInteger(const std::string& key, int value) { WriteString(key, std::to_string(value)); }

void TIni::WriteByte(const std::string& key, uint8_t value) {
    try {
        WriteInteger(key, value);
    } catch (const EPixmoError&) {
    }
}

void TIni::WriteBool(const std::string& key, bool value) { WriteString(key, value ? "1" : "0"); }

void TIni::WriteString(const std::string& key, const std::string& value) {
    TIniFile::WriteString(Section, key, value);
}

void TIni::WriteIntArray(const std::string& key, std::span<const int32_t> values) {
    std::string text;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += ',';
        text += std::to_string(values[i]);
    }
    WriteString(key, text);
}

void TIni::WritePoint(const std::string& key, TPoint value) {
    const int32_t v[2] = {value.X, value.Y};
    WriteIntArray(key, v);
}

void TIni::WriteFlags(const std::string& key, std::span<const uint8_t> set) {
    uint32_t bits = 0;
    for (size_t i = 0; i < set.size() && i < 4; ++i) bits |= uint32_t{set[i]} << (8 * i);
    try {
        WriteInteger(key, static_cast<int32_t>(bits));
    } catch (const EPixmoError&) {
    }
}

void TIni::WriteStrings(const TStringListEx& list) {
    try {
        TIniUpdate update(*this);
        if (auto* bounded = dynamic_cast<const TMaxStringList*>(&list)) WriteInteger("Max", bounded->Max());
        WriteInteger("C", list.Count());
        for (int i = 0; i < list.Count(); ++i) WriteString("S" + std::to_string(i), list[i]);
    } catch (const EPixmoError&) {
    }
}

void TIni::WriteFont(const std::string& key, const TFontSpec& font) { WriteString(key, FontToText(font)); }

void TIni::WritePlacement(const TPlacement& placement, const std::string& key) {
    const TRect& r = placement.Normal;
    const int32_t v[5] = {placement.Show, r.Left, r.Top, r.Right, r.Bottom};
    WriteIntArray(key, v);
}

}  // namespace pixmo
