#pragma once
// The program's main window: operating point, drive choices, result, result tabs and the menu
// bar. Controls carry their design names as member and objectName; handlers keep their names and
// are connected explicitly to signals of user actions. Where code sets a control whose handler
// must run, the code blocks the control's signals and calls the handler itself.
#include "common/colour.h"
#include "program/windowrules/ergebnisrechnung.h"
#include "program/texts/sprachtext.h"
#include "program/windowrules/menutree.h"
#include "program/project/projektdatei.h"

#include <QFont>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <span>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedLayout;
class QRadioButton;
class QTabWidget;
class QTableWidget;

namespace common {
class MessageBoxes;
}
namespace app {
struct AppState;
}
namespace quickinfo {
class clsQuickInfo;
}
namespace report {
struct ReportContext;
}
namespace vexachart {
class VexachartWidget;
}

namespace ui {

class BerichtFenster;
class ErgebnisAnsichten;
class Hilfsfenster;
class UpDown;
struct Programmzustand;
class ProjektBefehle;
class ProjektDialoge;
class DokumentOeffner;
class QtUebersetzung;

// What the main window uses of the desktop. A member left empty is the desktop's own; tests hand in
// fakes.
struct MainWindowServices {
    // File and name dialogs of the project commands.
    ProjektDialoge* projektDialoge = nullptr;
    // Opens the description document.
    DokumentOeffner* dokumentOeffner = nullptr;
    // The word-processor check of the start.
    std::function<void()> wordCheck;
    // Runs a command that opens a window, by name: the report ("Word_Dokument_erstellen 0"), the
    // options, the about box and the two heat-load dialogs (Kelto_VX_Menu::runCommand).
    std::function<void(const QString& command)> showModal;
    // The default user data folder.
    std::function<QString()> dataFolderDefault;
    // Adjusts the services of a report run before it starts (viewer, printer, paper).
    std::function<void(report::ReportContext&)> berichtKontext;
};

class Kelto_VX_Menu : public QMainWindow {
    Q_OBJECT
public:
    // The program's window: owns the state of the modules it drives, built on the start-up state.
    Kelto_VX_Menu(app::AppState& state, common::MessageBoxes& boxes, MainWindowServices services = {},
                  QWidget* parent = nullptr);
    // A window over a state held by the caller (tests).
    Kelto_VX_Menu(Programmzustand& zustand, common::MessageBoxes& boxes, MainWindowServices services = {},
                  QWidget* parent = nullptr);
    ~Kelto_VX_Menu() override;

    // The first activation: runs once the shown window is on screen (tests may call it at once).
    void Form_Activate();
    bool firstActivationDone() const;

    // --- members other windows and the project code call ---
    void CB_Kuehler_suchen_Click();
    void EingabeDat_Check();
    void Set_no_CoolerInfo();
    void KuehlerDaten_Ergebnis();
    void CBox_Medium_Click();
    void Set_MediumTypBox(int MedType);
    void Set_Fan_Farbe(common::ColourValue Farbe);
    void Set_Start_Colors();
    void Set_WindowHeaderColor(common::ColourValue Farbe, bool RelFlag);
    void TypSchluessel_anzeigen();
    void SSTab1_Click(int PreviousTab);
    void Temp_EH_setzen(int& Index);
    void Q_EH_setzen(int& Index);
    void Leistg_EH_setzen(long& Index);
    void Druck_EH_setzen(int& Index);
    void Sprache_setzen(int Sprache);
    void Setze_FontCharset_Menu(int ChrSetNr);
    void Setze_MenueTexte();
    void Init_MediumListe();

    // The menu item of a key (nullptr for an unknown key).
    QAction* menuItem(const QString& key) const { return m_menuItems.value(key); }
    // Runs the command of a menu key, as a click on the item does.
    void MenuBar1_ItemClick(const QString& key);

    // The one way the program writes an input field's text: it stands as written, whatever a
    // user may type there, and clears the user's edit mark.
    void writeField(QLineEdit* field, const QString& text);

    // Runs a command that opens a window (MainWindowServices::showModal hands it here by default);
    // false for a name no window belongs to.
    bool runCommand(const QString& command);

