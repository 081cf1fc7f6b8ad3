#include "settings/main_keys.h"

#include <algorithm>
#include <climits>
#include <type_traits>
#include <variant>

namespace pixmo {

namespace {

// How a key's integer is kept within reason when read: clamped to Low … High, or the
// default when outside them.
enum class TRule { None, Clamp, DefaultOutside };

using TPenWidths = std::array<int32_t, kPenWidthCount>;
using TMember = std::variant<bool TMainSettings::*, int TMainSettings::*, uint8_t TMainSettings::*,
                             TPoint TMainSettings::*, TPenWidths TMainSettings::*, std::string TMainSettings::*>;

struct TMainKey {
    const char* Name;
    TMember Member;
    TRule Rule = TRule::None;
    int Low = 0, High = 0;
    // A byte member holds flags ("DefRectOpt"), not a number.
    bool Flags = false;
};

// The keys in the order they are read and written; "Mouse" is the main window's, read last.
const TMainKey kMainKeys[] = {
    {"RMenuMode", &TMainSettings::RMenuMode},
    {"SelectPenColor", &TMainSettings::SelectPenColor},
    {"SelectPenMode", &TMainSettings::SelectPenMode},
    {"DitherIcon", &TMainSettings::DitherIcon},
    {"IconSaveColor", &TMainSettings::IconSaveColor},
    {"PixmoIconMaskBottomLeftPixel", &TMainSettings::PixmoIconMaskBottomLeftPixel},
    {"PalChangeable", &TMainSettings::PalChangeable},
    {"UndoBuffer", &TMainSettings::UndoBuffer},
    {"NColor1", &TMainSettings::NColor1, TRule::Clamp, 0, INT_MAX},
    {"NColor2", &TMainSettings::NColor2, TRule::Clamp, 0, INT_MAX},
    {"PenWidths", &TMainSettings::PenWidths, TRule::Clamp, 1, INT_MAX},
    // The pen indices pick from PenWidths: one outside it gives the default.
    {"NPen1", &TMainSettings::NPen1, TRule::DefaultOutside, 0, kPenWidthCount - 1},
    {"NPen2", &TMainSettings::NPen2, TRule::DefaultOutside, 0, kPenWidthCount - 1},
    {"PenVisible", &TMainSettings::PenVisible},
    {"RDraw", &TMainSettings::RDraw},
    {"SprayInterval", &TMainSettings::SprayInterval},
    {"SelectLimit", &TMainSettings::SelectLimit},
    {"SelectInSight", &TMainSettings::SelectInSight},
    {"Timer", &TMainSettings::Timer},
    {"DefRectOpt", &TMainSettings::DefRectOpt, TRule::None, 0, 0, true},
    {"GridSize", &TMainSettings::GridSize, TRule::Clamp, 1, kGridSizeLimit},
    {"AskWhenDestroy", &TMainSettings::AskWhenDestroy},
    {"Backup", &TMainSettings::Backup},
    {"BackupDir", &TMainSettings::BackupDir},
    {"FileName", &TMainSettings::FileName},
    {"DotLineVisible", &TMainSettings::DotLineVisible},
    {"DotLineHeight", &TMainSettings::DotLineHeight, TRule::Clamp, 1, kDotLineLimit},
    {"DotLineWidth", &TMainSettings::DotLineWidth, TRule::Clamp, 1, kDotLineLimit},
    {"MeasureType", &TMainSettings::MeasureType},
    {"ZoomSize", &TMainSettings::ZoomSize},
    {"Ink", &TMainSettings::Ink, TRule::DefaultOutside, kInkPen, kInkDither},
    {"PixelPerfect", &TMainSettings::PixelPerfect},
    {"MirrorHorizontal", &TMainSettings::MirrorHorizontal},
    {"MirrorVertical", &TMainSettings::MirrorVertical},
    {"PngCompression", &TMainSettings::PngCompression, TRule::DefaultOutside, 0, 2},
    {"ShowTransparency", &TMainSettings::ShowTransparency},
    {"Language", &TMainSettings::Language, TRule::DefaultOutside, kLanguageAuto, kLanguageEnglish},
    {"Mouse", &TMainSettings::Mouse},
};

int Kept(const TMainKey& key, int value, int def) {
    switch (key.Rule) {
        case TRule::Clamp: return std::clamp(value, key.Low, key.High);
        case TRule::DefaultOutside: return value >= key.Low && value <= key.High ? value : def;
        case TRule::None: break;
    }
    return value;
}

void ReadKey(TIni& ini, const TMainKey& key, TMainSettings& s) {
    const std::string name = key.Name;
    std::visit(
        [&](auto member) {
            auto& v = s.*member;
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>) {
                v = ini.ReadBool(name, v);
            } else if constexpr (std::is_same_v<T, int>) {
                v = Kept(key, ini.ReadInteger(name, v), v);
            } else if constexpr (std::is_same_v<T, uint8_t>) {
                if (key.Flags) ini.ReadFlags(name, v);
                else v = ini.ReadByte(name, v);
            } else if constexpr (std::is_same_v<T, TPoint>) {
                const TPoint p = ini.ReadPoint(name, v);
                v = TPoint{Kept(key, p.X, v.X), Kept(key, p.Y, v.Y)};
            } else if constexpr (std::is_same_v<T, TPenWidths>) {
                if (ini.ReadIntArray(name, v))
                    for (int32_t& w : v) w = Kept(key, w, w);
            } else {
                v = ini.ReadString(name, v);
            }
        },
        key.Member);
}

void WriteKey(TIni& ini, const TMainKey& key, const TMainSettings& s) {
    const std::string name = key.Name;
    std::visit(
        [&](auto member) {
            const auto& v = s.*member;
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>) ini.WriteBool(name, v);
            else if constexpr (std::is_same_v<T, int>) ini.WriteInteger(name, v);
            else if constexpr (std::is_same_v<T, uint8_t>) key.Flags ? ini.WriteFlags(name, v) : ini.WriteByte(name, v);
            else if constexpr (std::is_same_v<T, TPoint>) ini.WritePoint(name, v);
            else if constexpr (std::is_same_v<T, TPenWidths>) ini.WriteIntArray(name, v);
            else ini.WriteString(name, v);
        },
        key.Member);
}

}  // namespace

