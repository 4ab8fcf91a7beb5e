#pragma once
// A small up-down control beside a text box: up adds one, down takes one, within a range.
// Setting the value in code emits nothing; only a press of the buttons does.
#include <QWidget>

class QToolButton;

namespace vexachart {

class SpinButtons : public QWidget {
    Q_OBJECT
public:
    SpinButtons(int minimum, int maximum, QWidget* parent = nullptr);

    int value() const { return m_value; }
    // Clamped into the range.
    void setValue(int value);
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    void stepBy(int steps);

signals:
    void valueChanged(int value);

private:
    int m_min;
    int m_max;
    int m_value;
};

} // namespace vexachart
