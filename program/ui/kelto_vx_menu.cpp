// Start-up, first activation, language and the caption colours of the main window.
#include "program/ui/kelto_vx_menu.h"
#include "program/ui/beschreibung.h"
#include "program/ui/projekt_dialoge.h"

#include "common/messages.h"
#include "platform/apppaths.h"
#include "program/app/unitnames.h"
#include "program/texts/restexte.h"
#include "program/texts/settings.h"
#include "program/texts/startup_caption.h"
#include "program/texts/startup_forms.h"
#include "program/texts/startup_word.h"
#include "program/texts/textcatalogue.h"
#include "program/texts/textliterals.h"
#include "program/rating/units.h"
#include "program/report/ergbausgabe.h"
#include "program/ui/captiongradient.h"
#include "program/ui/ergebnis_ansichten.h"
#include "program/ui/optionen_ergbausgabe.h"
#include "program/ui/programmzustand.h"
#include "program/ui/qt_uebersetzung.h"
#include "program/ui/widgets/updown.h"
#include "tooltip/clsquickinfo.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QWindow>

namespace ui {

namespace {

const QString& slotText(const texts::SprachText& t, int sprache)
{
    static const QString empty;
    return (sprache >= 0 && sprache < texts::SprachSlots) ? t[static_cast<std::size_t>(sprache)] : empty;
}

// Adapter for the caption setter of the start-up services.
class CaptionOf final : public texts::CaptionWindow {
public:
    explicit CaptionOf(QWidget* w) : m_w(w) {}
    void setCaption(const QString& caption) override { m_w->setWindowTitle(caption); }

private:
    QWidget* m_w;
};

} // namespace

Kelto_VX_Menu::Kelto_VX_Menu(app::AppState& state, common::MessageBoxes& boxes, MainWindowServices services,
                             QWidget* parent)
    : Kelto_VX_Menu(std::make_unique<Programmzustand>(state), boxes, std::move(services), parent)
{
}

Kelto_VX_Menu::Kelto_VX_Menu(Programmzustand& zustand, common::MessageBoxes& boxes, MainWindowServices services,
                             QWidget* parent)
    : QMainWindow(parent), m_zustand(zustand), m_boxes(boxes), m_services(std::move(services))
{
    setUp();
}

Kelto_VX_Menu::Kelto_VX_Menu(std::unique_ptr<Programmzustand> own, common::MessageBoxes& boxes,
                             MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), m_ownZustand(std::move(own)), m_zustand(*m_ownZustand), m_boxes(boxes),
      m_services(std::move(services))
{
    setUp();
}

void Kelto_VX_Menu::completeServices()
{
    MainWindowServices& s = m_services;
    if (s.projektDialoge == nullptr) {
        m_projektDialogeQt = std::make_shared<QtProjektDialoge>(this);
        s.projektDialoge = m_projektDialogeQt.get();
    }
    if (s.dokumentOeffner == nullptr) {
        m_dokumentOeffnerQt = std::make_shared<DesktopDokumentOeffner>();
        s.dokumentOeffner = m_dokumentOeffnerQt.get();
    }
    if (!s.wordCheck)
        s.wordCheck = [this] { texts::Word_Version_pruefen(m_boxes, m_zustand.Texte); };
    if (!s.showModal)
        s.showModal = [this](const QString& command) {
            if (!runCommand(command))
                qWarning("Kelto-Line: no window for the command %s", qUtf8Printable(command));
        };
    if (!s.dataFolderDefault)
        s.dataFolderDefault = [] { return platform::AppPaths::defaultDataFolder(); };
    if (!s.berichtKontext)
        s.berichtKontext = [](report::ReportContext&) {};
}

void Kelto_VX_Menu::setUp()
{
    completeServices();
    menuBar()->setNativeMenuBar(false);
    createControls();
    connectHandlers();
    m_ergebnisAnsichten = new ErgebnisAnsichten(*this, m_zustand, m_boxes);
    m_zustand.Start.Forms.add(this);
    common::UserActionScope scope(m_boxes);
    Form_Load();
}

Kelto_VX_Menu::~Kelto_VX_Menu() = default;

void Kelto_VX_Menu::Form_Load()
{
    MenuDaten& m = m_zustand.Menu;
    texts::Texte& t = m_zustand.Texte;
    // 1. Flags and colours (the drive colours live with the selection, where the report reads them).
    rating::KuehlerDaten& farben = m_zustand.KuehlerDaten;
    m_zustand.System().Init_aktiv = true;
    m.Erst_Aktivierung = true;
    m.HydroRPM_in_Arbeit = false;
    farben.Farbe_Antrieb = 0xEFF7F7;
    farben.Farbe_Titelleiste = 0x8000000F;
    farben.Farbe_Standard = 0xBE7900;
    loadStep(QStringLiteral("Farben"));
    // 2., 3.
    Set_WindowHeaderColor(farben.Farbe_Titelleiste, false);
    Set_Fan_Farbe(farben.Farbe_Standard);
    // 4. Character set of the start language.
    Setze_FontCharset_Menu(t.SprachNr == 4 ? 204 : (t.SprachNr == 15 ? 128 : 0));
    loadStep(QStringLiteral("Zeichensatz"));
    // 5. Menu bar appearance.
    menuBar()->setFont(QFont(QStringLiteral("Arial"), 14));
    // 6. Tooltip component with the information field registered.
    if (m_QuickInfo == nullptr)
        m_QuickInfo = new quickinfo::clsQuickInfo(this);
    m_QuickInfo->Init(this);
    m_QuickInfo->ControlAdd(TB_Info, QString());
    loadStep(QStringLiteral("QuickInfo"));
    // 7. Texts.
    texts::Init_MeldungsTexte(t);
    texts::HeadingFillers headings;
    headings.Init_ZubehoerTexte = [this] { catalogue::Init_ZubehoerTexte(m_zustand.Zubehoer); };
    headings.Init_UebersichtTexte = [this] { catalogue::Init_UebersichtTexte(m_zustand.KDaten_Uebers); };
    texts::Init_SysTexte(t, headings);
    loadStep(QStringLiteral("Texte"));
    // 8.
    InitSystemDaten();
    // 9. Menus.
    InitMenu_Datei();
    InitMenu_Einheiten();
    InitMenu_Drucken();
    InitMenu_Extras();
    InitMenu_Info();
    loadStep(QStringLiteral("Menues"));
    // 10. Default display units.
    int temp = 0, flow = 2, druck = 1;
    long leistung = 0;
    Temp_EH_setzen(temp);
    Q_EH_setzen(flow);
    Leistg_EH_setzen(leistung);
    Druck_EH_setzen(druck);
    loadStep(QStringLiteral("Einheiten"));
    // 11., 12.
    Init_CBox_Auswahlen();
    Sprache_setzen(t.SprachNr);
    loadStep(QStringLiteral("Sprache"));
    // 13., 14. Grids and the whole catalogue.
    initGrids();
    loadStep(QStringLiteral("Tabellen"));
    initCatalogue();
    loadStep(QStringLiteral("Katalog"));
    // The report's addresses, and its standard sections until a project brings its own.
    report::Init_Adressdaten(m_zustand.Start.ErgbAusgabe);
    Word_Optionen_Standard(m_zustand.Start.ErgbAusgabe);
    loadStep(QStringLiteral("Adressdaten"));
    // 15., 16.
    Init_Chart_Fonts();
    CaptionOf caption(this);
    texts::Setze_FormCaption(&caption, t, m_zustand.System());
    loadStep(QStringLiteral("Titel"));
    // 17. Lists and the hydraulic speed (its change handler runs when the value moves).
    {
        const QSignalBlocker b1(CBox_Location);
        const QSignalBlocker b2(CBox_Medium);
        CBox_Location->setCurrentIndex(0);
        if (CBox_Medium->count() > 0)
            CBox_Medium->setCurrentIndex(0);
    }
    if (UpDown_HydroRPM->setValue(1))
        UpDown_HydroRPM_Change();
    // 18. Word processor check; start-up goes on in every case.
    m_services.wordCheck();
    loadStep(QStringLiteral("Word"));
    // 19.
    Set_Start_Colors();
    loadStep(QStringLiteral("Startfarben"));
    fenstergroesseFestlegen();
}

void Kelto_VX_Menu::Form_Activate()
{
    MenuDaten& m = m_zustand.Menu;
    if (!m.Erst_Aktivierung)
        return;
    common::UserActionScope scope(m_boxes);
    m.Erst_Aktivierung = false;
    // The list handlers stay idle through the first activation, also when it runs after the
    // program entry has finished its start.
    texts::System& sys = m_zustand.System();
    const bool startAktiv = sys.Init_aktiv;
    sys.Init_aktiv = true;
    Set_Start_Colors();
    // The region stays as the settings gave it for the whole run: the list shows it, switched off.
    {
        const QSignalBlocker b(CBox_Location);
        CBox_Location->setCurrentIndex(regionUS() ? 1 : 0);
    }
    CBox_Location->setEnabled(false);
    setFanACCaption();
    // A new, empty project: the medium handler runs once (the list handlers are idle otherwise).
    sys.Init_aktiv = false;
    CBox_Medium_Click();
    sys.Init_aktiv = true;
    // The last project, or an empty one.
    Projektfile_Load();
    sys.Init_aktiv = startAktiv;
}

void Kelto_VX_Menu::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The first activation waits until the window is on screen: a message of the start-up load
    // (a damaged last project) then stands over the window instead of alone before it appears.
    if (m_zustand.Menu.Erst_Aktivierung && !m_aktivierungGeplant) {
        m_aktivierungGeplant = true;
        QTimer::singleShot(0, this, [this] { ersteAktivierungWennSichtbar(0); });
    }
}

