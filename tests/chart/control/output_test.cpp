#include "chartfixture.h"
#include "fakeservices.h"
#include "fullfolder.h"
#include "otheruser.h"
#include "chart/control/widget.h"
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace vexachart;
using namespace vexachart::testing;

namespace {
struct OutputFixture : ::testing::Test {
    std::unique_ptr<Vexachart> chart = makeChart();
    FakeServices services;
    QTemporaryDir dir;
    void SetUp() override
    {
        chart->setServices(&services);
        chart->setLocale(QLocale::c());
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};
}

TEST_F(OutputFixture, SavePicWritesAReadableBitmapOrRefuses)
{
    QString name = path("chart.bmp");
    chart->SavePic(&name);
    QImage read(name, "BMP");
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.size(), QSize(831, 565));
    EXPECT_EQ(name, path("chart.bmp"));
    const auto e = errorOf([&] { chart->SavePic(&name); });
    EXPECT_EQ(e.number, 9999);
    EXPECT_EQ(e.source, QStringLiteral("Vexachart.SavePic"));
    EXPECT_EQ(e.description, QStringLiteral("File already exists"));
    EXPECT_FALSE(chart->outputInProgress());
    // Empty name: the dialog chooses; Cancel is silent.
    QString empty;
    services.chosenFile = path("chosen.bmp");
    chart->SavePic(&empty);
    EXPECT_EQ(empty, path("chosen.bmp"));
    EXPECT_TRUE(QFile::exists(empty));
    services.chosenFile.reset();
    QString cancelled;
    chart->SavePic(&cancelled);
    EXPECT_TRUE(cancelled.isEmpty());
    // A folder that cannot be written is an error, never a silent success.
    QString bad = QStringLiteral("/nonexistent-folder/x.bmp");
    EXPECT_EQ(errorOf([&] { chart->SavePic(&bad); }).number, 75);
}

TEST_F(OutputFixture, PrintChartPrintsOnePageWithThePicture)
{
    services.pdfPath = path("page.pdf");
    chart->PrintChart();
    QFile pdf(services.pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    EXPECT_TRUE(bytes.contains("/Subtype /Image"));
    EXPECT_TRUE(services.dialogTitles.isEmpty()); // no dialog
    services.pdfPath.clear();
    const auto e = errorOf([&] { chart->PrintChart(); });
    EXPECT_EQ(e.number, 482);
    EXPECT_EQ(e.source, QStringLiteral("Vexachart.PrintPic"));
}

TEST_F(OutputFixture, ClipboardPictureAndText)
{
    chart->CopyPicToClipboard();
    EXPECT_EQ(services.clipboardImage.size(), QSize(831, 565));
    chart->CopyDataToClipboard();
    EXPECT_FALSE(services.clipboardText.contains(QLatin1Char('\r')));
    EXPECT_TRUE(services.clipboardText.endsWith(QLatin1Char('\n')));
    EXPECT_EQ(services.clipboardText.count(QLatin1Char('\n')), 2 + 101);
}

TEST_F(OutputFixture, ExportTextAsTheTableSaysLinearLogAndDate)
{
    chart->setMaxCountOfPlots(2);
    chart->ClearAllPlotData();
    chart->setTitle(QStringLiteral("T"));
    chart->setXAxisLabel(QStringLiteral(" X "));
    chart->setYAxisLabel(QStringLiteral("Y"));
    chart->SetPlotLegendText(1, QStringLiteral("A"));
    chart->SetPlotLegendText(2, QStringLiteral("B"));
    chart->SetGlobalBorders(0.0, 10.0, 1.0, 1000.0, qint16(0), qint16(1));
    for (double x : {1.0, 2.0, 3.0})
        chart->AddNewDataPoint(1, x, x * 50);
    chart->AddNewDataPoint(2, 1.5, 1000.0);
    QString name = path("data.txt");
    chart->SaveData(&name);
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString date = QLocale::c().toString(QDate(2024, 5, 17), QLocale::ShortFormat);
    EXPECT_EQ(QString::fromUtf8(f.readAll()),
        QStringLiteral("T\t") + date + QStringLiteral("\rA.X\tA.Y\tB.X\tB.Y\r\n1\t50\t1.5\t1000\r\n2\t100\t\t\r\n3\t150\t\t\r\n"));
    EXPECT_EQ(errorOf([&] { chart->SaveData(&name); }).description, QStringLiteral("File already exists"));
    // Date axis: date-time text; a comma locale writes its decimal separator.
    chart->SetGlobalBorders(0.0, 10.0, 0.0, 10.0);
    chart->setXScalingNotation(2);
    chart->ClearAllPlotData();
    chart->AddNewDataPoint(1, QStringLiteral("2005/03/07/14/05/09"), 1.5);
    chart->setLocale(QLocale(QLocale::German, QLocale::Germany));
    const QString text = chart->exportText(false);
    EXPECT_TRUE(text.contains(QStringLiteral("2005/03/07/14/05/09\t1,5\t\t\r\n")));
    services.chosenFile.reset();
    QString cancelled;
    chart->SaveData(&cancelled); // Cancel: nothing, no error
    EXPECT_TRUE(cancelled.isEmpty());
}

TEST_F(OutputFixture, NoPointsGivesTheHeadAlone)
{
    chart->ClearAllPlotData();
    const QString text = chart->exportText(false);
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("Plot 4.X-Axis [1]\tPlot 4.Y-Axis [1]\r\n")));
}

