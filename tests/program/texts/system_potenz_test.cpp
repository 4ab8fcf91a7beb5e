#include "common/recordingmessageboxes.h"
#include "program/rating/potenz.h"
#include <gtest/gtest.h>

// A power that fails inside an iteration (the outlet-temperature loop runs up to 1000 steps)
// reports once per user action, not once per step.
TEST(Potenz, FailingInsideAnIterationReportsOncePerUserAction)
{
    common::RecordingMessageBoxes boxes;
    for (int action = 0; action < 2; ++action) {
        common::UserActionScope scope(boxes);
        double sum = 0;
        for (int step = 0; step < 1000; ++step)
            sum += rating::Potenz(-8, 1.0 / 3.0, boxes);
        EXPECT_EQ(sum, 1000.0);
    }
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].prompt, QStringLiteral("Pow-Fkt. (X Exp Y) mit ungültigen Parametern"));
}
