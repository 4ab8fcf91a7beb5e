#include "chart/control/chart.h"
#include "chartfixture.h"
#include "common/checked.h"
#include "exporttestsupport.h"
#include "testsupport.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vexachart;
using vexachart::testing::errorOf;

namespace {

// The two-plot example: A with three points, B with one, title T, axis labels X and Y.
struct ExportFixture {
    FakeChartServices services;
    std::unique_ptr<Vexachart> chart = vexachart::testing::makeChart();

    ExportFixture()
    {
        chart->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        chart->setServices(&services);
        chart->setMaxCountOfPlots(2);
        chart->ClearAllPlotData();
        chart->setTitle("T");
        chart->setXAxisLabel(" X ");
        chart->setYAxisLabel("Y");
        chart->SetPlotLegendText(1, "  A ");
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

TEST(DataExport, TheTwoPlotExampleInFileAndClipboardForm)
{
    ExportFixture f;
    EXPECT_EQ(f.chart->exportText(false), QString("T\t12/10/26\rA.X\tA.Y\tB.X\tB.Y\r\n"
                                                  "1\t10\t7\t1E+20\r\n"
                                                  "2\t20.5\t\t\r\n"
                                                  "3\t-3E-05\t\t\r\n"));
    EXPECT_EQ(f.chart->exportText(true), QString("T\t12/10/26\nA.X\tA.Y\tB.X\tB.Y\n"
                                                 "1\t10\t7\t1E+20\n"
                                                 "2\t20.5\t\t\n"
                                                 "3\t-3E-05\t\t\n"));
}

TEST(DataExport, EveryRecordHasTwoFieldsPerPlotAndNoPointsGiveTheHeadAlone)
{
    ExportFixture f;
    f.chart->setMaxCountOfPlots(4);
    f.chart->ClearSinglePlotDataArray(2);
    const QStringList lines = f.chart->exportText(true).split('\n');
    ASSERT_EQ(lines.size(), 6); // title, names, three records, the empty rest after the last line end
    EXPECT_EQ(lines[2], QString("1\t10\t\t\t\t\t\t"));
    for (int i = 2; i <= 4; ++i)
        EXPECT_EQ(lines[i].count('\t'), 7);

    f.chart->ClearAllPlotData();
    EXPECT_EQ(f.chart->exportText(false).count("\r\n"), 1);
}

TEST(DataExport, ValuesAsTheUserSeesThem)
{
    ExportFixture f;
    f.chart->ClearAllPlotData();
    f.chart->SetGlobalBorders(0.001, 1000.0, 0.5, 2000.0, 1, 1);
    for (double v : {100.0, 5.0, 1000.0, 0.00123})
        f.chart->AddNewDataPoint(1, v, v);
    EXPECT_EQ(f.chart->exportText(true).section('\n', 2),
              QString("0.00123\t0.00123\t\t\n5\t5\t\t\n100\t100\t\t\n1000\t1000\t\t\n"));

    ExportFixture german;
    german.chart->setLocale(QLocale(QLocale::German, QLocale::Germany));
    german.chart->ClearAllPlotData();
    german.chart->AddNewDataPoint(1, 1.5, 1.0 / 3.0);
    EXPECT_TRUE(german.chart->exportText(true).endsWith("1,5\t0,333333333333333\t\t\n"));

    ExportFixture dates;
    dates.chart->ClearAllPlotData();
    dates.chart->setXScalingNotation(2);
    dates.chart->SetGlobalBorders("2024/01/01/00/00/00", "2024/12/31/00/00/00", 0.0, 10.0);
    dates.chart->AddNewDataPoint(1, "2024/03/05/14/07/09", 2.0);
    EXPECT_TRUE(dates.chart->exportText(true).endsWith("2024/03/05/14/07/09\t2\t\t\n"));
}

TEST(DataExport, SaveDataTargets)
{
    QTemporaryDir dir;
    ExportFixture f;
    f.chart->setTitle(QString::fromUtf8("Кривая мощности"));

    // A new name: written in UTF-8, no dialog, the name unchanged.
    QString name = dir.filePath("data.txt");
    const QString passed = name;
    f.chart->SaveData(&name);
    EXPECT_EQ(name, passed);
    EXPECT_TRUE(f.services.saveRequests.empty());
    EXPECT_EQ(readFile(passed), f.chart->exportText(false));
    EXPECT_TRUE(readFile(passed).startsWith(QString::fromUtf8("Кривая мощности\t")));

    // An existing name: refused, the file untouched.
    const auto e = errorOf([&] { f.chart->SaveData(&name); });
    EXPECT_EQ(e.number, 9999);
    EXPECT_EQ(e.source, QString("Vexachart.SaveData"));
    EXPECT_EQ(e.description, QString("File already exists"));

    // Empty name, Cancel: nothing written, no error.
    QString empty;
    EXPECT_NO_THROW(f.chart->SaveData(&empty));
    ASSERT_EQ(f.services.saveRequests.size(), 1u);
    EXPECT_EQ(f.services.saveRequests[0].title, QString("Save numeric Data to File"));
    EXPECT_EQ(f.services.saveRequests[0].filter, QString("Text (*.txt)"));
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    // Empty name, a path chosen: written and returned.
    f.services.saveAnswer = dir.filePath("chosen.txt");
    f.chart->SaveData(&empty);
    EXPECT_EQ(empty, *f.services.saveAnswer);
    EXPECT_EQ(readFile(empty), f.chart->exportText(false));

    // A folder that cannot be written: error 75, no file.
    QString bad = QStringLiteral("/nonexistent-folder-of-the-test/data.txt");
    const auto w = errorOf([&] { f.chart->SaveData(&bad); });
    EXPECT_EQ(w.number, 75);
    EXPECT_EQ(w.source, QString("Vexachart.SaveData"));
    EXPECT_FALSE(QFileInfo::exists(bad));
}

TEST(DataExport, ClipboardTargetAndItsErrors)
{
    ExportFixture f;
    f.chart->CopyDataToClipboard();
    ASSERT_EQ(f.services.clipboardTexts.size(), 1u);
    EXPECT_EQ(f.services.clipboardTexts[0], f.chart->exportText(true));
    EXPECT_FALSE(f.services.clipboardTexts[0].contains('\r'));

    QString target = QStringLiteral("(Clipboard)");
    f.chart->SaveData(&target);
    EXPECT_EQ(f.services.clipboardTexts.size(), 2u);

    f.services.clipboardWorks = false;
    EXPECT_EQ(errorOf([&] { f.chart->CopyDataToClipboard(); }).source, QString("Vexachart.CopyDataToClipboard"));
    EXPECT_EQ(errorOf([&] { f.chart->SaveData(&target); }).source, QString("Vexachart.SaveData"));
}
