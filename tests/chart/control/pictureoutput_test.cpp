#include "chart/control/pictureoutput.h"
#include "chart/control/pictureoutputpage.h"
#include "chart/control/popupmenucommands.h"
#include "common/error.h"
#include "common/messages.h"
#include "exporttestsupport.h"
#include "testsupport.h"
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>

using namespace vexachart;

namespace {

// A picture with a recognisable pattern: red left half, blue right half.
QImage testPicture(QSize size = outputPictureSize(96))
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::red);
    QPainter p(&img);
    p.fillRect(QRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height()), Qt::blue);
    return img;
}

struct OutputFixture {
    QTemporaryDir dir;
    FakeChartDialogs dialogs;
    int renders = 0;
    QString pdf;

    PictureOutput make()
    {
        PictureOutputServices s;
        s.render = [this] {
            ++renders;
            return testPicture();
        };
        s.dialogs = &dialogs;
        s.makePrinter = [this] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return printer;
        };
        s.now = [] { return QDateTime(QDate(2026, 12, 10), QTime(9, 5)); };
        s.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        return PictureOutput(std::move(s));
    }
};

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Pages of a PDF as Qt writes them: one "/Type /Page" object per page ("/Pages" is the tree).
int pdfPages(const QByteArray& pdf)
{
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1))
        if (pdf.mid(at + 11, 1) != "s")
            ++pages;
    return pages;
}

} // namespace

TEST(PictureOutputPage, SizeAndStamp)
{
    EXPECT_EQ(outputPictureSize(96), QSize(833, 567));
    EXPECT_EQ(outputPictureSize(192), QSize(1667, 1133));
    EXPECT_EQ(outputStamp(QDateTime(QDate(2026, 12, 10), QTime(9, 5)), QLocale(QLocale::English)),
              QString("10.Dec.2026 / 9:05"));
    EXPECT_EQ(outputStamp(QDateTime(QDate(2026, 3, 1), QTime(14, 30)), QLocale(QLocale::German)),
              QString("01.März.2026 / 14:30"));
}

