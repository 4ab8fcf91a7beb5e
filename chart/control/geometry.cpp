#include "chart/control/geometry.h"
#include <cmath>

namespace vexachart {

namespace {

bool strictlyInside(double x, double y, const Borders& b)
{
    return x > b.X_Left && x < b.X_Right && y > b.Y_Bottom && y < b.Y_Top;
}

// Clips the segment to the display rectangle (Liang-Barsky); false when nothing is left.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, const Borders& b)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - b.X_Left, b.X_Right - x1, y1 - b.Y_Bottom, b.Y_Top - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0) {
            if (r > t1)
                return false;
            if (r > t0)
                t0 = r;
        } else {
            if (r < t0)
                return false;
            if (r < t1)
                t1 = r;
        }
    }
    const double ox = x1;
    const double oy = y1;
    if (t1 < 1.0) {
        x2 = ox + t1 * dx;
        y2 = oy + t1 * dy;
    }
    if (t0 > 0.0) {
        x1 = ox + t0 * dx;
        y1 = oy + t0 * dy;
    }
    return true;
}

// floor without a library call (the default x86-64 target has no rounding instruction).
inline double fastFloor(double v)
{
    const double t = static_cast<double>(static_cast<long long>(v));
    return t > v ? t - 1.0 : t;
}

// Collects the drawn segments of one plot; in pixel output it merges connected runs that stay
// inside one pixel column into one vertical span.
class LineSink {
public:
    LineSink(std::vector<QLineF>& out, bool collapse) : m_out(out), m_collapse(collapse) {}
    void add(double x1, double y1, double x2, double y2)
    {
        if (!m_collapse) {
            m_out.emplace_back(x1, y1, x2, y2);
            return;
        }
        add(x1, y1, x1, x2, y2, x2);
    }
    // The same with the pixel columns of both ends already known.
    [[gnu::always_inline]] void add(double x1, double y1, double column, double x2, double y2, double column2)
    {
        const bool inColumn = column == column2;
        if (m_open && inColumn && column == m_column && x1 == m_lastX && y1 == m_lastY) {
            m_low = std::min(m_low, y2);
            m_high = std::max(m_high, y2);
            ++m_count;
        } else {
            flush();
            if (inColumn) {
                m_open = true;
                m_column = column;
                m_first = QLineF(x1, y1, x2, y2);
                m_low = std::min(y1, y2);
                m_high = std::max(y1, y2);
                m_count = 1;
            } else {
                m_out.emplace_back(x1, y1, x2, y2);
            }
        }
        m_lastX = x2;
        m_lastY = y2;
    }
    void flush()
    {
        if (!m_open)
            return;
        if (m_count == 1)
            m_out.push_back(m_first);
        else
            m_out.emplace_back(m_first.x1(), m_low, m_first.x1(), m_high);
        m_open = false;
    }

private:
    std::vector<QLineF>& m_out;
    bool m_collapse;
    bool m_open = false;
    double m_column = 0.0, m_low = 0.0, m_high = 0.0, m_lastX = 0.0, m_lastY = 0.0;
    QLineF m_first;
    int m_count = 0;
};


// Qt's raster engine can leave the upper halves of the vector registers in use after painting;
// scalar floating-point code that runs next is then slowed down on every instruction (about twice
// as slow here). Clearing that state first lets the point loop run at full speed.
void clearUpperVectorState()
{
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        asm volatile("vzeroupper" ::: "memory");
#endif
}

} // namespace

