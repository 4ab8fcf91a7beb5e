// Pictures rendered offscreen: probes of colours at places the layout fixes.
#include "chart/control/render.h"
#include "chart/control/widget.h"
#include "chartfixture.h"
#include "common/widgets/qtcolour.h"
#include <QDir>
#include <cmath>

using namespace vexachart;
using namespace vexachart::testing;

namespace {

// A chart with four plots, legend, logarithmic y axis and markers, drawn with the real fonts.
std::unique_ptr<Vexachart> showcase(QSize size = QSize(800, 600))
{
    auto c = std::make_unique<Vexachart>(nullptr);
    c->setLocale(QLocale::c());
    c->initNew();
    c->setTitle(QStringLiteral("Performance"));
    c->setXAxisLabel(QStringLiteral("Oil flow [l/min]"));
    c->setYAxisLabel(QStringLiteral("Heat [kW]"));
    c->SetGlobalBorders(0.0, 200.0, 0.1, 1000.0, qint16(0), qint16(1));
    for (int p = 1; p <= 4; ++p) {
        std::vector<double> ys;
        for (int i = 1; i <= 200; ++i)
            ys.push_back(0.2 * p * std::pow(1.0 + i / 20.0, 1.0 + p * 0.5));
        c->InsertSingleDataArray(static_cast<qint16>(p), Variant::array1(ys));
    }
    c->SetPlotAspects(1, Variant::missing(), 200, 0, 0, 2, 1, 3);
    c->SetPlotAspects(3, Variant::missing(), Variant::missing(), Variant::missing(), Variant::missing(), 1, 7, 4);
    c->resizeTo(size);
    return c;
}

QColor at(const QImage& img, int x, int y) { return QColor(img.pixel(x, y)); }

} // namespace

TEST(ChartPicture, PlotColoursStayInsideThePlotArea)
{
    auto c = showcase();
    const QImage& img = c->picture();
    ASSERT_EQ(img.size(), QSize(800, 600));
    if (const char* dir = std::getenv("VEXACHART_SNAPSHOT_DIR"))
        img.save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("chart-screen.png")));
    const QRect g = toPixels(c->scene().layout.graph, c->twipsPerPixel());
    const QColor plot4(0, 0, 240);
    int inside = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (at(img, x, y) == plot4) {
                const QRect legend = toPixels(c->scene().layout.legend, c->twipsPerPixel());
                EXPECT_TRUE(g.contains(x, y) || legend.contains(x, y)) << x << "," << y;
                inside += g.contains(x, y) ? 1 : 0;
            }
    EXPECT_GT(inside, 100);
    // Background of the plot area is the chart colour; the frame around it the control colour.
    EXPECT_EQ(at(img, g.left() + 3, g.top() + 3), QColor(0x3D, 0xBA, 0xEF));
}

TEST(ChartPicture, TurnedYLabelAndLegendAreDrawn)
{
    auto c = showcase();
    const QImage& img = c->picture();
    const QRect label = toPixels(c->scene().layout.labY, c->twipsPerPixel());
    ASSERT_GT(label.height(), label.width()); // turned: taller than wide
    int ink = 0;
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x)
            ink += at(img, x, y) == QColor(Qt::black) ? 1 : 0;
    EXPECT_GT(ink, 20);
    EXPECT_EQ(c->scene().legend.entries.size(), 4u);
    const QRect legend = toPixels(c->scene().layout.legend, c->twipsPerPixel());
    EXPECT_TRUE(QRect(QPoint(0, 0), img.size()).contains(legend));
}

TEST(ChartPicture, OutputPictureIsTheEnlargedFramedChart)
{
    auto c = showcase();
    const QImage out = c->outputPicture();
    EXPECT_EQ(out.size(), QSize(831, 565)); // 12500 x 8500 twips at 96 dpi, less the border
    if (const char* dir = std::getenv("VEXACHART_SNAPSHOT_DIR"))
        out.save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("chart-output.png")));
    // The chart on screen is untouched by the output.
    EXPECT_EQ(c->picture().size(), QSize(800, 600));
    c->setShowLegend(false);
    const QImage noLegend = c->outputPicture();
    EXPECT_NE(noLegend, out);
}

TEST(ChartPicture, MeasuredWidthsFollowTheFontSize)
{
    // Widths are kept between redraws; a larger size of the same font is measured anew.
    FontTextMetrics m;
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPointSizeF(7.8);
    const double small = m.width(f, QStringLiteral("600"));
    f.setPointSizeF(7.8 * 1.5);
    const double large = m.width(f, QStringLiteral("600"));
    EXPECT_GT(large, small * 1.3);
    EXPECT_EQ(m.width(f, QStringLiteral("600")), large);
}

TEST(ChartPicture, HighDensityScreensGetADevicePixelPicture)
{
    auto c = makeChart(true);
    c->setDevicePixelRatio(2.0);
    c->resizeTo(QSize(300, 200));
    EXPECT_EQ(c->picture().size(), QSize(600, 400));
    EXPECT_EQ(c->picture().devicePixelRatio(), 2.0);
    // Laid out in logical pixels: the plot area covers the same share of the picture.
    const QRect g = toPixels(c->scene().layout.graph, c->twipsPerPixel());
    EXPECT_LT(g.right(), 300);
    EXPECT_EQ(QColor(c->picture().pixel(2 * g.left() + 6, 2 * g.top() + 6)), QColor(0x3D, 0xBA, 0xEF));
}