    // --- report and auxiliary windows (kelto_vx_menu_fenster.cpp) ---
    // Writes the report of the current selection; printFlag as report::Word_Dokument_erstellen.
    void Word_Dokument_erstellen(int printFlag);
    // The window as the report sees it, and the holder of the options, about and heat-load windows.
    BerichtFenster& berichtFenster();
    Hilfsfenster& hilfsfenster();
    // A heat load set by a heat-load dialog (already in KLeistung): shown in TB_KLeistung, then the
    // search, or the no-cooler state for no load.
    void KLeistung_uebernehmen();
    // The result views (drawing and dimensions, the two charts); the report redraws them too.
    void EinbauMase_anzeigen();
    void DruckVerl_anzeigen();
    void Leistg_Chart_anzeigen();
    ErgebnisAnsichten* ergebnisAnsichten() const { return m_ergebnisAnsichten; }

    // --- projects, description and chart printing (projekt_fenster.cpp) ---
    void Projekt_Neu();
    void Projekt_Load();
    bool Projekt_Save(); // true when the project was saved
    bool Projekt_SaveAs();
    void Projekt_load_Liste(int ProjNr);
    void Set_ProjHistory(const QString& ProjFile);
    void Projektfile_Load();
    void Projekt_Neu_Init();
    // The project as the file keeps it, from the program-wide values and the controls.
    project::ProjektSatz ProjektFile_Schreiben() const;
    // Applies a read project in one pass, then validates and searches once.
    void ProjektFile_Lesen(const project::ProjektSatz& satz);
    void Schreibe_Menudaten_in_Oberflaeche();
    void Word_Beschreibung_anzeigen();
    void Ausdruck_DrkVerlust();
    void Ausdruck_Leistg();
    ProjektBefehle& projektBefehle();

    // Colours of the caption painter (kept as state; the native title bar is not painted).
    struct GradTitel {
        bool GradTitel_aktiv = false;
        int GradTitel_ParamI = 0;
        long GradTitel_ParamL = 0;
        common::ColourValue GradTitel_Grau = 0;
        common::ColourValue GradTitel_Aktiv1 = 0;
        common::ColourValue GradTitel_Aktiv2 = 0;
        common::ColourValue GradTitel_Inaktiv1 = 0;
        common::ColourValue GradTitel_Inaktiv2 = 0;
        QFont GradTitel_Font; // the desktop's caption font
    };
    const GradTitel& captionColours() const { return m_gradTitel; }
    // Menu-bar colours: bar, menus, highlighted item.
    std::array<common::ColourValue, 3> menuBarColours() const { return m_menuBarColours; }
    // Names of the load steps in the order they ran.
    const QStringList& loadSteps() const { return m_loadSteps; }
    quickinfo::clsQuickInfo* quickInfo() const { return m_QuickInfo; }
    int bannerShown() const { return m_bannerShown; }
    bool reserveIsRed() const { return m_reserveRed; }
    common::ColourValue fanColour() const { return m_fanColour; }

    // --- controls ---
    QWidget* zentral = nullptr;
    QGroupBox* FR_GSP_Select = nullptr;
    QLabel* lb_StdProgram = nullptr;
    QLabel* LA_Medium = nullptr;
    QComboBox* CBox_Medium = nullptr;
    QLabel* LA_Medium_Subindex = nullptr;
    QComboBox* CBox_Medium_Typ = nullptr;
    QComboBox* CBox_Location = nullptr;
    QLabel* LA_Durchfluss = nullptr;
    QLineEdit* TB_Durchfluss = nullptr;
    QLabel* LA_T_in = nullptr;
    QLineEdit* TB_T_in = nullptr;
    QLabel* LA_T_Umgebung = nullptr;
    QLineEdit* TB_T_Umgebung = nullptr;
    std::array<QLabel*, 4> LA_Temp_EH{}; // elements 1 to 3
    std::array<QLabel*, 1> LA_Q_EH{};
    std::array<QLabel*, 2> LA_Leistung_EH{};
    std::array<QLabel*, 1> LA_Druck_EH{};
    std::array<QLabel*, 1> LA_Proz_EH{};
    std::array<QLabel*, 2> LA_dB{}; // element 1

    QGroupBox* FR_Leistung = nullptr;
    QLineEdit* TB_KLeistung = nullptr;
    QPushButton* CB_Leistung_d_TempA = nullptr;
    QPushButton* CB_Leistung_T_out = nullptr;

