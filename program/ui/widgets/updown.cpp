#include "program/ui/widgets/updown.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace ui {

UpDown::UpDown(QWidget* parent) : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        b->setFocusPolicy(Qt::NoFocus);
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedHeight(26);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] {
        emit upClicked();
        step(+1);
    });
    connect(m_down, &QToolButton::clicked, this, [this] {
        emit downClicked();
        step(-1);
    });
}

bool UpDown::setValue(int v)
{
    if (v == m_value)
        return false;
    m_value = v;
    return true;
}

void UpDown::step(int delta)
{
    const int next = qBound(m_min, m_value + delta, qMax(m_min, m_max));
    if (next == m_value)
        return;
    m_value = next;
    emit valueChanged(m_value);
}

} // namespace ui
