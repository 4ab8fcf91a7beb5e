#include "program/ui/optionen.h"

#include "program/texts/restexte.h"
#include "program/texts/settings.h"
#include "program/app/appstate.h"
#include "program/ui/info_zeichensatz.h"
#include "program/ui/optionen_berichtdaten.h"
#include "program/ui/optionen_dateiauswahl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

// Keys of section UserInfo, in the order of the twelve address fields.
const std::array<QString, 12> UserInfoKeys = {
    QStringLiteral("Firma"), QStringLiteral("Abteilung"), QStringLiteral("Vorname"), QStringLiteral("Name"),
    QStringLiteral("Strasse"), QStringLiteral("PCode"), QStringLiteral("Ort"), QStringLiteral("Land"),
    QStringLiteral("Tel"), QStringLiteral("Fax"), QStringLiteral("Email"), QStringLiteral("Web"),
};

std::array<QString*, 12> userFelder(texts::System& s)
{
    return {&s.User_Firma, &s.User_Abteilung, &s.User_Vorname, &s.User_Name, &s.User_Strasse, &s.User_PCode,
            &s.User_Ort,   &s.User_Land,      &s.User_Tel,     &s.User_Fax,  &s.User_Email,   &s.User_Web};
}

QString einsNull(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

template <typename W>
W* named(W* w, const QString& name)
{
    w->setObjectName(name);
    return w;
}

} // namespace

Optionen::Optionen(app::AppState& state, OptionenBerichtDaten& bericht, OptionenDateiauswahl& dateien,
                   QWidget* parent)
    : QDialog(parent), m_state(state), m_bericht(bericht), m_dateien(dateien)
{
    setObjectName(QStringLiteral("Optionen"));
    setModal(true);
    createControls();
    connectHandlers();
    m_state.Forms.add(this);
    Form_Load();
}

void Optionen::zeigen(app::AppState& state, OptionenBerichtDaten& bericht, OptionenDateiauswahl& dateien,
                      QWidget* parent)
{
    // On the heap: the program's end unloads registered windows with deleteLater.
    auto* fenster = new Optionen(state, bericht, dateien, parent);
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    fenster->exec();
}

// ---------------------------------------------------------------- building

