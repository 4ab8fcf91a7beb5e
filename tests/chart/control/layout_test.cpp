#include "chart/control/layout.h"
#include "chart/control/legend.h"
#include <gtest/gtest.h>

using namespace vexachart;

namespace {
LayoutInput example()
{
    LayoutInput in;
    in.frameWidth = 9000;
    in.frameHeight = 6000;
    in.titleSize = QSizeF(2000, 300);
    in.labXSize = QSizeF(1000, 240);
    in.xScaleHeight = 300;
    in.labYSize = QSizeF(300, 1000);
    in.yStripWidth = 700;
    in.legendSize = [](double, double) { return QSizeF(1500, 900); };
    return in;
}
}

TEST(Layout, FullLayoutOfTheWorkedExample)
{
    const ChartLayout l = ArrangeChart(example(), ChartLayout{});
    EXPECT_EQ(l.graph.top, 540);
    EXPECT_EQ(l.labX.top, 5700);
    EXPECT_EQ(l.graph.height, 4548);
    EXPECT_EQ(l.xScale.top, 5088);
    EXPECT_EQ(l.scrH.top, 5388);
    EXPECT_EQ(l.labY.top, 2314);
    EXPECT_EQ(l.yScale.left, 420);
    EXPECT_EQ(l.title.left, 420);
    EXPECT_EQ(l.graph.left, 1120);
    EXPECT_EQ(l.graph.width, 6008);
    EXPECT_EQ(l.scrV.left, 7128);
    EXPECT_EQ(l.legend.left, 7405);
    EXPECT_EQ(l.border, (TwipRect{420, 540, 6960, 5100}));
    EXPECT_EQ(l.labX.left, 1120 + 3004 - 500);
}

TEST(Layout, VariantsOfTheExample)
{
    LayoutInput in = example();
    in.showLegend = false;
    EXPECT_EQ(ArrangeChart(in, ChartLayout{}).graph.width, 7428);
    in.outputInProgress = true;
    const ChartLayout out = ArrangeChart(in, ChartLayout{});
    EXPECT_EQ(out.graph.left, 1240);
    EXPECT_EQ(out.graph.width, 7148);
    in = example();
    in.zoomEnabled = false;
    EXPECT_EQ(ArrangeChart(in, ChartLayout{}).graph.height, 4770);
    // A wider Y strip moves only the plot's left edge; its right edge, scrV and the legend stay.
    const ChartLayout full = ArrangeChart(example(), ChartLayout{});
    in = example();
    in.yStripWidth = 900;
    const ChartLayout narrow = ArrangeScales(in, full);
    EXPECT_EQ(narrow.graph.left, 1320);
    EXPECT_EQ(narrow.graph.width, 5808);
    EXPECT_EQ(narrow.scrV, full.scrV);
    EXPECT_EQ(narrow.legend, full.legend);
    in.arrangeEnabled = false;
    EXPECT_EQ(ArrangeChart(in, full).yScale.width, 700);
    // Too low a frame: the plot area keeps its previous height, the rest is still placed.
    in = example();
    in.frameHeight = 1000;
    const ChartLayout low = ArrangeChart(in, full);
    EXPECT_EQ(low.graph.height, full.graph.height);
    EXPECT_EQ(low.labX.top, 1000 - 240 - 60);
}

TEST(Legend, GeometryOfColumnsAndRows)
{
    FixedTextMetrics m(100.0, 195.0); // h = 195
    std::vector<PlotStyle> styles(10);
    for (size_t i = 0; i < styles.size(); ++i) {
        styles[i].Label = fixedLabel(QStringLiteral("Curve %1").arg(i)); // " Curve i " 9 chars = 900 twips
        styles[i].Visible = i < 3;
    }
    const LegendLayout three = layoutLegend(styles, 5000, m, QFont());
    EXPECT_EQ(three.height, 825);
    EXPECT_EQ(three.width, 1480);
    EXPECT_EQ(three.entries.size(), 3u);
    EXPECT_EQ(three.entries[2].y, 60 + 2 * 255);
    for (auto& s : styles)
        s.Visible = true;
    const LegendLayout ten = layoutLegend(styles, 1100, m, QFont());
    EXPECT_EQ(ten.rows, 4);
    EXPECT_EQ(ten.columns, 3);
    EXPECT_EQ(ten.height, 1080);
    EXPECT_EQ(ten.width, 3 * ten.columnWidth + 120);
    EXPECT_EQ(ten.entries[4].x, 120 + ten.columnWidth);
    EXPECT_EQ(ten.entries[4].y, 60);
    // A plot area lower than one entry: one row per column, no division by zero.
    const LegendLayout low = layoutLegend(styles, 100, m, QFont());
    EXPECT_EQ(low.rows, 1);
    EXPECT_EQ(low.columns, 10);
    for (auto& s : styles)
        s.Visible = false;
    const LegendLayout none = layoutLegend(styles, 1100, m, QFont());
    EXPECT_EQ(none.width, 1);
    EXPECT_TRUE(none.keepTop);
    // Hidden plots leave no gap; a label is measured without its leading blanks.
    styles[1].Visible = styles[5].Visible = true;
    styles[5].Label = fixedLabel(QStringLiteral("   x"));
    const LegendLayout gap = layoutLegend(styles, 5000, m, QFont());
    EXPECT_EQ(gap.entries[1].plot, 6);
    EXPECT_EQ(gap.entries[1].y, 60 + 255);
}
