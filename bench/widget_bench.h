#pragma once
// What the widget benchmarks share: the 8000 x 8000 8-bit picture they paint (every colour of
// a full table in a pattern that leaves no two neighbouring rows or columns alike), and the
// program's set with an edit client of 1920 x 1080 without scroll bars showing an image at
// zoom 1, scrolled to (3000, 3000).
#include <QApplication>
#include <filesystem>
#include <memory>
#include <string>

#include "image/clipboard.h"
#include "image/dib.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace pixmo {

inline std::unique_ptr<TDib> BigPatternImage() {
    auto image = TDib::Create(8000, 8000, 256);
    for (int i = 0; i < 256; ++i) image->SetColor(i, RGB(i, 255 - i, (i * 7) & 0xFF));
    for (int y = 0; y < 8000; ++y) {
        uint8_t* row = image->ScanLine(y);
        for (int x = 0; x < 8000; ++x) row[x] = static_cast<uint8_t>((x * 3 + y * 5) ^ (x >> 4));
    }
    return image;
}

struct TBenchEditView {
    TAppContext App;
    TPaintClient Client;

    // `iniName`: a settings file of the benchmark's own in the temporary folder.
    TBenchEditView(const std::string& iniName, std::unique_ptr<TDib> image)
        : App((std::filesystem::temp_directory_path() / iniName).string(), TParams{},
              std::make_unique<TMemoryClipboard>()) {
        Client.SetContext(&App.Edit());
        App.SetPaintClient(&Client);
        Client.Scroller().SetVisible(false);
        Client.resize(1920, 1080);
        Client.show();
        App.Edit().SetDib(std::move(image));
        Client.Scroller().SetPosition(3000, 3000);
        QApplication::processEvents();
    }
    ~TBenchEditView() {
        Client.SetContext(nullptr);
        App.SetPaintClient(nullptr);
    }
};

}  // namespace pixmo
