// 10,000 small strokes recorded on an 8000 x 8000 image: the time to record one, and the
// heap the history really holds at its peak beside its own TotalSize. The peer copies the
// same rectangles with memcpy and nothing else.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <new>

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/main_panels.h"
#include "edit/undo.h"
#include "image/clipboard.h"
#include "image/dib.h"

namespace {

// Bytes the allocator holds for live blocks, as it reports them.
size_t gLiveBytes = 0;

}  // namespace

// Replaced allocation functions pair malloc with free on purpose.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    gLiveBytes += malloc_usable_size(p);
    return p;
}
void operator delete(void* p) noexcept {
    if (!p) return;
    gLiveBytes -= malloc_usable_size(p);
    std::free(p);
}
void operator delete(void* p, size_t) noexcept { operator delete(p); }

namespace {

using namespace pixmo;

constexpr int kStrokes = 10000;
constexpr int kSide = 8000;

// A stroke's changed rectangle: side..side+16 pixels each way, anywhere on the image.
TRect StrokeRect(uint32_t& seed, int side) {
    auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    const int w = side + static_cast<int>(next() >> 8) % 17, h = side + static_cast<int>(next() >> 8) % 17;
    const int x = static_cast<int>(next() >> 8) % (kSide - w), y = static_cast<int>(next() >> 8) % (kSide - h);
    return TRect{x, y, x + w, y + h};
}

void BM_RecordStrokes(benchmark::State& state) {
    TMemoryClipboard clipboard;
    TEditContext context(clipboard);
    context.SetDib(TDib::Create(kSide, kSide, 256));
    TDib& image = *context.Dib();
    double peakRatio = 0, peakBytes = 0, totalAtPeak = 0;
    int heldSteps = 0;
    for (auto _ : state) {
        uint32_t seed = 12345;
        const size_t baseline = gLiveBytes;
        size_t peak = 0;
        int64_t totalAtMax = 0;
        for (int i = 0; i < kStrokes; ++i) {
            const TRect r = StrokeRect(seed, static_cast<int>(state.range(0)));
            context.Undo().AddDibRect(&image, r);
            for (int y = r.Top; y < r.Bottom; ++y)
                std::memset(image.ScanLine(y) + r.Left, i & 0xFF, static_cast<size_t>(r.Width()));
            const size_t held = gLiveBytes - baseline;
            if (held > peak) {
                peak = held;
                totalAtMax = context.Undo().TotalSize();
            }
        }
        heldSteps = context.Undo().Count();
        peakBytes = static_cast<double>(peak);
        totalAtPeak = static_cast<double>(totalAtMax);
        peakRatio = peakBytes / totalAtPeak;
        state.PauseTiming();
        context.Undo().SetLimit(0);
        context.Undo().AddDibRect(&image, TRect{0, 0, 1, 1});  // a zero budget empties it
        context.Undo().SetLimit(kDefaultUndoLimit);
        state.ResumeTiming();
    }
    state.counters["steps"] = kStrokes;
    state.counters["steps_kept"] = heldSteps;
    state.counters["peak_heap_bytes"] = peakBytes;
    state.counters["total_size_at_peak"] = totalAtPeak;
    state.counters["heap_over_total"] = peakRatio;
    state.SetItemsProcessed(state.iterations() * kStrokes);
}
// Pencil-sized strokes meet the 999-step cap; larger ones meet the byte budget first.
BENCHMARK(BM_RecordStrokes)->Arg(24)->Arg(96)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_MemcpyStrokesPeer(benchmark::State& state) {
    std::vector<uint8_t> pixels(static_cast<size_t>(kSide) * kSide);
    std::vector<uint8_t> saved(128 * 128);
    for (auto _ : state) {
        uint32_t seed = 12345;
        for (int i = 0; i < kStrokes; ++i) {
            const TRect r = StrokeRect(seed, static_cast<int>(state.range(0)));
            for (int y = r.Top; y < r.Bottom; ++y)
                std::memcpy(saved.data() + (y - r.Top) * r.Width(), pixels.data() + static_cast<size_t>(y) * kSide + r.Left,
                            static_cast<size_t>(r.Width()));
            benchmark::DoNotOptimize(saved.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * kStrokes);
}
BENCHMARK(BM_MemcpyStrokesPeer)->Arg(24)->Arg(96)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
