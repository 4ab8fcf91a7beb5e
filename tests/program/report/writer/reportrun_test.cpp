// The run around the sections: file name and folder, the in-use test, failures, printing.
#include "fullfolder.h"
#include "program/texts/stringtable.h"
#include "reportfixture.h"
#include <cstring>

using namespace reporttest;

TEST_F(ReportFixture, BaseNameAndMissingDataFolder)
{
    for (const auto& [name, expected] : {std::pair{"", "Kelto-Line"}, std::pair{"ab", "Kelto-Line"}, std::pair{"Pumpe3", "Pumpe3"}})
        EXPECT_EQ(report::reportBaseName(QString::fromUtf8(name)), QString::fromUtf8(expected));

    app.System.Projekt_Pfad = dir.filePath(QStringLiteral("gone/"));
    app.System.Projekt_Name = QStringLiteral("ab");
    run();
    // The default folder is created with its parent and kept for later runs of this program run.
    EXPECT_EQ(app.System.Projekt_Pfad, ctx->defaultDataFolder);
    EXPECT_TRUE(QFileInfo::exists(ctx->defaultDataFolder + QStringLiteral("Kelto-Line.docx")));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ReportFixture, DocumentOpenElsewhereWritesNothing)
{
    QFile existing(reportPath());
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("earlier report");
    existing.close();
    QFile lock(dataFolder() + QStringLiteral(".~lock.Pumpe3.docx#"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.close();

    report::Word_Dokument_erstellen(*ctx, report::Vorschau);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, app.Texte.Text_107[0]);
    EXPECT_EQ(common::mb::iconOf(boxes.shown[0].style), common::mb::Critical);
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("earlier report"));
    EXPECT_TRUE(window.progressText.isEmpty()); // the progress window never appeared
    EXPECT_FALSE(window.busy);
    EXPECT_FALSE(app.System.Word_aktiv);
    EXPECT_TRUE(programs->opened.empty());
}

TEST_F(ReportFixture, FailureInASectionKeepsTheEarlierReportAndResetsTheState)
{
    run();
    ASSERT_TRUE(boxes.shown.empty());
    QFile file(reportPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray earlier = file.readAll();
    file.close();
    programs->opened.clear();

    for (const char* where : {"Zubehoer_anzeigen", "EinbauMase_anzeigen", "pChartPicture"}) {
        SCOPED_TRACE(where);
        boxes.clear();
        window.failIn = where;
        app.System.Projekt_Name = QStringLiteral("Pumpe3");
        report::Word_Dokument_erstellen(*ctx, report::Vorschau);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_TRUE(boxes.shown[0].prompt.startsWith(app.Texte.Text_108[0]));
        EXPECT_EQ(boxes.progressOpen.back(), false) << "the message came over the progress window";
        EXPECT_FALSE(app.System.Word_aktiv);
        EXPECT_FALSE(window.busy);
        EXPECT_FALSE(window.progressShown);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), earlier);
        file.close();
        EXPECT_TRUE(programs->opened.empty());
        EXPECT_EQ(QDir(dataFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Pumpe3.docx")});
    }
}

TEST_F(ReportFixture, PrintAtOnceAndWithoutAPrintingProgram)
{
    run(report::DruckenSofort);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(programs->printed, std::vector<QString>{reportPath()});
    EXPECT_TRUE(programs->opened.empty());

    QFile::remove(reportPath());
    programs->printerInstalled = false;
    run(report::DruckenSofort);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].prompt.contains(QStringLiteral("Kein Druckprogramm")));
    EXPECT_TRUE(boxes.shown[0].prompt.endsWith(reportPath()));
    EXPECT_EQ(boxes.progressOpen, std::vector<bool>{false}) << "the message came over the progress window";
    EXPECT_TRUE(QFileInfo::exists(reportPath())); // the saved report stays
    EXPECT_FALSE(app.System.Word_aktiv);
}

TEST_F(ReportFixture, ViewerThatFailsSaysWhereTheReportIs)
{
    programs->viewerWorks = false;
    app.Texte.SprachNr = 12; // Korean
    run(report::Vorschau);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, app.Texte.Text_609[12] + QStringLiteral("\r\n") + reportPath());
    EXPECT_EQ(boxes.progressOpen, std::vector<bool>{false}) << "the message came over the progress window";
    EXPECT_TRUE(QFileInfo::exists(reportPath()));
}

