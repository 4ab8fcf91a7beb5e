#include "common/dateserial.h"
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(DateSerial, KnownInstants)
{
    EXPECT_DOUBLE_EQ(common::serialFromParts(2005, 3, 7, 14, 5, 9), 38418.586909722224);
    EXPECT_DOUBLE_EQ(common::serialFromParts(2005, 3, 7, 10, 0, 0), 38418.416666666664);
    EXPECT_DOUBLE_EQ(common::serialFromParts(2005, 3, 7, 10, 3, 0), 38418.41875);
    EXPECT_DOUBLE_EQ(common::serialFromParts(1800, 1, 1, 12, 0, 0), -36521.5);
    EXPECT_DOUBLE_EQ(common::serialFromParts(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(common::serialFromParts(100, 1, 1), -657434.0);
    EXPECT_DOUBLE_EQ(common::serialFromParts(9999, 12, 31), 2958465.0);
}

TEST(DateSerial, CarriesOverflowingParts)
{
    EXPECT_EQ(common::serialFromParts(2004, 13, 1), common::serialFromParts(2005, 1, 1));
    EXPECT_EQ(common::serialFromParts(2005, 3, 0), common::serialFromParts(2005, 2, 28));
    EXPECT_EQ(common::serialFromParts(2005, 3, 7, 24, 0, 0), common::serialFromParts(2005, 3, 8));
    EXPECT_EQ(common::serialFromParts(2005, 0, 1), common::serialFromParts(2004, 12, 1));
}

TEST(DateSerial, PartsRoundTripBeforeAndAfterTheEpoch)
{
    for (const common::DateParts p : {common::DateParts{2005, 3, 7, 14, 5, 9}, common::DateParts{1800, 1, 1, 12, 0, 0},
                                      common::DateParts{1899, 12, 29, 23, 59, 59}, common::DateParts{2000, 2, 29, 0, 0, 0}})
        EXPECT_EQ(common::partsFromSerial(common::serialFromParts(p)), p);
    // A fraction of a second rounds to the nearest second, carrying into the next day.
    const double almostMidnight = common::serialFromParts(2005, 3, 7, 23, 59, 59) + 0.7 / 86400.0;
    EXPECT_EQ(common::partsFromSerial(almostMidnight), (common::DateParts{2005, 3, 8, 0, 0, 0}));
}

TEST(DateSerial, WeekdaysAndLeapYears)
{
    EXPECT_EQ(common::weekdayOfSerial(0.0), 7);                                   // Saturday
    EXPECT_EQ(common::weekdayOfSerial(common::serialFromParts(2005, 3, 7)), 2);   // Monday
    EXPECT_EQ(common::weekdayOfSerial(common::serialFromParts(1899, 12, 24)), 1); // Sunday
    EXPECT_TRUE(common::isLeapYear(2000));
    EXPECT_FALSE(common::isLeapYear(1900));
    EXPECT_EQ(common::daysInMonth(2004, 2), 29);
}

// Serials that name no date (a chart range, a typed number) must still give valid parts.
TEST(DateSerial, SerialsOutsideTheDateRangeStayAtItsEnds)
{
    const common::DateParts first{100, 1, 1, 0, 0, 0};
    const common::DateParts last{9999, 12, 31, 23, 59, 59};
    EXPECT_EQ(common::partsFromSerial(common::LastDateSerial), last);
    EXPECT_EQ(common::partsFromSerial(1e300), last);
    EXPECT_EQ(common::partsFromSerial(std::numeric_limits<double>::infinity()), last);
    EXPECT_EQ(common::partsFromSerial(-1e300), first);
    EXPECT_EQ(common::partsFromSerial(std::numeric_limits<double>::quiet_NaN()), common::DateParts{});
    EXPECT_EQ(common::weekdayOfSerial(1e300), common::weekdayOfSerial(2958465.0));
    EXPECT_TRUE(common::isDateSerial(common::FirstDateSerial));
    EXPECT_FALSE(common::isDateSerial(common::FirstDateSerial - 1e-6));
    EXPECT_FALSE(common::isDateSerial(2958466.0));
    EXPECT_FALSE(common::isDateSerial(std::numeric_limits<double>::quiet_NaN()));
}

} // namespace
