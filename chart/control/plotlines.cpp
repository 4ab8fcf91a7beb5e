#include "chart/control/plotlines.h"
#include <QImage>
#include <QRegion>
#include <algorithm>
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

// A vertical run of pixels in one column, already clipped: rows first to last.
struct ColumnSpan {
    int column;
    int first;
    int last;
};

// Writes a horizontal segment, or hands a vertical one back as a column span, with the painter's
// rule for thin aliased lines with end caps: both ends go to 26.6 fixed point (truncated), and
// along the segment the pixels from the one holding the first end to the one holding the other
// are set, across it in the pixel holding the segment's position. False leaves the segment to the
// painter: slanted, zero length, shorter than the fixed-point step, or far off the image.
bool writeStraightSpan(const DirectTarget& t, const QLineF& l, QSize image, std::vector<ColumnSpan>& columns)
{
    const bool vertical = l.x1() == l.x2();
    if (!vertical && l.y1() != l.y2())
        return false;
    const double across = vertical ? l.x1() : l.y1();
    const double a = vertical ? l.y1() : l.x1();
    const double b = vertical ? l.y2() : l.x2();
    if (a == b)
        return false;
    const double low = std::min(a, b);
    const double high = std::max(a, b);
    // Inside these bounds the painter neither clips the line before rasterising nor overflows.
    const int extent = vertical ? image.height() : image.width();
    if (!(across >= 0.0 && across < 32768.0 && low >= -1.0 && high <= extent + 1.0))
        return false;
    const int from = static_cast<int>(low * 64.0);
    const int to = static_cast<int>(high * 64.0);
    if (from == to)
        return false;
    const int line = static_cast<int>(across * 64.0) >> 6;
    const int lineMin = vertical ? t.clip.left() : t.clip.top();
    const int lineMax = vertical ? t.clip.right() : t.clip.bottom();
    if (line < lineMin || line > lineMax)
        return true;
    const int first = std::max(from >> 6, vertical ? t.clip.top() : t.clip.left());
    const int last = std::min(to >> 6, vertical ? t.clip.bottom() : t.clip.right());
    if (first > last)
        return true;
    if (vertical) {
        columns.push_back({line, first, last});
        return true;
    }
    auto* pixel = reinterpret_cast<quint32*>(t.bits + static_cast<qsizetype>(line) * t.bytesPerLine) + first;
    std::fill(pixel, pixel + (last - first + 1), t.colour);
    return true;
}

// Writes a slanted segment that lies inside the picture with the painter's rule for thin aliased
// lines with end caps: ends to 26.6 fixed point (truncated), then along the longer axis from the
// row (column) holding the first end, moved back half a pixel, to the one holding the other end,
// moved on half a pixel, one pixel per row (column) at the position a 16.16 fixed-point step
// reaches. Steep segments join the column spans, one run per column they cross. False leaves
// the segment to the painter: a point, or ends outside the picture.
bool writeSlantedLine(const DirectTarget& t, const QLineF& l, QSize image, std::vector<ColumnSpan>& columns)
{
    const auto within = [](double v, int extent) { return v >= 0.0 && v <= extent - 1.0; };
    if (l.p1() == l.p2() || !within(l.x1(), image.width()) || !within(l.x2(), image.width()) || !within(l.y1(), image.height())
        || !within(l.y2(), image.height()))
        return false;
    int x1 = static_cast<int>(l.x1() * 64.0), y1 = static_cast<int>(l.y1() * 64.0);
    int x2 = static_cast<int>(l.x2() * 64.0), y2 = static_cast<int>(l.y2() * 64.0);
    const bool steep = std::abs(x2 - x1) < std::abs(y2 - y1);
    // Along: the longer axis, across: the other one.
    int a1 = steep ? y1 : x1, a2 = steep ? y2 : x2;
    int c1 = steep ? x1 : y1, c2 = steep ? x2 : y2;
    if (a1 == a2)
        return true; // both ends in one fixed-point step: nothing is drawn
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(c1, c2);
    }
    const qint64 step = (static_cast<qint64>(c2 - c1) << 16) / (a2 - a1);
    qint64 across = static_cast<qint64>(c1) << 10;
    a1 -= 32;
    across -= step >> 1;
    a2 += 32;
    int along = (a1 + 32) >> 6;
    const int alongEnd = (a2 + 32) >> 6;
    if (along == alongEnd)
        return true;
    across += ((static_cast<qint64>(along) << 6) + (step > 0 ? 32 : 0) - a1) * step >> 6;
    if (!steep) {
        for (; along < alongEnd; ++along, across += step) {
            const int x = along, y = static_cast<int>(across >> 16);
            if (t.clip.contains(x, y))
                reinterpret_cast<quint32*>(t.bits + static_cast<qsizetype>(y) * t.bytesPerLine)[x] = t.colour;
        }
        return true;
    }
    // Rows along, columns across: collect each column's run of rows, clipped.
    int column = static_cast<int>(across >> 16), first = along;
    auto flush = [&](int last) {
        const int top = std::max(first, t.clip.top()), bottom = std::min(last, t.clip.bottom());
        if (column >= t.clip.left() && column <= t.clip.right() && top <= bottom)
            columns.push_back({column, top, bottom});
    };
    for (; along < alongEnd; ++along, across += step) {
        const int x = static_cast<int>(across >> 16);
        if (x != column) {
            flush(along - 1);
            column = x;
            first = along;
        }
    }
    flush(alongEnd - 1);
    return true;
}