void Optionen::createControls()
{
    SST_Optionen = named(new QTabWidget(this), QStringLiteral("SST_Optionen"));
    auto* allgemein = new QWidget;
    auto* datenblatt = new QWidget;
    SST_Optionen->addTab(allgemein, QString());
    SST_Optionen->addTab(datenblatt, QString());

    // Tab 0: the data folder and the user's address.
    LA_UserPfad = named(new QLabel, QStringLiteral("LA_UserPfad"));
    TB_UserPfad = named(new QLineEdit, QStringLiteral("TB_UserPfad"));
    TB_UserPfad->setReadOnly(true); // chosen with the folder chooser only
    CB_VerzPfad_Sel = named(new QPushButton(QStringLiteral("...")), QStringLiteral("CB_VerzPfad_Sel"));
    CB_VerzPfad_Sel->setAutoDefault(false);
    LA_Userinfo = named(new QLabel, QStringLiteral("LA_Userinfo"));
    QFont fett = LA_Userinfo->font();
    fett.setBold(true);
    LA_Userinfo->setFont(fett);
    LA_Firma = named(new QLabel, QStringLiteral("LA_Firma"));
    LA_Abt = named(new QLabel, QStringLiteral("LA_Abt"));
    LA_Name = named(new QLabel, QStringLiteral("LA_Name"));
    LA_Strasse = named(new QLabel, QStringLiteral("LA_Strasse"));
    LA_PLZ = named(new QLabel, QStringLiteral("LA_PLZ"));
    LA_Land = named(new QLabel, QStringLiteral("LA_Land"));
    LA_Phone = named(new QLabel, QStringLiteral("LA_Phone"));
    LA_Fax = named(new QLabel, QStringLiteral("LA_Fax"));
    LA_Email = named(new QLabel, QStringLiteral("LA_Email"));
    LA_Web = named(new QLabel(QStringLiteral("Web")), QStringLiteral("LA_Web"));
    for (std::size_t i = 0; i < TB_Userinfo.size(); ++i)
        TB_Userinfo[i] = named(new QLineEdit, QStringLiteral("TB_Userinfo_%1").arg(i));

    auto* pfad = new QHBoxLayout;
    pfad->addWidget(TB_UserPfad, 1);
    pfad->addWidget(CB_VerzPfad_Sel);

    auto* adresse = new QGridLayout;
    const auto zeile = [adresse](int r, QLabel* label, QLineEdit* a, QLineEdit* b = nullptr) {
        adresse->addWidget(label, r, 0);
        if (b == nullptr) {
            adresse->addWidget(a, r, 1, 1, 2);
            return;
        }
        adresse->addWidget(a, r, 1);
        adresse->addWidget(b, r, 2);
    };
    zeile(0, LA_Firma, TB_Userinfo[0]);
    zeile(1, LA_Abt, TB_Userinfo[1]);
    zeile(2, LA_Name, TB_Userinfo[2], TB_Userinfo[3]);
    zeile(3, LA_Strasse, TB_Userinfo[4]);
    zeile(4, LA_PLZ, TB_Userinfo[5], TB_Userinfo[6]);
    zeile(5, LA_Land, TB_Userinfo[7]);
    zeile(6, LA_Phone, TB_Userinfo[8]);
    zeile(7, LA_Fax, TB_Userinfo[9]);
    zeile(8, LA_Email, TB_Userinfo[10]);
    zeile(9, LA_Web, TB_Userinfo[11]);
    adresse->setColumnStretch(2, 1);
    adresse->setColumnMinimumWidth(1, 110);

    auto* tab0 = new QVBoxLayout(allgemein);
    tab0->addWidget(LA_UserPfad);
    tab0->addLayout(pfad);
    tab0->addSpacing(8);
    tab0->addWidget(LA_Userinfo);
    tab0->addLayout(adresse);
    tab0->addStretch(1);

    // Tab 1: the report's sections, template, graphics and dealer.
    LB_Anz_Optionen = named(new QLabel, QStringLiteral("LB_Anz_Optionen"));
    LB_Anz_Optionen->setFont(fett);
    for (std::size_t i = 0; i < CBox_Anz_Optionen.size(); ++i)
        CBox_Anz_Optionen[i] = named(new QCheckBox, QStringLiteral("CBox_Anz_Optionen_%1").arg(i));
    CB_all_select = named(new QPushButton, QStringLiteral("CB_all_select"));
    CB_AnzAuswahl_Standard = named(new QPushButton(QStringLiteral("Standard")), QStringLiteral("CB_AnzAuswahl_Standard"));
    CBox_DokVorlage = named(new QCheckBox, QStringLiteral("CBox_DokVorlage"));
    TB_DokVorlage = named(new QLineEdit, QStringLiteral("TB_DokVorlage"));
    TB_DokVorlage->setReadOnly(true); // chosen with the file chooser only; Enter clears it
    CB_VorlDatei_Sel = named(new QPushButton(QStringLiteral("...")), QStringLiteral("CB_VorlDatei_Sel"));
    CBox_SW_graphik = named(new QCheckBox, QStringLiteral("CBox_SW_graphik"));
    ChkBox_Dealer = named(new QCheckBox, QStringLiteral("ChkBox_Dealer"));
    CBox_Dealer = named(new QComboBox, QStringLiteral("CBox_Dealer"));
    CBox_Dealer->setEditable(false);
    for (QPushButton* b : {CB_all_select, CB_AnzAuswahl_Standard, CB_VorlDatei_Sel})
        b->setAutoDefault(false);

    auto* optionen = new QVBoxLayout;
    for (QCheckBox* box : CBox_Anz_Optionen)
        optionen->addWidget(box);
    auto* auswahl = new QHBoxLayout;
    auswahl->addWidget(CB_all_select);
    auswahl->addWidget(CB_AnzAuswahl_Standard);
    auswahl->addStretch(1);

    auto* vorlage = new QHBoxLayout;
    vorlage->addWidget(TB_DokVorlage, 1);
    vorlage->addWidget(CB_VorlDatei_Sel);

    auto* haendler = new QHBoxLayout;
    haendler->addWidget(ChkBox_Dealer);
    haendler->addWidget(CBox_Dealer, 1);

    auto* tab1 = new QVBoxLayout(datenblatt);
    tab1->addWidget(LB_Anz_Optionen);
    tab1->addLayout(optionen);
    tab1->addLayout(auswahl);
    tab1->addSpacing(8);
    tab1->addWidget(CBox_DokVorlage);
    tab1->addLayout(vorlage);
    tab1->addWidget(CBox_SW_graphik);
    tab1->addLayout(haendler);
    tab1->addStretch(1);

    KB_close = named(new QPushButton, QStringLiteral("KB_close"));
    KB_close->setAutoDefault(false);
    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(KB_close);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(SST_Optionen, 1);
    haupt->addLayout(unten);
    setMinimumWidth(460);
}

