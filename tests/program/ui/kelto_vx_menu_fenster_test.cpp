// The windows the main window opens by command: the report written end to end from a real
// selection, the options, about and heat-load windows, the standard report sections, and the
// result views when a selection ends without a cooler.
#include "chart/control/widget.h"
#include "program/report/writer/reportwriter.h"
#include "program/ui/bericht_fenster.h"
#include "program/ui/info_hilfsfenster.h"
#include "program/ui/leistgvorg1_frm.h"
#include "program/ui/leistgvorg2_frm.h"
#include "program/windowrules/menutree.h"
#include "wp/zippackage.h"
#include "windowfixture.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTableWidget>

namespace {

// Viewer and printer that only record what they were handed.
class RecordingPrograms : public wp::ExternalPrograms {
public:
    QStringList opened;
    QStringList printed;
    bool openInViewer(const QString& path) override
    {
        opened << path;
        return true;
    }
    void print(const QString& path) override { printed << path; }
    bool isOpenElsewhere(const QString& path) override { return wp::officeLockFilePresent(path); }
};

struct FensterTest : WindowFixture {
    std::shared_ptr<RecordingPrograms> programs = std::make_shared<RecordingPrograms>();
    QStringList geoeffnet;
    double chartDpi = 60; // small pictures keep the tests fast

    // The window as the program runs it: commands reach their windows; a dialog is shown, noted
    // and hidden again instead of running modally.
    void starten()
    {
        dienste.showModal = [this](const QString& c) {
            commands << c;
            EXPECT_TRUE(w->runCommand(c)) << c.toStdString();
        };
        dienste.berichtKontext = [this](report::ReportContext& ctx) {
            ctx.programs = programs;
            ctx.paper = wp::Paper::a4();
            ctx.chartDpi = chartDpi;
        };
        open();
        w->hilfsfenster().modalAusfuehren = [this](QDialog& d) {
            geoeffnet << d.objectName();
            d.show();
            d.hide();
        };
    }

