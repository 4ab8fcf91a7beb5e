// Projects on the main window: the commands of the project menu, the record a project file keeps
// and how a read record is applied, the empty project, the description document and the two
// chart print items.
#include "program/ui/kelto_vx_menu.h"

#include "chart/control/widget.h"
#include "common/error.h"
#include "common/messages.h"
#include "platform/apppaths.h"
#include "program/project/projekt_befehle.h"
#include "program/project/projektdatei_zustand.h"
#include "program/rating/units.h"
#include "program/texts/startup_caption.h"
#include "program/ui/beschreibung.h"
#include "program/ui/optionen_ergbausgabe.h"
#include "program/windowrules/projekt_befehle.h"
#include "program/ui/projekt_dialoge.h"
#include "program/ui/programmzustand.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace ui {

// The project storage of the window: the file codec for the bytes, the window for the values.
class Kelto_VX_Menu::ProjektAblageFenster final : public ProjektAblage {
public:
    explicit ProjektAblageFenster(Kelto_VX_Menu& w) : m_w(w) {}

    bool laden(const QString& pfad) override
    {
        Programmzustand& z = m_w.m_zustand;
        const std::optional<project::ProjektSatz> satz = project::Projekt_Lesen(z.System(), z.Texte, m_w.m_boxes, pfad);
        if (!satz)
            return false;
        m_w.ProjektFile_Lesen(*satz);
        return true;
    }
    bool speichern(const QString& pfad) override
    {
        Programmzustand& z = m_w.m_zustand;
        return project::Projekt_Schreiben(z.System(), z.Texte, m_w.m_boxes, pfad, m_w.ProjektFile_Schreiben());
    }
    void neu() override { m_w.Projekt_Neu_Init(); }

private:
    Kelto_VX_Menu& m_w;
};

namespace {

// The window caption through the start-up services' caption setter.
class FensterTitel final : public texts::CaptionWindow {
public:
    explicit FensterTitel(QWidget* w) : m_w(w) {}
    void setCaption(const QString& caption) override { m_w->setWindowTitle(caption); }

private:
    QWidget* m_w;
};

// Sets the buttons of one exclusive group as given, none chosen included, without their handlers.
void setGroup(QButtonGroup* group, std::initializer_list<std::pair<QRadioButton*, bool>> buttons)
{
    group->setExclusive(false);
    for (const auto& [button, on] : buttons) {
        const QSignalBlocker block(button);
        button->setChecked(on);
    }
    group->setExclusive(true);
}

} // namespace

ProjektBefehle& Kelto_VX_Menu::projektBefehle()
{
    if (!m_projekt) {
        m_projektAblage = std::make_shared<ProjektAblageFenster>(*this);
        m_projekt = std::make_shared<ProjektBefehle>(m_zustand.System(), m_zustand.Texte, m_boxes, *m_projektAblage,
            *m_services.projektDialoge);
        m_projekt->titelNeu = [this] {
            FensterTitel caption(this);
            texts::Setze_FormCaption(&caption, m_zustand.Texte, m_zustand.System());
        };
        m_projekt->standardOrdner = [this] {
            return m_services.dataFolderDefault();
        };
        m_projekt->menuePunkt = [this](int n, const QString& caption, const QString& pfad, bool waehlbar) {
            QAction* a = menuItem(QStringLiteral("Projekt%1").arg(n));
            if (a == nullptr)
                return;
            a->setText(caption);
            a->setToolTip(pfad);
            a->setStatusTip(pfad);
            a->setEnabled(waehlbar);
        };
    }
    return *m_projekt;
}

void Kelto_VX_Menu::Projekt_Neu() { projektBefehle().Projekt_Neu(); }
void Kelto_VX_Menu::Projekt_Load() { projektBefehle().Projekt_Load(); }
bool Kelto_VX_Menu::Projekt_Save() { return projektBefehle().Projekt_Save(); }
bool Kelto_VX_Menu::Projekt_SaveAs() { return projektBefehle().Projekt_SaveAs(); }
void Kelto_VX_Menu::Projekt_load_Liste(int ProjNr) { projektBefehle().Projekt_load_Liste(ProjNr); }
void Kelto_VX_Menu::Set_ProjHistory(const QString& ProjFile) { projektBefehle().Set_ProjHistory(ProjFile); }
void Kelto_VX_Menu::Projektfile_Load() { projektBefehle().Projektfile_Load(); }