bool Kelto_VX_Menu::firstActivationDone() const
{
    return !m_zustand.Menu.Erst_Aktivierung;
}

void Kelto_VX_Menu::ersteAktivierungWennSichtbar(int versuch)
{
    // The window system reports the window exposed once it is mapped and drawn; a platform that
    // never does is given a second and a half.
    constexpr int Versuche = 150;
    const QWindow* fenster = windowHandle();
    if (isVisible() && fenster != nullptr && !fenster->isExposed() && versuch < Versuche) {
        QTimer::singleShot(10, this, [this, versuch] { ersteAktivierungWennSichtbar(versuch + 1); });
        return;
    }
    Form_Activate();
}

void Kelto_VX_Menu::closeEvent(QCloseEvent* event)
{
    // The window's close box ends the program as the exit command does: the project is not
    // dropped without the save question.
    if (!m_closing && !m_endeGefragt) {
        common::UserActionScope scope(m_boxes);
        if (!sicherungVorEnde()) {
            event->ignore();
            return;
        }
    }
    event->accept();
    // Unloading the main window unloads every window of the program (once).
    if (!m_closing) {
        m_closing = true;
        texts::Alle_Forms_entladen(m_zustand.Start.Forms);
    }
}

void Kelto_VX_Menu::InitSystemDaten()
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    texts::Texte& t = m_zustand.Texte;
    k.Dichte_Medium = 1000;
    m_zustand.Menu.Auto_Suche = false;
    clearCharts();
    initMediumData();

    // Data folder: an unusable one falls back to the default, created with its parent. A folder that
    // cannot be created does not stop the start; saving there reports it.
    texts::System& sys = m_zustand.System();
    if (sys.Projekt_Pfad.isEmpty() || !QFileInfo(sys.Projekt_Pfad).isDir()) {
        sys.Projekt_Pfad = m_services.dataFolderDefault();
        m_zustand.Menu.datenordnerFehlt = !QDir().mkpath(sys.Projekt_Pfad);
    }

    app::fillUnitNames(k, t);
    k.EH_Temp = 0;
    loadStep(QStringLiteral("SystemDaten"));
}

