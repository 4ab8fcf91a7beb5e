#include "chart/control/layout.h"

namespace vexachart {

namespace {
// A width or height below zero is refused: the area keeps its previous size.
void setSize(double& field, double value)
{
    if (value >= 0.0)
        field = value;
}
}

ChartLayout ArrangeChart(const LayoutInput& in, const ChartLayout& previous)
{
    if (!in.arrangeEnabled)
        return previous;
    ChartLayout l = previous;
    const double thickness = in.zoomEnabled ? 252.0 : 30.0;
    l.title.top = TitleTop;
    l.title.width = in.titleSize.width();
    l.title.height = in.titleSize.height();
    l.labX.width = in.labXSize.width();
    l.labX.height = in.labXSize.height();
    l.labY.width = in.labYSize.width();
    l.labY.height = in.labYSize.height();
    l.xScale.height = in.xScaleHeight;
    setSize(l.scrH.height, thickness);
    setSize(l.scrV.width, thickness);
    l.graph.top = l.title.height + 240.0;
    l.scrV.top = l.yScale.top = l.legend.top = l.graph.top;
    l.labX.top = in.frameHeight - l.labX.height - 60.0;
    setSize(l.graph.height, in.frameHeight - l.title.height - 240.0 - l.labX.height - 120.0 - l.scrH.height
            - l.xScale.height);
    setSize(l.scrV.height, l.graph.height);
    setSize(l.yScale.height, l.graph.height);
    l.xScale.top = l.graph.top + l.graph.height;
    l.scrH.top = l.graph.top + l.graph.height + l.xScale.height;
    l.labY.top = l.graph.top + l.graph.height / 2.0 - l.labY.height / 2.0;
    l.border.top = l.yScale.top;
    setSize(l.border.height, l.scrH.top + l.scrH.height - l.border.top);
    setSize(l.yScale.width, in.yStripWidth);
    double stripLeft = 0.0;
    if (!in.outputInProgress) {
        l.labY.left = 60.0;
        stripLeft = 60.0 + l.labY.width + 60.0;
    } else {
        l.labY.left = 120.0;
        stripLeft = 2.0 * l.labY.left + l.labY.width;
    }
    l.yScale.left = stripLeft;
    l.title.left = l.yScale.left;
    const double plotLeft = l.yScale.left + l.yScale.width;
    l.graph.left = l.scrH.left = l.xScale.left = plotLeft;
    l.legendVisible = in.showLegend;
    if (in.showLegend) {
        if (in.legendSize) {
            const QSizeF s = in.legendSize(l.graph.top, l.graph.height);
            l.legend.width = s.width();
            l.legend.height = s.height();
        }
        setSize(l.graph.width, in.frameWidth - l.legend.width - l.scrV.width - l.graph.left - 120.0);
    } else if (!in.outputInProgress) {
        setSize(l.graph.width, in.frameWidth - l.graph.left - l.scrV.width - 200.0);
    } else {
        setSize(l.graph.width,
            (in.frameWidth - l.graph.left) - (in.frameHeight - l.xScale.top - l.xScale.height));
    }
    l.labX.left = l.graph.left + l.graph.width / 2.0 - l.labX.width / 2.0;
    l.scrV.left = l.graph.left + l.graph.width;
    l.scrH.width = l.xScale.width = l.graph.width;
    l.border.left = l.yScale.left;
    setSize(l.border.width, l.scrV.left + l.scrV.width - l.border.left);
    l.legend.left = l.scrV.left + l.scrV.width + 25.0;
    return l;
}

ChartLayout ArrangeScales(const LayoutInput& in, const ChartLayout& previous)
{
    ChartLayout l = previous;
    setSize(l.yScale.width, in.yStripWidth);
    const double plotLeft = l.yScale.left + l.yScale.width;
    l.graph.left = l.scrH.left = l.xScale.left = plotLeft;
    if (in.showLegend)
        setSize(l.graph.width, in.frameWidth - l.legend.width - l.scrV.width - l.graph.left - 120.0);
    else
        setSize(l.graph.width, in.frameWidth - l.scrV.width - l.graph.left - 200.0);
    l.scrH.width = l.xScale.width = l.graph.width;
    l.labX.left = l.graph.left + l.graph.width / 2.0 - l.labX.width / 2.0;
    return l;
}

} // namespace vexachart
