// links: kelto_common
// The value formatter sits under every exported number and every tick label.
#include "common/format.h"
#include <benchmark/benchmark.h>

namespace {

void BM_FormatGeneral(benchmark::State& state)
{
    const QLocale c(QLocale::C);
    double v = 0.123456789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(common::formatGeneral(v, c));
        v += 1.000000001;
    }
}
BENCHMARK(BM_FormatGeneral);

void BM_FormatPattern(benchmark::State& state)
{
    const QLocale c(QLocale::C);
    const QString pattern = QStringLiteral("#0.00");
    double v = 0.123456789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(common::formatValue(v, pattern, c));
        v += 1.000000001;
    }
}
BENCHMARK(BM_FormatPattern);

} // namespace

BENCHMARK_MAIN();