void Kelto_VX_Menu::Set_WindowHeaderColor(common::ColourValue Farbe, bool RelFlag)
{
    // The caption painter keeps its colours; the native title bar itself stays as the desktop draws it.
    if (RelFlag)
        Unhook_WindowHeader(this);
    m_gradTitel.GradTitel_aktiv = true;
    m_gradTitel.GradTitel_ParamI = 0;
    m_gradTitel.GradTitel_ParamL = 0;
    m_gradTitel.GradTitel_Aktiv1 = Farbe;
    m_gradTitel.GradTitel_Aktiv2 = Farbe;
    m_gradTitel.GradTitel_Grau = 0xC0C0C0;
    m_gradTitel.GradTitel_Inaktiv1 = 0;
    m_gradTitel.GradTitel_Inaktiv2 = 0xFF0000;
    m_gradTitel.GradTitel_Font = Get_CaptionFont();
    Hook_WindowHeader(this);
}

void Kelto_VX_Menu::Setze_FontCharset_Menu(int ChrSetNr)
{
    // Qt picks glyphs per character; the value is kept for the windows that read it.
    m_zustand.Texte.FontCharset_akt = static_cast<qint16>(ChrSetNr);
}

void Kelto_VX_Menu::Sprache_setzen(int Sprache)
{
    texts::Texte& t = m_zustand.Texte;
    const auto& keys = sprachSchluessel();
    for (const QString& k : keys)
        if (QAction* a = menuItem(k))
            a->setChecked(false);
    t.SprachNr = static_cast<qint16>((Sprache >= 0 && Sprache <= 16) ? Sprache : 1);
    if (QAction* a = menuItem(keys[static_cast<std::size_t>(t.SprachNr)]))
        a->setChecked(true);
    texts::INI_schreiben(m_zustand.System(), QStringLiteral("Sprache"), QString::number(t.SprachNr), texts::ini::SysDaten);
    // Qt's standard buttons and dialogs speak the language too.
    if (!m_qtUebersetzung)
        m_qtUebersetzung = std::make_shared<QtUebersetzung>();
    m_qtUebersetzung->setzen(t.SprachNr);
    t.DezimalTrenner = m_zustand.locale.decimalPoint();
    const int n = t.SprachNr;
    Setze_FontCharset_Menu((n == 4 || n == 14) ? 204 : n == 5 ? 238 : n == 15 ? 128 : 0);
    CaptionOf caption(this);
    texts::Setze_FormCaption(&caption, t, m_zustand.System());
    Init_MediumListe();
    Setze_MenueTexte();

    Captions_setzen();

    // The four unit setters put the unit names of the language on the labels and write every field
    // that shows a value again. The power setter empties the delivered heat for a new unit; the unit
    // stays the same here, so a shown result keeps it.
    const rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    const bool abgefGezeigt = !TB_Abgef_Leistg->text().isEmpty();
    int temp = k.EH_Temp, flow = k.EH_Durchfluss, druck = k.EH_Druck;
    long leistung = k.EH_Leistung;
    Temp_EH_setzen(temp);
    Q_EH_setzen(flow);
    Leistg_EH_setzen(leistung);
    Druck_EH_setzen(druck);
    if (abgefGezeigt)
        TB_Abgef_Leistg->setText(anzeige([&] { return rating::Leistung_EH_anzeigen(k, k.Abgef_Leistg, m_zustand.locale); }));
    redrawOpenView();
}

