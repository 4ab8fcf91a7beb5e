#include "chart/control/zoomchart.h"

namespace vexachart {

QSizeF ChartZoomHost::plotAreaPixels() const
{
    const TwipRect& graph = m_chart.scene().layout.graph;
    const double tpp = m_chart.twipsPerPixel();
    return {graph.width / tpp, graph.height / tpp};
}

} // namespace vexachart
