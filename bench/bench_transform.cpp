// Stretch to 150 % and rotation by 33 degrees of a 2000 x 2000 piece, nearest and smoothed,
// each beside a memcpy of its result's bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "edit/pixel_ops.h"
#include "edit/transform.h"

namespace {

using namespace pixmo;

constexpr int kSize = 2000;
constexpr TPoint kStretched{kSize * 3 / 2, kSize * 3 / 2};

struct TPiece {
    std::unique_ptr<TDib> Image;
    std::unique_ptr<TMaskDib> Mask;
};

// A 256-colour palette and diagonal bands, so that smoothing meets many distinct colours.
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

void BM_Stretch150(benchmark::State& state) {
    const bool smooth = state.range(0) != 0;
    TNoProgress progress;
    for (auto _ : state) {
        auto result = StretchPiece(*Piece().Image, *Piece().Mask, smooth, kStretched, progress);
        benchmark::DoNotOptimize(result.Image->Bits());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kStretched.X * kStretched.Y);
}

void BM_Rotate33(benchmark::State& state) {
    const bool smooth = state.range(0) != 0;
    TNoProgress progress;
    for (auto _ : state) {
        auto result = RotatePiece(*Piece().Image, *Piece().Mask, 33, smooth, RGB(0, 0, 0), progress);
        benchmark::DoNotOptimize(result.Image->Bits());
    }
}

// The peer: copying the bytes a result holds.
void MemcpyOf(benchmark::State& state, size_t bytes) {
    std::vector<uint8_t> a(bytes, 1), b(bytes);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

void BM_MemcpyStretchResult(benchmark::State& state) {
    MemcpyOf(state, size_t(kStretched.X + 3) / 4 * 4 * kStretched.Y);
}

void BM_MemcpyRotateResult(benchmark::State& state) {
    TNoProgress progress;
    static const auto rotated = RotatePiece(*Piece().Image, *Piece().Mask, 33, false, RGB(0, 0, 0), progress);
    MemcpyOf(state, size_t(rotated.Image->LineBytes()) * rotated.Image->Height());
}

}  // namespace

BENCHMARK(BM_Stretch150)->Arg(0)->Arg(1)->ArgName("smooth")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyStretchResult)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rotate33)->Arg(0)->Arg(1)->ArgName("smooth")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyRotateResult)->Unit(benchmark::kMillisecond);
