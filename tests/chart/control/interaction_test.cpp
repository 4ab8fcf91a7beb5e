#include "chart/control/interaction.h"
#include "chart/control/widget.h"
#include "common/widgets/qtcolour.h"
#include "chartfixture.h"
#include "fakeservices.h"
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTimer>

using namespace vexachart;
using namespace vexachart::testing;

namespace {
std::unique_ptr<Vexachart> chart0to100()
{
    auto c = makeChart();
    c->SetGlobalBorders(0.0, 100.0, 0.0, 100.0);
    return c;
}
}

TEST(Zoom, DraggedRectangleZoomsAfterTheTimerInAnyDirection)
{
    const QPointF corners[4][2] = {{{10000, 40000}, {30000, 20000}}, {{30000, 20000}, {10000, 40000}},
        {{10000, 20000}, {30000, 40000}}, {{30000, 40000}, {10000, 20000}}};
    for (const auto& c2 : corners) {
        auto c = chart0to100();
        ChartInteraction z(*c);
        z.press(ChartInteraction::Area::Plot, ChartInteraction::Button::Left, c2[0].x(), c2[0].y());
        EXPECT_TRUE(z.dragging());
        z.move(c2[1].x(), c2[1].y());
        EXPECT_TRUE(z.release());
        EXPECT_EQ(c->displayBorders(), (Borders{0, 100, 0, 100})); // nothing before the timer
        z.zoomTick();
        EXPECT_EQ(c->displayBorders(), (Borders{20, 60, 40, 80}));
    }
}

TEST(Zoom, DoubleClickResetsAndClicksAdvanceTheCursor)
{
    auto c = chart0to100();
    c->SetDisplayBorders(20.0, 40.0, 20.0, 40.0);
    ChartInteraction z(*c);
    z.press(ChartInteraction::Area::Plot, ChartInteraction::Button::Left, 100, 100);
    z.release();
    z.doubleClick();
    z.zoomTick();
    EXPECT_EQ(c->displayBorders(), (Borders{0, 100, 0, 100}));
    // A plain click leaves a 25-unit band: refused as a zoom, the cursor cycle advances.
    for (CursorMode expected : {CursorMode::PlotName, CursorMode::Values, CursorMode::Off}) {
        z.press(ChartInteraction::Area::Plot, ChartInteraction::Button::Left, 100, 100);
        z.release();
        z.zoomTick();
        EXPECT_EQ(c->cursorMode(), expected);
    }
    // Jitter: a band without height is a click, not a flash and a reset.
    c->SetDisplayBorders(20.0, 40.0, 20.0, 40.0);
    z.press(ChartInteraction::Area::Plot, ChartInteraction::Button::Left, 100, 100);
    z.move(20000, 100);
    z.release();
    z.zoomTick();
    EXPECT_EQ(c->displayBorders(), (Borders{20, 40, 20, 40}));
    EXPECT_FALSE(c->flashPending());
    EXPECT_EQ(c->cursorMode(), CursorMode::PlotName);
    // With zoom off a click goes straight to the cursor cycle.
    c->setEnableMenuOptionZoom(false);
    z.click();
    EXPECT_EQ(c->cursorMode(), CursorMode::Values);
}

TEST(Zoom, MenuZoomsAndScrolling)
{
    auto c = chart0to100();
    ChartInteraction z(*c);
    z.zoomIn();
    EXPECT_EQ(c->displayBorders().X_Left, 25.0);
    z.zoomIn();
    EXPECT_EQ(c->displayBorders().X_Left, 37.5);
    EXPECT_EQ(c->displayBorders().X_Right, 62.5);
    c->SetDisplayBorders(5.0, 45.0, 0.0, 100.0);
    z.zoomOut();
    EXPECT_EQ(c->displayBorders().X_Left, 0.0);
    EXPECT_EQ(c->displayBorders().X_Right, 65.0);
    c->SetDisplayBorders(25.0, 50.0, 25.0, 50.0);
    z.scrollH(7500);
    EXPECT_EQ(c->displayBorders().X_Left, 50.0);
    EXPECT_EQ(c->displayBorders().X_Right, 75.0);
    z.scrollV(5000);
    EXPECT_EQ(c->displayBorders().Y_Bottom, 50.0);
    z.scrollV(c->scrollV().min);
    EXPECT_EQ(c->displayBorders().Y_Top, 100.0);
    // Log axis: zoom in on 1..1000 shows the middle decades.
    c->SetGlobalBorders(1.0, 1000.0, 0.0, 1.0, qint16(1), qint16(0));
    z.zoomIn();
    EXPECT_NEAR(c->displayBorders().X_Left, 0.75, 1e-12);
    EXPECT_NEAR(c->displayBorders().X_Right, 2.25, 1e-12);
}

