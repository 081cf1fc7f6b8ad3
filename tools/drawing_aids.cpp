#include "tools/drawing_aids.h"

#include <algorithm>

#include "edit/edit_context.h"
#include "image/dib.h"
#include "image/dib_canvas.h"
#include "settings/main_keys.h"
#include "tools/tool_environment.h"
#include "tools/tool_options.h"

namespace pixmo {

TMirrorAxes MirrorAxesFor(const TMainSettings& settings, const TToolOptions& options, const TDib* image) {
    TMirrorAxes axes;
    if (!image) return axes;
    axes.X = settings.MirrorHorizontal;
    axes.Y = settings.MirrorVertical;
    // An axis set on a larger image falls back to the centre.
    auto sum = [](const std::optional<int>& set, int extent) {
        return set && *set >= 0 && *set <= 2 * extent - 2 ? *set : extent - 1;
    };
    axes.SumX = sum(options.MirrorSumX, image->Width());
    axes.SumY = sum(options.MirrorSumY, image->Height());
    return axes;
}

void TStrokeAids::Arm(const TToolEnvironment& env, bool right, TDib& image, const TDib* under) {
    const TMainSettings& s = env.Settings;
    const int c1 = env.Edit.Color1Index(), c2 = env.Edit.Color2Index();
    TInk ink;
    if (s.Ink == kInkShade) {
        ink = TInk{TInkKind::Shade, std::min(c1, c2), std::max(c1, c2), right ? -1 : 1};
    } else if (s.Ink == kInkDither) {
        ink.Kind = TInkKind::Dither;
        ink.Even = static_cast<uint8_t>(c1);
        ink.Odd = static_cast<uint8_t>(c2);
    }
    const TMirrorAxes axes = MirrorAxesFor(s, env.Options, &image);
    FRule.reset();
    if (ink.Kind != TInkKind::Pen || axes.Any()) FRule.emplace(ink, axes, under);
    image.Canvas().Rule = FRule ? &*FRule : nullptr;
}

void TStrokeAids::Disarm(TDib* image) {
    if (image && FRule && image->Canvas().Rule == &*FRule) image->Canvas().Rule = nullptr;
    FRule.reset();
}

void TStrokeAids::SetUnder(const TDib* under) {
    if (FRule) FRule->SetUnder(under);
}

std::vector<TRect> TStrokeAids::Areas(const TRect& r, const TRect& bounds) const {
    if (!FRule) {
        const TRect c = IntersectRect(r, bounds);
        return c.IsEmpty() ? std::vector<TRect>{} : std::vector<TRect>{c};
    }
    return MirrorRects(FRule->Mirror(), r, bounds);
}

TRect TStrokeAids::Covering(const TRect& r, const TRect& bounds) const {
    TRect all;
    for (const TRect& a : Areas(r, bounds)) all = UnionRect(all, a);
    return all;
}

}  // namespace pixmo
