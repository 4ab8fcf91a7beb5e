#include "program/project/projektdatei_zustand.h"

namespace project {

ProjektSatz Projekt_ausKuehlerDaten(const rating::KuehlerDaten& kd)
{
    ProjektSatz s;
    s.Durchfluss = kd.Durchfluss;
    s.T_in = kd.T_in;
    s.T_Umgebung = kd.T_Umgebung;
    s.KLeistung = kd.KLeistung;
    s.Medium_Typ = static_cast<qint16>(kd.Medium_Typ);
    s.Medium_Subindex = static_cast<qint16>(kd.Medium_Subindex);
    // The power unit is kept as a long but stored as an Integer; all units are 0 to 5.
    s.EH_Leistung = static_cast<qint16>(kd.EH_Leistung);
    s.EH_Temp = static_cast<qint16>(kd.EH_Temp);
    s.EH_Durchfluss = static_cast<qint16>(kd.EH_Durchfluss);
    s.EH_Druck = static_cast<qint16>(kd.EH_Druck);
    return s;
}

void Projekt_inKuehlerDaten(const ProjektSatz& satz, rating::KuehlerDaten& kd)
{
    kd.Durchfluss = satz.Durchfluss;
    kd.T_in = satz.T_in;
    kd.T_Umgebung = satz.T_Umgebung;
    kd.KLeistung = satz.KLeistung;
    kd.Medium_Typ = satz.Medium_Typ;
    kd.Medium_Subindex = satz.Medium_Subindex;
}

} // namespace project
