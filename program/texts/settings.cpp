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

// The file's bytes with the batch's held-back writes applied, in their order.
QByteArray mitGehaltenenWerten(QByteArray inhalt, const std::vector<System::IniWert>& werte)
{
    for (const System::IniWert& w : werte) {
        platform::ProfileEdit edit = platform::profileWithValue(inhalt, w.Section, w.Key, w.Value);
        if (edit.result == platform::ProfileWrite::Written)
            inhalt = std::move(edit.content);
    }
    return inhalt;
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
    if (sys.IniStapelWerte.empty())
        return platform::readProfileString(iniDatei(sys), Section, Key);
    // Inside a batch the file as it is now, with what the batch holds back on top.
    const std::optional<QByteArray> inhalt = platform::readProfileFile(iniDatei(sys));
    return platform::profileValue(mitGehaltenenWerten(inhalt.value_or(QByteArray()), sys.IniStapelWerte), Section, Key);
}

void INI_schreiben(System& sys, const QString& Key, const QString& Value, const QString& Section)
{
    if (sys.IniStapelTiefe > 0) {
        if (!Key.isEmpty())
            sys.IniStapelWerte.push_back({Section, Key, Value});
        return;
    }
    common::FileFailure grund;
    if (platform::writeProfileString(iniDatei(sys), Section, Key, Value, &grund) == platform::ProfileWrite::Failed)
        fehlerMelden(sys, grund);
}

INI_Stapel::INI_Stapel(System& sys) : m_sys(sys)
{
    ++m_sys.IniStapelTiefe;
}

INI_Stapel::~INI_Stapel()
{
    if (--m_sys.IniStapelTiefe > 0)
        return;
    const std::vector<System::IniWert> werte = std::move(m_sys.IniStapelWerte);
    m_sys.IniStapelWerte.clear();
    if (werte.empty())
        return;
    // The file is read again at the end, so that what another program wrote into it while the
    // batch was open stays; only the batch's own keys change.
    const std::optional<QByteArray> inhalt = platform::readProfileFile(iniDatei(m_sys));
    if (!inhalt) {
        fehlerMelden(m_sys, {common::FileFailure::Kind::CannotRead, {}, {}});
        return;
    }
    const QByteArray neu = mitGehaltenenWerten(*inhalt, werte);
    if (neu == *inhalt)
        return;
    if (const common::FileFailure grund = platform::storeProfileFile(iniDatei(m_sys), neu); grund.failed())
        fehlerMelden(m_sys, grund);
}

} // namespace texts
