// Raster engine on 8000 x 8000 images, each beside a memcpy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "image/dib.h"
#include "image/dib_canvas.h"

namespace {

using namespace pixmo;

constexpr int kSize = 8000;

std::unique_ptr<TDib> Paletted(int size) {
    auto d = TDib::Create(size, size, 256);
    for (int i = 0; i < 256; ++i) d->SetColor(i, RGB(i, (i * 7) & 0xFF, (i * 13) & 0xFF));
    return d;
}

void BM_MemcpyImage8(benchmark::State& state) {
    auto a = Paletted(kSize), b = Paletted(kSize);
    const size_t bytes = static_cast<size_t>(a->LineBytes()) * a->Height();
    for (auto _ : state) {
        std::memcpy(b->Bits(), a->Bits(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
}

void BM_FloodFillWholeImage(benchmark::State& state) {
    auto d = Paletted(kSize);
    TDibCanvas& c = d->Canvas();
    int colour = 0;
    for (auto _ : state) {
        // Alternate the fill so that every round fills the whole image again.
        c.Brush.Color = PaletteIndex(1 - colour);
        c.FloodFill(kSize / 2, kSize / 2, PaletteIndex(colour), TFillStyle::Surface);
        colour = 1 - colour;
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * d->LineBytes() * d->Height());
}

void BM_BlockCopyWholeImage(benchmark::State& state) {
    auto a = Paletted(kSize), b = Paletted(kSize);
    for (auto _ : state) {
        b->Canvas().CopyRect(TPoint{0, 0}, a->Canvas(), a->GetRect());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * a->LineBytes() * a->Height());
}

void BM_MemcpyHalfImage8(benchmark::State& state) {
    std::vector<uint8_t> a(size_t(kSize / 2) * (kSize / 2), 1), b(a.size());
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), a.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * a.size());
}

void BM_StretchTo4000(benchmark::State& state) {
    auto a = Paletted(kSize), b = Paletted(kSize / 2);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; x += 97) a->ScanLine(y)[x] = static_cast<uint8_t>(x + y);
    for (auto _ : state) {
        b->Canvas().StretchDraw(TPoint{0, 0}, TPoint{kSize / 2, kSize / 2}, a->Canvas(), a->GetRect());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * b->LineBytes() * b->Height());
}

// Gradients in all three channels with noise on top: millions of distinct colours.
std::unique_ptr<TDib> RealisticTrueColour() {
    auto t = TTrueDib::Create(kSize, kSize);
    uint32_t seed = 1;
    for (int y = 0; y < kSize; ++y) {
        uint8_t* row = t->ScanLine(y);
        for (int x = 0; x < kSize; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int noise = static_cast<int>((seed >> 24) & 15) - 8;
            auto clamp = [](int v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); };
            row[3 * x + 0] = clamp((x + y) * 255 / (2 * kSize) + noise);
            row[3 * x + 1] = clamp(y * 255 / kSize + noise);
            row[3 * x + 2] = clamp(x * 255 / kSize - noise);
        }
    }
    return t;
}

void BM_MemcpyImage24(benchmark::State& state) {
    auto t = TTrueDib::Create(kSize, kSize);
    std::vector<uint8_t> out(static_cast<size_t>(t->LineBytes()) * t->Height());
    for (auto _ : state) {
        std::memcpy(out.data(), t->Bits(), out.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * out.size());
}

void BM_MapTrueColourOntoTable(benchmark::State& state) {
    auto t = RealisticTrueColour();
    auto d = Paletted(kSize);
    for (auto _ : state) {
        d->Canvas().Draw(0, 0, *t);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * t->LineBytes() * t->Height());
}

BENCHMARK(BM_MemcpyImage8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloodFillWholeImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlockCopyWholeImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyHalfImage8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StretchTo4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyImage24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapTrueColourOntoTable)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
