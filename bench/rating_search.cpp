// links: kelto_core
// Speed of the size search: one search plus completion pass over a 15-row table.
#include "program/rating/sizesearch.h"
#include <benchmark/benchmark.h>
#include <atomic>
#include <cstdlib>

// Every heap allocation of this program is counted (Qt's texts and operator new both end in
// malloc or realloc), so the benchmarks can report allocations per search.
static std::atomic<long> g_allocations{0};
extern "C" void* __libc_malloc(std::size_t);
extern "C" void* __libc_realloc(void*, std::size_t);
extern "C" void* malloc(std::size_t n)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(n);
}
extern "C" void* realloc(void* p, std::size_t n)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(p, n);
}

namespace {

class StummeMeldungen : public common::MessageBoxes {
protected:
    int present(const QString&, int, const QString&) override { return common::mb::Ok; }
};

// Fifteen sizes with curves shaped like the US AC series: rising capacity, two ranges on the largest.
catalogue::KTabelle fuenfzehnGroessen()
{
    catalogue::KTabelle t;
    for (int i = 0; i < 15; ++i) {
        catalogue::KTabSatz s;
        const double g = 1.0 + 0.45 * i;
        s.Koeff_1 = {0.02 * g, 0.05 * g, -0.002 * g, 0, 0, 0, 0};
        s.Q_Umschalt = i >= 13 ? 568 : 10000;
        s.Koeff_2 = {0.03 * g, 0.045 * g, -0.0018 * g, 0, 0, 0, 0};
        s.TypBez = QStringLiteral("OK%1").arg(10 + 5 * i);
        s.Geraeusch = QStringLiteral("%1").arg(68 + i);
        s.DP_Exp_1 = 1.05;
        s.DP_Ln_1 = 2.2 - 0.08 * i;
        s.Q_Umschalt_DP = i == 3 ? 137.9 : 10000;
        s.DP_Exp_2 = 1.15;
        s.DP_Ln_2 = 1.9 - 0.08 * i;
        s.Q_min = 19;
        s.Q_max = 1135.6;
        s.Zeichnung_Datei = QStringLiteral("us_ac_%1.svg").arg(i / 5);
        t.push_back({s, catalogue::KTabSatz{}});
    }
    t.push_back({catalogue::KTabSatz{}, catalogue::KTabSatz{}});
    return t;
}

void SucheUndVervollstaendigung(benchmark::State& state)
{
    const catalogue::KTabelle t = fuenfzehnGroessen();
    StummeMeldungen boxes;
    rating::KuehlerDaten d;
    d.T_in = 60;
    d.T_Umgebung = 30;
    d.Durchfluss = 120;
    d.KLeistung = 9000;
    const long vorher = g_allocations;
    for (auto _ : state) {
        const int zeile = rating::Groessen_bewerten(d, &t, 14, rating::Durchlauf::Suche, boxes);
        const int ergaenzt = rating::Groessen_bewerten(d, &t, 14, rating::Durchlauf::Vervollstaendigung, boxes);
        benchmark::DoNotOptimize(zeile);
        benchmark::DoNotOptimize(ergaenzt);
        benchmark::DoNotOptimize(d.Abgef_Leistg);
    }
    state.counters["allocs/iter"] = double(g_allocations - vorher) / double(state.iterations());
}
BENCHMARK(SucheUndVervollstaendigung);

void NurSuche(benchmark::State& state)
{
    const catalogue::KTabelle t = fuenfzehnGroessen();
    StummeMeldungen boxes;
    rating::KuehlerDaten d;
    d.T_in = 60;
    d.T_Umgebung = 30;
    d.Durchfluss = 120;
    d.KLeistung = 9000;
    const long vorher = g_allocations;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rating::Groessen_bewerten(d, &t, 14, rating::Durchlauf::Suche, boxes));
        benchmark::DoNotOptimize(d.Abgef_Leistg);
    }
    state.counters["allocs/iter"] = double(g_allocations - vorher) / double(state.iterations());
}
BENCHMARK(NurSuche);

} // namespace

BENCHMARK_MAIN();
