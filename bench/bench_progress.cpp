// What the progress window costs a long pass: a smoothed 33° turn and a smoothed 150 %
// stretch of a 2000 x 2000 piece, once without a window and once with the real one open
// (offscreen), the event loop getting its turns as in the program.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "edit/pixel_ops.h"
#include "edit/transform.h"
#include "image/clipboard.h"
#include "view/abort_dialog.h"
#include "view/app_context.h"

namespace {

using namespace pixmo;

constexpr int kSize = 2000;

struct TPiece {
    std::unique_ptr<TDib> Image;
    std::unique_ptr<TMaskDib> Mask;
};

const TPiece& Piece() {
    static const TPiece piece = [] {
        TPiece p{TDib::Create(kSize, kSize, 256), TMaskDib::Create(kSize, kSize)};
        for (int i = 0; i < 256; ++i) p.Image->SetColor(i, RGB(i, (i * 7) & 0xFF, (i * 13) & 0xFF));
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) p.Image->SetPixel(x, y, static_cast<uint8_t>((x / 3 + y / 5) & 0xFF));
        FillAll(*p.Mask, 1);
        return p;
    }();
    return piece;
}

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
