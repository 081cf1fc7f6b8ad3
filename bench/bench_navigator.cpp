// The navigator over an 8000x8000 8-bit image, offscreen: a whole repaint in fit mode (the
// image scaled down to the window, frame included) at three window sizes, and at zoom 4.
// Each must stay well within 8 ms; memcpy of one 1920x1080 view is the peer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "widget_bench.h"
#include "windows/place_client.h"

namespace {

using namespace pixmo;

struct TNavigator : TBenchEditView {
    std::unique_ptr<TPlaceClient> Place;

    TNavigator() : TBenchEditView("pixmo3-bench-navigator.ini", BigPatternImage()) {
        Place = std::make_unique<TPlaceClient>(App);
        Place->Scroller().SetVisible(false);
        Place->show();
        QApplication::processEvents();
    }
};

TNavigator& Navigator() {
    static TNavigator navigator;
    return navigator;
}

void Repaints(benchmark::State& state, bool fit, int zoom) {
    TPlaceClient& place = *Navigator().Place;
    const int side = static_cast<int>(state.range(0));
    place.resize(side, side);
    place.SetStretch(fit);
    place.SetZoomSize(zoom);
    place.CenterOnFrame();
    QApplication::processEvents();
    QImage surface(side, side, QImage::Format_RGB32);
    for (auto _ : state) {
        place.InvalidateAll(false);
        place.viewport()->render(&surface);
        benchmark::DoNotOptimize(surface.constBits());
    }
    state.SetLabel(std::to_string(place.viewport()->width()) + "x" + std::to_string(place.viewport()->height()) +
                   (fit ? " fit" : " zoom " + std::to_string(zoom)));
}

void BM_NavigatorFit(benchmark::State& state) { Repaints(state, true, 1); }
BENCHMARK(BM_NavigatorFit)->Arg(200)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_NavigatorZoom(benchmark::State& state) { Repaints(state, false, 4); }
BENCHMARK(BM_NavigatorZoom)->Arg(500)->Unit(benchmark::kMillisecond);

}  // namespace
