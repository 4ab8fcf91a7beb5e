#include "fuzz/entries/fuzzchart.h"
#include "fuzz/entries/fuzzentries.h"

namespace fuzzing {

std::unique_ptr<vexachart::Vexachart> newChart(bool painting)
{
    ensureApplication();
    auto chart = std::make_unique<vexachart::Vexachart>();
    chart->setLocale(QLocale::c());
    chart->setPainting(painting);
    chart->resizeTo(QSize(240, 160));
    return chart;
}

} // namespace fuzzing
