// Data export cases beyond the main paths: the exact clipboard form of the two-plot example, empty
// fields for short plots, log values as entered, non-Latin text in the file, a folder that cannot
// be written and a clipboard that refuses the text.
#include "chartfixture.h"
#include "exporttestsupport.h"
#include "testsupport.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vexachart;
using vexachart::testing::errorOf;

namespace {

// Plots A (three points) and B (one point), title T, axis labels X and Y.
struct ExportFixture {
    CountingServices services;
    std::unique_ptr<Vexachart> chart = vexachart::testing::makeChart();

    ExportFixture()
    {
        chart->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        services.fixedNow = QDateTime(QDate(2026, 12, 10), QTime(9, 5));
        chart->setServices(&services);
        chart->setMaxCountOfPlots(2);
        chart->ClearAllPlotData();
        chart->setTitle("T");
        chart->setXAxisLabel("X");
        chart->setYAxisLabel("Y");
        chart->SetPlotLegendText(1, "A");
        chart->SetPlotLegendText(2, "B");
        chart->AddNewDataPoint(1, 1.0, 10.0);
        chart->AddNewDataPoint(1, 2.0, 20.5);
        chart->AddNewDataPoint(1, 3.0, -0.00003);
        chart->AddNewDataPoint(2, 7.0, 1e20);
    }
};

QString readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<unreadable>");
    return QString::fromUtf8(f.readAll());
}

} // namespace

TEST(DataExport, ClipboardFormOfTheTwoPlotExample)
{
    ExportFixture f;
    f.chart->CopyDataToClipboard();
    EXPECT_EQ(f.services.clipboardText, QString("T\t12/10/26\nA.X\tA.Y\tB.X\tB.Y\n"
                                                "1\t10\t7\t1E+20\n"
                                                "2\t20.5\t\t\n"
                                                "3\t-3E-05\t\t\n"));
}

TEST(DataExport, FourPlotsWithOnlyTheFirstFilledGiveSevenTabsARecord)
{
    ExportFixture f;
    f.chart->setMaxCountOfPlots(4);
    f.chart->ClearSinglePlotDataArray(2);
    const QStringList lines = f.chart->exportText(true).split('\n');
    ASSERT_EQ(lines.size(), 6); // title, names, three records, nothing after the last line end
    EXPECT_EQ(lines[2], QString("1\t10\t\t\t\t\t\t"));
    for (int i = 2; i <= 4; ++i)
        EXPECT_EQ(lines[i].count('\t'), 7);
}

TEST(DataExport, LogValuesComeBackAsEntered)
{
    ExportFixture f;
    f.chart->ClearAllPlotData();
    f.chart->SetGlobalBorders(0.001, 1000.0, 0.5, 2000.0, qint16(1), qint16(1));
    for (double v : {0.00123, 5.0, 100.0, 1000.0})
        f.chart->AddNewDataPoint(1, v, v);
    EXPECT_EQ(f.chart->exportText(true).section('\n', 2),
              QString("0.00123\t0.00123\t\t\n5\t5\t\t\n100\t100\t\t\n1000\t1000\t\t\n"));
}

TEST(DataExport, NonLatinTextSurvivesInTheFile)
{
    QTemporaryDir dir;
    ExportFixture f;
    f.chart->setTitle(QString::fromUtf8("Кривая мощности"));
    f.chart->SetPlotLegendText(1, QString::fromUtf8("油冷却器"));
    QString name = dir.filePath("data.txt");
    f.chart->SaveData(&name);
    const QString text = readFile(name);
    EXPECT_EQ(text, f.chart->exportText(false));
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("Кривая мощности\t12/10/26\r油冷却器.X\t")));
}

TEST(DataExport, WriteAndClipboardFailuresAreRaisedWithTheEntrysSource)
{
    ExportFixture f;
    QString bad = QStringLiteral("/nonexistent-folder-of-the-test/data.txt");
    const auto w = errorOf([&] { f.chart->SaveData(&bad); });
    EXPECT_EQ(w.number, 75);
    EXPECT_EQ(w.source, QString("Vexachart.SaveData"));
    EXPECT_FALSE(QFileInfo::exists(bad));

    f.services.clipboardWorks = false;
    EXPECT_EQ(errorOf([&] { f.chart->CopyDataToClipboard(); }).source, QString("Vexachart.CopyDataToClipboard"));
    QString target = QStringLiteral("(Clipboard)");
    EXPECT_EQ(errorOf([&] { f.chart->SaveData(&target); }).source, QString("Vexachart.SaveData"));
}
