#include "program/ui/leistgvorg1_frm.h"

#include "common/numread.h"
#include "program/rating/units.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

LeistgVorg1_frm::LeistgVorg1_frm(Umgebung umgebung, QWidget* parent)
    : LeistgVorgBasis(std::move(umgebung), QStringLiteral("LeistgVorg1_frm"), parent)
{
    const auto named = [](auto* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    LA_Tankvolumen = named(new QLabel(FR_LeistgVorgabe), "LA_Tankvolumen");
    TB_Tankvolumen = named(new QLineEdit(FR_LeistgVorgabe), "TB_Tankvolumen");
    LA_Volumen_EH = named(new QLabel(FR_LeistgVorgabe), "LA_Volumen_EH");
    LA_d_T = named(new QLabel(FR_LeistgVorgabe), "LA_d_T");
    TB_d_T = named(new QLineEdit(FR_LeistgVorgabe), "TB_d_T");
    LA_d_Zeit = named(new QLabel(FR_LeistgVorgabe), "LA_d_Zeit");
    TB_d_Zeit = named(new QLineEdit(FR_LeistgVorgabe), "TB_d_Zeit");
    LA_Zeit_EH = named(new QLabel(FR_LeistgVorgabe), "LA_Zeit_EH");

    eingabeZeile(0, LA_Tankvolumen, TB_Tankvolumen, LA_Volumen_EH);
    eingabeZeile(1, LA_d_T, TB_d_T, LA_Temp_EH[0]);
    eingabeZeile(2, LA_d_Zeit, TB_d_Zeit, LA_Zeit_EH);
    setTabOrder(TB_Tankvolumen, TB_d_T);
    setTabOrder(TB_d_T, TB_d_Zeit);
    setTabOrder(TB_d_Zeit, CB_zurueck);

    for (QLineEdit* f : {TB_Tankvolumen, TB_d_T, TB_d_Zeit})
        connect(f, &QLineEdit::textEdited, this, [this] { VLstg1_berechnen(); });
}

void LeistgVorg1_frm::Form_Activate()
{
    const texts::Texte& t = m_u.Texte;
    setWindowTitle(text(t.Text_123));
    LA_Tankvolumen->setText(text(t.Text_411));
    LA_Volumen_EH->setText(m_u.KuehlerDaten.EH_Durchfluss == rating::eh::Durchfluss_USgal_min
                               ? QStringLiteral("Gallons")
                               : text(t.Text_414));
    LA_d_T->setText(text(t.Text_412));
    LA_d_Zeit->setText(text(t.Text_413));
    LA_Zeit_EH->setText(text(t.Text_566));
    gemeinsameTexteSetzen();
    VLstg1_berechnen();
}

void LeistgVorg1_frm::VLstg1_berechnen() { berechnen(false); }

void LeistgVorg1_frm::berechnen(bool mitMeldungen)
{
    if (!numerisch(TB_Tankvolumen) || !numerisch(TB_d_T) || !numerisch(TB_d_Zeit))
        return;
    const rating::KuehlerDaten& k = m_u.KuehlerDaten;
    TankEingaben ein;
    TankErgebnis r;
    try {
        ein.volumen = common::readNumber(TB_Tankvolumen->text(), m_u.locale);
        ein.gallonen = k.EH_Durchfluss == rating::eh::Durchfluss_USgal_min;
        ein.anstiegK = rating::TempDiff_EH_einlesen(k, TB_d_T->text(), m_u.locale);
        ein.zeitMin = common::readNumber(TB_d_Zeit->text(), m_u.locale);
        r = VLstg1_rechnen(ein, k.T_Umgebung, stoffwerte(mitMeldungen));
    } catch (const std::exception&) {
        return; // a value the properties or units cannot take changes nothing
    }
    // The corrected inputs are shown; computing again from them gives the same result.
    if (r.zeitErsetzt)
        TB_d_Zeit->setText(m_u.locale.toString(ZeitMinimum));
    if (r.anstiegErsetzt)
        TB_d_T->setText(m_u.locale.toString(0));
    m_letzte = r;
    leistungZeigen(r.leistung);
}

void LeistgVorg1_frm::CB_zurueck_Click()
{
    berechnen(true);
    rating::KuehlerDaten& k = m_u.KuehlerDaten;
    if (m_letzte) {
        k.T_mittel = m_letzte->T_mittel;
        k.cp_Medium = m_letzte->cp_Medium;
        k.Dichte_Medium = m_letzte->Dichte_Medium;
        k.RhoCp_Faktor = m_letzte->RhoCp_Faktor;
    }
    leistungUebergeben();
}

} // namespace ui
