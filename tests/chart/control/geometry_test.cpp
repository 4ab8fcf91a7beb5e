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

TEST(PlotGeometry, ClippingSegmentsBetweenTheLargestValues)
{
    // The ends' difference overflows a double; the part inside must still be drawn exactly.
    Fixture f(Borders{0, 100, 0, 100});
    struct Case {
        std::pair<double, double> a, b;
        QLineF expected; // user units
    };
    const Case cases[] = {
        {{-1e308, 50}, {1e308, 50}, QLineF(0, 25000, 50000, 25000)},
        {{-1e308, -1e308}, {1e308, 1e308}, QLineF(0, 0, 50000, 50000)},
        {{50, -1e308}, {50.5, 1e308}, QLineF(25125, 0, 25125, 50000)},
    };
    for (const Case& k : cases) {
        const PlotGeometry g = f.run(points({k.a, k.b}));
        ASSERT_EQ(g.lines.size(), 1u);
        EXPECT_NEAR(g.lines[0].x1(), k.expected.x1(), 1e-6);
        EXPECT_NEAR(g.lines[0].y1(), k.expected.y1(), 1e-6);
        EXPECT_NEAR(g.lines[0].x2(), k.expected.x2(), 1e-6);
        EXPECT_NEAR(g.lines[0].y2(), k.expected.y2(), 1e-6);
    }
}

