#include "common/error.h"
#include "platform/sysnls.h"
#include <gtest/gtest.h>

using platform::clsSysNLS;

TEST(clsSysNLS, AnswersFromTheInjectedLocale)
{
    struct Case {
        const char* locale;
        const char* languageEnglish;
        const char* decimal;
        const char* list;
        const char* country;
        const char* code;
        const char* currency;
    };
    const Case cases[] = {
        {"de_DE", "German", ",", ";", "Germany", "49", "EUR"},
        {"en_US", "English", ".", ",", "United States", "1", "USD"},
        {"ja_JP", "Japanese", ".", ",", "Japan", "81", "JPY"},
        {"sv_SE", "Swedish", ",", ";", "Sweden", "46", "SEK"},
        {"C", "C", ".", ",", "", "", ""},
    };
    for (const Case& c : cases) {
        const clsSysNLS nls{QLocale(QString::fromLatin1(c.locale))};
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(nls.LanguageEnglish(), QString::fromLatin1(c.languageEnglish));
        EXPECT_EQ(nls.DecimalSeparator(), QString::fromLatin1(c.decimal));
        EXPECT_EQ(nls.ListDelimiter(), QString::fromLatin1(c.list));
        EXPECT_EQ(nls.CountryCode(), QString::fromLatin1(c.code));
        EXPECT_EQ(nls.CurrencySymbolInternational(), QString::fromLatin1(c.currency));
        if (*c.country != '\0') {
            EXPECT_EQ(nls.CountryEnglish(), QString::fromLatin1(c.country));
        }
    }
}

TEST(clsSysNLS, NativeNamesAndDateForm)
{
    const clsSysNLS de{QLocale(QLocale::German, QLocale::Germany)};
    EXPECT_EQ(de.LanguageNative(), QStringLiteral("Deutsch"));
    EXPECT_EQ(de.CountryLocal(), QStringLiteral("Deutschland"));
    EXPECT_EQ(de.CurrencySymbolLocal(), QStringLiteral("€"));
    EXPECT_EQ(de.DateShortForm(), QLocale(QLocale::German, QLocale::Germany).dateFormat(QLocale::ShortFormat));
    EXPECT_FALSE(de.DateShortForm().isEmpty());
}

TEST(clsSysNLS, MonthNamesAreNominativeFullNames)
{
    EXPECT_EQ(clsSysNLS(QLocale(QLocale::German)).MonthName(1), QStringLiteral("Januar"));
    EXPECT_EQ(clsSysNLS(QLocale(QLocale::Russian)).MonthName(1), QStringLiteral("январь"));
    EXPECT_EQ(clsSysNLS(QLocale(QLocale::English)).MonthName(12), QStringLiteral("December"));

    const auto names = clsSysNLS(QLocale(QLocale::German)).MonthNameArray();
    ASSERT_EQ(names.size(), 13u);
    EXPECT_TRUE(names[0].isEmpty());
    EXPECT_EQ(names[3], QStringLiteral("März"));
    EXPECT_EQ(names[12], QStringLiteral("Dezember"));
}

TEST(clsSysNLS, MonthOutsideOneToTwelveRaisesUnknownItem)
{
    const clsSysNLS nls{QLocale(QLocale::German)};
    for (qint32 month : {0, 13, -1, 55}) {
        try {
            nls.MonthName(month);
            ADD_FAILURE() << "month " << month << " gave a name";
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), -2147221499L);
            EXPECT_EQ(e.source(), QStringLiteral("clsSystem:GetLocaleValue"));
            EXPECT_TRUE(e.description().isEmpty()) << e.description().toStdString();
        }
    }
}
