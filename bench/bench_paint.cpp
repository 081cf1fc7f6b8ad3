// A full repaint of a 1920x1080 edit view over an 8000x8000 8-bit image at zooms 1, 8 and
// 40, offscreen. "Render" fills the back buffer; "Widget" is the whole paint request,
// copy to the window's surface included, and again with the onion skin's ghost over the whole
// view. memcpy of one view's pixels is the peer; with transparent entries, their own colours
// are the checkerboard's peer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "widget_bench.h"
#include "edit/edit_context.h"
#include "edit/main_panels.h"
#include "image/clipboard.h"
#include "view/paint_client.h"
#include "view/view_objects.h"

namespace {

using namespace pixmo;

struct TView {
    TMemoryClipboard Clipboard;
    TViewObjects Objects{QSize(1920, 1080)};
    TPaintClient Client{nullptr, &Objects};
    TEditContext Context{Clipboard};

    TView() {
        Client.SetContext(&Context);
        Client.Scroller().SetVisible(false);
        Client.resize(1920, 1080);
        Client.show();
        Context.SetDib(BigPatternImage());
        QApplication::processEvents();
    }
};

TView& View() {
    static TView view;
    return view;
}

void Setup(int zoom, bool grids) {
    TView& v = View();
    v.Client.SetZoom(zoom);
    v.Client.SetGridMode(grids ? 1 : 0);
    v.Client.SetShowUnitGrid(grids);
    v.Client.Scroller().SetPosition(3000, 3000);
    QApplication::processEvents();
}

void BM_Render(benchmark::State& state) {
    Setup(static_cast<int>(state.range(0)), state.range(1) != 0);
    TPaintClient& client = View().Client;
    const QRect all(0, 0, 1920, 1080);
    for (auto _ : state) {
        client.RenderBackBuffer(all);
        benchmark::DoNotOptimize(client.BackBuffer().constBits());
    }
    state.SetLabel("zoom " + std::to_string(state.range(0)) + (state.range(1) ? " grids" : ""));
    state.counters["width"] = client.viewport()->width();
    state.counters["height"] = client.viewport()->height();
    state.counters["centre"] = client.BackBuffer().pixel(960, 540) & 0xFFFFFF;
}
BENCHMARK(BM_Render)->Args({1, 0})->Args({8, 0})->Args({8, 1})->Args({40, 0})->Args({40, 1})->Unit(benchmark::kMillisecond);

// The same view with a quarter of the entries transparent and one in eight half opaque: the
// checkerboard under them (1) against the entries' own colours (0), the drawing before it.
void BM_RenderTransparent(benchmark::State& state) {
    Setup(static_cast<int>(state.range(0)), false);
    TPaintClient& client = View().Client;
    TDib& dib = *View().Context.Dib();
    std::vector<uint8_t> alphas(256, 255);
    for (size_t i = 0; i < alphas.size(); ++i) alphas[i] = i % 4 == 0 ? 0 : i % 8 == 1 ? 128 : 255;
    dib.SetAlphas(alphas);
    client.SetShowTransparency(state.range(1) != 0);
    const QRect all(0, 0, 1920, 1080);
    for (auto _ : state) {
        client.RenderBackBuffer(all);
        benchmark::DoNotOptimize(client.BackBuffer().constBits());
    }
    state.SetLabel("zoom " + std::to_string(state.range(0)) + (state.range(1) ? " checkerboard" : " colours"));
    dib.SetAlphas({});
    client.SetShowTransparency(true);
}
BENCHMARK(BM_RenderTransparent)->Args({1, 0})->Args({1, 1})->Args({8, 0})->Args({8, 1})->Unit(benchmark::kMillisecond);

void BM_Widget(benchmark::State& state) {
    Setup(static_cast<int>(state.range(0)), state.range(1) != 0);
    TPaintClient& client = View().Client;
    QImage surface(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        client.InvalidateAll();
        client.viewport()->render(&surface);
        benchmark::DoNotOptimize(surface.constBits());
    }
    state.SetLabel("zoom " + std::to_string(state.range(0)) + (state.range(1) ? " grids" : ""));
}
BENCHMARK(BM_Widget)->Args({1, 0})->Args({8, 1})->Args({40, 1})->Unit(benchmark::kMillisecond);

// The same with the onion skin on and the whole view inside a frame whose previous frame
// shows through it: the ghost covers every pixel of the view.
void BM_WidgetOnion(benchmark::State& state) {
    Setup(static_cast<int>(state.range(0)), state.range(1) != 0);
    TPaintClient& client = View().Client;
    View().Context.Dib()->SetFrames({{TRect{0, 0, 6000, 6000}, 100}, {TRect{2000, 2000, 8000, 8000}, 100}});
    client.OnionSkin().On = true;
    client.OnionSkin().HasPointer = true;
    client.OnionSkin().Pointer = TPoint{7000, 7000};
    QImage surface(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        client.InvalidateAll();
        client.viewport()->render(&surface);
        benchmark::DoNotOptimize(surface.constBits());
    }
    client.OnionSkin().On = false;
    View().Context.Dib()->SetFrames({});
    state.SetLabel("zoom " + std::to_string(state.range(0)) + (state.range(1) ? " grids" : "") + " onion skin");
}
BENCHMARK(BM_WidgetOnion)->Args({1, 0})->Args({8, 1})->Args({40, 1})->Unit(benchmark::kMillisecond);

}  // namespace
