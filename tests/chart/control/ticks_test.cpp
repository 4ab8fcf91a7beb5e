#include "chart/control/ticks.h"
#include "chartfixture.h"
#include "common/dateserial.h"
#include "common/error.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace vexachart;

namespace {

struct Ticks {
    std::vector<double> values;
    QStringList labels;
};

Ticks run(void (*gen)(const AxisInput&, AxisScale&), AxisInput in)
{
    AxisScale s;
    gen(in, s);
    Ticks t;
    for (int i = 1; i <= s.Count; ++i) {
        t.values.push_back(s.tick(i).Value);
        t.labels << s.tick(i).Label;
    }
    return t;
}

AxisInput axis(double lo, double hi, int notation = 0, QLocale locale = QLocale::c())
{
    AxisInput in;
    in.lo = lo;
    in.hi = hi;
    in.notation = notation;
    in.locale = locale;
    return in;
}

} // namespace

TEST(LinearTicks, WorkedSpans)
{
    struct Case {
        double lo, hi;
        int notation;
        std::vector<double> values;
        QStringList labels;
    };
    const std::vector<Case> cases = {
        {0, 100, 0, {20, 40, 60, 80, 100}, {"20", "40", "60", "80", "100"}},
        {0, 100, 1, {20, 40, 60, 80, 100}, {"2E+01", "4E+01", "6E+01", "8E+01", "1E+02"}},
        {0, 0.3, 0, {0.05, 0.1, 0.15, 0.2, 0.25}, {"0.05", "0.10", "0.15", "0.20", "0.25"}},
        {20, 100, 0, {30, 40, 50, 60, 70, 80, 90, 100}, {"30", "40", "50", "60", "70", "80", "90", "100"}},
        {0, 7, 0, {1, 2, 3, 4, 5, 6, 7}, {"1", "2", "3", "4", "5", "6", "7"}},
        {0.01, 100, 0, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, {"10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}},
    };
    for (const Case& c : cases) {
        const Ticks t = run(CalcLinearTicks, axis(c.lo, c.hi, c.notation));
        EXPECT_EQ(t.values, c.values) << c.lo << ".." << c.hi;
        EXPECT_EQ(t.labels, c.labels) << c.lo << ".." << c.hi;
    }
}

TEST(LinearTicks, MinusOneToOneHasAnExactZeroAndOneDecimal)
{
    const Ticks t = run(CalcLinearTicks, axis(-1, 1));
    ASSERT_EQ(t.values.size(), 10u);
    EXPECT_EQ(t.values[4], 0.0);
    EXPECT_EQ(t.labels[4], QStringLiteral("0.0"));
    EXPECT_EQ(t.labels.front(), QStringLiteral("-0.8"));
    EXPECT_EQ(t.labels.back(), QStringLiteral("1.0"));
    EXPECT_EQ(run(CalcLinearTicks, axis(-1, 1, 1)).labels[1], QStringLiteral("-6.0E-01"));
}

TEST(LinearTicks, DecimalCommaTinySpansAndNoProgress)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(run(CalcLinearTicks, axis(0, 0.3, 0, german)).labels.first(), QStringLiteral("0,05"));
    EXPECT_EQ(run(CalcLinearTicks, axis(0, 1e-14)).values.size(), 5u);
    EXPECT_TRUE(run(CalcLinearTicks, axis(0, 1e-15)).values.empty());
    // A span that the 11-digit rounding cannot step through ends at the table's end, with error 9.
    AxisScale s;
    try {
        CalcLinearTicks(axis(1e15, 1e15 + 10), s);
        FAIL() << "no error";
    } catch (const common::Error& e) {
        EXPECT_EQ(e.number(), 9);
    }
    EXPECT_EQ(s.Count, 100);
    // A zero span fails before any tick; the table is empty.
    EXPECT_THROW(CalcLinearTicks(axis(5, 5), s), common::Error);
    EXPECT_EQ(s.Count, 0);
}

namespace {
// Log axis of `decades` decades where exactly `fit` labels fit along the axis.
AxisInput logAxis(double lo, double hi, double fit, int notation = 0)
{
    static FixedTextMetrics metrics(100.0, 200.0);
    AxisInput in = axis(lo, hi, notation);
    in.linLogMode = 1;
    in.metrics = &metrics;
    in.axisLength = fit * 700.0 / 0.7; // probe "0000000" is 700 twips wide
    return in;
}
}

TEST(LogTicks, DecadeDensityFollowsTheLabelsThatFit)
{
    EXPECT_EQ(run(CalcLogTicks, logAxis(0, 3, 5)).values, (std::vector<double>{10, 100}));
    EXPECT_TRUE(run(CalcLogTicks, logAxis(0, 1, 2)).values.empty());
    EXPECT_EQ(run(CalcLogTicks, logAxis(0, 2, 20)).values, (std::vector<double>{2, 4, 6, 8, 10, 20, 40, 60, 80}));
    EXPECT_EQ(run(CalcLogTicks, logAxis(0, 2, 8)).values, (std::vector<double>{5, 10, 50}));
    EXPECT_EQ(run(CalcLogTicks, logAxis(0, 2, 21)).values,
        (std::vector<double>{2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
    const Ticks k2 = run(CalcLogTicks, logAxis(-0.5, 1.5, 20));
    EXPECT_EQ(k2.values, (std::vector<double>{0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10, 20}));
    EXPECT_EQ(k2.labels[1], QStringLiteral("0.6"));
    // 5 labels fit: one decade k = 2, two decades k = 5, three k = 10.
    EXPECT_EQ(run(CalcLogTicks, logAxis(0, 1, 5)).values.size(), 4u);
    EXPECT_EQ(run(CalcLogTicks, logAxis(0, 2, 5)).values, (std::vector<double>{5, 10, 50}));
    EXPECT_EQ(run(CalcLogTicks, logAxis(0, 3, 5)).values, (std::vector<double>{10, 100}));
    EXPECT_EQ(run(CalcLogTicks, logAxis(0, 2, 5, 1)).labels, (QStringList{"5E+00", "1E+01", "5E+01"}));
}

TEST(LogTicks, SubDecadeBranch)
{
    const Ticks a = run(CalcLogTicks, logAxis(2, 2.9, 5));
    EXPECT_EQ(a.values, (std::vector<double>{200, 300, 400, 500, 600, 700}));
    EXPECT_EQ(a.labels.first(), QStringLiteral("200"));
    EXPECT_EQ(run(CalcLogTicks, logAxis(2, 2.9, 5, 1)).labels.first(), QStringLiteral("2E+02"));
    const Ticks b = run(CalcLogTicks, logAxis(0, 0.5, 5));
    EXPECT_EQ(b.labels.first(), QStringLiteral("1.0"));
    EXPECT_EQ(b.labels.last(), QStringLiteral("3.0"));
    EXPECT_EQ(b.values.size(), 11u);
    // D = 0.999 takes this branch, D = 1 the decade branch.
    EXPECT_EQ(run(CalcLogTicks, logAxis(0, 0.999, 5)).labels.first(), QStringLiteral("2"));
}

TEST(LogTicks, ProbeOfZeroExtentIsAnError)
{
    FixedTextMetrics zero(0.0, 0.0);
    AxisInput in = logAxis(0, 3, 5);
    in.metrics = &zero;
    AxisScale s;
    EXPECT_THROW(CalcLogTicks(in, s), common::Error);
}

TEST(LogTicks, LowerBordersAmongTheDenormalsAreAnOverflow)
{
    // 10^-323.5 rounds to the smallest denormal while the decade start 10^-324 is 0; below
    // about 10^-324 both are 0. Neither gives a first tick.
    for (const double lo : {-323.5, -324.0, -330.0, -400.0}) {
        SCOPED_TRACE(lo);
        AxisScale s;
        EXPECT_EQ(vexachart::testing::errorOf([&] { CalcLogTicks(logAxis(lo, lo + 2, 5), s); }).number, common::errc::Overflow);
    }
    // Borders far down but above the denormals keep their ticks.
    EXPECT_FALSE(run(CalcLogTicks, logAxis(-300, -298, 5)).values.empty());
}

namespace {
double at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return common::serialFromParts(y, mo, d, h, mi, s); }
}

TEST(TimeTicks, LevelsStepsAndTicks)
{
    static const std::array<QString, 7> formats = {QString(), QStringLiteral("YYYY"), QStringLiteral("MMM-YYYY"),
        QStringLiteral("DD-MMM-YYYY"), QStringLiteral("DD-MMM (HH\"h\")"), QStringLiteral("HH\"h\":NN\"m\""),
        QStringLiteral("HH:NN:SS\"s\"")};
    const auto steps = defaultTimeStepTable();
    auto t = [&](double lo, double hi) {
        AxisInput in = axis(lo, hi, 2);
        in.timeFormats = &formats;
        in.timeSteps = &steps;
        return run(CalcTimeTicks, in);
    };
    const Ticks secs = t(at(2005, 3, 7, 10), at(2005, 3, 7, 10, 3));
    EXPECT_EQ(chooseTimeLevel(at(2005, 3, 7, 10), at(2005, 3, 7, 10, 3), steps).step, 30);
    EXPECT_EQ(secs.values.front(), at(2005, 3, 7, 10, 0, 30));
    EXPECT_EQ(secs.values.back(), at(2005, 3, 7, 10, 2, 30));
    EXPECT_EQ(secs.labels.front(), QStringLiteral("10:00:30s"));
    const Ticks days = t(at(2005, 3, 3, 12), at(2005, 3, 20));
    EXPECT_EQ(days.values.size(), 8u);
    EXPECT_EQ(days.values.front(), at(2005, 3, 4));
    EXPECT_EQ(days.labels.front(), QStringLiteral("04-Mar-2005"));
    const Ticks months = t(at(2005, 2, 15), at(2005, 12, 20));
    EXPECT_EQ(months.values.front(), at(2005, 3, 1));
    EXPECT_EQ(months.values.back(), at(2005, 12, 1));
    const Ticks years = t(at(1990, 7, 1), at(2010, 7, 1));
    EXPECT_EQ(years.labels.front(), QStringLiteral("1992"));
    EXPECT_EQ(years.labels.back(), QStringLiteral("2010"));
    EXPECT_EQ(chooseTimeLevel(at(1900, 1, 1), at(2050, 1, 1), steps).step, 20);
    // Exactly 300 seconds is the minute level; exactly 120 hours the day level.
    EXPECT_EQ(chooseTimeLevel(at(2005, 1, 1), at(2005, 1, 1, 0, 5), steps).level, 5);
    EXPECT_EQ(chooseTimeLevel(at(2005, 1, 1), at(2005, 1, 6), steps).level, 3);
    // Reversed range: second level, no ticks. Step 5 days from 28 February carries to 2 March.
    EXPECT_TRUE(t(at(2005, 1, 2), at(2005, 1, 1)).values.empty());
    const Ticks carry = t(at(2005, 2, 28), at(2005, 3, 30));
    EXPECT_EQ(carry.values.front(), at(2005, 3, 2));
    // A tick on the upper border is not drawn (levels 2..6).
    EXPECT_EQ(t(at(2005, 3, 7, 10), at(2005, 3, 7, 10, 3)).values.back(), at(2005, 3, 7, 10, 2, 30));
}
