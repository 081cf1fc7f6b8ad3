#pragma once
// The tool classes behind the Mouse menu's items and the client's temporary tools.
#include "tools/mouse_tool.h"
#include "tools/tool_environment.h"

namespace pixmo {

class TPixmoToolFactory : public TToolFactory {
public:
    explicit TPixmoToolFactory(TToolEnvironment env) : FEnv(env) {}
    TToolEnvironment& Env() { return FEnv; }

    // Null for an item whose tool this program does not have yet (the selection tools
    // come with their own classes).
    std::unique_ptr<TMouseTool> CreateTool(TToolItem item, TToolHost& host) override;
    std::unique_ptr<TMouseTool> CreateTempTool(TTempToolKind kind, TToolHost& host) override;

private:
    TToolEnvironment FEnv;
};

}  // namespace pixmo
