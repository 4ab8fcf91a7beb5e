#include "chart/control/render.h"
#include "chart/control/chartmath.h"
#include "chart/control/plotlines.h"
#include "common/widgets/qtcolour.h"
#include <QFontMetricsF>
#include <QHash>
#include <QRegion>
#include <QStaticText>
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

// A width in screen pixels (0 meaning the thinnest line) as drawn in this picture: a picture at a
// higher resolution looks like the screen picture enlarged, so its lines are as much wider.
int scaledWidth(const RenderInput& in, int screenPixels)
{
    return std::max(1, static_cast<int>(std::lround(std::max(1, screenPixels) * in.penScale)));
}

// A pen of the given screen width; one pixel stays the cosmetic pen, so the screen picture keeps
// its pixels and its fast paths.
QPen scaledPen(const RenderInput& in, const QColor& c, int screenPixels, Qt::PenStyle style = Qt::SolidLine)
{
    const int w = scaledWidth(in, screenPixels);
    return QPen(c, w == 1 ? 0 : w, style);
}

// A rectangle outline in the pen's colour covering exactly the rectangle's outermost pixels, as
// four solid fills (the fastest path), the given number of pixels thick inwards.
void outline(QPainter& p, const QRect& r, int thickness = 1)
{
    const QColor c = p.pen().color();
    const int t = std::max(1, thickness);
    if (t == 1 && r.width() > 1 && r.height() > 1) {
        // Four thin lines through the outermost pixel centres: the same pixels, written straight
        // into the picture where it can be.
        const double left = r.left() + 0.5, right = r.right() + 0.5, top = r.top() + 0.5, bottom = r.bottom() + 0.5;
        const QLineF sides[4] = {QLineF(left, top, right, top), QLineF(left, bottom, right, bottom),
            QLineF(left, top, left, bottom), QLineF(right, top, right, bottom)};
        const QPen saved = p.pen();
        p.setPen(QPen(c, 0));
        drawPlotLines(p, sides, 4);
        p.setPen(saved);
        return;
    }
    p.fillRect(QRect(r.left(), r.top(), r.width(), t), c);
    p.fillRect(QRect(r.left(), r.bottom() + 1 - t, r.width(), t), c);
    p.fillRect(QRect(r.left(), r.top(), t, r.height()), c);
    p.fillRect(QRect(r.right() + 1 - t, r.top(), t, r.height()), c);
}

// Width of the output picture's frame lines around the plot area and the scale strips.
int outputFrameWidth(double penScale)
{
    return std::max(1, static_cast<int>(std::lround(2 * penScale)));
}

// Prints texts in the painter's current font with the top of their cell at the given point, as a
// picture box prints at CurrentX/CurrentY, and measures them. The layout and the width of each
// text are kept between redraws (the same labels come back every time), keyed by font and
// resolution of the surface.
class TextPrinter {
public:
    explicit TextPrinter(QPainter& p) : m_painter(p)
    {
        // The few fonts of a chart come back on every redraw: their keys are made once.
        struct Known {
            QFont font;
            int dpi;
            QFont deviceFont;
            QString prefix;
            double ascent;
            double height;
        };
        thread_local std::vector<Known> known;
        const QFont& f = p.font();
        const int dpi = p.device()->logicalDpiY();
        auto it = std::find_if(known.begin(), known.end(), [&](const Known& k) { return k.dpi == dpi && k.font == f; });
        if (it == known.end()) {
            if (known.size() > 16)
                known.clear();
            QFont deviceFont(f, p.device());
            QString prefix = fontKey(deviceFont) + QChar(0x1F) + QString::number(dpi) + QChar(0x1F);
            const QFontMetricsF fm(f, p.device());
            known.push_back({f, dpi, deviceFont, prefix, fm.ascent(), fm.height()});
            it = known.end() - 1;
        }
        m_font = it->deviceFont;
        m_prefix = it->prefix;
        m_ascent = it->ascent;
        m_height = it->height;
    }
    double height() const { return m_height; }
    void print(double x, double top, const QString& text)
    {
        if (!m_painter.transform().isIdentity()) {
            m_painter.drawText(QPointF(x, top + m_ascent), text);
            return;
        }
        thread_local QHash<QString, QStaticText> cache;
        const QString key = m_prefix + text;
        auto it = cache.find(key);
        if (it == cache.end()) {
            if (cache.size() > 500)
                cache.clear();
            QStaticText st(text);
            st.setTextFormat(Qt::PlainText);
            st.setPerformanceHint(QStaticText::AggressiveCaching);
            st.prepare(QTransform(), m_font);
            it = cache.insert(key, st);
        }
        m_painter.drawStaticText(QPointF(x, top), it.value());
    }
    // The advance width of the text in the painter's font on its surface.
    double width(const QString& text)
    {
        thread_local QHash<QString, double> widths;
        const QString key = m_prefix + text;
        auto it = widths.constFind(key);
        if (it != widths.constEnd())
            return it.value();
        if (widths.size() > 500)
            widths.clear();
        const double w = QFontMetricsF(m_painter.font(), m_painter.device()).horizontalAdvance(text);
        widths.insert(key, w);
        return w;
    }

private:
    QPainter& m_painter;
    QFont m_font;
    QString m_prefix;
    double m_ascent = 0.0;
    double m_height = 0.0;
};

