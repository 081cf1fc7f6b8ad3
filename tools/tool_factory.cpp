#include "tools/tool_factory.h"

#include "tools/animation_mouse.h"
#include "tools/draw_tools.h"
#include "tools/select_mice.h"
#include "tools/temp_mice.h"

namespace pixmo {

std::unique_ptr<TMouseTool> TPixmoToolFactory::CreateTool(TToolItem item, TToolHost& host) {
    switch (item) {
        case TToolItem::DrawDot: return TMouse::Make<TDrawDotMouse>(FEnv, host);
        case TToolItem::DrawLine: return TMouse::Make<TDrawLineMouse>(FEnv, host);
        case TToolItem::DrawRect: return TMouse::Make<TDrawRectMouse>(FEnv, host);
        case TToolItem::FillRect: return TMouse::Make<TFillRectMouse>(FEnv, host);
        case TToolItem::DrawEllipse: return TMouse::Make<TDrawEllipseMouse>(FEnv, host);
        case TToolItem::FillEllipse: return TMouse::Make<TFillEllipseMouse>(FEnv, host);
        case TToolItem::Fill: return TMouse::Make<TFillMouse>(FEnv, host);
        case TToolItem::DrawEdge: return TMouse::Make<TDrawEdgeMouse>(FEnv, host);
        case TToolItem::DrawSpray: return TMouse::Make<TDrawSprayMouse>(FEnv, host);
        case TToolItem::DrawBezier: return TMouse::Make<TDrawBezierMouse>(FEnv, host);
        case TToolItem::SelectRect: return TMouse::Make<TSelectRectMouse>(FEnv, host);
        case TToolItem::SelectEllipse: return TMouse::Make<TSelectEllipseMouse>(FEnv, host);
        case TToolItem::SelectParallelogram: return TMouse::Make<TSelectParallelogramMouse>(FEnv, host);
        case TToolItem::SelectPoly: return TMouse::Make<TSelectPolyMouse>(FEnv, host);
        case TToolItem::SelectRegion: return TMouse::Make<TSelectRegionMouse>(FEnv, host);
        case TToolItem::SelectSurface: return TMouse::Make<TSelectSurfaceMouse>(FEnv, host);
        case TToolItem::SelectBorder: return TMouse::Make<TSelectBorderMouse>(FEnv, host);
        case TToolItem::SelectColors: return TMouse::Make<TSelectColorsMouse>(FEnv, host);
        case TToolItem::Animation: {
            if (!FAnimation) return nullptr;
            auto tool = TMouse::Make<TAnimationMouse>(FEnv, host, *FAnimation);
            tool->Start();
            return tool;
        }
        default: return nullptr;
    }
}

std::unique_ptr<TMouseTool> TPixmoToolFactory::CreateTempTool(TTempToolKind kind, TToolHost& host) {
    switch (kind) {
        case TTempToolKind::Scroll: return TMouse::Make<TScrollMouse>(FEnv, host);
        case TTempToolKind::GetColor1: return TMouse::Make<TGetColor1Mouse>(FEnv, host);
        case TTempToolKind::Move: return TMouse::Make<TMoveMouse>(FEnv, host);
        case TTempToolKind::Duplicate: return TMouse::Make<TDuplicateMouse>(FEnv, host);
    }
    return nullptr;
}

}  // namespace pixmo
