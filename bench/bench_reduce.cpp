// A 4000 x 4000 RGBA picture of 200 colours (runs of 1 to 16 pixels, as sprite sheets have)
// made a palette image, beside a memcpy of its bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "image/palette_reduce.h"

namespace {

constexpr int kSide = 4000;

const std::vector<uint8_t>& Picture() {
    static const std::vector<uint8_t> rgba = [] {
        std::vector<uint8_t> p(size_t(kSide) * kSide * 4);
        uint32_t seed = 12345;
        size_t i = 0;
        while (i < p.size() / 4) {
            seed = seed * 1103515245 + 12345;
            const int colour = int(seed >> 16) % 200;
            const int run = 1 + int(seed >> 8) % 16;
            for (int k = 0; k < run && i < p.size() / 4; ++k, ++i) {
                p[4 * i] = uint8_t(colour * 7);
                p[4 * i + 1] = uint8_t(colour * 13);
                p[4 * i + 2] = uint8_t(colour * 29);
                p[4 * i + 3] = colour == 0 ? 0 : 255;
            }
        }
        return p;
    }();
    return rgba;
}

void BM_ReduceRgba(benchmark::State& state) {
    const std::vector<uint8_t>& rgba = Picture();
    for (auto _ : state) {
        pixmo::TPaletteReducer reducer(kSide, kSide);
        for (int y = 0; y < kSide; ++y) reducer.AddRowRgba(y, rgba.data() + size_t(y) * kSide * 4);
        auto image = reducer.Finish();
        benchmark::DoNotOptimize(image->Bits());
    }
}

void BM_MemcpyRgba(benchmark::State& state) {
    const std::vector<uint8_t>& rgba = Picture();
    std::vector<uint8_t> copy(rgba.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), rgba.data(), rgba.size());
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_ReduceRgba)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyRgba)->Unit(benchmark::kMillisecond);
