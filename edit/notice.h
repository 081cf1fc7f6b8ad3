#pragma once
// The notices a broadcast carries to every program window and then to the tools. The
// numbers are the ones the program has always used; log them with NoticeNumber.
namespace pixmo {

enum class TNotice : int {
    NewImage = 1074,          // a new current image has been installed
    ToolChanged = 1225,       // the current tool changed
    NavigatorRepaint = 1226,  // repaint the navigator
    PaletteMode = 1227,       // the palette window's editing mode changed
    ShapeOptions = 1245,      // square, from centre or grid snapping changed
    SelectPen = 1246,         // the selection outline's pen colour or mode changed
    SelectInSight = 1247,     // "only in the visible area" changed
    RightDraws = 1248,        // the right button's draw-or-pick mode changed
    PaletteChanged = 1249,    // palette entries changed
    Color1Changed = 1250,     // the primary colour index changed
    Color2Changed = 1251,     // the secondary colour index changed
    Pen1Changed = 1252,       // the primary pen width changed
    Pen2Changed = 1253,       // the secondary pen width changed
    AnimationZoom = 1254,     // the animation window's zoom changed
    DrawingAids = 1255,       // an ink, mirror or pixel-perfect option or a mirror axis changed
    ShowTransparency = 1256,  // the checkerboard under transparent pixels was switched on or off
};

constexpr int NoticeNumber(TNotice notice) { return static_cast<int>(notice); }

}  // namespace pixmo
