#pragma once
// Paints the segments of one plot. Collapsed dense data are mostly vertical spans, one per pixel
// column; on a plain image with a thin opaque pen they are written straight into the scanlines,
// pixel for pixel as the painter would draw them, and everything else goes to the painter.
#include <QLineF>
#include <QPainter>

namespace vexachart {

// Draws the lines with the painter's pen, clip and hints, with the same pixels as drawLines().
void drawPlotLines(QPainter& painter, const QLineF* lines, int count);

} // namespace vexachart
