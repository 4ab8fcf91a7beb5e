#include "chart/control/plotlines.h"
#include <QImage>
#include <QRegion>
#include <cmath>
#include <optional>
#include <vector>

namespace vexachart {

namespace {

// Where one-pixel spans can go straight into the image: an opaque solid cosmetic pen with end
// caps, no antialiasing, source-over, no transform and at most a rectangular clip.
struct DirectTarget {
    uchar* bits = nullptr;
    qsizetype bytesPerLine = 0;
    QRect clip;
    quint32 colour = 0;
};

std::optional<DirectTarget> directTarget(QPainter& p)
{
    QPaintDevice* device = p.device();
    if (!device || device->devType() != QInternal::Image)
        return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    if ((image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32_Premultiplied)
        || image->devicePixelRatio() != 1.0)
        return std::nullopt;
    const QPen& pen = p.pen();
    const QColor colour = pen.color();
    if (pen.style() != Qt::SolidLine || pen.widthF() != 0.0 || pen.capStyle() == Qt::FlatCap
        || pen.brush().style() != Qt::SolidPattern || colour.spec() != QColor::Rgb || colour.alpha() != 255)
        return std::nullopt;
    if (p.testRenderHint(QPainter::Antialiasing) || p.compositionMode() != QPainter::CompositionMode_SourceOver
        || p.opacity() != 1.0 || !p.combinedTransform().isIdentity())
        return std::nullopt;
    DirectTarget t;
    t.clip = image->rect();
    if (p.hasClipping()) {
        const QRegion region = p.clipRegion();
        if (region.rectCount() != 1)
            return std::nullopt;
        t.clip &= region.boundingRect();
    }
    // The painter has detached the image when it began, so this is the buffer it paints into.
    t.bits = image->bits();
    t.bytesPerLine = image->bytesPerLine();
    t.colour = colour.rgba();
    return t;
}

// Writes a vertical segment with the painter's rule for thin aliased lines with end caps: both
// ends go to 26.6 fixed point (truncated), and the rows from the one holding the upper end to the
// one holding the lower end are set in the column holding x. False leaves the segment to the
// painter: not vertical, zero length, shorter than the fixed-point step, or far off the image.
bool writeVerticalSpan(const DirectTarget& t, const QLineF& l, int imageHeight)
{
    const double x = l.x1();
    if (x != l.x2() || l.y1() == l.y2())
        return false;
    const double top = std::min(l.y1(), l.y2());
    const double bottom = std::max(l.y1(), l.y2());
    // Inside these bounds the painter neither clips the line before rasterising nor overflows.
    if (!(x >= 0.0 && x < 32768.0 && top >= -1.0 && bottom <= imageHeight + 1.0))
        return false;
    const int y1 = static_cast<int>(top * 64.0);
    const int y2 = static_cast<int>(bottom * 64.0);
    if (y1 == y2)
        return false;
    const int column = static_cast<int>(x * 64.0) >> 6;
    if (column < t.clip.left() || column > t.clip.right())
        return true;
    const int first = std::max(y1 >> 6, t.clip.top());
    const int last = std::min(y2 >> 6, t.clip.bottom());
    uchar* row = t.bits + static_cast<qsizetype>(first) * t.bytesPerLine + static_cast<qsizetype>(column) * 4;
    for (int y = first; y <= last; ++y, row += t.bytesPerLine)
        *reinterpret_cast<quint32*>(row) = t.colour;
    return true;
}

} // namespace

void drawPlotLines(QPainter& painter, const QLineF* lines, int count)
{
    if (count <= 0)
        return;
    const std::optional<DirectTarget> target = directTarget(painter);
    if (!target) {
        painter.drawLines(lines, count);
        return;
    }
    // The pen is opaque and the same for all lines, so the order of drawing does not show.
    const int height = static_cast<QImage*>(painter.device())->height();
    thread_local std::vector<QLineF> rest;
    rest.clear();
    for (int i = 0; i < count; ++i)
        if (!writeVerticalSpan(*target, lines[i], height))
            rest.push_back(lines[i]);
    if (!rest.empty())
        painter.drawLines(rest.data(), static_cast<int>(rest.size()));
}

void drawPenMarkers(QPainter& painter, const std::vector<QPointF>& centres, int reach,
    const std::function<void(QPainter&, const std::vector<QPointF>&)>& drawAll)
{
    // The stamp takes a painter of its own: for a few hundred markers or fewer drawing them is as quick.
    const std::optional<DirectTarget> target = centres.size() >= 256 && reach >= 0 && reach <= 64
        ? directTarget(painter) : std::nullopt;
    if (!target) {
        drawAll(painter, centres);
        return;
    }
    // One marker on the centre of a pixel of a blank stamp: the pixels it sets, relative to it.
    const int half = reach + 2;
    QImage stamp(2 * half + 1, 2 * half + 1, QImage::Format_RGB32);
    const QRgb background = target->colour ^ 0x00FFFFFFu;
    stamp.fill(background);
    {
        QPainter sp(&stamp);
        sp.setPen(painter.pen());
        sp.setRenderHints(painter.renderHints());
        drawAll(sp, {QPointF(half + 0.5, half + 0.5)});
    }
    std::vector<QPoint> offsets;
    for (int y = 0; y < stamp.height(); ++y)
        for (int x = 0; x < stamp.width(); ++x) {
            const QRgb c = stamp.pixel(x, y);
            if (c == background)
                continue;
            if (c != target->colour) { // not one opaque colour after all
                drawAll(painter, centres);
                return;
            }
            offsets.emplace_back(x - half, y - half);
        }
    // Whole pixel shifts give the same pixels as long as the painter need not cut the marker's
    // lines at the picture's edge; markers nearer to it than the stamp and a margin are drawn.
    const auto* image = static_cast<const QImage*>(painter.device());
    const QRect safe = image->rect().adjusted(half + 2, half + 2, -half - 2, -half - 2);
    const int clipLeft = target->clip.left(), clipRight = target->clip.right();
    const int clipTop = target->clip.top(), clipBottom = target->clip.bottom();
    std::vector<QPointF> rest;
    for (const QPointF& c : centres) {
        const double fx = std::floor(c.x());
        const double fy = std::floor(c.y());
        if (c.x() - fx != 0.5 || c.y() - fy != 0.5 || !safe.contains(QPoint(static_cast<int>(fx), static_cast<int>(fy)))) {
            rest.push_back(c);
            continue;
        }
        const int cx = static_cast<int>(fx);
        const int cy = static_cast<int>(fy);
        for (const QPoint& o : offsets) {
            const int x = cx + o.x();
            const int y = cy + o.y();
            if (x >= clipLeft && x <= clipRight && y >= clipTop && y <= clipBottom)
                reinterpret_cast<quint32*>(target->bits + static_cast<qsizetype>(y) * target->bytesPerLine)[x] = target->colour;
        }
    }
    if (!rest.empty())
        drawAll(painter, rest);
}

} // namespace vexachart