    QGroupBox* Fr_FanTyp = nullptr;
    QRadioButton* OBox_DCD = nullptr;
    QRadioButton* OBox_AC = nullptr;
    QRadioButton* OBox_HC = nullptr;
    QGroupBox* Fr_FanDC = nullptr;
    QRadioButton* OBox_12V = nullptr;
    QRadioButton* OBox_24V = nullptr;
    QGroupBox* FR_FanAC = nullptr;
    QRadioButton* OBox_AC_Optim = nullptr;
    QRadioButton* OBox_AC_Rough = nullptr;
    QCheckBox* CBox_AC_LowNoise = nullptr;
    QRadioButton* OBox_AC_230_400 = nullptr;
    QRadioButton* OBox_AC_400_690 = nullptr;
    QGroupBox* FR_FanHC = nullptr;
    QRadioButton* OBox_HC_Optim = nullptr;
    QRadioButton* OBox_HC_Rough = nullptr;
    QLabel* LA_FanDrehzahl = nullptr;
    QLineEdit* TB_FanDrehzahl = nullptr;
    UpDown* UpDown_HydroRPM = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* OBox_Saugend = nullptr;
    QRadioButton* OBox_drueckend = nullptr;

    QCheckBox* CBox_Kuehler_autom = nullptr;
    QPushButton* CB_Kuehler_suchen = nullptr;
    QPushButton* CB_Ergebnisdatei = nullptr;
    QLabel* PicBox_VX_Typ = nullptr;

    QTabWidget* SSTab1 = nullptr;
    QGroupBox* FR_Kuehlerdaten = nullptr;
    QLabel* LA_Kuehlerdaten = nullptr;
    QLineEdit* TB_Kuehlertyp = nullptr;
    UpDown* UpDn_Kuehlertyp = nullptr;
    QLabel* LA_T_out = nullptr;
    QLineEdit* TB_T_out = nullptr;
    QLabel* LA_Abgf_Leistg = nullptr;
    QLineEdit* TB_Abgef_Leistg = nullptr;
    QLabel* LA_Leistg_Reserve = nullptr;
    QLineEdit* TB_LeistgReserve = nullptr;
    QLabel* LA_DruckVerlust = nullptr;
    QLineEdit* TB_DruckVerlust = nullptr;
    QLabel* LA_Noise = nullptr;
    QLineEdit* tb_Noise = nullptr;
    QLineEdit* TB_Info = nullptr;
    QLabel* LA_BestNr = nullptr;

    QLabel* LA_Einbaumase = nullptr;
    QLabel* Pic_Zeichnung = nullptr;
    QTableWidget* FG_EinbauMasse = nullptr;
    vexachart::VexachartWidget* pChart = nullptr; // pressure drop
    vexachart::VexachartWidget* LChart = nullptr; // performance
    QLabel* LA_DatenUebersicht = nullptr;
    QTableWidget* FG_Datenuebersicht = nullptr;
    QLabel* LA_Zubehoer = nullptr;
    QTableWidget* FG_ErsatzTeile = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Kelto_VX_Menu(std::unique_ptr<Programmzustand> own, common::MessageBoxes& boxes, MainWindowServices services,
                  QWidget* parent);
    // Fills the services the caller left empty with the desktop's.
    void completeServices();
    void showModal(const QString& command) { m_services.showModal(command); }
    void setUp();
    void ersteAktivierungWennSichtbar(int versuch);
    // Start-up.
    void Form_Load();
    void createControls();
    void connectHandlers();
    void InitSystemDaten();
    void Init_CBox_Auswahlen();
    void Init_Chart_Fonts();
    void InitMenu_Datei();
    void InitMenu_Einheiten();
    void InitMenu_Drucken();
    void InitMenu_Extras();
    void InitMenu_Info();
    void buildMenuItems(const QString& topKey);
    void loadStep(const QString& name) { m_loadSteps << name; }
    void initGrids();
    void initCatalogue();
    void initMediumData();
    void clearCharts();
    void redrawOpenView();
    // The captions of the controls in the current language (part of Sprache_setzen).
    void Captions_setzen();
    // Sizes the window for the captions of every language and any drive frame.
    void fenstergroesseFestlegen();
    void setMotorVarianteCaption();
    void setNoiseCaption();
    void Progexit();
    // Asks whether to save the project before the program ends; false when a chosen save failed.
    bool sicherungVorEnde();
    QString unitName(std::span<const texts::SprachText> names, int unit) const;
    static void setGridCell(QTableWidget* grid, int row, int col, const QString& text);
    bool regionUS() const;
    void setRegionUS(bool us);
    void fillOilGrades();
    long currentSeries() const;
    int currentBanner() const;
    void setUnitChecks(int groesse, int selector);
    QString anzeige(const std::function<QString()>& format) const;
    void ergebnisBerechnen();
    void setReserveColour(bool red);

