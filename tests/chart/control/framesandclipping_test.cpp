// Pixel probes of the screen and output pictures where the frames, the plot area's borders and
// the scale strips meet.
#include "chart/control/propertybag.h"
#include "chart/control/render.h"
#include "chartfixture.h"
#include <QImage>
#include <algorithm>
#include <cmath>

using namespace vexachart;
using namespace vexachart::testing;

namespace {

// 0x00BBGGRR colour values and the colours they give.
constexpr common::ColourValue ScalesValue = 0x0000C0; // frames and tick labels
const QColor ScalesColour(0xC0, 0, 0);
constexpr common::ColourValue LabelsValue = 0x008000; // title, axis labels, legend texts
constexpr common::ColourValue ChartBackValue = 0xFFFFFF;

QRgb rgb(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFFu; }

int countColour(const QImage& img, const QColor& c)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += rgb(img, x, y) == (c.rgb() & 0xFFFFFFu) ? 1 : 0;
    return n;
}

std::unique_ptr<Vexachart> colouredChart()
{
    auto c = makeChart(true);
    c->setClrScales(ScalesValue);
    c->setClrLabels(LabelsValue);
    c->setClrChartBackGround(ChartBackValue);
    c->SetGlobalBorders(0.0, 100.0, 0.0, 100.0);
    c->ClearAllPlotData();
    return c;
}

QRect pixels(const Vexachart& c, const TwipRect& r) { return toPixels(r, c.twipsPerPixel()); }

} // namespace

TEST(ChartFrames, DataOnEveryBorderStaysVisible)
{
    // One line on each border, each in its own colour, no legend repeating the colours.
    struct Line {
        std::pair<double, double> a, b;
        QColor colour;
        QPoint outwards; // from the line towards the frame
    };
    const Line lines[] = {
        {{0, 100}, {100, 100}, QColor(200, 0, 0), QPoint(0, -1)},   // top
        {{0, 0}, {100, 0}, QColor(0, 150, 0), QPoint(0, 1)},        // bottom
        {{0, 20}, {0, 80}, QColor(0, 0, 220), QPoint(-1, 0)},       // left
        {{100, 20}, {100, 80}, QColor(200, 0, 200), QPoint(1, 0)},  // right
    };
    auto c = colouredChart();
    c->setShowLegend(false);
    for (int i = 0; i < 4; ++i) {
        const Line& l = lines[i];
        const auto p = static_cast<qint16>(i + 1);
        c->AddNewDataPoint(p, l.a.first, l.a.second);
        c->AddNewDataPoint(p, l.b.first, l.b.second);
        c->SetPlotAspects(p, Variant::missing(), l.colour.red(), l.colour.green(), l.colour.blue(), 1, 0, 3, true);
    }
    const QImage screen = c->picture();
    const QImage output = c->outputPicture();
    const QRect client = c->plotClientPixels();
    for (const Line& l : lines) {
        const bool horizontal = l.outwards.y() != 0;
        const int length = horizontal ? client.width() : client.height() * 6 / 10;
        // Screen: the whole line is there, and next to it, further out, lies the frame.
        EXPECT_GE(countColour(screen, l.colour), length - 2) << l.colour.name().toStdString();
        const QPoint middle = horizontal
            ? QPoint(client.center().x(), l.outwards.y() < 0 ? client.top() : client.bottom())
            : QPoint(l.outwards.x() < 0 ? client.left() : client.right(), client.center().y());
        EXPECT_EQ(rgb(screen, middle.x(), middle.y()), l.colour.rgb() & 0xFFFFFFu) << l.colour.name().toStdString();
        const QPoint frame = middle + l.outwards;
        EXPECT_EQ(rgb(screen, frame.x(), frame.y()), ScalesColour.rgb() & 0xFFFFFFu) << l.colour.name().toStdString();
        // The output picture's wider frame leaves the line visible too.
        EXPECT_GE(countColour(output, l.colour), horizontal ? output.width() / 2 : output.height() / 4)
            << l.colour.name().toStdString();
    }
}

TEST(ChartFrames, AFittedCurveKeepsItsCrestAndTrough)
{
    auto c = colouredChart();
    c->setShowLegend(false);
    std::vector<double> ys;
    for (int i = 0; i <= 400; ++i)
        ys.push_back(std::sin(i * 2.0 * M_PI / 400.0));
    c->InsertSingleDataArray(1, Variant::array1(ys));
    c->SetPlotAspects(1, Variant::missing(), 0, 0, 230, 1, 0, 3, true);
    c->SetGlobalBordersToDataRange();
    const QImage& img = c->picture();
    const QRect client = c->plotClientPixels();
    const QRgb plot = QColor(0, 0, 230).rgb() & 0xFFFFFFu;
    auto onRow = [&](int y) {
        int n = 0;
        for (int x = client.left(); x <= client.right(); ++x)
            n += rgb(img, x, y) == plot ? 1 : 0;
        return n;
    };
    // Near its extremes the curve runs along the border row for several pixels.
    EXPECT_GE(onRow(client.top()), 5);
    EXPECT_GE(onRow(client.bottom()), 5);
}