TEST(Cursor, ModesFollowSelectAndSetCursor)
{
    auto c = makeChart();
    struct Step {
        int kind; // 0 SelectCursor without argument, 1 SelectCursor(n), 2 SetCursor(n)
        int n;
        CursorMode expected;
    };
    const Step steps[] = {{0, 0, CursorMode::PlotName}, {0, 0, CursorMode::Values}, {0, 0, CursorMode::Off},
        {1, 0, CursorMode::PlotName}, {1, 0, CursorMode::Off}, {1, 1, CursorMode::Values}, {1, 0, CursorMode::PlotName},
        {1, 2, CursorMode::PlotName}, {2, 5, CursorMode::PlotName}, {2, 1, CursorMode::Values}, {1, 1, CursorMode::Off},
        {2, 0, CursorMode::Off}, {2, 2, CursorMode::PlotName}};
    for (const Step& s : steps) {
        if (s.kind == 0)
            c->SelectCursor();
        else if (s.kind == 1)
            c->SelectCursor(qint16(s.n));
        else
            c->SetCursor(static_cast<qint16>(s.n));
        EXPECT_EQ(c->cursorMode(), s.expected);
    }
}

TEST(Cursor, ReadOutCaptionPlacementAndEvent)
{
    auto c = chart0to100();
    ChartInteraction z(*c);
    EXPECT_EQ(z.valuesCaption(1234.5, -0.5), QStringLiteral(" x = 1.2345E+03 \n  y =-5.0000E-01 "));
    EXPECT_EQ(z.valuesCaption(0.0, 0.0), QStringLiteral(" x = 0.0000E+00 \n  y = 0.0000E+00 "));
    QSignalSpy xy(c.get(), &Vexachart::CursorXY);
    z.move(25000, 10000);
    ASSERT_EQ(xy.count(), 1);
    EXPECT_EQ(xy.first().at(0).toDouble(), 50.0);
    EXPECT_EQ(xy.first().at(1).toDouble(), 20.0);
    // Placement near the bottom-right corner flips to the upper left of the crossing.
    c->SetCursor(1);
    z.move(49000, 1000);
    const CursorOverlay o = z.cursorTick([](const QString&) { return QSizeF(6000, 3000); }, QSizeF(150, 400));
    EXPECT_DOUBLE_EQ(o.labelLeft, 42100);
    EXPECT_DOUBLE_EQ(o.labelTop, 5200);
    EXPECT_TRUE(o.labelVisible);
    // Log axis: the event carries the axis value; date axis: date-time text.
    c->SetGlobalBorders(1.0, 1000.0, 0.0, 1.0, qint16(1), qint16(0));
    z.move(25000, 0);
    EXPECT_NEAR(xy.last().at(0).toDouble(), 31.6227766, 1e-6);
    c->SetGlobalBorders(0.0, 10.0, 0.0, 1.0);
    c->setXScalingNotation(2);
    c->SetGlobalBorders(QStringLiteral("2005/03/07/00/00/00"), QStringLiteral("2005/03/08/00/00/00"), 0.0, 1.0);
    z.move(25000, 0);
    EXPECT_EQ(xy.last().at(0).toString(), QStringLiteral("2005/03/07/12/00/00"));
}

