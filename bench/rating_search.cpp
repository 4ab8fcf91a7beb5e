// links: kelto_core
// Speed of the size search: one search plus completion pass over a 15-row table, and a sweep of
// the whole catalogue.
#include "program/catalogue/kdaten_hc_tab.h"
#include "program/catalogue/kdaten_tab.h"
#include "program/rating/selection.h"
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

// The filled catalogue, built once per program run.
catalogue::KDaten_Tab& katalog()
{
    static catalogue::KDaten_Tab kd;
    static catalogue::KDaten_HC_Tab hc;
    static const bool gefuellt = (catalogue::Init_KuehlerTabellen(kd, hc), true);
    benchmark::DoNotOptimize(gefuellt);
    return kd;
}

// A point in the middle of the US AC Optim series (15 sizes).
rating::KuehlerDaten betriebspunkt()
{
    rating::KuehlerDaten d;
    d.Kuehler_Baureihe = catalogue::AC_Optim;
    d.T_in = 60;
    d.T_Umgebung = 30;
    d.Durchfluss = 120;
    d.KLeistung = 9000;
    return d;
}

// One search of the main window's search command: Kuehler_suchen and the completion pass.
void SucheUndVervollstaendigung(benchmark::State& state)
{
    catalogue::KDaten_Tab& kd = katalog();
    kd.Region_US = true;
    StummeMeldungen boxes;
    rating::KuehlerDaten d = betriebspunkt();
    const long vorher = g_allocations;
    for (auto _ : state) {
        const int zeile = rating::Kuehler_suchen(d, kd, boxes);
        d.Typ_Index = zeile;
        const int ergaenzt = rating::KuehlerErgebnis_berechnen(d, kd, boxes);
        benchmark::DoNotOptimize(zeile);
        benchmark::DoNotOptimize(ergaenzt);
        benchmark::DoNotOptimize(d.Abgef_Leistg);
    }
    state.counters["allocs/iter"] = double(g_allocations - vorher) / double(state.iterations());
    state.counters["row"] = d.Typ_Index;
}
BENCHMARK(SucheUndVervollstaendigung);

void NurSuche(benchmark::State& state)
{
    catalogue::KDaten_Tab& kd = katalog();
    kd.Region_US = true;
    StummeMeldungen boxes;
    rating::KuehlerDaten d = betriebspunkt();
    const long vorher = g_allocations;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rating::Kuehler_suchen(d, kd, boxes));
        benchmark::DoNotOptimize(d.Abgef_Leistg);
    }
    state.counters["allocs/iter"] = double(g_allocations - vorher) / double(state.iterations());
}
BENCHMARK(NurSuche);

// The whole catalogue: 8 series × 2 regions × 25 loads × 25 flows × 30 temperature pairs, each a
// search of the series and, when it found a size, the completion pass: 300,000 selections.
void KatalogDurchlauf(benchmark::State& state)
{
    catalogue::KDaten_Tab& kd = katalog();
    StummeMeldungen boxes;
    rating::KuehlerDaten d;
    long auswahlen = 0;
    long summeZeilen = 0;
    const long vorher = g_allocations;
    for (auto _ : state) {
        for (bool us : {false, true}) {
            kd.Region_US = us;
            for (long baureihe = catalogue::DC_12V; baureihe <= catalogue::Hydro_Rough; ++baureihe) {
                d.Kuehler_Baureihe = baureihe;
                for (int l = 0; l < 25; ++l) {
                    d.KLeistung = 500.0 + 2500.0 * l;
                    for (int q = 0; q < 25; ++q) {
                        d.Durchfluss = 5.0 + 20.0 * q;
                        for (int t = 0; t < 30; ++t) {
                            d.T_in = 40.0 + 3.0 * t;
                            d.T_Umgebung = 20.0 + (t % 5) * 4.0;
                            int zeile = -1;
                            if (baureihe == catalogue::DC_12V)
                                zeile = rating::Kuehler_suchen_DC(d, kd, us, boxes);
                            else if (baureihe == catalogue::DC_24V)
                                zeile = rating::Kuehler_suchen_DC24(d, kd, us, boxes);
                            else
                                zeile = rating::Kuehler_suchen(d, kd, boxes);
                            if (zeile >= 0) {
                                d.Typ_Index = zeile;
                                rating::KuehlerErgebnis_berechnen(d, kd, boxes);
                            }
                            summeZeilen += zeile;
                            ++auswahlen;
                        }
                    }
                }
            }
        }
    }
    benchmark::DoNotOptimize(summeZeilen);
    state.counters["selections"] = double(auswahlen) / double(state.iterations());
    state.counters["allocs/selection"] = double(g_allocations - vorher) / double(auswahlen);
}
BENCHMARK(KatalogDurchlauf)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
