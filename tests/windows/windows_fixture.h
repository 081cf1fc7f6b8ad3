#pragma once
// A fresh process-wide set with an edit client over a 4x2 image of 16 colours, for the tool
// windows' tests (no main window: notices are handed to the windows directly).
#include <memory>
#include <string>

#include "image/clipboard.h"
#include "support/test_support.h"
#include "tools/edit_size.h"
#include "tools/tool_factory.h"
#include "tools/tool_options.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace pixmo::test {

struct TWindowsFixture {
    std::string Dir = MakeTempDir();
    TAppContext App{Dir + "/pixmo3.ini", TParams{}, std::make_unique<TMemoryClipboard>()};
    TToolOptions Options;
    TEditSize EditSize;
    TPixmoToolFactory Factory{TToolEnvironment{App.Edit(), App.Settings(), Options, EditSize}};
    TPaintClient Client;

    TWindowsFixture() {
        Client.SetContext(&App.Edit());
        Client.SetToolFactory(&Factory);
        App.SetPaintClient(&Client);
        App.Edit().SetDib(FromGrid({"0123", "4567"}, 16));
    }
    ~TWindowsFixture() {
        Client.SelectTool(TToolItem::None);
        Client.SetContext(nullptr);
        App.SetPaintClient(nullptr);
    }
};

}  // namespace pixmo::test
