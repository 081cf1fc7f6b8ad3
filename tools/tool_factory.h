#pragma once
// The tool classes behind the Mouse menu's items and the client's temporary tools.
#include "tools/mouse_tool.h"
#include "tools/tool_environment.h"

namespace pixmo {

class TAnimationHost;

class TPixmoToolFactory : public TToolFactory {
public:
    explicit TPixmoToolFactory(TToolEnvironment env) : FEnv(env) {}
    TToolEnvironment& Env() { return FEnv; }
    // The animation window while it exists; without one there is no animation tool.
    void SetAnimationHost(TAnimationHost* host) { FAnimation = host; }
    TAnimationHost* AnimationHost() const { return FAnimation; }

    // Null for an item whose tool this program does not have yet (the selection tools
    // come with their own classes).
    std::unique_ptr<TMouseTool> CreateTool(TToolItem item, TToolHost& host) override;
    std::unique_ptr<TMouseTool> CreateTempTool(TTempToolKind kind, TToolHost& host) override;

private:
    TToolEnvironment FEnv;
    TAnimationHost* FAnimation = nullptr;
};

}  // namespace pixmo
