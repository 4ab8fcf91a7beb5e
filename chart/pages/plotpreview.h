#pragma once
// The previews of the plots page: the line box (a zigzag in the plot's colour and width with the
// plot's marker at its two inner corners) and the eight marker boxes (style 0 reads "none").
// Both paint on the chart's background colour; markers keep their size in pixels.
#include "common/colour.h"
#include <QColor>
#include <QWidget>

namespace vexachart {

struct PreviewState {
    common::ColourValue backColour = 0xFFFFFF;
    QColor foreColour = Qt::black;
    double lineWidth = 1;   // the width box's number; 0 or less draws no line
    int markerStyle = 0;    // 0 none, 1..7
    int markerSize = 1;
    bool operator==(const PreviewState&) const = default;
};

class PlotPreview : public QWidget {
    Q_OBJECT
public:
    // markerBox -1: the line box; 0..7: the box of that marker style.
    explicit PlotPreview(int markerBox, QWidget* parent = nullptr);

    int markerBox() const { return m_box; }
    const PreviewState& state() const { return m_state; }
    void setState(const PreviewState& state);
    void setSelected(bool on);
    bool isSelected() const { return m_selected; }
    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_box;
    bool m_selected = false;
    PreviewState m_state;
};

} // namespace vexachart
