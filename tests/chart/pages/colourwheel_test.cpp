#include "chart/pages/colourwheel.h"
#include <gtest/gtest.h>

using namespace vexachart;

TEST(ColourWheel, SixPlotsAtFullBrightness)
{
    const std::vector<PlotRgb> expected{
        {250, 0, 0}, {250, 229, 0}, {41, 250, 0}, {0, 250, 187}, {0, 83, 250}, {145, 0, 250}};
    EXPECT_EQ(colourWheel(6), expected);
}

TEST(ColourWheel, MoreThanTenPlotsCycleTheBrightnessFromPlotOne)
{
    const auto eleven = colourWheel(11);
    EXPECT_EQ(eleven[0], (PlotRgb{250, 0, 0}));
    EXPECT_EQ(eleven[1].R, 210);
    // h = 1 exactly belongs to the lower sector: full red and green at d = 180.
    EXPECT_EQ(eleven[2], (PlotRgb{180, 180, 0}));
    const auto twelve = colourWheel(12);
    // Plot 1 sits at h = 0 (red only); plot 4 restarts the cycle at 250, plot 6 ends it at 180.
    EXPECT_EQ(twelve[0], (PlotRgb{250, 0, 0}));
    EXPECT_EQ(twelve[3].G, 250);
    EXPECT_EQ(twelve[5].G, 180);
    EXPECT_TRUE(colourWheel(0).empty());
}

TEST(ColourWheel, SplitsAColourValueRedFirst)
{
    EXPECT_EQ(splitColour(255), (PlotRgb{255, 0, 0}));
    EXPECT_EQ(splitColour(0x00FF8040), (PlotRgb{64, 128, 255}));
}
