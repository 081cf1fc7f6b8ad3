#include "image/color.h"

#include "image/errors.h"

namespace pixmo {

int ColorsOfDepth(int bitCount) {
    switch (bitCount) {
        case 1: return 2;
        case 4: return 16;
        case 8: return 256;
        case 16:
        case 24:
        case 32: return 0;
        default:
            RaiseError(Msg(PIXMO_MSG("pixmo::Core", "An illegal bit count:%1"), bitCount));
    }
}

int DepthForColors(int colors) {
    if (colors >= 1 && colors <= 2) return 1;
    if (colors >= 3 && colors <= 16) return 4;
    if (colors >= 17 && colors <= 256) return 8;
    return 24;
}

TMessage DepthDisplayText(int bitCount) {
    switch (bitCount) {
        case 1:
            return Msg(PIXMO_MSG("pixmo::Core", "2色"));
        case 4:
            return Msg(PIXMO_MSG("pixmo::Core", "16色"));
        case 8:
            return Msg(PIXMO_MSG("pixmo::Core", "256色"));
        case 16:
            return Msg(PIXMO_MSG("pixmo::Core", "16ﾋﾞｯﾄﾊｲｶﾗｰ"));
        case 24:
            return Msg(PIXMO_MSG("pixmo::Core", "24ﾋﾞｯﾄﾌﾙｶﾗｰ"));
        case 32:
            return Msg(PIXMO_MSG("pixmo::Core", "32ﾋﾞｯﾄﾌﾙｶﾗｰ"));
        default:
            return Msg(PIXMO_MSG("pixmo::Core", "？？色"));
    }
}

std::string DepthDisplayName(int bitCount) { return DepthDisplayText(bitCount).Text(); }

TMessage DepthRefused(int bitCount) {
    return Msg(PIXMO_MSG("pixmo::Core", "%1 doesn't cope with a picture."), DepthDisplayText(bitCount));
}

std::string DepthRefusedMessage(int bitCount) { return DepthRefused(bitCount).Text(); }

}  // namespace pixmo
