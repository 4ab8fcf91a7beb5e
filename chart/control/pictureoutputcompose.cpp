#include "chart/control/pictureoutputcompose.h"
#include <QFontMetricsF>
#include <QPainter>

namespace vexachart {
namespace {

void drawArea(QPainter& p, const OutputArea& area)
{
    if (!area.image.isNull() && !area.rect.isEmpty())
        p.drawImage(area.rect, area.image);
}

// Outline whose outer edges are the rectangle's edges (x1, y1)..(x2, y2), exclusive ends.
void outline(QPainter& p, QPoint topLeft, QPoint bottomRightExclusive, int width)
{
    const double inset = width / 2.0;
    p.drawRect(QRectF(QPointF(topLeft) + QPointF(inset, inset),
                      QPointF(bottomRightExclusive) - QPointF(inset, inset)));
}

// Prints text with the top of its cell at `top`.
void printText(QPainter& p, const QString& text, const QFont& font, double left, double top)
{
    p.setFont(font);
    const QFontMetricsF m(font, p.device());
    p.drawText(QPointF(left, top + m.ascent()), text);
}

} // namespace

QImage composeOutputPicture(const OutputComposition& c)
{
    QImage out(c.frameSize, QImage::Format_RGB32);
    out.fill(c.frameBackground);
    QPainter p(&out);

    drawArea(p, c.graph);
    drawArea(p, c.xScale);
    drawArea(p, c.yScale);

    // The corner left of the X scale and below the Y scale.
    const QRect& ys = c.yScale.rect;
    const QRect& xs = c.xScale.rect;
    const QRect& g = c.graph.rect;
    p.fillRect(QRect(QPoint(ys.left(), ys.top() + ys.height()), QPoint(xs.left() - 1, xs.top() + xs.height() - 1)),
               c.chartBackground);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.scalesColour, 2));
    outline(p, g.topLeft(), QPoint(g.left() + g.width(), g.top() + g.height()), 2);
    outline(p, ys.topLeft(), QPoint(xs.left() + xs.width(), xs.top() + xs.height()), 2);
    p.setPen(QPen(c.scalesColour, 1));
    outline(p, ys.topLeft(), QPoint(ys.left() + ys.width() + g.width(), g.top() + g.height() + xs.height()), 1);

    if (c.showLegend)
        drawArea(p, c.legend);

    p.setPen(c.labelsColour);
    printText(p, c.title, c.titleFont, c.titleTopLeft.x(), c.titleTopLeft.y());
    // The X-axis label is centred in the band between the X scale and the bottom of the picture.
    const double bandTop = xs.top() + xs.height();
    const double h = QFontMetricsF(c.xAxisLabelFont, p.device()).height();
    printText(p, c.xAxisLabel, c.xAxisLabelFont, c.xAxisLabelLeft,
              bandTop + (c.frameSize.height() - bandTop) / 2.0 - h / 2.0);

    drawArea(p, c.yLabel);
    p.end();
    return out;
}

} // namespace vexachart
