// A program outside the project that uses the installed libraries through their installed
// headers only: places a chart, fills and renders it, catches the chart's error across the
// library boundary, attaches the tooltip class, and calls a function of every installed header
// that declares one, so that each of them links and works. Exit code 0 when all of that works.
#include <chart/control/vexachart.h>
#include <common/colour.h>
#include <common/error.h>
#include <tooltip/clsquickinfo.h>

#include <QApplication>
#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

using namespace vexachart;

namespace {

// One call into the installed library per header; true when its answer is the expected one.
std::vector<std::pair<const char*, std::function<bool()>>> headerChecks(VexachartWidget& widget)
{
    Vexachart& chart = widget.chart();
    return {
        {"chart.h", [&] { return chart.MaxCountOfPlots() == 4; }},
        {"chartservices.h", [&] {
             QtChartServices services(&widget);
             ChartServices& base = services;
             return base.now().isValid();
         }},
        {"dispatch.h", [&] {
             std::vector<Variant> args;
             return invoke(chart, *idOfName(QStringLiteral("MaxCountOfPlots")), InvokeKind::Get, args).toInt16() == 4;
         }},
        {"geometry.h", [] {
             double x1 = -1e300, y1 = 5.0, x2 = 1e300, y2 = 5.0;
             int steps = 0;
             const Borders b{0.0, 10.0, 0.0, 10.0};
             PlotPoints points;
             points.insert(1.0, 1.0);
             points.insert(9.0, 9.0);
             PlotGeometry g;
             plotGeometry(points, b, AxisMap{0.0, 0.0, 10.0}, AxisMap{0.0, 100.0, -10.0}, GeometryOptions{}, g);
             return clipLongSegment(x1, y1, x2, y2, b, 0, steps) && x1 == 0.0 && x2 == 10.0 && g.lines.size() == 1;
         }},
        {"interaction.h", [&] {
             chart.SetGlobalBorders(0.0, 100.0, 0.0, 100.0);
             widget.interaction().zoomIn();
             return chart.displayBorders().X_Left == 25.0;
         }},
        {"layout.h", [] {
             LayoutInput in;
             in.frameWidth = 9000.0;
             in.frameHeight = 6000.0;
             in.showLegend = false;
             in.legendSize = [](double, double) { return QSizeF(0.0, 0.0); };
             return ArrangeChart(in, ChartLayout{}).graph.width > 0.0;
         }},
        {"legend.h", [] {
             const FixedTextMetrics metrics(100.0, 200.0);
             return layoutLegend(std::vector<PlotStyle>(2), 3000.0, metrics, QFont()).width > 0.0;
         }},
        {"membertable.h", [] { return !memberTable().empty() && memberById(*idOfName(QStringLiteral("Title"))); }},
        {"plotdata.h", [] {
             PlotPoints points;
             points.insert(2.0, 3.0);
             return points.count() == 1;
         }},
        {"plotstyle.h", [] {
             PlotStyle style = StringToPlotAspect(PlotAspectToString(PlotStyle{}));
             return fixedLabel(QStringLiteral("a")).size() == 128 && style.Label == PlotStyle{}.Label;
         }},
        {"propertybag.h", [&] {
             const PropertyBag bag = chart.WriteProperties();
             return PropertyBag::fromText(bag.toText()).keys() == bag.keys() && sameValue(Variant(1.0), Variant(1.0));
         }},
        {"textmetrics.h", [] { return FontTextMetrics().width(QFont(), QStringLiteral("Heat")) > 0.0; }},
        {"ticks.h", [] {
             AxisInput in;
             in.lo = 0.0;
             in.hi = 10.0;
             AxisScale scale;
             CalcLinearTicks(in, scale);
             return scale.Count > 1 && defaultTimeStepTable()[2][0] == 4;
         }},
        {"variant.h", [] { return Variant::array1({1.0, 2.0}).isArray(); }},
        {"widget.h", [&] { return widget.scrH() != nullptr; }},
        {"colour.h", [] { return common::redOf(common::rgbColour(12, 34, 56)) == 12; }},
        {"error.h", [] {
             const common::Error own(5, QStringLiteral("Host"), QStringLiteral("own"));
             try {
                 common::raise(own.number(), own.withSource(QStringLiteral("Host.Again")).source());
             } catch (const common::Error& e) {
                 return e.source() == QStringLiteral("Host.Again") && e.description() == common::standardDescription(5);
             }
             return false;
         }},
        {"clsquickinfo.h", [] { return quickinfo::displayText(QStringLiteral("one")).contains(QStringLiteral("one")); }},
    };
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    VexachartWidget widget;
    Vexachart& chart = widget.chart();
    chart.setMaxCountOfPlots(4);
    chart.ClearAllPlotData();
    // Four (x, y) points, row by row.
    chart.InsertSingleDataArray(1, Variant::array2(4, 2, {1.0, 1.0, 2.0, 4.0, 3.0, 9.0, 4.0, 16.0}));
    chart.SetPlotLegendText(1, QStringLiteral("squares"));
    const QImage picture = chart.renderImage(QSize(320, 200));

    // An error the library raises, caught here.
    long caught = 0;
    try {
        chart.SetPlotVisible(-7, true);
    } catch (const common::Error& e) {
        caught = e.number();
    }

    quickinfo::clsQuickInfo tips;
    const bool attached = tips.Init(&widget) && tips.ControlAdd(&widget, QStringLiteral("a chart"));

    int failed = 0;
    for (const auto& [header, check] : headerChecks(widget)) {
        if (!check()) {
            std::printf("the call of %s gave another answer\n", header);
            ++failed;
        }
    }

    std::printf("picture %dx%d, error %ld caught, tooltip %s, %d header calls failed\n", picture.width(),
        picture.height(), caught, attached ? "attached" : "not attached", failed);
    return !picture.isNull() && caught != 0 && attached && failed == 0 ? 0 : 1;
}
