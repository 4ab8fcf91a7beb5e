// Projects on the real window: saving and loading bring the whole selection back, refused files
// change nothing, the recent items follow, the exit question saves, and the description and chart
// print items reach their services.
#include "common/recordingmessageboxes.h"
#include "windowfixture.h"

#include "chart/control/chartservices.h"
#include "chart/control/widget.h"
#include "program/project/projektdatei.h"
#include "program/project/projektdatei_datei.h"
#include "program/ui/beschreibung.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

using namespace ui;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct ProjektFenster : WindowFixture {
    QString data() const { return start.System.Projekt_Pfad; }

    // What the user sees of the selection.
    QStringList shown() const
    {
        QStringList s;
        // The flow as a value: a typed "50" comes back formatted as "50.0".
        for (QLineEdit* f : {w->TB_T_in, w->TB_T_Umgebung, w->TB_KLeistung, w->TB_Kuehlertyp})
            s << f->text();
        s << QString::number(zustand->KuehlerDaten.Durchfluss);
        s << w->CBox_Medium->currentText() << w->CBox_Medium_Typ->currentText();
        for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{w->OBox_DCD, w->OBox_AC, w->OBox_HC,
                 w->OBox_12V, w->OBox_24V, w->OBox_AC_Optim, w->OBox_AC_Rough, w->CBox_AC_LowNoise, w->OBox_Saugend,
                 w->OBox_drueckend})
            s << QString::number(b->isChecked());
        s << w->windowTitle();
        return s;
    }

    // Save As with a typed name and the dialog's answer.
    bool saveAs(const QString& name)
    {
        projektDialoge.answers = {name, data() + name + ".tpj"};
        return w->Projekt_SaveAs();
    }
};

} // namespace

TEST_F(ProjektFenster, SavedSelectionComesBackWhole)
{
    open();
    referencePoint();
    w->OBox_AC->click();
    w->OBox_AC_Rough->click();
    w->CBox_AC_LowNoise->click();
    w->OBox_drueckend->click();
    w->MenuBar1_ItemClick("Menu_EH_Temp_F");
    w->MenuBar1_ItemClick("Menu_EH_Druck_bar");
    ASSERT_NE(w->TB_Kuehlertyp->text(), "---");
    project::Word_Optionen& optionen = start.ErgbAusgabe.Word_Optionen;
    for (auto& o : optionen)
        o.Flag = 1;
    optionen[2].Flag = 0;
    optionen[8].Flag = 1;
    ASSERT_TRUE(saveAs("cooler A&B"));
    EXPECT_EQ(projektDialoge.asked, (QStringList{zustand->Texte.Text_120[0], zustand->Texte.Text_100[0]}));
    const QStringList saved = shown();
    EXPECT_TRUE(w->windowTitle().endsWith("cooler A&B"));
    EXPECT_EQ(w->menuItem("Projekt1")->text(), "1: cooler A&&B.tpj");
    EXPECT_TRUE(w->menuItem("Projekt1")->isEnabled());
    EXPECT_EQ(w->menuItem("Projekt1")->toolTip(), data() + "cooler A&B.tpj");
    for (int n = 2; n <= 9; ++n) {
        EXPECT_EQ(w->menuItem(QStringLiteral("Projekt%1").arg(n))->text(), QStringLiteral("%1: ").arg(n));
        EXPECT_FALSE(w->menuItem(QStringLiteral("Projekt%1").arg(n))->isEnabled());
    }

    // New (no save): an empty, untitled project with the metric default drive.
    boxes.answers = {common::mb::No};
    w->menuItem("ProjNeu")->trigger();
    EXPECT_TRUE(w->TB_T_in->text().isEmpty());
    EXPECT_EQ(w->TB_Kuehlertyp->text(), "---");
    EXPECT_TRUE(start.System.Projekt_Name.isEmpty());
    EXPECT_EQ(k().KLeistung, 0);
    EXPECT_EQ(optionen[2].Flag, 1); // the standard sections: 0 to 7 on, the page frame off
    EXPECT_EQ(optionen[8].Flag, 0);

    // The recent item brings everything back, the result included. The new project is not the
    // saved one, so it is asked about first.
    boxes.clear();
    boxes.answers = {common::mb::No};
    w->menuItem("Projekt1")->trigger();
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(shown(), saved);
    EXPECT_EQ(k().EH_Temp, 1);
    EXPECT_EQ(k().EH_Druck, 5);
    EXPECT_TRUE(w->menuItem("Menu_EH_Druck_bar")->isChecked());
    EXPECT_EQ(optionen[2].Flag, 0);
    EXPECT_EQ(optionen[8].Flag, 1);
}

