#pragma once
// The one paint routine of the chart: screen, printer, bitmap file, clipboard and the report's
// picture all come from it.
#include "chart/control/chart.h"
#include <QPainter>

namespace vexachart {

struct RenderFonts {
    QFont title, labels, plot, legend;
};

struct RenderInput {
    const Vexachart* chart = nullptr;
    const Scene* scene = nullptr;
    const AxisScale* xScale = nullptr;
    const AxisScale* yScale = nullptr;
    RenderFonts fonts;
    double twipsPerPixel = 15.0;
    QSize size;           // picture size in pixels
    bool output = false;  // the framed output picture instead of the screen picture
    QString flashMessage; // shown over a cleared plot area while a message is flashed
    double penScale = 1.0; // line widths and marker sizes of the screen picture are multiplied by it
};

// Pixel rectangle of an area given in twips (edges rounded, so neighbours meet).
QRect toPixels(const TwipRect& r, double twipsPerPixel);

// The frame of the plot area lies on the outermost pixels of its rectangle: one pixel on screen,
// the wider outline of the output picture centred on the edges. Data, grid, cursor and mouse map
// onto the pixels inside it (the client rectangle), so that nothing on a border is covered.
int plotFrameInset(bool output, double penScale);
QRect plotClientRect(const QRect& graph, bool output, double penScale);

void paintChart(QPainter& painter, const RenderInput& in);
// Paints again only what lies on the control's background (frames, legend, titles, turned label),
// as paintChart does; the plot area and the scale strips keep their pixels.
void paintSurroundings(QPainter& painter, const RenderInput& in);

// Draws a marker of the given style centred on the point, size in pixels (styles 1..7).
void DrawMarker(QPainter& painter, int style, int size, QPointF centre, const QColor& fore, const QColor& fill);

} // namespace vexachart
