#include "chart/control/datetext.h"
#include "chart/control/chartmath.h"
#include "common/dateserial.h"
#include "chartfixture.h"

using namespace vexachart;
using vexachart::testing::errorOf;

TEST(ChartDateText, WritesAndReadsTheSlashForm)
{
    const double serial = common::serialFromParts(2005, 3, 7, 14, 5, 9);
    EXPECT_DOUBLE_EQ(serial, 38418.586909722224);
    EXPECT_EQ(DateToTimeString(serial), QStringLiteral("2005/03/07/14/05/09"));
    EXPECT_EQ(TimeStringToDate(QStringLiteral("2005/03/07/14/05/09"), QLocale::c()), serial);
    EXPECT_EQ(TimeStringToDate(QStringLiteral("2005/3/7/14/5/9"), QLocale::c()), serial);
    // Fields other than plain digits are numbers as the locale reads them.
    EXPECT_EQ(TimeStringToDate(QStringLiteral("02005/3.0/7/14/5/9"), QLocale::c()), serial);
    EXPECT_EQ(TimeStringToDate(QStringLiteral("2005/3,0/7/14/5/9"), QLocale(QLocale::German)), serial);
    // Carrying: 30 February is 2 March, month 0 is December of the year before.
    EXPECT_EQ(TimeStringToDate(QStringLiteral("2005/02/30/00/00/00"), QLocale::c()), common::serialFromParts(2005, 3, 2));
    EXPECT_EQ(DateToTimeString(TimeStringToDate(QStringLiteral("2005/0/15/0/0/0"), QLocale::c())), QStringLiteral("2004/12/15/00/00/00"));
    // Before 1899-12-30 serials stay continuous.
    EXPECT_DOUBLE_EQ(TimeStringToDate(QStringLiteral("1800/01/01/12/00/00"), QLocale::c()), -36521.5);
}

TEST(ChartDateText, RefusesTextThatIsNoDate)
{
    for (const char* bad : {"2005/03/07", "2005/03/07/14/05/09/1", "2005/xx/07/14/05/09", "40000/1/1/0/0/0", "", "2005//07/0/0/0"}) {
        const auto e = errorOf([&] { TimeStringToDate(QString::fromLatin1(bad), QLocale::c()); });
        EXPECT_EQ(e.number, 12001) << bad;
        EXPECT_EQ(e.source, QStringLiteral("DateToDouble")) << bad;
        EXPECT_EQ(e.description, QStringLiteral("not valid date/time-format(uses 'YYYY/MM/DD/HH/NN/SS')")) << bad;
    }
}

TEST(ChartMath, DecimalLogarithmAndSignificantRounding)
{
    EXPECT_EQ(chartLog10(100.0), 1.9999999999999964);
    EXPECT_EQ(std::floor(chartLog10(100.0)), 1.0);
    EXPECT_EQ(std::floor(chartLog10(0.01)), -2.0);
    EXPECT_EQ(RoundSignificant(std::pow(10.0, chartLog10(1000.0))), 1000.0);
    EXPECT_EQ(RoundSignificant(123.4567), 123.457);
    EXPECT_EQ(errorOf([] { chartLog10(0.0); }).number, 5);
}
