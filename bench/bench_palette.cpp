// The hue picker: the whole picture, the square alone, and one move of a drag in
// the square on the open dialog (markers off, colour, edits, markers on).
//
//   build/bin/bench_palette
#include "controls/SkinForm.h"
#include "palette/ColorDialogs.h"
#include "palette/HuePicker.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

void BuildPicker(benchmark::State& state)
{
    const THueTable hues = BuildHueTable();
    TPSPColor colour;
    colour.SetRGB({ 200, 100, 50 });
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildHueTable());
        QImage picture = HuePicker::BuildPicture(hues, colour, qRgb(212, 208, 200));
        HuePicker::ToggleMarkers(picture, colour.HSL);
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(BuildPicker)->Unit(benchmark::kMicrosecond);

void PaintSquare(benchmark::State& state)
{
    TPSPColor colour;
    colour.SetRGB({ 200, 100, 50 });
    QImage picture = HuePicker::BuildPicture(BuildHueTable(), colour, qRgb(212, 208, 200));
    for (auto _ : state) {
        HuePicker::PaintSquare(picture, colour);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PaintSquare)->Unit(benchmark::kMicrosecond);

void SquareDragMove(benchmark::State& state)
{
    TbsSkinColorDialog dialog;
    dialog.Color = 0x003264C8;
    QTimer::singleShot(0, [&] {
        dialog.PickerMouseDown(Qt::LeftButton, QPoint(60, 60));
        int i = 0;
        for (auto _ : state) {
            ++i;
            dialog.PickerMouseMove(Qt::LeftButton, QPoint(45 + i % 100, 45 + (i * 7) % 100));
        }
        dialog.PickerMouseUp(Qt::LeftButton, QPoint(60, 60));
        dialog.FCancelButton->click();
    });
    dialog.Execute();
}
BENCHMARK(SquareDragMove)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