TEST(QtServices, ClipboardRoundTripsOffscreen)
{
    QtChartServices services(nullptr);
    ASSERT_TRUE(services.setClipboardText(QStringLiteral("a\tb\n")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("a\tb\n"));
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(services.setClipboardImage(img));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(20, 10));
}

TEST_F(OutputFixture, PointsAtTheLargestValuesAreDrawnAndCopied)
{
    // A segment from (1, 1.79e308) to (1.79e308, 0): its far ends are pulled towards the display
    // until their midpoint rounds to an end; the redraw and the copy must both come to an end.
    chart->setPainting(true);
    chart->AddNewDataArray(Variant::array2(2, 2, {1, 1.79e308, 1.79e308, 0}));
    EXPECT_EQ(chart->plotData(1).count(), 2);
    EXPECT_EQ(chart->DrawChart(), DrawResult::Drawn);
    chart->CopyPicToClipboard();
    EXPECT_EQ(services.clipboardImage.size(), QSize(831, 565));
}

// A full disk: the export and the picture are refused with the file-access error, and a file the
// user chose to replace in the dialog stays whole.
TEST_F(OutputFixture, OnAFullDiskTheChosenFileStaysWholeAndTheSaveFails)
{
    FullFolder folder;
    const QByteArray old = QByteArray("earlier export\r\n").repeated(50);
    folder.put(QStringLiteral("data.txt"), old);
    folder.put(QStringLiteral("chart.bmp"), old);
    folder.fill();
    for (int i = 1; i <= 200; ++i)
        chart->AddNewDataPoint(1, i, i * 1.5);

    services.chosenFile = folder.filePath(QStringLiteral("data.txt"));
    QString fromDialog;
    const auto data = errorOf([&] { chart->SaveData(&fromDialog); });
    EXPECT_EQ(data.number, 75);
    EXPECT_EQ(data.source, QStringLiteral("Vexachart.SaveData"));

    services.chosenFile = folder.filePath(QStringLiteral("chart.bmp"));
    QString pictureFromDialog;
    const auto picture = errorOf([&] { chart->SavePic(&pictureFromDialog); });
    EXPECT_EQ(picture.number, 75);
    EXPECT_EQ(picture.source, QStringLiteral("Vexachart.SavePic"));
    EXPECT_FALSE(chart->outputInProgress());

    EXPECT_EQ(folder.bytesOf(QStringLiteral("data.txt")), old);
    EXPECT_EQ(folder.bytesOf(QStringLiteral("chart.bmp")), old);
    EXPECT_EQ(folder.entries(), QStringList({"chart.bmp", "data.txt"}));

    folder.release();
    QString again;
    services.chosenFile = folder.filePath(QStringLiteral("data.txt"));
    chart->SaveData(&again);
    EXPECT_TRUE(folder.bytesOf(QStringLiteral("data.txt")).contains("\r\n200\t300\t"));
}

// A file the user may not write, chosen in the dialog in a folder the user may write: the export
// and the picture are refused with the file-access error and the file keeps its bytes and its mode.
TEST_F(OutputFixture, AReadOnlyFileChosenInTheDialogIsNotReplaced)
{
    const QByteArray old = "earlier export\r\n";
    for (const char* name : {"data.txt", "chart.bmp"}) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
        f.close();
        ASSERT_TRUE(OtherUser::own(path(name), 0444));
    }
    ASSERT_TRUE(OtherUser::own(dir.path(), 0755));
    chart->AddNewDataPoint(1, 1, 1.5);

    OtherUser user;
    ASSERT_TRUE(user.ok());
    services.chosenFile = path("data.txt");
    QString fromDialog;
    EXPECT_EQ(errorOf([&] { chart->SaveData(&fromDialog); }).number, 75);
    services.chosenFile = path("chart.bmp");
    QString pictureFromDialog;
    EXPECT_EQ(errorOf([&] { chart->SavePic(&pictureFromDialog); }).number, 75);
    EXPECT_FALSE(chart->outputInProgress());

    for (const char* name : {"data.txt", "chart.bmp"}) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), old) << name;
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(path(name)).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0444u) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}
