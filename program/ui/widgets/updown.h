#pragma once
// A small up-down control: two arrow buttons, with an optional value range.
// Setting Min or Max never signals; setValue signals nothing and tells whether the value changed,
// so the caller runs the change handler itself. An arrow click signals upClicked/downClicked and,
// when the value moved inside the range, valueChanged.
#include <QWidget>

class QToolButton;

namespace ui {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Value() const { return m_value; }
    void setMin(int v) { m_min = v; }
    void setMax(int v) { m_max = v; }
    // Stores the value; true when it differs from the one held.
    bool setValue(int v);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void upClicked();
    void downClicked();
    void valueChanged(int value);

private:
    void step(int delta);

    QToolButton* m_up;
    QToolButton* m_down;
    int m_min = 0;
    int m_max = 10;
    int m_value = 0;
};

} // namespace ui
