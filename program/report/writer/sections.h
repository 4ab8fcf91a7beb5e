#pragma once
// The sections of one report run, written through the word-processor layer's selection in
// document order. SectionWriter holds what they share during the run.
#include "program/report/writer/reportwriter.h"

namespace report {

struct SectionWriter {
    ReportContext& ctx;
    wp::Application& word;
    wp::Document& doc;
    wp::Selection& sel;
    bool templateInUse = false;
    bool shortPage = false;

    // The text of the current language.
    QString t(const texts::SprachText& text) const;
    // Upper case by the rules of the current language.
    QString upper(const QString& text) const;
    double cm(double centimetres) const { return wp::Application::CentimetersToPoints(centimetres); }
    bool region_US() const;
    common::ColourValue farbeAntrieb() const;
    // A file of the program's system folder, its name matched ignoring case; empty when absent.
    QString systemFile(const QString& name) const;
    // A file directly in the program folder, matched the same way.
    QString programFile(const QString& name) const;
};

// The QLocale whose upper-case rules fit a language slot.
QLocale sprachLocale(int SprachNr);
// A colour value as the layer takes it (system colours become automatic).
long wpColour(common::ColourValue colour);

// Part one: page frame, paragraph defaults and the short-page test, header, data and drawing.
void seitenRahmen(SectionWriter& w);
void absatzVorgaben(SectionWriter& w);
void kopfzeile(SectionWriter& w);
void datenteil(SectionWriter& w);
void geometrieZeichnung(SectionWriter& w);
// Charts, spare parts, data overview with the address table, footer.
void diagramme(SectionWriter& w);
void ersatzteile(SectionWriter& w);
void datenuebersicht(SectionWriter& w);
void adresstabelle(SectionWriter& w);
void fusszeile(SectionWriter& w);

// The drive text of a series with the air-direction suffix.
QString antriebText(const SectionWriter& w);
// The texts of the address table's right column.
struct AdressSpalte {
    QString ueberschrift;
    QString name, adresse, telefon, mail;
    bool haendlerLogo = false; // the dealer's logo may be shown
};
AdressSpalte rechteSpalte(const SectionWriter& w);
AdressSpalte herstellerSpalte(const SectionWriter& w);

} // namespace report
