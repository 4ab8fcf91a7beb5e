#include "program/rating/units.h"
#include "program/rating/stoffwerte.h"
#include "common/checked.h"
#include "common/error.h"
#include "common/format.h"
#include "common/numread.h"
#include <cmath>

namespace rating {

namespace {

constexpr double LiterJeUSGallone = 3.785412;
constexpr double PaJeMmHg = 133.3224;
constexpr double PaJeMmWS = 9.8067;
constexpr double PaJePsi = 6894.757;
constexpr double WattJeKcalH = 1.161965556;
constexpr double WattJeBtuH = 0.2928104;
constexpr double WattJeHp = 745.6999;

const QString Muster0 = QStringLiteral("#0");
const QString Muster1 = QStringLiteral("#0.0");
const QString Muster2 = QStringLiteral("#0.00");

double endlich(double wert)
{
    return common::requireFinite(wert, common::errc::Overflow);
}

// A mass-flow reading divides by the density; a density of 0 or below is refused.
double dichteZumTeilen(double rho)
{
    if (!(rho > 0) || !std::isfinite(rho))
        common::raise(common::errc::Overflow, QStringLiteral("KuehlerDaten"),
                      QStringLiteral("Invalid medium density"));
    return rho;
}

const QString& durchflussMuster(int einheit)
{
    switch (einheit) {
    case eh::Durchfluss_kg_s:
    case eh::Durchfluss_l_s:
        return Muster2;
    case eh::Durchfluss_l_h:
    case eh::Durchfluss_kg_h:
        return Muster0;
    default:
        return Muster1;
    }
}

} // namespace

double durchflussNachLpm(double wert, int einheit, double rho)
{
    switch (einheit) {
    case eh::Durchfluss_kg_s:
        return endlich(wert * 60 / (dichteZumTeilen(rho) / 1000));
    case eh::Durchfluss_l_s:
        return endlich(wert * 60);
    case eh::Durchfluss_l_min:
        return endlich(wert);
    case eh::Durchfluss_l_h:
        return endlich(wert / 60);
    case eh::Durchfluss_kg_h:
        return endlich(wert / (dichteZumTeilen(rho) * 60 / 1000));
    case eh::Durchfluss_USgal_min:
        return endlich(wert * LiterJeUSGallone);
    default:
        return endlich(wert);
    }
}

double durchflussInEinheit(double lpm, int einheit, double rho)
{
    switch (einheit) {
    case eh::Durchfluss_kg_s:
        return endlich(lpm * rho / 60000);
    case eh::Durchfluss_l_s:
        return endlich(lpm / 60);
    case eh::Durchfluss_l_min:
        return endlich(lpm);
    case eh::Durchfluss_l_h:
        return endlich(lpm * 60);
    case eh::Durchfluss_kg_h:
        return endlich(lpm * 60 * rho / 1000);
    case eh::Durchfluss_USgal_min:
        return endlich(lpm / LiterJeUSGallone);
    default:
        return 0;
    }
}

QString durchflussText(double lpm, int einheit, double rho, const QLocale& locale)
{
    return common::formatValue(durchflussInEinheit(lpm, einheit, rho), durchflussMuster(einheit), locale);
}

QString druckText(double pa, int einheit, const QLocale& locale)
{
    double wert = 0;
    const QString* muster = &Muster0;
    switch (einheit) {
    case eh::Druck_Pa:
        wert = pa;
        break;
    case eh::Druck_mbar:
        // The smallest pressure drop shown in mbar is 1.
        wert = pa / 100;
        if (wert < 1)
            wert = 1;
        break;
    case eh::Druck_mmHg:
        wert = pa / PaJeMmHg;
        break;
    case eh::Druck_mmWS:
        wert = pa / PaJeMmWS;
        break;
    case eh::Druck_psi:
        wert = pa / PaJePsi;
        muster = &Muster1;
        break;
    case eh::Druck_bar:
        wert = pa / 100000;
        muster = &Muster2;
        break;
    default:
        break;
    }
    return common::formatValue(endlich(wert), *muster, locale);
}

double druckBarInEinheit(double bar, int einheit)
{
    switch (einheit) {
    case eh::Druck_Pa:
        return endlich(bar * 100000);
    case eh::Druck_mbar:
        return endlich(bar * 1000);
    case eh::Druck_mmHg:
        return endlich(bar * 100000 / PaJeMmHg);
    case eh::Druck_mmWS:
        return endlich(bar * 100000 / PaJeMmWS);
    case eh::Druck_psi:
        return endlich(bar * 100000 / PaJePsi);
    case eh::Druck_bar:
        return endlich(bar);
    default:
        return 0;
    }
}

QString leistungText(double watt, long einheit, const QLocale& locale)
{
    double wert = 0;
    switch (einheit) {
    case eh::Leistung_kW:
        wert = watt / 1000;
        break;
    case eh::Leistung_kcal_h:
        wert = watt / WattJeKcalH;
        break;
    case eh::Leistung_BTU_h:
        wert = watt / WattJeBtuH;
        break;
    case eh::Leistung_hp:
        wert = watt / WattJeHp;
        break;
    default:
        break;
    }
    return common::formatValue(endlich(wert), Muster1, locale);
}

double leistungNachWatt(double wert, long einheit)
{
    switch (einheit) {
    case eh::Leistung_kW:
        return wert * 1000;
    case eh::Leistung_kcal_h:
        return wert * WattJeKcalH;
    case eh::Leistung_BTU_h:
        return wert * WattJeBtuH;
    case eh::Leistung_hp:
        return wert * WattJeHp;
    default:
        return wert;
    }
}

double leistungKwInEinheit(double kw, long einheit)
{
    switch (einheit) {
    case eh::Leistung_kW:
        return endlich(kw);
    case eh::Leistung_kcal_h:
        return endlich(kw * 1000 / WattJeKcalH);
    case eh::Leistung_BTU_h:
        return endlich(kw * 1000 / WattJeBtuH);
    case eh::Leistung_hp:
        return endlich(kw * 1000 / WattJeHp);
    default:
        return 0;
    }
}

QString tempText(double celsius, int einheit, const QLocale& locale)
{
    double wert = celsius;
    if (einheit == eh::Temp_F)
        wert = celsius * 9 / 5 + 32;
    else if (einheit == eh::Temp_K)
        wert = celsius + 273.15;
    return common::formatValue(endlich(wert), Muster1, locale);
}

double tempNachCelsius(double wert, int einheit)
{
    if (einheit == eh::Temp_F)
        return endlich((wert - 32) * 5 / 9);
    if (einheit == eh::Temp_K)
        return endlich(wert - 273.15);
    return endlich(wert);
}

double tempDiffNachKelvin(double wert, int einheit)
{
    if (einheit == eh::Temp_F)
        return endlich(wert * 5 / 9);
    return endlich(wert);
}

double dichteBeiTin(const KuehlerDaten& daten)
{
    return Stoffwert_Dichte(daten.T_in, daten.medium());
}

double Durchfluss_EH_einlesen(const KuehlerDaten& daten, const QString& text, const QLocale& locale)
{
    const double wert = common::readNumber(text, locale);
    const bool massenstrom = daten.EH_Durchfluss == eh::Durchfluss_kg_s || daten.EH_Durchfluss == eh::Durchfluss_kg_h;
    return durchflussNachLpm(wert, daten.EH_Durchfluss, massenstrom ? dichteBeiTin(daten) : 0.0);
}

double Temp_EH_einlesen(const KuehlerDaten& daten, const QString& text, const QLocale& locale)
{
    return tempNachCelsius(common::readNumber(text, locale), daten.EH_Temp);
}

double TempDiff_EH_einlesen(const KuehlerDaten& daten, const QString& text, const QLocale& locale)
{
    return tempDiffNachKelvin(common::readNumber(text, locale), daten.EH_Temp);
}

double Leistung_EH_einlesen(const KuehlerDaten& daten, const QString& text, const QLocale& locale)
{
    const std::optional<double> wert = common::tryReadNumber(text, locale);
    if (!wert || !(*wert > 0))
        return 0;
    const double watt = leistungNachWatt(*wert, daten.EH_Leistung);
    // A load too large to hold is no load the engine could rate.
    return std::isfinite(watt) ? watt : 0;
}

QString Durchfluss_EH_anzeigen(const KuehlerDaten& daten, double lpm, const QLocale& locale)
{
    return durchflussText(lpm, daten.EH_Durchfluss, dichteBeiTin(daten), locale);
}

QString Druck_EH_anzeigen(const KuehlerDaten& daten, double pa, const QLocale& locale)
{
    return druckText(pa, daten.EH_Druck, locale);
}

QString Leistung_EH_anzeigen(const KuehlerDaten& daten, double watt, const QLocale& locale)
{
    return leistungText(watt, daten.EH_Leistung, locale);
}

QString Temp_EH_anzeigen(const KuehlerDaten& daten, double celsius, const QLocale& locale)
{
    return tempText(celsius, daten.EH_Temp, locale);
}

double Leistung_kW_in_EH(const KuehlerDaten& daten, double kw)
{
    return leistungKwInEinheit(kw, daten.EH_Leistung);
}

double Druck_bar_in_EH(const KuehlerDaten& daten, double bar)
{
    return druckBarInEinheit(bar, daten.EH_Druck);
}

} // namespace rating
