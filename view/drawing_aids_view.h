#pragma once
// The drawing aids as the windows see them: changing an option (kept with the main window's
// settings, announced to every window, the mirror axes shown again), setting the mirror axes
// at the pointer, and the axes drawn as thin lines over the edit client's picture.
#include <QRect>
#include <functional>

class QPainter;

namespace pixmo {

class TAppContext;
class TPaintClient;
class TToolOptions;
struct TMainSettings;
struct TMirrorAxes;

// Runs change on the settings and tool options, then announces it.
void ChangeDrawingAids(TAppContext& app, const std::function<void(TMainSettings&, TToolOptions&)>& change);
// An option of the settings switched on or off.
void ToggleDrawingAid(TAppContext& app, bool TMainSettings::*flag);
// The ink kind on, or back to the pen's colour when it was on already.
void ToggleInk(TAppContext& app, int ink);
// The axes go through the pointer: the nearest pixel edge or pixel middle. Without an image
// or with the pointer off the client, nothing.
void SetMirrorAxesAtPointer(TAppContext& app);
void CentreMirrorAxes(TAppContext& app);
// The mirror axis sum for a control coordinate at zoom z and scroll position pos.
int MirrorSumAt(int client, int zoom, int pos);

// Over the picture on screen only (clip: the part being painted).
void PaintMirrorGuide(QPainter& painter, const QRect& clip, const TPaintClient& client, const TMirrorAxes& axes);

}  // namespace pixmo
