#include "tools/tool_factory.h"

#include "tools/temp_mice.h"
#include "tools/tool_items.h"

namespace pixmo {

std::unique_ptr<TMouseTool> TPixmoToolFactory::CreateTool(TToolItem item, TToolHost& host) {
    const TToolEntry* row = FindToolEntry(item);
    if (!row || !row->Make) return nullptr;
    return row->Make(*row, FEnv, host, FAnimation);
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
