// What the progress window costs a long pass: a smoothed 33° turn and a smoothed 150 %
// stretch of a 2000 x 2000 piece, once without a window and once with the real one open
// (offscreen), the event loop getting its turns as in the program.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "edit/pixel_ops.h"
#include "edit/transform.h"
#include "transform_piece.h"
#include "image/clipboard.h"
#include "view/abort_dialog.h"
#include "view/app_context.h"

namespace {

using namespace pixmo;
using pixmo::bench::Piece;

TAppContext& App() {
    static TAppContext app{(std::filesystem::temp_directory_path() / "bench_progress.ini").string(), TParams{},
                           std::make_unique<TMemoryClipboard>()};
    return app;
}

void Run(benchmark::State& state, TProgress& progress) {
    const bool rotate = state.range(0) != 0;
    for (auto _ : state) {
        if (rotate) {
            auto result = RotatePiece(*Piece().Image, *Piece().Mask, 33, true, RGB(0, 0, 0), progress);
            benchmark::DoNotOptimize(result.Image->Bits());
        } else {
            auto result = StretchPiece(*Piece().Image, *Piece().Mask, true, TPoint{3000, 3000}, progress);
            benchmark::DoNotOptimize(result.Image->Bits());
        }
    }
}

void BM_SmoothPassNoWindow(benchmark::State& state) {
    TNoProgress progress;
    Run(state, progress);
}

void BM_SmoothPassWithWindow(benchmark::State& state) {
    TAbortDialog window(App());
    Run(state, window);
}

}  // namespace

BENCHMARK(BM_SmoothPassNoWindow)->Arg(0)->Arg(1)->ArgName("rotate")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmoothPassWithWindow)->Arg(0)->Arg(1)->ArgName("rotate")->Unit(benchmark::kMillisecond);
