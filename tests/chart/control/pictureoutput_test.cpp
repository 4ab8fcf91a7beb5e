// Picture output cases beyond the main paths: the chart on screen stays untouched and no event
// loop runs during a run, the legend leaves the picture when it is hidden, a refusing clipboard is
// an error, and the desktop services really reach the system clipboard.
#include "chart/control/widget.h"
#include "chartfixture.h"
#include "exporttestsupport.h"
#include "testsupport.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vexachart;
using vexachart::testing::errorOf;

TEST(PictureOutput, RunsLeaveTheScreenChartAloneAndRunNoEventLoop)
{
    QTemporaryDir dir;
    CountingServices services;
    auto chart = vexachart::testing::makeChart(true);
    chart->setPInit(false);
    chart->setServices(&services);
    chart->DrawChart();
    const QImage screen = chart->picture();
    const int redraws = chart->redrawCount();
    const Borders display = chart->displayBorders();

    QString bmp = dir.filePath("chart.bmp");
    chart->SavePic(&bmp);
    chart->CopyPicToClipboard();
    services.pdfPath = dir.filePath("page.pdf");
    chart->PrintChart();
    QString existing = bmp;
    EXPECT_EQ(errorOf([&] { chart->SavePic(&existing); }).number, 9999);

    EXPECT_EQ(chart->picture(), screen);
    EXPECT_EQ(chart->redrawCount(), redraws);
    EXPECT_EQ(chart->displayBorders(), display);
    EXPECT_FALSE(chart->outputInProgress());
    EXPECT_EQ(services.pumps, 0);
}

TEST(PictureOutput, HiddenLegendLeavesThePictureAndARefusingClipboardIsAnError)
{
    CountingServices services;
    auto chart = vexachart::testing::makeChart(true);
    chart->setPInit(false);
    chart->setServices(&services);
    chart->CopyPicToClipboard();
    const QImage withLegend = services.clipboardImage;
    chart->setShowLegend(false);
    chart->CopyPicToClipboard();
    EXPECT_EQ(services.clipboardImage.size(), withLegend.size());
    EXPECT_NE(services.clipboardImage, withLegend);

    services.clipboardWorks = false;
    const auto e = errorOf([&] { chart->CopyPicToClipboard(); });
    EXPECT_EQ(e.source, QString("Vexachart.CopyPicToClipboard"));
    EXPECT_NE(e.number, 0);
}

TEST(PictureOutput, DesktopServicesRoundTripThroughTheSystemClipboard)
{
    VexachartWidget widget;
    widget.resize(600, 400);
    widget.chart().initNew();
    widget.chart().resizeTo(widget.size());
    widget.chart().CopyPicToClipboard(); // through the widget's own desktop services
    const QImage back = QGuiApplication::clipboard()->image();
    EXPECT_EQ(back.size(), widget.chart().outputPicture().size());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32),
              widget.chart().outputPicture().convertToFormat(QImage::Format_RGB32));

    widget.chart().CopyDataToClipboard();
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_EQ(text, widget.chart().exportText(true));
    EXPECT_FALSE(text.contains('\r'));
}
