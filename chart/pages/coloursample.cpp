#include "chart/pages/coloursample.h"
#include "common/widgets/qtcolour.h"
#include <QMouseEvent>
#include <QPainter>

namespace vexachart {

ColourSample::ColourSample(const QString& caption, QWidget* parent) : QWidget(parent), m_caption(caption)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void ColourSample::setBackColor(common::ColourValue value)
{
    m_value = value;
    update();
}

QColor ColourSample::shownColour() const
{
    return common::toQColor(m_value, palette());
}

QSize ColourSample::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(m_caption) + 24, fm.height() + 12);
}

void ColourSample::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor back = shownColour();
    p.fillRect(rect(), back);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // The caption in black or white, whichever reads on the colour.
    p.setPen(back.lightness() < 128 ? Qt::white : Qt::black);
    p.drawText(rect(), Qt::AlignCenter, m_caption);
}

void ColourSample::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace vexachart