void Kelto_VX_Menu::Captions_setzen()
{
    const texts::Texte& t = m_zustand.Texte;
    const int n = t.SprachNr;
    // Captions are shown as the texts hold them, the blanks some languages append included.
    const auto tx = [n](const texts::SprachText& s) { return slotText(s, n); };
    lb_StdProgram->setText(tx(t.Text_GlobalStandard));
    LA_Durchfluss->setText(tx(t.Text_130));
    LA_T_Umgebung->setText(tx(t.Text_140));
    LA_T_in->setText(tx(t.Text_141));
    FR_Leistung->setTitle(tx(t.Text_142));
    LA_Medium->setText(tx(t.Text_143));
    CB_Kuehler_suchen->setText(tx(t.Text_144));
    CB_Leistung_d_TempA->setText(tx(t.Text_145));
    CB_Leistung_T_out->setText(tx(t.Text_146));
    CBox_Kuehler_autom->setText(tx(t.Text_147));
    setMotorVarianteCaption();
    setNoiseCaption();
    OBox_DCD->setText(tx(t.Text_516));
    OBox_AC->setText(tx(t.Text_152));
    OBox_HC->setText(tx(t.Text_153));
    OBox_HC_Optim->setText(tx(t.Text_514));
    OBox_HC_Rough->setText(tx(t.Text_515));
    OBox_AC_Optim->setText(tx(t.Text_514));
    OBox_AC_Rough->setText(tx(t.Text_515));
    CBox_AC_LowNoise->setText(tx(t.Text_172));
    FR_FanHC->setTitle(tx(t.Text_518));
    Fr_FanDC->setTitle(tx(t.Text_519));
    setFanACCaption();
    OBox_12V->setText(tx(t.Text_550));
    OBox_24V->setText(tx(t.Text_551));
    OBox_Saugend->setText(tx(t.Text_156));
    OBox_drueckend->setText(tx(t.Text_157));
    const texts::SprachText* tabs[] = {&t.Text_158, &t.Text_159, &t.Text_160, &t.Text_161, &t.Text_162};
    for (int i = 0; i < 5; ++i)
        SSTab1->setTabText(i, tx(*tabs[i]));
    LA_Kuehlerdaten->setText(tx(t.Text_164));
    LA_T_out->setText(tx(t.Text_165));
    LA_Abgf_Leistg->setText(tx(t.Text_166));
    LA_Leistg_Reserve->setText(tx(t.Text_167));
    LA_DruckVerlust->setText(tx(t.Text_160));
    LA_Einbaumase->setText(tx(t.Text_168));
    CB_Ergebnisdatei->setText(tx(t.Text_169));
    CB_Ergebnisdatei->setToolTip(tx(t.Text_WordDokument));
    setGridCell(FG_EinbauMasse, 0, 0, tx(t.Text_170));
}

