#include "fuzz/entries/fuzzchart.h"
#include "common/error.h"
#include "fuzz/entries/fuzzentries.h"
#include <array>
#include <cmath>

namespace fuzzing {

std::unique_ptr<vexachart::Vexachart> newChart(ChartStart start, bool painting)
{
    ensureApplication();
    // Text widths are a function of font and text: one measuring cache serves every chart.
    static const auto metrics = std::make_shared<vexachart::FontTextMetrics>();
    auto chart = std::make_unique<vexachart::Vexachart>(nullptr, metrics);
    chart->setLocale(QLocale::c());
    chart->setPainting(painting);
    // The defaults are set before the first size is known, so they cause no redraw of their own.
    if (start == ChartStart::Placed)
        chart->initNew();
    // A picture below 128 KiB: the address sanitizer maps every larger block afresh and unmaps it
    // on release, which made a chart's picture cost more than all else an input does.
    chart->resizeTo(QSize(200, 140));
    return chart;
}

QFont fuzzFont(std::uint32_t pick)
{
    static const std::array<const char*, 4> families{"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono",
        "Kein Schriftschnitt \"x\" \\ y"};
    static const std::array<double, 6> sizes{7.8, 10.8, 0.5, 1.0, 24.0, 200.0};
    QFont f(QString::fromUtf8(families[pick % families.size()]));
    pick /= static_cast<std::uint32_t>(families.size());
    f.setPointSizeF(sizes[pick % sizes.size()]);
    pick /= static_cast<std::uint32_t>(sizes.size());
    f.setBold((pick & 1) != 0);
    f.setItalic((pick & 2) != 0);
    return f;
}

vexachart::Variant boundedPlotCount(const vexachart::Variant& value)
{
    double d = 0.0;
    try {
        d = value.toDouble();
    } catch (const common::Error&) {
        return value;
    }
    // 16-bit counts round half to even: up to 32767.5 (exclusive) a count is accepted.
    if (std::isfinite(d) && d >= MostFuzzPlots + 0.5 && d < 32767.5)
        return vexachart::Variant(static_cast<qint16>(MostFuzzPlots));
    return value;
}

} // namespace fuzzing
