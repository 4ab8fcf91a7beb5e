#pragma once
// What the options window edits of the report's own data: the nine report sections (captions,
// further text, on/off flag) and the two dealer tables. The report module implements it over its
// program-wide values; tests use a small fake.
#include <QString>
#include <QtGlobal>
#include <vector>

namespace ui {

class OptionenBerichtDaten {
public:
    static constexpr int AnzahlOptionen = 9;
    // The sections that a template brings along: header, footer, address in the header, page frame.
    static constexpr int ErsteVorlagenOption = 5;

    virtual ~OptionenBerichtDaten() = default;

    // Refreshes the nine captions in every language; the flags stay as they are.
    virtual void Init_Word_Optionen_Texte() = 0;
    // Caption of section i in language sprachNr.
    virtual QString optionText(int i, int sprachNr) const = 0;
    // The further text of section i (shown in brackets after the caption when not empty).
    virtual QString optionZusatz(int i) const = 0;
    // Flag of section i: 1 = the section is written.
    virtual qint16 optionFlag(int i) const = 0;
    virtual void setOptionFlag(int i, qint16 flag) = 0;

    // One entry of a dealer table as the list shows it.
    struct Haendler {
        QString nameZeile; // line 1
        QString ortZeile;  // line 4, postcode and town
    };
    // The whole dealer table of a region, entries 0 to its upper bound (entry 0 = no dealer).
    virtual std::vector<Haendler> haendlerTabelle(bool regionUS) const = 0;
};

// The standard choice of report sections: 0 to 7 on, 8 (page frame) off. Applied when a new
// project starts and at start-up without a project; the options window then only shows it.
void Word_Optionen_Standard(OptionenBerichtDaten& daten);

} // namespace ui
