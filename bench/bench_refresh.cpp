#include "main/ColorForms.h"
#include "main/mainRGB.h"
#include "platform/FakeDesktop.h"

#include <QApplication>

#include <memory>

#include <benchmark/benchmark.h>

namespace {

void TextForms(benchmark::State& state)
{
    std::uint32_t v = 0;
    for (auto _ : state) {
        const TRGBColor c = FromTColor(v += 0x010305);
        benchmark::DoNotOptimize(WebForm(c));
        benchmark::DoNotOptimize(RGBForm(c));
        benchmark::DoNotOptimize(DelphiForm(c));
    }
}
BENCHMARK(TextForms);

// TakeColor + UpdateViews on the real main window, a new colour every time.
void PickRefresh(benchmark::State& state)
{
    FakeDesktop desktop;
    TfrmMain window(desktop);
    window.show();
    std::uint32_t v = 0;
    for (auto _ : state) {
        window.SetPickedColor(v += 0x010305);
        window.TakeColor();
        window.UpdateViews();
    }
}
BENCHMARK(PickRefresh);

// One whole eyedropper move on an in-memory screen: pixel read, refresh, the 32x24 to
// 128x96 magnifier and its repaint request. The X server's reads come on top of this.
void PickMove(benchmark::State& state)
{
    FakeDesktop desktop({ 1920, 1080 });
    for (int y = 0; y < 1080; ++y)
        for (int x = 0; x < 1920; ++x)
            desktop.Screen.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    TfrmMain window(desktop);
    window.show();
    window.pnlColorMouseDown();
    int i = 0;
    for (auto _ : state) {
        desktop.Pointer = { 100 + (i % 1700), 100 + (i % 900) };
        ++i;
        window.pnlColorMouseMove();
    }
    window.pnlColorMouseUp();
}
BENCHMARK(PickMove);

// The same move reading the real X server (run with TINTORA_BENCH_X11=1 on a display).
std::unique_ptr<Desktop> X11;

void PickMoveX11(benchmark::State& state)
{
    if (!X11) {
        state.SkipWithError("set TINTORA_BENCH_X11=1 and DISPLAY");
        return;
    }
    TfrmMain window(*X11);
    window.show();
    window.pnlColorMouseDown();
    for (auto _ : state)
        window.pnlColorMouseMove();
    window.pnlColorMouseUp();
}
BENCHMARK(PickMoveX11);

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
