#include "chart/control/chart.h"
#include "chart/control/chartmath.h"
#include "chart/control/chartservices.h"
#include "chart/control/datetext.h"
#include "chart/control/errortexts.h"
#include "common/checked.h"
#include "common/error.h"
#include <QTimer>
#include <cmath>

namespace vexachart {

using common::Error;

namespace {

// Runs a member's work; any error leaves with the member's source, number and description kept.
template <class F>
auto withSource(const char* member, F&& work)
{
    try {
        return work();
    } catch (const Error& e) {
        throw e.withSource(texts::source(member));
    }
}

// The error 5 of a data member gets the member's description; others keep theirs. The text is
// made only when an error occurs (the data members run once per point).
template <class Text, class F>
void dataMember(const char* member, Text invalidText, F&& work)
{
    try {
        work();
    } catch (const Error& e) {
        if (e.number() == common::errc::InvalidArgument)
            throw Error(e.number(), texts::source(member), invalidText());
        throw e.withSource(texts::source(member));
    }
}

QString nonConformValuesLine() { return texts::nonConformValues() + texts::Cr; }

} // namespace

Vexachart::Vexachart(QObject* parent, std::shared_ptr<const TextMetrics> metrics)
    : QObject(parent), m_metrics(metrics ? std::move(metrics) : std::make_shared<FontTextMetrics>())
{
    m_flashTimer = new QTimer(this);
    m_flashTimer->setSingleShot(true);
    m_flashTimer->setInterval(750);
    connect(m_flashTimer, &QTimer::timeout, this, &Vexachart::finishFlash);
    m_fontTitle = QFont(QStringLiteral("DejaVu Sans"));
    m_fontTitle.setPointSizeF(10.8);
    m_fontLabels = QFont(QStringLiteral("DejaVu Sans"));
    m_fontLabels.setPointSizeF(7.8);
    m_fontLabels.setBold(true);
    m_fontPlot = QFont(QStringLiteral("DejaVu Serif"));
    m_fontPlot.setPointSizeF(7.8);
    m_fontPlot.setBold(true);
    m_fontLegend = m_fontLabels;
    initialize();
}

Vexachart::~Vexachart() = default;

void Vexachart::initialize()
{
    m_globalSaved = false;
    m_pInit = true;
    m_menuZoom = true;
    m_arrangeEnabled = true;
    setShowLegend(true);
    setEnableMenuOptionCursor(true);
    setEnableMenuOptionLegend(true);
    setEnableMenuOptionSave(true);
    setEnableMenuOptionZoom(true);
    m_xScale.clear();
    m_yScale.clear();
    m_display = Borders{0.01, 100.0, 0.01, 100.0};
    m_xSpan = m_display.xSpan();
    m_ySpan = m_display.ySpan();
    m_timeFormatCursor = QStringLiteral("DD-MMM-YYYY HH\"h\":NN\"m\":SS\"s\"");
    m_timeFormats = {QString(), QStringLiteral("YYYY"), QStringLiteral("MMM-YYYY"), QStringLiteral("DD-MMM-YYYY"),
        QStringLiteral("DD-MMM (HH\"h\")"), QStringLiteral("HH\"h\":NN\"m\""), QStringLiteral("HH:NN:SS\"s\"")};
    try {
        SetGlobalBorders(0.01, 100.0, 0.01, 100.0, qint16(0), qint16(0));
    } catch (const Error&) {
    }
    m_timeSteps = defaultTimeStepTable();
}

void Vexachart::initNew()
{
    setClrChartBackGround(0xEFBA3D);
    setClrGrid(0xB89C50);
    setXAxisLinLogMode(0);
    setYAxisLinLogMode(0);
    setMaxCountOfPlots(4);
    setShowLegend(true);
    static const int colours[4][3] = {{230, 251, 96}, {255, 152, 65}, {255, 0, 255}, {0, 0, 240}};
    for (int i = 1; i <= MaxCountOfPlots(); ++i) {
        const int* c = colours[(i - 1) % 4];
        SetPlotAspects(static_cast<qint16>(i), QStringLiteral("Plot %1").arg(i), c[0], c[1], c[2], 1, 0, 3, true);
    }
    CreateTestData();
}

void Vexachart::setDpi(double dpi)
{
    if (dpi > 0.0)
        m_dpi = dpi;
}

void Vexachart::resizeTo(QSize pixels)
{
    m_framePx = pixels;
    UserControl_Resize();
}

void Vexachart::UserControl_Resize()
{
    if (m_pInit)
        m_pInit = false;
    try {
        DrawChart();
    } catch (const Error&) {
    }
    // Whatever the redraw did, the legend's visibility follows ShowLegend.
    m_scene.layout.legendVisible = m_showLegend;
}

[[noreturn]] void Vexachart::fail(const char* member, const QString& description) const
{
    common::raise(texts::ErrControl, texts::source(member), description);
}

void Vexachart::notify(const QString& key) { emit propertyChanged(key); }

void Vexachart::checkPlot(int plot) const
{
    common::checkIndex(plot - 1, static_cast<std::ptrdiff_t>(m_styles.size()));
}

PlotPoints& Vexachart::points(int plot)
{
    checkPlot(plot);
    return m_data[static_cast<size_t>(plot - 1)];
}

PlotStyle& Vexachart::style(int plot)
{
    checkPlot(plot);
    return m_styles[static_cast<size_t>(plot - 1)];
}

// ---------------------------------------------------------------- plot data

double Vexachart::toStoredNumber(int axis, double value) const
{
    const int mode = axis == 0 ? m_xMode : m_yMode;
    double v = value;
    if (mode == 1)
        v = chartLog10(v);
    if (!std::isfinite(v))
        common::raise(common::errc::InvalidArgument);
    return v;
}

double Vexachart::toStored(int axis, const Variant& value) const
{
    const int notation = axis == 0 ? m_xNotation : m_yNotation;
    if (notation == 2)
        return toStoredNumber(axis, TimeStringToDate(value.toString(m_locale), m_locale));
    // A number is taken as it is stored (appending a large plot passes here once per point).
    const double* number = value.number();
    return toStoredNumber(axis, number ? *number : value.toDouble());
}

void Vexachart::AddNewDataPoint(qint16 PlotNum, const Variant& NewX, const Variant& NewY)
{
    dataMember("AddNewDataPoint", texts::nonConformValues, [&] {
        PlotPoints& p = points(PlotNum);
        const double x = toStored(0, NewX);
        const double y = toStored(1, NewY);
        p.insert(x, y);
    });
}

void Vexachart::PlotNewDataPoint(qint16 PlotNumber, const Variant& NewX, const Variant& NewY)
{
    try {
        const PlotPoints& p = points(PlotNumber);
        const double sx = toStored(0, NewX);
        enum { Right, Left, Inside } where = Inside;
        if (p.count() >= 1) {
            if (sx > p.x(p.count()))
                where = Right;
            else if (sx < p.x(1))
                where = Left;
        }
        AddNewDataPoint(PlotNumber, NewX, NewY);
        const double span = m_display.xSpan();
        Borders b = m_display;
        const bool outside = sx > m_display.X_Right || sx < m_display.X_Left;
        if (where == Right && outside) {
            b.X_Left = sx - span;
            b.X_Right = sx;
        } else if (where == Left && outside) {
            b.X_Left = sx;
            b.X_Right = sx + span;
        } else if (where == Inside) {
            b.X_Left = m_global.X_Left;
            b.X_Right = m_global.X_Right;
        }
        auto user = [&](int axis, double v) { return (axis == 0 ? m_xMode : m_yMode) == 1 ? chartPow10(v) : v; };
        setDisplayBordersValues(user(0, b.X_Left), user(0, b.X_Right), user(1, b.Y_Bottom), user(1, b.Y_Top));
        if (m_services)
            m_services->pumpMessages();
    } catch (const Error&) {
        DrawChart(m_global);
        common::raise(common::errc::InvalidArgument, texts::source("PlotNewDataPoint"), texts::nonConformOrDate());
    }
}

void Vexachart::InsertSingleDataArray(qint16 PlotNum, const Variant& newDataArray, const Variant& xStep,
    const Variant& xPlotDescription)
{
    dataMember("InserSingleDataArray", nonConformValuesLine, [&] {
        ClearSinglePlotDataArray(PlotNum);
        PlotPoints& p = points(PlotNum);
        const VariantArray& a = newDataArray.array();
        double step = xStep.isMissing() ? 0.0 : static_cast<double>(static_cast<float>(xStep.toDouble()));
        if (step == 0.0)
            step = 1.0;
        const ArrayDim rows = a.dims.at(0);
        const size_t n = static_cast<size_t>(std::max(0, rows.count()));
        PointArray xs;
        PointArray ys;
        xs.reserve(n);
        ys.reserve(n);
        // One value of the array in stored units: numbers are read unboxed unless the axis
        // expects date-time text.
        auto stored = [&](int axis, size_t k) {
            const bool dateAxis = (axis == 0 ? m_xNotation : m_yNotation) == 2;
            return a.isNumbers() && !dateAxis ? toStoredNumber(axis, a.numbers[k]) : toStored(axis, a.element(k));
        };
        const bool xDateAxis = m_xNotation == 2;
        double x = 0.0;
        // Converted in order; the points before a failing element are kept (the plot was cleared).
        try {
            for (int i = rows.lower; i <= rows.upper; ++i) {
                if (a.dims.size() == 1 || a.dims[1].lower == a.dims[1].upper) {
                    x += step;
                    const double sx = xDateAxis ? toStored(0, Variant(x)) : toStoredNumber(0, x);
                    const size_t k = a.dims.size() == 1 ? newDataArray.indexOf(i) : newDataArray.indexOf(i, a.dims[1].lower);
                    const double sy = stored(1, k);
                    xs.push_back(sx);
                    ys.push_back(sy);
                } else {
                    const double sx = stored(0, newDataArray.indexOf(i, a.dims[1].lower));
                    const double sy = stored(1, newDataArray.indexOf(i, a.dims[1].upper));
                    xs.push_back(sx);
                    ys.push_back(sy);
                }
            }
        } catch (const Error&) {
            p.assignInOrder(std::move(xs), std::move(ys));
            throw;
        }
        p.assignInOrder(std::move(xs), std::move(ys));
        if (!xPlotDescription.isMissing() && !xPlotDescription.toString(m_locale).isEmpty()) {
            style(PlotNum).Label = fixedLabel(xPlotDescription.toString(m_locale));
            DrawChart();
        }
        if (!m_pInit)
            rerender();
    });
}

void Vexachart::AddNewDataArray(const Variant& newDataArray, const Variant& xStep)
{
    dataMember("AddNewDataArray", nonConformValuesLine, [&] {
        const VariantArray& a = newDataArray.array();
        double step = xStep.isMissing() ? 0.0 : static_cast<double>(static_cast<float>(xStep.toDouble()));
        if (a.dims.size() == 1) {
            ClearSinglePlotDataArray(1);
            InsertSingleDataArray(1, newDataArray, step == 0.0 ? 1.0 : step);
            return;
        }
        const ArrayDim rows = a.dims.at(0);
        const ArrayDim cols = a.dims.at(1);
        if (cols.lower == cols.upper)
            InsertSingleDataArray(1, newDataArray, step == 0.0 ? 1.0 : step);
        const int firstY = step == 0.0 ? cols.lower + 1 : cols.lower;
        const int yColumns = cols.upper - firstY + 1;
        if (yColumns > MaxCountOfPlots())
            common::raise(texts::ErrTooManyColumns, texts::source("AddNewDataArray"), texts::notEnoughPlots());
        for (int p = 1; p <= yColumns; ++p)
            ClearSinglePlotDataArray(static_cast<qint16>(p));
        double x = 0.0;
        for (int i = rows.lower; i <= rows.upper; ++i) {
            Variant xv;
            if (step == 0.0) {
                xv = newDataArray.at(i, cols.lower);
            } else {
                x += step;
                xv = x;
            }
            for (int c = firstY; c <= cols.upper; ++c)
                AddNewDataPoint(static_cast<qint16>(c - firstY + 1), xv, newDataArray.at(i, c));
        }
    });
}

Variant Vexachart::GetData(const Variant& PlotNum)
{
    return withSource("GetData", [&] {
        const PlotPoints& p = points(PlotNum.toInt16());
        const int n = p.count();
        if (n == 0)
            common::raise(common::errc::SubscriptOutOfRange);
        VariantArray a;
        a.dims = {{1, n}, {1, 2}};
        a.data.reserve(static_cast<size_t>(2 * n));
        for (int i = 1; i <= n; ++i) {
            a.data.push_back(userValue(0, p.x(i)));
            a.data.push_back(userValue(1, p.y(i)));
        }
        return Variant(std::move(a));
    });
}

Variant Vexachart::userValue(int axis, double stored) const
{
    if ((axis == 0 ? m_xMode : m_yMode) != 0)
        return RoundSignificant(chartPow10(stored));
    if ((axis == 0 ? m_xNotation : m_yNotation) == 2)
        return DateToTimeString(stored);
    return stored;
}

void Vexachart::ClearSinglePlotDataArray(qint16 PlotNum)
{
    withSource("ClearSinglePlotDataArray", [&] { points(PlotNum).clear(); });
}

void Vexachart::ClearAllPlotData()
{
    withSource("ClearAllPlotData", [&] {
        for (int i = 1; i <= MaxCountOfPlots(); ++i)
            ClearSinglePlotDataArray(static_cast<qint16>(i));
    });
}

void Vexachart::CreateTestData()
{
    const int N = 101;
    ClearAllPlotData();
    const double xl = m_global.X_Left, xr = m_global.X_Right, yb = m_global.Y_Bottom, yt = m_global.Y_Top;
    const double dx = (xr - xl) / (N - 1);
    const double phaseStep = (xr - xl) / MaxCountOfPlots() / 2.0;
    double phase = 0.0;
    auto out = [&](int axis, double v) -> Variant {
        const int mode = axis == 0 ? m_xMode : m_yMode;
        const int notation = axis == 0 ? m_xNotation : m_yNotation;
        const double u = mode == 1 ? chartPow10(v) : v;
        if (notation == 2)
            return DateToTimeString(u);
        return u;
    };
    for (int plot = 1; plot <= MaxCountOfPlots(); ++plot) {
        double x = xl;
        for (int i = 1; i <= N; ++i) {
            const double y = yb + (yt - yb) * 0.5 * std::sin(2.0 * 3.14 * ((x - xl) - phase) / (xr - xl)) + (yt - yb) * 0.5;
            AddNewDataPoint(static_cast<qint16>(plot), out(0, x), out(1, y));
            x = x + dx;
        }
        phase = phase + phaseStep;
    }
}

// ---------------------------------------------------------------- borders

bool Vexachart::CheckBorders(double l, double r, double b, double t, bool global, int xMode, int yMode)
{
    for (double v : {l, r, b, t})
        if (!std::isfinite(v))
            return false;
    if (l >= r || b >= t)
        return false;
    if (xMode == 1 && (l <= 0.0 || r <= 0.0))
        return false;
    if (yMode == 1 && (b <= 0.0 || t <= 0.0))
        return false;
    const double limit = 2000000000.0;
    const double xSpan = xMode == 0 ? r - l : chartLog10(r) - chartLog10(l);
    const double ySpan = yMode == 0 ? t - b : chartLog10(t) - chartLog10(b);
    if (xSpan > limit || ySpan > limit || !mappableSpan(xSpan) || !mappableSpan(ySpan))
        return false;
    // A linear date-time axis shows, stores and gives back dates: borders that name none (a
    // number set as a serial beyond the year 9999) would leave a range that no getter, tick or
    // stored setting can hold.
    if (xMode == 0 && m_xNotation == 2 && !(isDateSerial(l) && isDateSerial(r)))
        return false;
    if (yMode == 0 && m_yNotation == 2 && !(isDateSerial(b) && isDateSerial(t)))
        return false;
    // An axis whose mode changes takes its points along; all are converted before any is stored.
    std::vector<PointArray> newX(m_data.size()), newY(m_data.size());
    auto convert = [](const PointArray& in, int toMode, PointArray& out) {
        out.resize(in.size());
        for (size_t i = 0; i < in.size(); ++i) {
            out[i] = toMode == 1 ? chartLog10(in[i]) : std::pow(10.0, in[i]);
            if (!std::isfinite(out[i]))
                return false;
        }
        return true;
    };
    try {
        for (size_t p = 0; p < m_data.size(); ++p) {
            if (xMode != m_xMode && !convert(m_data[p].xs(), xMode, newX[p]))
                return false;
            if (yMode != m_yMode && !convert(m_data[p].ys(), yMode, newY[p]))
                return false;
        }
    } catch (const Error&) {
        return false;
    }
    for (size_t p = 0; p < m_data.size(); ++p) {
        if (xMode != m_xMode)
            m_data[p].xs().swap(newX[p]);
        if (yMode != m_yMode)
            m_data[p].ys().swap(newY[p]);
    }
    m_xMode = xMode;
    m_yMode = yMode;
    Borders v{l, r, b, t};
    if (xMode == 1) {
        v.X_Left = chartLog10(l);
        v.X_Right = chartLog10(r);
    }
    if (yMode == 1) {
        v.Y_Bottom = chartLog10(b);
        v.Y_Top = chartLog10(t);
    }
    if (global) {
        m_global = v;
        m_display = v;
        m_xSpan = m_display.xSpan();
        m_ySpan = m_display.ySpan();
    } else {
        m_global.X_Left = std::min(v.X_Left, m_global.X_Left);
        m_global.X_Right = std::max(v.X_Right, m_global.X_Right);
        m_global.Y_Bottom = std::min(v.Y_Bottom, m_global.Y_Bottom);
        m_global.Y_Top = std::max(v.Y_Top, m_global.Y_Top);
    }
    if (!m_pInit)
        DrawChart(v);
    return true;
}

double Vexachart::borderValue(int axis, const Variant& v, const Variant& first) const
{
    const int notation = axis == 0 ? m_xNotation : m_yNotation;
    if (first.isText() && notation == 2)
        return TimeStringToDate(v.toString(m_locale), m_locale);
    return v.toDouble();
}

void Vexachart::setDisplayBordersValues(double l, double r, double b, double t)
{
    if (!CheckBorders(l, r, b, t, false, m_xMode, m_yMode))
        fail("SetDisplayBorders", texts::nonValidDisplayBorders());
}

void Vexachart::SetDisplayBorders(const Variant& X_Left, const Variant& X_Right, const Variant& Y_Bottom,
    const Variant& Y_Top)
{
    double l = 0, r = 0, b = 0, t = 0;
    try {
        l = borderValue(0, X_Left, X_Left);
        r = borderValue(0, X_Right, X_Left);
        b = borderValue(1, Y_Bottom, Y_Bottom);
        t = borderValue(1, Y_Top, Y_Bottom);
    } catch (const Error& e) {
        if (e.number() == texts::ErrDateText)
            throw;
        fail("SetDisplayBorders", texts::nonValidDisplayBorders());
    }
    setDisplayBordersValues(l, r, b, t);
}

void Vexachart::SetGlobalBorders(const Variant& X_Left, const Variant& X_Right, const Variant& Y_Bottom,
    const Variant& Y_Top, const Variant& XAxis_ScaleMode, const Variant& YAxis_ScaleMode)
{
    double l = 0, r = 0, b = 0, t = 0;
    int xm = 0, ym = 0;
    try {
        l = borderValue(0, X_Left, X_Left);
        r = borderValue(0, X_Right, X_Left);
        b = borderValue(1, Y_Bottom, Y_Bottom);
        t = borderValue(1, Y_Top, Y_Bottom);
        xm = XAxis_ScaleMode.isMissing() ? 0 : XAxis_ScaleMode.toInt16();
        ym = YAxis_ScaleMode.isMissing() ? 0 : YAxis_ScaleMode.toInt16();
    } catch (const Error& e) {
        if (e.number() == texts::ErrDateText)
            throw;
        fail("SetGlobalBorders", texts::nonValidGlobalBorders());
    }
    // Only 0 and 1 are modes; a logarithmic date-time axis cannot be drawn.
    const bool validModes = (xm == 0 || xm == 1) && (ym == 0 || ym == 1) && !(xm == 1 && m_xNotation == 2)
        && !(ym == 1 && m_yNotation == 2);
    if (!validModes || !CheckBorders(l, r, b, t, true, xm, ym))
        fail("SetGlobalBorders", texts::nonValidGlobalBorders());
    for (const char* key : {"XMinGlobal", "XMaxGlobal", "YMinGlobal", "YMaxGlobal", "YAxisLinLogMode", "XAxisLinLogMode"})
        notify(QLatin1String(key));
}

Vexachart::BorderValues Vexachart::GetDisplayBorders() const
{
    return {userValue(0, m_display.X_Left), userValue(0, m_display.X_Right), userValue(1, m_display.Y_Bottom),
        userValue(1, m_display.Y_Top)};
}

Vexachart::BorderValues Vexachart::GetGlobalBorders() const
{
    return {XMinGlobal(), XMaxGlobal(), YMinGlobal(), YMaxGlobal()};
}

Variant Vexachart::globalGetter(int axis, double stored, const char* name) const
{
    return withSource(name, [&] { return userValue(axis, stored); });
}

void Vexachart::SetGlobalBordersToDataRange()
{
    const Borders saved = m_global;
    try {
        m_savedGlobal = m_global;
        m_global = Borders{1e36, -1e36, 1e36, -1e36};
        m_globalSaved = true;
        DrawPlotsFitted();
    } catch (const Error&) {
        // Every failure puts the previous global borders back before reporting.
        m_global = saved;
        m_globalSaved = false;
        fail("SetGlobalBordersToDataRange", texts::tooFewPoints());
    }
}

void Vexachart::DrawPlotsFitted()
{
    withSource("DrawPlotsFitted", [&] {
        double minX = 1e36, maxX = -1e36, minY = 1e36, maxY = -1e36;
        int largest = 0;
        for (size_t p = 0; p < m_data.size(); ++p) {
            const PlotPoints& pts = m_data[p];
            largest = std::max(largest, pts.count());
            if (pts.count() > 0 && m_styles[p].Visible) {
                for (double v : pts.xs()) {
                    minX = std::min(minX, v);
                    maxX = std::max(maxX, v);
                }
                for (double v : pts.ys()) {
                    minY = std::min(minY, v);
                    maxY = std::max(maxY, v);
                }
            }
        }
        if (largest < 2 || minX == maxX || minY == maxY) {
            if (m_globalSaved) {
                m_global = m_savedGlobal;
                m_globalSaved = false;
            }
            DrawChart(m_global);
            return;
        }
        m_globalSaved = false;
        if (m_xMode == 1 && minX < 1e35) {
            minX = chartPow10(minX);
            maxX = chartPow10(maxX);
        }
        if (m_yMode == 1 && minY < 1e35) {
            minY = chartPow10(minY);
            maxY = chartPow10(maxY);
        }
        setDisplayBordersValues(minX, maxX, minY, maxY);
    });
}

// ---------------------------------------------------------------- appearance setters

void Vexachart::SetPlotVisible(qint16 PlotNumber, bool TrueOrFalse)
{
    withSource("SetPlotVisible", [&] {
        style(PlotNumber).Visible = TrueOrFalse;
        DrawChart();
    });
}

void Vexachart::SetPlotLegendText(qint16 PlotNumber, const QString& Legendtext)
{
    withSource("SetPlotLegendText", [&] {
        style(PlotNumber).Label = fixedLabel(Legendtext);
        DrawChart();
    });
}

void Vexachart::SetPlotColor(qint16 PlotNumber, quint8 R, quint8 G, quint8 B)
{
    withSource("SetPlotColor", [&] {
        PlotStyle& s = style(PlotNumber);
        s.RColor = R;
        s.GColor = G;
        s.BColor = B;
        DrawChart();
    });
}

void Vexachart::SetPlotAspects(qint16 PlotNumber, const Variant& PlotLegendText, const Variant& R, const Variant& G,
    const Variant& B, const Variant& LineWidth, const Variant& MarkerStyle, const Variant& MarkerSize,
    const Variant& Visible)
{
    withSource("SetPlotAspects", [&] {
        PlotStyle& s = style(PlotNumber);
        if (!PlotLegendText.isMissing())
            s.Label = fixedLabel(PlotLegendText.toString(m_locale));
        if (!R.isMissing())
            s.RColor = R.toInt16();
        if (!G.isMissing())
            s.GColor = G.toInt16();
        if (!B.isMissing())
            s.BColor = B.toInt16();
        if (!LineWidth.isMissing())
            s.LineWidth = LineWidth.toInt16();
        if (!MarkerStyle.isMissing())
            s.Marker = MarkerStyle.toInt16();
        if (!MarkerSize.isMissing())
            s.MarkerSize = MarkerSize.toInt16();
        if (!Visible.isMissing())
            s.Visible = Visible.toBool();
        UserControl_Resize();
    });
}

void Vexachart::Refresh()
{
    DrawChart();
    if (m_services)
        m_services->pumpMessages();
}

} // namespace vexachart
