#include "program/texts/settings.h"
#include "platform/apppaths.h"
#include "platform/profilefile.h"
#include "program/texts/dateifehler.h"
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
void fehlerMelden(System& sys, const common::FileFailure& grund)
{
    const QString datei = iniDatei(sys);
    const QString meldung = sys.IniFehlerText
        ? sys.IniFehlerText(datei, grund)
        : QDir::toNativeSeparators(datei) + QStringLiteral(": ") + grund.reason;
    qWarning("%s", qUtf8Printable(QString(meldung).replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified()));
    if (sys.IniFehlerGemeldet)
        return;
    sys.IniFehlerGemeldet = true;
    if (sys.IniFehlerMelden)
        sys.IniFehlerMelden(meldung);
}

} // namespace

QString IniFehlerMeldung(const Texte& texte, const QString& datei, const common::FileFailure& grund)
{
    const auto text = [&](const SprachText& t) { return textInSprache(t, texte.SprachNr); };
    const QChar lf(u'\n');
    return text(texte.Text_600) + lf + QDir::toNativeSeparators(datei) + lf + u'(' + DateiFehlerText(texte, grund)
        + QStringLiteral(").") + lf + lf + text(texte.Text_601);
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
        common::FileFailure grund;
        if (platform::writeProfileString(iniDatei(sys), Section, Key, Value, &grund) == platform::ProfileWrite::Failed)
            fehlerMelden(sys, grund);
        return;
    }
    if (!sys.IniStapelNeu) {
        const std::optional<QByteArray> inhalt = platform::readProfileFile(iniDatei(sys));
        if (!inhalt) {
            fehlerMelden(sys, {common::FileFailure::Kind::CannotRead, {}, {}});
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
    if (const common::FileFailure grund = platform::storeProfileFile(iniDatei(m_sys), *neu); grund.failed())
        fehlerMelden(m_sys, grund);
}

} // namespace texts
