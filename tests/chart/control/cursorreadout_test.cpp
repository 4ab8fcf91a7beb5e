#include "chart/control/cursorcontroller.h"
#include "chart/control/cursorreadout.h"
#include "common/dateserial.h"
#include "testsupport.h"
#include <gtest/gtest.h>
#include <cmath>
#include <vector>

using namespace vexachart;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const CursorAxis linear{};
const CursorAxis logAxis{true, 0};
const CursorAxis dateAxis{false, 2};

// Plots built from vectors the test keeps alive.
struct PlotFixture {
    std::vector<std::vector<double>> xs, ys;
    std::vector<CursorPlotView> views;

    void add(QString label, std::vector<double> x, std::vector<double> y, bool visible = true)
    {
        xs.push_back(std::move(x));
        ys.push_back(std::move(y));
        views.push_back({visible, std::move(label), {}, {}});
        for (std::size_t i = 0; i < views.size(); ++i) {
            views[i].x = xs[i];
            views[i].y = ys[i];
        }
    }
};

} // namespace

TEST(CursorReadout, ValueTexts)
{
    struct Case {
        double stored;
        CursorAxis axis;
        const char* text;
    };
    const Case cases[] = {
        {1234.5, linear, " 1.2345E+03"},
        {-0.5, linear, "-5.0000E-01"},
        {0.0, linear, " 0.0000E+00"},
        {1.5, CursorAxis{false, 1}, " 1.5000E+00"},
        {2.0, logAxis, " 1.0000E+02"},
        {common::serialFromParts(2024, 3, 5, 14, 7, 0), dateAxis, " 05.03.2024 14:07"},
        {1.0, CursorAxis{false, 3}, ""},
        {400.0, logAxis, ""}, // 10^400 is not a number to show
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(cursorValueText(c.stored, c.axis, "dd.mm.yyyy hh:nn", english), QString(c.text));
    }
}

TEST(CursorReadout, ValuesCaptionLinesUpBothSigns)
{
    EXPECT_EQ(cursorValuesCaption({1234.5, -0.5}, linear, linear, {}, english),
              QString(" x = 1.2345E+03 \n  y =-5.0000E-01 "));
    EXPECT_EQ(cursorValuesCaption({0.25, 0.0}, linear, linear, {}, QLocale(QLocale::German, QLocale::Germany)),
              QString(" x = 2,5000E-01 \n  y = 0,0000E+00 "));
}

TEST(CursorReadout, EventValuesInUserUnits)
{
    CursorController cursor;
    // A log axis showing 1..1000, the pointer in the middle: 10^1.5.
    auto v = cursor.mouseMove({25000, 25000}, {0, 3, -1, 1}, logAxis, linear);
    ASSERT_TRUE(v);
    EXPECT_NEAR(v->first.toDouble(), 31.6227766, 1e-6);
    EXPECT_DOUBLE_EQ(v->second.toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(cursor.cursorPosition().x(), 1.5);

    // A date axis: the event carries the date-time text, to the second (no single-precision loss).
    const double start = common::serialFromParts(2024, 1, 1);
    v = cursor.mouseMove({12500, 0}, {start, start + 10, 0, 1}, dateAxis, linear);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->first.toString(), QString("2024/01/03/12/00/00"));
    EXPECT_EQ(v->first.typeId(), QMetaType::QString);

    // Linear: the plain number, in double precision.
    v = cursor.mouseMove({10000, 40000}, {0, 1, 0, 1}, linear, linear);
    ASSERT_TRUE(v);
    EXPECT_DOUBLE_EQ(v->first.toDouble(), 0.2);
    EXPECT_DOUBLE_EQ(v->second.toDouble(), 0.8);

    // 10^v overflows: the event is dropped, the position is still kept.
    EXPECT_FALSE(cursor.mouseMove({50000, 0}, {0, 400, 0, 1}, logAxis, linear));
    EXPECT_DOUBLE_EQ(cursor.cursorPosition().x(), 400);
}