TEST(PlotGeometry, ClippingEndsNearTheLargestValuesTakesBoundedSteps)
{
    // Where the ends lie closer than a unit in the last place of their size, the midpoint rounds
    // to an end: moving an end there makes no progress. The clip must stop all the same.
    struct Case {
        Borders b;
        std::pair<double, double> a, z;
        bool visible;
    };
    const Case cases[] = {
        {{0.01, 100, 0.01, 100}, {1, 1.79e308}, {1.79e308, 0}, false},
        {{0.01, 100, 0.01, 100}, {1.79e308, 0}, {1.79e308, 1.79e308}, false},
        {{-1, 1, -1, 1}, {-1.79e308, -1.79e308}, {1.79e308, 1.79e308}, true},
        {{0, 1e-300, 0, 1e-300}, {-1.79e308, 5e-301}, {1.79e308, 5e-301}, true},
    };
    for (const Case& k : cases) {
        double x1 = k.a.first, y1 = k.a.second, x2 = k.z.first, y2 = k.z.second;
        int steps = 0;
        EXPECT_EQ(clipLongSegment(x1, y1, x2, y2, k.b, 0, steps), k.visible);
        EXPECT_LT(steps, MaxLongClipSteps);
    }
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

namespace {
struct PixelCase {
    const char* name;
    std::vector<std::pair<double, double>> points;
    Borders borders;
    double originX; // left pixel column of the plot area (negative: partly left of the picture)
};

std::vector<std::pair<double, double>> noisyPoints(int n, unsigned seed, double step = 1.0)
{
    std::mt19937 rng(seed);
    std::normal_distribution<double> noise(0.0, 1.0);
    std::vector<std::pair<double, double>> ps;
    for (int i = 0; i < n; ++i)
        ps.emplace_back(i * step, noise(rng));
    return ps;
}

std::vector<PixelCase> pixelCases()
{
    std::vector<PixelCase> cases;
    cases.push_back({"noisy, wholly inside", noisyPoints(150000, 3), Borders{0, 149999, -6, 6}, 10.0});
    // Runs inside the area are cut short by points above and below it, again and again.
    cases.push_back({"noisy, clipped at top and bottom", noisyPoints(150000, 4), Borders{0, 149999, -1.2, 0.9}, 10.0});
    // The display starts and ends between points, so the first and last segments are clipped.
    cases.push_back({"noisy, clipped at the sides", noisyPoints(20000, 5, 0.37), Borders{101.3, 6999.9, -3, 3}, 10.0});
    // Values on the borders themselves count as inside.
    std::vector<std::pair<double, double>> edges;
    for (int i = 0; i < 40000; ++i)
        edges.emplace_back(i, (i % 7 == 0) ? 1.0 : (i % 5 == 0 ? -1.0 : std::sin(i * 0.37)));
    cases.push_back({"points on the top and bottom borders", edges, Borders{0, 39999, -1, 1}, 10.0});
    // Steps: several points on one x, and long flat stretches that thinning removes.
    std::vector<std::pair<double, double>> steps;
    for (int i = 0; i < 30000; ++i)
        steps.emplace_back(i / 4, (i / 500) % 2 ? 0.5 + 0.001 * (i % 3) : -0.5 + (i % 4) * 0.2);
    cases.push_back({"steps and repeated x", steps, Borders{0, 7499, -1, 1}, 10.0});
    // A thin band of the range: about every other point is thinned away, so thinning runs four
    // points at a time; once wholly inside, once against the top border.
    cases.push_back({"noisy in a thin band", noisyPoints(150000, 7), Borders{0, 149999, -116, 116}, 10.0});
    std::vector<std::pair<double, double>> nearTop = noisyPoints(150000, 8);
    for (auto& point : nearTop)
        point.second += 230.0;
    cases.push_back({"noisy in a thin band at the top border", nearTop, Borders{0, 149999, 0, 232}, 10.0});
    // A plot area that starts left of the picture: columns left of zero.
    cases.push_back({"area partly left of the picture", noisyPoints(60000, 6), Borders{0, 59999, -4, 4}, -200.0});
    return cases;
}

PlotGeometry pixelGeometry(const PixelCase& c, bool collapse, bool markers, bool dedupe = false)
{
    PlotPoints p;
    for (auto [x, y] : c.points)
        p.insert(x, y);
    const AxisMap mx{c.borders.X_Left, c.originX, 779.0 / c.borders.xSpan()};
    const AxisMap my{c.borders.Y_Bottom, 589.0, -579.0 / c.borders.ySpan()};
    GeometryOptions o;
    o.dx2 = 2.0 * c.borders.xSpan() / 780;
    o.dy2 = 2.0 * c.borders.ySpan() / 580;
    o.pixelOutput = true;
    o.collapseColumns = collapse;
    o.markers = markers;
    o.dedupeMarkers = dedupe;
    o.areaWidth = 800;
    o.areaHeight = 600;
    PlotGeometry g;
    plotGeometry(p, c.borders, mx, my, o, g);
    return g;
}

QImage paintLines(const std::vector<QLineF>& lines)
{
    QImage img(800, 600, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    painter.setPen(QPen(Qt::black, 0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    return img;
}
} // namespace

// Lines without markers take a faster path than lines with markers: both must give the same
// segments, and collapsing columns must leave every pixel as the uncollapsed segments paint it.
TEST(PlotGeometry, FastAndGeneralPathsGiveTheSameLinesAndPixels)
{
    for (const PixelCase& c : pixelCases()) {
        SCOPED_TRACE(c.name);
        const PlotGeometry fast = pixelGeometry(c, true, false);
        const PlotGeometry general = pixelGeometry(c, true, true);
        const PlotGeometry plain = pixelGeometry(c, false, false);
        ASSERT_FALSE(fast.lines.empty());
        EXPECT_LT(fast.lines.size(), plain.lines.size());
        ASSERT_EQ(fast.lines.size(), general.lines.size());
        for (size_t i = 0; i < fast.lines.size(); ++i)
            ASSERT_EQ(fast.lines[i], general.lines[i]) << "line " << i;
        const QImage expected = paintLines(plain.lines);
        const QImage collapsed = paintLines(fast.lines);
        int differing = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                differing += expected.pixel(x, y) != collapsed.pixel(x, y);
        EXPECT_EQ(differing, 0);
        // Markers are the same whether the lines are collapsed or not, with and without leaving
        // out repeated pixels.
        for (bool dedupe : {false, true}) {
            const PlotGeometry collapsedMarked = pixelGeometry(c, true, true, dedupe);
            const PlotGeometry plainMarked = pixelGeometry(c, false, true, dedupe);
            ASSERT_FALSE(plainMarked.markers.empty());
            EXPECT_EQ(collapsedMarked.markers, plainMarked.markers) << "dedupe " << dedupe;
        }
    }
}