void Kelto_VX_Menu::fenstergroesseFestlegen()
{
    // The window takes the size that the captions and menu titles of every language need, with any
    // drive frame: it keeps that size when the drive or the language changes.
    texts::Texte& t = m_zustand.Texte;
    const qint16 sprache = t.SprachNr;
    const QString acTitel = FR_FanAC->title();
    const QList<QLayout*> layouts = findChildren<QLayout*>();
    ensurePolished();
    QSize minimum;
    QSize groesse;
    for (qint16 n = 0; n <= 16; ++n) {
        t.SprachNr = n;
        Captions_setzen();
        Setze_MenueTexte();
        for (QLayout* l : layouts)
            l->invalidate();
        minimum = minimum.expandedTo(zentral->minimumSizeHint());
        groesse = groesse.expandedTo(sizeHint());
    }
    t.SprachNr = sprache;
    Captions_setzen();
    Setze_MenueTexte();
    FR_FanAC->setTitle(acTitel);
    zentral->setMinimumSize(minimum);
    resize(groesse);
}

void Kelto_VX_Menu::Setze_MenueTexte()
{
    const texts::Texte& t = m_zustand.Texte;
    const int n = t.SprachNr;
    // Every item of the menu table with a text number gets that text.
    for (const MenuEintrag& e : menuBaum()) {
        if (e.textNr == 0)
            continue;
        const texts::SprachText* text = texts::menueText(t, static_cast<qint16>(e.textNr));
        QAction* a = menuItem(e.key);
        if (text != nullptr && a != nullptr)
            a->setText(slotText(*text, n));
    }
    // The exit item gets again what its builder gave it: hint style 1, hint text and hint title.
    if (QAction* a = menuItem(QStringLiteral("Progexit")))
        setMenuHint(a, slotText(t.Text_255, n), slotText(t.Text_256, n));
    const rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    const auto& q = einheitSchluessel(1);
    for (int u = 0; u < 5; ++u)
        if (QAction* a = menuItem(q[static_cast<std::size_t>(u)]))
            a->setText(unitName(k.EH_Durchfluss_Namen, u));
    const auto& l = einheitSchluessel(2);
    for (int u = 0; u < 4; ++u)
        if (QAction* a = menuItem(l[static_cast<std::size_t>(u)]))
            a->setText(unitName(k.EH_Leistung_Namen, u));
    const auto& p = einheitSchluessel(3);
    for (int u = 0; u < 6; ++u)
        if (QAction* a = menuItem(p[static_cast<std::size_t>(u)]))
            a->setText(unitName(k.EH_Druck_Namen, u));
}

QString Kelto_VX_Menu::unitName(std::span<const texts::SprachText> names, int unit) const
{
    if (unit < 0 || unit >= static_cast<int>(names.size()))
        return {};
    return slotText(names[static_cast<std::size_t>(unit)], m_zustand.Texte.SprachNr);
}

void Kelto_VX_Menu::setGridCell(QTableWidget* grid, int row, int col, const QString& text)
{
    QTableWidgetItem* item = grid->item(row, col);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        grid->setItem(row, col, item);
    }
    item->setText(text);
}


} // namespace ui
