#include "chart/control/plotstyle.h"
#include "chartfixture.h"
#include <random>

using namespace vexachart;
using namespace vexachart::testing;

namespace {
QString aspect(const char* text)
{
    QString s = QString::fromUtf8(text);
    s.replace(QLatin1Char('|'), AspectSeparator);
    return s;
}
}

TEST(PlotAspectString, WritesTheEightFields)
{
    PlotStyle s;
    s.Label = fixedLabel(QStringLiteral("Plot 1"));
    s.RColor = 230;
    s.GColor = 251;
    s.BColor = 96;
    s.LineWidth = 1;
    s.Marker = 0;
    s.MarkerSize = 3;
    s.Visible = true;
    EXPECT_EQ(PlotAspectToString(s), aspect("Plot 1|230|251|96|1|0|3|True"));
}

TEST(PlotAspectString, ReadsFieldsLikeTheClassicReader)
{
    const PlotStyle all = StringToPlotAspect(aspect("A|1|2|3|4|5|6|-1"));
    EXPECT_TRUE(all.Visible);
    EXPECT_EQ(all.MarkerSize, 6);
    const PlotStyle two = StringToPlotAspect(aspect("A|1|2"));
    EXPECT_EQ(two.RColor, 1);
    EXPECT_EQ(two.GColor, 2);
    EXPECT_EQ(two.BColor, 0);
    EXPECT_FALSE(two.Visible);
    const PlotStyle halves = StringToPlotAspect(aspect("A|12.5|13.5"));
    EXPECT_EQ(halves.RColor, 12);
    EXPECT_EQ(halves.GColor, 14);
    EXPECT_EQ(StringToPlotAspect(aspect("A|1 2|x")).RColor, 12);
    EXPECT_TRUE(StringToPlotAspect(aspect("A|1|2|3|4|5|6|tRuE")).Visible);
    EXPECT_EQ(StringToPlotAspect(QString()).Label, QString(128, QLatin1Char(' ')));
    EXPECT_EQ(StringToPlotAspect(QStringLiteral("Plot")).Label.trimmed(), QStringLiteral("Plot"));
    EXPECT_EQ(errorOf([] { StringToPlotAspect(aspect("A|70000")); }).number, 6);
    EXPECT_EQ(errorOf([] { StringToPlotAspect(aspect("A|1|2|3|4|5|6|maybe")); }).number, 13);
}

TEST(PlotAspectString, RoundTripsAnyRecord)
{
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> num(-32768, 32767);
    for (int k = 0; k < 200; ++k) {
        PlotStyle s;
        s.Label = fixedLabel(QStringLiteral("Curve %1 a|b").arg(k) + (k % 2 ? QString(QChar(0xA6)) : QString()));
        s.RColor = static_cast<qint16>(num(rng));
        s.GColor = static_cast<qint16>(num(rng));
        s.BColor = static_cast<qint16>(num(rng));
        s.LineWidth = static_cast<qint16>(num(rng));
        s.Marker = static_cast<qint16>(num(rng));
        s.MarkerSize = static_cast<qint16>(num(rng));
        s.Visible = k % 3 == 0;
        PlotStyle expected = s;
        expected.Label.replace(QChar(0xA6), QLatin1Char('|')); // a separator in a label is written as "|"
        EXPECT_EQ(StringToPlotAspect(PlotAspectToString(s)), expected) << k;
    }
}

TEST(PlotAspectString, LabelsAreFixedAt128Characters)
{
    EXPECT_EQ(fixedLabel(QString(200, QLatin1Char('x'))), QString(128, QLatin1Char('x')));
    EXPECT_EQ(fixedLabel(QString()), QString(128, QLatin1Char(' ')));
    QString pair = QString(127, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_FALSE(fixedLabel(pair).at(127).isHighSurrogate());
}
