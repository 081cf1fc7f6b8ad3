#pragma once
// Onion skin: while it is on and the image has frames, the frame that holds the pointer (or,
// with the pointer on no frame, the selection) shows the previous frame's pixels — and, when
// asked, the next frame's — as a translucent ghost over its own. Screen only: the ghost is
// painted over the back buffer's copy, never into the image, the back buffer or the history.
#include <QImage>
#include <QRect>

#include "image/geometry.h"
#include "image/sheet_frames.h"

class QPainter;

namespace pixmo {

class TPaintClient;

struct TOnionSkin {
    bool On = false;
    bool Next = false;        // the next frame's ghost too
    bool HasPointer = false;  // the pointer's last place on the picture is known
    TPoint Pointer;
    int Shown = -1;           // the frame that has the ghost now
    QImage Scratch;           // where the ghost is blended, kept between paints
};

inline constexpr double kOnionPreviousOpacity = 0.4;
inline constexpr double kOnionNextOpacity = 0.25;

// The frame that gets the ghost: the one holding the pointer, else the one holding the
// selection's top-left pixel; -1 for none.
int OnionFrame(const TSheetFrames& frames, const TOnionSkin& onion, const TRect& selection);

// Paints the ghost over `rect` of the viewport (one call in the edit client's paint).
void PaintOnionSkin(TPaintClient& client, QPainter& painter, const QRect& rect);
// The pointer is at `p` on the picture: when its frame changes, both frames are repainted.
void OnionPointerMoved(TPaintClient& client, TPoint p);
// The option, the frames or the selection changed: the ghost is painted again.
void RefreshOnionSkin(TPaintClient& client);

}  // namespace pixmo