// A report that cannot be saved names the document and the system's reason after the program's
// own words, in the user's language, once the progress window is gone; an earlier report stays.
TEST_F(ReportFixture, ADocumentThatCannotBeSavedSaysWhichAndWhy)
{
    FullFolder folder;
    folder.put(QStringLiteral("Pumpe3.docx"), "earlier report");
    app.System.Projekt_Pfad = folder.path() + QLatin1Char('/');
    app.Texte.SprachNr = 10; // Czech
    const int fehler = folder.fill();
    report::Word_Dokument_erstellen(*ctx, report::Vorschau);

    ASSERT_EQ(boxes.shown.size(), 1u);
    const QString tschechisch = texts::compiledStringTable().entry(10, 607).value_or(QString());
    ASSERT_FALSE(tschechisch.isEmpty());
    EXPECT_EQ(boxes.shown[0].prompt, tschechisch + QStringLiteral("\r\n") + reportPath() + QStringLiteral("\r\n")
                                         + QString::fromLocal8Bit(std::strerror(fehler)));
    EXPECT_EQ(common::mb::iconOf(boxes.shown[0].style), common::mb::Critical);
    EXPECT_EQ(boxes.progressOpen, std::vector<bool>{false}) << "the message came over the progress window";
    EXPECT_EQ(folder.bytesOf(QStringLiteral("Pumpe3.docx")), QByteArray("earlier report"));
    EXPECT_TRUE(programs->opened.empty());
    EXPECT_FALSE(app.System.Word_aktiv);
    EXPECT_FALSE(window.busy);

    // A folder under the document's name: the program's own reason, in Swedish.
    folder.release();
    ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("Pumpe3.docx"))));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Pumpe3.docx")));
    app.Texte.SprachNr = 16;
    boxes.clear();
    report::Word_Dokument_erstellen(*ctx, report::Vorschau);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, QStringLiteral("Fel när dokumentet skapades!\r\n") + reportPath()
                                         + QStringLiteral("\r\nInte en fil"));
    EXPECT_TRUE(QFileInfo(reportPath()).isDir());
}

TEST_F(ReportFixture, UnreadableTemplateGivesBlankDocumentWithFrameAndHeader)
{
    const QString vorlage = dir.filePath(QStringLiteral("kaputt.dotx"));
    QFile f(vorlage);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a package");
    f.close();
    app.System.Vorlage_Datei = vorlage;
    app.System.Vorlage_benutzen = true;
    const auto parts = run();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].prompt.endsWith(vorlage));
    EXPECT_TRUE(parts.at(QStringLiteral("word/document.xml")).contains(QStringLiteral("<w:pgBorders")));
    EXPECT_TRUE(parts.count(QStringLiteral("word/kl_header1.xml")));

    // A configured template that does not exist is no template at all.
    boxes.clear();
    app.System.Vorlage_Datei = dir.filePath(QStringLiteral("fehlt.dotx"));
    const auto blank = run();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(blank.count(QStringLiteral("word/kl_header1.xml")));
}

TEST_F(ReportFixture, NoCoolerSelectedWritesTheRestWithEmptyCells)
{
    app.KuehlerDaten.Typ_Index = -1;
    app.KuehlerDaten.TypSchluessel = QStringLiteral("---------");
    window.kuehlertyp = QStringLiteral("---");
    window.masse.Clear();
    window.uebersicht.Clear();
    window.ersatz.Clear();
    // A missing line picture is skipped like any other missing picture.
    QFile::remove(programFolder() + QStringLiteral("/system/bd10219.gif"));
    const auto parts = run();
    EXPECT_TRUE(boxes.shown.empty());
    const QString& body = parts.at(QStringLiteral("word/document.xml"));
    // Only the two charts and the maker's logo in the address table remain.
    EXPECT_EQ(count(body, QStringLiteral("<wp:inline")), 3);
    EXPECT_FALSE(body.contains(QStringLiteral("A=")));
    EXPECT_TRUE(body.contains(QStringLiteral("---------")));
    EXPECT_EQ(programs->opened.size(), 1u);
}
