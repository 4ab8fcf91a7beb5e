#pragma once
// Composes the output picture from the drawn areas of the enlarged chart: plot area and both
// scale strips, the corner between the strips, the frames around the plot area and the scales,
// the legend when it is shown, the title, the X-axis label and the turned Y-axis label.
// Everything is painted into an offscreen image; no window is touched.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

namespace vexachart {

// One drawn area and where it lies on the output picture (pixels).
struct OutputArea {
    QImage image;
    QRect rect;
};

struct OutputComposition {
    QSize frameSize;
    QColor frameBackground;
    OutputArea graph;
    OutputArea xScale;
    OutputArea yScale;
    OutputArea legend;
    OutputArea yLabel; // the turned Y-axis label
    bool showLegend = true;
    QColor chartBackground; // fills the corner between the two scale strips
    QColor scalesColour;    // frames
    QColor labelsColour;    // title and X-axis label
    QString title;
    QFont titleFont;
    QPoint titleTopLeft;
    QString xAxisLabel;
    QFont xAxisLabelFont;
    int xAxisLabelLeft = 0;
};

QImage composeOutputPicture(const OutputComposition& c);

} // namespace vexachart
