#include "program/app/unitnames.h"

#include "program/texts/restexte.h"

#include <exception>

namespace app {

namespace {

void fill(texts::SprachText& s, const QString& literal, qint16 nr)
{
    for (int l = 0; l < texts::SprachSlots; ++l)
        s[static_cast<std::size_t>(l)] = (l <= 2 || nr == 0) ? literal : QString();
    if (nr != 0) {
        try {
            texts::Lade_ResTexte(s, nr);
        } catch (const std::exception&) {
            // A missing translation keeps the empty slots; the start goes on.
        }
    }
}

} // namespace

void fillUnitNames(rating::KuehlerDaten& k, const texts::Texte& t)
{
    const char* fluss[] = {"kg/s", "l/s", "l/min", "l/h", "kg/h", "gpm"};
    const qint16 flussNr[] = {557, 556, 555, 559, 558};
    const char* leistung[] = {"kW", "kcal/h", "BTU/h", "HP"};
    const qint16 leistungNr[] = {552, 553, 554};
    const char* druck[] = {"Pa", "mbar", "mmHg", "mmWS", "psi", "bar"};
    const qint16 druckNr[] = {560, 561, 563, 564, 565, 562};
    for (int u = 0; u < 6; ++u)
        fill(k.EH_Durchfluss_Namen[static_cast<std::size_t>(u)], QString::fromLatin1(fluss[u]), u < 5 ? flussNr[u] : 0);
    for (int u = 0; u < 4; ++u)
        fill(k.EH_Leistung_Namen[static_cast<std::size_t>(u)], QString::fromLatin1(leistung[u]), u < 3 ? leistungNr[u] : 0);
    for (int u = 0; u < 6; ++u)
        fill(k.EH_Druck_Namen[static_cast<std::size_t>(u)], QString::fromLatin1(druck[u]), druckNr[u]);
    // Temperature names hold the current language's symbols in every slot that is read.
    k.EH_Temp_Namen[0] = t.Text_567;
    k.EH_Temp_Namen[1] = t.Text_568;
    k.EH_Temp_Namen[2].fill(QStringLiteral("K"));
}

} // namespace app