    QString reportPath() const
    {
        return QDir(start.System.Projekt_Pfad).absoluteFilePath(report::reportBaseName(start.System.Projekt_Name) + ".docx");
    }
};

// Colours in a picture: a blank chart has one.
int colourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

TEST_F(FensterTest, ReportOfTheSelectionIsWrittenAndShown)
{
    starten();
    referencePoint();
    ASSERT_NE(w->TB_Kuehlertyp->text(), QStringLiteral("---"));
    start.System.Projekt_Name = QStringLiteral("Pumpe7");
    w->SSTab1->setCurrentIndex(2); // the pressure-drop tab is open during the run
    QApplication::setActiveWindow(w.get());
    w->CB_Ergebnisdatei->setFocus();
    ASSERT_EQ(w->focusWidget(), w->CB_Ergebnisdatei);

    w->CB_Ergebnisdatei->click();
    ASSERT_TRUE(boxes.shown.empty()) << boxes.shown[0].prompt.toStdString();
    EXPECT_EQ(commands, QStringList{"Word_Dokument_erstellen 0"});
    ASSERT_EQ(programs->opened, QStringList{reportPath()});
    EXPECT_TRUE(programs->printed.isEmpty());

    const wp::PackageParts parts = wp::readZipPackage(reportPath());
    QString document;
    QList<QImage> pictures;
    for (const auto& [name, data] : parts) {
        if (name == QLatin1String("word/document.xml"))
            document = QString::fromUtf8(data);
        if (name.startsWith(QLatin1String("word/media/"))) {
            QImage image;
            if (image.loadFromData(data))
                pictures << image;
        }
    }
    // The selection's cooler, its order key and the medium grade, and both charts with curves.
    EXPECT_TRUE(document.contains(w->TB_Kuehlertyp->text())) << w->TB_Kuehlertyp->text().toStdString();
    EXPECT_TRUE(document.contains(k().TypSchluessel)) << k().TypSchluessel.toStdString();
    EXPECT_TRUE(document.contains(w->CBox_Medium_Typ->currentText()));
    int charts = 0;
    for (const QImage& p : pictures)
        if (p.width() > 300 && colourCount(p) > 3)
            ++charts;
    EXPECT_GE(charts, 2);

    // After the run: input back, no hourglass, no progress window, the open chart in screen colours.
    EXPECT_TRUE(w->centralWidget()->isEnabled());
    EXPECT_TRUE(w->menuBar()->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(w->berichtFenster().fortschritt(), nullptr);
    EXPECT_EQ(w->focusWidget(), w->CB_Ergebnisdatei);
    EXPECT_FALSE(start.System.Word_aktiv);

    // The print menu's preview item runs the same report.
    w->menuItem("Menu_DRK_Preview")->trigger();
    EXPECT_EQ(programs->opened.size(), 2);
    EXPECT_TRUE(boxes.shown.empty());
}

// The distinct values of one attribute in the main part of a written report.
QSet<QString> werteIn(const QString& reportFile, const QString& muster)
{
    QString document;
    for (const auto& [name, data] : wp::readZipPackage(reportFile))
        if (name == QLatin1String("word/document.xml"))
            document = QString::fromUtf8(data);
    QSet<QString> werte;
    const QRegularExpression re(muster);
    for (auto it = re.globalMatch(document); it.hasNext();)
        werte.insert(it.next().captured(1));
    return werte;
}

QString rrggbb(common::ColourValue c)
{
    return QString::asprintf("%02X%02X%02X", common::redOf(c), common::greenOf(c), common::blueOf(c));
}

TEST_F(FensterTest, ReportCarriesTheColourOfTheChosenDrive)
{
    starten();
    referencePoint();
    // The drive options as a user clicks them, then the report button: every heading box, the
    // spare-part table's first row and the address table's borders take the drive's colour, and
    // the maker's name the program's blue.
    const std::pair<QRadioButton*, common::ColourValue> antriebe[] = {
        {w->OBox_AC, 0x27A6EE}, {w->OBox_HC, 0xA08D89}, {w->OBox_DCD, 0xABA800}};
    for (const auto& [option, farbe] : antriebe) {
        SCOPED_TRACE(option->objectName().toStdString());
        option->click();
        ASSERT_NE(w->TB_Kuehlertyp->text(), QStringLiteral("---"));
        w->CB_Ergebnisdatei->click();
        ASSERT_TRUE(boxes.shown.empty()) << boxes.shown[0].prompt.toStdString();
        const QString hex = rrggbb(farbe);
        EXPECT_EQ(werteIn(reportPath(), QStringLiteral("w:fill=\"([0-9A-F]{6})\"")), QSet<QString>{hex});
        EXPECT_EQ(werteIn(reportPath(), QStringLiteral("w:sz=\"18\" w:space=\"0\" w:color=\"([^\"]*)\"")),
            QSet<QString>{hex});
        EXPECT_TRUE(werteIn(reportPath(), QStringLiteral("<w:color w:val=\"([0-9A-F]{6})\"/>")).contains("0079BE"));
    }
}

// The left line of the frame a chart picture draws around its scales, as a share of the width:
// the first column from the left that is dark over most of the picture's height.
double frameLeft(const QImage& bild)
{
    for (int x = 0; x < bild.width() / 2; ++x) {
        int dunkel = 0;
        for (int y = 0; y < bild.height(); ++y)
            dunkel += qGray(bild.pixel(x, y)) < 80;
        if (dunkel > bild.height() / 2)
            return double(x) / bild.width();
    }
    return -1;
}

TEST_F(FensterTest, ReportChartsKeepTheProportionsOfTheChartsOwnPicture)
{
    chartDpi = 120;
    starten();
    referencePoint();
    w->OBox_HC->click();
    w->CB_Ergebnisdatei->click();
    ASSERT_TRUE(boxes.shown.empty()) << boxes.shown[0].prompt.toStdString();
    QList<QImage> charts;
    for (const auto& [name, data] : wp::readZipPackage(reportPath())) {
        QImage image;
        if (name.startsWith(QLatin1String("word/media/")) && image.loadFromData(data)
            && image.size() == QSize(756, 472)) // 16 x 10 cm at 120 dpi
            charts << image;
    }
    ASSERT_EQ(charts.size(), 2);
    // The report's pictures are wider in pixels than the control's own output, but text, margins
    // and lines take the same share of them: the labels neither crowd the plot nor spill out of it.
    const vexachart::VexachartWidget* quellen[] = {w->LChart, w->pChart};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const double eigenes = frameLeft(quellen[i]->chart().outputPicture());
        ASSERT_GT(eigenes, 0);
        EXPECT_NEAR(frameLeft(charts[i]), eigenes, 0.1 * eigenes);
    }
}

TEST_F(FensterTest, DialogCommandsOpenTheirWindows)
{
    starten();
    referencePoint();
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[this] { w->menuItem("Menu_Ex_Opt")->trigger(); }, "Optionen"},
        {[this] { w->menuItem("Menu_In_about")->trigger(); }, "Info_ProgVers_frm"},
        {[this] { w->CB_Leistung_d_TempA->click(); }, "LeistgVorg1_frm"},
        {[this] { w->CB_Leistung_T_out->click(); }, "LeistgVorg2_frm"},
    };
    for (const auto& [action, window] : cases) {
        SCOPED_TRACE(window);
        geoeffnet.clear();
        action();
        EXPECT_EQ(geoeffnet, QStringList{QString::fromLatin1(window)});
    }
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(w->runCommand(QStringLiteral("Kein_Fenster")));
    EXPECT_FALSE(w->runCommand(QStringLiteral("Word_Dokument_erstellen x")));

    // Back in the heat-load field, open heat-load dialogs step aside.
    w->hilfsfenster().tankDialog().show();
    w->hilfsfenster().austrittDialog().show();
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(w->TB_KLeistung, &focus);
    EXPECT_FALSE(w->hilfsfenster().tankDialog().isVisible());
    EXPECT_FALSE(w->hilfsfenster().austrittDialog().isVisible());
}

