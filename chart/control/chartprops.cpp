// The chart's properties: each stores its value, notifies its key and redraws unless pInit is set.
#include "chart/control/chart.h"
#include "chart/control/chartmath.h"
#include "chart/control/datetext.h"
#include "chart/control/errortexts.h"
#include "common/checked.h"
#include "common/error.h"

namespace vexachart {

using common::Error;

namespace {
// Runs a colour setter's work for the colour c; a value that names no colour changes nothing.
template <class F>
void colourSetter(common::ColourValue c, F&& work)
{
    try {
        if (!common::isColourValue(c))
            common::raise(common::errc::InvalidPropertyValue);
        work();
    } catch (const Error& e) {
        throw e.withSource(QStringLiteral("Vexachart.Let Color"));
    }
}
}

void Vexachart::setTimeFormat(int level, const QString& format)
{
    if (level >= 1 && level <= 6)
        m_timeFormats[static_cast<size_t>(level)] = format;
}

void Vexachart::setEnabled(bool on)
{
    m_enabled = on;
    notify(QStringLiteral("Enabled"));
}

void Vexachart::setNotation(int axis, qint16 n)
{
    if (n < 0 || n > 2)
        return;
    const int mode = axis == 0 ? m_xMode : m_yMode;
    if (n == 2 && mode != 0)
        fail(axis == 0 ? "XScalingNotation" : "YScalingNotation", texts::dateOnLogAxis());
    // The axis's range becomes a date range: it must name dates (the display range lies inside it).
    const double low = axis == 0 ? m_global.X_Left : m_global.Y_Bottom;
    const double high = axis == 0 ? m_global.X_Right : m_global.Y_Top;
    if (n == 2 && !(isDateSerial(low) && isDateSerial(high)))
        fail(axis == 0 ? "XScalingNotation" : "YScalingNotation", texts::rangeNamesNoDates());
    (axis == 0 ? m_xNotation : m_yNotation) = n;
    notify(axis == 0 ? QStringLiteral("XScalingNotation") : QStringLiteral("YScalingNotation"));
    if (!m_pInit)
        DrawChart();
}

void Vexachart::setAxisMode(int axis, qint16 m)
{
    auto refuse = [] { common::raise(texts::ErrControl, texts::axisModeSource(), texts::nonValidAxis()); };
    if (m != 0 && m != 1)
        refuse();
    const int current = axis == 0 ? m_xMode : m_yMode;
    const int notation = axis == 0 ? m_xNotation : m_yNotation;
    if (m != current) {
        if (notation == 2 && m == 1)
            refuse();
        // The global borders in user units; the validator stores them (and converts the points)
        // in the form the new modes require, or refuses with nothing changed.
        const double gx[2] = {m_global.X_Left, m_global.X_Right};
        const double gy[2] = {m_global.Y_Bottom, m_global.Y_Top};
        auto user = [](int mode, double v) { return mode == 1 ? std::pow(10.0, v) : v; };
        const int xm = axis == 0 ? m : m_xMode;
        const int ym = axis == 1 ? m : m_yMode;
        bool ok = false;
        try {
            ok = CheckBorders(user(m_xMode, gx[0]), user(m_xMode, gx[1]), user(m_yMode, gy[0]), user(m_yMode, gy[1]),
                true, xm, ym);
        } catch (const Error&) {
            ok = false;
        }
        if (!ok)
            refuse();
        for (const char* key :
            {"XMinGlobal", "XMaxGlobal", "YMinGlobal", "YMaxGlobal", "YAxisLinLogMode", "XAxisLinLogMode"})
            notify(QLatin1String(key));
    }
    if (!m_pInit && DrawChart() != DrawResult::Drawn)
        refuse();
    notify(axis == 0 ? QStringLiteral("XAxisLinLogMode") : QStringLiteral("YAxisLinLogMode"));
}

void Vexachart::setClrScales(common::ColourValue c)
{
    colourSetter(c, [&] {
        m_clrScales = c;
        notify(QStringLiteral("ClrScales"));
        if (!m_pInit)
            DrawChart();
    });
}

void Vexachart::setClrGrid(common::ColourValue c)
{
    colourSetter(c, [&] {
        m_clrGrid = c;
        notify(QStringLiteral("ClrGrid"));
        if (!m_pInit)
            DrawChart();
    });
}

void Vexachart::setClrControlBackGround(common::ColourValue c)
{
    colourSetter(c, [&] {
        m_clrControlBack = c;
        // The frame, the legend and the turned label take the new background at once, even while
        // a batch of values is written without redraws; the plot area waits for the redraw.
        if (m_pInit) {
            if (m_redrawCount > 0)
                paintPicture(true);
        } else {
            rerender();
        }
        notify(QStringLiteral("ClrControlBackGround"));
    });
}

void Vexachart::setClrChartBackGround(common::ColourValue c)
{
    colourSetter(c, [&] {
        m_clrChartBack = c;
        notify(QStringLiteral("ClrChartBackGround"));
        if (!m_pInit)
            DrawChart();
    });
}

void Vexachart::setClrLabels(common::ColourValue c)
{
    colourSetter(c, [&] {
        m_clrLabels = c;
        notify(QStringLiteral("ClrLabels"));
        if (!m_pInit)
            DrawChart();
    });
}

qint16 Vexachart::GridStyle() const
{
    switch (m_gridField) {
    case 2: return 1;
    case 5: return 2;
    default: return 0;
    }
}

void Vexachart::setGridStyle(qint16 style)
{
    m_gridField = style == 1 ? 2 : style == 2 ? 5 : 0;
    notify(QStringLiteral("GridStyle"));
    if (!m_pInit)
        DrawChart();
}

void Vexachart::setBorderStyle(qint16 style)
{
    if (style == 0 || style == 1) {
        m_borderStyle = style;
        rerender();
    }
    notify(QStringLiteral("BorderStyle"));
}

void Vexachart::setEnableMenuOptionLegend(bool on)
{
    m_menuLegend = on;
    notify(QStringLiteral("EnableMenuOptionLegend"));
    emit menuChanged();
}

void Vexachart::setEnableMenuOptionCursor(bool on)
{
    m_menuCursor = on;
    notify(QStringLiteral("EnableMenuOptionCursor"));
    emit menuChanged();
}

void Vexachart::setEnableMenuOptionSave(bool on)
{
    m_menuSave = on;
    notify(QStringLiteral("EnableMenuOptionSave"));
    emit menuChanged();
}

void Vexachart::setEnableMenuOptionZoom(bool on)
{
    m_menuZoom = on;
    emit menuChanged();
    notify(QStringLiteral("EnableMenuOptionZoom"));
    if (!m_pInit)
        DrawChart();
}

void Vexachart::setFontLegend(const QFont& f)
{
    m_fontLegend = f;
    notify(QStringLiteral("FontLegend"));
    if (!m_pInit)
        DrawChart();
}

void Vexachart::setFontLabels(const QFont& f)
{
    m_fontLabels = f;
    notify(QStringLiteral("FontLabels"));
    if (!m_pInit)
        DrawChart();
}

void Vexachart::setFontPlot(const QFont& f)
{
    m_fontPlot = f;
    if (!m_pInit)
        DrawChart();
    notify(QStringLiteral("FontPlot"));
}

void Vexachart::setFontTitle(const QFont& f)
{
    m_fontTitle = f;
    notify(QStringLiteral("FontTitle"));
    if (!m_pInit)
        DrawChart();
}

void Vexachart::setShowLegend(bool on)
{
    m_showLegend = on;
    m_scene.layout.legendVisible = on;
    emit menuChanged();
    notify(QStringLiteral("ShowLegend"));
    if (!m_pInit)
        DrawChart();
}

void Vexachart::setMaxCountOfPlots(qint16 n)
{
    if (n < 1)
        fail("MaxCountOfPlots", texts::nonValidMaxCount());
    m_styles.resize(static_cast<size_t>(n), PlotStyle{});
    m_data.resize(static_cast<size_t>(n));
    notify(QStringLiteral("MaxCountOfPlots"));
}

QString Vexachart::PlotAspect(qint16 PlotNumber) const
{
    checkPlot(PlotNumber);
    return PlotAspectToString(m_styles[static_cast<size_t>(PlotNumber - 1)]);
}

void Vexachart::setPlotAspect(qint16 PlotNumber, const QString& text)
{
    checkPlot(PlotNumber);
    m_styles[static_cast<size_t>(PlotNumber - 1)] = StringToPlotAspect(text);
    for (int i = 1; i <= MaxCountOfPlots(); ++i)
        for (const char* suffix : {".RColor", ".GColor", ".BColor", ".Label", ".LineWidth", ".Marker", ".MarkerSize", ".Visible"})
            notify(QStringLiteral("PlotStyle%1%2").arg(i).arg(QLatin1String(suffix)));
    if (!m_pInit)
        DrawChart();
}

void Vexachart::setYAxisLabel(const QString& s)
{
    m_yLabel = s;
    notify(QStringLiteral("LabYAxis"));
    if (!m_pInit)
        DrawChart();
}

void Vexachart::setXAxisLabel(const QString& s)
{
    m_xLabel = s;
    notify(QStringLiteral("LabXAxis"));
    if (!m_pInit)
        DrawChart();
}

void Vexachart::setTitle(const QString& s)
{
    m_title = s;
    rerender();
    notify(QStringLiteral("Title"));
}

} // namespace vexachart