TEST(Cursor, NearestPlotName)
{
    auto c = chart0to100();
    c->ClearAllPlotData();
    for (double x : {0.0, 10.0, 20.0, 30.0}) {
        c->AddNewDataPoint(1, x, 50.0);
        c->AddNewDataPoint(2, x, 52.0);
        c->AddNewDataPoint(3, x, 50.5);
    }
    c->SetPlotLegendText(1, QStringLiteral("  word  "));
    c->SetPlotVisible(3, false);
    ChartInteraction z(*c);
    EXPECT_EQ(z.FindNearestPlotName(15.0, 50.4), QStringLiteral("word")); // the hidden plot 3 is nearer
    EXPECT_EQ(z.FindNearestPlotName(15.0, 51.0), QStringLiteral("word")); // a tie names the lower number
    EXPECT_EQ(z.FindNearestPlotName(15.0, 60.0), QString());               // beyond 3 % of the y range
    EXPECT_EQ(z.FindNearestPlotName(-1.0, 50.0), QString());               // left of every first point
    EXPECT_EQ(z.FindNearestPlotName(30.0, 52.1), QString::fromLatin1("Plot 2")); // exactly at the last x
    // A duplicate x in one plot does not block the match of another.
    c->AddNewDataPoint(2, 20.0, 90.0);
    EXPECT_EQ(z.FindNearestPlotName(20.0, 50.1), QStringLiteral("word"));
    // Two-point plots are never named.
    c->SetPlotVisible(2, false);
    c->ClearSinglePlotDataArray(1);
    c->AddNewDataPoint(1, 0.0, 50.0);
    c->AddNewDataPoint(1, 30.0, 50.0);
    EXPECT_EQ(z.FindNearestPlotName(15.0, 50.0), QString());
}

TEST(ChartWidget, MenuFollowsTheSwitchesAndOpensOnlyWhenAllowed)
{
    VexachartWidget w;
    w.resize(600, 400);
    w.chart().initNew();
    w.chart().resizeTo(w.size());
    const char* items[] = {"mnuShowCursor", "mnuShowPlotName", "mnuSeparator0", "mnuShowLegend", "mnuSeparator1",
        "mnuZoomFitted", "mnuZoomReset", "mnuZoomOut", "mnuZoomIn", "mnuSeparator2", "mnuPrintGraph", "mnuSavePicture",
        "mnucCopyPicToClipBoard", "mnuSeparator3", "mnuSaveData", "mnucCopyDataToClipBoard"};
    const QList<QAction*> actions = w.menu()->actions();
    ASSERT_EQ(actions.size(), 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(actions[i]->objectName(), QString::fromLatin1(items[i]));
    Vexachart& c = w.chart();
    struct Row {
        bool cursor, legend, zoom, save;
        bool sep0, sep1, sep2, sep3;
    };
    const Row rows[] = {{false, false, false, false, false, false, false, false},
        {false, false, false, true, false, false, false, true}, {true, true, false, false, true, false, false, false},
        {false, true, true, false, false, true, false, false}, {false, false, true, true, false, false, true, true},
        {true, true, true, true, true, true, true, true}};
    for (const Row& r : rows) {
        c.setEnableMenuOptionCursor(r.cursor);
        c.setEnableMenuOptionLegend(r.legend);
        c.setEnableMenuOptionZoom(r.zoom);
        c.setEnableMenuOptionSave(r.save);
        EXPECT_EQ(w.menuItem(QStringLiteral("mnuSeparator0"))->isVisible(), r.sep0);
        EXPECT_EQ(w.menuItem(QStringLiteral("mnuSeparator1"))->isVisible(), r.sep1);
        EXPECT_EQ(w.menuItem(QStringLiteral("mnuSeparator2"))->isVisible(), r.sep2);
        EXPECT_EQ(w.menuItem(QStringLiteral("mnuSeparator3"))->isVisible(), r.sep3);
        EXPECT_EQ(w.menuItem(QStringLiteral("mnuZoomIn"))->isVisible(), r.zoom);
        EXPECT_EQ(w.menuItem(QStringLiteral("mnuSaveData"))->isVisible(), r.save);
        EXPECT_EQ(w.interaction().press(ChartInteraction::Area::Frame, ChartInteraction::Button::Right, 0, 0),
            r.cursor || r.legend || r.zoom || r.save);
    }
    // The middle button opens the menu over the plot only.
    EXPECT_TRUE(w.interaction().press(ChartInteraction::Area::Plot, ChartInteraction::Button::Middle, 0, 0));
    EXPECT_FALSE(w.interaction().press(ChartInteraction::Area::Legend, ChartInteraction::Button::Middle, 0, 0));
}

TEST(ChartWidget, MenuFailuresAreReported)
{
    VexachartWidget w;
    FakeServices services;
    w.setServices(&services);
    w.resize(600, 400);
    w.chart().initNew();
    w.chart().resizeTo(w.size());
    services.chosenFile = QStringLiteral("/nonexistent-folder/x.bmp");
    w.menuItem(QStringLiteral("mnuSavePicture"))->trigger(); // cannot be written
    ASSERT_EQ(services.errors.size(), 1);
    EXPECT_EQ(services.errors.first(), QStringLiteral("Path/File access error"));
    services.chosenFile.reset();
    w.menuItem(QStringLiteral("mnuSavePicture"))->trigger(); // Cancel: silent
    EXPECT_EQ(services.errors.size(), 1);
    w.menuItem(QStringLiteral("mnucCopyDataToClipBoard"))->trigger();
    EXPECT_TRUE(services.clipboardText.startsWith(QStringLiteral("Vexachart\t")));
}

TEST(ChartWidget, MouseDragZoomsThroughTheWidget)
{
    VexachartWidget w;
    w.resize(600, 400);
    w.chart().initNew();
    w.chart().resizeTo(w.size());
    w.chart().SetGlobalBorders(0.0, 100.0, 0.0, 100.0);
    const QPoint a = w.fromUser(QPointF(10000, 40000)).toPoint();
    const QPoint b = w.fromUser(QPointF(30000, 20000)).toPoint();
    QTest::mousePress(&w, Qt::LeftButton, {}, a);
    QTest::mouseMove(&w, b);
    QMouseEvent move(QEvent::MouseMove, b, w.mapToGlobal(b), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&w, &move);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, b);
    EXPECT_TRUE(w.timerZoom()->isActive());
    w.TimerZoom_Timer();
    const Borders d = w.chart().displayBorders();
    EXPECT_NEAR(d.X_Left, 20.0, 0.5);
    EXPECT_NEAR(d.X_Right, 60.0, 0.5);
    EXPECT_NEAR(d.Y_Bottom, 40.0, 0.5);
    EXPECT_NEAR(d.Y_Top, 80.0, 0.5);
}

