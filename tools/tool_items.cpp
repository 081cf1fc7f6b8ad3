#include "tools/tool_items.h"

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

// Menu order; the box places its buttons by their own X and Y.
const TToolEntry kTools[] = {
    {"MISelectRect", "Selezione Rettangolare", TToolItem::SelectRect,
     {"SBSelectRect", "Selezione Rettangolare", "MIShowOption", 0, 0},
     "MarchingRect", Cursor("CR_TSELECTRECT", cr_tselectrect_xpm), Make<TSelectRectMouse>},
    {"MISelectEllipse", "Selezione Circolare", TToolItem::SelectEllipse,
     {"SBSelectEllipse", "Selezione Circolare", "MIShowOption", 24, 0},
     "MarchingEllipse", Cursor("CR_TSELECTELLIPSE", cr_tselectellipse_xpm), Make<TSelectEllipseMouse>},
    {"MISelectParallelogram", "Selezione Parallelogramma", TToolItem::SelectParallelogram,
     {"SBSelectParallelogram", "Selezione Parallelogramma", "MIShowOption", 0, 46},
     "MarchingParallelogram", Cursor("CR_TSELECTPARALLELOGRAM", cr_tselectparallelogram_xpm), Make<TSelectParallelogramMouse>},
    {"MISelectTriangle", "Selezione Triangolare", TToolItem::None, {}, nullptr, {}, nullptr},
    {"MISelectPoly", "Lazo Poligonale", TToolItem::SelectPoly,
     {"SBSelectPoly", "Selezione Poligonale", "MIShowOption", 0, 23},
     "MarchingPolygon", Cursor("CR_TSELECTPOLY", cr_tselectpoly_xpm), Make<TSelectPolyMouse>},
    {"MISelectRegion", "Strumento Lazo", TToolItem::SelectRegion,
     {"SBSelectRegion", "Seleziona Regione", "MIShowOption", 24, 23},
     "Lasso", Cursor("CR_TSELECTREGION", cr_tselectregion_xpm), Make<TSelectRegionMouse>},
    {"MISelectBorder", "Seleziona Bordo col Colore Secondario", TToolItem::SelectBorder,
     {"SBSelectBorder", "Scegli Bordi con il Colore Secondario", "MIShowOption", 0, 69},
     "BorderInside", Cursor("CR_TSELECTBORDER", cr_tselectborder_xpm), Make<TSelectBorderMouse>},
    {"MISelectSurface", "Bacchetta Magica", TToolItem::SelectSurface,
     {"SBSelectSurface", "Bacchetta Magica", "MIShowOption", 24, 69},
     "Wand", Cursor("CR_TSELECTSURFACE", cr_tselectsurface_xpm), Make<TSelectSurfaceMouse>},
    {"MISelectColors", "Scegli colore", TToolItem::SelectColors,
     {"SBSelectColors", "Seleziona Colori", "MIShowOption", 24, 46},
     "Swatches", Cursor("CR_TSELECTCOLORS", cr_tselectcolors_xpm), Make<TSelectColorsMouse>},
    {"MIDrawDot", "Matita", TToolItem::DrawDot,
     {"SBDrawDot", "Matita", "MIShowPen", 0, 97},
     "Pencil", Cursor("CR_TDRAWDOT", cr_tdrawdot_xpm), Make<TDrawDotMouse>},
    {"MIDrawLine", "Linea", TToolItem::DrawLine,
     {"SBDrawLine", "Linea", "MIShowPen", 24, 97},
     "Line", Cursor("CR_TDRAWLINE", cr_tdrawline_xpm), Make<TDrawLineMouse>},
    {"MIDrawRect", "Rettangolo", TToolItem::DrawRect,
     {"SBDrawRect", "Rettangolo", "MIShowPalette", 0, 120},
     "Rect", Cursor("CR_TDRAWRECT", cr_tdrawrect_xpm), Make<TDrawRectMouse>},
    {"MIFillRect", "Rettangolo Pieno", TToolItem::FillRect,
     {"SBFillRect", "Rettangolo Pieno", "MIShowPalette", 24, 120},
     "FilledRect", Cursor("CR_TFILLRECT", cr_tfillrect_xpm), Make<TFillRectMouse>},
    {"MIDrawEllipse", "Cerchio", TToolItem::DrawEllipse,
     {"SBDrawEllipse", "Cerchio", "MIShowPalette", 0, 143},
     "Ellipse", Cursor("CR_TDRAWELLIPSE", cr_tdrawellipse_xpm), Make<TDrawEllipseMouse>},
    {"MIFillEllipse", "Cerchio Pieno", TToolItem::FillEllipse,
     {"SBFillEllipse", "Cerchio Pieno", "MIShowPalette", 24, 143},
     "FilledEllipse", Cursor("CR_TFILLELLIPSE", cr_tfillellipse_xpm), Make<TFillEllipseMouse>},
    {"MIDrawEdge", "Bordo", TToolItem::DrawEdge,
     {"SBDrawEdge", "Bordi", "MIShowPlace", 0, 166},
     "Edge", Cursor("CR_TDRAWEDGE", cr_tdrawedge_xpm), Make<TDrawEdgeMouse>},
    {"MIFill", "Secchiello", TToolItem::Fill,
     {"SBFill", "Secchiello", "MIShowPlace", 24, 166},
     "Bucket", Cursor("CR_TFILL", cr_tfill_xpm), Make<TFillMouse>},
    {"MIDrawSpray", "Aerografo", TToolItem::DrawSpray,
     {"SBDrawSpray", "Aerografo", "MIShowPlace", 24, 189},
     "Spray", Cursor("CR_TDRAWSPRAY", cr_tdrawspray_xpm), Make<TDrawSprayMouse>},
    {"MIDrawBezier", "Curva", TToolItem::DrawBezier,
     {"SBDrawBezier", "Curva", "MIShowPlace", 0, 189},
     "Curve", Cursor("CR_TDRAWBEZIER", cr_tdrawbezier_xpm), Make<TDrawBezierMouse>},
    {"MIAnimation", "Animazione", TToolItem::Animation,
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