// Writes the column spans in tiles of 16 columns (one cache line of pixels) by 64 rows. Written
// span by span, a long span touches a new line of the picture with every pixel, and the next
// column needs the same lines again after they have left the cache; in tiles each line is
// fetched once for all the spans that cross it. The spans are one colour, so their order does not
// show; they come mostly from left to right, and each stretch of them in one tile is one tile.
void fillColumnSpans(const DirectTarget& t, const std::vector<ColumnSpan>& spans)
{
    constexpr int TileRows = 64;
    for (size_t from = 0; from < spans.size();) {
        const int tile = spans[from].column >> 4;
        size_t to = from;
        int top = spans[from].first, bottom = spans[from].last;
        for (; to < spans.size() && spans[to].column >> 4 == tile; ++to) {
            top = std::min(top, spans[to].first);
            bottom = std::max(bottom, spans[to].last);
        }
        for (int row = top; row <= bottom; row += TileRows) {
            const int rowEnd = std::min(bottom, row + TileRows - 1);
            for (size_t i = from; i < to; ++i) {
                const int a = std::max(spans[i].first, row);
                const int b = std::min(spans[i].last, rowEnd);
                uchar* pixel = t.bits + static_cast<qsizetype>(a) * t.bytesPerLine + static_cast<qsizetype>(spans[i].column) * 4;
                for (int y = a; y <= b; ++y, pixel += t.bytesPerLine)
                    *reinterpret_cast<quint32*>(pixel) = t.colour;
            }
        }
        from = to;
    }
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
    const QSize size = static_cast<QImage*>(painter.device())->size();
    thread_local std::vector<QLineF> rest;
    thread_local std::vector<ColumnSpan> columns;
    rest.clear();
    columns.clear();
    for (int i = 0; i < count; ++i)
        if (!writeStraightSpan(*target, lines[i], size, columns) && !writeSlantedLine(*target, lines[i], size, columns))
            rest.push_back(lines[i]);
    fillColumnSpans(*target, columns);
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
    // Stamps wholly inside the clip need no test per pixel: their pixels as offsets in the buffer.
    const QRect unclipped = target->clip.adjusted(half, half, -half, -half);
    std::vector<qsizetype> linear;
    linear.reserve(offsets.size());
    for (const QPoint& o : offsets)
        linear.push_back(static_cast<qsizetype>(o.y()) * target->bytesPerLine + static_cast<qsizetype>(o.x()) * 4);
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
        if (unclipped.contains(cx, cy)) {
            uchar* centre = target->bits + static_cast<qsizetype>(cy) * target->bytesPerLine + static_cast<qsizetype>(cx) * 4;
            for (const qsizetype o : linear)
                *reinterpret_cast<quint32*>(centre + o) = target->colour;
            continue;
        }
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