void printAt(QPainter& p, double x, double top, const QString& text)
{
    TextPrinter(p).print(x, top, text);
}

// Trailing blanks print as nothing: leaving them out gives the same pixels for less text work.
QString withoutTrailingBlanks(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return s.left(n);
}

// A marker size in screen pixels as drawn in this picture.
int scaledSize(const RenderInput& in, int screenPixels)
{
    return static_cast<int>(std::lround(screenPixels * in.penScale));
}

// Where a text of the given extent starts so that it lies inside [from, to): at its wanted start
// when it fits there, else moved back inside; one longer than the room starts at from.
double keptInside(double wanted, double extent, double from, double to)
{
    return std::max(from, std::min(wanted, to - extent));
}

// g is the plot area's client rectangle, xs and ys the two strips. The grid is drawn into the plot
// area only when asked for. Each strip's labels are cut at the strip's edges and at the frame
// lines that lie inside it: on screen the outer frame's left and top lines over the Y strip, in
// the output the frame around both strips. A label at a strip's end is moved inside so that it
// shows whole; its tick mark stays at the tick.
void drawScales(QPainter& p, const RenderInput& in, const QRect& g, const QRect& xs, const QRect& ys, bool grid)
{
    const int inset = plotFrameInset(in.output, in.penScale);
    const QRect xClip = in.output ? xs.adjusted(0, 0, -inset, -inset) : xs;
    const QRect yClip = ys.adjusted(inset, inset, 0, 0);
    const Vexachart& c = *in.chart;
    const Borders& b = in.scene->borders;
    const QColor gridColour = colour(c.ClrGrid());
    const QColor scales = colour(c.ClrScales());
    const qint16 gridStyle = c.GridStyle();
    p.setFont(in.fonts.plot);
    TextPrinter printer(p);
    const double xScale = (g.width() - 1) / (b.X_Right - b.X_Left);
    const double yScale = (g.height() - 1) / (b.Y_Top - b.Y_Bottom);
    auto position = [](bool log, double v, double& out) {
        if (log && !(v > 0.0))
            return false;
        out = log ? chartLog10(v) : v;
        return true;
    };
    std::vector<double> xPos, yPos;
    for (int i = 1; i <= in.xScale->Count; ++i) {
        double v = 0.0;
        xPos.push_back(position(c.XAxisLinLogMode() != 0, in.xScale->tick(i).Value, v)
                ? g.left() + (v - b.X_Left) * xScale : std::nan(""));
    }
    for (int i = 1; i <= in.yScale->Count; ++i) {
        double v = 0.0;
        yPos.push_back(position(c.YAxisLinLogMode() != 0, in.yScale->tick(i).Value, v)
                ? g.bottom() + 0.5 - (v - b.Y_Bottom) * yScale : std::nan("")); // on row centres, as the plots
    }
    // Grid: a line for every tick (none when the grid style is invisible).
    if (grid && gridStyle != 2) {
        p.setClipRect(g);
        p.setPen(scaledPen(in, gridColour, 0, gridStyle == 1 ? Qt::DotLine : Qt::SolidLine));
        std::vector<QLineF> lines;
        for (double x : xPos)
            if (std::isfinite(x))
                lines.emplace_back(x, g.top(), x, g.bottom());
        for (double y : yPos)
            if (std::isfinite(y))
                lines.emplace_back(g.left(), y, g.right(), y);
        drawPlotLines(p, lines.data(), static_cast<int>(lines.size()));
    }
    // X labels centred under their ticks, left out where they would touch the last one printed.
    p.setClipRect(xClip);
    std::vector<QLineF> marks;
    double lastEnd = -1e99;
    p.setPen(scales);
    for (int i = 1; i <= in.xScale->Count; ++i) {
        const double x = xPos[static_cast<size_t>(i - 1)];
        if (!std::isfinite(x))
            continue;
        const QString text = in.xScale->tick(i).Label.trimmed();
        const double w = printer.width(text);
        const double left = keptInside(x - w / 2.0, w, xClip.left(), xClip.right() + 1.0);
        if (left > lastEnd) {
            printer.print(left, xs.top() + 0.12 * xs.height(), text);
            marks.emplace_back(x, xs.top(), x, xs.top() + 0.15 * xs.height());
            lastEnd = left + w + printer.width(QStringLiteral("  "));
        }
    }
    p.setPen(scaledPen(in, gridColour, 0));
    drawPlotLines(p, marks.data(), static_cast<int>(marks.size()));
    marks.clear();
    // Y labels right-aligned two dash widths before the strip's edge, 0.8 text heights apart.
    p.setClipRect(yClip);
    const double th = printer.height();
    const double dash = printer.width(QStringLiteral("-"));
    const double yEdge = ys.right() + 1; // the strip's right edge
    double lastEdge = 1e99;
    p.setPen(scales);
    for (int i = 1; i <= in.yScale->Count; ++i) {
        const double y = yPos[static_cast<size_t>(i - 1)];
        if (!std::isfinite(y))
            continue;
        const double top = keptInside(y - th / 2.0, th, yClip.top(), yClip.bottom() + 1.0);
        if (!(top + th / 2.0 < lastEdge))
            continue;
        marks.emplace_back(yEdge - dash, y, yEdge, y);
        const QString text = in.yScale->tick(i).Label.trimmed();
        printer.print(yEdge - printer.width(text) - 2.0 * dash, top, text);
        lastEdge = top + th / 2.0 - 0.8 * th;
    }
    p.setPen(scaledPen(in, gridColour, 0));
    drawPlotLines(p, marks.data(), static_cast<int>(marks.size()));
    p.setClipping(false);
}

