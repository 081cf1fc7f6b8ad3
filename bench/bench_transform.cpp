// Stretch to 150 % and rotation by 33 degrees of a 2000 x 2000 piece, nearest and smoothed,
// each beside a memcpy of its result's bytes and, for nearest, Pillow's figure for the same
// picture on this machine (pillow_transform.py: resize NEAREST to 3000 x 3000, rotate 33
// NEAREST with expand), shown as the counter pillow_ms.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstring>
#include <vector>

#include "edit/pixel_ops.h"
#include "edit/transform.h"
#include "transform_piece.h"

namespace {

using namespace pixmo;
using pixmo::bench::Piece;

constexpr int kSize = bench::kPieceSize;
constexpr TPoint kStretched{kSize * 3 / 2, kSize * 3 / 2};

// Pillow 9.4 on this 2-core machine, median CPU time of 15 runs.
constexpr double kPillowStretchMs = 5.4;
constexpr double kPillowRotateMs = 11.4;

// Pillow's loop gets its freed image block back from malloc; glibc would hand ours (image
// and mask) back to the kernel after each run and fault in fresh zeroed pages for the next.
// Keeping freed memory measures the transform, not the kernel.
const bool kKeepFreedMemory = [] {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    return true;
}();

void BM_Stretch150(benchmark::State& state) {
    const bool smooth = state.range(0) != 0;
    TNoProgress progress;
    for (auto _ : state) {
        auto result = StretchPiece(*Piece().Image, *Piece().Mask, smooth, kStretched, progress);
        benchmark::DoNotOptimize(result.Image->Bits());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kStretched.X * kStretched.Y);
    if (!smooth) state.counters["pillow_ms"] = kPillowStretchMs;
}

void BM_Rotate33(benchmark::State& state) {
    const bool smooth = state.range(0) != 0;
    TNoProgress progress;
    for (auto _ : state) {
        auto result = RotatePiece(*Piece().Image, *Piece().Mask, 33, smooth, RGB(0, 0, 0), progress);
        benchmark::DoNotOptimize(result.Image->Bits());
    }
    if (!smooth) state.counters["pillow_ms"] = kPillowRotateMs;
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
