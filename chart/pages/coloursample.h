#pragma once
// A clickable colour box: it keeps the raw colour value (system colours included, so a value the
// developer did not touch goes back unchanged) and paints its palette colour behind a caption.
#include "common/colour.h"
#include <QWidget>

namespace vexachart {

class ColourSample : public QWidget {
    Q_OBJECT
public:
    explicit ColourSample(const QString& caption, QWidget* parent = nullptr);

    common::ColourValue BackColor() const { return m_value; }
    void setBackColor(common::ColourValue value);
    QColor shownColour() const;
    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_caption;
    common::ColourValue m_value = 0xFFFFFF;
};

} // namespace vexachart
