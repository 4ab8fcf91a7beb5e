#include "common/format.h"
#include "common/dateserial.h"
#include "testsupport.h"
#include <gtest/gtest.h>
#include <limits>

using common::formatValue;

namespace {

const QLocale kC(QLocale::C);
const QLocale kGerman(QLocale::German, QLocale::Germany);

struct FormatCase {
    double value;
    const char* pattern;
    const char* c;      // expected with "." as the decimal point
    const char* german; // expected with "," as the decimal point
};

class FormatTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTable, FormatsUnderBothLocales)
{
    const FormatCase& fc = GetParam();
    EXPECT_EQ(formatValue(fc.value, QString::fromUtf8(fc.pattern), kC), QString::fromUtf8(fc.c)) << fc.pattern;
    EXPECT_EQ(formatValue(fc.value, QString::fromUtf8(fc.pattern), kGerman), QString::fromUtf8(fc.german))
        << fc.pattern;
}

INSTANTIATE_TEST_SUITE_P(Numbers, FormatTable, ::testing::Values(
    FormatCase{2.675, "#0.00", "2.68", "2,68"},           // halves away from zero on 15 digits
    FormatCase{0.5, "#0", "1", "1"},
    FormatCase{-0.5, "#0", "-1", "-1"},
    FormatCase{2.5, "#0", "3", "3"},
    FormatCase{353.15, "#0.0", "353.2", "353,2"},
    FormatCase{0.004, "#0.00", "0.00", "0,00"},
    FormatCase{-0.004, "#0.00", "0.00", "0,00"},           // no "-0.00"
    FormatCase{0.5, "#.##", ".5", ",5"},
    FormatCase{0.0, "#", "", ""},
    FormatCase{7.0, "000", "007", "007"},
    FormatCase{1234567.891, "#,##0.00", "1,234,567.89", "1.234.567,89"},
    FormatCase{20.0, "0E+00", "2E+01", "2E+01"},
    FormatCase{100.0, "0E+00", "1E+02", "1E+02"},
    FormatCase{0.000123456, "0.0000E+00", "1.2346E-04", "1,2346E-04"},
    FormatCase{9.99999, "0.0E+00", "1.0E+01", "1,0E+01"},
    FormatCase{0.25, "0%", "25%", "25%"},
    FormatCase{-3.0, "0.0;(0.0)", "(3.0)", "(3,0)"},
    FormatCase{0.0, "0.0;-0.0;\"zero\"", "zero", "zero"},
    FormatCase{12.5, "\"T=\"0.0\" K\"", "T=12.5 K", "T=12,5 K"},
    FormatCase{0.6000000000000001, "", "0.6", "0,6"},
    FormatCase{1.5e16, "", "1.5E+16", "1,5E+16"},
    FormatCase{1e-5, "", "1E-05", "1E-05"},
    FormatCase{-123.456, "", "-123.456", "-123,456"},
    FormatCase{0.0001, "", "0.0001", "0,0001"}));

TEST(FormatDate, PatternsOfTheChartAndTheReport)
{
    const double t = common::serialFromParts(2005, 3, 7, 14, 5, 9);
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(formatValue(t, "yyyy/mm/dd/hh/nn/ss", kC), "2005/03/07/14/05/09");
    EXPECT_EQ(formatValue(t, "dd.mm.yy hh:mm", en), "07.03.05 14:05"); // m after h is the minute
    EXPECT_EQ(formatValue(t, "d mmm yyyy", en), "7 Mar 2005");
    EXPECT_EQ(formatValue(t, "dddd, mmmm d", en), "Monday, March 7");
    EXPECT_EQ(formatValue(t, "h:nn AM/PM", en), "2:05 PM");
    EXPECT_EQ(formatValue(t, "dd/mm/yyyy", kGerman), "07.03.2005");  // "/" is the locale's separator
    EXPECT_EQ(formatValue(t, "\"Day\" d", en), "Day 7");
}

TEST(FormatDate, WeekOfTheYearBeginsOnSundayWithTheWeekOfFirstJanuary)
{
    struct Case {
        int year, month, day;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {2005, 3, 7, "ww", "11"},          // a Monday; 1 January 2005 was a Saturday
        {2005, 3, 7, "w", "2"},            // the day of the week, 1 being Sunday
        {2005, 3, 7, "\"KW\" ww yyyy", "KW 11 2005"},
        {2005, 1, 1, "ww", "1"},           // week 1 holds 1 January, here a single day
        {2005, 1, 2, "ww", "2"},           // the first Sunday starts week 2
        {2005, 12, 31, "ww", "53"},
        {2006, 1, 1, "ww", "1"},           // a Sunday: week 1 is a whole week
        {2006, 1, 7, "ww", "1"},
        {2006, 1, 8, "ww", "2"},
        {2000, 12, 31, "ww", "54"},        // leap year starting on a Saturday
    };
    for (const Case& k : cases)
        EXPECT_EQ(formatValue(common::serialFromParts(k.year, k.month, k.day, 14, 5, 9), QString::fromLatin1(k.pattern), kC),
            QString::fromLatin1(k.expected))
            << k.year << "-" << k.month << "-" << k.day << " " << k.pattern;
}

TEST(FormatDate, ValuesThatAreNoDateShowAsNumbers)
{
    EXPECT_EQ(formatValue(1e300, "dd.mm.yyyy", kC), "1E+300");
    EXPECT_EQ(formatValue(-7e5, "yyyy", kGerman), "-700000");
    EXPECT_EQ(formatValue(std::numeric_limits<double>::quiet_NaN(), "hh:nn", kC), "NaN");
    EXPECT_EQ(formatValue(-std::numeric_limits<double>::infinity(), "yyyy", kC), "-Infinity");
    EXPECT_EQ(formatValue(common::FirstDateSerial, "yyyy-mm-dd", kC), "0100-01-01");
}

TEST(FormatDate, DetectsDatePatterns)
{
    EXPECT_TRUE(common::isDatePattern("yyyy"));
    EXPECT_TRUE(common::isDatePattern("hh:nn"));
    EXPECT_FALSE(common::isDatePattern("0.00E+00"));
    EXPECT_FALSE(common::isDatePattern("#,##0.0"));
    EXPECT_FALSE(common::isDatePattern("0.0\" mm\""));
}

} // namespace
