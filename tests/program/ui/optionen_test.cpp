// The options window against a temporary settings file, fake report data and scripted choosers:
// which handler writes which key when, what KB_close stores, what the close box does not, the
// template rules and the dealer list of each region.
#include "platform/tempconfig.h"
#include "program/texts/settings.h"
#include "program/app/appstate.h"
#include "program/texts/textcatalogue.h"
#include "program/ui/optionen.h"
#include "program/ui/optionen_berichtdaten.h"
#include "program/ui/optionen_dateiauswahl.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <array>
#include <deque>
#include <gtest/gtest.h>

namespace {

class FakeBericht : public ui::OptionenBerichtDaten {
public:
    std::array<qint16, 9> flags{};
    std::array<QString, 9> zusatz{};
    int textAufrufe = 0;

    void Init_Word_Optionen_Texte() override { ++textAufrufe; }
    QString optionText(int i, int sprachNr) const override { return QStringLiteral("Abschnitt %1/%2").arg(i).arg(sprachNr); }
    QString optionZusatz(int i) const override { return zusatz[static_cast<std::size_t>(i)]; }
    qint16 optionFlag(int i) const override { return flags[static_cast<std::size_t>(i)]; }
    void setOptionFlag(int i, qint16 flag) override { flags[static_cast<std::size_t>(i)] = flag; }
    std::vector<Haendler> haendlerTabelle(bool regionUS) const override
    {
        if (regionUS)
            return {{QStringLiteral("---"), QStringLiteral("-")}, {QStringLiteral("Prairie Cooling"), QStringLiteral("Springfield, IL 62701")}, {}};
        return {{QStringLiteral("---"), QStringLiteral("-")}, {QStringLiteral("Nordkühl GmbH"), QStringLiteral("24103 Kiel")}, {}};
    }
};

class ScriptedChooser : public ui::OptionenDateiauswahl {
public:
    std::deque<QString> antworten;
    QStringList titel;
    QStringList filter;
    QStringList startOrdner;
    QString GetPath(QWidget*) override { return naechste(); }
    QString dateiOeffnen(QWidget*, const QString& t, const QString& start, const QString& f) override
    {
        titel << t;
        startOrdner << start;
        filter << f;
        return naechste();
    }

private:
    QString naechste()
    {
        if (antworten.empty())
            return {};
        QString a = antworten.front();
        antworten.pop_front();
        return a;
    }
};

struct OptionenTest : ::testing::Test {
    TempConfig config;
    app::AppState state;
    FakeBericht bericht;
    ScriptedChooser chooser;
    std::unique_ptr<ui::Optionen> dlg;

    OptionenTest()
    {
        texts::Init_MeldungsTexte(state.Texte);
        texts::Init_SysTexte(state.Texte);
        state.System.Projekt_Pfad = config.root() + QStringLiteral("/Data/");
        ui::Word_Optionen_Standard(bericht); // as at start-up without a project
    }

