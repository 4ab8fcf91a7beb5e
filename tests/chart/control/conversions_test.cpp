// Conversions at the chart's automation boundary: numbers given to text members, date-time text
// read with the chart's own locale, numbers given to colour members.
#include "chart/control/dispatch.h"
#include "chart/control/membertable.h"
#include "chart/control/propertybag.h"
#include "chartfixture.h"
#include <QSignalSpy>
#include <limits>

using namespace vexachart;
using namespace vexachart::testing;

namespace {

Variant call(Vexachart& c, const char* name, InvokeKind kind, std::vector<Variant> args)
{
    return invoke(c, *idOfName(QString::fromLatin1(name)), kind, args);
}

} // namespace

TEST(ChartConversions, NumbersGivenToTextMembersAreNotGrouped)
{
    // Qt groups digits in most locales unless told not to; the chart must not.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    struct Case {
        QLocale locale;
        Variant value;
        const char* text;
    };
    const Case cases[] = {
        {english, Variant(1000.0), "1000"},
        {english, Variant(1234567.5), "1234567.5"},
        {german, Variant(1234567.5), "1234567,5"},
        {english, Variant(-0.25), "-0.25"},
        {english, Variant(1e20), "1E+20"},
        {english, Variant(0.1f), "0.1"},         // a Single shows its own digits, not the double's
        {english, Variant(1234567.0f), "1234567"},
        {english, Variant(qint16(-1000)), "-1000"},
        {english, Variant(100000), "100000"},
        {english, Variant(true), "True"},
    };
    for (const Case& k : cases) {
        const QString expected = QString::fromLatin1(k.text);
        SCOPED_TRACE(k.text);
        auto c = makeChart();
        c->setLocale(k.locale);
        // Text properties through the interface.
        for (const char* member : {"Title", "XAxisLabel", "YAxisLabel", "TimeFormat1", "TimeFormat6", "TimeFormatCursor"}) {
            call(*c, member, InvokeKind::Let, {k.value});
            EXPECT_EQ(call(*c, member, InvokeKind::Get, {}).toString(), expected) << member;
        }
        // Legends and plot descriptions.
        call(*c, "PlotAspect", InvokeKind::Let, {qint16(1), k.value});
        EXPECT_EQ(c->plotStyle(1).Label.trimmed(), expected);
        call(*c, "SetPlotLegendText", InvokeKind::Method, {qint16(2), k.value});
        EXPECT_EQ(c->plotStyle(2).Label.trimmed(), expected);
        c->SetPlotAspects(3, k.value);
        EXPECT_EQ(c->plotStyle(3).Label.trimmed(), expected);
        c->InsertSingleDataArray(4, Variant::array1({1.0, 2.0}), Variant::missing(), k.value);
        EXPECT_EQ(c->plotStyle(4).Label.trimmed(), expected);
    }
}

TEST(ChartConversions, WeekNumbersInDateAxisLabels)
{
    auto c = makeChart();
    c->setXScalingNotation(2);
    c->setTimeFormat(3, QStringLiteral("\"W\"ww"));
    // 3 March 2005 12:00 to 20 March: day level, step 2, ticks on 4, 6, … 18 March.
    c->SetGlobalBorders(QStringLiteral("2005/03/03/12/00/00"), QStringLiteral("2005/03/20/00/00/00"), 0.0, 1.0);
    const AxisScale& x = c->xAxisScale();
    QStringList labels;
    for (int i = 1; i <= x.Count; ++i)
        labels << x.tick(i).Label;
    // 6 March 2005 is a Sunday and starts week 11; 13 March starts week 12.
    EXPECT_EQ(labels, (QStringList{"W10", "W11", "W11", "W11", "W11", "W12", "W12", "W12"}));
}

