#include "program/texts/system_potenz.h"
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(Potenz, FinitePowersAndFailures)
{
    struct Case {
        double x;
        double y;
        double expected;
        bool fails;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {2, 10, 1024, false}, {-2, 3, -8, false}, {10, -2, 0.01, false}, {0, 0, 1, false}, {4, 0.5, 2, false},
        {-8, 1.0 / 3.0, 1, true}, {0, -1, 1, true}, {1e308, 2, 1, true}, {nan, 2, 1, true},
    };
    for (const Case& c : cases) {
        common::RecordingMessageBoxes boxes;
        EXPECT_DOUBLE_EQ(texts::Potenz(c.x, c.y, boxes), c.expected) << c.x << "^" << c.y;
        ASSERT_EQ(boxes.shown.size(), c.fails ? 1u : 0u) << c.x << "^" << c.y;
        if (c.fails) {
            EXPECT_EQ(boxes.shown[0].prompt, QStringLiteral("Pow-Fkt. (X Exp Y) mit ungültigen Parametern"));
            EXPECT_EQ(boxes.shown[0].style, common::mb::Critical);
        }
    }
}

TEST(Potenz, FailingInsideAnIterationReportsOncePerUserAction)
{
    common::RecordingMessageBoxes boxes;
    for (int action = 0; action < 2; ++action) {
        common::UserActionScope scope(boxes);
        double sum = 0;
        for (int step = 0; step < 1000; ++step)
            sum += texts::Potenz(-8, 1.0 / 3.0, boxes);
        EXPECT_EQ(sum, 1000.0);
    }
    EXPECT_EQ(boxes.shown.size(), 2u);
}
