#pragma once
// A chart widget laid out at 600 x 400 with the start-up plots and global borders 0..100.
#include "chart/control/widget.h"
#include <QApplication>
#include <QMouseEvent>

struct ChartWidgetFixture {
    vexachart::VexachartWidget w;

    ChartWidgetFixture()
    {
        w.resize(600, 400);
        w.chart().initNew();
        w.chart().resizeTo(w.size());
        w.chart().setPInit(false);
        w.chart().SetGlobalBorders(0.0, 100.0, 0.0, 100.0);
    }

    QPoint at(double u, double v) const { return w.fromUser(QPointF(u, v)).toPoint(); }

    void send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, QPointF(pos), QPointF(w.mapToGlobal(pos)), button, buttons, {});
        QApplication::sendEvent(&w, &e);
    }
};
