// BMP save and load of an 8000 x 8000 8-bit image on byte buffers, beside memcpy of the
// same bytes, plus the whole trip through a file in the temporary folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "image/dib.h"
#include "image/packed_dib.h"

namespace {

const pixmo::TDib& BigImage() {
    static auto image = [] {
        auto dib = pixmo::TDib::Create(8000, 8000, 256);
        for (int i = 0; i < 256; ++i) dib->SetColor(i, pixmo::RGB(i, 255 - i, i / 2));
        for (int y = 0; y < dib->Height(); ++y) {
            uint8_t* row = dib->ScanLine(y);
            for (int x = 0; x < dib->Width(); ++x) row[x] = static_cast<uint8_t>(x * 7 + y * 3);
        }
        return dib;
    }();
    return *image;
}

const std::vector<uint8_t>& BigFile() {
    static const std::vector<uint8_t> file = pixmo::BuildBmpFile(BigImage());
    return file;
}

void BM_Memcpy(benchmark::State& state) {
    const auto& src = BigFile();
    std::vector<uint8_t> dst(src.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * src.size()));
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

// memcpy into a fresh buffer, as save and load each allocate theirs.
void BM_MemcpyFresh(benchmark::State& state) {
    const auto& src = BigFile();
    for (auto _ : state) {
        std::vector<uint8_t> dst(src.size());
        std::memcpy(dst.data(), src.data(), src.size());
        benchmark::DoNotOptimize(dst.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * src.size()));
}
BENCHMARK(BM_MemcpyFresh)->Unit(benchmark::kMillisecond);

void BM_BmpSave(benchmark::State& state) {
    const auto& image = BigImage();
    for (auto _ : state) {
        auto file = pixmo::BuildBmpFile(image);
        benchmark::DoNotOptimize(file.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BigFile().size()));
}
BENCHMARK(BM_BmpSave)->Unit(benchmark::kMillisecond);

void BM_BmpLoad(benchmark::State& state) {
    const auto& file = BigFile();
    for (auto _ : state) {
        auto image = pixmo::CreateFromBmpBytes<pixmo::TDib>(file, "big.bmp");
        benchmark::DoNotOptimize(image->Bits());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_BmpLoad)->Unit(benchmark::kMillisecond);

void BM_BmpFileSaveLoad(benchmark::State& state) {
    const std::string path = "/tmp/pixmo3-bench-" + std::to_string(::getpid()) + ".bmp";
    const auto& image = BigImage();
    for (auto _ : state) {
        image.SaveToFile(path);
        auto back = pixmo::TDib::CreateFromFile(path);
        benchmark::DoNotOptimize(back->Bits());
    }
    ::unlink(path.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * 2 * BigFile().size()));
}
BENCHMARK(BM_BmpFileSaveLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
