#include "common/checked.h"
#include "common/messages.h"
#include "common/recordingmessageboxes.h"
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

long errorOf(auto&& f)
{
    try {
        f();
    } catch (const common::Error& e) {
        return e.number();
    }
    return 0;
}

TEST(Checked, SixteenBitConversionRoundsHalvesToEven)
{
    EXPECT_EQ(common::toInt16(2.5), 2);
    EXPECT_EQ(common::toInt16(3.5), 4);
    EXPECT_EQ(common::toInt16(-2.5), -2);
    EXPECT_EQ(common::toInt16(32767.4), 32767);
    EXPECT_EQ(common::toInt16(-32768.0), -32768);
    EXPECT_EQ(errorOf([] { common::toInt16(32767.5); }), 6);
    EXPECT_EQ(errorOf([] { common::toInt16(-32768.6); }), 6);
    EXPECT_EQ(errorOf([] { common::toInt16(std::numeric_limits<double>::quiet_NaN()); }), 6);
}

TEST(Checked, TrapsBecomeErrors)
{
    EXPECT_EQ(errorOf([] { common::checkedLog(0.0); }), 5);
    EXPECT_EQ(errorOf([] { common::checkedLog(-1.0); }), 5);
    EXPECT_EQ(errorOf([] { common::checkedDiv(1.0, 0.0); }), 11);
    EXPECT_EQ(errorOf([] { common::requireFinite(std::numeric_limits<double>::infinity()); }), 6);
    std::vector<int> v{1, 2, 3};
    EXPECT_EQ(errorOf([&] { common::at(v, 3); }), 9);
    EXPECT_EQ(errorOf([&] { common::at(v, -1); }), 9);
    EXPECT_EQ(common::at(v, 2), 3);
    EXPECT_NEAR(common::checkedLog10(10.0), 0.9999999999999982, 1e-18);
}

TEST(Messages, RepeatsInsideOneUserActionAreShownOnce)
{
    common::RecordingMessageBoxes boxes;
    boxes.answers = {common::mb::No};
    {
        common::UserActionScope scope(boxes);
        EXPECT_EQ(boxes.show("same", common::mb::YesNo), common::mb::No);
        EXPECT_EQ(boxes.show("same", common::mb::YesNo), common::mb::No); // the first answer again
        boxes.show("other", common::mb::Critical);
    }
    EXPECT_EQ(boxes.shown.size(), 2u);
    boxes.show("same", common::mb::YesNo); // a new action shows it again, answered with the first button
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown.back().style, common::mb::YesNo);
}

} // namespace