    ui::Optionen& oeffnen()
    {
        dlg = std::make_unique<ui::Optionen>(state, bericht, chooser);
        dlg->show();
        return *dlg;
    }
    QString ini(const QString& key, const QString& section = texts::ini::SysDaten)
    {
        return texts::INI_lesen(state.System, key, section);
    }
    bool iniHat(const QString& key) { return config.settingsBytes().contains(key.toUtf8() + "="); }
    QString vorlage(const QString& name)
    {
        const QString path = config.root() + QLatin1Char('/') + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("PK");
        return path;
    }
    std::vector<bool> haken(const ui::Optionen& o) const
    {
        std::vector<bool> r;
        for (QCheckBox* b : o.CBox_Anz_Optionen)
            r.push_back(b->isChecked());
        return r;
    }
};

TEST_F(OptionenTest, OpensWithTextsValuesAndTheStandardChoice)
{
    state.System.User_Firma = QStringLiteral("Müller & Söhne; Nord=Süd");
    state.System.SW_Graphik_Flag = true;
    bericht.zusatz[3] = QStringLiteral("nur Metrisch");
    ui::Optionen& o = oeffnen();
    EXPECT_EQ(o.windowTitle(), QStringLiteral(" Programm Einstellungen"));
    EXPECT_EQ(o.SST_Optionen->tabText(0), QStringLiteral("Allgemein"));
    EXPECT_EQ(o.SST_Optionen->tabText(1), QStringLiteral("Datenblatt"));
    EXPECT_EQ(o.KB_close->text(), QStringLiteral("Schließen"));
    EXPECT_EQ(o.LA_Firma->text(), state.Texte.Text_190[0]);
    EXPECT_EQ(o.TB_UserPfad->text(), state.System.Projekt_Pfad);
    EXPECT_EQ(o.TB_Userinfo[0]->text(), state.System.User_Firma);
    EXPECT_TRUE(o.CBox_SW_graphik->isChecked());
    EXPECT_EQ(bericht.textAufrufe, 1);
    EXPECT_EQ(o.CBox_Anz_Optionen[3]->text(), QStringLiteral("Abschnitt 3/0  ( nur Metrisch )"));
    EXPECT_EQ(o.CBox_Anz_Optionen[4]->text(), QStringLiteral("Abschnitt 4/0"));
    EXPECT_EQ(haken(o), (std::vector<bool>{true, true, true, true, true, true, true, true, false}));
}

TEST_F(OptionenTest, ChoicesOfAnUntitledProjectSurviveReopening)
{
    ASSERT_TRUE(state.System.Projekt_Name.isEmpty());
    oeffnen().CBox_Anz_Optionen[1]->setChecked(false);
    QTest::mouseClick(dlg->KB_close, Qt::LeftButton);
    EXPECT_EQ(bericht.flags[1], 0);
    ui::Optionen& wieder = oeffnen();
    EXPECT_FALSE(wieder.CBox_Anz_Optionen[1]->isChecked());
    EXPECT_TRUE(wieder.CBox_Anz_Optionen[0]->isChecked());
}

TEST_F(OptionenTest, SelectionButtons)
{
    ui::Optionen& o = oeffnen();
    QTest::mouseClick(o.CB_all_select, Qt::LeftButton);
    EXPECT_EQ(bericht.flags, (std::array<qint16, 9>{1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_TRUE(o.CBox_Anz_Optionen[8]->isChecked());
    o.CBox_Anz_Optionen[2]->setChecked(false);
    QTest::mouseClick(o.CB_AnzAuswahl_Standard, Qt::LeftButton);
    EXPECT_EQ(bericht.flags, (std::array<qint16, 9>{1, 1, 1, 1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(haken(o), (std::vector<bool>{true, true, true, true, true, true, true, true, false}));
}

TEST_F(OptionenTest, CloseButtonStoresAddressAndFlagsCloseBoxDoesNot)
{
    const QString firma = QStringLiteral("Müller & Söhne; Nord=Süd");
    {
        ui::Optionen& o = oeffnen();
        o.TB_Userinfo[0]->setText(QStringLiteral("Verworfen"));
        o.CBox_Anz_Optionen[0]->setChecked(false);
        o.CBox_SW_graphik->click(); // written at once
        o.reject();
        EXPECT_TRUE(state.System.User_Firma.isEmpty());
        EXPECT_EQ(bericht.flags[0], 1);
        EXPECT_FALSE(iniHat(QStringLiteral("Firma")));
        EXPECT_EQ(ini(QStringLiteral("SW_Graphik")), QStringLiteral("1"));
    }
    ui::Optionen& o = oeffnen();
    for (std::size_t i = 0; i < 12; ++i)
        o.TB_Userinfo[i]->setText(QStringLiteral("Feld %1").arg(i));
    o.TB_Userinfo[0]->setText(firma);
    o.CBox_Anz_Optionen[0]->setChecked(false);
    QTest::mouseClick(o.KB_close, Qt::LeftButton);
    EXPECT_EQ(o.result(), QDialog::Accepted);
    EXPECT_EQ(bericht.flags[0], 0);
    EXPECT_EQ(state.System.User_Firma, firma);
    EXPECT_EQ(state.System.User_Web, QStringLiteral("Feld 11"));
    const QStringList keys = {"Firma", "Abteilung", "Vorname", "Name", "Strasse", "PCode", "Ort", "Land", "Tel", "Fax", "Email", "Web"};
    EXPECT_EQ(ini(QStringLiteral("Firma"), texts::ini::UserInfo), firma);
    for (int i = 1; i < 12; ++i)
        EXPECT_EQ(ini(keys[i], texts::ini::UserInfo), QStringLiteral("Feld %1").arg(i)) << keys[i].toStdString();
    // The keys stand in the file in the order of the fields.
    const QByteArray bytes = config.settingsBytes();
    for (int i = 1; i < 12; ++i)
        EXPECT_LT(bytes.indexOf("\n" + keys[i - 1].toUtf8() + "="), bytes.indexOf("\n" + keys[i].toUtf8() + "="));
}

TEST_F(OptionenTest, FolderChoice)
{
    ui::Optionen& o = oeffnen();
    const QString vorher = state.System.Projekt_Pfad;
    chooser.antworten = {QString()}; // cancelled
    QTest::mouseClick(o.CB_VerzPfad_Sel, Qt::LeftButton);
    EXPECT_EQ(state.System.Projekt_Pfad, vorher);
    EXPECT_FALSE(iniHat(QStringLiteral("UserPath")));

    chooser.antworten = {config.root() + QStringLiteral("/Projekte")};
    QTest::mouseDClick(o.TB_UserPfad, Qt::LeftButton);
    EXPECT_EQ(state.System.Projekt_Pfad, config.root() + QStringLiteral("/Projekte/"));
    EXPECT_EQ(o.TB_UserPfad->text(), state.System.Projekt_Pfad);
    EXPECT_EQ(ini(QStringLiteral("UserPath")), state.System.Projekt_Pfad);

    chooser.antworten = {QStringLiteral("/srv/daten/")};
    QTest::mouseClick(o.CB_VerzPfad_Sel, Qt::LeftButton);
    EXPECT_EQ(state.System.Projekt_Pfad, QStringLiteral("/srv/daten/"));
    EXPECT_TRUE(o.TB_UserPfad->isReadOnly());
}

TEST_F(OptionenTest, TemplateChoiceAndCheck)
{
    ui::Optionen& o = oeffnen();
    chooser.antworten = {QString()};
    QTest::mouseClick(o.CB_VorlDatei_Sel, Qt::LeftButton);
    EXPECT_FALSE(iniHat(QStringLiteral("DokVorlage")));
    ASSERT_EQ(chooser.titel.size(), 1);
    EXPECT_EQ(chooser.titel[0], state.Texte.Text_121[0]);
    EXPECT_EQ(chooser.startOrdner[0], state.System.Projekt_Pfad);
    EXPECT_EQ(chooser.filter[0], QStringLiteral("*.dotx *.docx"));

    const QString datei = vorlage(QStringLiteral("firma.dotx"));
    chooser.antworten = {datei};
    QTest::mouseDClick(o.TB_DokVorlage, Qt::LeftButton);
    EXPECT_EQ(state.System.Vorlage_Datei, datei);
    EXPECT_EQ(ini(QStringLiteral("DokVorlage")), datei);
    EXPECT_TRUE(o.CBox_DokVorlage->isEnabled());
    EXPECT_EQ(ini(QStringLiteral("UseVorlage")), QStringLiteral("0"));

    // Checked with an existing file: the sections a template brings are locked and unchecked.
    o.CBox_DokVorlage->click();
    ASSERT_TRUE(o.CBox_DokVorlage->isChecked());
    for (int i = 5; i < 9; ++i) {
        EXPECT_FALSE(o.CBox_Anz_Optionen[static_cast<std::size_t>(i)]->isEnabled()) << i;
        EXPECT_FALSE(o.CBox_Anz_Optionen[static_cast<std::size_t>(i)]->isChecked()) << i;
    }
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(o.CBox_DokVorlage, &leave);
    EXPECT_TRUE(state.System.Vorlage_benutzen);
    EXPECT_EQ(ini(QStringLiteral("UseVorlage")), QStringLiteral("1"));

    // Unchecked again: free, but the check marks are not brought back.
    o.CBox_DokVorlage->click();
    for (int i = 5; i < 9; ++i) {
        EXPECT_TRUE(o.CBox_Anz_Optionen[static_cast<std::size_t>(i)]->isEnabled()) << i;
        EXPECT_FALSE(o.CBox_Anz_Optionen[static_cast<std::size_t>(i)]->isChecked()) << i;
    }
}

TEST_F(OptionenTest, MissingOrShortTemplateSwitchesTheTemplateOff)
{
    struct Fall {
        const char* name;
        QString text;
        bool boxFrei;
    };
    const Fall faelle[] = {
        {"shorter than 4 characters", QStringLiteral("a.d"), false},
        {"file missing", QStringLiteral("/nicht/da/vorlage.dotx"), true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        state.System.Vorlage_Datei = f.text;
        state.System.Vorlage_benutzen = true;
        ui::Optionen& o = oeffnen();
        // The missing file was found on showing: box unchecked, sections 5 to 8 untouched.
        EXPECT_FALSE(o.CBox_DokVorlage->isChecked());
        EXPECT_EQ(haken(o), (std::vector<bool>{true, true, true, true, true, true, true, true, false}));
        o.CBox_DokVorlage->click();
        EXPECT_FALSE(o.CBox_DokVorlage->isChecked());
        for (int i = 5; i < 8; ++i)
            EXPECT_TRUE(o.CBox_Anz_Optionen[static_cast<std::size_t>(i)]->isChecked()) << i;
        for (int i = 5; i < 9; ++i)
            EXPECT_TRUE(o.CBox_Anz_Optionen[static_cast<std::size_t>(i)]->isEnabled()) << i;
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(o.CBox_DokVorlage, &leave);
        EXPECT_EQ(o.CBox_DokVorlage->isEnabled(), f.boxFrei);
        EXPECT_FALSE(o.TB_DokVorlage->isEnabled());
        EXPECT_FALSE(state.System.Vorlage_benutzen);
        EXPECT_EQ(ini(QStringLiteral("UseVorlage")), QStringLiteral("0"));
    }
}

TEST_F(OptionenTest, EnterClearsTheTemplateAndItsUse)
{
    const QString datei = vorlage(QStringLiteral("firma.dotx"));
    state.System.Vorlage_Datei = datei;
    state.System.Vorlage_benutzen = true;
    texts::INI_schreiben(state.System, QStringLiteral("DokVorlage"), datei, texts::ini::SysDaten);
    ui::Optionen& o = oeffnen();
    ASSERT_TRUE(o.CBox_DokVorlage->isChecked());
    EXPECT_FALSE(o.CBox_Anz_Optionen[6]->isEnabled());
    QTest::keyClick(o.TB_DokVorlage, Qt::Key_Return);
    EXPECT_TRUE(o.TB_DokVorlage->text().isEmpty());
    EXPECT_TRUE(state.System.Vorlage_Datei.isEmpty());
    EXPECT_FALSE(state.System.Vorlage_benutzen);
    EXPECT_TRUE(iniHat(QStringLiteral("DokVorlage")));
    EXPECT_TRUE(ini(QStringLiteral("DokVorlage")).isEmpty());
    EXPECT_EQ(ini(QStringLiteral("UseVorlage")), QStringLiteral("0"));
    EXPECT_FALSE(o.CBox_DokVorlage->isChecked());
    EXPECT_FALSE(o.CBox_DokVorlage->isEnabled());
    EXPECT_TRUE(o.CBox_Anz_Optionen[6]->isEnabled());
    EXPECT_TRUE(o.isVisible()); // Enter does not close the window
}

TEST_F(OptionenTest, DealerListOfEachRegion)
{
    struct Fall {
        bool us;
        const char* eintrag1;
    };
    for (const Fall f : {Fall{false, "Nordkühl GmbH 24103 Kiel"}, Fall{true, "Prairie Cooling Springfield, IL 62701"}}) {
        SCOPED_TRACE(f.us ? "US" : "EU");
        state.KDaten_Tab.Region_US = f.us;
        state.Haendler_EU_Idx = 0;
        state.Haendler_US_Idx = 0;
        ui::Optionen& o = oeffnen();
        ASSERT_EQ(o.CBox_Dealer->count(), 2); // the empty last entry is not offered
        EXPECT_EQ(o.CBox_Dealer->itemText(0), QStringLiteral("--- -"));
        EXPECT_EQ(o.CBox_Dealer->itemText(1), QString::fromUtf8(f.eintrag1));
        EXPECT_FALSE(o.CBox_Dealer->isEditable());
        o.CBox_Dealer->setCurrentIndex(1);
        emit o.CBox_Dealer->activated(1);
        EXPECT_EQ(f.us ? state.Haendler_US_Idx : state.Haendler_EU_Idx, 1);
        EXPECT_EQ(f.us ? state.Haendler_EU_Idx : state.Haendler_US_Idx, 0);
        EXPECT_EQ(ini(QStringLiteral("DealerUSIdx")), f.us ? QStringLiteral("1") : QStringLiteral("0"));
        EXPECT_EQ(ini(QStringLiteral("DealerEUIdx")), f.us ? QStringLiteral("0") : QStringLiteral("1"));
    }
}

TEST_F(OptionenTest, DealerEntryZeroSwitchesPrintingOff)
{
    state.Haendler_EU_Idx = 1;
    state.Haendler_drucken = true;
    ui::Optionen& o = oeffnen();
    EXPECT_EQ(o.CBox_Dealer->currentIndex(), 1); // the stored choice is shown
    EXPECT_TRUE(o.ChkBox_Dealer->isChecked());
    o.CBox_Dealer->setCurrentIndex(0);
    emit o.CBox_Dealer->activated(0);
    EXPECT_FALSE(o.ChkBox_Dealer->isChecked());
    EXPECT_FALSE(state.Haendler_drucken);
    EXPECT_EQ(ini(QStringLiteral("DealerFlag")), QStringLiteral("0"));
    EXPECT_EQ(ini(QStringLiteral("DealerEUIdx")), QStringLiteral("0"));

    o.ChkBox_Dealer->click();
    EXPECT_TRUE(state.Haendler_drucken);
    EXPECT_EQ(ini(QStringLiteral("DealerFlag")), QStringLiteral("1"));
}

TEST_F(OptionenTest, StoredDealerIndexOutsideTheListShowsNoDealer)
{
    for (qint16 idx : {qint16(2), qint16(7), qint16(-1)}) {
        SCOPED_TRACE(idx);
        state.Haendler_EU_Idx = idx;
        ui::Optionen& o = oeffnen();
        EXPECT_EQ(o.CBox_Dealer->currentIndex(), 0);
        EXPECT_EQ(state.Haendler_EU_Idx, idx); // showing writes nothing
    }
}

} // namespace

TEST_F(OptionenTest, EveryControlCarriesItsCaptionAndEveryAddressFieldALabel)
{
    for (const int sprache : {0, 1, 15}) {
        state.Texte.SprachNr = static_cast<qint16>(sprache);
        ui::Optionen& o = oeffnen();
        QApplication::processEvents();
        const std::vector<QWidget*> beschriftet{o.LA_UserPfad, o.LA_Userinfo, o.LA_Firma, o.LA_Abt, o.LA_Name,
            o.LA_Strasse, o.LA_PLZ, o.LA_Land, o.LA_Phone, o.LA_Fax, o.LA_Email, o.LA_Web, o.LB_Anz_Optionen,
            o.CB_all_select, o.CB_AnzAuswahl_Standard, o.CBox_DokVorlage, o.CBox_SW_graphik, o.ChkBox_Dealer,
            o.KB_close, o.CB_VerzPfad_Sel, o.CB_VorlDatei_Sel};
        for (QWidget* c : beschriftet) {
            const auto* l = qobject_cast<QLabel*>(c);
            const QString text = l ? l->text() : qobject_cast<QAbstractButton*>(c)->text();
            EXPECT_FALSE(text.trimmed().isEmpty()) << sprache << " " << c->objectName().toStdString();
        }
        for (QCheckBox* b : o.CBox_Anz_Optionen)
            EXPECT_FALSE(b->text().trimmed().isEmpty()) << sprache;
        // Each address field has a label with a caption on its row, to its left.
        const QList<QLabel*> labels = o.findChildren<QLabel*>();
        for (std::size_t i = 0; i < o.TB_Userinfo.size(); ++i) {
            const QRect feld(o.TB_Userinfo[i]->mapTo(&o, QPoint(0, 0)), o.TB_Userinfo[i]->size());
            const bool hatLabel = std::any_of(labels.begin(), labels.end(), [&](QLabel* l) {
                const QRect r(l->mapTo(&o, QPoint(0, 0)), l->size());
                return l->isVisible() && !l->text().trimmed().isEmpty() && r.right() < feld.left()
                    && r.center().y() >= feld.top() && r.center().y() <= feld.bottom();
            });
            EXPECT_TRUE(hatLabel) << sprache << " field " << i;
        }
        dlg.reset();
    }
}
