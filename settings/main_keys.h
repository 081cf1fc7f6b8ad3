#pragma once
// The main window's settings in one place: its keys with their defaults and read rules, the
// modifier roles of the mouse tools, the recent-item lists, the menu shortcuts and the layout
// of the edit pop-up menu. Each reader sets its own section and puts the caller's back.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/geometry.h"
#include "settings/ini.h"

namespace pixmo {

inline constexpr char kMainFormSection[] = "MainForm";
inline constexpr char kShiftStateSection[] = "ShiftState";
inline constexpr char kMainMenuSection[] = "MainMenu";
inline constexpr char kEditMoveMenuSection[] = "EditMoveMenu";
inline constexpr char kFileHistorySection[] = "FileHistory";
inline constexpr char kGridHistorySection[] = "GridHistory";
inline constexpr char kEditHistorySection[] = "EditHistory";

inline constexpr int kPenWidthCount = 14;
inline constexpr uint8_t kDefRectOptUseGrid = 4;
inline constexpr int kGridSizeLimit = 8000;
// The unit grid's spacing, as the settings dialog bounds it.
inline constexpr int kDotLineLimit = 320;
inline constexpr int kHistoryMaxLow = 10;
inline constexpr int kHistoryMaxHigh = 20;
// Shortcut values: the key code plus these.
inline constexpr int kShortcutShift = 8192;
inline constexpr int kShortcutCtrl = 16384;
inline constexpr int kShortcutAlt = 32768;

// The drawing tools' inks ("Ink"): the pen's colour, shading along the ramp between the
// primary and the secondary index, the two in a checker pattern.
inline constexpr int kInkPen = 0;
inline constexpr int kInkShade = 1;
inline constexpr int kInkDither = 2;

// "Lingua": the user's locale, Italian, English.
inline constexpr int kLanguageAuto = 0;
inline constexpr int kLanguageItalian = 1;
inline constexpr int kLanguageEnglish = 2;

// Section "MainForm", in the order the main window reads and writes it.
struct TMainSettings {
    bool RMenuMode = true;
    int SelectPenColor = 65280;
    uint8_t SelectPenMode = 15;
    bool DitherIcon = false;
    bool IconSaveColor = false;
    bool PixmoIconMaskBottomLeftPixel = false;
    bool PalChangeable = true;
    int UndoBuffer = 10000000;
    int NColor1 = 0;  // never negative
    int NColor2 = 1;  // never negative
    std::array<int32_t, kPenWidthCount> PenWidths = {1, 2, 3, 4, 5, 10, 15, 20, 30, 40, 50, 60, 80, 100};  // each >= 1
    int NPen1 = 0;  // an index into PenWidths
    int NPen2 = 1;
    bool PenVisible = true;
    bool RDraw = false;
    int SprayInterval = 0;
    int SelectLimit = 0;
    bool SelectInSight = false;
    int Timer = 200;
    uint8_t DefRectOpt = 0;
    TPoint GridSize{32, 32};  // each 1 … 8000
    bool AskWhenDestroy = true;
    bool Backup = false;
    std::string BackupDir;
    std::string FileName;
    bool DotLineVisible = true;
    int DotLineHeight = 32;
    int DotLineWidth = 32;
    int MeasureType = 1;
    int ZoomSize = 1;
    // The drawing aids: ink, corners taken out of one-pixel pencil strokes, mirror images.
    int Ink = kInkPen;
    bool PixelPerfect = false;
    bool MirrorHorizontal = false;
    bool MirrorVertical = false;
    int PngCompression = 1;  // 0 "Veloce", 1 "Normale", 2 "Massima"
    bool ShowTransparency = true;  // transparent entries over a checkerboard
    int Language = kLanguageAuto;  // "Lingua", taken at start-up
    std::string Mouse;  // read last by the main window; empty or unknown means MIDrawDot

    bool operator==(const TMainSettings&) const = default;
};

TMainSettings ReadMainSettings(TIni& ini);
void WriteMainSettings(TIni& ini, const TMainSettings& settings);

// Section "ShiftState": shift bytes (1 Shift, 2 Alt, 4 Ctrl) of the mouse tools' roles.
struct TShiftStateSettings {
    uint8_t Scroll = 2;
    uint8_t Move = 4;
    uint8_t Duplicate = 6;
    uint8_t Add = 1;
    uint8_t Delete = 2;
    uint8_t And = 3;
    uint8_t Square = 1;
    uint8_t Center = 2;
    uint8_t Snap = 4;

    bool operator==(const TShiftStateSettings&) const = default;
};

TShiftStateSettings ReadShiftState(TIni& ini);
void WriteShiftState(TIni& ini, const TShiftStateSettings& state);

// A recent-item list of the main window; "Max" is kept within 10 … 20.
void ReadHistory(TIni& ini, const std::string& section, TMaxStringList& list);
void WriteHistory(TIni& ini, const std::string& section, const TMaxStringList& list);

// Section "MainMenu": the stored shortcut of a menu item, or the designed one.
int ReadShortcut(TIni& ini, const std::string& itemName, int designed);
void WriteShortcut(TIni& ini, const std::string& itemName, int shortcut);

// Section "EditMoveMenu": the visible items in order ("C", "M0" …); nothing without "C".
std::optional<std::vector<std::string>> ReadMenuLayout(TIni& ini);
void WriteMenuLayout(TIni& ini, const std::vector<std::string>& visibleItems);

}  // namespace pixmo
