#pragma once
// The help contexts: each names a page of the guide. The numbers are those the program has
// always used (a page may serve several contexts); an unknown one shows the contents.

namespace pixmo {

enum class THelpContext : int {
    OnHelp = -1,
    Contents = 0,
    MainWindow = 5,
    FileMenu = 8,
    EditMenu = 9,
    SelectMenu = 10,
    WindowMenu = 11,
    ZoomMenu = 12,
    SettingMenu = 13,
    EditPopup = 14,
    SettingsMain = 16,
    SettingsMenu = 17,
    HelpMenu = 29,
    CommonStrings = 30,
    ToolBox = 40,
    Options = 41,
    Pen = 42,
    Navigator = 43,
    Palette = 44,
    Animation = 45,
    Text = 46,
    Shift = 47,
};

}  // namespace pixmo
