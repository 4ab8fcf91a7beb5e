#pragma once
// Paints the segments of one plot, or the grid. Collapsed dense data are mostly vertical spans,
// one per pixel column, and grid lines are vertical or horizontal; on a plain image with a thin
// opaque pen such lines are written straight into the scanlines, pixel for pixel as the painter
// would draw them, and everything else goes to the painter.
#include <QLineF>
#include <QPainter>
#include <functional>
#include <vector>

namespace vexachart {

// Draws the lines with the painter's pen, clip and hints, with the same pixels as drawLines().
void drawPlotLines(QPainter& painter, const QLineF* lines, int count);

// Draws single-colour markers with the same pixels as drawAll(painter, centres), which draws them
// with the painter's pen alone. Where the pen allows, one marker is drawn into a small stamp and
// the stamp is copied to every centre on a pixel centre well inside the picture; the others go to
// drawAll. reach is how far a marker extends from its centre in pixels.
void drawPenMarkers(QPainter& painter, const std::vector<QPointF>& centres, int reach,
    const std::function<void(QPainter&, const std::vector<QPointF>&)>& drawAll);

} // namespace vexachart