void Optionen::connectHandlers()
{
    connect(KB_close, &QPushButton::clicked, this, &Optionen::KB_close_Click);
    connect(CB_all_select, &QPushButton::clicked, this, &Optionen::CB_all_select_Click);
    connect(CB_AnzAuswahl_Standard, &QPushButton::clicked, this, &Optionen::CB_AnzAuswahl_Standard_Click);
    connect(CB_VerzPfad_Sel, &QPushButton::clicked, this, &Optionen::TB_UserPfad_DblClick);
    connect(CB_VorlDatei_Sel, &QPushButton::clicked, this, &Optionen::TB_DokVorlage_DblClick);
    connect(CBox_DokVorlage, &QCheckBox::clicked, this, &Optionen::CBox_DokVorlage_Click);
    connect(CBox_SW_graphik, &QCheckBox::clicked, this, &Optionen::CBox_SW_graphik_Click);
    connect(ChkBox_Dealer, &QCheckBox::clicked, this, &Optionen::ChkBox_Dealer_Click);
    connect(CBox_Dealer, &QComboBox::activated, this, &Optionen::CBox_Dealer_Change);
    TB_UserPfad->installEventFilter(this);
    TB_DokVorlage->installEventFilter(this);
    CBox_DokVorlage->installEventFilter(this);
}

bool Optionen::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonDblClick) {
        if (watched == TB_UserPfad) {
            TB_UserPfad_DblClick();
            return true;
        }
        if (watched == TB_DokVorlage) {
            TB_DokVorlage_DblClick();
            return true;
        }
    } else if (type == QEvent::KeyPress && watched == TB_DokVorlage) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            TB_DokVorlage_KeyPress(13);
            return true;
        }
    } else if (type == QEvent::FocusOut && watched == CBox_DokVorlage) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            CBox_DokVorlage_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void Optionen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

const QString& Optionen::text(const texts::SprachText& s) const
{
    const int n = m_state.Texte.SprachNr;
    return s[static_cast<std::size_t>(n >= 0 && n < 17 ? n : 1)];
}

bool Optionen::regionUS() const { return m_state.KDaten_Tab.Region_US; }

// ---------------------------------------------------------------- texts

void Optionen::Init_OptionenTexte()
{
    struct Literal {
        const char* de;
        const char* en;
        const char* fr;
    };
    static const std::array<Literal, 10> literale = {{
        {" Programm Einstellungen", " Program Options", " Paramètres programme"},
        {"Verzeichnis-Pfad Benutzer-Daten", "User data path", "Liste des données de l'utilisateur"},
        {"Benutzerinformationen", "User informations", "Informations à l'utilisateur"},
        {"Allgemein", "General", "Généralités"},
        {"Datenblatt", "Document", "Données techniques"},
        {"Schließen", "Close", "Quitter"},
        {"Alle auswählen", "Select all", "Sélectionner tout"},
        {"Ergebnisse im Ausdruck anzeigen", "Show results in output document", " Indiquer les résultats sur le document"},
        {"Word-Vorlage-Datei verwenden", "use Word template", "Utiliser données modèle Word"},
        {"SW-Graphik", "BW-graphics", "Graphique SW"},
    }};
    for (std::size_t i = 0; i < literale.size(); ++i) {
        texts::SprachText& t = OptionenTexte[i];
        texts::setzeLiterale(t, literale[i].de, literale[i].en, literale[i].fr);
        try {
            texts::Lade_ResTexte(t, static_cast<qint16>(400 + i));
        } catch (const std::exception&) {
            // A missing translation leaves that language empty; the window still opens.
        }
    }
}

