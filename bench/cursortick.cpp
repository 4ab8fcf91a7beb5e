// links: vexachart Qt6::Widgets
// The cursor read-out's tick in plot-name mode over many long plots (a bisection per plot), and
// the data export of a large table; both run on the user-interface thread.
#include "chart/control/chart.h"
#include "chart/control/interaction.h"
#include "chart/control/textmetrics.h"
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {

std::unique_ptr<vexachart::Vexachart> chartWith(int plots, int points)
{
    auto c = std::make_unique<vexachart::Vexachart>(nullptr, std::make_shared<vexachart::FixedTextMetrics>());
    c->setPainting(false);
    c->setLocale(QLocale::c());
    c->initNew();
    c->setMaxCountOfPlots(static_cast<qint16>(plots));
    c->ClearAllPlotData();
    c->SetGlobalBorders(0.0, double(points), -2.0, 2.0 * plots);
    for (int p = 1; p <= plots; ++p)
        c->SetPlotAspects(static_cast<qint16>(p), QStringLiteral("Plot %1").arg(p), 0, 0, 255, 1, 0, 3, true);
    for (int p = 1; p <= plots; ++p)
        for (int i = 0; i < points; ++i)
            c->AddNewDataPoint(static_cast<qint16>(p), double(i), p + std::sin(i * 0.001));
    c->setPInit(false);
    c->DrawChart(c->globalBorders());
    return c;
}

void BM_CursorTickPlotName(benchmark::State& state)
{
    auto c = chartWith(16, static_cast<int>(state.range(0)));
    c->SetCursor(2);
    vexachart::ChartInteraction z(*c);
    double u = 1000.0;
    z.move(u, 26000.0);
    if (z.cursorTick(QSizeF(3000, 2000), QSizeF(100, 400)).caption.trimmed().isEmpty())
        state.SkipWithError("the read-out names no plot");
    for (auto _ : state) {
        z.move(u, 26000.0);
        benchmark::DoNotOptimize(z.cursorTick(QSizeF(3000, 2000), QSizeF(100, 400)));
        u = u > 48000.0 ? 1000.0 : u + 777.0;
    }
}
BENCHMARK(BM_CursorTickPlotName)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_ExportText(benchmark::State& state)
{
    auto c = chartWith(4, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(c->exportText(false));
}
BENCHMARK(BM_ExportText)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