TEST(ChartConversions, DateTextIsReadWithTheChartsLocale)
{
    // A field with a decimal fraction is read with the chart's decimal separator, whatever the
    // process's locale says.
    const QLocale processBefore;
    const QLocale german(QLocale::German, QLocale::Germany);
    struct Case {
        QLocale process;
        QLocale chart;
        const char* text;
        bool readable;
    };
    const Case cases[] = {
        {QLocale::c(), german, "2005/03/07/14/05/8,6", true},
        {german, QLocale::c(), "2005/03/07/14/05/8.6", true},
        {german, QLocale::c(), "2005/03/07/14/05/8,6", false},
        {QLocale::c(), german, "2005/03/07/14/05/8.6", false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        QLocale::setDefault(k.process);
        auto c = makeChart();
        c->setLocale(k.chart);
        c->setXScalingNotation(2);
        c->SetGlobalBorders(QStringLiteral("2005/03/07/00/00/00"), QStringLiteral("2005/03/08/00/00/00"), 0.0, 1.0);
        c->ClearSinglePlotDataArray(1);
        if (k.readable) {
            c->AddNewDataPoint(1, QString::fromLatin1(k.text), 0.5);
            EXPECT_EQ(c->GetData(qint16(1)).at(1, 1).toString(), QStringLiteral("2005/03/07/14/05/09"));
            c->SetDisplayBorders(QString::fromLatin1(k.text), QStringLiteral("2005/03/07/20/00/00"), 0.0, 1.0);
            EXPECT_EQ(c->GetDisplayBorders().X_Left.toString(), QStringLiteral("2005/03/07/14/05/09"));
        } else {
            EXPECT_EQ(errorOf([&] { c->AddNewDataPoint(1, QString::fromLatin1(k.text), 0.5); }).number, 12001);
            EXPECT_EQ(c->plotData(1).count(), 0);
        }
    }
    QLocale::setDefault(processBefore);
}

// Colours as hosts give them, through the interface and through the stored text: the signed
// 32-bit form of a colour is the same colour as the unsigned one; a value that names no colour is
// refused by the colour accessor (380, with its source) and changes nothing; a number that is no
// 32-bit value at all fails its conversion (6).
TEST(ChartConversions, ColourValuesAsHostsGiveThem)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        double value;
        const char* text; // the value in the stored text; null where the text cannot hold it
        long error;       // 0: taken
        double reads;     // what the member reads after it was taken
    };
    const Case cases[] = {
        {"button face, signed", -2147483633.0, "-2147483633", 0, 2147483663.0},
        {"button face, unsigned", 2147483663.0, "2147483663", 0, 2147483663.0},
        {"first system colour, signed", -2147483648.0, "-2147483648", 0, 2147483648.0},
        {"last system colour", 2147483678.0, "2147483678", 0, 2147483678.0},
        {"plain colour", 12615744.0, "12615744", 0, 12615744.0},
        {"black", 0.0, "0", 0, 0.0},
        {"white", 16777215.0, "16777215", 0, 16777215.0},
        {"half to even", 10.5, "10.5", 0, 10.0},
        {"palette index, not a colour", 50331648.0, "50331648", 380, 0.0},
        {"system colour beyond the palette", 2147483679.0, "2147483679", 380, 0.0},
        {"all bits set, signed", -1.0, "-1", 380, 0.0},
        {"all bits set, unsigned", 4294967295.0, "4294967295", 380, 0.0},
        {"beyond 32 bits", 4294967296.0, "4294967296", 6, 0.0},
        {"below the signed range", -2147483649.0, "-2147483649", 6, 0.0},
        {"huge", 1e308, "1E+308", 6, 0.0},
        {"not finite", nan, nullptr, 6, 0.0},
    };
    const char* const colours[] = {"ClrScales", "ClrGrid", "ClrControlBackGround", "ClrChartBackGround", "ClrLabels"};
    for (const char* member : colours) {
        SCOPED_TRACE(member);
        const QString key = QLatin1String(member);
        Vexachart fresh(nullptr, fixedMetrics());
        fresh.setPainting(false);
        fresh.ReadProperties(PropertyBag());
        const double keyDefault = call(fresh, member, InvokeKind::Get, {}).toDouble();
        for (const Case& k : cases) {
            SCOPED_TRACE(k.what);
            auto c = makeChart();
            call(*c, member, InvokeKind::Let, {Variant(255.0)});
            QSignalSpy notified(c.get(), &Vexachart::propertyChanged);
            if (k.error == 0) {
                call(*c, member, InvokeKind::Let, {Variant(k.value)});
                EXPECT_EQ(call(*c, member, InvokeKind::Get, {}).toDouble(), k.reads);
                EXPECT_EQ(notified.count(), 1);
            } else {
                const auto e = errorOf([&] { call(*c, member, InvokeKind::Let, {Variant(k.value)}); });
                EXPECT_EQ(e.number, k.error);
                if (k.error == 380) {
                    EXPECT_EQ(e.source, QStringLiteral("Vexachart.Let Color"));
                    EXPECT_EQ(e.description, QStringLiteral("Invalid property value"));
                }
                EXPECT_EQ(call(*c, member, InvokeKind::Get, {}).toDouble(), 255.0);
                EXPECT_EQ(notified.count(), 0);
            }
            if (!k.text)
                continue;
            // The stored text: a value taken is no bad key; any other is reported and loads the default.
            Vexachart d(nullptr, fixedMetrics());
            d.setPainting(false);
            QStringList unreadable;
            const PropertyBag bag = PropertyBag::fromText(key + QStringLiteral(" = ") + QLatin1String(k.text), &unreadable);
            ASSERT_TRUE(unreadable.isEmpty());
            const QStringList bad = d.ReadProperties(bag);
            EXPECT_EQ(bad.contains(key), k.error != 0);
            EXPECT_EQ(call(d, member, InvokeKind::Get, {}).toDouble(), k.error == 0 ? k.reads : keyDefault);
        }
    }
    // Integer members convert through the same checks.
    auto c = makeChart();
    EXPECT_EQ(errorOf([&] { call(*c, "GridStyle", InvokeKind::Let, {Variant(nan)}); }).number, 6);
    EXPECT_EQ(errorOf([&] { call(*c, "MaxCountOfPlots", InvokeKind::Let, {Variant(1e308)}); }).number, 6);
    EXPECT_EQ(errorOf([&] { call(*c, "SetPlotColor", InvokeKind::Method, {qint16(1), Variant(-1.0), 0.0, 0.0}); }).number, 6);
    EXPECT_EQ(errorOf([&] { call(*c, "SetPlotColor", InvokeKind::Method, {qint16(1), Variant(nan), 0.0, 0.0}); }).number, 6);
}