// Through the window: Enter in the tank dialog's fields leaves the main window's heat load and
// result alone; only Enter on the take-over button hands the computed load over and searches.
TEST_F(FensterTest, EnterInTheTankDialogKeepsTheHeatLoadUntilTakenOver)
{
    starten();
    referencePoint();
    const QString lastBefore = w->TB_KLeistung->text();
    const QString coolerBefore = w->TB_Kuehlertyp->text();
    ASSERT_NE(coolerBefore, QStringLiteral("---"));
    w->hilfsfenster().modalAusfuehren = [](QDialog& d) { d.show(); }; // stays open for typing
    w->CB_Leistung_d_TempA->click();
    ui::LeistgVorg1_frm& dlg = w->hilfsfenster().tankDialog();
    ASSERT_TRUE(dlg.isVisible());
    QApplication::setActiveWindow(&dlg);

    for (QLineEdit* field : {dlg.TB_Tankvolumen, dlg.TB_d_T, dlg.TB_d_Zeit}) {
        SCOPED_TRACE(field->objectName().toStdString());
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("10"));
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(w->TB_KLeistung->text(), lastBefore);
        EXPECT_EQ(w->TB_Kuehlertyp->text(), coolerBefore);
    }
    ASSERT_TRUE(dlg.CB_zurueck->hasFocus());
    const double computed = dlg.gespeicherteLeistung();
    ASSERT_GT(computed, 0);
    QTest::keyClick(dlg.CB_zurueck, Qt::Key_Return);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(k().KLeistung, computed);
    EXPECT_NE(w->TB_KLeistung->text(), lastBefore);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(FensterTest, HeatLoadTakenOverRunsTheSearchOrEndsWithoutCooler)
{
    starten();
    referencePoint();
    k().KLeistung = 5000;
    w->KLeistung_uebernehmen();
    EXPECT_EQ(w->TB_KLeistung->text(), QStringLiteral("5.0"));
    EXPECT_NE(w->TB_Kuehlertyp->text(), QStringLiteral("---"));
    // 5 kW is more than the smallest DC 12 V size gives at this point (2966.8 W), so the search
    // takes the next one, which removes its catalogue heat whatever the load: 0.2069774 kW/K at
    // 50 l/min over the 30 K between oil inlet and ambient.
    EXPECT_EQ(k().Typ_Index, 1);
    EXPECT_NEAR(k().Abgef_Leistg, 6209.32, 0.01);

    k().KLeistung = 0;
    w->KLeistung_uebernehmen();
    EXPECT_EQ(w->TB_Kuehlertyp->text(), QStringLiteral("---"));
    EXPECT_FALSE(w->CB_Kuehler_suchen->isEnabled());
}

