#include "chart/pages/plotpreview.h"
#include "chart/control/render.h"
#include "common/widgets/qtcolour.h"
#include <QMouseEvent>
#include <QPainter>
#include <QTransform>
#include <algorithm>

namespace vexachart {

namespace {

// A box's user scale: left, top, width, height (negative height: y grows upward).
QTransform userScale(const QRectF& box, double left, double top, double width, double height)
{
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / width, box.height() / height);
    t.translate(-left, -top);
    return t;
}

constexpr int MaxMarkerPixels = 40;

} // namespace

PlotPreview::PlotPreview(int markerBox, QWidget* parent) : QWidget(parent), m_box(markerBox)
{
    if (m_box >= 0)
        setCursor(Qt::PointingHandCursor);
}

void PlotPreview::setState(const PreviewState& state)
{
    m_state = state;
    update();
}

void PlotPreview::setSelected(bool on)
{
    m_selected = on;
    update();
}

QSize PlotPreview::sizeHint() const
{
    return m_box < 0 ? QSize(200, 66) : QSize(40, 32);
}

void PlotPreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = QRectF(rect()).adjusted(3, 3, -3, -3);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.fillRect(inner, common::toQColor(m_state.backColour, palette()));
    const int size = std::min(std::abs(m_state.markerSize), MaxMarkerPixels);
    const double drawWidth = m_state.lineWidth > 0 ? m_state.lineWidth : 1.0;
    QPen pen(m_state.foreColour, drawWidth);
    pen.setCosmetic(true);
    p.setPen(pen);
    if (m_box < 0) {
        const QTransform t = userScale(inner, -600, 200, 1200, -400);
        if (m_state.lineWidth > 0) {
            const QPointF zigzag[] = {t.map(QPointF(-600, 100)), t.map(QPointF(-250, -100)),
                t.map(QPointF(250, 100)), t.map(QPointF(600, -100))};
            p.drawPolyline(zigzag, 4);
        }
        for (QPointF corner : {QPointF(-250, -100), QPointF(250, 100)})
            DrawMarker(p, m_state.markerStyle, size, t.map(corner), m_state.foreColour, Qt::black);
    } else {
        const QTransform t = userScale(inner, -20, 10, 40, -20);
        if (m_box == 0) {
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(inner, Qt::AlignCenter, QStringLiteral("none"));
        } else {
            DrawMarker(p, m_box, size, t.map(QPointF(0, 0)), m_state.foreColour, Qt::black);
        }
        if (m_selected) {
            // The selection frame around the chosen marker box.
            QPen frame(palette().color(QPalette::Highlight), 2);
            p.setPen(frame);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
    }
}

void PlotPreview::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_box >= 0 && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace vexachart
