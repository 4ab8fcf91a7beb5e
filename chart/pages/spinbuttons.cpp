#include "chart/pages/spinbuttons.h"
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vexachart {

SpinButtons::SpinButtons(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_min(minimum), m_max(maximum), m_value(minimum)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    up->setObjectName(QStringLiteral("up"));
    auto* down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    down->setObjectName(QStringLiteral("down"));
    for (QToolButton* b : {up, down}) {
        b->setAutoRepeat(true);
        b->setFixedSize(18, 12);
        layout->addWidget(b);
    }
    connect(up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void SpinButtons::setValue(int value)
{
    m_value = std::clamp(value, m_min, m_max);
}

void SpinButtons::stepBy(int steps)
{
    const int next = std::clamp(m_value + steps, m_min, m_max);
    if (next == m_value)
        return;
    m_value = next;
    emit valueChanged(m_value);
}

} // namespace vexachart