TEST(PictureOutputPage, PictureBoxFrameAndStampOnThePage)
{
    QImage page(1000, 1000, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    p.setPen(Qt::black);
    paintOutputPage(p, QRectF(0, 0, 1000, 1000), testPicture(QSize(80, 43)), "10.Dec.2026 / 9:05");
    p.end();

    EXPECT_EQ(page.pixelColor(110, 300), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(890, 570), QColor(Qt::blue));
    for (QPoint outside : {QPoint(95, 365), QPoint(906, 365), QPoint(500, 144), QPoint(500, 586)})
        EXPECT_EQ(page.pixelColor(outside), QColor(Qt::white)) << outside.x() << "," << outside.y();

    // The stamp: ink below the box that ends at x = 900 and starts at y = 930.
    int inkRight = -1, inkTop = 1000;
    for (int y = 590; y < 1000; ++y)
        for (int x = 0; x < 1000; ++x)
            if (page.pixelColor(x, y) != QColor(Qt::white)) {
                inkRight = std::max(inkRight, x);
                inkTop = std::min(inkTop, y);
            }
    EXPECT_GE(inkTop, 930);
    EXPECT_LT(inkTop, 945);
    EXPECT_LE(inkRight, 900);
    EXPECT_GT(inkRight, 890);
}

TEST(PictureOutput, PrintChartPrintsOnePageWithoutADialog)
{
    OutputFixture f;
    f.pdf = f.dir.filePath("page.pdf");
    PictureOutput out = f.make();
    out.printChart();
    EXPECT_EQ(f.dialogs.printerDialogs, 0);
    const QByteArray pdf = fileBytes(f.pdf);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_TRUE(pdf.contains("/Subtype /Image")) << "the picture is on the page";
    EXPECT_FALSE(out.outputInProgress());
}

TEST(PictureOutput, MenuPrintAsksForThePrinterAndCancelEndsSilently)
{
    OutputFixture f;
    PictureOutput out = f.make();
    OutputMode mode = OutputMode::Printer;
    QString name;
    EXPECT_NO_THROW(out.outputChartPicture(mode, name));
    EXPECT_EQ(f.dialogs.printerDialogs, 1);
    EXPECT_EQ(f.renders, 0);
    EXPECT_TRUE(QDir(f.dir.path()).isEmpty());

    f.dialogs.printToPdf = f.dir.filePath("chosen.pdf");
    out.outputChartPicture(mode, name);
    EXPECT_EQ(pdfPages(fileBytes(*f.dialogs.printToPdf)), 1);
}

TEST(PictureOutput, APrinterThatCannotBeOpenedIsAnError)
{
    OutputFixture f;
    PictureOutputServices s;
    s.render = [] { return testPicture(); };
    s.makePrinter = [] {
        auto printer = std::make_unique<QPrinter>();
        printer->setPrinterName("no-such-printer-of-the-test");
        return printer;
    };
    PictureOutput out(std::move(s));
    const common::Error e = errorOf([&] { out.printChart(); });
    EXPECT_EQ(e.number(), 482);
    EXPECT_EQ(e.source(), QString("Vexachart.PrintPic"));
    EXPECT_FALSE(out.outputInProgress());
}

TEST(PictureOutput, SavePicWritesABitmapOfThePicturesSize)
{
    OutputFixture f;
    PictureOutput out = f.make();
    QString name = f.dir.filePath("chart.bmp");
    const QString passed = name;
    out.savePic(name);
    EXPECT_EQ(name, passed);
    EXPECT_TRUE(f.dialogs.saveRequests.empty());
    QImageReader reader(passed);
    EXPECT_EQ(reader.format(), QByteArray("bmp"));
    const QImage back = reader.read();
    EXPECT_EQ(back.size(), QSize(833, 567));
    EXPECT_EQ(back.pixelColor(10, 10), QColor(Qt::red));
    EXPECT_EQ(back.pixelColor(820, 500), QColor(Qt::blue));
}

TEST(PictureOutput, SavePicNamesAndDialogAnswers)
{
    OutputFixture f;
    PictureOutput out = f.make();

    // An existing file: refused before anything is drawn, the file untouched.
    const QString existing = f.dir.filePath("old.bmp");
    {
        QFile old(existing);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    QString name = existing;
    common::Error e = errorOf([&] { out.savePic(name); });
    EXPECT_EQ(e.number(), 9999);
    EXPECT_EQ(e.description(), QString("File already exists"));
    EXPECT_EQ(e.source(), QString("Vexachart.SavePic"));
    EXPECT_EQ(fileBytes(existing), QByteArray("old"));
    EXPECT_EQ(f.renders, 0);
    EXPECT_FALSE(out.outputInProgress());

    // Empty name, Cancel: nothing at all.
    name.clear();
    EXPECT_NO_THROW(out.savePic(name));
    ASSERT_EQ(f.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(f.dialogs.saveRequests[0].title, QString("Save displayed Graph to File"));
    EXPECT_EQ(f.dialogs.saveRequests[0].filter, QString("Picture (*.bmp)"));
    EXPECT_TRUE(name.isEmpty());
    EXPECT_EQ(f.renders, 0);

    // Empty name, a path chosen: written, the path returned.
    f.dialogs.saveAnswer = f.dir.filePath("chosen.bmp");
    out.savePic(name);
    EXPECT_EQ(name, *f.dialogs.saveAnswer);
    EXPECT_EQ(QImage(name).size(), QSize(833, 567));

    // A folder that cannot be written: reported, no file.
    name = QStringLiteral("/nonexistent-folder-of-the-test/chart.bmp");
    e = errorOf([&] { out.savePic(name); });
    EXPECT_EQ(e.number(), 75);
    EXPECT_EQ(e.source(), QString("Vexachart.SavePic"));
    EXPECT_FALSE(QFileInfo::exists(name));
    EXPECT_FALSE(out.outputInProgress());
}

TEST(PictureOutput, CopyPicToClipboardRoundTrip)
{
    OutputFixture f;
    PictureOutput out = f.make();
    QGuiApplication::clipboard()->setText("before");
    out.copyPicToClipboard();
    const QImage back = QGuiApplication::clipboard()->image();
    EXPECT_EQ(back.size(), QSize(833, 567));
    EXPECT_EQ(back.pixelColor(10, 10), QColor(Qt::red));
    EXPECT_EQ(back.pixelColor(820, 10), QColor(Qt::blue));
}

TEST(PopupMenuCommands, FailuresAreShownCancelAndSuccessAreSilent)
{
    common::RecordingMessageBoxes boxes;
    EXPECT_FALSE(runMenuCommand([] { common::raise(75, "Vexachart.SavePic", "Path/File access error"); }, boxes));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, QString("Path/File access error"));
    EXPECT_EQ(common::mb::iconOf(boxes.shown[0].style), common::mb::Critical);

    boxes.clear();
    EXPECT_TRUE(runMenuCommand([] { common::raise(common::errc::DialogCancelled); }, boxes));
    int ran = 0;
    EXPECT_TRUE(runMenuCommand([&] { ++ran; }, boxes));
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(boxes.shown.empty());
}
