#include "chart/control/render.h"
#include "chart/control/chartmath.h"
#include "common/widgets/qtcolour.h"
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace vexachart {

namespace {

// Stored values are drawn clamped: colour components to 0..255, widths and sizes to 64 pixels.
constexpr int MaxDrawnPixels = 64;

QColor plotColour(const PlotStyle& s)
{
    return QColor(std::clamp<int>(s.RColor, 0, 255), std::clamp<int>(s.GColor, 0, 255), std::clamp<int>(s.BColor, 0, 255));
}

int drawnWidth(int stored) { return std::clamp(stored, 1, MaxDrawnPixels); }
int drawnSize(int stored) { return std::min(std::abs(stored), MaxDrawnPixels); }

QColor colour(common::ColourValue v) { return common::toQColor(v); }

// Prints text with the top of its cell at the given point, as a picture box prints at CurrentX/Y.
void printAt(QPainter& p, double x, double top, const QString& text)
{
    const QFontMetricsF fm(p.font(), p.device());
    p.drawText(QPointF(x, top + fm.ascent()), text);
}

void drawGridLine(QPainter& p, const QLineF& line, qint16 field, const QColor& grid)
{
    if (field == 5)
        return;
    QPen pen(grid, 0, field == 2 ? Qt::DotLine : Qt::SolidLine);
    p.setPen(pen);
    p.drawLine(line);
}

void drawScales(QPainter& p, const RenderInput& in, const QRect& g, const QRect& xs, const QRect& ys)
{
    const Vexachart& c = *in.chart;
    const Borders& b = in.scene->borders;
    const QColor grid = colour(c.ClrGrid());
    const QColor scales = colour(c.ClrScales());
    const qint16 field = c.GridStyle() == 1 ? 2 : c.GridStyle() == 2 ? 5 : 0;
    p.setFont(in.fonts.plot);
    const QFontMetricsF fm(in.fonts.plot, p.device());
    const double xScale = (g.width() - 1) / (b.X_Right - b.X_Left);
    const double yScale = (g.height() - 1) / (b.Y_Top - b.Y_Bottom);
    auto logIf = [](bool log, double v) { return log ? chartLog10(v) : v; };
    // X axis: a grid line for every tick, a label and mark only where the label does not touch the last one.
    double lastEnd = -1e99;
    for (int i = 1; i <= in.xScale->Count; ++i) {
        const ScaleTick& t = in.xScale->tick(i);
        double x = 0.0;
        try {
            x = g.left() + (logIf(c.XAxisLinLogMode() != 0, t.Value) - b.X_Left) * xScale;
        } catch (...) {
            continue;
        }
        p.setClipRect(g);
        drawGridLine(p, QLineF(x, g.top(), x, g.bottom()), field, grid);
        p.setClipRect(QRect(QPoint(0, xs.top()), QPoint(in.size.width(), xs.bottom())));
        const QString text = t.Label.trimmed();
        const double w = fm.horizontalAdvance(text);
        const double left = x - w / 2.0;
        if (left > lastEnd) {
            p.setPen(scales);
            printAt(p, left, xs.top() + 0.12 * xs.height(), text);
            p.setPen(QPen(grid, 0));
            p.drawLine(QLineF(x, xs.top(), x, xs.top() + 0.15 * xs.height()));
            lastEnd = left + fm.horizontalAdvance(text + QStringLiteral("  "));
        }
    }
    // Y axis: labels right-aligned two dash widths before the strip's edge, 0.8 text heights apart.
    const double th = fm.height();
    const double dash = fm.horizontalAdvance(QStringLiteral("-"));
    double lastEdge = 1e99;
    for (int i = 1; i <= in.yScale->Count; ++i) {
        const ScaleTick& t = in.yScale->tick(i);
        double y = 0.0;
        try {
            y = g.bottom() - (logIf(c.YAxisLinLogMode() != 0, t.Value) - b.Y_Bottom) * yScale;
        } catch (...) {
            continue;
        }
        p.setClipRect(g);
        drawGridLine(p, QLineF(g.left(), y, g.right(), y), field, grid);
        p.setClipRect(QRect(QPoint(ys.left(), 0), QPoint(ys.right(), in.size.height())));
        if (y < lastEdge) {
            p.setPen(QPen(grid, 0));
            p.drawLine(QLineF(ys.right() + 1 - dash, y, ys.right() + 1, y));
            const QString text = t.Label.trimmed();
            p.setPen(scales);
            printAt(p, ys.right() + 1 - fm.horizontalAdvance(text) - 2.0 * dash, y - th / 2.0, text);
            lastEdge = y - 0.8 * th;
        }
    }
    p.setClipping(false);
}

void drawPlots(QPainter& p, const RenderInput& in, const QRect& g)
{
    const Vexachart& c = *in.chart;
    p.setClipRect(g);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const Scene::Plot& plot : in.scene->plots) {
        if (plot.number < 1 || plot.number > c.MaxCountOfPlots())
            continue;
        const PlotStyle& s = c.plotStyle(plot.number);
        if (!s.Visible)
            continue;
        const QColor fore = plotColour(s);
        const int width = drawnWidth(s.LineWidth);
        QPen pen(fore, width == 1 ? 0 : width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        if (!plot.geometry.lines.empty())
            p.drawLines(plot.geometry.lines.data(), static_cast<int>(plot.geometry.lines.size()));
        const int size = drawnSize(s.MarkerSize);
        for (const QPointF& m : plot.geometry.markers)
            DrawMarker(p, s.Marker, size, m, fore, Qt::black);
    }
    p.setClipping(false);
}

void drawLegend(QPainter& p, const RenderInput& in, const QRect& area)
{
    const Vexachart& c = *in.chart;
    const LegendLayout& l = in.scene->legend;
    const double tpp = in.twipsPerPixel;
    p.fillRect(area, colour(c.ClrControlBackGround()));
    p.setFont(in.fonts.legend);
    const QColor chartBack = colour(c.ClrChartBackGround());
    for (const LegendEntry& e : l.entries) {
        const PlotStyle& s = c.plotStyle(e.plot);
        const double x = area.left() + e.x / tpp;
        const double y = area.top() + e.y / tpp;
        const double w = LegendSampleWidth / tpp;
        const double h = l.entryHeight / tpp;
        const QRectF box(x, y, w, h);
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(chartBack);
        p.drawRect(box);
        p.setBrush(Qt::NoBrush);
        const QColor fore = plotColour(s);
        if (s.LineWidth > 0) {
            // The sample line stays inside its box however wide the pen.
            const int width = std::min(drawnWidth(s.LineWidth), static_cast<int>(w / 2.0) - 1);
            const double d = std::max(1, width);
            p.setPen(QPen(fore, width <= 1 ? 0 : width, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QLineF(x + d, y + h / 2.0, x + w - d, y + h / 2.0));
        }
        DrawMarker(p, s.Marker, drawnSize(s.MarkerSize), QPointF(x + w / 2.0, y + h / 2.0), fore, Qt::black);
        p.setPen(colour(c.ClrLabels()));
        printAt(p, x + w + LegendGap / tpp, y, s.Label);
    }
}

void drawTurnedLabel(QPainter& p, const RenderInput& in, const QRect& r)
{
    const Vexachart& c = *in.chart;
    p.fillRect(r, colour(c.ClrControlBackGround()));
    p.save();
    p.setFont(in.fonts.labels);
    p.setPen(colour(c.ClrLabels()));
    // Turned counter-clockwise: the text reads from bottom to top, its first character at the bottom.
    p.translate(r.left(), r.bottom() + 1);
    p.rotate(-90.0);
    printAt(p, 0.0, 0.0, QLatin1Char(' ') + c.YAxisLabel() + QLatin1Char(' '));
    p.restore();
}

} // namespace

QRect toPixels(const TwipRect& r, double twipsPerPixel)
{
    auto px = [twipsPerPixel](double t) { return static_cast<int>(std::floor(t / twipsPerPixel + 0.5)); };
    const int left = px(r.left);
    const int top = px(r.top);
    return QRect(QPoint(left, top), QPoint(px(r.right()) - 1, px(r.bottom()) - 1));
}

void DrawMarker(QPainter& p, int style, int size, QPointF c, const QColor& fore, const QColor& fill)
{
    if (style < 1 || style > 7)
        return;
    const double r = size;
    const QPen saved = p.pen();
    const QBrush savedBrush = p.brush();
    QPen pen = saved;
    pen.setColor(fore);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    switch (style) {
    case 1: p.drawEllipse(c, r, r); break;
    case 2: p.drawRect(box); break;
    case 3:
        p.drawLine(box.topLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomLeft());
        break;
    case 4: p.fillRect(box, fore); p.drawRect(box); break;
    case 5:
        p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
        p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
        break;
    case 6: p.setBrush(fill); p.drawEllipse(c, r, r); break;
    case 7:
        p.drawLine(box.topLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomLeft());
        p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
        p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
        break;
    }
    p.setPen(saved);
    p.setBrush(savedBrush);
}

void paintChart(QPainter& p, const RenderInput& in)
{
    const Vexachart& c = *in.chart;
    const ChartLayout& l = in.scene->layout;
    const double tpp = in.twipsPerPixel;
    p.fillRect(QRect(QPoint(0, 0), in.size), colour(c.ClrControlBackGround()));
    const QRect g = toPixels(l.graph, tpp);
    const QRect xs = toPixels(l.xScale, tpp);
    const QRect ys = toPixels(l.yScale, tpp);
    const QColor chartBack = colour(c.ClrChartBackGround());
    p.fillRect(g, chartBack);
    p.fillRect(xs, chartBack);
    p.fillRect(ys, chartBack);
    if (in.output)
        p.fillRect(QRect(QPoint(ys.left(), ys.bottom() + 1), QPoint(xs.left() - 1, xs.bottom())), chartBack);
    if (in.flashMessage.isEmpty()) {
        drawScales(p, in, g, xs, ys);
        drawPlots(p, in, g);
    } else {
        p.setFont(in.fonts.plot);
        p.setPen(colour(c.ClrGrid()));
        p.drawText(g, Qt::AlignCenter, in.flashMessage);
    }
    // Frames: on screen a thin line around the areas, in the output the framed picture.
    const QColor scales = colour(c.ClrScales());
    if (in.output) {
        p.setPen(QPen(scales, 2));
        p.drawRect(g);
        p.drawRect(QRect(ys.topLeft(), xs.bottomRight()));
        p.setPen(QPen(scales, 0));
        p.drawRect(QRect(ys.topLeft(), QPoint(ys.right() + g.width(), xs.bottom())));
    } else {
        p.setPen(QPen(scales, 0));
        p.drawRect(g.adjusted(-1, -1, 0, 0));
        p.drawRect(toPixels(l.border, tpp).adjusted(0, 0, -1, -1));
    }
    if (l.legendVisible && c.ShowLegend())
        drawLegend(p, in, toPixels(l.legend, tpp));
    p.setPen(colour(c.ClrLabels()));
    p.setFont(in.fonts.title);
    printAt(p, l.title.left / tpp, l.title.top / tpp, c.Title());
    p.setFont(in.fonts.labels);
    if (in.output) {
        // The X label centred in the band between the X scale and the bottom edge.
        const QFontMetricsF fm(in.fonts.labels, p.device());
        const double bandTop = xs.bottom() + 1;
        printAt(p, l.labX.left / tpp, bandTop + (in.size.height() - bandTop) / 2.0 - fm.height() / 2.0, c.XAxisLabel());
    } else {
        printAt(p, l.labX.left / tpp, l.labX.top / tpp, c.XAxisLabel());
    }
    drawTurnedLabel(p, in, toPixels(l.labY, tpp));
    if (!in.output && c.BorderStyle() == 1) {
        p.setPen(QPen(Qt::black, 0));
        p.drawRect(QRect(QPoint(0, 0), in.size).adjusted(0, 0, -1, -1));
    }
}

} // namespace vexachart
