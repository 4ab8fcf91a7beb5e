// The widget's scroll bars: set from the display range, and moving them moves the display.
#include "zoomwidgetfixture.h"
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace vexachart;

TEST(ScrollWidget, BarsShowTheDisplayAndPageStepsMoveIt)
{
    ChartWidgetFixture f;
    f.w.chart().SetDisplayBorders(25.0, 50.0, 25.0, 50.0);
    QScrollBar* h = f.w.scrH();
    QScrollBar* v = f.w.scrV();
    EXPECT_EQ(h->minimum(), 2500);
    EXPECT_EQ(h->maximum(), 10000);
    EXPECT_EQ(h->pageStep(), 2500);
    EXPECT_EQ(h->singleStep(), 250);
    EXPECT_EQ(h->value(), 5000);
    EXPECT_EQ(v->value(), 7500);

    h->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(f.w.chart().displayBorders(), (Borders{50, 75, 25, 50}));
    EXPECT_EQ(h->value(), 7500);

    v->triggerAction(QAbstractSlider::SliderToMinimum); // the top end shows the top of the range
    EXPECT_EQ(f.w.chart().displayBorders(), (Borders{50, 75, 75, 100}));

    f.w.chart().setEnableMenuOptionZoom(false);
    EXPECT_TRUE(h->isHidden());
    EXPECT_TRUE(v->isHidden());
}
