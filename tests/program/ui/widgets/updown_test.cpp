#include "program/ui/widgets/updown.h"

#include <QSignalSpy>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(UpDown, RangeAndValueSemantics)
{
    ui::UpDown u;
    QSignalSpy changed(&u, &ui::UpDown::valueChanged);
    QSignalSpy ups(&u, &ui::UpDown::upClicked);
    u.setMin(2);
    u.setMax(4);
    EXPECT_EQ(u.Value(), 0); // setting the range moves nothing
    EXPECT_TRUE(u.setValue(3));
    EXPECT_FALSE(u.setValue(3));
    EXPECT_EQ(changed.count(), 0); // code never signals

    u.upButton()->click();
    EXPECT_EQ(u.Value(), 4);
    u.upButton()->click(); // at the top: clicked, but no change
    EXPECT_EQ(u.Value(), 4);
    EXPECT_EQ(ups.count(), 2);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 4);

    u.setValue(0); // below the range: a click brings it into the range
    u.downButton()->click();
    EXPECT_EQ(u.Value(), 2);
    EXPECT_EQ(changed.count(), 2);
}
