#include "main/ColorForms.h"
#include "main/mainRGB.h"
#include "platform/FakeDesktop.h"

#include <QApplication>

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

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
