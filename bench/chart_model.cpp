// links: vexachart
// Data store and tick generation of the chart model.
#include "chart/control/chart.h"
#include "chart/control/plotdata.h"
#include "chart/control/propertybag.h"
#include "chart/control/ticks.h"
#include "common/dateserial.h"
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <random>

using namespace vexachart;

static void AppendInXOrder(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        PlotPoints p;
        for (int i = 0; i < n; ++i)
            p.insert(i, i * 0.5);
        benchmark::DoNotOptimize(p.count());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(AppendInXOrder)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

static void AddNewDataPointInXOrder(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    Vexachart c(nullptr, std::make_shared<FixedTextMetrics>());
    c.setPainting(false);
    c.setMaxCountOfPlots(1);
    for (auto _ : state) {
        c.ClearSinglePlotDataArray(1);
        for (int i = 0; i < n; ++i)
            c.AddNewDataPoint(1, double(i), double(i));
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(AddNewDataPointInXOrder)->Arg(1000000)->Unit(benchmark::kMillisecond);

static void InsertInRandomOrder(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    std::mt19937 rng(1);
    std::uniform_real_distribution<double> d(0, 1);
    std::vector<double> xs(static_cast<size_t>(n));
    for (double& x : xs)
        x = d(rng);
    for (auto _ : state) {
        PlotPoints p;
        for (double x : xs)
            p.insert(x, x);
        benchmark::DoNotOptimize(p.x(1)); // reading merges the arrivals into x order
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(InsertInRandomOrder)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Second argument 1: the array value is built inside the timed loop, as a host builds it from
// its own numbers for every call.
static void InsertSingleDataArray(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const bool buildArray = state.range(1) != 0;
    std::vector<double> ys(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        ys[static_cast<size_t>(i)] = std::sin(i * 0.001);
    const Variant array = Variant::array1(ys);
    Vexachart c(nullptr, std::make_shared<FixedTextMetrics>());
    c.setPainting(false);
    c.setMaxCountOfPlots(1);
    c.setPInit(true);
    for (auto _ : state) {
        if (buildArray)
            c.InsertSingleDataArray(1, Variant::array1(ys));
        else
            c.InsertSingleDataArray(1, array);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(InsertSingleDataArray)->Args({1000000, 0})->Args({1000000, 1})->Unit(benchmark::kMillisecond);

// A new chart (its plot holds the 101 test points) filled one point at a time through the public
// member, X ascending, and read once.
static void AddNewDataPointToNewChart(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    std::vector<double> ys(static_cast<size_t>(n));
    std::mt19937 rng(5);
    std::normal_distribution<double> noise(0.0, 1.0);
    for (double& y : ys)
        y = noise(rng);
    for (auto _ : state) {
        state.PauseTiming();
        auto c = std::make_unique<Vexachart>(nullptr, std::make_shared<FixedTextMetrics>());
        c->setPainting(false);
        c->initNew();
        c->setMaxCountOfPlots(1);
        state.ResumeTiming();
        for (int i = 0; i < n; ++i)
            c->AddNewDataPoint(1, Variant(double(i + 1)), Variant(ys[static_cast<size_t>(i)]));
        benchmark::DoNotOptimize(c->plotData(1).x(1)); // reading puts every point in its place
        state.PauseTiming();
        c.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(AddNewDataPointToNewChart)->Arg(1000000)->Unit(benchmark::kMillisecond);

static void Ticks(benchmark::State& state)
{
    static FixedTextMetrics metrics;
    static const std::array<QString, 7> formats = {QString(), "YYYY", "MMM-YYYY", "DD-MMM-YYYY", "DD-MMM (HH\"h\")",
        "HH\"h\":NN\"m\"", "HH:NN:SS\"s\""};
    AxisInput in;
    in.locale = QLocale::c();
    in.metrics = &metrics;
    in.axisLength = 9000;
    in.timeFormats = &formats;
    void (*generator)(const AxisInput&, AxisScale&) = CalcLinearTicks;
    switch (state.range(0)) {
    case 0: in.lo = 0.01; in.hi = 100; break;
    case 1: in.lo = -1; in.hi = 3; in.linLogMode = 1; generator = CalcLogTicks; break;
    default:
        in.lo = common::serialFromParts(2005, 3, 3, 12);
        in.hi = common::serialFromParts(2005, 3, 20);
        in.notation = 2;
        generator = CalcTimeTicks;
    }
    AxisScale s;
    for (auto _ : state) {
        generator(in, s);
        benchmark::DoNotOptimize(s.Count);
    }
}
BENCHMARK(Ticks)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Design settings of a chart with the given number of plots stored as text and loaded into a new
// chart: eight keys a plot, each written and read once, and the test curves made again.
static void StoreAndLoadPlots(benchmark::State& state)
{
    const auto plots = static_cast<qint16>(state.range(0));
    Vexachart c(nullptr, std::make_shared<FixedTextMetrics>());
    c.setPainting(false);
    c.initNew();
    c.setMaxCountOfPlots(plots);
    for (auto _ : state) {
        const QString text = c.WriteProperties().toText();
        Vexachart d(nullptr, std::make_shared<FixedTextMetrics>());
        d.setPainting(false);
        benchmark::DoNotOptimize(d.ReadProperties(PropertyBag::fromText(text)));
    }
    state.SetItemsProcessed(state.iterations() * plots);
}
BENCHMARK(StoreAndLoadPlots)->Arg(4)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
