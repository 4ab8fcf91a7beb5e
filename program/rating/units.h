#pragma once
// Conversions between the engine's internal units and the display units of the four selectors.
// Reading turns the text of an entry field into an internal value; showing formats an internal
// value with the pattern of its unit. The pure forms take the unit (and the density for mass
// flows); the named forms read the selectors, T_in and the medium from KuehlerDaten.
#include "program/rating/kuehlerdaten.h"
#include <QLocale>
#include <QString>

namespace rating {

// Flow: ρ is the medium density in kg/m³ (mass-flow units only).
double durchflussNachLpm(double wert, int einheit, double rho);        // display unit → l/min
double durchflussInEinheit(double lpm, int einheit, double rho);       // l/min → display unit
QString durchflussText(double lpm, int einheit, double rho, const QLocale& locale);

QString druckText(double pa, int einheit, const QLocale& locale);
double druckBarInEinheit(double bar, int einheit);

QString leistungText(double watt, long einheit, const QLocale& locale);
double leistungNachWatt(double wert, long einheit);
double leistungKwInEinheit(double kw, long einheit);

QString tempText(double celsius, int einheit, const QLocale& locale);
double tempNachCelsius(double wert, int einheit);
double tempDiffNachKelvin(double wert, int einheit);

// The density at T_in of the selected medium, as the mass-flow units use it.
double dichteBeiTin(const KuehlerDaten& daten);

// Reading conversions: error 13 for text that is no number, 6 for a non-finite value or result
// and for a mass-flow unit at a density <= 0.
double Durchfluss_EH_einlesen(const KuehlerDaten& daten, const QString& text, const QLocale& locale);
double Temp_EH_einlesen(const KuehlerDaten& daten, const QString& text, const QLocale& locale);
double TempDiff_EH_einlesen(const KuehlerDaten& daten, const QString& text, const QLocale& locale);
// Never fails: text that is not a number greater than 0 reads as 0 W.
double Leistung_EH_einlesen(const KuehlerDaten& daten, const QString& text, const QLocale& locale);

// Showing conversions: error 6 when the shown value overflows.
QString Durchfluss_EH_anzeigen(const KuehlerDaten& daten, double lpm, const QLocale& locale);
QString Druck_EH_anzeigen(const KuehlerDaten& daten, double pa, const QLocale& locale);
QString Leistung_EH_anzeigen(const KuehlerDaten& daten, double watt, const QLocale& locale);
QString Temp_EH_anzeigen(const KuehlerDaten& daten, double celsius, const QLocale& locale);

// Numbers in the display unit (0 for an unknown selector).
double Leistung_kW_in_EH(const KuehlerDaten& daten, double kw);
double Druck_bar_in_EH(const KuehlerDaten& daten, double bar);

} // namespace rating