    // Inputs.
    void TB_Durchfluss_Enter();
    void TB_T_in_Enter();
    void TB_T_Umgebung_Enter();
    void TB_KLeistung_Change();
    void TB_KLeistung_Confirm();
    void numericFieldConfirmed(QLineEdit* field);
    // A value typed but not yet confirmed is taken as Enter would take it.
    void offeneEingabeUebernehmen();
    void CBox_Medium_Typ_Click();
    void CBox_Location_Click();
    void CBox_AC_LowNoise_Click();
    void CBox_Kuehler_autom_Click();
    void OBox_DCD_Click();
    void OBox_AC_Click();
    void OBox_HC_Click();
    void OBox_drueckend_Click();
    void OBox_Saugend_Click();
    void CB_Leistung_d_TempA_Click();
    void CB_Leistung_T_out_Click();
    void UpDn_Kuehlertyp_DownClick();
    void UpDn_Kuehlertyp_UpClick();
    void UpDown_HydroRPM_Change();
    void CB_Ergebnisdatei_Click();
    void showDriveFrame(QGroupBox* frame);
    void setFanACCaption();
    void setMenuBarColours(common::ColourValue bar, common::ColourValue menus, common::ColourValue highlight);
    void showBanner(int number);
    void queueTab();

    bool userEdited(QLineEdit* field) const { return m_edited.value(field, false); }

    // Units.
    void rewriteTemperatures();

    class ProjektAblageFenster;
    // The report options a project keeps: those of the report.
    project::Word_Optionen& berichtOptionen();
    const project::Word_Optionen& berichtOptionen() const;
    // Shared pointers: their types stay incomplete where the window is destroyed.
    std::shared_ptr<ProjektAblageFenster> m_projektAblage;
    std::shared_ptr<ProjektDialoge> m_projektDialogeQt;
    std::shared_ptr<DokumentOeffner> m_dokumentOeffnerQt;
    std::shared_ptr<ProjektBefehle> m_projekt;
    std::shared_ptr<BerichtFenster> m_berichtFenster;
    std::shared_ptr<Hilfsfenster> m_hilfsfenster;
    std::shared_ptr<QtUebersetzung> m_qtUebersetzung;
    std::unique_ptr<Programmzustand> m_ownZustand;
    Programmzustand& m_zustand;
    common::MessageBoxes& m_boxes;
    MainWindowServices m_services;
    quickinfo::clsQuickInfo* m_QuickInfo = nullptr;
    ErgebnisAnsichten* m_ergebnisAnsichten = nullptr;
    QHash<QString, QAction*> m_menuItems;
    QHash<QString, QMenu*> m_menus;
    QHash<QLineEdit*, bool> m_edited;
    QStackedLayout* m_antriebe = nullptr; // the place of the three drive frames
    QButtonGroup* m_fanTyp = nullptr;
    QButtonGroup* m_fanDC = nullptr;
    QButtonGroup* m_fanAC = nullptr;
    QButtonGroup* m_acVoltage = nullptr;
    QButtonGroup* m_fanHC = nullptr;
    QButtonGroup* m_direction = nullptr;
    GradTitel m_gradTitel;
    std::array<common::ColourValue, 3> m_menuBarColours{};
    int m_currentTab = 0;
    int m_bannerShown = 0;
    bool m_reserveRed = false;
    bool m_closing = false;
    bool m_aktivierungGeplant = false;
    bool m_endeGefragt = false;
    common::ColourValue m_fanColour = 0;
    QStringList m_loadSteps;
};

// Sets a menu item's hint: style 1, title and text as properties (HintStil, HintTitel, HintText),
// the text as status tip and title and text as tooltip.
void setMenuHint(QAction* item, const QString& titel, const QString& text);

} // namespace ui