void plotGeometry(const PlotPoints& points, const Borders& b, const AxisMap& mx, const AxisMap& my,
    const GeometryOptions& opt, PlotGeometry& out)
{
    const int n = points.count();
    if (n == 0)
        return;
    clearUpperVectorState();
    const double* X = points.xs().data() - 1; // 1-based views
    const double* Y = points.ys().data() - 1;
    if (n == 1) {
        if (opt.markers && strictlyInside(X[1], Y[1], b))
            out.markers.emplace_back(mx.map(X[1]), my.map(Y[1]));
        return;
    }
    const auto range = points.findPlotRange(b.X_Left, b.X_Right);
    if (!range)
        return;
    const int last = range->last;
    bool haveEnd = false;
    LineSink sink(out.lines, opt.pixelOutput && opt.collapseColumns);
    QPointF lastMarker(-1e300, -1e300);
    std::vector<unsigned char> taken;
    const bool dedupe = opt.pixelOutput && opt.dedupeMarkers && opt.areaWidth > 0 && opt.areaHeight > 0;
    if (dedupe && opt.markers)
        taken.assign(static_cast<size_t>(opt.areaWidth) * static_cast<size_t>(opt.areaHeight), 0);
    auto marker = [&](double x, double y) {
        QPointF m(mx.map(x), my.map(y));
        if (opt.pixelOutput) {
            m = QPointF(std::floor(m.x()) + 0.5, std::floor(m.y()) + 0.5);
            if (m == lastMarker)
                return;
            lastMarker = m;
            const int px = static_cast<int>(m.x()) - opt.areaLeft;
            const int py = static_cast<int>(m.y()) - opt.areaTop;
            if (dedupe && px >= 0 && py >= 0 && px < opt.areaWidth && py < opt.areaHeight) {
                unsigned char& t = taken[static_cast<size_t>(py) * static_cast<size_t>(opt.areaWidth) + static_cast<size_t>(px)];
                if (t)
                    return;
                t = 1;
            }
        }
        out.markers.push_back(m);
    };
    double endX = 0.0;
    double endY = 0.0;
    const bool collapse = opt.pixelOutput && opt.collapseColumns;
    int mappedIndex = -1;
    double prevX = 0.0, prevY = 0.0;
    // Pixel output puts every x on its pixel column's centre, as a picture in whole pixels does;
    // then segments inside one column are vertical and their union is exactly one span.
    const bool pixels = opt.pixelOutput;
    auto snap = [pixels](double v) { return pixels ? fastFloor(v) + 0.5 : v; };
    // Local copies: the compiler need not reload them after every write to the output.
    const double xl = b.X_Left, xr = b.X_Right, yb = b.Y_Bottom, yt = b.Y_Top;
    const double dx2 = opt.dx2, dy2 = opt.dy2;
    const bool wantLines = opt.lines, wantMarkers = opt.markers;
    for (int k = range->first; k <= last; ++k) {
        const int start = k;
        const double x1 = X[k];
        const double y1 = Y[k];
        double x2 = X[k + 1];
        double y2 = Y[k + 1];
        while (std::fabs(x2 - x1) < dx2 && std::fabs(y2 - y1) < dy2 && k <= last - 1) {
            ++k;
            x2 = X[k + 1];
            y2 = Y[k + 1];
        }
        endX = x2;
        endY = y2;
        haveEnd = true;
        // Wholly inside is the common case; only the others are tested for rejection.
        const bool inside = x1 >= xl && x2 <= xr && std::min(y1, y2) >= yb && std::max(y1, y2) <= yt;
        if (!inside && ((y1 > yt && y2 > yt) || (y1 < yb && y2 < yb) || x1 > xr || x2 < xl))
            continue;
        if (wantLines) {
            if (inside && collapse) {
                // Common case: the start is the previous segment's end, already mapped.
                if (mappedIndex != start) {
                    prevX = snap(mx.map(x1));
                    prevY = my.map(y1);
                }
                // Inside the plot area pixel columns are not negative: truncation is the floor.
                const double px = static_cast<double>(static_cast<long long>(mx.map(x2))) + 0.5;
                const double py = my.map(y2);
                sink.add(prevX, prevY, prevX, px, py, px);
                prevX = px;
                prevY = py;
                mappedIndex = k + 1;
            } else {
                double cx1 = x1, cy1 = y1, cx2 = x2, cy2 = y2;
                if (inside || clipSegment(cx1, cy1, cx2, cy2, b))
                    sink.add(snap(mx.map(cx1)), my.map(cy1), snap(mx.map(cx2)), my.map(cy2));
                mappedIndex = -1;
            }
        }
        // A clipped end lies on a border, so only points strictly inside get a marker.
        if (wantMarkers && strictlyInside(x1, y1, b))
            marker(x1, y1);
    }
    sink.flush();
    if (opt.markers && haveEnd && strictlyInside(endX, endY, b))
        marker(endX, endY);
}

} // namespace vexachart
