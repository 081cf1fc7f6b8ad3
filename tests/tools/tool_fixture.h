#pragma once
// A fresh document with the real tool classes, a host that records cursors and scrolls, and
// helpers that play a gesture the way the edit client passes it on.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "edit/fake_edit.h"
#include "settings/main_keys.h"
#include "support/test_support.h"
#include "tools/edit_size.h"
#include "tools/mouse.h"
#include "tools/tool_factory.h"
#include "tools/tool_options.h"

namespace pixmo::test {

class TFakeHost : public TToolHost {
public:
    int Cursor = kCursorArrow;
    bool Right = false;
    bool LeftHeld = false;
    int Releases = 0;
    TPoint Scrolled{0, 0};
    std::map<int, std::string> Registered;

    void SetCursorId(int id) override { Cursor = id; }
    int CursorId() const override { return Cursor; }
    void ScrollBy(int dx, int dy) override { Scrolled = TPoint{Scrolled.X + dx, Scrolled.Y + dy}; }
    bool RightButtonDrag() const override { return Right; }
    bool LeftButtonHeld() const override { return LeftHeld; }
    void ReleasePointer() override { ++Releases; }
    void RegisterCursor(int id, const std::string& name) override { Registered[id] = name; }
};

struct TToolFixture : TEditFixture {
    TMainSettings Settings;
    TToolOptions Options;
    TEditSize EditSize;
    TToolEnvironment Env{Context, Settings, Options, EditSize};
    TPixmoToolFactory Factory{Env};
    TFakeHost Host;
    std::unique_ptr<TMouseTool> Tool;

    // The picture as a grid; colours 0..15 on a grey ramp unless `colors` says otherwise.
    void Install(const std::vector<std::string>& rows, int colors = 16) {
        Context.SetDib(FromGrid(rows, colors));
    }
    void Blank(int w, int h, char c = '.') { Install(std::vector<std::string>(static_cast<size_t>(h), std::string(static_cast<size_t>(w), c))); }
    TMouseTool& Use(TToolItem item) {
        Tool = Factory.CreateTool(item, Host);
        return *Tool;
    }
    // Press at the first point, move through the rest, release at the last.
    void Drag(std::initializer_list<TPoint> points, bool right = false) {
        Host.Right = right;
        Host.LeftHeld = !right;
        const TPoint* p = points.begin();
        Tool->OnButtonDown(*p);
        for (const TPoint* q = p + 1; q != points.end(); ++q) Tool->OnMove(*q);
        Host.LeftHeld = false;
        Tool->OnButtonUp(*(points.end() - 1));
        Host.Right = false;
    }
    std::vector<std::string> Grid() { return ToGrid(Image()); }
    int Steps() { return History().Count(); }
};

}  // namespace pixmo::test
