#include "tools/cursor_images.h"

#include "resources/cursors/cr_getcolor.xpm"
#include "resources/cursors/cr_move.xpm"
#include "resources/cursors/cr_tanimation.xpm"
#include "resources/cursors/cr_tdrawbezier.xpm"
#include "resources/cursors/cr_tdrawdot.xpm"
#include "resources/cursors/cr_tdrawedge.xpm"
#include "resources/cursors/cr_tdrawellipse.xpm"
#include "resources/cursors/cr_tdrawlibrary.xpm"
#include "resources/cursors/cr_tdrawline.xpm"
#include "resources/cursors/cr_tdrawrect.xpm"
#include "resources/cursors/cr_tdrawspray.xpm"
#include "resources/cursors/cr_tfill.xpm"
#include "resources/cursors/cr_tfillellipse.xpm"
#include "resources/cursors/cr_tfillrect.xpm"
#include "resources/cursors/cr_tselectborder.xpm"
#include "resources/cursors/cr_tselectcolors.xpm"
#include "resources/cursors/cr_tselectellipse.xpm"
#include "resources/cursors/cr_tselectparallelogram.xpm"
#include "resources/cursors/cr_tselectpoly.xpm"
#include "resources/cursors/cr_tselectrect.xpm"
#include "resources/cursors/cr_tselectregion.xpm"
#include "resources/cursors/cr_tselectsurface.xpm"

namespace pixmo {

const std::vector<TCursorImage>& CursorImages() {
    static const std::vector<TCursorImage> images = {
        {"CR_GETCOLOR", cr_getcolor_xpm, 4, 4},
        {"CR_MOVE", cr_move_xpm, 4, 4},
        {"CR_TANIMATION", cr_tanimation_xpm, 4, 4},
        {"CR_TDRAWBEZIER", cr_tdrawbezier_xpm, 4, 4},
        {"CR_TDRAWDOT", cr_tdrawdot_xpm, 4, 4},
        {"CR_TDRAWEDGE", cr_tdrawedge_xpm, 4, 4},
        {"CR_TDRAWELLIPSE", cr_tdrawellipse_xpm, 4, 4},
        {"CR_TDRAWLIBRARY", cr_tdrawlibrary_xpm, 4, 4},
        {"CR_TDRAWLINE", cr_tdrawline_xpm, 4, 4},
        {"CR_TDRAWRECT", cr_tdrawrect_xpm, 4, 4},
        {"CR_TDRAWSPRAY", cr_tdrawspray_xpm, 4, 4},
        {"CR_TFILL", cr_tfill_xpm, 4, 4},
        {"CR_TFILLELLIPSE", cr_tfillellipse_xpm, 4, 4},
        {"CR_TFILLRECT", cr_tfillrect_xpm, 4, 4},
        {"CR_TSELECTBORDER", cr_tselectborder_xpm, 4, 4},
        {"CR_TSELECTCOLORS", cr_tselectcolors_xpm, 4, 4},
        {"CR_TSELECTELLIPSE", cr_tselectellipse_xpm, 4, 4},
        {"CR_TSELECTPARALLELOGRAM", cr_tselectparallelogram_xpm, 4, 4},
        {"CR_TSELECTPOLY", cr_tselectpoly_xpm, 4, 4},
        {"CR_TSELECTRECT", cr_tselectrect_xpm, 4, 4},
        {"CR_TSELECTREGION", cr_tselectregion_xpm, 4, 4},
        {"CR_TSELECTSURFACE", cr_tselectsurface_xpm, 4, 4},
    };
    return images;
}

const TCursorImage* FindCursorImage(const std::string& name) {
    for (const TCursorImage& image : CursorImages())
        if (name == image.Name) return &image;
    return nullptr;
}

}  // namespace pixmo
