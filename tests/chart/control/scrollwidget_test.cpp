// The widget's scroll bars: set from the display range, and moving them moves the display.
#include "zoomwidgetfixture.h"
#include <QScrollBar>
#include <algorithm>
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

// Every page and arrow step, repeated to both ends of both bars, from displays whose bar numbers
// come out with rounding: the thumb stays where the step put it, the display keeps its span and
// follows the thumb, and the ends of a bar show the ends of the global range.
TEST(ScrollWidget, EveryStepToBothEndsMovesThumbAndDisplayTogether)
{
    struct Case {
        const char* name;
        double gMin, gMax;   // global borders of both axes
        double dLo, dHi;     // display borders of both axes
    };
    const Case cases[] = {
        {"start-up borders zoomed in", 0.01, 100.0, 25.0075, 75.0025},
        {"zoomed in twice", 0.0, 100.0, 37.5, 62.5},
        {"a third of the range", 0.0, 100.0, 100.0 / 3.0, 200.0 / 3.0},
        {"a seventh, off centre", -3.0, 4.0, 0.1, 1.1},
        {"a narrow window", 0.0, 1.0, 0.5, 0.525},
    };
    const QAbstractSlider::SliderAction actions[] = {QAbstractSlider::SliderPageStepSub,
        QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderSingleStepSub, QAbstractSlider::SliderSingleStepAdd};
    for (const Case& k : cases) {
        for (const bool vertical : {false, true}) {
            for (const QAbstractSlider::SliderAction action : actions) {
                SCOPED_TRACE(testing::Message() << k.name << (vertical ? ", scrV" : ", scrH") << ", action " << action);
                ChartWidgetFixture f;
                Vexachart& c = f.w.chart();
                c.SetGlobalBorders(k.gMin, k.gMax, k.gMin, k.gMax);
                c.SetDisplayBorders(k.dLo, k.dHi, k.dLo, k.dHi);
                QScrollBar* bar = vertical ? f.w.scrV() : f.w.scrH();
                const double G = k.gMax - k.gMin, S = k.dHi - k.dLo;
                const int step = (action == QAbstractSlider::SliderPageStepSub || action == QAbstractSlider::SliderPageStepAdd)
                    ? bar->pageStep() : bar->singleStep();
                const bool towardsMin = action == QAbstractSlider::SliderPageStepSub
                    || action == QAbstractSlider::SliderSingleStepSub;
                int steps = 0;
                while (bar->value() != (towardsMin ? bar->minimum() : bar->maximum())) {
                    ASSERT_LT(++steps, 20000) << "the bar never reaches its end";
                    const int before = bar->value();
                    const int wanted = std::clamp(before + (towardsMin ? -step : step), bar->minimum(), bar->maximum());
                    bar->triggerAction(action);
                    ASSERT_EQ(bar->value(), wanted) << "thumb after a step from " << before;
                    ASSERT_EQ((vertical ? c.scrollV() : c.scrollH()).value, wanted);
                    const Borders& d = c.displayBorders();
                    const double lo = vertical ? d.Y_Bottom : d.X_Left, hi = vertical ? d.Y_Top : d.X_Right;
                    // The vertical bar runs upward: its minimum shows the top of the range.
                    const double share = double(wanted - bar->minimum()) / (bar->maximum() - bar->minimum());
                    ASSERT_NEAR(lo, k.gMin + (G - S) * (vertical ? 1.0 - share : share), 1e-9 * G);
                    ASSERT_NEAR(hi - lo, S, 1e-9 * G);
                    // The other axis does not move.
                    ASSERT_EQ(vertical ? d.X_Left : d.Y_Bottom, k.dLo);
                }
                const Borders& d = c.displayBorders();
                const bool showsTop = vertical == towardsMin;
                if (showsTop)
                    EXPECT_NEAR(vertical ? d.Y_Top : d.X_Right, k.gMax, 1e-9 * G);
                else
                    EXPECT_NEAR(vertical ? d.Y_Bottom : d.X_Left, k.gMin, 1e-9 * G);
            }
        }
    }
}
