// The measuring window: the whole-screen copy and one drag move.
//
//   build/bin/bench_measure                       (offscreen, in-memory screen)
//   DISPLAY=:99 TINTORA_BENCH_X11=1 build/bin/bench_measure   (adds the copies from Xvfb)
#include "measure/Display.h"
#include "platform/Desktop.h"
#include "platform/FakeDesktop.h"

#include <QApplication>

#include <memory>

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<Desktop> X11;

void SnapshotShm(benchmark::State& state)
{
    if (!X11) {
        state.SkipWithError("needs TINTORA_BENCH_X11=1 and an X server");
        return;
    }
    const QRect screen(QPoint(0, 0), X11->PrimaryScreenSize());
    for (auto _ : state)
        benchmark::DoNotOptimize(X11->Snapshot(screen));
}
BENCHMARK(SnapshotShm)->Unit(benchmark::kMillisecond)->UseRealTime();

void SnapshotPlainXGetImage(benchmark::State& state)
{
    if (!X11) {
        state.SkipWithError("needs TINTORA_BENCH_X11=1 and an X server");
        return;
    }
    const QRect screen(QPoint(0, 0), X11->PrimaryScreenSize());
    for (auto _ : state)
        benchmark::DoNotOptimize(X11->CopyBlock(screen, 0));
}
BENCHMARK(SnapshotPlainXGetImage)->Unit(benchmark::kMillisecond)->UseRealTime();

// One move of a drag across a 1920 x 1080 snapshot: magnifier, erase and draw of a
// long slanted rubber line, labels; with `paint` also the repaint of what changed.
void DragMove(benchmark::State& state)
{
    FakeDesktop desktop({ 1920, 1080 });
    for (int y = 0; y < 1080; ++y)
        for (int x = 0; x < 1920; ++x)
            desktop.Screen.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    TfrmDisplay display(desktop);
    display.show();
    display.FormMouseDown(QPoint(100, 100));
    int i = 0;
    for (auto _ : state) {
        ++i;
        display.FormMouseMove(QPoint(1000 + (i % 700), 500 + (i % 400)));
        if (state.range(0) != 0)
            QCoreApplication::processEvents();
    }
    display.FormMouseUp();
}
BENCHMARK(DragMove)->Arg(0)->Arg(1)->ArgName("paint");

} // namespace

int main(int argc, char** argv)
{
    const bool onX11 = qEnvironmentVariableIsSet("TINTORA_BENCH_X11");
    if (!onX11)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (onX11)
        X11 = CreateDesktop();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