TEST(CursorReadout, LabelPlacement)
{
    const QSizeF label(6000, 3000), charX(150, 400);
    struct Case {
        const char* what;
        QPointF crossing;
        QPointF topLeft;
    };
    const Case cases[] = {
        {"free: right of and below the crossing", {10000, 30000}, {10225, 29700}},
        {"near the right edge: ends at the edge", {49000, 30000}, {44000, 29700}},
        {"near the bottom edge: rests on it", {10000, 1000}, {10225, 3000}},
        {"bottom-right corner: flips to the upper left", {49000, 1000}, {42100, 5200}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QPointF got = placeCursorLabel(c.crossing, label, charX);
        EXPECT_DOUBLE_EQ(got.x(), c.topLeft.x());
        EXPECT_DOUBLE_EQ(got.y(), c.topLeft.y());
    }
}

TEST(CursorReadout, NearestPlot)
{
    PlotFixture f;
    f.add("  low  ", {0, 10, 20, 30}, {0, 10, 20, 30});
    f.add("high", {0, 10, 20, 30}, {5, 15, 25, 35});
    f.add("hidden", {0, 10, 20, 30}, {12, 12, 12, 12}, false);
    f.add("two points", {0, 30}, {12.1, 12.1});
    const double ySpan = 100; // 3 % = 3

    struct Case {
        const char* what;
        double x, y;
        int plot; // 0: none
        double yAt;
    };
    const Case cases[] = {
        {"nearest of two", 12, 13, 1, 12},
        {"the other one", 12, 16.5, 2, 17},
        {"equal distances keep the lower number", 10, 12.5, 1, 10},
        {"hidden and two-point plots are never named", 25, 12, 0, 0},
        {"left of every first point", -1, 0, 0, 0},
        {"right of every last point", 31, 30, 0, 0},
        {"pointer exactly at the last x", 30, 31, 1, 30},
        {"farther than 3 %", 15, 20.1, 2, 20},
        {"just beyond 3 %", 15, 23.0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto got = findNearestPlot(f.views, c.x, c.y, ySpan);
        if (c.plot == 0) {
            EXPECT_FALSE(got) << got->plot;
            continue;
        }
        ASSERT_TRUE(got);
        EXPECT_EQ(got->plot, c.plot);
        EXPECT_DOUBLE_EQ(got->yAt, c.yAt);
    }
    EXPECT_EQ(findNearestPlot(f.views, 12, 13, ySpan)->name, QString("low"));
}

// A plot with a repeated x (a vertical step) beside another plot must not block the search.
TEST(CursorReadout, DuplicateXNeitherDividesByZeroNorBlocksOtherPlots)
{
    PlotFixture f;
    f.add("step", {0, 10, 10, 20}, {0, 0, 50, 50});
    f.add("line", {0, 10, 20}, {40, 40, 40});
    for (double x : {10.0, 9.999, 10.001}) {
        SCOPED_TRACE(x);
        const auto got = findNearestPlot(f.views, x, 41, 100);
        ASSERT_TRUE(got);
        EXPECT_EQ(got->plot, 2);
    }
    const auto onStep = findNearestPlot(f.views, 10.0, 49, 100);
    ASSERT_TRUE(onStep);
    EXPECT_EQ(onStep->plot, 1);
    EXPECT_DOUBLE_EQ(onStep->yAt, 50);
}

TEST(CursorReadout, TickShowsValuesOrTheNearestPlotName)
{
    PlotFixture f;
    f.add("  word  ", {0, 50, 100}, {10, 20, 30});
    CursorController cursor;
    const ZoomBorders display{0, 100, 0, 100};
    cursor.mouseMove({25000, 10000}, display, linear, linear); // (50, 20)

    CursorTickInput in;
    in.display = display;
    in.locale = english;
    in.plots = f.views;
    in.measure = [](const QString& s) { return QSizeF(200.0 * s.size(), 1000); };
    in.charX = QSizeF(100, 800);

    in.mode = CursorMode::Values;
    cursor.tick(in);
    EXPECT_TRUE(cursor.overlay().linesVisible);
    EXPECT_TRUE(cursor.overlay().labelVisible);
    EXPECT_DOUBLE_EQ(cursor.overlay().verticalLineU, 25000);
    EXPECT_DOUBLE_EQ(cursor.overlay().horizontalLineW, 10000);
    EXPECT_EQ(cursor.overlay().caption, QString(" x = 5.0000E+01 \n  y = 2.0000E+01 "));
    EXPECT_DOUBLE_EQ(cursor.overlay().labelTopLeft.x(), 25150);
    EXPECT_DOUBLE_EQ(cursor.overlay().labelTopLeft.y(), 9400);

    in.mode = CursorMode::PlotName;
    cursor.mouseMove({25000, 10500}, display, linear, linear); // 1 above the plot
    cursor.tick(in);
    EXPECT_TRUE(cursor.overlay().labelVisible);
    EXPECT_EQ(cursor.overlay().caption, QString(" word "));
    EXPECT_DOUBLE_EQ(cursor.overlay().horizontalLineW, 10000) << "the line snaps to the plot";
    EXPECT_DOUBLE_EQ(cursor.overlay().labelSize.width(), 1200);

    cursor.hideLabel();
    EXPECT_FALSE(cursor.overlay().labelVisible);
    cursor.mouseMove({25000, 40000}, display, linear, linear); // far from the plot
    cursor.tick(in);
    EXPECT_FALSE(cursor.overlay().labelVisible);
    EXPECT_TRUE(cursor.overlay().linesVisible);

    in.mode = CursorMode::Off;
    cursor.tick(in);
    EXPECT_EQ(cursor.overlay(), CursorOverlay{});
}
