// What the start-up sequence fills: catalogue, medium lists, the charts' fonts; the exit command;
// the hand-over points to the result views.
#include "program/ui/kelto_vx_menu.h"

#include "common/messages.h"
#include "program/catalogue/einbau.h"
#include "program/catalogue/kdaten_tab.h"
#include "program/catalogue/uebers.h"
#include "program/catalogue/zubehoer.h"
#include "program/texts/startup_forms.h"
#include "program/ui/ergebnis_ansichten.h"
#include "program/ui/programmzustand.h"
#include "chart/control/widget.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

namespace ui {

namespace {

const QString& inSprache(const texts::SprachText& t, int n)
{
    return t[static_cast<std::size_t>(qBound(0, n, texts::SprachSlots - 1))];
}

} // namespace

void Kelto_VX_Menu::initMediumData()
{
    const texts::Texte& t = m_zustand.Texte;
    catalogue::Init_MediumDaten(m_zustand.KDatenStrukt, t.Text_173, t.Text_174);
    catalogue::Init_OelSorten(m_zustand.KDatenStrukt);
}

void Kelto_VX_Menu::initCatalogue()
{
    Programmzustand& z = m_zustand;
    catalogue::Init_EinbauTabellen(z.KDaten_Einbau);
    catalogue::Init_ZubehoerTabellen(z.Zubehoer);
    catalogue::Init_KuehlerTabellen(z.KDaten_Tab, z.KDaten_HC_Tab);
    catalogue::GeraeuschZiele ziele{&z.KDaten_Tab.KTab_DC_US, &z.KDaten_Tab.KTab_DC_EU, &z.KDaten_Tab.KTab_AC_Optim_US,
        &z.KDaten_Tab.KTab_AC_Optim_LowNoise_US, &z.KDaten_Tab.KTab_AC_Rough_US, &z.KDaten_Tab.KTab_AC_Rough_LowNoise_US};
    catalogue::Init_UebersichtTabellen(z.KDaten_Uebers, ziele);
    catalogue::Init_UebersichtTabellen(z.KDaten_Uebers, ziele);
    setMotorVarianteCaption();
    setNoiseCaption();
}

void Kelto_VX_Menu::setMotorVarianteCaption()
{
    const QString caption = inSprache(m_zustand.KDaten_Uebers.UebersText_MotorVariante, m_zustand.Texte.SprachNr);
    if (!caption.trimmed().isEmpty())
        Fr_FanTyp->setTitle(caption);
}

void Kelto_VX_Menu::setNoiseCaption()
{
    // The overview's noise heading without its bracketed unit; the unit label stands beside the field.
    QString caption = inSprache(m_zustand.KDaten_Uebers.UebersText_Schalldruck, m_zustand.Texte.SprachNr);
    const qsizetype bracket = caption.indexOf(QLatin1Char('['));
    if (bracket > 0)
        caption.truncate(bracket);
    caption = caption.trimmed();
    if (!caption.isEmpty())
        LA_Noise->setText(caption);
}

bool Kelto_VX_Menu::regionUS() const
{
    return m_zustand.KDaten_Tab.Region_US;
}

void Kelto_VX_Menu::setRegionUS(bool us)
{
    m_zustand.KDaten_Tab.Region_US = us;
}

void Kelto_VX_Menu::Init_CBox_Auswahlen()
{
    const QSignalBlocker block(CBox_Medium);
    CBox_Medium->clear();
    for (const catalogue::MediumSatz& m : m_zustand.KDatenStrukt.Medium_Liste)
        CBox_Medium->addItem(inSprache(m.Name, m_zustand.Texte.SprachNr), int(m.Code));
    CBox_Medium->setCurrentIndex(0);
    const QSignalBlocker block2(CBox_Location);
    CBox_Location->setCurrentIndex(0);
    loadStep(QStringLiteral("Auswahlen"));
}

void Kelto_VX_Menu::Init_MediumListe()
{
    {
        const QSignalBlocker block(CBox_Medium);
        const auto& liste = m_zustand.KDatenStrukt.Medium_Liste;
        for (int i = 0; i < CBox_Medium->count() && i < static_cast<int>(liste.size()); ++i)
            CBox_Medium->setItemText(i, inSprache(liste[static_cast<std::size_t>(i)].Name, m_zustand.Texte.SprachNr));
    }
    CBox_Medium_Click();
}

void Kelto_VX_Menu::fillOilGrades()
{
    for (const catalogue::OelSorteSatz& s : m_zustand.KDatenStrukt.OelSorten_Liste)
        CBox_Medium_Typ->addItem(s.Name, int(s.Code));
}

void Kelto_VX_Menu::Init_Chart_Fonts()
{
    QFont title(QStringLiteral("Arial"), 12);
    title.setBold(true);
    const QFont labels(QStringLiteral("Arial"), 11);
    const QFont plot(QStringLiteral("Arial"), 10);
    const QFont legend(QStringLiteral("Arial"), 10);
    for (vexachart::VexachartWidget* c : {LChart, pChart}) {
        c->chart().setFontTitle(title);
        c->chart().setFontLabels(labels);
        c->chart().setFontPlot(plot);
        c->chart().setFontLegend(legend);
    }
    loadStep(QStringLiteral("DiagrammSchriften"));
}

void Kelto_VX_Menu::clearCharts()
{
    for (vexachart::VexachartWidget* c : {pChart, LChart}) {
        c->chart().ClearAllPlotData();
        c->chart().Refresh();
    }
}

void Kelto_VX_Menu::initGrids()
{
    m_ergebnisAnsichten->Init_Ersatzteil_DG();
    m_ergebnisAnsichten->IniT_EinbauMas_DG();
    m_ergebnisAnsichten->Init_DatenUebersicht_DG();
}

void Kelto_VX_Menu::TypSchluessel_anzeigen()
{
    m_ergebnisAnsichten->TypSchluessel_anzeigen();
}

void Kelto_VX_Menu::SSTab1_Click(int PreviousTab)
{
    m_currentTab = SSTab1->currentIndex();
    m_ergebnisAnsichten->SSTab1_Click(PreviousTab);
}

void Kelto_VX_Menu::redrawOpenView()
{
    if (SSTab1->currentIndex() != 0)
        SSTab1_Click(0);
}

bool Kelto_VX_Menu::sicherungVorEnde()
{
    const texts::Texte& t = m_zustand.Texte;
    const int answer = m_boxes.show(inSprache(t.Text_100, t.SprachNr), common::mb::YesNo | common::mb::Question,
        inSprache(t.Titel_Text, t.SprachNr));
    // The chosen save did not complete: keep running.
    return answer != common::mb::Yes || Projekt_Save();
}

void Kelto_VX_Menu::Progexit()
{
    if (!sicherungVorEnde())
        return;
    m_endeGefragt = true; // the close below asks no second time
    close();
}

} // namespace ui
