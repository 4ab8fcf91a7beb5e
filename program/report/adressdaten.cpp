#include "program/report/ergbausgabe.h"

namespace report {

namespace {

// The contact data are the program's own invention: fictitious names, reserved example domains
// and telephone numbers from ranges kept free for fiction.
Adresse stammhaus()
{
    Adresse a;
    a.Zeile = {QStringLiteral("Kelto Kühlsysteme GmbH\r\nÖl- und Wasserkühler"),
               QString(),
               QStringLiteral("Am Lüfterberg 12"),
               QStringLiteral("D-34567 Waldhagen"),
               QString(),
               QStringLiteral("Tel.: +49 5555 0100-0"),
               QStringLiteral("Fax: +49 5555 0100-99"),
               QStringLiteral("E-Mail: info@kelto.example.com"),
               QStringLiteral("Web: www.kelto.example.com")};
    return a;
}

Adresse usNiederlassung()
{
    Adresse a;
    a.Zeile = {QStringLiteral("Kelto Cooling Systems Inc."),
               QStringLiteral("P.O. Box 4120"),
               QStringLiteral("1800 Radiator Drive"),
               QStringLiteral("Springfield, OH 45501"),
               QString(),
               QStringLiteral("Phone: +1 555-0142"),
               QStringLiteral("Fax: +1 555-0143"),
               QStringLiteral("Email: sales@kelto.example.net"),
               QStringLiteral("Web: www.kelto.example.net")};
    return a;
}

std::vector<Adresse> haendlerTabelle()
{
    std::vector<Adresse> table(3);
    table[0].Zeile[0] = QStringLiteral("---");
    table[0].Zeile[2] = QStringLiteral("-");
    table[0].Zeile[3] = QStringLiteral("-");
    table[0].Zeile[5] = QStringLiteral("-");
    table[1].Zeile = {QStringLiteral("Hydraulik-Service Nordmann KG"),
                      QString(),
                      QStringLiteral("Industriestraße 7"),
                      QStringLiteral("D-24680 Brückenfeld"),
                      QString(),
                      QStringLiteral("Tel.: +44 1632 960123"),
                      QStringLiteral("Fax: +44 1632 960124"),
                      QStringLiteral("E-Mail: service@nordmann.example.org"),
                      QStringLiteral("Web: www.nordmann.example.org")};
    return table;
}

} // namespace

void Init_Adressdaten(ErgbAusgabe& ergb)
{
    ergb.Adresse_Stammhaus = stammhaus();
    ergb.Adresse_US = usNiederlassung();
    ergb.Haendler_US = haendlerTabelle();
    ergb.Haendler_EU = haendlerTabelle();
}

int gueltigerHaendlerIdx(const std::vector<Adresse>& tabelle, int index)
{
    return index >= 0 && index < int(tabelle.size()) ? index : 0;
}

} // namespace report
