#include "program/texts/settings.h"
#include "platform/apppaths.h"
#include "platform/profilefile.h"

namespace texts {
namespace {

const QString& iniDatei(System& sys)
{
    if (sys.IniDatei.isEmpty())
        sys.IniDatei = platform::AppPaths::settingsFile();
    return sys.IniDatei;
}

} // namespace

QString INI_lesen(System& sys, const QString& Key, const QString& Section)
{
    return platform::readProfileString(iniDatei(sys), Section, Key);
}

void INI_schreiben(System& sys, const QString& Key, const QString& Value, const QString& Section)
{
    platform::writeProfileString(iniDatei(sys), Section, Key, Value);
}

} // namespace texts
