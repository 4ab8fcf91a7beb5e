#include "chart/control/exportdata.h"
#include "common/checked.h"
#include "common/dateserial.h"
#include "common/error.h"
#include "exporttestsupport.h"
#include "testsupport.h"
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <vector>

using namespace vexachart;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);

// The table of the two-plot example: A with three points, B with one, title T, labels X and Y.
struct ExampleTable {
    std::vector<double> ax{1, 2, 3}, ay{10, 20.5, -0.00003}, bx{7}, by{1e20};
    ExportTable table;

    ExampleTable()
    {
        table.title = "T";
        table.xAxisLabel = " X ";
        table.yAxisLabel = "Y";
        table.today = QDate(2026, 12, 10);
        table.locale = english;
        table.plots = {{"  A ", ax, ay}, {"B", bx, by}};
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

TEST(ExportText, TheTwoPlotExampleInFileAndClipboardForm)
{
    ExampleTable ex;
    EXPECT_EQ(exportText(ex.table, ExportLineEnds::File),
              QString("T\t12/10/26\rA.X\tA.Y\tB.X\tB.Y\r\n"
                      "1\t10\t7\t1E+20\r\n"
                      "2\t20.5\t\t\r\n"
                      "3\t-3E-05\t\t\r\n"));
    EXPECT_EQ(exportText(ex.table, ExportLineEnds::Clipboard),
              QString("T\t12/10/26\nA.X\tA.Y\tB.X\tB.Y\n"
                      "1\t10\t7\t1E+20\n"
                      "2\t20.5\t\t\n"
                      "3\t-3E-05\t\t\n"));
}

TEST(ExportText, EveryRecordHasTwoFieldsPerPlot)
{
    std::vector<double> x{1, 2}, y{3, 4};
    ExportTable t;
    t.title = "T";
    t.locale = english;
    t.today = QDate(2026, 1, 2);
    t.plots = {{"p1", x, y}, {"p2", {}, {}}, {"p3", {}, {}}, {"p4", {}, {}}};
    const QStringList lines = exportText(t, ExportLineEnds::Clipboard).split('\n');
    ASSERT_EQ(lines.size(), 5); // title, names, two records, the empty rest after the last line end
    EXPECT_EQ(lines[2], QString("1\t3\t\t\t\t\t\t"));
    EXPECT_EQ(lines[3].count('\t'), 7);
    EXPECT_EQ(lines[4], QString());

    t.plots = {{"p1", {}, {}}, {"p2", {}, {}}};
    EXPECT_EQ(exportText(t, ExportLineEnds::File), QString("T\t1/2/26\rp1.\tp1.\tp2.\tp2.\r\n"))
        << "no points: the head record alone";
}

TEST(ExportText, ValuesAsTheUserSeesThem)
{
    struct Case {
        const char* what;
        double stored;
        CursorAxis axis;
        QLocale locale;
        const char* text;
    };
    const QLocale german(QLocale::German, QLocale::Germany);
    const Case cases[] = {
        {"linear, 15 digits", 1.0 / 3.0, {}, english, "0.333333333333333"},
        {"linear, German separator", 1.5, {}, german, "1,5"},
        {"log: stored 2", 2.0, {true, 0}, english, "100"},
        {"log: an inserted 100", common::checkedLog10(100), {true, 0}, english, "100"},
        {"log: an inserted 5", common::checkedLog10(5), {true, 0}, english, "5"},
        {"log: an inserted 1000", common::checkedLog10(1000), {true, 0}, english, "1000"},
        {"log: an inserted 0.00123", common::checkedLog10(0.00123), {true, 0}, english, "0.00123"},
        {"date-time axis", common::serialFromParts(2024, 3, 5, 14, 7, 9), {false, 2}, english,
         "2024/03/05/14/07/09"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(exportValueText(c.stored, c.axis, c.locale), QString(c.text));
    }
}

TEST(SaveData, ToANamedNewFileInUtf8WithoutADialog)
{
    QTemporaryDir dir;
    ExampleTable ex;
    ex.table.title = QString::fromUtf8("Кривая мощности");
    FakeChartDialogs dialogs;
    QString name = dir.filePath("data.txt");
    const QString passed = name;
    saveData(name, ex.table, dialogs);
    EXPECT_EQ(name, passed);
    EXPECT_TRUE(dialogs.saveRequests.empty());
    EXPECT_EQ(readFile(passed), exportText(ex.table, ExportLineEnds::File));
    EXPECT_TRUE(readFile(passed).startsWith(QString::fromUtf8("Кривая мощности\t")));
}

TEST(SaveData, AnExistingFileIsRefusedAndLeftUntouched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("old.txt");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    ExampleTable ex;
    FakeChartDialogs dialogs;
    QString name = path;
    const common::Error e = errorOf([&] { saveData(name, ex.table, dialogs); });
    EXPECT_EQ(e.number(), 9999);
    EXPECT_EQ(e.source(), QString("Vexachart.SaveData"));
    EXPECT_EQ(e.description(), QString("File already exists"));
    EXPECT_EQ(readFile(path), QString("keep me"));
}

TEST(SaveData, EmptyNameAsksTheDialog)
{
    QTemporaryDir dir;
    ExampleTable ex;

    FakeChartDialogs cancel;
    QString name;
    EXPECT_NO_THROW(saveData(name, ex.table, cancel));
    ASSERT_EQ(cancel.saveRequests.size(), 1u);
    EXPECT_EQ(cancel.saveRequests[0].title, QString("Save numeric Data to File"));
    EXPECT_EQ(cancel.saveRequests[0].filter, QString("Text (*.txt)"));
    EXPECT_TRUE(name.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    FakeChartDialogs choose;
    choose.saveAnswer = dir.filePath("chosen.txt");
    saveData(name, ex.table, choose);
    EXPECT_EQ(name, *choose.saveAnswer);
    EXPECT_EQ(readFile(name), exportText(ex.table, ExportLineEnds::File));
}

TEST(SaveData, AnUnwritableFolderIsReportedAndLeavesNoFile)
{
    ExampleTable ex;
    FakeChartDialogs dialogs;
    QString name = QStringLiteral("/nonexistent-folder-of-the-test/data.txt");
    const common::Error e = errorOf([&] { saveData(name, ex.table, dialogs); });
    EXPECT_EQ(e.number(), 75);
    EXPECT_EQ(e.source(), QString("Vexachart.SaveData"));
    EXPECT_FALSE(QFileInfo::exists(name));
}

TEST(SaveData, ClipboardRoundTrip)
{
    ExampleTable ex;
    FakeChartDialogs dialogs;
    QGuiApplication::clipboard()->setText("before");
    copyDataToClipboard(ex.table, dialogs);
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_EQ(text, exportText(ex.table, ExportLineEnds::Clipboard));
    EXPECT_FALSE(text.contains('\r'));
    EXPECT_TRUE(text.endsWith('\n'));

    QGuiApplication::clipboard()->setText("before");
    QString target = ClipboardTarget;
    saveData(target, ex.table, dialogs);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    EXPECT_TRUE(dialogs.saveRequests.empty());
}