void Optionen::Setze_FontCharset(int& ChrSetNr) { m_fontCharset = ChrSetNr; }

// ---------------------------------------------------------------- load and activation

void Optionen::Form_Load()
{
    const texts::Texte& t = m_state.Texte;
    int zeichensatz = Zeichensatz_der_Sprache(t.SprachNr);
    Setze_FontCharset(zeichensatz);
    Init_OptionenTexte();
    TB_UserPfad->setText(m_state.System.Projekt_Pfad);
    TB_DokVorlage->setText(m_state.System.Vorlage_Datei);

    setWindowTitle(eigenerText(400));
    SST_Optionen->setTabText(0, eigenerText(403));
    SST_Optionen->setTabText(1, eigenerText(404));
    LA_UserPfad->setText(eigenerText(401));
    LA_Userinfo->setText(eigenerText(402));
    LA_Firma->setText(text(t.Text_190));
    LA_Abt->setText(text(t.Text_191));
    LA_Name->setText(text(t.Text_193));
    LA_Strasse->setText(text(t.Text_194));
    LA_PLZ->setText(text(t.Text_195));
    LA_Land->setText(text(t.Text_197));
    LA_Phone->setText(text(t.Text_198));
    LA_Fax->setText(text(t.Text_199));
    LA_Email->setText(text(t.Text_200));
    LB_Anz_Optionen->setText(eigenerText(407));
    CB_all_select->setText(eigenerText(406));
    CBox_DokVorlage->setText(eigenerText(408));
    CBox_SW_graphik->setText(eigenerText(409));
    ChkBox_Dealer->setText(text(t.Text_513));
    KB_close->setText(eigenerText(405));

    // The dealer table of the region, without its last (empty) entry; the stored choice shown.
    const auto tabelle = m_bericht.haendlerTabelle(regionUS());
    for (std::size_t i = 0; i + 1 < tabelle.size(); ++i)
        CBox_Dealer->addItem(tabelle[i].nameZeile + QLatin1Char(' ') + tabelle[i].ortZeile);
    const int gespeichert = regionUS() ? m_state.Haendler_US_Idx : m_state.Haendler_EU_Idx;
    const QSignalBlocker block(CBox_Dealer);
    CBox_Dealer->setCurrentIndex(gespeichert >= 0 && gespeichert < CBox_Dealer->count() ? gespeichert : 0);
}

void Optionen::Form_Activate()
{
    texts::System& sys = m_state.System;
    m_bericht.Init_Word_Optionen_Texte();
    const int sprache = m_state.Texte.SprachNr;
    for (int i = 0; i < OptionenBerichtDaten::AnzahlOptionen; ++i) {
        QString caption = m_bericht.optionText(i, sprache >= 0 && sprache < 17 ? sprache : 1);
        const QString zusatz = m_bericht.optionZusatz(i);
        if (!zusatz.isEmpty())
            caption += QStringLiteral("  ( ") + zusatz + QStringLiteral(" )");
        QCheckBox* box = CBox_Anz_Optionen[static_cast<std::size_t>(i)];
        box->setText(caption);
        box->setChecked(m_bericht.optionFlag(i) == 1);
    }
    const auto felder = userFelder(sys);
    for (std::size_t i = 0; i < felder.size(); ++i)
        TB_Userinfo[i]->setText(*felder[i]);
    TB_DokVorlage->setText(sys.Vorlage_Datei);
    {
        const QSignalBlocker a(CBox_SW_graphik), b(ChkBox_Dealer), c(CBox_DokVorlage);
        CBox_SW_graphik->setChecked(sys.SW_Graphik_Flag);
        ChkBox_Dealer->setChecked(m_state.Haendler_drucken);
        CBox_DokVorlage->setChecked(sys.Vorlage_benutzen);
    }
    // Setting the template box runs its handler, as a click would.
    CBox_DokVorlage_Click();
}

// ---------------------------------------------------------------- report sections

