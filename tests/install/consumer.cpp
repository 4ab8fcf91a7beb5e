// A program outside the project that uses the installed libraries through their installed
// headers only: places a chart, fills and renders it, catches the chart's error across the
// library boundary, and attaches the tooltip class. Exit code 0 when all of that works.
#include <chart/control/vexachart.h>
#include <common/error.h>
#include <tooltip/clsquickinfo.h>

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vexachart::VexachartWidget widget;
    vexachart::Vexachart& chart = widget.chart();
    chart.setMaxCountOfPlots(4);
    chart.ClearAllPlotData();
    // Four (x, y) points, row by row.
    chart.InsertSingleDataArray(1, vexachart::Variant::array2(4, 2, {1.0, 1.0, 2.0, 4.0, 3.0, 9.0, 4.0, 16.0}));
    chart.SetPlotLegendText(1, QStringLiteral("squares"));
    const QImage picture = chart.renderImage(QSize(320, 200));

    long caught = 0;
    try {
        chart.SetPlotVisible(-7, true);
    } catch (const common::Error& e) {
        caught = e.number();
    }

    quickinfo::clsQuickInfo tips;
    const bool attached = tips.Init(&widget) && tips.ControlAdd(&widget, QStringLiteral("a chart"));

    std::printf("picture %dx%d, error %ld caught, tooltip %s\n", picture.width(), picture.height(), caught,
                attached ? "attached" : "not attached");
    return !picture.isNull() && caught != 0 && attached ? 0 : 1;
}
