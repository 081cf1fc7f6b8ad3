// The main of the benchmarks that drive widgets: an offscreen application around the run, and
// the copy of one 1920x1080 view that their repaints are measured against.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void BM_MemcpyView(benchmark::State& state) {
    std::vector<uint32_t> a(1920 * 1080, 1), b(1920 * 1080);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), a.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(b.data());
    }
}
BENCHMARK(BM_MemcpyView)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
