// Storing and loading the chart's design settings through a property bag.
#include "chart/control/chart.h"
#include "chart/control/chartmath.h"
#include "chart/control/propertybag.h"
#include "common/checked.h"
#include "common/error.h"
#include "common/numread.h"
#include <cmath>

namespace vexachart {

using common::Error;

namespace {
const char* const PlotSuffixes[8] = {".RColor", ".GColor", ".BColor", ".Label", ".LineWidth", ".Marker", ".MarkerSize", ".Visible"};
QString plotKey(int n, int field) { return QStringLiteral("PlotStyle%1%2").arg(n).arg(QLatin1String(PlotSuffixes[field])); }
Variant colourValue(common::ColourValue c) { return Variant(static_cast<double>(c)); }
}

PropertyBag Vexachart::WriteProperties() const
{
    PropertyBag bag;
    const Variant bgDefault = colourValue(0x80C0FF);
    bag.write(QStringLiteral("ClrControlBackGround"), colourValue(m_clrControlBack), bgDefault);
    bag.write(QStringLiteral("ClrChartBackGround"), colourValue(m_clrChartBack), bgDefault);
    bag.write(QStringLiteral("ClrGrid"), colourValue(m_clrGrid));
    bag.write(QStringLiteral("ClrLabels"), colourValue(m_clrLabels), Variant(0.0));
    // The property value 0, 1, 2 (not the line style), so that the setter maps it back the same way.
    bag.write(QStringLiteral("GridStyle"), Variant(GridStyle()), Variant(0.0));
    bag.write(QStringLiteral("ClrScales"), colourValue(m_clrScales), Variant(0.0));
    bag.write(QStringLiteral("Title"), Variant(m_title), Variant(QStringLiteral("Title")));
    bag.write(QStringLiteral("LabX"), Variant(m_xLabel));
    bag.write(QStringLiteral("LabY"), Variant(m_yLabel));
    bag.write(QStringLiteral("YAxisLinLogMode"), Variant(static_cast<double>(m_yMode)));
    bag.write(QStringLiteral("XAxisLinLogMode"), Variant(static_cast<double>(m_xMode)));
    bag.write(QStringLiteral("XScalingNotation"), Variant(m_xNotation));
    bag.write(QStringLiteral("YScalingNotation"), Variant(m_yNotation));
    bag.write(QStringLiteral("BorderStyle"), Variant(static_cast<double>(m_borderStyle)), Variant(1.0));
    bag.write(QStringLiteral("FontTitle"), Variant(m_fontTitle));
    bag.write(QStringLiteral("FontLabels"), Variant(m_fontLabels));
    bag.write(QStringLiteral("FontPlot"), Variant(m_fontPlot));
    bag.write(QStringLiteral("FontLegend"), Variant(m_fontLegend));
    bag.write(QStringLiteral("MaxCountOfPlots"), Variant(MaxCountOfPlots()), Variant(4.0));
    for (int n = 1; n <= MaxCountOfPlots(); ++n) {
        const PlotStyle& s = m_styles[static_cast<size_t>(n - 1)];
        bag.write(plotKey(n, 0), Variant(s.RColor), Variant(0.0));
        bag.write(plotKey(n, 1), Variant(s.GColor), Variant(0.0));
        bag.write(plotKey(n, 2), Variant(s.BColor), Variant(0.0));
        bag.write(plotKey(n, 3), Variant(s.Label));
        bag.write(plotKey(n, 4), Variant(s.LineWidth), Variant(1.0));
        bag.write(plotKey(n, 5), Variant(s.Marker), Variant(0.0));
        bag.write(plotKey(n, 6), Variant(s.MarkerSize), Variant(4.0));
        bag.write(plotKey(n, 7), Variant(s.Visible), Variant(true));
    }
    bag.write(QStringLiteral("pTimeFormat0"), Variant());
    for (int k = 1; k <= 6; ++k)
        bag.write(QStringLiteral("pTimeFormat%1").arg(k), Variant(m_timeFormats[static_cast<size_t>(k)]));
    bag.write(QStringLiteral("ShowLegend"), Variant(m_showLegend), Variant(true));
    // The stored border fields (log10 on a logarithmic axis, serial on a date axis), read back unchanged.
    bag.write(QStringLiteral("XMinGlobal"), Variant(m_global.X_Left), Variant(0.1));
    bag.write(QStringLiteral("XMaxGlobal"), Variant(m_global.X_Right), Variant(10.0));
    bag.write(QStringLiteral("YMinGlobal"), Variant(m_global.Y_Bottom), Variant(0.1));
    bag.write(QStringLiteral("YMaxGlobal"), Variant(m_global.Y_Top), Variant(10.0));
    bag.write(QStringLiteral("EnableMenuOptionCursor"), Variant(m_menuCursor), Variant(true));
    bag.write(QStringLiteral("EnableMenuOptionLegend"), Variant(m_menuLegend), Variant(true));
    bag.write(QStringLiteral("EnableMenuOptionSave"), Variant(m_menuSave), Variant(true));
    bag.write(QStringLiteral("EnableMenuOptionZoom"), Variant(m_menuZoom), Variant(true));
    bag.write(QStringLiteral("Enabled"), Variant(m_enabled), Variant(false));
    return bag;
}

QStringList Vexachart::ReadProperties(const PropertyBag& bag)
{
    QStringList bad;
    m_pInit = true;
    // Reads one key; a value that cannot be used takes the key's default and is reported.
    auto read = [&](const QString& key, const Variant& def, auto&& apply) {
        try {
            apply(bag.read(key, def));
        } catch (const Error&) {
            bad << key;
            try {
                apply(def);
            } catch (const Error&) {
            }
        }
    };
    auto colour = [](const Variant& v) { return common::toColour(v.toDouble()); };
    auto text = [](const Variant& v) { return v.isText() ? v.toString() : (v.isEmpty() ? QString() : v.toString()); };
    auto valNumber = [](const Variant& v) { return v.isText() ? common::readVal(v.toString()) : v.toDouble(); };
    auto mode = [&](const Variant& v) {
        const double d = valNumber(v);
        if (d != 0.0 && d != 1.0)
            common::raise(common::errc::InvalidArgument);
        return static_cast<int>(d);
    };
    read(QStringLiteral("ClrControlBackGround"), colourValue(0x80C0FF), [&](const Variant& v) { setClrControlBackGround(colour(v)); });
    read(QStringLiteral("ClrChartBackGround"), colourValue(0x80C0FF), [&](const Variant& v) { setClrChartBackGround(colour(v)); });
    read(QStringLiteral("ClrGrid"), Variant(0.0), [&](const Variant& v) { setClrGrid(colour(v)); });
    read(QStringLiteral("ClrLabels"), Variant(0.0), [&](const Variant& v) { setClrLabels(colour(v)); });
    read(QStringLiteral("ClrScales"), Variant(0.0), [&](const Variant& v) { setClrScales(colour(v)); });
    read(QStringLiteral("GridStyle"), Variant(0.0), [&](const Variant& v) { setGridStyle(v.toInt16()); });
    read(QStringLiteral("Title"), Variant(QStringLiteral("Title")), [&](const Variant& v) { m_title = text(v); });
    read(QStringLiteral("LabX"), Variant(QStringLiteral("X-Axis [1]")), [&](const Variant& v) { m_xLabel = text(v); });
    read(QStringLiteral("LabY"), Variant(QStringLiteral("Y-Axis [1]")), [&](const Variant& v) { m_yLabel = text(v); });
    read(QStringLiteral("YAxisLinLogMode"), Variant(0.0), [&](const Variant& v) { m_yMode = mode(v); });
    read(QStringLiteral("XAxisLinLogMode"), Variant(0.0), [&](const Variant& v) { m_xMode = mode(v); });
    // Stored notations are taken as they are, also date-time on a logarithmic axis (the setters'
    // check does not run on load); such an axis is drawn and read out as a logarithmic one.
    auto notation = [&](const Variant& v) {
        const qint16 n = common::toInt16(valNumber(v));
        if (n < 0 || n > 2)
            common::raise(common::errc::InvalidArgument);
        return n;
    };
    read(QStringLiteral("XScalingNotation"), Variant(0.0), [&](const Variant& v) { m_xNotation = notation(v); });
    read(QStringLiteral("YScalingNotation"), Variant(0.0), [&](const Variant& v) { m_yNotation = notation(v); });
    read(QStringLiteral("BorderStyle"), Variant(1.0), [&](const Variant& v) { setBorderStyle(common::toInt16(valNumber(v))); });
    read(QStringLiteral("FontTitle"), Variant(m_fontTitle), [&](const Variant& v) { setFontTitle(v.toFont()); });
    read(QStringLiteral("FontLabels"), Variant(m_fontLabels), [&](const Variant& v) { setFontLabels(v.toFont()); });
    read(QStringLiteral("FontPlot"), Variant(m_fontPlot), [&](const Variant& v) { setFontPlot(v.toFont()); });
    read(QStringLiteral("FontLegend"), Variant(m_fontLegend), [&](const Variant& v) { setFontLegend(v.toFont()); });
    for (int k = 1; k <= 6; ++k)
        read(QStringLiteral("pTimeFormat%1").arg(k), Variant(), [&](const Variant& v) { m_timeFormats[static_cast<size_t>(k)] = text(v); });
    read(QStringLiteral("MaxCountOfPlots"), Variant(4.0), [&](const Variant& v) { setMaxCountOfPlots(v.toInt16()); });
    m_styles.assign(m_styles.size(), PlotStyle{});
    for (int n = 1; n <= MaxCountOfPlots(); ++n) {
        PlotStyle& s = m_styles[static_cast<size_t>(n - 1)];
        read(plotKey(n, 0), Variant(0.0), [&](const Variant& v) { s.RColor = v.toInt16(); });
        read(plotKey(n, 1), Variant(0.0), [&](const Variant& v) { s.GColor = v.toInt16(); });
        read(plotKey(n, 2), Variant(0.0), [&](const Variant& v) { s.BColor = v.toInt16(); });
        read(plotKey(n, 3), Variant(QString()), [&](const Variant& v) { s.Label = fixedLabel(text(v)); });
        read(plotKey(n, 4), Variant(1.0), [&](const Variant& v) { s.LineWidth = v.toInt16(); });
        read(plotKey(n, 5), Variant(0.0), [&](const Variant& v) { s.Marker = v.toInt16(); });
        read(plotKey(n, 6), Variant(4.0), [&](const Variant& v) { s.MarkerSize = v.toInt16(); });
        read(plotKey(n, 7), Variant(true), [&](const Variant& v) { s.Visible = v.toBool(); });
    }
    // Global borders as stored; an axis whose pair is unusable takes the defaults 0.1..10.
    // Usable also means both borders have a value on the axis (10^v, a date), as the test data need.
    auto pair = [&](int axis, const char* lowKey, const char* highKey, double& low, double& high) {
        double a = 0.1, b = 10.0;
        bool ok = true;
        try {
            a = bag.read(QLatin1String(lowKey), Variant(0.1)).toDouble();
            b = bag.read(QLatin1String(highKey), Variant(10.0)).toDouble();
            ok = std::isfinite(a) && std::isfinite(b) && a < b && mappableSpan(b - a);
            if (ok) {
                userValue(axis, a);
                userValue(axis, b);
            }
        } catch (const Error&) {
            ok = false;
        }
        if (!ok) {
            bad << QLatin1String(lowKey) << QLatin1String(highKey);
            a = 0.1;
            b = 10.0;
        }
        low = a;
        high = b;
    };
    pair(0, "XMinGlobal", "XMaxGlobal", m_global.X_Left, m_global.X_Right);
    pair(1, "YMinGlobal", "YMaxGlobal", m_global.Y_Bottom, m_global.Y_Top);
    // Test curves over a range that names no dates (a logarithmic date-time axis at 10^0.1..10^10)
    // cannot be made: the plots then stay empty until the host inserts data.
    try {
        CreateTestData();
    } catch (const Error&) {
        for (PlotPoints& p : m_data)
            p.clear();
    }
    read(QStringLiteral("ShowLegend"), Variant(true), [&](const Variant& v) { setShowLegend(v.toBool()); });
    read(QStringLiteral("EnableMenuOptionCursor"), Variant(true), [&](const Variant& v) { setEnableMenuOptionCursor(v.toBool()); });
    read(QStringLiteral("EnableMenuOptionLegend"), Variant(true), [&](const Variant& v) { setEnableMenuOptionLegend(v.toBool()); });
    read(QStringLiteral("EnableMenuOptionSave"), Variant(true), [&](const Variant& v) { setEnableMenuOptionSave(v.toBool()); });
    read(QStringLiteral("EnableMenuOptionZoom"), Variant(true), [&](const Variant& v) { setEnableMenuOptionZoom(v.toBool()); });
    read(QStringLiteral("Enabled"), Variant(false), [&](const Variant& v) { setEnabled(v.toBool()); });
    m_flashReady = true;
    m_pInit = false;
    m_forceFullLayout = true;
    DrawChart(m_global);
    return bad;
}

} // namespace vexachart