// A dense noisy plot, partly above and below the display: in the chart's picture the pixels in
// the plot's colour inside the plot area are exactly those the painter draws for its segments.
TEST(ChartPicture, DenseNoisyPlotHasThePaintersPixels)
{
    auto c = std::make_unique<Vexachart>(nullptr);
    c->setLocale(QLocale::c());
    c->initNew();
    c->setMaxCountOfPlots(1);
    std::vector<double> ys;
    unsigned state = 7;
    for (int i = 0; i < 120000; ++i) {
        state = state * 1103515245u + 12345u;
        ys.push_back(((state >> 8) % 20001) / 10000.0 - 1.0 + 0.3 * std::sin(i * 1e-4));
    }
    c->InsertSingleDataArray(1, Variant::array1(ys));
    c->SetPlotAspects(1, QStringLiteral("Noise"), 200, 30, 90, 1, 0, 3, true);
    c->resizeTo(QSize(800, 600));
    c->SetGlobalBorders(0.0, 119999.0, -0.8, 0.9, qint16(0), qint16(0));
    const QImage& img = c->picture();
    ASSERT_EQ(img.size(), QSize(800, 600));
    const QRect g = toPixels(c->scene().layout.graph, c->twipsPerPixel());
    ASSERT_EQ(c->scene().plots.size(), 1u);
    const std::vector<QLineF>& lines = c->scene().plots[0].geometry.lines;
    ASSERT_FALSE(lines.empty());
    QImage expected(img.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    QPainter p(&expected);
    p.setClipRect(g);
    p.setPen(QPen(QColor(200, 30, 90), 0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLines(lines.data(), static_cast<int>(lines.size()));
    p.end();
    const QRgb plot = QColor(200, 30, 90).rgb();
    int painted = 0;
    int differing = 0;
    // Frames drawn after the plots cover the area's outermost rows and columns.
    for (int y = g.top() + 1; y < g.bottom(); ++y)
        for (int x = g.left() + 1; x < g.right(); ++x) {
            const bool want = expected.pixel(x, y) == plot;
            painted += want ? 1 : 0;
            differing += want != (img.pixel(x, y) == plot) ? 1 : 0;
        }
    EXPECT_GT(painted, g.width() * g.height() / 4);
    EXPECT_EQ(differing, 0);
}

// Writing the control colour while redraws are held back repaints what lies on the control's
// background (frame, legend, turned label) at once, exactly as the next full redraw paints it,
// and leaves the plot area and the strips as they were.
TEST(ChartPicture, ControlColourWithRedrawsHeldBackRepaintsFrameLegendAndLabel)
{
    auto c = showcase();
    ASSERT_TRUE(c->ShowLegend());
    const QImage before = c->picture().copy();
    const ChartLayout& l = c->scene().layout;
    const double tpp = c->twipsPerPixel();
    const QRegion chartArea = QRegion(toPixels(l.graph, tpp)) | QRegion(toPixels(l.xScale, tpp)) | QRegion(toPixels(l.yScale, tpp));

    c->setPInit(true);
    c->setClrChartBackGround(0x00FF00); // held back: the plot area keeps its colour for now
    c->setClrControlBackGround(0x2040A0);
    const QImage held = c->picture().copy();
    const QColor newBack = common::toQColor(0x2040A0);
    // Probes: a corner of the frame, the legend's top left, the turned label's top.
    const QRect legend = toPixels(l.legend, tpp);
    const QRect labY = toPixels(l.labY, tpp);
    EXPECT_EQ(at(held, 2, 2), newBack);
    EXPECT_EQ(at(held, legend.left() + 1, legend.top() + 1), newBack);
    EXPECT_EQ(at(held, labY.center().x(), labY.top() + 1), newBack);

    c->setPInit(false);
    c->DrawChart();
    const QImage full = c->picture();
    ASSERT_EQ(full.size(), held.size());
    int outsideDiffs = 0, insideChanged = 0, insideRedrawn = 0;
    for (int y = 0; y < held.height(); ++y)
        for (int x = 0; x < held.width(); ++x) {
            if (chartArea.contains(QPoint(x, y))) {
                insideChanged += held.pixel(x, y) != before.pixel(x, y) ? 1 : 0;
                insideRedrawn += full.pixel(x, y) != before.pixel(x, y) ? 1 : 0;
            } else {
                outsideDiffs += held.pixel(x, y) != full.pixel(x, y) ? 1 : 0;
            }
        }
    EXPECT_EQ(outsideDiffs, 0) << "the frame differs from the one the full redraw paints";
    EXPECT_EQ(insideChanged, 0) << "the plot area was drawn while redraws were held back";
    EXPECT_GT(insideRedrawn, 1000); // the redraw then takes the new chart colour
}