project::ProjektSatz Kelto_VX_Menu::ProjektFile_Schreiben() const
{
    project::ProjektSatz s = project::Projekt_ausKuehlerDaten(m_zustand.KuehlerDaten);
    s.AC_LowNoise = CBox_AC_LowNoise->isChecked();
    s.Optionen = berichtOptionen();
    const QRadioButton* knoepfe[] = {OBox_12V, OBox_24V, OBox_AC_Optim, OBox_AC_Rough, OBox_HC_Optim, OBox_HC_Rough,
        OBox_DCD, OBox_AC, OBox_HC, OBox_Saugend};
    for (int i = 0; i < project::OptionKnopfAnzahl; ++i)
        s.Knoepfe[static_cast<std::size_t>(i)] = knoepfe[i]->isChecked();
    s.Region_US = regionUS();
    return s;
}

void Kelto_VX_Menu::ProjektFile_Lesen(const project::ProjektSatz& satz)
{
    texts::System& sys = m_zustand.System();
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    const bool wasInit = sys.Init_aktiv;
    // One pass with the handlers idle; the search runs once at the end.
    sys.Init_aktiv = true;
    project::Projekt_inKuehlerDaten(satz, k);
    {
        const QSignalBlocker block(CBox_AC_LowNoise);
        CBox_AC_LowNoise->setChecked(satz.AC_LowNoise);
    }
    berichtOptionen() = satz.Optionen;
    const auto on = [&](project::OptionKnopf b) { return satz.Knoepfe[static_cast<std::size_t>(b)]; };
    setGroup(m_fanDC, {{OBox_12V, on(project::OBox_12V)}, {OBox_24V, on(project::OBox_24V)}});
    setGroup(m_fanAC, {{OBox_AC_Optim, on(project::OBox_AC_Optim)}, {OBox_AC_Rough, on(project::OBox_AC_Rough)}});
    setGroup(m_fanHC, {{OBox_HC_Optim, on(project::OBox_HC_Optim)}, {OBox_HC_Rough, on(project::OBox_HC_Rough)}});
    setGroup(m_fanTyp, {{OBox_DCD, on(project::OBox_DCD)}, {OBox_AC, on(project::OBox_AC)}, {OBox_HC, on(project::OBox_HC)}});
    setGroup(m_direction, {{OBox_Saugend, on(project::OBox_Saugend)}, {OBox_drueckend, !on(project::OBox_Saugend)}});
    m_zustand.Menu.LuefterDrueckend = !on(project::OBox_Saugend);
    // The region comes from the settings for the whole run: a project never swaps the catalogue
    // under the window, and the list keeps showing the region in use.
    {
        const QSignalBlocker block(CBox_Location);
        CBox_Location->setCurrentIndex(regionUS() ? 1 : 0);
    }
    int temp = satz.EH_Temp, druck = satz.EH_Druck, flow = satz.EH_Durchfluss;
    long leistung = satz.EH_Leistung;
    Temp_EH_setzen(temp);
    Druck_EH_setzen(druck);
    Q_EH_setzen(flow);
    Leistg_EH_setzen(leistung);
    Schreibe_Menudaten_in_Oberflaeche();
    sys.Init_aktiv = wasInit;

    EingabeDat_Check();
    TB_KLeistung_Change();
    // The chosen drive shows its frame and colours and runs the one search.
    if (OBox_DCD->isChecked())
        OBox_DCD_Click();
    else if (OBox_AC->isChecked())
        OBox_AC_Click();
    else if (OBox_HC->isChecked())
        OBox_HC_Click();
    else {
        showDriveFrame(nullptr); // no drive stored: no drive's options on show
        CB_Kuehler_suchen_Click();
    }
    if (TB_Kuehlertyp->text() == QLatin1String("---"))
        SSTab1_Click(0);
}