TEST(ChartFrames, TickLabelsStayInsideTheirStrips)
{
    auto c = colouredChart();
    c->AddNewDataPoint(1, 0.0, 0.0);
    c->AddNewDataPoint(1, 100.0, 100.0);
    ASSERT_EQ(c->yAxisScale().tick(c->yAxisScale().Count).Value, 100.0); // a labelled tick on the top border
    ASSERT_EQ(c->xAxisScale().tick(c->xAxisScale().Count).Value, 100.0); // and on the right border
    const QImage& img = c->picture();
    const QRect ys = pixels(*c, c->scene().layout.yScale);
    const QRect xs = pixels(*c, c->scene().layout.xScale);
    const QRect border = pixels(*c, c->scene().layout.border);
    const QRgb scales = ScalesColour.rgb() & 0xFFFFFFu;
    int above = 0;
    for (int y = std::max(0, ys.top() - 20); y < ys.top(); ++y)
        for (int x = ys.left() + 1; x <= ys.right(); ++x)
            above += rgb(img, x, y) == scales ? 1 : 0;
    EXPECT_EQ(above, 0) << "the top Y label reaches above its strip";
    int right = 0;
    for (int y = xs.top(); y <= xs.bottom(); ++y)
        for (int x = xs.right() + 1; x < border.right(); ++x)
            right += rgb(img, x, y) == scales ? 1 : 0;
    EXPECT_EQ(right, 0) << "the last X label reaches right of its strip";
    // The labels themselves are drawn.
    int inside = 0;
    for (int y = xs.top(); y <= xs.bottom(); ++y)
        for (int x = xs.left(); x <= xs.right(); ++x)
            inside += rgb(img, x, y) == scales ? 1 : 0;
    EXPECT_GT(inside, 20);
}

TEST(ChartFrames, OutlinesCoverExactlyTheirRectangles)
{
    auto c = colouredChart();
    for (int p = 1; p <= c->MaxCountOfPlots(); ++p) {
        c->AddNewDataPoint(static_cast<qint16>(p), 10.0, 10.0 * p);
        c->AddNewDataPoint(static_cast<qint16>(p), 90.0, 20.0 * p);
        c->SetPlotAspects(static_cast<qint16>(p), Variant::missing(), 0, 60 * p, 0, 1, 0, 3, true);
    }
    const QImage& img = c->picture();
    const double tpp = c->twipsPerPixel();
    const QRect legend = pixels(*c, c->scene().layout.legend);
    ASSERT_FALSE(c->scene().legend.entries.empty());
    const QRgb black = 0;
    for (const LegendEntry& e : c->scene().legend.entries) {
        // The black ink around the sample box forms a closed rectangle without a stray pixel.
        const int x0 = legend.left() + static_cast<int>(e.x / tpp);
        const int y0 = legend.top() + static_cast<int>(e.y / tpp);
        const QRect search(x0 - 2, y0 - 2, static_cast<int>(LegendSampleWidth / tpp) + 4,
            static_cast<int>(c->scene().legend.entryHeight / tpp) + 4);
        QRect ink;
        for (int y = search.top(); y <= search.bottom(); ++y)
            for (int x = search.left(); x <= search.right(); ++x)
                if (rgb(img, x, y) == black)
                    ink |= QRect(x, y, 1, 1);
        ASSERT_TRUE(ink.isValid());
        for (int x = ink.left(); x <= ink.right(); ++x) {
            EXPECT_EQ(rgb(img, x, ink.top()), black) << x;
            EXPECT_EQ(rgb(img, x, ink.bottom()), black) << x;
        }
        for (int y = ink.top(); y <= ink.bottom(); ++y) {
            EXPECT_EQ(rgb(img, ink.left(), y), black) << y;
            EXPECT_EQ(rgb(img, ink.right(), y), black) << y;
        }
    }
    // The plot area's frame: its corners are drawn, nothing sticks out below or right of them.
    const QRect g = pixels(*c, c->scene().layout.graph);
    const QRgb scales = ScalesColour.rgb() & 0xFFFFFFu;
    for (const QPoint& corner : {g.topLeft(), g.topRight(), g.bottomLeft(), g.bottomRight()})
        EXPECT_EQ(rgb(img, corner.x(), corner.y()), scales);
    EXPECT_NE(rgb(img, g.left() - 1, g.bottom() + 1), scales);
    EXPECT_NE(rgb(img, g.left(), g.bottom() + 1), scales);
    EXPECT_NE(rgb(img, g.right() + 1, g.bottom()), scales);
}

