#include "settings/main_keys.h"

#include <algorithm>

namespace pixmo {

TMainSettings ReadMainSettings(TIni& ini) {
    TSectionScope scope(ini, kMainFormSection);
    TMainSettings s;
    s.RMenuMode = ini.ReadBool("RMenuMode", s.RMenuMode);
    s.SelectPenColor = ini.ReadInteger("SelectPenColor", s.SelectPenColor);
    s.SelectPenMode = ini.ReadByte("SelectPenMode", s.SelectPenMode);
    s.DitherIcon = ini.ReadBool("DitherIcon", s.DitherIcon);
    s.IconSaveColor = ini.ReadBool("IconSaveColor", s.IconSaveColor);
    s.PixmoIconMaskBottomLeftPixel = ini.ReadBool("PixmoIconMaskBottomLeftPixel", s.PixmoIconMaskBottomLeftPixel);
    s.PalChangeable = ini.ReadBool("PalChangeable", s.PalChangeable);
    s.UndoBuffer = ini.ReadInteger("UndoBuffer", s.UndoBuffer);
    s.NColor1 = std::max(ini.ReadInteger("NColor1", s.NColor1), 0);
    s.NColor2 = std::max(ini.ReadInteger("NColor2", s.NColor2), 0);
    if (ini.ReadIntArray("PenWidths", s.PenWidths))
        for (int32_t& w : s.PenWidths) w = std::max(w, 1);
    // The pen indices pick from PenWidths: one outside it gives the default.
    auto penIndex = [&](const char* key, int def) {
        int v = ini.ReadInteger(key, def);
        return v >= 0 && v < kPenWidthCount ? v : def;
    };
    s.NPen1 = penIndex("NPen1", s.NPen1);
    s.NPen2 = penIndex("NPen2", s.NPen2);
    s.PenVisible = ini.ReadBool("PenVisible", s.PenVisible);
    s.RDraw = ini.ReadBool("RDraw", s.RDraw);
    s.SprayInterval = ini.ReadInteger("SprayInterval", s.SprayInterval);
    s.SelectLimit = ini.ReadInteger("SelectLimit", s.SelectLimit);
    s.SelectInSight = ini.ReadBool("SelectInSight", s.SelectInSight);
    s.Timer = ini.ReadInteger("Timer", s.Timer);
    ini.ReadFlags("DefRectOpt", s.DefRectOpt);
    s.GridSize = ini.ReadPoint("GridSize", s.GridSize);
    s.GridSize.X = std::clamp(s.GridSize.X, 1, kGridSizeLimit);
    s.GridSize.Y = std::clamp(s.GridSize.Y, 1, kGridSizeLimit);
    s.AskWhenDestroy = ini.ReadBool("AskWhenDestroy", s.AskWhenDestroy);
    s.Backup = ini.ReadBool("Backup", s.Backup);
    s.BackupDir = ini.ReadString("BackupDir", s.BackupDir);
    s.FileName = ini.ReadString("FileName", s.FileName);
    s.DotLineVisible = ini.ReadBool("DotLineVisible", s.DotLineVisible);
    s.DotLineHeight = std::clamp(ini.ReadInteger("DotLineHeight", s.DotLineHeight), 1, kDotLineLimit);
    s.DotLineWidth = std::clamp(ini.ReadInteger("DotLineWidth", s.DotLineWidth), 1, kDotLineLimit);
    s.MeasureType = ini.ReadInteger("MeasureType", s.MeasureType);
    s.ZoomSize = ini.ReadInteger("ZoomSize", s.ZoomSize);
    s.Mouse = ini.ReadString("Mouse", s.Mouse);
    return s;
}

void WriteMainSettings(TIni& ini, const TMainSettings& s) {
    TSectionScope scope(ini, kMainFormSection);
    TIniUpdate update(ini);
    ini.WriteBool("RMenuMode", s.RMenuMode);
    ini.WriteInteger("SelectPenColor", s.SelectPenColor);
    ini.WriteByte("SelectPenMode", s.SelectPenMode);
    ini.WriteBool("DitherIcon", s.DitherIcon);
    ini.WriteBool("IconSaveColor", s.IconSaveColor);
    ini.WriteBool("PixmoIconMaskBottomLeftPixel", s.PixmoIconMaskBottomLeftPixel);
    ini.WriteBool("PalChangeable", s.PalChangeable);
    ini.WriteInteger("UndoBuffer", s.UndoBuffer);
    ini.WriteInteger("NColor1", s.NColor1);
    ini.WriteInteger("NColor2", s.NColor2);
    ini.WriteIntArray("PenWidths", s.PenWidths);
    ini.WriteInteger("NPen1", s.NPen1);
    ini.WriteInteger("NPen2", s.NPen2);
    ini.WriteBool("PenVisible", s.PenVisible);
    ini.WriteBool("RDraw", s.RDraw);
    ini.WriteInteger("SprayInterval", s.SprayInterval);
    ini.WriteInteger("SelectLimit", s.SelectLimit);
    ini.WriteBool("SelectInSight", s.SelectInSight);
    ini.WriteInteger("Timer", s.Timer);
    ini.WriteFlags("DefRectOpt", s.DefRectOpt);
    ini.WritePoint("GridSize", s.GridSize);
    ini.WriteBool("AskWhenDestroy", s.AskWhenDestroy);
    ini.WriteBool("Backup", s.Backup);
    ini.WriteString("BackupDir", s.BackupDir);
    ini.WriteString("FileName", s.FileName);
    ini.WriteBool("DotLineVisible", s.DotLineVisible);
    ini.WriteInteger("DotLineHeight", s.DotLineHeight);
    ini.WriteInteger("DotLineWidth", s.DotLineWidth);
    ini.WriteInteger("MeasureType", s.MeasureType);
    ini.WriteInteger("ZoomSize", s.ZoomSize);
    ini.WriteString("Mouse", s.Mouse);
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