TEST_F(ProjektFenster, SaveKeepsThePreviousFileAsBackup)
{
    open();
    referencePoint();
    ASSERT_TRUE(saveAs("pump"));
    const QByteArray first = bytesOf(data() + "pump.tpj");
    type(w->TB_Durchfluss, "80");
    w->menuItem("ProjSave")->trigger();
    EXPECT_EQ(bytesOf(data() + "pump.bak"), first);
    EXPECT_NE(bytesOf(data() + "pump.tpj"), first);
    EXPECT_EQ(boxes.shown.size(), 0u);
}

// The save dialog gives a dotted name back without the extension (a file dialog appends its
// default suffix only to a name without any dot): the project is still written as a ".tpj" file,
// which the open dialog's "*.tpj" lists, and keeps its whole name.
TEST_F(ProjektFenster, DottedNamesAreSavedAsProjectFilesUnderTheirWholeName)
{
    open();
    struct Fall { QString antwort; QString datei; QString name; };
    const Fall faelle[] = {
        {"Pump 3.5 kW", "Pump 3.5 kW.tpj", "Pump 3.5 kW"},
        {"pump.v2", "pump.v2.tpj", "pump.v2"},
        {"fertig.tpj", "fertig.tpj", "fertig"},
        {QStringLiteral("pump\a"), "pump.tpj", "pump"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.antwort.toStdString());
        boxes.answers = {common::mb::No};
        w->menuItem("ProjNeu")->trigger(); // untitled: Save As asks for a name first
        referencePoint();
        projektDialoge.answers = {"Name", data() + f.antwort};
        w->menuItem("ProjSaveAs")->trigger();
        const QString datei = data() + f.datei;
        EXPECT_TRUE(QFileInfo(datei).isFile());
        EXPECT_EQ(start.System.Projekt_File, datei);
        EXPECT_EQ(start.System.Projekt_Name, f.name);
        EXPECT_TRUE(w->windowTitle().endsWith(" " + f.name)) << w->windowTitle().toStdString();
        EXPECT_EQ(w->menuItem("Projekt1")->text(), "1: " + f.datei);
    }
    QStringList dateien = QDir(data()).entryList(QDir::Files);
    dateien.sort();
    EXPECT_EQ(dateien, (QStringList{"Pump 3.5 kW.tpj", "fertig.tpj", "pump.tpj", "pump.v2.tpj"}));
    EXPECT_EQ(QDir(data()).entryList({"*.tpj"}, QDir::Files).size(), dateien.size());

    // Reopened through the open dialog: the whole name and the values come back; saving again
    // keeps the previous file as this project's own backup.
    const QString pumpe = data() + "Pump 3.5 kW.tpj";
    const QByteArray vorher = bytesOf(pumpe);
    boxes.clear();
    boxes.answers = {common::mb::No};
    projektDialoge.answers = {pumpe};
    w->menuItem("ProjLoad")->trigger();
    EXPECT_EQ(start.System.Projekt_Name, "Pump 3.5 kW");
    EXPECT_TRUE(w->windowTitle().endsWith(" Pump 3.5 kW"));
    EXPECT_DOUBLE_EQ(k().T_in, 60.0);
    type(w->TB_Durchfluss, "80");
    w->menuItem("ProjSave")->trigger();
    EXPECT_EQ(start.System.Projekt_File, pumpe);
    EXPECT_EQ(bytesOf(project::bakDatei(pumpe)), vorher);
    EXPECT_NE(bytesOf(pumpe), vorher);
    EXPECT_EQ(boxes.shown.size(), 1u); // the save question of Open, nothing else
}

