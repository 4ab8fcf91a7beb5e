// The chart's stored properties: the text form of the property bag, and loading a bag into a chart.
#include "chart/control/chart.h"
#include "chart/control/propertybag.h"
#include "fuzz/entries/fuzzchart.h"
#include "fuzz/entries/fuzzentries.h"
#include <cmath>

namespace fuzzing {

namespace {

using vexachart::PropertyBag;
using vexachart::Variant;

bool sameStored(const Variant& a, const Variant& b)
{
    if (a.isNumeric() && b.isNumeric() && std::isnan(a.toDouble()) && std::isnan(b.toDouble()))
        return true;
    return vexachart::sameValue(a, b);
}

// Keys and values of two bags, in order (texts exactly, numbers by value).
bool sameBag(const PropertyBag& a, const PropertyBag& b)
{
    const QStringList keys = a.keys();
    if (keys != b.keys())
        return false;
    for (const QString& key : keys)
        if (!sameStored(a.read(key), b.read(key)))
            return false;
    return true;
}

// The bag as the chart gets it: each font replaced by one of the fuzz fonts, picked by the font's
// text form (the same text always gives the same font), and the plot count bounded.
PropertyBag forChart(const PropertyBag& bag)
{
    PropertyBag out = bag;
    const QString count = QStringLiteral("MaxCountOfPlots");
    if (bag.contains(count))
        out.set(count, boundedPlotCount(bag.read(count)));
    for (const QString& key : bag.keys()) {
        const Variant v = bag.read(key);
        if (v.type() != Variant::Type::Font)
            continue;
        std::uint32_t hash = 2166136261u;
        for (const QChar c : v.toFont().toString())
            hash = (hash ^ c.unicode()) * 16777619u;
        out.set(key, Variant(fuzzFont(hash)));
    }
    return out;
}

} // namespace

void chartProperties(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const PropertyBag bag = PropertyBag::fromText(text);

    // The text form keeps every key and value a bag holds.
    const QString written = bag.toText();
    const PropertyBag reread = PropertyBag::fromText(written);
    require(sameBag(bag, reread), "a property bag reads back changed from its own text");
    require(reread.toText() == written, "a property bag's text changes when written again");

    // Whatever a chart takes from a bag, it stores in a form that it loads again unchanged. Fonts
    // kept their text form above; the chart gets one of a few fonts in their place.
    auto chart = newChart(ChartStart::Empty, false);
    chart->ReadProperties(forChart(bag));
    const QString stored = chart->WriteProperties().toText();
    auto loaded = newChart(ChartStart::Empty, false);
    QStringList bad;
    const QStringList refused = loaded->ReadProperties(PropertyBag::fromText(stored, &bad));
    require(bad.isEmpty(), "a chart's stored properties hold lines its reader cannot read");
    require(refused.isEmpty(), "a chart refuses properties it stored itself");
    require(loaded->WriteProperties().toText() == stored, "a chart's properties change when stored and loaded");
    // The loaded chart draws its picture.
    loaded->setPainting(true);
    loaded->Refresh();
}

std::vector<QByteArray> chartPropertiesSeeds()
{
    std::vector<QByteArray> seeds;
    auto chart = newChart(ChartStart::Placed, false);
    seeds.push_back(chart->WriteProperties().toText().toUtf8());

    chart->setTitle(QStringLiteral("Leistung \"P\" [kW]\nzweite Zeile"));
    chart->setXAxisLabel(QStringLiteral("Ölstrom [l/min]"));
    chart->setYAxisLinLogMode(1);
    chart->setXAxisLinLogMode(0);
    chart->setXScalingNotation(2);
    chart->setMaxCountOfPlots(6);
    chart->setPlotAspect(5, QStringLiteral("Kurve 5"));
    chart->setTimeFormat(3, QStringLiteral("dd.mm.yyyy"));
    chart->setShowLegend(false);
    chart->setClrLabels(0x80000012);
    QFont font(QStringLiteral("DejaVu Sans"), 14);
    font.setBold(true);
    chart->setFontTitle(font);
    seeds.push_back(chart->WriteProperties().toText().toUtf8());
    return seeds;
}

} // namespace fuzzing
