// The redraw: borders, tick tables, layout, plot geometry, scroll bars, the message flash and
// the cursor modes.
#include "chart/control/chart.h"
#include "chart/control/chartmath.h"
#include "chart/control/chartservices.h"
#include "chart/control/errortexts.h"
#include "chart/control/render.h"
#include "common/checked.h"
#include "common/error.h"
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace vexachart {

using common::Error;

namespace {

bool finiteBorders(const Borders& b)
{
    return std::isfinite(b.X_Left) && std::isfinite(b.X_Right) && std::isfinite(b.Y_Bottom) && std::isfinite(b.Y_Top);
}

double yStripWidth(const AxisScale& ys, const TextMetrics& m, const QFont& font)
{
    if (ys.Count == 0)
        return 0.0;
    int widest = 1;
    double widestWidth = -1.0;
    for (int i = 1; i <= ys.Count; ++i) {
        const double w = m.width(font, ys.tick(i).Label);
        if (w > widestWidth) {
            widestWidth = w;
            widest = i;
        }
    }
    return m.width(font, QLatin1Char(' ') + ys.tick(widest).Label + QStringLiteral("    "));
}

ScrollValues scrollModel(double G, double S, double lo, double gMin, bool vertical, int current)
{
    ScrollValues v;
    if (!(std::isfinite(G) && G > 0.0) || !(S < G))
        return v; // no range: Min = Max = Value = 10000
    auto i16 = [](double x, double a, double b) { return static_cast<int>(common::toInt16(std::clamp(x, a, b))); };
    v.max = 10000;
    v.min = i16(10000.0 - (G - S) * 10000.0 / G, 0.0, 10000.0);
    v.largeChange = std::max(1, i16(v.max * S / G, 0.0, 10000.0));
    v.smallChange = std::max(1, i16(v.max * 0.1 * S / G, 0.0, 10000.0));
    const double ratio = (lo - gMin) / (G - S);
    if (!vertical) {
        v.value = i16(v.min + (v.max - v.min) * ratio, v.min, v.max);
    } else {
        // The whole number is compared: a thumb at the top end comes out a hair below Min before
        // rounding, and must still follow the display there.
        const int whole = i16(v.max - (v.max - v.min) * ratio, -1.0, v.max);
        v.value = whole < v.min ? std::clamp(current, v.min, v.max) : whole;
    }
    return v;
}

} // namespace

LayoutInput Vexachart::layoutInput(const ChartLayout&, bool output, const QFont& title, const QFont& labels,
    const QFont& plot, const QFont& legend, double frameW, double frameH) const
{
    const TextMetrics& m = *m_metrics;
    LayoutInput in;
    in.frameWidth = frameW;
    in.frameHeight = frameH;
    in.titleSize = QSizeF(m.width(title, m_title), m.height(title, m_title));
    in.labXSize = QSizeF(m.width(labels, m_xLabel), m.height(labels, m_xLabel));
    in.xScaleHeight = m.height(plot, QStringLiteral("Yy")) * 1.4;
    const QString s = QLatin1Char(' ') + m_yLabel + QLatin1Char(' ');
    in.labYSize = QSizeF(m.height(labels, s), m.width(labels, s));
    in.showLegend = m_showLegend;
    in.zoomEnabled = m_menuZoom;
    in.outputInProgress = output;
    in.arrangeEnabled = m_arrangeEnabled;
    in.legendSize = [this, &m, legend](double, double graphHeight) {
        const LegendLayout l = layoutLegend(m_styles, graphHeight, m, legend);
        return QSizeF(l.width, l.height);
    };
    return in;
}

void Vexachart::CalcScales()
{
    // The X table, then the Y table. Each axis is computed on its own (a failed X axis leaves no
    // stale Y table behind); a failed one keeps what it wrote before the failure, and one message
    // covers the pass.
    bool failed = false;
    for (int axis = 0; axis < 2; ++axis) {
        AxisInput in;
        in.axis = axis;
        in.lo = axis == 0 ? m_display.X_Left : m_display.Y_Bottom;
        in.hi = axis == 0 ? m_display.X_Right : m_display.Y_Top;
        in.linLogMode = axis == 0 ? m_xMode : m_yMode;
        in.notation = axis == 0 ? m_xNotation : m_yNotation;
        in.locale = m_locale;
        in.metrics = m_metrics.get();
        in.font = m_fontPlot;
        in.axisLength = axis == 0 ? m_scene.layout.graph.width : m_scene.layout.graph.height;
        if (in.axisLength <= 0.0)
            in.axisLength = axis == 0 ? m_framePx.width() * twipsPerPixel() * 0.7
                                      : m_framePx.height() * twipsPerPixel() * 0.6;
        in.timeFormats = &m_timeFormats;
        in.timeSteps = &m_timeSteps;
        AxisScale& table = axis == 0 ? m_xScale : m_yScale;
        try {
            if (in.linLogMode != 0)
                CalcLogTicks(in, table);
            else if (in.notation == 2)
                CalcTimeTicks(in, table);
            else
                CalcLinearTicks(in, table);
        } catch (const Error&) {
            failed = true;
        }
    }
    if (failed)
        FlashGraphMessage(texts::flashGrids());
}

DrawResult Vexachart::DrawChart(std::optional<Borders> newBorders, DrawOrigin origin)
{
    try {
        if (newBorders) {
            const Borders& n = *newBorders;
            if (!finiteBorders(n) || !mappableSpan(n.xSpan()) || !mappableSpan(n.ySpan()))
                common::raise(common::errc::InvalidArgument);
            if (origin == DrawOrigin::Interactive) {
                const double zx = m_xSpan / n.xSpan();
                const double zy = m_ySpan / n.ySpan();
                if (std::min(zx, zy) > 250.0) {
                    if (m_menuCursor)
                        SelectCursor();
                    return DrawResult::ZoomRefused;
                }
                if (m_global.xSpan() / n.xSpan() > 1000000.0 || m_global.ySpan() / n.ySpan() > 1000000.0)
                    return DrawResult::Refused;
            }
            m_display = n;
            m_xSpan = m_display.xSpan();
            m_ySpan = m_display.ySpan();
            if (!m_flashMessage.isEmpty()) {
                // A new range asked for while a message is shown replaces the pending reset.
                m_flashTimer->stop();
                m_flashMessage.clear();
                m_flashReady = true;
            }
        }
        CalcScales();
        const double tpp = twipsPerPixel();
        const double fw = m_framePx.width() * tpp;
        const double fh = m_framePx.height() * tpp;
        const LayoutInput in = layoutInput(m_scene.layout, m_outputInProgress, m_fontTitle, m_fontLabels, m_fontPlot, m_fontLegend, fw, fh);
        LayoutInput li = in;
        li.yStripWidth = yStripWidth(m_yScale, *m_metrics, m_fontPlot);
        const bool full = !newBorders || m_forceFullLayout;
        m_forceFullLayout = false;
        m_scene.layout = full ? ArrangeChart(li, m_scene.layout) : ArrangeScales(li, m_scene.layout);
        if (m_showLegend || !newBorders)
            m_scene.legend = layoutLegend(m_styles, m_scene.layout.graph.height, *m_metrics, m_fontLegend);
        buildPlots();
        if (newBorders)
            computeScroll();
        ++m_redrawCount;
        paintPicture();
        const BorderValues v = GetDisplayBorders();
        auto q = [](const Variant& x) { return x.isText() ? QVariant(x.toString()) : QVariant(x.toDouble()); };
        emit DisplayRangeChanged(q(v.X_Left), q(v.X_Right), q(v.Y_Bottom), q(v.Y_Top));
        return DrawResult::Drawn;
    } catch (const Error&) {
        FlashGraphMessage(texts::flashRange());
        return DrawResult::Refused;
    }
}

void Vexachart::buildPlots()
{
    m_scene.borders = m_display;
    m_scene.plots.resize(m_styles.size());
    const QRect g = plotClientPixels(m_outputInProgress);
    for (size_t i = 0; i < m_styles.size(); ++i) {
        Scene::Plot& plot = m_scene.plots[i];
        plot.number = static_cast<int>(i) + 1;
        plot.geometry.clear();
        const PlotStyle& s = m_styles[i];
        // Nothing is drawn into a plot area under one pixel.
        if (!s.Visible || g.width() < 1 || g.height() < 1)
            continue;
        const AxisMap mx{m_display.X_Left, g.left() + 0.0, (g.width() - 1) / m_xSpan};
        // Values map onto pixel centres: x through the column snap of the geometry, y here, so that
        // the bottom and top borders fall on the middle of the area's last and first rows.
        const AxisMap my{m_display.Y_Bottom, g.bottom() + 0.5, -(g.height() - 1) / m_ySpan};
        GeometryOptions opt;
        opt.dx2 = 2.0 * m_xSpan / g.width();
        opt.dy2 = 2.0 * m_ySpan / g.height();
        opt.lines = s.LineWidth > 0;
        opt.markers = s.Marker >= 1 && s.Marker <= 7;
        opt.pixelOutput = true;
        opt.collapseColumns = s.LineWidth <= 1;
        // Style 6 fills black inside a coloured outline: there the order of overlapping markers shows.
        opt.dedupeMarkers = s.Marker != 6;
        opt.areaLeft = g.left();
        opt.areaTop = g.top();
        opt.areaWidth = g.width();
        opt.areaHeight = g.height();
        plotGeometry(m_data[i], m_display, mx, my, opt, plot.geometry);
    }
}

QRect Vexachart::plotClientPixels(bool output) const
{
    return plotClientRect(toPixels(m_scene.layout.graph, twipsPerPixel()), output, m_dpi / 96.0);
}

void Vexachart::computeScroll()
{
    m_scrollH = scrollModel(m_global.xSpan(), m_xSpan, m_display.X_Left, m_global.X_Left, false, m_scrollH.value);
    m_scrollV = scrollModel(m_global.ySpan(), m_ySpan, m_display.Y_Bottom, m_global.Y_Bottom, true, m_scrollV.value);
}

void Vexachart::FlashGraphMessage(const QString& text)
{
    if (m_pInit || !m_flashReady)
        return;
    m_flashReady = false;
    m_flashMessage = text;
    rerender();
    m_flashTimer->start();
    emit cursorModeChanged(); // the read-out is hidden while the message is shown
}

void Vexachart::finishFlash()
{
    if (m_flashMessage.isEmpty())
        return;
    m_flashTimer->stop();
    m_flashMessage.clear();
    if (m_services)
        m_services->beep();
    DrawChart(m_global);
    m_flashReady = true;
    emit cursorModeChanged(); // the read-out shows again according to the cursor mode
}

void Vexachart::SelectCursor(const Variant& CursorType)
{
    int type = 0;
    try {
        type = CursorType.isMissing() ? (m_cursorMode == CursorMode::Off ? 0 : 1) : CursorType.toInt16();
    } catch (const Error&) {
        return;
    }
    if (type == 0)
        m_cursorMode = m_cursorMode == CursorMode::PlotName ? CursorMode::Off : CursorMode::PlotName;
    else if (type == 1)
        m_cursorMode = m_cursorMode == CursorMode::Values ? CursorMode::Off : CursorMode::Values;
    else
        return;
    emit cursorModeChanged();
}

void Vexachart::SetCursor(qint16 xCursor)
{
    switch (xCursor) {
    case 0: m_cursorMode = CursorMode::Off; break;
    case 1: m_cursorMode = CursorMode::Values; break;
    case 2: m_cursorMode = CursorMode::PlotName; break;
    default: return;
    }
    emit cursorModeChanged();
}

void Vexachart::paintPicture(bool surroundingsOnly)
{
    if (!m_painting || m_framePx.isEmpty())
        return;
    const QSize devicePixels = (QSizeF(m_framePx) * m_dpr).toSize();
    if (m_picture.size() != devicePixels || m_picture.devicePixelRatio() != m_dpr) {
        if (surroundingsOnly)
            return; // no picture of this size yet whose plot area could stay
        m_picture = QImage(devicePixels, QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(m_dpr);
        const int dpm = static_cast<int>(m_dpi / 0.0254 + 0.5);
        m_picture.setDotsPerMeterX(dpm);
        m_picture.setDotsPerMeterY(dpm);
    }
    QPainter p(&m_picture);
    RenderInput in;
    in.chart = this;
    in.scene = &m_scene;
    in.xScale = &m_xScale;
    in.yScale = &m_yScale;
    in.fonts = {m_fontTitle, m_fontLabels, m_fontPlot, m_fontLegend};
    in.twipsPerPixel = twipsPerPixel();
    in.size = m_framePx;
    in.flashMessage = m_flashMessage;
    if (surroundingsOnly)
        paintSurroundings(p, in);
    else
        paintChart(p, in);
    p.end();
    emit pictureChanged();
}

void Vexachart::rerender()
{
    if (!m_pInit && m_redrawCount > 0)
        paintPicture();
}

QImage Vexachart::renderImage(QSize pixels, double dpi) const
{
    QImage img(pixels, QImage::Format_RGB32);
    const int dpm = static_cast<int>(dpi / 0.0254 + 0.5);
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    if (pixels.isEmpty())
        return img;
    // The state is copied: the output is laid out on its own, the chart on screen stays as it is.
    Vexachart copy(nullptr, m_metrics);
    copy.m_locale = m_locale;
    copy.m_painting = false;
    copy.m_data = m_data;
    copy.m_styles = m_styles;
    copy.m_global = m_global;
    copy.m_display = m_display;
    copy.m_xSpan = m_xSpan;
    copy.m_ySpan = m_ySpan;
    copy.m_xMode = m_xMode;
    copy.m_yMode = m_yMode;
    copy.m_xNotation = m_xNotation;
    copy.m_yNotation = m_yNotation;
    copy.m_clrGrid = m_clrGrid;
    copy.m_gridField = m_gridField;
    copy.m_clrControlBack = m_clrControlBack;
    copy.m_clrChartBack = m_clrChartBack;
    copy.m_clrLabels = m_clrLabels;
    copy.m_clrScales = m_clrScales;
    copy.m_borderStyle = m_borderStyle;
    copy.m_title = m_title;
    copy.m_xLabel = m_xLabel;
    copy.m_yLabel = m_yLabel;
    auto enlarged = [](QFont f) {
        f.setPointSizeF(f.pointSizeF() * 1.5);
        return f;
    };
    copy.m_fontTitle = enlarged(m_fontTitle);
    copy.m_fontLabels = enlarged(m_fontLabels);
    copy.m_fontPlot = enlarged(m_fontPlot);
    copy.m_fontLegend = enlarged(m_fontLegend);
    copy.m_showLegend = m_showLegend;
    copy.m_menuZoom = m_menuZoom;
    copy.m_timeFormats = m_timeFormats;
    copy.m_timeSteps = m_timeSteps;
    copy.m_outputInProgress = true;
    copy.m_dpi = dpi;
    copy.m_framePx = pixels;
    copy.m_pInit = false;
    copy.m_flashReady = false;
    // The output's own redraw: the full layout with the output margins. On a logarithmic axis the
    // tick density follows the axis lengths, which the first layout gives, so it runs twice there.
    if (copy.m_xMode != 0 || copy.m_yMode != 0)
        copy.DrawChart();
    copy.DrawChart();
    QPainter p(&img);
    RenderInput in;
    in.chart = &copy;
    in.scene = &copy.m_scene;
    in.xScale = &copy.m_xScale;
    in.yScale = &copy.m_yScale;
    in.fonts = {copy.m_fontTitle, copy.m_fontLabels, copy.m_fontPlot, copy.m_fontLegend};
    in.twipsPerPixel = copy.twipsPerPixel();
    in.size = pixels;
    in.output = true;
    in.penScale = dpi / 96.0;
    paintChart(p, in);
    return img;
}

QImage Vexachart::outputPicture() const
{
    const double tpp = twipsPerPixel();
    int w = static_cast<int>(std::floor(12500.0 / tpp + 0.5));
    int h = static_cast<int>(std::floor(8500.0 / tpp + 0.5));
    if (m_borderStyle == 1) {
        w -= 2;
        h -= 2;
    }
    return renderImage(QSize(w, h), m_dpi);
}

} // namespace vexachart