TEST(ChartFlash, TheMessageClearsThePlotAreaOnly)
{
    auto c = colouredChart();
    c->ReadProperties(c->WriteProperties()); // a loaded control may flash
    c->AddNewDataPoint(1, 10.0, 10.0);
    c->AddNewDataPoint(1, 90.0, 80.0);
    c->SetPlotAspects(1, Variant::missing(), 0, 0, 230, 2, 0, 3, true);
    c->DrawChart();
    const QImage before = c->picture();
    const QRect xs = pixels(*c, c->scene().layout.xScale);
    const QRect ys = pixels(*c, c->scene().layout.yScale);
    const QRect client = c->plotClientPixels();
    EXPECT_EQ(c->DrawChart(Borders{5, 5, 0, 1}, DrawOrigin::Interactive), DrawResult::Refused);
    ASSERT_TRUE(c->flashPending());
    const QImage& during = c->picture();
    // Both strips still show their tick labels and marks.
    for (const QRect& strip : {xs, ys})
        EXPECT_EQ(during.copy(strip), before.copy(strip));
    // The plot area shows the message alone: no plot, and no grid line across it.
    const QImage area = during.copy(client);
    EXPECT_EQ(countColour(area, QColor(0, 0, 230)), 0);
    const QRgb grid = 0; // ClrGrid's black, also the message's colour
    int gridRows = 0;
    for (int y = 0; y < area.height(); ++y) {
        int n = 0;
        for (int x = 0; x < area.width(); ++x)
            n += rgb(area, x, y) == grid ? 1 : 0;
        gridRows += n > area.width() * 9 / 10 ? 1 : 0;
    }
    EXPECT_EQ(gridRows, 0);
    int ink = 0; // the message
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            ink += rgb(area, x, y) != (QColor(Qt::white).rgb() & 0xFFFFFFu) ? 1 : 0;
    EXPECT_GT(ink, 20);
}

namespace {

// Tick label ink: the scales colour or its blend with the white background (the grid and the tick
// marks are neither).
bool labelInk(QRgb p) { return qRed(p) - qGreen(p) > 60; }

// The labels in an area as runs of rows (down) or columns (across) holding ink; a gap of more
// than three empty lines ends a label, so that the gaps between digits do not.
std::vector<std::pair<int, int>> labelRuns(const QImage& img, const QRect& area, bool down)
{
    std::vector<std::pair<int, int>> runs;
    const int from = down ? area.top() : area.left();
    const int to = down ? area.bottom() : area.right();
    for (int line = from; line <= to; ++line) {
        bool ink = false;
        for (int k = down ? area.left() : area.top(); k <= (down ? area.right() : area.bottom()) && !ink; ++k)
            ink = labelInk(down ? img.pixel(k, line) : img.pixel(line, k));
        if (!ink)
            continue;
        if (!runs.empty() && line - runs.back().second <= 4)
            runs.back().second = line;
        else
            runs.emplace_back(line, line);
    }
    return runs;
}

int extent(const std::pair<int, int>& run) { return run.second - run.first + 1; }

} // namespace

TEST(ChartFrames, TickLabelsOnTheBordersShowWhole)
{
    // Ticks 20..100 on both axes: "100" lies on the right and on the top border.
    auto c = colouredChart();
    c->AddNewDataPoint(1, 0.0, 0.0);
    c->AddNewDataPoint(1, 100.0, 100.0);
    const QImage& img = c->picture();
    const QRect xs = pixels(*c, c->scene().layout.xScale);
    // Clear of the frame lines over the Y strip's left and top edges.
    const QRect ys = pixels(*c, c->scene().layout.yScale).adjusted(3, 1, 0, 0);
    const auto yLabels = labelRuns(img, ys, true); // top to bottom: 100 .. 20
    const auto xLabels = labelRuns(img, xs, false); // left to right: 20 .. 100
    ASSERT_EQ(yLabels.size(), 5u);
    ASSERT_EQ(xLabels.size(), 5u);
    // The top "100" is as tall as the labels below it.
    const auto top = yLabels.front();
    for (size_t i = 1; i < yLabels.size(); ++i)
        EXPECT_NEAR(extent(top), extent(yLabels[i]), 1) << "Y label " << i;
    // The last X label is as wide as the same text "100" in the Y strip.
    const auto topColumns = labelRuns(img, QRect(ys.left(), top.first, ys.width(), extent(top)), false);
    ASSERT_EQ(topColumns.size(), 1u);
    EXPECT_NEAR(extent(xLabels.back()), extent(topColumns.front()), 1);
    EXPECT_GT(extent(topColumns.front()), 10);
}
