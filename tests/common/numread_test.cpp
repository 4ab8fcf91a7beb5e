#include "common/error.h"
#include "common/numread.h"
#include <QLocale>
#include <gtest/gtest.h>
#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

struct ReadCase {
    const char* text;
    bool comma; // locale with a decimal comma
    std::optional<double> value;
    long error; // expected error number when no value
};

class ReadNumberTable : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTable, ReadsOrRefuses)
{
    const ReadCase& rc = GetParam();
    const QLocale loc = rc.comma ? QLocale(QLocale::German, QLocale::Germany) : QLocale(QLocale::C);
    if (rc.value) {
        EXPECT_DOUBLE_EQ(common::readNumber(QString::fromUtf8(rc.text), loc), *rc.value) << rc.text;
        EXPECT_TRUE(common::isNumeric(QString::fromUtf8(rc.text), loc));
    } else {
        try {
            common::readNumber(QString::fromUtf8(rc.text), loc);
            FAIL() << "no error for " << rc.text;
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), rc.error) << rc.text;
        }
        EXPECT_FALSE(common::isNumeric(QString::fromUtf8(rc.text), loc));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadNumberTable, ::testing::Values(
    ReadCase{"2.5", false, 2.5, 0},
    ReadCase{"2,5", true, 2.5, 0},
    ReadCase{" -12.25 ", false, -12.25, 0},
    ReadCase{"1e3", false, 1000.0, 0},
    ReadCase{"2.5", true, std::nullopt, 13},  // the other separator is not a number
    ReadCase{"", false, std::nullopt, 13},
    ReadCase{"12abc", false, std::nullopt, 13},
    ReadCase{"inf", false, std::nullopt, 13},
    ReadCase{"nan", false, std::nullopt, 13},
    ReadCase{"1e", false, std::nullopt, 13},
    ReadCase{"1E999", false, std::nullopt, 6},
    ReadCase{"1e400", true, std::nullopt, 6},
    ReadCase{"\u00A0 0042\t", true, 42.0, 0},
    ReadCase{"\u0661\u0662", false, std::nullopt, 13}, // digits of another script
    ReadCase{"+", false, std::nullopt, 13}));

TEST(ReadNumber, WholeNumbersAreTheNumbersTheirDigitsName)
{
    // Up to 15 digits and beyond, where a double can no longer hold every whole number.
    for (const char* text : {"0", "007", "2005", "32767", "999999999999999", "1000000000000001", "9007199254740993",
             "123456789012345678901"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(common::readNumber(QString::fromLatin1(text), QLocale::c()), std::strtod(text, nullptr));
        EXPECT_EQ(common::readNumber(QStringView(QString::fromLatin1(text)), QLocale(QLocale::German)),
            std::strtod(text, nullptr));
    }
}

TEST(ReadVal, TakesTheLeadingNumberAndNeverFails)
{
    EXPECT_DOUBLE_EQ(common::readVal("12.5abc"), 12.5);
    EXPECT_DOUBLE_EQ(common::readVal(" 1 2 3"), 123.0);
    EXPECT_DOUBLE_EQ(common::readVal("-3.5e2x"), -350.0);
    EXPECT_DOUBLE_EQ(common::readVal("2,5"), 2.0);
    EXPECT_DOUBLE_EQ(common::readVal("abc"), 0.0);
    EXPECT_DOUBLE_EQ(common::readVal(""), 0.0);
    EXPECT_DOUBLE_EQ(common::readVal("1e999"), 0.0);
}

// A Qt program takes LC_NUMERIC from the environment; the readers must not follow it.
TEST(NumberReaders, IgnoreTheProcessDecimalComma)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const char* commaLocale = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            commaLocale = name;
            break;
        }
    }
    // scripts/setup generates de_DE.UTF-8; without it the test would show nothing.
    ASSERT_NE(commaLocale, nullptr) << "no locale with a decimal comma is installed (run scripts/setup)";
    const double val = common::readVal("12.5");
    const double number = common::readNumber("2.25", QLocale::c());
    const double commaNumber = common::readNumber("2,25", QLocale(QLocale::German));
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_DOUBLE_EQ(val, 12.5);
    EXPECT_DOUBLE_EQ(number, 2.25);
    EXPECT_DOUBLE_EQ(commaNumber, 2.25);
}

} // namespace