void Optionen::CB_all_select_Click()
{
    for (int i = 0; i < OptionenBerichtDaten::AnzahlOptionen; ++i) {
        CBox_Anz_Optionen[static_cast<std::size_t>(i)]->setChecked(true);
        m_bericht.setOptionFlag(i, 1);
    }
}

void Optionen::CB_AnzAuswahl_Standard_Click()
{
    for (int i = 0; i < OptionenBerichtDaten::AnzahlOptionen; ++i) {
        QCheckBox* box = CBox_Anz_Optionen[static_cast<std::size_t>(i)];
        box->setChecked(i < 8);
        m_bericht.setOptionFlag(i, box->isChecked() ? 1 : 0);
    }
    CBox_DokVorlage_Click();
}

void Optionen::setVorlagenOptionenFrei(bool frei)
{
    for (int i = OptionenBerichtDaten::ErsteVorlagenOption; i < OptionenBerichtDaten::AnzahlOptionen; ++i) {
        QCheckBox* box = CBox_Anz_Optionen[static_cast<std::size_t>(i)];
        if (!frei)
            box->setChecked(false);
        box->setEnabled(frei);
    }
}

// ---------------------------------------------------------------- template

// A template brings its own header, footer, address and frame, so those sections are locked
// while it is used. The file is tested first: a missing file unchecks the box and leaves the
// sections as they were.
void Optionen::CBox_DokVorlage_Click()
{
    if (CBox_DokVorlage->isChecked()) {
        if (!QFileInfo(TB_DokVorlage->text()).isFile()) {
            const QSignalBlocker block(CBox_DokVorlage);
            CBox_DokVorlage->setChecked(false);
            setVorlagenOptionenFrei(true);
            return;
        }
        setVorlagenOptionenFrei(false);
    } else {
        setVorlagenOptionenFrei(true);
    }
}

void Optionen::CBox_DokVorlage_LostFocus()
{
    texts::System& sys = m_state.System;
    const bool wasChecked = CBox_DokVorlage->isChecked();
    {
        const QSignalBlocker block(CBox_DokVorlage);
        if (TB_DokVorlage->text().size() < 4) {
            CBox_DokVorlage->setEnabled(false);
            CBox_DokVorlage->setChecked(false);
        } else {
            CBox_DokVorlage->setEnabled(true);
        }
        if (!QFileInfo(TB_DokVorlage->text()).isFile()) {
            CBox_DokVorlage->setChecked(false);
            TB_DokVorlage->setEnabled(false);
        }
    }
    if (wasChecked && !CBox_DokVorlage->isChecked())
        CBox_DokVorlage_Click();
    sys.Vorlage_benutzen = CBox_DokVorlage->isChecked();
    texts::INI_schreiben(sys, QStringLiteral("UseVorlage"), einsNull(sys.Vorlage_benutzen), texts::ini::SysDaten);
}

void Optionen::TB_DokVorlage_DblClick()
{
    texts::System& sys = m_state.System;
    const QString datei = m_dateien.dateiOeffnen(this, text(m_state.Texte.Text_121), sys.Projekt_Pfad,
                                                 QStringLiteral("*.dotx *.docx"));
    if (datei.isEmpty())
        return; // cancelled
    sys.Vorlage_Datei = datei;
    TB_DokVorlage->setText(datei);
    texts::INI_schreiben(sys, QStringLiteral("DokVorlage"), datei, texts::ini::SysDaten);
    KB_close->setFocus();
    TB_DokVorlage->setEnabled(true);
    CBox_DokVorlage_LostFocus();
}

// Enter clears the template: the file name, its settings key and the switch to use it.
void Optionen::TB_DokVorlage_KeyPress(int KeyAscii)
{
    if (KeyAscii != 13)
        return;
    texts::System& sys = m_state.System;
    TB_DokVorlage->clear();
    sys.Vorlage_Datei.clear();
    sys.Vorlage_benutzen = false;
    {
        const texts::INI_Stapel einSchreiben(sys);
        texts::INI_schreiben(sys, QStringLiteral("DokVorlage"), QString(), texts::ini::SysDaten);
        texts::INI_schreiben(sys, QStringLiteral("UseVorlage"), einsNull(false), texts::ini::SysDaten);
    }
    const bool wasChecked = CBox_DokVorlage->isChecked();
    {
        const QSignalBlocker block(CBox_DokVorlage);
        CBox_DokVorlage->setChecked(false);
        CBox_DokVorlage->setEnabled(false);
    }
    if (wasChecked)
        CBox_DokVorlage_Click();
}