TMainSettings ReadMainSettings(TIni& ini) {
    TSectionScope scope(ini, kMainFormSection);
    TMainSettings s;
    for (const TMainKey& key : kMainKeys) ReadKey(ini, key, s);
    return s;
}

void WriteMainSettings(TIni& ini, const TMainSettings& s) {
    TSectionScope scope(ini, kMainFormSection);
    TIniUpdate update(ini);
    for (const TMainKey& key : kMainKeys) WriteKey(ini, key, s);
}

TShiftStateSettings ReadShiftState(TIni& ini) {
    TSectionScope scope(ini, kShiftStateSection);
    TShiftStateSettings s;
    s.Scroll = ini.ReadByte("Scroll", s.Scroll);
    s.Move = ini.ReadByte("Move", s.Move);
    s.Duplicate = ini.ReadByte("Duplicate", s.Duplicate);
    s.Add = ini.ReadByte("Add", s.Add);
    s.Delete = ini.ReadByte("Delete", s.Delete);
    s.And = ini.ReadByte("And", s.And);
    s.Square = ini.ReadByte("Square", s.Square);
    s.Center = ini.ReadByte("Center", s.Center);
    s.Snap = ini.ReadByte("Snap", s.Snap);
    return s;
}

void WriteShiftState(TIni& ini, const TShiftStateSettings& s) {
    TSectionScope scope(ini, kShiftStateSection);
    TIniUpdate update(ini);
    ini.WriteByte("Scroll", s.Scroll);
    ini.WriteByte("Move", s.Move);
    ini.WriteByte("Duplicate", s.Duplicate);
    ini.WriteByte("Add", s.Add);
    ini.WriteByte("Delete", s.Delete);
    ini.WriteByte("And", s.And);
    ini.WriteByte("Square", s.Square);
    ini.WriteByte("Center", s.Center);
    ini.WriteByte("Snap", s.Snap);
}

void ReadHistory(TIni& ini, const std::string& section, TMaxStringList& list) {
    TSectionScope scope(ini, section);
    ini.ReadStrings(list);
    list.SetMax(std::clamp(list.Max(), kHistoryMaxLow, kHistoryMaxHigh));
}

void WriteHistory(TIni& ini, const std::string& section, const TMaxStringList& list) {
    TSectionScope scope(ini, section);
    ini.WriteStrings(list);
}

int ReadShortcut(TIni& ini, const std::string& itemName, int designed) {
    TSectionScope scope(ini, kMainMenuSection);
    return ini.ReadInteger(itemName, designed);
}

void WriteShortcut(TIni& ini, const std::string& itemName, int shortcut) {
    TSectionScope scope(ini, kMainMenuSection);
    ini.WriteInteger(itemName, shortcut);
}

std::optional<std::vector<std::string>> ReadMenuLayout(TIni& ini) {
    TSectionScope scope(ini, kEditMoveMenuSection);
    if (!ini.ValueExists(ini.Section, "C")) return std::nullopt;
    int count = std::max(ini.ReadInteger("C", 0), 0);
    count = static_cast<int>(std::min<size_t>(static_cast<size_t>(count), ini.KeyCount(ini.Section)));
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) names.push_back(ini.ReadString("M" + std::to_string(i), std::string()));
    return names;
}

void WriteMenuLayout(TIni& ini, const std::vector<std::string>& visibleItems) {
    TSectionScope scope(ini, kEditMoveMenuSection);
    TIniUpdate update(ini);
    ini.WriteInteger("C", static_cast<int>(visibleItems.size()));
    for (size_t i = 0; i < visibleItems.size(); ++i) ini.WriteString("M" + std::to_string(i), visibleItems[i]);
}

}  // namespace pixmo
