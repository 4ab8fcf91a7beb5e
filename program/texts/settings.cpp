#include "program/texts/settings.h"
#include "platform/apppaths.h"
#include "platform/profilefile.h"
#include <QDir>

namespace texts {
namespace {

const QString& iniDatei(System& sys)
{
    if (sys.IniDatei.isEmpty())
        sys.IniDatei = platform::AppPaths::settingsFile();
    return sys.IniDatei;
}

// Every failure goes to stderr; the user is told once in the run.
void fehlerMelden(System& sys, const QString& grund)
{
    qWarning("Settings file %s cannot be written (%s); nothing stored", qUtf8Printable(iniDatei(sys)),
             qUtf8Printable(grund));
    if (sys.IniFehlerGemeldet)
        return;
    sys.IniFehlerGemeldet = true;
    if (sys.IniFehlerMelden)
        sys.IniFehlerMelden(IniFehlerMeldung(iniDatei(sys), grund));
}

} // namespace

QString IniFehlerMeldung(const QString& datei, const QString& grund)
{
    return QStringLiteral("The settings cannot be saved in the file\n%1\n(%2).\n\nChanged settings are kept "
                          "only until the program ends.")
        .arg(QDir::toNativeSeparators(datei), grund);
}

QString INI_lesen(System& sys, const QString& Key, const QString& Section)
{
    if (sys.IniStapelNeu)
        return platform::profileValue(*sys.IniStapelNeu, Section, Key);
    return platform::readProfileString(iniDatei(sys), Section, Key);
}

void INI_schreiben(System& sys, const QString& Key, const QString& Value, const QString& Section)
{
    if (sys.IniStapelTiefe == 0) {
        QString grund;
        if (platform::writeProfileString(iniDatei(sys), Section, Key, Value, &grund) == platform::ProfileWrite::Failed)
            fehlerMelden(sys, grund);
        return;
    }
    if (!sys.IniStapelNeu) {
        const std::optional<QByteArray> inhalt = platform::readProfileFile(iniDatei(sys));
        if (!inhalt) {
            fehlerMelden(sys, QStringLiteral("The file cannot be read"));
            return;
        }
        sys.IniStapelAlt = inhalt;
        sys.IniStapelNeu = inhalt;
    }
    const platform::ProfileEdit edit = platform::profileWithValue(*sys.IniStapelNeu, Section, Key, Value);
    if (edit.result == platform::ProfileWrite::Written)
        sys.IniStapelNeu = edit.content;
}

INI_Stapel::INI_Stapel(System& sys) : m_sys(sys)
{
    ++m_sys.IniStapelTiefe;
}

INI_Stapel::~INI_Stapel()
{
    if (--m_sys.IniStapelTiefe > 0)
        return;
    const std::optional<QByteArray> alt = std::move(m_sys.IniStapelAlt);
    const std::optional<QByteArray> neu = std::move(m_sys.IniStapelNeu);
    m_sys.IniStapelAlt.reset();
    m_sys.IniStapelNeu.reset();
    if (!neu || neu == alt)
        return;
    if (const QString grund = platform::storeProfileFile(iniDatei(m_sys), *neu); !grund.isEmpty())
        fehlerMelden(m_sys, grund);
}

} // namespace texts
