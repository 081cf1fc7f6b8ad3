// The pencil: what one pointer move costs on a small and on the largest image (it should
// depend on the rectangle the move touches, not on the image), and the button-down backup
// of the largest image beside a memcpy of the same bytes. The drawing aids beside the same
// operation without them: a shading stroke, a mirrored fill, a pixel-perfect stroke.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/main_panels.h"
#include "edit/undo.h"
#include "image/clipboard.h"
#include "image/dib.h"
#include "settings/main_keys.h"
#include "tools/edit_size.h"
#include "tools/tool_factory.h"
#include "tools/tool_options.h"

namespace pixmo {
namespace {

struct THost : TToolHost {
    int Cursor = 0;
    void SetCursorId(int id) override { Cursor = id; }
    int CursorId() const override { return Cursor; }
    void ScrollBy(int, int) override {}
    bool RightButtonDrag() const override { return false; }
};

struct TSetup {
    TMemoryClipboard Clipboard;
    TEditContext Edit{Clipboard};
    TMainSettings Settings;
    TToolOptions Options;
    TEditSize Size;
    TToolEnvironment Env{Edit, Settings, Options, Size};
    TPixmoToolFactory Factory{Env};
    THost Host;
    std::unique_ptr<TMouseTool> Pencil;

    TSetup(int side, int pen) {
        Edit.SetDib(TDib::Create(side, side, 256));
        Edit.SetColor2Index(12);
        Edit.SetColor1Index(7);
        Settings.PenWidths[0] = pen;
        Pencil = Factory.CreateTool(TToolItem::DrawDot, Host);
    }
};

// 1,000 one-pixel steps around a 100-pixel square near the top-left corner.
std::vector<TPoint> Path() {
    std::vector<TPoint> path;
    for (int i = 0; i < 1000; ++i) {
        const int k = i % 400, side = k / 100, t = k % 100;
        const TPoint p = side == 0 ? TPoint{20 + t, 20} : side == 1 ? TPoint{120, 20 + t}
                       : side == 2 ? TPoint{120 - t, 120} : TPoint{20, 120 - t};
        path.push_back(p);
    }
    return path;
}

void BM_PencilMove(benchmark::State& state) {
    TSetup s(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const std::vector<TPoint> path = Path();
    for (auto _ : state) {
        s.Pencil->OnButtonDown(path[0]);
        const auto start = std::chrono::steady_clock::now();
        for (const TPoint p : path) s.Pencil->OnMove(p);
        const auto end = std::chrono::steady_clock::now();
        s.Pencil->OnButtonUp(path.back());
        state.SetIterationTime(std::chrono::duration<double>(end - start).count() / static_cast<double>(path.size()));
    }
    state.SetLabel("time per move");
}
BENCHMARK(BM_PencilMove)->Args({256, 1})->Args({8000, 1})->Args({256, 10})->Args({8000, 10})->UseManualTime()->Iterations(30)
    ->Unit(benchmark::kNanosecond);

void BM_ButtonDownBackup8000(benchmark::State& state) {
    TSetup s(8000, 1);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        s.Pencil->OnButtonDown({5, 5});
        const auto end = std::chrono::steady_clock::now();
        s.Pencil->OnButtonUp({5, 5});
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_ButtonDownBackup8000)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_Memcpy8000(benchmark::State& state) {
    const size_t bytes = size_t{8000} * 8000;
    std::vector<uint8_t> a(bytes, 1), b(bytes, 2);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), bytes);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Memcpy8000)->Iterations(20)->Unit(benchmark::kMillisecond);

// One timed gesture on a tool, the image put back untimed after it.
template <class G>
void TimeGesture(benchmark::State& state, TSetup& s, G gesture) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        gesture();
        const auto end = std::chrono::steady_clock::now();
        s.Edit.Undo().Undo();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

// A 20-pixel pen zigzagging over 1000 x 1000 pixels of a ramp; argument: 0 the pen's colour,
// 1 shading along indices 7..12.
void BM_ShadingStroke1000(benchmark::State& state) {
    TSetup s(1000, 20);
    for (int y = 0; y < 1000; ++y) std::memset(s.Edit.Dib()->ScanLine(y), 7 + y % 6, 1000);
    s.Settings.Ink = state.range(0) ? kInkShade : kInkPen;
    TimeGesture(state, s, [&s] {
        s.Pencil->OnButtonDown({0, 0});
        for (int i = 1; i <= 1000; ++i) s.Pencil->OnMove({i % 2 ? 999 : 0, i});
        s.Pencil->OnButtonUp({0, 1000});
    });
}
BENCHMARK(BM_ShadingStroke1000)->Arg(0)->Arg(1)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// The bucket on a 4000 x 4000 image of one colour; argument: 0 plain, 1 mirrored both ways.
void BM_MirroredFill4000(benchmark::State& state) {
    TSetup s(4000, 1);
    s.Settings.MirrorHorizontal = s.Settings.MirrorVertical = state.range(0) != 0;
    auto bucket = s.Factory.CreateTool(TToolItem::Fill, s.Host);
    TimeGesture(state, s, [&bucket] {
        bucket->OnButtonDown({1000, 1000});
        bucket->OnButtonUp({1000, 1000});
    });
}
BENCHMARK(BM_MirroredFill4000)->Arg(0)->Arg(1)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// A one-pixel stroke of 10,000 points, a staircase across a 1000 x 1000 image and back;
// argument: 0 plain, 1 pixel perfect.
void BM_PixelPerfectStroke(benchmark::State& state) {
    TSetup s(1000, 1);
    s.Settings.PixelPerfect = state.range(0) != 0;
    TimeGesture(state, s, [&s] {
        s.Pencil->OnButtonDown({0, 0});
        TPoint p{0, 0};
        for (int i = 1; i < 10000; ++i) {
            const int leg = i / 1000 % 2 ? -1 : 1;
            (i % 2 ? p.X : p.Y) += leg;
            s.Pencil->OnMove(p);
        }
        s.Pencil->OnButtonUp(p);
    });
}
BENCHMARK(BM_PixelPerfectStroke)->Arg(0)->Arg(1)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pixmo
