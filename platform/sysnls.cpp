#include "platform/sysnls.h"
#include "common/error.h"
#include <utility>

namespace platform {
namespace {

// International dialling codes of the territories the program's languages are spoken in, and of
// their neighbours. Qt has no such table; a territory not listed gives an empty text.
QString diallingCode(QLocale::Territory territory)
{
    switch (territory) {
    case QLocale::UnitedStates:
    case QLocale::Canada: return QStringLiteral("1");
    case QLocale::Russia: return QStringLiteral("7");
    case QLocale::Netherlands: return QStringLiteral("31");
    case QLocale::Belgium: return QStringLiteral("32");
    case QLocale::France: return QStringLiteral("33");
    case QLocale::Spain: return QStringLiteral("34");
    case QLocale::Portugal: return QStringLiteral("351");
    case QLocale::Finland: return QStringLiteral("358");
    case QLocale::Bulgaria: return QStringLiteral("359");
    case QLocale::Italy: return QStringLiteral("39");
    case QLocale::Switzerland: return QStringLiteral("41");
    case QLocale::CzechRepublic: return QStringLiteral("420");
    case QLocale::Austria: return QStringLiteral("43");
    case QLocale::UnitedKingdom: return QStringLiteral("44");
    case QLocale::Denmark: return QStringLiteral("45");
    case QLocale::Sweden: return QStringLiteral("46");
    case QLocale::Norway: return QStringLiteral("47");
    case QLocale::Poland: return QStringLiteral("48");
    case QLocale::Germany: return QStringLiteral("49");
    case QLocale::Mexico: return QStringLiteral("52");
    case QLocale::Brazil: return QStringLiteral("55");
    case QLocale::Australia: return QStringLiteral("61");
    case QLocale::Japan: return QStringLiteral("81");
    case QLocale::SouthKorea: return QStringLiteral("82");
    case QLocale::China: return QStringLiteral("86");
    case QLocale::Turkey: return QStringLiteral("90");
    case QLocale::India: return QStringLiteral("91");
    default: return {};
    }
}

} // namespace

clsSysNLS::clsSysNLS() : m_locale(QLocale::system()) {}

clsSysNLS::clsSysNLS(QLocale locale) : m_locale(std::move(locale)) {}

QString clsSysNLS::GetLocaleValue(qint32 item) const
{
    if (item >= ItemMonthName1 && item < ItemMonthName1 + 12)
        return m_locale.standaloneMonthName(item - ItemMonthName1 + 1, QLocale::LongFormat);
    switch (item) {
    case ItemDateShortForm: return m_locale.dateFormat(QLocale::ShortFormat);
    case ItemCountryCode: return diallingCode(m_locale.territory());
    case ItemCountryEnglish: return QLocale::territoryToString(m_locale.territory());
    case ItemCountryLocal: return m_locale.nativeTerritoryName();
    case ItemCurrencyInternational: return m_locale.currencySymbol(QLocale::CurrencyIsoCode);
    case ItemCurrencyLocal: return m_locale.currencySymbol(QLocale::CurrencySymbol);
    case ItemDecimalSeparator: return m_locale.decimalPoint();
    case ItemLanguageEnglish: return QLocale::languageToString(m_locale.language());
    case ItemLanguageNative: return m_locale.nativeLanguageName();
    case ItemListDelimiter:
        // Qt does not know the list separator; a decimal comma makes the semicolon the separator.
        return m_locale.decimalPoint() == QStringLiteral(",") ? QStringLiteral(";") : QStringLiteral(",");
    default:
        // The platform knows no such item: an invalid argument, handed on in the range of
        // object-defined errors, without a description.
        throw common::Error(common::errc::InvalidArgument + common::errc::ObjectErrorBase,
            QStringLiteral("clsSystem:GetLocaleValue"), common::Error::NoDescription{});
    }
}

QString clsSysNLS::DateShortForm() const { return GetLocaleValue(ItemDateShortForm); }
QString clsSysNLS::CountryCode() const { return GetLocaleValue(ItemCountryCode); }
QString clsSysNLS::CountryEnglish() const { return GetLocaleValue(ItemCountryEnglish); }
QString clsSysNLS::CountryLocal() const { return GetLocaleValue(ItemCountryLocal); }
QString clsSysNLS::CurrencySymbolInternational() const { return GetLocaleValue(ItemCurrencyInternational); }
QString clsSysNLS::CurrencySymbolLocal() const { return GetLocaleValue(ItemCurrencyLocal); }
QString clsSysNLS::DecimalSeparator() const { return GetLocaleValue(ItemDecimalSeparator); }
QString clsSysNLS::LanguageEnglish() const { return GetLocaleValue(ItemLanguageEnglish); }
QString clsSysNLS::LanguageNative() const { return GetLocaleValue(ItemLanguageNative); }
QString clsSysNLS::ListDelimiter() const { return GetLocaleValue(ItemListDelimiter); }

QString clsSysNLS::MonthName(qint32 iMonth) const
{
    // A month outside 1 to 12 asks for an item that is no month name, which is an unknown item here.
    if (iMonth < 1 || iMonth > 12)
        return GetLocaleValue(-1);
    return GetLocaleValue(ItemMonthName1 + iMonth - 1);
}

std::array<QString, 13> clsSysNLS::MonthNameArray() const
{
    std::array<QString, 13> names;
    for (int month = 1; month <= 12; ++month)
        names[static_cast<std::size_t>(month)] = GetLocaleValue(ItemMonthName1 + month - 1);
    return names;
}

} // namespace platform