TEST_F(ProjektFenster, RefusedFileChangesNothing)
{
    open();
    referencePoint();
    ASSERT_TRUE(saveAs("good"));
    const QString bad = data() + "newer.tpj";
    QByteArray bytes = bytesOf(data() + "good.tpj");
    bytes[0] = 3; // a version this program does not know
    {
        QFile f(bad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const QStringList before = shown();
    boxes.clear();
    boxes.answers = {common::mb::No};
    projektDialoge.answers = {bad};
    w->menuItem("ProjLoad")->trigger();
    ASSERT_EQ(boxes.shown.size(), 2u);
    // Which file, and why it is not taken.
    EXPECT_EQ(boxes.shown[1].prompt, zustand->Texte.Text_101[0] + "\r\n" + bad + "\r\n" + zustand->Texte.Text_613[0] + "\r\n"
                                         + zustand->Texte.Text_102[0]);
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(start.System.Projekt_Name, "good");
    EXPECT_EQ(w->menuItem("Projekt1")->text(), "1: good.tpj");
    EXPECT_FALSE(w->menuItem("Projekt2")->isEnabled());

    // Save still writes the project's own file, never the refused one.
    w->menuItem("ProjSave")->trigger();
    EXPECT_EQ(bytesOf(bad), bytes);
}

TEST_F(ProjektFenster, NewProjectSavesNoEarlierValues)
{
    open();
    referencePoint();
    boxes.answers = {common::mb::No};
    w->Projekt_Neu();
    ASSERT_TRUE(saveAs("empty"));
    referencePoint();
    boxes.answers = {common::mb::No};
    w->Projekt_load_Liste(1);
    EXPECT_EQ(k().T_in, 0);
    EXPECT_EQ(k().Durchfluss, 0);
    EXPECT_EQ(k().KLeistung, 0);
    EXPECT_EQ(w->TB_Kuehlertyp->text(), "---");
}

TEST(ProjektStart, MissingLastProjectGivesAnUntitledOne)
{
    TempConfig config;
    app::AppState start;
    start.System.Init_aktiv = true;
    const QString gone = config.root() + "/Data/gone.tpj";
    start.System.Projekt_File = gone;
    start.System.Projekt_Name = "gone";
    start.System.Projekt_Pfad = config.root() + "/Data/";
    ui::Programmzustand z(start);
    common::RecordingMessageBoxes boxes;
    ui::MainWindowServices dienste;
    dienste.wordCheck = [] {};
    ui::Kelto_VX_Menu win(z, boxes, dienste);
    win.show();
    QTRY_VERIFY_WITH_TIMEOUT(win.firstActivationDone(), 3000);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, z.Texte.Text_106[0] + "\r" + gone);
    EXPECT_TRUE(start.System.Projekt_Name.isEmpty());
    EXPECT_FALSE(win.menuItem("Projekt1")->isEnabled());
}

TEST_F(ProjektFenster, ExitSavesWhenAskedTo)
{
    open();
    referencePoint();
    // Yes on an untitled project and no name: the program keeps running.
    boxes.answers = {common::mb::Yes};
    w->menuItem("Progexit")->trigger();
    EXPECT_TRUE(w->isVisible());

    // Yes with a name: saved, then the windows close.
    boxes.answers = {common::mb::Yes};
    projektDialoge.answers = {"last", data() + "last.tpj"};
    QPointer<Kelto_VX_Menu> alive(w.get());
    w->menuItem("Progexit")->trigger();
    EXPECT_TRUE(QFileInfo(data() + "last.tpj").isFile());
    EXPECT_FALSE(w->isVisible());
    w.release(); // the unload deletes the window
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

TEST_F(ProjektFenster, CloseBoxAsksLikeTheExitCommand)
{
    open();
    referencePoint();
    const std::size_t before = boxes.shown.size();
    // Yes, but the name is cancelled: the close is refused and the project stays on screen.
    boxes.answers = {common::mb::Yes};
    EXPECT_FALSE(w->close());
    ASSERT_EQ(boxes.shown.size(), before + 1);
    EXPECT_EQ(boxes.shown.back().prompt, zustand->Texte.Text_100[0]);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->TB_T_in->text(), QStringLiteral("60"));

    // Yes with a name: saved, then the windows close.
    boxes.answers = {common::mb::Yes};
    projektDialoge.answers = {"closed", data() + "closed.tpj"};
    QPointer<Kelto_VX_Menu> alive(w.get());
    EXPECT_TRUE(w->close());
    EXPECT_EQ(boxes.shown.size(), before + 2);
    EXPECT_TRUE(QFileInfo(data() + "closed.tpj").isFile());
    EXPECT_FALSE(w->isVisible());
    w.release(); // the unload deletes the window
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

TEST_F(ProjektFenster, SaveFromTheMenuTakesTheValueStillBeingTyped)
{
    open();
    referencePoint();
    // 70 typed, no Enter, no leaving the field; the menu saves.
    w->TB_T_in->setFocus();
    w->TB_T_in->selectAll();
    QTest::keyClicks(w->TB_T_in, "70");
    projektDialoge.answers = {"typed", data() + "typed.tpj"};
    w->MenuBar1_ItemClick("ProjSaveAs");
    EXPECT_DOUBLE_EQ(k().T_in, 70.0);
    ASSERT_TRUE(QFileInfo(data() + "typed.tpj").isFile());

    // The saved file brings 70 back.
    k().T_in = 0;
    w->Projekt_load_Liste(1);
    EXPECT_DOUBLE_EQ(k().T_in, 70.0);
    EXPECT_EQ(w->TB_T_in->text().toDouble(), 70.0);
}

TEST_F(ProjektFenster, ExitCommandAsksOnce)
{
    open();
    const std::size_t before = boxes.shown.size();
    boxes.answers = {common::mb::No, common::mb::Yes};
    QPointer<Kelto_VX_Menu> alive(w.get());
    w->menuItem("Progexit")->trigger();
    EXPECT_EQ(boxes.shown.size(), before + 1);
    EXPECT_FALSE(w->isVisible());
    w.release(); // the unload deletes the window
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

namespace {

struct RecordingOeffner : DokumentOeffner {
    QStringList opened;
    bool oeffnen(const QString& pfad) override
    {
        opened << pfad;
        return true;
    }
};

struct NoPrinter : vexachart::ChartServices {
    int asked = 0;
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    bool printDialog(QPrinter&) override { return false; }
    bool defaultPrinter(QPrinter&) override
    {
        ++asked;
        return false;
    }
    bool setClipboardImage(const QImage&) override { return false; }
    bool setClipboardText(const QString&) override { return false; }
    void showError(const QString&) override {}
};

} // namespace

TEST_F(ProjektFenster, DescriptionAndChartPrintItems)
{
    RecordingOeffner oeffner;
    dienste.dokumentOeffner = &oeffner;
    open(7); // Spanish
    w->menuItem("Menu_In_Descript")->trigger();
    ASSERT_EQ(oeffner.opened.size(), 1);
    EXPECT_TRUE(oeffner.opened[0].endsWith("/system/keltoline-eng.html")) << oeffner.opened[0].toStdString();

    // Each print item reaches its own chart; a missing printer is reported, the program goes on.
    NoPrinter druck, leistung;
    w->pChart->setServices(&druck);
    w->LChart->setServices(&leistung);
    boxes.clear();
    w->menuItem("Menu_DRK_Drk_Diagramm")->trigger();
    EXPECT_EQ(druck.asked, 1);
    EXPECT_EQ(leistung.asked, 0);
    w->menuItem("Menu_DRK_Lstg_Diagramm")->trigger();
    EXPECT_EQ(leistung.asked, 1);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].style, common::mb::Critical);
    w->pChart->setServices(nullptr);
    w->LChart->setServices(nullptr);
}

TEST_F(ProjektFenster, FailedSaveSaysSoAndKeepsTheOldFile)
{
    open();
    referencePoint();
    // The chosen name is taken by a folder: nothing saved, still untitled, the list empty.
    QDir().mkpath(data() + "taken.tpj");
    boxes.clear();
    EXPECT_FALSE(saveAs("taken"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].prompt.startsWith(zustand->Texte.Text_109[0] + QStringLiteral("\r\n")));
    EXPECT_GT(boxes.shown[0].prompt.size(), zustand->Texte.Text_109[0].size() + 2); // with the reason
    EXPECT_EQ(boxes.shown[0].style, common::mb::Critical);
    EXPECT_TRUE(start.System.Projekt_Name.isEmpty());
    EXPECT_FALSE(w->menuItem("Projekt1")->isEnabled());

    // The backup cannot be made: the saved file keeps its content.
    ASSERT_TRUE(saveAs("pump"));
    const QByteArray first = bytesOf(data() + "pump.tpj");
    QDir().mkpath(data() + "pump.bak");
    type(w->TB_Durchfluss, "80");
    boxes.clear();
    EXPECT_FALSE(w->Projekt_Save());
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(bytesOf(data() + "pump.tpj"), first);
}

TEST_F(ProjektFenster, ProjectWithoutDriveShowsNoDriveOptions)
{
    open();
    referencePoint();
    project::ProjektSatz satz;
    satz.T_in = 60;
    satz.T_Umgebung = 30;
    satz.Durchfluss = 50;
    satz.KLeistung = 3000;
    satz.Medium_Subindex = 1;
    const QString pfad = data() + "nodrive.tpj";
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(project::kodiereProjekt(satz));
    }
    boxes.answers = {common::mb::No};
    projektDialoge.answers = {pfad};
    w->Projekt_Load();
    EXPECT_EQ(start.System.Projekt_Name, "nodrive");
    EXPECT_FALSE(w->OBox_DCD->isChecked() || w->OBox_AC->isChecked() || w->OBox_HC->isChecked());
    for (QGroupBox* frame : {w->Fr_FanDC, w->FR_FanAC, w->FR_FanHC})
        EXPECT_FALSE(frame->isVisible()) << frame->objectName().toStdString();
    EXPECT_EQ(w->TB_Kuehlertyp->text(), "---");
    EXPECT_TRUE(w->OBox_drueckend->isChecked());
    EXPECT_EQ(w->CBox_Medium_Typ->currentIndex(), 1);
}
