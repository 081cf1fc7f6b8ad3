// Palette operations on an 8000x8000 8-bit image, against memcpy of the same 64 MB: the used
// and unused scan, the exchange of two entries, the duplicate search; a gradient over 256
// entries with the repaint of a 1920x1080 edit view; one move of a colour bar of the palette
// window during a drag (the entry, then the visible part of the view painted again).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "edit/edit_context.h"
#include "image/clipboard.h"
#include "palette/palette_ops.h"
#include "palette/window/palette_form.h"
#include "view/app_context.h"
#include "view/paint_client.h"
#include "widget_bench.h"

namespace {

using namespace pixmo;

constexpr int kSide = 8000;

std::unique_ptr<TDib> BigImage() {
    auto image = TDib::Create(kSide, kSide, 256);
    for (int i = 0; i < 256; ++i) image->SetColor(i, RGB(i, 255 - i, (i * 7) & 0xFF));
    for (int y = 0; y < kSide; ++y) {
        uint8_t* row = image->ScanLine(y);
        for (int x = 0; x < kSide; ++x) row[x] = static_cast<uint8_t>(((x * 3 + y * 5) ^ (x >> 4)) % 255);
    }
    return image;
}

size_t PixelBytes(const TDib& dib) { return static_cast<size_t>(dib.LineBytes()) * static_cast<size_t>(dib.Height()); }

// A document without windows.
struct TDocument {
    TMemoryClipboard Clipboard;
    TEditContext Context{Clipboard};
    TDocument() { Context.SetDib(BigImage()); }
};

TDocument& Document() {
    static TDocument doc;
    return doc;
}

// The program's set with an edit client showing the image at zoom 1 and the palette window.
struct TWindows : TBenchEditView {
    std::unique_ptr<TPaletteForm> Form;
    QImage Surface{1920, 1080, QImage::Format_RGB32};

    TWindows() : TBenchEditView("bench_palette.ini", BigImage()) {
        Form = std::make_unique<TPaletteForm>(App);
        Form->HandleMessage(TNotice::NewImage);
        QApplication::processEvents();
    }
    ~TWindows() { Form.reset(); }
};

TWindows& Windows() {
    static TWindows windows;
    return windows;
}

void BM_MemcpyImage(benchmark::State& state) {
    const TDib& dib = *Document().Context.Dib();
    std::vector<uint8_t> copy(PixelBytes(dib));
    for (auto _ : state) {
        std::memcpy(copy.data(), dib.Bits(), copy.size());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(copy.size()));
}
BENCHMARK(BM_MemcpyImage)->Unit(benchmark::kMillisecond);

void BM_MarkUsed(benchmark::State& state) {
    const TDib& dib = *Document().Context.Dib();
    TEntryMarks marks{};
    for (auto _ : state) benchmark::DoNotOptimize(MarkUsed(dib, marks));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(PixelBytes(dib)));
}
BENCHMARK(BM_MarkUsed)->Unit(benchmark::kMillisecond);

void BM_ExchangeEntries(benchmark::State& state) {
    TEditContext& doc = Document().Context;
    for (auto _ : state) {
        doc.ExchangePaletteEntries(3, 200);
        benchmark::DoNotOptimize(doc.Dib()->Bits());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(PixelBytes(*doc.Dib())));
}
BENCHMARK(BM_ExchangeEntries)->Unit(benchmark::kMillisecond);

void BM_MarkDuplicates(benchmark::State& state) {
    const TDib& dib = *Document().Context.Dib();
    TEntryMarks marks{};
    for (auto _ : state) benchmark::DoNotOptimize(MarkDuplicates(dib, marks));
}
BENCHMARK(BM_MarkDuplicates)->Unit(benchmark::kMicrosecond);

void BM_GradientAndRepaint(benchmark::State& state) {
    TWindows& w = Windows();
    TEditContext& doc = w.App.Edit();
    bool flip = false;
    for (auto _ : state) {
        doc.Dib()->SetColor(0, flip ? RGB(0, 0, 0) : RGB(255, 255, 255));
        flip = !flip;
        Gradient(*doc.Dib(), 0, 255);
        doc.PaletteChanged();
        w.Client.viewport()->render(&w.Surface);
        benchmark::DoNotOptimize(w.Surface.constBits());
    }
}
BENCHMARK(BM_GradientAndRepaint)->Unit(benchmark::kMillisecond);

// Inside one drag of the red bar: each step writes the entry and paints what is visible.
void BM_BarMove(benchmark::State& state) {
    TWindows& w = Windows();
    TPaletteForm& form = *w.Form;
    QScrollBar* bar = form.SBRed;
    const QPoint at(bar->width() / 2, bar->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, bar->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(bar, &press);
    int value = 0;
    for (auto _ : state) {
        value = (value + 7) & 0xFF;
        bar->setValue(value);
        w.Client.UpdateNow();
    }
    QMouseEvent release(QEvent::MouseButtonRelease, at, bar->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(bar, &release);
}
BENCHMARK(BM_BarMove)->Unit(benchmark::kMillisecond);

}  // namespace
