#include "program/app/startup_sysdaten.h"
#include "common/checked.h"
#include "common/numread.h"
#include "platform/sysnls.h"
#include "program/project/projekt_befehle.h"
#include "program/texts/settings.h"
#include <array>
#include <utility>

namespace app {
namespace {

// The stored language: empty or -1 asks the locale; any number outside 0 to 17 (overflow
// included) and any text that is no number give English.
qint16 spracheAus(const QString& stored, const QLocale& userLocale)
{
    if (stored.isEmpty())
        return Sprache_ermitteln(userLocale);
    const std::optional<double> value = common::tryReadNumber(stored, userLocale);
    if (!value)
        return 1;
    qint16 nr = 1;
    try {
        nr = common::toInt16(*value);
    } catch (const common::Error&) {
        return 1;
    }
    if (nr == -1)
        return Sprache_ermitteln(userLocale);
    if (nr < 0 || nr > 17)
        return 1;
    return nr;
}

// A dealer index: a whole number of the dealer lists (0 to 2), anything else is "no dealer".
qint16 haendlerIndexAus(const QString& stored)
{
    bool ok = false;
    const int index = stored.trimmed().toInt(&ok);
    return ok && index >= 0 && index <= 2 ? static_cast<qint16>(index) : 0;
}

// Takes the stored value when it is at least minLength characters long; else keeps the target.
void takeWhenLong(QString& target, const QString& stored, qsizetype minLength)
{
    if (stored.size() >= minLength)
        target = stored;
}

} // namespace

qint16 Sprache_ermitteln(const QLocale& userLocale)
{
    static const std::array<std::pair<const char*, qint16>, 14> languages{{
        {"German", 0}, {"French", 2}, {"Chinese", 3}, {"Russian", 4}, {"Polish", 5}, {"Finnish", 6},
        {"Spanish", 7}, {"Italian", 8}, {"Portuguese", 9}, {"Czech", 10}, {"Turkish", 11}, {"Korean", 12},
        {"Bulgarian", 14}, {"Japanese", 15},
    }};
    const QString name = platform::clsSysNLS(userLocale).LanguageEnglish();
    for (const auto& [english, index] : languages)
        if (name == QLatin1String(english))
            return index;
    return 1;
}

void Init_SysDaten(AppState& state, const QLocale& userLocale)
{
    texts::System& sys = state.System;
    const auto sysDaten = [&sys](const QString& key) { return texts::INI_lesen(sys, key, texts::ini::SysDaten); };

    state.Texte.SprachNr = 1;
    state.Texte.SprachNr = spracheAus(sysDaten(QStringLiteral("Sprache")), userLocale);

    takeWhenLong(sys.Projekt_Pfad, sysDaten(QStringLiteral("UserPath")), 2);
    takeWhenLong(sys.Vorlage_Datei, sysDaten(QStringLiteral("DokVorlage")), 5);
    const QString on = QStringLiteral("1");
    if (sysDaten(QStringLiteral("UseVorlage")) == on)
        sys.Vorlage_benutzen = true;
    if (sysDaten(QStringLiteral("SW_Graphik")) == on)
        sys.SW_Graphik_Flag = true;
    if (sysDaten(QStringLiteral("DealerFlag")) == on)
        state.Haendler_drucken = true;
    state.Haendler_US_Idx = haendlerIndexAus(sysDaten(QStringLiteral("DealerUSIdx")));
    state.Haendler_EU_Idx = haendlerIndexAus(sysDaten(QStringLiteral("DealerEUIdx")));
    state.KDaten_Tab.Region_US = sysDaten(QStringLiteral("Region")) == QStringLiteral("US");

    const std::array<std::pair<const char*, QString*>, 12> address{{
        {"Firma", &sys.User_Firma}, {"Abteilung", &sys.User_Abteilung}, {"Vorname", &sys.User_Vorname},
        {"Name", &sys.User_Name}, {"Strasse", &sys.User_Strasse}, {"PCode", &sys.User_PCode},
        {"Ort", &sys.User_Ort}, {"Land", &sys.User_Land}, {"Tel", &sys.User_Tel}, {"Fax", &sys.User_Fax},
        {"Email", &sys.User_Email}, {"Web", &sys.User_Web},
    }};
    for (const auto& [key, target] : address)
        takeWhenLong(*target, texts::INI_lesen(sys, QLatin1String(key), texts::ini::UserInfo), 2);

    sys.Projekt_File = texts::INI_lesen(sys, QStringLiteral("Name1"), texts::ini::Projekte);
    if (!sys.Projekt_File.isEmpty())
        sys.Projekt_Name = project::Projekt_NameAusPfad(sys.Projekt_File);
}

} // namespace app