void Kelto_VX_Menu::Schreibe_Menudaten_in_Oberflaeche()
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    const QLocale& loc = m_zustand.locale;
    writeField(TB_T_Umgebung, anzeige([&] { return rating::Temp_EH_anzeigen(k, k.T_Umgebung, loc); }));
    writeField(TB_T_in, anzeige([&] { return rating::Temp_EH_anzeigen(k, k.T_in, loc); }));
    writeField(TB_Durchfluss, anzeige([&] { return rating::Durchfluss_EH_anzeigen(k, k.Durchfluss, loc); }));
    if (k.Medium_Typ < 0 || k.Medium_Typ > 1)
        k.Medium_Typ = 0;
    {
        const QSignalBlocker block(CBox_Medium);
        CBox_Medium->setCurrentIndex(k.Medium_Typ);
    }
    // The grade list of the medium, then the stored grade (the first one when it is not in the list).
    Set_MediumTypBox(k.Medium_Typ);
    CBox_Medium_Typ->setVisible(true);
    LA_Medium_Subindex->setVisible(true);
    if (k.Medium_Subindex < 0 || k.Medium_Subindex >= CBox_Medium_Typ->count())
        k.Medium_Subindex = 0;
    {
        const QSignalBlocker block(CBox_Medium_Typ);
        CBox_Medium_Typ->setCurrentIndex(k.Medium_Subindex);
    }
    writeField(TB_KLeistung, anzeige([&] { return rating::Leistung_EH_anzeigen(k, k.KLeistung, loc); }));
}

void Kelto_VX_Menu::Projekt_Neu_Init()
{
    texts::System& sys = m_zustand.System();
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    sys.Init_aktiv = true;
    sys.Projekt_Name.clear();
    Set_no_CoolerInfo();
    k.Typ_MaxIndex = 0;
    FensterTitel caption(this);
    texts::Setze_FormCaption(&caption, m_zustand.Texte, sys);
    // The emptied fields hold no values: a saved new project must not bring the last one back.
    for (QLineEdit* f : {TB_T_Umgebung, TB_T_in, TB_T_out, TB_Durchfluss})
        writeField(f, QString());
    k.T_Umgebung = 0;
    k.T_in = 0;
    k.Durchfluss = 0;
    k.KLeistung = 0;
    k.Eingabe_OK = false;
    for (QWidget* w : std::initializer_list<QWidget*>{FR_Leistung, TB_KLeistung, CB_Leistung_d_TempA, CB_Leistung_T_out})
        w->setEnabled(false);
    writeField(TB_KLeistung, QString());
    sys.Init_aktiv = false;
    CBox_Medium_Click();
    sys.Init_aktiv = true;
    {
        // The list's handler is idle here: the grade it shows is set by hand too.
        const QSignalBlocker block(CBox_Medium_Typ);
        CBox_Medium_Typ->setCurrentIndex(0);
        k.Medium_Subindex = 0;
    }
    // The result frame stays usable: nothing switches it on again, and the size spinner inside it
    // would be dead for the rest of the run. Its fields are empty and the spinner is off already.
    CB_Kuehler_suchen->setEnabled(false);
    clearCharts();
    sys.Init_aktiv = false;
    SSTab1_Click(0);
    TB_T_Umgebung->setFocus();
    // A new project starts with the standard report sections: all but the page frame.
    Word_Optionen_Standard(m_zustand.Start.ErgbAusgabe);
}

project::Word_Optionen& Kelto_VX_Menu::berichtOptionen()
{
    return m_zustand.Start.ErgbAusgabe.Word_Optionen;
}

const project::Word_Optionen& Kelto_VX_Menu::berichtOptionen() const
{
    return m_zustand.Start.ErgbAusgabe.Word_Optionen;
}

void Kelto_VX_Menu::Word_Beschreibung_anzeigen()
{
    ui::Word_Beschreibung_anzeigen(platform::AppPaths::forRunningProgram(), m_zustand.Texte,
        *m_services.dokumentOeffner,
        m_boxes);
}

namespace {

// Prints a chart as drawn on the default printer; a failure is reported and the program goes on.
void drucke(vexachart::VexachartWidget* chart, common::MessageBoxes& boxes)
{
    try {
        chart->chart().PrintChart();
    } catch (const common::Error& e) {
        boxes.show(e.description(), common::mb::Critical);
    }
}

} // namespace

void Kelto_VX_Menu::Ausdruck_DrkVerlust() { drucke(pChart, m_boxes); }
void Kelto_VX_Menu::Ausdruck_Leistg() { drucke(LChart, m_boxes); }

} // namespace ui
