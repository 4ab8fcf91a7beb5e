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

QString IniFehlerMeldung(const QString& datei, const QString& grund)
{
    return QStringLiteral("The settings cannot be saved in the file\n%1\n(%2).\n\nChanged settings are kept "
                          "only until the program ends.")
        .arg(QDir::toNativeSeparators(datei), grund);
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
    QString grund;
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
        fehlerMelden(m_sys, QStringLiteral("The file cannot be read"));
        return;
    }
    const QByteArray neu = mitGehaltenenWerten(*inhalt, werte);
    if (neu == *inhalt)
        return;
    if (const QString grund = platform::storeProfileFile(iniDatei(m_sys), neu); !grund.isEmpty())
        fehlerMelden(m_sys, grund);
}

} // namespace texts