TEST_F(FensterTest, StandardReportSectionsAtStartAndOnNewProject)
{
    starten();
    const auto flags = [this] {
        QString f;
        for (const auto& o : start.ErgbAusgabe.Word_Optionen)
            f += QString::number(o.Flag);
        return f;
    };
    // No last project: every section but the page frame, and the addresses are there for the report.
    EXPECT_EQ(flags(), QStringLiteral("111111110"));
    EXPECT_EQ(start.ErgbAusgabe.Haendler_EU.size(), 3u);
    EXPECT_FALSE(start.ErgbAusgabe.Adresse_Stammhaus.Zeile[0].isEmpty());

    // A new project starts with the standard sections again: a page frame the last project had
    // is switched off, and sections it had switched off are on.
    for (auto& o : start.ErgbAusgabe.Word_Optionen)
        o.Flag = 0;
    start.ErgbAusgabe.Word_Optionen[8].Flag = 1;
    boxes.answers = {common::mb::No}; // do not save the current project
    w->menuItem("ProjNeu")->trigger();
    EXPECT_EQ(flags(), QStringLiteral("111111110"));
}

TEST_F(FensterTest, OpenResultTabEmptiesWhenNoCoolerIsFound)
{
    starten();
    referencePoint();
    w->SSTab1->setCurrentIndex(1);
    ASSERT_TRUE(w->FG_EinbauMasse->isEnabled());
    ASSERT_FALSE(w->Pic_Zeichnung->isHidden());
    const QString masse = w->FG_EinbauMasse->item(1, 1) ? w->FG_EinbauMasse->item(1, 1)->text() : QString();
    ASSERT_FALSE(masse.isEmpty());

    k().KLeistung = 0; // a heat-load dialog hands over no load
    w->KLeistung_uebernehmen();
    ASSERT_EQ(w->TB_Kuehlertyp->text(), QStringLiteral("---"));
    EXPECT_FALSE(w->FG_EinbauMasse->isEnabled());
    EXPECT_TRUE(w->Pic_Zeichnung->isHidden());
    EXPECT_TRUE(w->FG_EinbauMasse->item(1, 1) == nullptr || w->FG_EinbauMasse->item(1, 1)->text().isEmpty());
}

TEST_F(FensterTest, ResultGridsShowTheirHeadingAndEveryRow)
{
    starten();
    referencePoint();
    const std::pair<QTableWidget*, int> grids[] = {{w->FG_EinbauMasse, 1}, {w->FG_Datenuebersicht, 4}, {w->FG_ErsatzTeile, 4}};
    for (const auto& [grid, tab] : grids) {
        SCOPED_TRACE(grid->objectName().toStdString());
        w->SSTab1->setCurrentIndex(tab);
        QApplication::processEvents();
        // Filling moved the current cell down the grid; the view still starts at the heading row.
        EXPECT_EQ(grid->rowAt(0), 0);
        const int last = grid->rowCount() - 1;
        const QRect lastRow = grid->visualRect(grid->model()->index(last, 0));
        EXPECT_LE(lastRow.bottom(), grid->viewport()->height());
    }
}

TEST_F(FensterTest, DrawnChartsShowNoCursorReadOut)
{
    starten();
    referencePoint();
    for (int tab : {2, 3}) {
        w->SSTab1->setCurrentIndex(tab);
        for (vexachart::VexachartWidget* c : {w->pChart, w->LChart})
            c->chart().SelectCursor(vexachart::Variant(qint16(1)));
        w->SSTab1->setCurrentIndex(0);
        w->SSTab1->setCurrentIndex(tab);
        vexachart::VexachartWidget* drawn = tab == 2 ? w->pChart : w->LChart;
        EXPECT_EQ(drawn->chart().cursorMode(), vexachart::CursorMode::Off) << tab;
    }
}

} // namespace

namespace {

TEST(MenuCommands, EveryItemOfTheTreeRunsACommand)
{
    for (const ui::MenuEintrag& e : ui::menuBaum()) {
        if (e.isMenu || e.key.isEmpty())
            continue;
        EXPECT_NE(ui::befehlFuer(e.key).befehl, ui::Befehl::Keiner) << e.key.toStdString();
    }
}

} // namespace
