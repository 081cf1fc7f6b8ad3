#include "tools/tool_items.h"

namespace pixmo {

namespace {
constexpr TToolEntry kToolItems[] = {
    {"MISelectRect", "Selezione Rettangolare", TToolItem::SelectRect},
    {"MISelectEllipse", "Selezione Circolare", TToolItem::SelectEllipse},
    {"MISelectParallelogram", "Selezione Parallelogramma", TToolItem::SelectParallelogram},
    {"MISelectTriangle", "Selezione Triangolare", TToolItem::None},
    {"MISelectPoly", "Lazo Poligonale", TToolItem::SelectPoly},
    {"MISelectRegion", "Strumento Lazo", TToolItem::SelectRegion},
    {"MISelectBorder", "Seleziona Bordo col Colore Secondario", TToolItem::SelectBorder},
    {"MISelectSurface", "Bacchetta Magica", TToolItem::SelectSurface},
    {"MISelectColors", "Scegli colore", TToolItem::SelectColors},
    {"MIDrawDot", "Matita", TToolItem::DrawDot},
    {"MIDrawLine", "Linea", TToolItem::DrawLine},
    {"MIDrawRect", "Rettangolo", TToolItem::DrawRect},
    {"MIFillRect", "Rettangolo Pieno", TToolItem::FillRect},
    {"MIDrawEllipse", "Cerchio", TToolItem::DrawEllipse},
    {"MIFillEllipse", "Cerchio Pieno", TToolItem::FillEllipse},
    {"MIDrawEdge", "Bordo", TToolItem::DrawEdge},
    {"MIFill", "Secchiello", TToolItem::Fill},
    {"MIDrawSpray", "Aerografo", TToolItem::DrawSpray},
    {"MIDrawBezier", "Curva", TToolItem::DrawBezier},
    {"MIAnimation", "Animazione", TToolItem::Animation},
};
}  // namespace

std::span<const TToolEntry> ToolEntries() { return kToolItems; }

std::string ToolItemName(TToolItem item) {
    for (const TToolEntry& e : ToolEntries())
        if (e.Item == item && item != TToolItem::None) return e.Name;
    return "";
}

std::optional<TToolItem> ToolItemByName(const std::string& name) {
    for (const TToolEntry& e : ToolEntries())
        if (name == e.Name) return e.Item;
    return std::nullopt;
}

}  // namespace pixmo
