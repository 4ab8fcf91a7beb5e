#pragma once
// The options window's view of the report module's own values: the nine report sections of
// ErgbAusgabe and its two dealer tables.
#include "program/report/ergbausgabe.h"
#include "program/ui/optionen_berichtdaten.h"

namespace ui {

class ErgbAusgabeOptionen : public OptionenBerichtDaten {
public:
    explicit ErgbAusgabeOptionen(report::ErgbAusgabe& ergb) : m_ergb(ergb) {}

    void Init_Word_Optionen_Texte() override;
    QString optionText(int i, int sprachNr) const override;
    QString optionZusatz(int i) const override;
    qint16 optionFlag(int i) const override;
    void setOptionFlag(int i, qint16 flag) override;
    std::vector<Haendler> haendlerTabelle(bool regionUS) const override;

private:
    report::ErgbAusgabe& m_ergb;
};

// The standard choice of report sections in the report's own values (start-up without a
// project, new project).
void Word_Optionen_Standard(report::ErgbAusgabe& ergb);

} // namespace ui
