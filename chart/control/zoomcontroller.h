#pragma once
// The rubber-band zoom of the plot area as a state machine: press, move, release, double click
// and the zoom timer's tick are plain calls, so the whole sequence runs without an event loop.
// Positions are in the plot area's user scale (0..50000 on both axes, y upwards).
#include "chart/control/zoomborders.h"
#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace vexachart {

// Why a redraw is asked for: the interactive zooms are subject to the redraw's zoom limits,
// resets and scrolling are not.
enum class DrawOrigin { InteractiveZoom, Reset, Scroll };

// What the zoom needs of the chart around it.
class ZoomHost {
public:
    virtual ~ZoomHost() = default;
    virtual bool zoomEnabled() const = 0;
    virtual bool cursorMenuEnabled() const = 0;
    // True while the x/y value read-out is the active cursor mode.
    virtual bool valuesCursorActive() const = 0;
    virtual ZoomBorders displayBorders() const = 0;
    virtual ZoomBorders globalBorders() const = 0;
    // The plot area's size in device pixels.
    virtual QSizeF plotAreaPixels() const = 0;

    virtual void drawChart(const ZoomBorders& borders, DrawOrigin origin) = 0;
    // (Re)starts the single-shot zoom timer so that its full interval runs anew.
    virtual void restartZoomTimer() = 0;
    virtual void stopZoomTimer() = 0;
    // Advances the cursor cycle (off, plot name, values, off).
    virtual void advanceCursorCycle() = 0;
    virtual void hideCursorReadout() = 0;
    virtual void setCrosshairPointer(bool crosshair) = 0;
};

class ZoomController {
public:
    enum class State { Idle, Dragging, Armed };

    // Size of the band that a press shows before the first move, in user units.
    static constexpr double InitialBand = 25.0;

    explicit ZoomController(ZoomHost& host) : m_host(host) {}

    void leftPress(QPointF user);
    void move(QPointF user);
    void release();
    void doubleClick() { m_doubleClicked = true; }
    void zoomTimerTick();

    // Menu zooms.
    void zoomIn();
    void zoomOut();
    void zoomReset();

    State state() const { return m_state; }
    bool dragging() const { return m_state == State::Dragging; }
    bool doubleClicked() const { return m_doubleClicked; }
    // The band while dragging: left and width along x; top is the upper edge (the larger y)
    // and the band extends downwards by its height.
    double bandLeft() const { return m_bandLeft; }
    double bandTop() const { return m_bandTop; }
    double bandWidth() const { return m_bandWidth; }
    double bandHeight() const { return m_bandHeight; }
    QPointF zoomStart() const { return m_zoomStart; }
    QPointF zoomEnd() const { return m_zoomEnd; }

private:
    bool bandIsClick() const;

    ZoomHost& m_host;
    State m_state = State::Idle;
    bool m_doubleClicked = false;
    QPointF m_zoomStart;
    QPointF m_zoomEnd;
    double m_bandLeft = 0.0;
    double m_bandTop = 0.0;
    double m_bandWidth = 0.0;
    double m_bandHeight = 0.0;
};

} // namespace vexachart
