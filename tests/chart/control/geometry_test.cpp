#include "chart/control/geometry.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace vexachart;

namespace {
// User units 0..50000 of a display of the given borders.
struct Fixture {
    Borders b;
    AxisMap mx, my;
    explicit Fixture(Borders borders) : b(borders)
    {
        mx = {b.X_Left, 0.0, 50000.0 / b.xSpan()};
        my = {b.Y_Bottom, 0.0, 50000.0 / b.ySpan()};
    }
    PlotGeometry run(const PlotPoints& p, double dx2 = 0, double dy2 = 0, bool markers = true)
    {
        PlotGeometry g;
        GeometryOptions o;
        o.dx2 = dx2;
        o.dy2 = dy2;
        o.markers = markers;
        plotGeometry(p, b, mx, my, o, g);
        return g;
    }
};
PlotPoints points(std::initializer_list<std::pair<double, double>> ps)
{
    PlotPoints p;
    for (auto [x, y] : ps)
        p.insert(x, y);
    return p;
}
}

TEST(PlotGeometry, ClippingAndMarkersAtTheBorders)
{
    Fixture f(Borders{0, 10, 0, 5});
    // A segment crossing the top is drawn to the border; no marker at its clipped end.
    const PlotGeometry top = f.run(points({{2, 2}, {4, 8}}));
    ASSERT_EQ(top.lines.size(), 1u);
    EXPECT_DOUBLE_EQ(top.lines[0].y2(), 50000.0);
    EXPECT_DOUBLE_EQ(top.lines[0].x2(), 15000.0); // y 5 is reached at x 3
    EXPECT_EQ(top.markers.size(), 1u);
    // Wholly left of the display: nothing (no stray pixels at the left edge).
    EXPECT_TRUE(f.run(points({{-2, 6}, {-1, 4}})).lines.empty());
    // One point inside: its marker only; on a border: nothing.
    EXPECT_EQ(f.run(points({{5, 2}})).markers.size(), 1u);
    EXPECT_TRUE(f.run(points({{10, 2}})).markers.empty());
    // Above and below: rejected.
    EXPECT_TRUE(f.run(points({{1, 6}, {2, 7}, {3, 9}})).lines.empty());
}

TEST(PlotGeometry, ThinningBoundsTheSegmentsOfDenseData)
{
    Fixture f(Borders{0, 1, -1, 1});
    PlotPoints p;
    const int n = 100000;
    for (int i = 0; i < n; ++i)
        {
        const double x = i / double(n - 1);
        p.insert(x, 2.0 * x * x - 1.0); // monotonic across the whole area
    }
    // 800 x 600 pixels: two pixels are 2/800 in x and 4/600 in y. Every segment spans two pixels
    // on one axis, so monotonic data give at most 800 / 2 + 600 / 2 segments.
    const PlotGeometry g = f.run(p, 2.0 / 800, 4.0 / 600, false);
    EXPECT_LE(g.lines.size(), 700u);
    EXPECT_GT(g.lines.size(), 100u);
    // The thinned line still ends at the last point.
    EXPECT_NEAR(g.lines.back().x2(), 50000.0 * (1.0), 1.0);
    // Markers only at drawn points: thinned points get none.
    PlotPoints few = points({{0.1, 0.1}, {0.1001, 0.1}, {0.5, 0.5}});
    const PlotGeometry m = f.run(few, 0.01, 0.01, true);
    EXPECT_EQ(m.markers.size(), 2u);
}

#include <QImage>
#include <QPainter>
#include <random>

TEST(PlotGeometry, ColumnCollapseLeavesThePixelsUnchanged)
{
    PlotPoints p;
    std::mt19937 rng(11);
    std::normal_distribution<double> noise(0.0, 1.0);
    for (int i = 0; i < 200000; ++i)
        p.insert(i, noise(rng));
    const Borders b{0, 199999, -5, 5};
    const AxisMap mx{b.X_Left, 10.0, 779.0 / b.xSpan()};
    const AxisMap my{b.Y_Bottom, 589.0, -579.0 / b.ySpan()};
    auto draw = [&](bool collapse) {
        GeometryOptions o;
        o.dx2 = 2.0 * b.xSpan() / 780;
        o.dy2 = 2.0 * b.ySpan() / 580;
        o.pixelOutput = true;
        o.collapseColumns = collapse;
        PlotGeometry g;
        plotGeometry(p, b, mx, my, o, g);
        QImage img(800, 600, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter painter(&img);
        painter.setPen(QPen(Qt::black, 0));
        painter.drawLines(g.lines.data(), static_cast<int>(g.lines.size()));
        return std::make_pair(img, g.lines.size());
    };
    const auto [plain, plainLines] = draw(false);
    const auto [collapsed, collapsedLines] = draw(true);
    EXPECT_LT(collapsedLines * 10, plainLines);
    int differing = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            if (plain.pixel(x, y) != collapsed.pixel(x, y)) {
                ++differing;
                ADD_FAILURE() << x << "," << y << " plain " << QColor(plain.pixel(x, y)).name().toStdString();
            }
    EXPECT_EQ(differing, 0);
}
