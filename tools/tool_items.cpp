#include "tools/tool_items.h"

#include "image/translate_noop.h"
#include "tools/animation_mouse.h"
#include "tools/draw_tools.h"
#include "tools/select_mice.h"

#include "resources/cursors/cr_tanimation.xpm"
#include "resources/cursors/cr_tdrawbezier.xpm"
#include "resources/cursors/cr_tdrawdot.xpm"
#include "resources/cursors/cr_tdrawedge.xpm"
#include "resources/cursors/cr_tdrawellipse.xpm"
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

namespace {

template <class T>
std::unique_ptr<TMouseTool> Make(const TToolEntry& row, TToolEnvironment& env, TToolHost& host, TAnimationHost*) {
    auto tool = std::make_unique<T>(env, host);
    tool->CursorName = row.Cursor.Name;
    tool->Init();
    return tool;
}

// Without the animation window there is no animation tool.
std::unique_ptr<TMouseTool> MakeAnimation(const TToolEntry& row, TToolEnvironment& env, TToolHost& host,
                                          TAnimationHost* animation) {
    if (!animation) return nullptr;
    auto tool = std::make_unique<TAnimationMouse>(env, host, *animation);
    tool->CursorName = row.Cursor.Name;
    tool->Init();
    tool->Start();
    return tool;
}

// Every tool's cursor has its hot spot at 4,4.
constexpr TCursorImage Cursor(const char* name, const char* const* xpm) { return {name, xpm, 4, 4}; }

// Captions and hints are translated where they are shown, in the context kToolTextContext.

// Menu order; the box places its buttons by their own X and Y.
const TToolEntry kTools[] = {
    {"MISelectRect", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Selezione Rettangolare"), TToolItem::SelectRect,
     {"SBSelectRect", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Selezione Rettangolare"), "MIShowOption", 0, 0},
     "MarchingRect", Cursor("CR_TSELECTRECT", cr_tselectrect_xpm), Make<TSelectRectMouse>},
    {"MISelectEllipse", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Selezione Circolare"), TToolItem::SelectEllipse,
     {"SBSelectEllipse", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Selezione Circolare"), "MIShowOption", 24, 0},
     "MarchingEllipse", Cursor("CR_TSELECTELLIPSE", cr_tselectellipse_xpm), Make<TSelectEllipseMouse>},
    {"MISelectParallelogram", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Selezione Parallelogramma"), TToolItem::SelectParallelogram,
     {"SBSelectParallelogram", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Selezione Parallelogramma"), "MIShowOption", 0, 46},
     "MarchingParallelogram", Cursor("CR_TSELECTPARALLELOGRAM", cr_tselectparallelogram_xpm), Make<TSelectParallelogramMouse>},
    {"MISelectTriangle", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Selezione Triangolare"), TToolItem::None, {}, nullptr, {}, nullptr},
    {"MISelectPoly", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Lazo Poligonale"), TToolItem::SelectPoly,
     {"SBSelectPoly", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Selezione Poligonale"), "MIShowOption", 0, 23},
     "MarchingPolygon", Cursor("CR_TSELECTPOLY", cr_tselectpoly_xpm), Make<TSelectPolyMouse>},
    {"MISelectRegion", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Strumento Lazo"), TToolItem::SelectRegion,
     {"SBSelectRegion", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Seleziona Regione"), "MIShowOption", 24, 23},
     "Lasso", Cursor("CR_TSELECTREGION", cr_tselectregion_xpm), Make<TSelectRegionMouse>},
    {"MISelectBorder", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Seleziona Bordo col Colore Secondario"), TToolItem::SelectBorder,
     {"SBSelectBorder", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Scegli Bordi con il Colore Secondario"), "MIShowOption", 0, 69},
     "BorderInside", Cursor("CR_TSELECTBORDER", cr_tselectborder_xpm), Make<TSelectBorderMouse>},
    {"MISelectSurface", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Bacchetta Magica"), TToolItem::SelectSurface,
     {"SBSelectSurface", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Bacchetta Magica"), "MIShowOption", 24, 69},
     "Wand", Cursor("CR_TSELECTSURFACE", cr_tselectsurface_xpm), Make<TSelectSurfaceMouse>},
    {"MISelectColors", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Scegli colore"), TToolItem::SelectColors,
     {"SBSelectColors", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Seleziona Colori"), "MIShowOption", 24, 46},
     "Swatches", Cursor("CR_TSELECTCOLORS", cr_tselectcolors_xpm), Make<TSelectColorsMouse>},
    {"MIDrawDot", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Matita"), TToolItem::DrawDot,
     {"SBDrawDot", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Matita"), "MIShowPen", 0, 97},
     "Pencil", Cursor("CR_TDRAWDOT", cr_tdrawdot_xpm), Make<TDrawDotMouse>},
    {"MIDrawLine", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Linea"), TToolItem::DrawLine,
     {"SBDrawLine", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Linea"), "MIShowPen", 24, 97},
     "Line", Cursor("CR_TDRAWLINE", cr_tdrawline_xpm), Make<TDrawLineMouse>},
    {"MIDrawRect", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Rettangolo"), TToolItem::DrawRect,
     {"SBDrawRect", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Rettangolo"), "MIShowPalette", 0, 120},
     "Rect", Cursor("CR_TDRAWRECT", cr_tdrawrect_xpm), Make<TDrawRectMouse>},
    {"MIFillRect", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Rettangolo Pieno"), TToolItem::FillRect,
     {"SBFillRect", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Rettangolo Pieno"), "MIShowPalette", 24, 120},
     "FilledRect", Cursor("CR_TFILLRECT", cr_tfillrect_xpm), Make<TFillRectMouse>},
    {"MIDrawEllipse", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Cerchio"), TToolItem::DrawEllipse,
     {"SBDrawEllipse", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Cerchio"), "MIShowPalette", 0, 143},
     "Ellipse", Cursor("CR_TDRAWELLIPSE", cr_tdrawellipse_xpm), Make<TDrawEllipseMouse>},
    {"MIFillEllipse", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Cerchio Pieno"), TToolItem::FillEllipse,
     {"SBFillEllipse", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Cerchio Pieno"), "MIShowPalette", 24, 143},
     "FilledEllipse", Cursor("CR_TFILLELLIPSE", cr_tfillellipse_xpm), Make<TFillEllipseMouse>},
    {"MIDrawEdge", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Bordo"), TToolItem::DrawEdge,
     {"SBDrawEdge", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Bordi"), "MIShowPlace", 0, 166},
     "Edge", Cursor("CR_TDRAWEDGE", cr_tdrawedge_xpm), Make<TDrawEdgeMouse>},
    {"MIFill", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Secchiello"), TToolItem::Fill,
     {"SBFill", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Secchiello"), "MIShowPlace", 24, 166},
     "Bucket", Cursor("CR_TFILL", cr_tfill_xpm), Make<TFillMouse>},
    {"MIDrawSpray", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Aerografo"), TToolItem::DrawSpray,
     {"SBDrawSpray", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Aerografo"), "MIShowPlace", 24, 189},
     "Spray", Cursor("CR_TDRAWSPRAY", cr_tdrawspray_xpm), Make<TDrawSprayMouse>},
    {"MIDrawBezier", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Curva"), TToolItem::DrawBezier,
     {"SBDrawBezier", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Curva"), "MIShowPlace", 0, 189},
     "Curve", Cursor("CR_TDRAWBEZIER", cr_tdrawbezier_xpm), Make<TDrawBezierMouse>},
    {"MIAnimation", PIXMO_TRANSLATE_NOOP("pixmo::Tools", "Animazione"), TToolItem::Animation,
     {},
     nullptr, Cursor("CR_TANIMATION", cr_tanimation_xpm), MakeAnimation, true},
};

}  // namespace

std::span<const TToolEntry> ToolEntries() { return kTools; }

const TToolEntry* FindToolEntry(TToolItem item) {
    if (item == TToolItem::None) return nullptr;
    for (const TToolEntry& e : ToolEntries())
        if (e.Item == item) return &e;
    return nullptr;
}

const TToolEntry* FindToolEntry(const std::string& name) {
    for (const TToolEntry& e : ToolEntries())
        if (name == e.Name) return &e;
    return nullptr;
}

std::string ToolItemName(TToolItem item) {
    const TToolEntry* e = FindToolEntry(item);
    return e ? e->Name : "";
}

std::optional<TToolItem> ToolItemByName(const std::string& name) {
    if (const TToolEntry* e = FindToolEntry(name)) return e->Item;
    return std::nullopt;
}

bool IsPassingTool(TToolItem item) {
    const TToolEntry* e = FindToolEntry(item);
    return e && e->Passing;
}

}  // namespace pixmo
