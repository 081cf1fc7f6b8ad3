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
        default: RaiseError(Format("An illegal bit count:%d", bitCount));
    }
}

int DepthForColors(int colors) {
    if (colors >= 1 && colors <= 2) return 1;
    if (colors >= 3 && colors <= 16) return 4;
    if (colors >= 17 && colors <= 256) return 8;
    return 24;
}

std::string DepthDisplayName(int bitCount) {
    switch (bitCount) {
        case 1: return "2色";
        case 4: return "16色";
        case 8: return "256色";
        case 16: return "16ﾋﾞｯﾄﾊｲｶﾗｰ";
        case 24: return "24ﾋﾞｯﾄﾌﾙｶﾗｰ";
        case 32: return "32ﾋﾞｯﾄﾌﾙｶﾗｰ";
        default: return "？？色";
    }
}

std::string DepthRefusedMessage(int bitCount) {
    return DepthDisplayName(bitCount) + " doesn't cope with a picture.";
}

}  // namespace pixmo