// ---------------------------------------------------------------- data folder

void Optionen::TB_UserPfad_DblClick()
{
    texts::System& sys = m_state.System;
    QString pfad;
    try {
        pfad = m_dateien.GetPath(this);
    } catch (const std::exception&) {
        return; // a chooser that fails chooses nothing
    }
    if (pfad.isEmpty())
        return; // cancelled
    if (!pfad.endsWith(QLatin1Char('/')))
        pfad += QLatin1Char('/');
    sys.Projekt_Pfad = pfad;
    TB_UserPfad->setText(pfad);
    texts::INI_schreiben(sys, QStringLiteral("UserPath"), pfad, texts::ini::SysDaten);
    KB_close->setFocus();
}

// ---------------------------------------------------------------- graphics and dealer

void Optionen::CBox_SW_graphik_Click()
{
    texts::System& sys = m_state.System;
    sys.SW_Graphik_Flag = CBox_SW_graphik->isChecked();
    texts::INI_schreiben(sys, QStringLiteral("SW_Graphik"), einsNull(sys.SW_Graphik_Flag), texts::ini::SysDaten);
}

void Optionen::ChkBox_Dealer_Click()
{
    m_state.Haendler_drucken = ChkBox_Dealer->isChecked();
    texts::INI_schreiben(m_state.System, QStringLiteral("DealerFlag"), einsNull(m_state.Haendler_drucken),
                         texts::ini::SysDaten);
}

void Optionen::CBox_Dealer_Click()
{
    const int index = CBox_Dealer->currentIndex();
    if (index < 0)
        return; // nothing chosen: a stored index is never replaced by "none"
    if (regionUS())
        m_state.Haendler_US_Idx = static_cast<qint16>(index);
    else
        m_state.Haendler_EU_Idx = static_cast<qint16>(index);
    const texts::INI_Stapel einSchreiben(m_state.System);
    texts::INI_schreiben(m_state.System, QStringLiteral("DealerUSIdx"), QString::number(m_state.Haendler_US_Idx),
                         texts::ini::SysDaten);
    texts::INI_schreiben(m_state.System, QStringLiteral("DealerEUIdx"), QString::number(m_state.Haendler_EU_Idx),
                         texts::ini::SysDaten);
}

// A choice in the list: the index is stored, and the entry for no dealer switches printing off.
void Optionen::CBox_Dealer_Change()
{
    CBox_Dealer_Click();
    if (CBox_Dealer->currentIndex() == 0 && ChkBox_Dealer->isChecked()) {
        {
            const QSignalBlocker block(ChkBox_Dealer);
            ChkBox_Dealer->setChecked(false);
        }
        ChkBox_Dealer_Click();
    }
}

// ---------------------------------------------------------------- closing

void Optionen::KB_close_Click()
{
    texts::System& sys = m_state.System;
    const texts::INI_Stapel einSchreiben(sys); // closing writes the settings file once
    // A close by keyboard need not move the focus off the template box: check it here too.
    CBox_DokVorlage_LostFocus();
    for (int i = 0; i < OptionenBerichtDaten::AnzahlOptionen; ++i)
        m_bericht.setOptionFlag(i, CBox_Anz_Optionen[static_cast<std::size_t>(i)]->isChecked() ? 1 : 0);
    sys.Vorlage_benutzen = CBox_DokVorlage->isChecked();
    sys.SW_Graphik_Flag = CBox_SW_graphik->isChecked();
    const auto felder = userFelder(sys);
    for (std::size_t i = 0; i < felder.size(); ++i) {
        *felder[i] = TB_Userinfo[i]->text();
        texts::INI_schreiben(sys, UserInfoKeys[i], *felder[i], texts::ini::UserInfo);
    }
    accept();
}

} // namespace ui
