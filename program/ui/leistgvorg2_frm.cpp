#include "program/ui/leistgvorg2_frm.h"

#include "program/rating/units.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace ui {

LeistgVorg2_frm::LeistgVorg2_frm(Umgebung umgebung, QWidget* parent)
    : LeistgVorgBasis(std::move(umgebung), QStringLiteral("LeistgVorg2_frm"), parent)
{
    LA_T_out = new QLabel(FR_LeistgVorgabe);
    LA_T_out->setObjectName(QStringLiteral("LA_T_out"));
    TB_T_out = new QLineEdit(FR_LeistgVorgabe);
    TB_T_out->setObjectName(QStringLiteral("TB_T_out"));
    eingabeZeile(0, LA_T_out, TB_T_out, LA_Temp_EH[0]);

    TB_T_out->installEventFilter(this);
    connect(TB_T_out, &QLineEdit::textEdited, this, [this] { VLstg2_berechnen(); });
}

void LeistgVorg2_frm::Init_Leistg2_MSG_Texte()
{
    MSG_Text = {
        QStringLiteral("Ausgabe-Temperatur kleiner Umgebungs-Temperatur!!!"),
        QStringLiteral("Out-Temperature less ambient temperature!!!"),
        QStringLiteral("Out-Temperature less ambient temperature!!!"),
        QStringLiteral("出口温度低于环境温度！"),
        QStringLiteral("Температура на выходе ниже температуры окружающей среды!"),
        QStringLiteral("Temperatura wyjściowa niższa od temperatury otoczenia!"),
        QStringLiteral("Lähtölämpötila on alempi kuin ympäristön lämpötila!"),
        QStringLiteral("¡La temperatura de salida es inferior a la temperatura ambiente!"),
        QStringLiteral("La temperatura di uscita è inferiore alla temperatura ambiente!"),
        QStringLiteral("A temperatura de saída é inferior à temperatura ambiente!"),
        QStringLiteral("Výstupní teplota je nižší než teplota okolí!"),
        QStringLiteral("Çıkış sıcaklığı ortam sıcaklığından düşük!"),
        QStringLiteral("출구 온도가 주위 온도보다 낮습니다!"),
        QStringLiteral("Uittredetemperatuur lager dan omgevingstemperatuur!"),
        QStringLiteral("Изходната температура е по-ниска от температурата на околната среда!"),
        QStringLiteral("出口温度が周囲温度より低くなっています！"),
        QStringLiteral("Utloppstemperaturen är lägre än omgivningstemperaturen!"),
        QString(),
    };
}

void LeistgVorg2_frm::Form_Activate()
{
    const texts::Texte& t = m_u.Texte;
    setWindowTitle(text(t.Text_124));
    LA_T_out->setText(text(t.Text_165));
    gemeinsameTexteSetzen();
    Init_Leistg2_MSG_Texte();
    VLstg2_berechnen();
}

void LeistgVorg2_frm::VLstg2_berechnen() { berechnen(false); }

void LeistgVorg2_frm::berechnen(bool mitMeldungen)
{
    if (!numerisch(TB_T_out))
        return;
    const rating::KuehlerDaten& k = m_u.KuehlerDaten;
    AustrittErgebnis r;
    try {
        const double gewuenscht = rating::Temp_EH_einlesen(k, TB_T_out->text(), m_u.locale);
        const double bisher = m_letzte ? m_letzte->T_mittel : k.T_mittel;
        r = VLstg2_rechnen(gewuenscht, k.T_in, k.T_Umgebung, k.Durchfluss, bisher, stoffwerte(mitMeldungen));
    } catch (const std::exception&) {
        return; // a value the properties or units cannot take changes nothing
    }
    m_T_out = r.T_out;
    m_letzte = r;
    if (r.aufEintrittBegrenzt) {
        try {
            TB_T_out->setText(rating::Temp_EH_anzeigen(k, k.T_in, m_u.locale));
        } catch (const std::exception&) {
        }
    }
    leistungZeigen(r.leistung);
}

void LeistgVorg2_frm::zeigeTemperatur(double celsius)
{
    try {
        TB_T_out->setText(rating::Temp_EH_anzeigen(m_u.KuehlerDaten, celsius, m_u.locale));
    } catch (const std::exception&) {
        return;
    }
    VLstg2_berechnen();
}

bool LeistgVorg2_frm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TB_T_out && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            TB_T_out_LostFocus();
    }
    return LeistgVorgBasis::eventFilter(watched, event);
}

void LeistgVorg2_frm::TB_T_out_LostFocus()
{
    if (!numerisch(TB_T_out))
        return;
    const rating::KuehlerDaten& k = m_u.KuehlerDaten;
    double T;
    try {
        T = rating::Temp_EH_einlesen(k, TB_T_out->text(), m_u.locale);
    } catch (const std::exception&) {
        return;
    }
    if (T < k.T_Umgebung)
        zeigeTemperatur(k.T_Umgebung);
}

void LeistgVorg2_frm::CB_zurueck_Click()
{
    rating::KuehlerDaten& k = m_u.KuehlerDaten;
    berechnen(true);
    // No usable number in the field: the outlet temperature falls back to ambient, is shown and
    // computed with, and the user is told.
    if (!m_T_out || *m_T_out < k.T_Umgebung || !numerisch(TB_T_out)) {
        zeigeTemperatur(k.T_Umgebung);
        berechnen(true);
        m_u.boxes.show(text(MSG_Text), common::mb::Information);
    }
    if (m_letzte) {
        k.T_out = m_letzte->T_out;
        k.T_mittel = m_letzte->T_mittel;
        k.cp_Medium = m_letzte->cp_Medium;
        k.Dichte_Medium = m_letzte->Dichte_Medium;
    }
    leistungUebergeben();
}

} // namespace ui
