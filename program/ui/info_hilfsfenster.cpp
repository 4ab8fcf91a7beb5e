#include "program/ui/info_hilfsfenster.h"

#include "program/rating/units.h"
#include "program/ui/info_progvers_frm.h"
#include "program/ui/kelto_vx_menu.h"
#include "program/ui/leistgvorg1_frm.h"
#include "program/ui/leistgvorg2_frm.h"
#include "program/ui/optionen.h"
#include "program/ui/optionen_dateiauswahl.h"
#include "program/ui/optionen_ergbausgabe.h"
#include "program/ui/programmzustand.h"

#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {
OptionenDateiauswahl& auswahl(OptionenDateiauswahl* gegeben, std::unique_ptr<OptionenDateiauswahl>& eigene)
{
    if (gegeben != nullptr)
        return *gegeben;
    eigene = std::make_unique<QtOptionenDateiauswahl>();
    return *eigene;
}
} // namespace

Hilfsfenster::Hilfsfenster(Kelto_VX_Menu& fenster, Programmzustand& zustand, common::MessageBoxes& boxes,
                           OptionenDateiauswahl* dateien)
    : m_fenster(fenster), m_zustand(zustand), m_boxes(boxes),
      m_bericht(std::make_unique<ErgbAusgabeOptionen>(zustand.Start.ErgbAusgabe)),
      m_dateien(auswahl(dateien, m_eigeneDateien))
{
    modalAusfuehren = [](QDialog& d) { d.exec(); };
}

Hilfsfenster::~Hilfsfenster() = default;

bool Hilfsfenster::zeigen(const QString& befehl)
{
    if (befehl == QLatin1String("Optionen")) {
        // Loaded for this showing and unloaded when it closes; registered so that the program's
        // end can unload it too.
        auto* optionen = new Optionen(m_zustand.Start, *m_bericht, m_dateien, &m_fenster);
        optionen->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<Optionen> guard(optionen);
        modalAusfuehren(*optionen);
        if (guard)
            guard->close();
        return true;
    }
    if (befehl == QLatin1String("Info_ProgVers_frm")) {
        auto* box = new Info_ProgVers_frm(m_zustand.Texte, buildVersion(), &m_fenster);
        box->setAttribute(Qt::WA_DeleteOnClose);
        m_zustand.Start.Forms.add(box);
        QPointer<Info_ProgVers_frm> guard(box);
        modalAusfuehren(*box);
        if (guard)
            guard->close();
        return true;
    }
    if (befehl == QLatin1String("LeistgVorg1_frm")) {
        modalAusfuehren(tankDialog());
        return true;
    }
    if (befehl == QLatin1String("LeistgVorg2_frm")) {
        modalAusfuehren(austrittDialog());
        return true;
    }
    return false;
}

void Hilfsfenster::leistungsDialogeVerbergen()
{
    if (m_tank)
        m_tank->hide();
    if (m_austritt)
        m_austritt->hide();
}

LeistgVorg1_frm& Hilfsfenster::tankDialog()
{
    if (!m_tank) {
        m_tank = new LeistgVorg1_frm({m_zustand.KuehlerDaten, m_zustand.Texte, m_boxes, m_zustand.locale,
                                      [this] { KLeistungUebernehmen(m_fenster, m_zustand); }},
                                     &m_fenster);
        m_zustand.Start.Forms.add(m_tank);
    }
    return *m_tank;
}

LeistgVorg2_frm& Hilfsfenster::austrittDialog()
{
    if (!m_austritt) {
        m_austritt = new LeistgVorg2_frm({m_zustand.KuehlerDaten, m_zustand.Texte, m_boxes, m_zustand.locale,
                                          [this] { KLeistungUebernehmen(m_fenster, m_zustand); }},
                                         &m_fenster);
        m_zustand.Start.Forms.add(m_austritt);
    }
    return *m_austritt;
}

void Hilfsfenster::KLeistungUebernehmen(Kelto_VX_Menu& fenster, Programmzustand& zustand)
{
    const rating::KuehlerDaten& k = zustand.KuehlerDaten;
    QString text;
    try {
        text = rating::Leistung_EH_anzeigen(k, k.KLeistung, zustand.locale);
    } catch (const std::exception&) {
        text.clear(); // a load the unit cannot show stays empty; KLeistung keeps it
    }
    // The program's text, no user edit: the field's change handler does not read the rounded
    // text back.
    fenster.writeField(fenster.TB_KLeistung, text);
    if (k.KLeistung > 0) {
        fenster.CB_Kuehler_suchen->setEnabled(true);
        fenster.CB_Kuehler_suchen_Click();
    } else {
        fenster.CB_Kuehler_suchen->setEnabled(false);
        fenster.Set_no_CoolerInfo();
        fenster.TB_Info->hide();
    }
}

} // namespace ui
