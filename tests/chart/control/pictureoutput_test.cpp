#include "chart/control/chart.h"
#include "chart/control/exportservices.h"
#include "chart/control/popupmenucommands.h"
#include "chartfixture.h"
#include "common/error.h"
#include "exporttestsupport.h"
#include "testsupport.h"
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vexachart;
using vexachart::testing::errorOf;

namespace {

struct OutputFixture {
    QTemporaryDir dir;
    FakeChartServices services;
    std::unique_ptr<Vexachart> chart = vexachart::testing::makeChart(true);

    OutputFixture()
    {
        chart->pInit = false;
        chart->setServices(&services);
        chart->setBorderStyle(0);
        chart->DrawChart();
    }
};

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Pages of a PDF as Qt writes it: one "/Type /Page" object per page ("/Pages" is the page tree).
int pdfPages(const QByteArray& pdf)
{
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1))
        if (pdf.mid(at + 11, 1) != "s")
            ++pages;
    return pages;
}

} // namespace

TEST(PictureOutput, PrintChartPrintsOnePageWithThePictureAndNoDialog)
{
    OutputFixture f;
    f.services.defaultPdf = f.dir.filePath("page.pdf");
    f.chart->PrintChart();
    EXPECT_EQ(f.services.printerDialogs, 0);
    const QByteArray pdf = fileBytes(*f.services.defaultPdf);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_TRUE(pdf.contains("/Subtype /Image"));
    EXPECT_FALSE(f.chart->outputInProgress());
}

TEST(PictureOutput, PrinterDialogCancelEndsSilentlyAndAMissingPrinterIsAnError)
{
    OutputFixture f;
    EXPECT_NO_THROW(f.chart->OutputChartPicture(1, nullptr));
    EXPECT_EQ(f.services.printerDialogs, 1);
    EXPECT_TRUE(QDir(f.dir.path()).isEmpty());

    f.services.dialogPdf = f.dir.filePath("chosen.pdf");
    f.chart->OutputChartPicture(1, nullptr);
    EXPECT_EQ(pdfPages(fileBytes(*f.services.dialogPdf)), 1);

    const auto e = errorOf([&] { f.chart->PrintChart(); });
    EXPECT_EQ(e.number, 482);
    EXPECT_EQ(e.source, QString("Vexachart.PrintPic"));
    EXPECT_FALSE(f.chart->outputInProgress());
}

TEST(PictureOutput, SavePicWritesABitmapOfTheOutputSize)
{
    OutputFixture f;
    QString name = f.dir.filePath("chart.bmp");
    const QString passed = name;
    f.chart->SavePic(&name);
    EXPECT_EQ(name, passed);
    EXPECT_TRUE(f.services.saveRequests.empty());
    QImageReader reader(passed);
    EXPECT_EQ(reader.format(), QByteArray("bmp"));
    const QImage back = reader.read();
    EXPECT_EQ(back.size(), QSize(833, 567)); // 12500 x 8500 twips at 96 dpi
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), f.chart->outputPicture().convertToFormat(QImage::Format_RGB32));
}

TEST(PictureOutput, SavePicNamesAndDialogAnswers)
{
    OutputFixture f;
    const QImage screenBefore = f.chart->picture();
    const int redrawsBefore = f.chart->redrawCount();

    const QString existing = f.dir.filePath("old.bmp");
    {
        QFile old(existing);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    QString name = existing;
    auto e = errorOf([&] { f.chart->SavePic(&name); });
    EXPECT_EQ(e.number, 9999);
    EXPECT_EQ(e.description, QString("File already exists"));
    EXPECT_EQ(e.source, QString("Vexachart.SavePic"));
    EXPECT_EQ(fileBytes(existing), QByteArray("old"));
    EXPECT_FALSE(f.chart->outputInProgress());

    name.clear();
    EXPECT_NO_THROW(f.chart->SavePic(&name));
    ASSERT_EQ(f.services.saveRequests.size(), 1u);
    EXPECT_EQ(f.services.saveRequests[0].title, QString("Save displayed Graph to File"));
    EXPECT_EQ(f.services.saveRequests[0].filter, QString("Picture (*.bmp)"));
    EXPECT_TRUE(name.isEmpty());

    f.services.saveAnswer = f.dir.filePath("chosen.bmp");
    f.chart->SavePic(&name);
    EXPECT_EQ(name, *f.services.saveAnswer);
    EXPECT_EQ(QImage(name).size(), QSize(833, 567));

    name = QStringLiteral("/nonexistent-folder-of-the-test/chart.bmp");
    e = errorOf([&] { f.chart->SavePic(&name); });
    EXPECT_EQ(e.number, 75);
    EXPECT_EQ(e.source, QString("Vexachart.SavePic"));
    EXPECT_FALSE(QFileInfo::exists(name));

    // The chart on screen was never touched, and no event loop ran inside the runs.
    EXPECT_EQ(f.chart->picture(), screenBefore);
    EXPECT_EQ(f.chart->redrawCount(), redrawsBefore);
    EXPECT_EQ(f.services.pumps, 0);
}

TEST(PictureOutput, CopyPicToClipboardAndItsFailure)
{
    OutputFixture f;
    f.chart->CopyPicToClipboard();
    ASSERT_EQ(f.services.clipboardImages.size(), 1u);
    EXPECT_EQ(f.services.clipboardImages[0].size(), QSize(833, 567));

    f.chart->setShowLegend(false);
    f.chart->CopyPicToClipboard();
    ASSERT_EQ(f.services.clipboardImages.size(), 2u);
    EXPECT_NE(f.services.clipboardImages[1], f.services.clipboardImages[0]) << "the legend is left out";

    f.services.clipboardWorks = false;
    EXPECT_EQ(errorOf([&] { f.chart->CopyPicToClipboard(); }).source, QString("Vexachart.CopyPicToClipboard"));
}

TEST(PictureOutput, DesktopClipboardRoundTrips)
{
    QtChartServices services;
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.setPixelColor(3, 4, Qt::red);
    ASSERT_TRUE(services.setClipboardImage(image));
    const QImage back = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(back.size(), image.size());
    EXPECT_EQ(back.pixelColor(3, 4), QColor(Qt::red));
    EXPECT_EQ(back.pixelColor(30, 20), QColor(Qt::blue));

    ASSERT_TRUE(services.setClipboardText(QString::fromUtf8("a\tb\nÄ\t2\n")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("a\tb\nÄ\t2\n"));
}

TEST(PopupMenuCommands, FailuresAreShownCancelAndSuccessAreSilent)
{
    FakeChartServices services;
    EXPECT_FALSE(runMenuCommand([] { common::raise(75, "Vexachart.SavePic", "Path/File access error"); }, &services));
    ASSERT_EQ(services.errors.size(), 1u);
    EXPECT_EQ(services.errors[0], QString("Path/File access error"));

    services.errors.clear();
    EXPECT_TRUE(runMenuCommand([] { common::raise(common::errc::DialogCancelled); }, &services));
    int ran = 0;
    EXPECT_TRUE(runMenuCommand([&] { ++ran; }, &services));
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(services.errors.empty());
    EXPECT_FALSE(runMenuCommand([] { common::raise(482); }, nullptr));
}
