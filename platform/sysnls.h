#pragma once
// Questions about the user's regional settings, answered from a QLocale at the moment they are
// asked (the user's locale unless another one is injected). The class keeps no other state.
#include <QLocale>
#include <QString>
#include <array>

namespace platform {

class clsSysNLS {
public:
    // Item numbers of the locale values this class answers.
    enum Item : qint32 {
        ItemCountryCode = 0x5,
        ItemCountryLocal = 0x6,
        ItemLanguageNative = 0x4,
        ItemListDelimiter = 0xC,
        ItemDecimalSeparator = 0xE,
        ItemCurrencyLocal = 0x14,
        ItemCurrencyInternational = 0x15,
        ItemDateShortForm = 0x1F,
        ItemMonthName1 = 0x38, // up to ItemMonthName1 + 11 for December
        ItemLanguageEnglish = 0x1001,
        ItemCountryEnglish = 0x1002,
    };

    clsSysNLS();
    explicit clsSysNLS(QLocale locale);

    QString DateShortForm() const;
    QString CountryCode() const;
    QString CountryEnglish() const;
    QString CountryLocal() const;
    QString CurrencySymbolInternational() const;
    QString CurrencySymbolLocal() const;
    QString DecimalSeparator() const;
    QString LanguageEnglish() const;
    QString LanguageNative() const;
    QString ListDelimiter() const;
    // Full (nominative) name of month 1 to 12; any other number raises the unknown-item error of
    // GetLocaleValue.
    QString MonthName(qint32 iMonth) const;
    // Element 0 empty, elements 1 to 12 the full month names.
    std::array<QString, 13> MonthNameArray() const;

private:
    // Every property asks here; an item this class does not know raises error 5 moved into the
    // object-defined range (-2147221499), source "clsSystem:GetLocaleValue", no description.
    QString GetLocaleValue(qint32 item) const;

    QLocale m_locale;
};

} // namespace platform
