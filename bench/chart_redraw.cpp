// links: vexachart
// Full redraws of the chart into a picture offscreen (800 x 600 unless said).
#include "chart/control/chart.h"
#include "chart/control/geometry.h"
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cmath>
#include <algorithm>
#include <random>

using namespace vexachart;

namespace {

// The program's performance chart: six plots of about 400 points, legend on.
std::unique_ptr<Vexachart> programChart()
{
    auto c = std::make_unique<Vexachart>();
    c->initNew();
    c->setMaxCountOfPlots(6);
    for (int p = 1; p <= 6; ++p) {
        std::vector<double> ys;
        for (int i = 0; i < 400; ++i)
            ys.push_back(p * 100.0 * (1.0 - std::exp(-i / 120.0)));
        c->InsertSingleDataArray(static_cast<qint16>(p), Variant::array1(ys));
        c->SetPlotAspects(static_cast<qint16>(p), QStringLiteral("Plot %1").arg(p), 40 * p, 255 - 40 * p, 120, 1, 0, 3,
            true);
    }
    c->resizeTo(QSize(800, 600));
    c->SetGlobalBordersToDataRange();
    return c;
}

std::unique_ptr<Vexachart> bigChart(bool noisy, bool markers)
{
    auto c = std::make_unique<Vexachart>();
    c->initNew();
    c->setMaxCountOfPlots(1);
    std::vector<double> ys(1000000);
    std::mt19937 rng(5);
    std::normal_distribution<double> noise(0.0, 1.0);
    for (size_t i = 0; i < ys.size(); ++i)
        ys[i] = noisy ? noise(rng) : std::sin(i * 1e-5);
    c->InsertSingleDataArray(1, Variant::array1(ys));
    c->SetPlotAspects(1, QStringLiteral("Signal"), 0, 0, 200, 1, markers ? 3 : 0, 3, true);
    c->resizeTo(QSize(800, 600));
    c->SetGlobalBordersToDataRange();
    return c;
}

// Twenty plots of 50,000 noisy points each, either each in a thin band of its own (a twentieth of
// the y range) or all over the same range.
std::unique_ptr<Vexachart> manyPlots(bool bands)
{
    auto c = std::make_unique<Vexachart>();
    c->initNew();
    c->setMaxCountOfPlots(20);
    for (int p = 1; p <= 20; ++p) {
        std::vector<double> ys(50000);
        std::mt19937 rng(100 + p);
        std::normal_distribution<double> noise(0.0, 1.0);
        for (double& y : ys)
            y = bands ? p + 0.1 * noise(rng) : noise(rng);
        c->InsertSingleDataArray(static_cast<qint16>(p), Variant::array1(ys));
        c->SetPlotAspects(static_cast<qint16>(p), QStringLiteral("Plot %1").arg(p), (p * 53) % 256, (p * 97) % 256,
            (p * 31) % 256, 1, 0, 3, true);
    }
    c->resizeTo(QSize(800, 600));
    c->SetGlobalBordersToDataRange();
    return c;
}

} // namespace

static void ProgramChart(benchmark::State& state)
{
    auto c = programChart();
    for (auto _ : state)
        c->DrawChart();
}
BENCHMARK(ProgramChart)->Unit(benchmark::kMillisecond);

static void MillionPoints(benchmark::State& state)
{
    const bool noisy = state.range(0) != 0;
    const bool zoomed = state.range(1) != 0;
    const bool markers = state.range(2) != 0;
    auto c = bigChart(noisy, markers);
    c->setPainting(state.range(3) == 0);
    if (zoomed) {
        const Borders g = c->globalBorders();
        c->SetDisplayBorders(g.X_Left + 0.5 * g.xSpan(), g.X_Left + 0.51 * g.xSpan(), g.Y_Bottom, g.Y_Top);
    }
    for (auto _ : state)
        c->DrawChart();
    state.SetLabel(std::string(noisy ? "noisy" : "smooth") + (zoomed ? " zoomed 1%" : "") + (markers ? " markers" : "")
        + (state.range(3) ? " model only" : ""));
}
BENCHMARK(MillionPoints)
    ->Args({0, 0, 0, 0})->Args({1, 0, 0, 0})->Args({0, 1, 0, 0})->Args({1, 1, 0, 0})->Args({0, 0, 1, 0})
    ->Args({1, 0, 1, 0})->Args({1, 0, 0, 1})
    ->Unit(benchmark::kMillisecond);

static void ManyPlots(benchmark::State& state)
{
    auto c = manyPlots(state.range(0) != 0);
    c->setPainting(state.range(1) == 0);
    for (auto _ : state)
        c->DrawChart();
    state.SetLabel(std::string(state.range(0) ? "20 x 50,000 in bands" : "20 x 50,000 overlapping")
        + (state.range(1) ? " model only" : ""));
}
BENCHMARK(ManyPlots)->Args({1, 0})->Args({0, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);

// One million points in a 3840 x 2160 picture.
static void LargePicture(benchmark::State& state)
{
    const bool noisy = state.range(0) != 0;
    auto c = bigChart(noisy, false);
    c->resizeTo(QSize(3840, 2160));
    c->setPainting(state.range(1) == 0);
    for (auto _ : state)
        c->DrawChart();
    state.SetLabel(std::string(noisy ? "noisy" : "smooth") + (state.range(1) ? " model only" : ""));
}
BENCHMARK(LargePicture)->Args({1, 0})->Args({0, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);

static void OutputPicture(benchmark::State& state)
{
    auto c = programChart();
    for (auto _ : state)
        benchmark::DoNotOptimize(c->outputPicture());
}
BENCHMARK(OutputPicture)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

static void ProgramChartModelOnly(benchmark::State& state)
{
    auto c = programChart();
    c->setPainting(false);
    for (auto _ : state)
        c->DrawChart();
}
BENCHMARK(ProgramChartModelOnly)->Unit(benchmark::kMillisecond);

// The plot geometry alone (thinning, clipping, column collapse) of one million noisy points.
static void GeometryNoisy(benchmark::State& state)
{
    PlotPoints p;
    std::mt19937 rng(5);
    std::normal_distribution<double> noise(0.0, 1.0);
    for (int i = 0; i < 1000000; ++i)
        p.insert(i, noise(rng));
    const auto [lo, hi] = std::minmax_element(p.ys().begin(), p.ys().end());
    const Borders b{0, 999999, state.range(0) ? *lo : -6.0, state.range(0) ? *hi : 6.0};
    const AxisMap mx{b.X_Left, 60.0, 679.0 / b.xSpan()};
    const AxisMap my{b.Y_Bottom, 540.0, -499.0 / b.ySpan()};
    GeometryOptions o;
    o.dx2 = 2.0 * b.xSpan() / 680;
    o.dy2 = 2.0 * b.ySpan() / 500;
    o.pixelOutput = true;
    o.collapseColumns = true;
    PlotGeometry g;
    for (auto _ : state) {
        g.clear();
        plotGeometry(p, b, mx, my, o, g);
        benchmark::DoNotOptimize(g.lines.size());
    }
}
BENCHMARK(GeometryNoisy)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
