// The context menu through real mouse presses on the widget.
#include "zoomwidgetfixture.h"
#include <QAction>
#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vexachart;

TEST(PopupMenuWidget, OpensOnTheRightButtonAndNotWhenEveryGroupIsOff)
{
    ChartWidgetFixture f;
    f.w.show();
    const QPoint plot = f.at(25000, 25000);
    f.send(QEvent::MouseButtonPress, plot, Qt::RightButton, Qt::RightButton);
    EXPECT_TRUE(f.w.menu()->isVisible());
    f.w.menu()->hide();

    f.send(QEvent::MouseButtonPress, QPoint(3, 3), Qt::MiddleButton, Qt::MiddleButton); // the frame
    EXPECT_FALSE(f.w.menu()->isVisible());

    Vexachart& c = f.w.chart();
    c.setEnableMenuOptionCursor(false);
    c.setEnableMenuOptionLegend(false);
    c.setEnableMenuOptionZoom(false);
    c.setEnableMenuOptionSave(false);
    f.send(QEvent::MouseButtonPress, plot, Qt::RightButton, Qt::RightButton);
    EXPECT_FALSE(f.w.menu()->isVisible());
}

TEST(PopupMenuWidget, CheckMarksFollowTheCursorModeAndTheLegend)
{
    ChartWidgetFixture f;
    QAction* cursor = f.w.menuItem("mnuShowCursor");
    QAction* name = f.w.menuItem("mnuShowPlotName");
    QAction* legend = f.w.menuItem("mnuShowLegend");
    name->trigger();
    EXPECT_TRUE(name->isChecked());
    EXPECT_FALSE(cursor->isChecked());
    cursor->trigger();
    EXPECT_TRUE(cursor->isChecked());
    EXPECT_FALSE(name->isChecked());
    EXPECT_TRUE(f.w.timerCursor()->isActive());
    cursor->trigger();
    EXPECT_FALSE(cursor->isChecked() || name->isChecked());
    EXPECT_FALSE(f.w.timerCursor()->isActive());

    ASSERT_TRUE(legend->isChecked());
    legend->trigger();
    EXPECT_FALSE(f.w.chart().ShowLegend());
    EXPECT_FALSE(legend->isChecked());
}
