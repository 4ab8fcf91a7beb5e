#include "program/ui/optionen_ergbausgabe.h"

namespace ui {

namespace {
const report::Word_OptionSatz& satz(const report::ErgbAusgabe& e, int i)
{
    return e.Word_Optionen.at(static_cast<std::size_t>(i));
}
} // namespace

void ErgbAusgabeOptionen::Init_Word_Optionen_Texte() { report::Init_Word_Optionen_Texte(m_ergb); }

QString ErgbAusgabeOptionen::optionText(int i, int sprachNr) const
{
    return satz(m_ergb, i).Caption.at(static_cast<std::size_t>(sprachNr));
}

QString ErgbAusgabeOptionen::optionZusatz(int i) const { return satz(m_ergb, i).Zusatz; }

qint16 ErgbAusgabeOptionen::optionFlag(int i) const { return satz(m_ergb, i).Flag; }

void ErgbAusgabeOptionen::setOptionFlag(int i, qint16 flag)
{
    m_ergb.Word_Optionen.at(static_cast<std::size_t>(i)).Flag = flag;
}

std::vector<OptionenBerichtDaten::Haendler> ErgbAusgabeOptionen::haendlerTabelle(bool regionUS) const
{
    std::vector<Haendler> liste;
    for (const report::Adresse& a : regionUS ? m_ergb.Haendler_US : m_ergb.Haendler_EU) {
        // A name over two lines is shown on one line of the list.
        QString name = a.Zeile[0];
        name.replace(QLatin1String("\r\n"), QLatin1String(" "));
        liste.push_back({name, a.Zeile[3]});
    }
    return liste;
}

void Word_Optionen_Standard(report::ErgbAusgabe& ergb)
{
    ErgbAusgabeOptionen daten(ergb);
    Word_Optionen_Standard(static_cast<OptionenBerichtDaten&>(daten));
}

} // namespace ui