// The markers of one plot: the line and box styles in one call each, the circles one by one.
void drawMarkers(QPainter& p, int style, int size, const std::vector<QPointF>& centres, const QColor& fore)
{
    if (centres.empty() || style < 1 || style > 7)
        return;
    const double r = size;
    const bool cross = style == 3 || style == 7;
    const bool upright = style == 5 || style == 7;
    if (cross || upright) {
        drawPenMarkers(p, centres, size, [&](QPainter& q, const std::vector<QPointF>& at) {
            std::vector<QLineF> lines;
            lines.reserve(at.size() * (cross && upright ? 4 : 2));
            for (const QPointF& c : at) {
                if (cross) {
                    lines.emplace_back(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
                    lines.emplace_back(c.x() + r, c.y() - r, c.x() - r, c.y() + r);
                }
                if (upright) {
                    lines.emplace_back(c.x(), c.y() - r, c.x(), c.y() + r);
                    lines.emplace_back(c.x() - r, c.y(), c.x() + r, c.y());
                }
            }
            q.drawLines(lines.data(), static_cast<int>(lines.size()));
        });
        return;
    }
    if (style == 2) {
        p.setBrush(Qt::NoBrush);
        drawPenMarkers(p, centres, size, [&](QPainter& q, const std::vector<QPointF>& at) {
            std::vector<QRectF> boxes;
            boxes.reserve(at.size());
            for (const QPointF& c : at)
                boxes.emplace_back(c.x() - r, c.y() - r, 2 * r, 2 * r);
            q.setBrush(Qt::NoBrush);
            q.drawRects(boxes.data(), static_cast<int>(boxes.size()));
        });
        return;
    }
    for (const QPointF& c : centres)
        DrawMarker(p, style, size, c, fore, Qt::black);
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
        // A pen wider than one pixel is not cosmetic, so the plot lines take the painter's path.
        const int width = scaledWidth(in, drawnWidth(s.LineWidth));
        QPen pen(fore, width == 1 ? 0 : width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        drawPlotLines(p, plot.geometry.lines.data(), static_cast<int>(plot.geometry.lines.size()));
        drawMarkers(p, s.Marker, scaledSize(in, drawnSize(s.MarkerSize)), plot.geometry.markers, fore);
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
    TextPrinter printer(p);
    const QColor chartBack = colour(c.ClrChartBackGround());
    for (const LegendEntry& e : l.entries) {
        if (e.plot < 1 || e.plot > c.MaxCountOfPlots())
            continue; // the number of plots changed since the legend was laid out
        const PlotStyle& s = c.plotStyle(e.plot);
        const double x = area.left() + e.x / tpp;
        const double y = area.top() + e.y / tpp;
        const double w = LegendSampleWidth / tpp;
        const double h = l.entryHeight / tpp;
        const QRect box = QRectF(x, y, w, h).toRect();
        p.fillRect(box, chartBack);
        const int frame = scaledWidth(in, 0);
        p.setPen(scaledPen(in, Qt::black, 0));
        outline(p, box, frame);
        const QColor fore = plotColour(s);
        if (s.LineWidth > 0) {
            // The sample line stays inside its box however wide the pen.
            const int width = std::min(scaledWidth(in, drawnWidth(s.LineWidth)), static_cast<int>(w / 2.0) - frame);
            const double d = std::max(frame, width);
            p.setPen(QPen(fore, width <= 1 ? 0 : width, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QLineF(x + d, y + h / 2.0, x + w - d, y + h / 2.0));
        }
        DrawMarker(p, s.Marker, scaledSize(in, drawnSize(s.MarkerSize)), QPointF(x + w / 2.0, y + h / 2.0), fore, Qt::black);
        p.setPen(colour(c.ClrLabels()));
        printer.print(x + w + LegendGap / tpp, y, withoutTrailingBlanks(s.Label));
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

int plotFrameInset(bool output, double penScale)
{
    // An outline w pixels wide centred on an edge covers (w + 1) / 2 pixels inside it.
    return output ? (outputFrameWidth(penScale) + 1) / 2 : 1;
}

QRect plotClientRect(const QRect& graph, bool output, double penScale)
{
    const int i = plotFrameInset(output, penScale);
    return graph.adjusted(i, i, -i, -i);
}

namespace {

struct ChartAreas {
    QRect graph, xScale, yScale;
    QRegion chart; // the plot area and the strips (in the output also the corner between the strips)
};

ChartAreas chartAreas(const RenderInput& in)
{
    const ChartLayout& l = in.scene->layout;
    const double tpp = in.twipsPerPixel;
    ChartAreas a{toPixels(l.graph, tpp), toPixels(l.xScale, tpp), toPixels(l.yScale, tpp), {}};
    a.chart = QRegion(a.graph) | QRegion(a.xScale) | QRegion(a.yScale);
    if (in.output)
        a.chart |= QRegion(QRect(QPoint(a.yScale.left(), a.yScale.bottom() + 1), QPoint(a.xScale.left() - 1, a.xScale.bottom())));
    return a;
}

QRegion controlBackground(const RenderInput& in, const ChartAreas& a)
{
    return QRegion(QRect(QPoint(0, 0), in.size)).subtracted(a.chart);
}

// Everything drawn after the plots: the frames, the legend, the titles, the turned label and the
// control's border.
void drawSurroundings(QPainter& p, const RenderInput& in, const ChartAreas& a)
{
    const Vexachart& c = *in.chart;
    const ChartLayout& l = in.scene->layout;
    const double tpp = in.twipsPerPixel;
    const QRect& g = a.graph;
    const QRect& xs = a.xScale;
    const QRect& ys = a.yScale;
    // Frames: on screen a thin line around the areas, in the output the framed picture.
    const QColor scales = colour(c.ClrScales());
    if (in.output) {
        p.setPen(scaledPen(in, scales, 2));
        p.drawRect(g);
        p.drawRect(QRect(ys.topLeft(), xs.bottomRight()));
        p.setPen(scaledPen(in, scales, 0));
        p.drawRect(QRect(ys.topLeft(), QPoint(ys.right() + g.width(), xs.bottom())));
    } else {
        p.setPen(QPen(scales, 0));
        outline(p, g);
        outline(p, toPixels(l.border, tpp));
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
        outline(p, QRect(QPoint(0, 0), in.size).adjusted(0, 0, -1, -1));
    }
}

} // namespace

void paintChart(QPainter& p, const RenderInput& in)
{
    const Vexachart& c = *in.chart;
    const ChartAreas a = chartAreas(in);
    const QRect client = plotClientRect(a.graph, in.output, in.penScale);
    // The plot area and the strips on the chart colour, the rest on the control colour: each
    // pixel is filled once.
    const QColor controlBack = colour(c.ClrControlBackGround());
    for (const QRect& r : controlBackground(in, a))
        p.fillRect(r, controlBack);
    const QColor chartBack = colour(c.ClrChartBackGround());
    for (const QRect& r : a.chart)
        p.fillRect(r, chartBack);
    if (in.flashMessage.isEmpty()) {
        drawScales(p, in, client, a.xScale, a.yScale, true);
        drawPlots(p, in, client);
    } else {
        // Only the plot area is cleared for the message; the strips keep their labels.
        drawScales(p, in, client, a.xScale, a.yScale, false);
        p.setFont(in.fonts.plot);
        p.setPen(colour(c.ClrGrid()));
        p.drawText(client, Qt::AlignCenter, in.flashMessage);
    }
    drawSurroundings(p, in, a);
}

void paintSurroundings(QPainter& p, const RenderInput& in)
{
    const ChartAreas a = chartAreas(in);
    const QRegion outside = controlBackground(in, a);
    p.save();
    p.setClipRegion(outside);
    const QColor controlBack = colour(in.chart->ClrControlBackGround());
    for (const QRect& r : outside)
        p.fillRect(r, controlBack);
    drawSurroundings(p, in, a);
    p.restore();
}

} // namespace vexachart