TEST(ChartWidget, ZoomedChartShowsTheCursorReadOut)
{
    VexachartWidget w;
    w.resize(700, 450);
    w.show();
    Vexachart& c = w.chart();
    c.initNew();
    c.setTitle(QStringLiteral("Pressure drop"));
    c.SetGlobalBorders(0.0, 100.0, 0.0, 100.0);
    c.resizeTo(w.size());
    w.interaction().zoomIn();
    c.SetCursor(1);
    EXPECT_TRUE(w.timerCursor()->isActive());
    const QPoint at = w.fromUser(QPointF(20000, 30000)).toPoint();
    QMouseEvent move(QEvent::MouseMove, at, w.mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(&w, &move);
    w.TimerCursor_Timer();
    const CursorOverlay& o = w.cursorOverlay();
    EXPECT_TRUE(o.linesVisible);
    EXPECT_TRUE(o.labelVisible);
    EXPECT_TRUE(o.caption.startsWith(QStringLiteral(" x = 4.")));
    const QImage shot = w.grab().toImage();
    if (const char* dir = std::getenv("VEXACHART_SNAPSHOT_DIR"))
        shot.save(QString::fromLocal8Bit(dir) + QStringLiteral("/chart-zoomed-cursor.png"));
    // The read-out label's box is drawn right of and below the crossing.
    const QPoint label = w.fromUser(QPointF(o.labelLeft, o.labelTop)).toPoint() + QPoint(3, 3);
    EXPECT_EQ(QColor(shot.pixel(label * shot.devicePixelRatio())), common::toQColor(c.ClrControlBackGround()));
    c.SetCursor(0);
    EXPECT_FALSE(w.timerCursor()->isActive());
    EXPECT_FALSE(w.cursorOverlay().linesVisible);
}
