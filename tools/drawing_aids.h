#pragma once
// The drawing aids of the options: the ink ("Sfumatura" shades along the ramp between the
// primary and the secondary index, "Retino" dithers the two) and the mirror images about the
// axes. A stroke arms them on the image's canvas at its start and disarms them at its end;
// the drawing tools' internal object asks them which areas a rectangle's changes reach.
#include <optional>
#include <vector>

#include "image/paint_rule.h"

namespace pixmo {

class TDib;
class TToolOptions;
struct TMainSettings;
struct TToolEnvironment;

// The axes the options ask for on image: each at its set place or through the centre.
TMirrorAxes MirrorAxesFor(const TMainSettings& settings, const TToolOptions& options, const TDib* image);

class TStrokeAids {
public:
    // Reads the options for a stroke begun with the right button or not and sets the rule
    // on image's canvas when the stroke needs one; under is the image before the stroke.
    void Arm(const TToolEnvironment& env, bool right, TDib& image, const TDib* under);
    // Takes the rule off image's canvas (image may be null).
    void Disarm(TDib* image);
    void SetUnder(const TDib* under);

    // An ink other than the pen's colour is on (the pen's colour is then no mark of the stroke).
    bool Inked() const { return FRule && FRule->Ink().Kind != TInkKind::Pen; }
    bool Mirrors() const { return FRule && FRule->Mirror().Any(); }
    // r and what the mirror images make of it, clipped to bounds.
    std::vector<TRect> Areas(const TRect& r, const TRect& bounds) const;
    // The smallest rectangle holding all of Areas.
    TRect Covering(const TRect& r, const TRect& bounds) const;

private:
    std::optional<TPaintRule> FRule;
};

}  // namespace pixmo
