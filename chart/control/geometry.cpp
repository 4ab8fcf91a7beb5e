#include "chart/control/geometry.h"
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
// Thinning in blocks is written with SSE2 vectors; elsewhere, or where the build switches it off
// (VEXACHART_NO_VECTOR_THINNING), the point loop thins one point at a time on its own.
#if defined(__SSE2__) && !defined(VEXACHART_NO_VECTOR_THINNING)
#define VEXACHART_VECTOR_THINNING 1
#include <emmintrin.h>
#else
#define VEXACHART_VECTOR_THINNING 0
#endif

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

int outsideSides(double x, double y, const Borders& b)
{
    return (x < b.X_Left ? 1 : 0) | (x > b.X_Right ? 2 : 0) | (y < b.Y_Bottom ? 4 : 0) | (y > b.Y_Top ? 8 : 0);
}

} // namespace

// A segment much longer than the display (up to an overflowing difference) loses its visible
// part to rounding in the clip parameters. Ends far outside are moved to the midpoint while that
// stays beyond the same border (the part dropped is invisible); where the midpoint does not, the
// halves are clipped on their own and joined, as they lie on one line. Each move halves the
// segment, so after at most about 2100 moves (the range of a double's exponent) the midpoint
// rounds to an end: then no move can make progress and the segment is clipped as it stands.
bool clipLongSegment(double& x1, double& y1, double& x2, double& y2, const Borders& b, int depth, int& steps)
{
    const double w = 1e6 * b.xSpan(), h = 1e6 * b.ySpan();
    for (;;) {
        const double dx = x2 - x1, dy = y2 - y1;
        if ((std::isfinite(dx) && std::isfinite(dy) && std::fabs(dx) <= w && std::fabs(dy) <= h) || depth > 8
            || steps >= MaxLongClipSteps)
            return clipSegment(x1, y1, x2, y2, b);
        const double mx = x1 / 2 + x2 / 2, my = y1 / 2 + y2 / 2;
        if ((mx == x1 && my == y1) || (mx == x2 && my == y2))
            return clipSegment(x1, y1, x2, y2, b);
        ++steps;
        const int m = outsideSides(mx, my, b);
        if (m & outsideSides(x1, y1, b)) {
            x1 = mx;
            y1 = my;
        } else if (m & outsideSides(x2, y2, b)) {
            x2 = mx;
            y2 = my;
        } else {
            break;
        }
    }
    const double mx = x1 / 2 + x2 / 2, my = y1 / 2 + y2 / 2;
    double ax1 = x1, ay1 = y1, ax2 = mx, ay2 = my;
    double cx1 = mx, cy1 = my, cx2 = x2, cy2 = y2;
    const bool first = clipLongSegment(ax1, ay1, ax2, ay2, b, depth + 1, steps);
    const bool second = clipLongSegment(cx1, cy1, cx2, cy2, b, depth + 1, steps);
    if (!first && !second)
        return false;
    x1 = first ? ax1 : cx1;
    y1 = first ? ay1 : cy1;
    x2 = second ? cx2 : ax2;
    y2 = second ? cy2 : ay2;
    return true;
}

namespace {

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
        emitSpan(m_first, m_low, m_high, m_count);
        m_open = false;
    }

    struct InsideRun {
        const double* X; // 1-based
        const double* Y;
        int last;
        double xRight, yBottom, yTop, dx2, dy2;
        AxisMap mx, my;
    };
    // Adds the connected segments that lie wholly inside the display, starting with the already
    // thinned segment ending at point k + 1 from the mapped start (prevX, prevY). The same as
    // calling add() for each of them, with the span kept in registers: noisy data spend nearly
    // all their time here. Stops before the first segment that is not wholly inside and returns
    // the index the caller's loop continues from (its next segment starts at the result + 1);
    // (prevX, prevY) is then the mapped end of the last segment taken. onStart(column, y, x1, y1)
    // is called with the start of every segment taken after the first, mapped and as stored.
    // Blocks: no marker is wanted, so the thinning may take several points at a time.
    template <bool Blocks, class OnStart>
    int addInsideRun(const InsideRun& r, int k, double& prevX, double& prevY, OnStart&& onStart);

private:
    // A run of one segment stays as it was; longer runs become their column's span.
    void emitSpan(const QLineF& first, double low, double high, int count)
    {
        if (count == 1)
            m_out.push_back(first);
        else
            m_out.emplace_back(first.x1(), low, first.x1(), high);
    }

    std::vector<QLineF>& m_out;
    bool m_collapse;
    bool m_open = false;
    double m_column = 0.0, m_low = 0.0, m_high = 0.0, m_lastX = 0.0, m_lastY = 0.0;
    QLineF m_first;
    int m_count = 0;
};


// The greatest x that maps below the right edge of the pixel column with the given centre, so
// that any x from inside that column up to it truncates to the same column; minus infinity where
// no such bound is known.
// The next smaller double of a finite value, without a library call.
inline double nextDown(double v)
{
    if (v == 0.0)
        return -std::numeric_limits<double>::denorm_min();
    const auto bits = std::bit_cast<std::uint64_t>(v);
    return std::bit_cast<double>(v > 0.0 ? bits - 1 : bits + 1);
}

// inverseScale is 1 / mx.scale, or 0 where the scale is not positive and finite.
double lastXInColumn(const AxisMap& mx, double inverseScale, double centre)
{
    constexpr double none = -std::numeric_limits<double>::infinity();
    if (inverseScale == 0.0)
        return none;
    const double edge = centre + 0.5;
    // A first guess, then down in steps of one unit in the last place until it maps below the edge.
    double x = mx.lo + (edge - mx.origin) * inverseScale;
    for (int step = 0; step < 16 && std::isfinite(x); ++step) {
        if (mx.map(x) < edge)
            return x;
        x = nextDown(x);
    }
    return none;
}

#if VEXACHART_VECTOR_THINNING
// The thinning of four points in a row, as a table: the index holds whether each point lies within
// two pixels in y of the start the row begins with (bits 0-3) and of each earlier point of the row
// (bits 4-9: point 1 of 0, 2 of 0, 2 of 1, 3 of 0, 3 of 1, 3 of 2); the entry holds the points
// that end a segment (bits 0-3) and one more than the last of them (bits 4-6; 0 for none).
constexpr std::array<unsigned char, 1024> thinningTable()
{
    constexpr int bit[4][3] = {{0, 0, 0}, {4, 0, 0}, {5, 6, 0}, {7, 8, 9}};
    std::array<unsigned char, 1024> table{};
    for (int index = 0; index < 1024; ++index) {
        int start = -1;
        int ends = 0;
        for (int m = 0; m < 4; ++m) {
            const bool near = start < 0 ? (index >> m) & 1 : (index >> bit[m][start]) & 1;
            if (!near) {
                ends |= 1 << m;
                start = m;
            }
        }
        table[static_cast<size_t>(index)] = static_cast<unsigned char>(ends | (start + 1) << 4);
    }
    return table;
}
constexpr std::array<unsigned char, 1024> ThinningTable = thinningTable();

// Two bits as two lanes of all ones or all zeros (as doubles, for loading).
constexpr double AllOnes = std::bit_cast<double>(~std::uint64_t{0});
alignas(16) constexpr double PairMasks[4][2] = {{0.0, 0.0}, {AllOnes, 0.0}, {0.0, AllOnes}, {AllOnes, AllOnes}};

// Where thinning in blocks stopped: the start reached and the open span with its count.
struct ThinnedBlocks {
    int start;
    double low, high;
    int count;
};

// Thins the run from the start s eight, then four points at a time while all of them lie inside
// the area, in the column (x at most xLimit) and within two pixels in x of the start, adding the
// ends taken to the open span [low, high] with its count. my must map y downwards (a negative
// scale). The same decisions and values as the point loop of addInsideRun, without its branch per
// point: where about every other point is thinned away, as in plots that fill a thin band, those
// branches cannot be predicted. Not inlined: inside that loop its registers would push the loop's
// values to memory, which slows down the plots that never take blocks.
[[gnu::noinline]] ThinnedBlocks thinInBlocks(const double* X, const double* Y, int s, int last, double xLimit,
    double yBottom, double yTop, double dx2, double dy2, const AxisMap& my, double low, double high, int count)
{
    const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFFLL));
    const __m128d two = _mm_set1_pd(dy2);
    const __m128d bottom = _mm_set1_pd(yBottom), top = _mm_set1_pd(yTop);
    const __m128d far = _mm_set1_pd(std::numeric_limits<double>::infinity()), nearEnd = _mm_set1_pd(-std::numeric_limits<double>::infinity());
    // Bit i: the i-th value of a lies within two pixels of the i-th value of b.
    auto near = [&](__m128d a, __m128d b) { return static_cast<unsigned>(_mm_movemask_pd(_mm_cmplt_pd(_mm_and_pd(_mm_sub_pd(a, b), magnitude), two))); };
    auto inside = [&](__m128d a) { return _mm_and_pd(_mm_cmpge_pd(a, bottom), _mm_cmple_pd(a, top)); };
    // The table bits of the row a, b (points 0, 1 and 2, 3) against its own earlier points.
    auto inRow = [&](__m128d a, __m128d b) {
        const __m128d y0 = _mm_unpacklo_pd(a, a);
        const unsigned of0 = near(b, y0), of1 = near(b, _mm_unpackhi_pd(a, a));
        return (near(a, y0) >> 1 | (of0 & 1u) << 1 | (of1 & 1u) << 2 | (of0 >> 1) << 3 | (of1 >> 1) << 4
                   | (near(b, _mm_unpacklo_pd(b, b)) >> 1) << 5)
            << 4;
    };
    // The extremes of the ends taken, without a branch per end: a point not taken counts as
    // infinitely far out. y maps downwards (the caller's condition), so the highest value taken
    // gives the lowest mapped one, and the other way round.
    auto taken = [](__m128d mask, __m128d v, __m128d otherwise) { return _mm_or_pd(_mm_and_pd(mask, v), _mm_andnot_pd(mask, otherwise)); };
    auto extremes = [&](__m128d a, __m128d b, unsigned ends, __m128d& least, __m128d& most) {
        const __m128d ta = _mm_load_pd(PairMasks[ends & 3u]);
        const __m128d tb = _mm_load_pd(PairMasks[ends >> 2]);
        least = _mm_min_pd(least, _mm_min_pd(taken(ta, a, far), taken(tb, b, far)));
        most = _mm_max_pd(most, _mm_max_pd(taken(ta, a, nearEnd), taken(tb, b, nearEnd)));
    };
    auto settle = [&](__m128d least, __m128d most) {
        least = _mm_min_sd(least, _mm_unpackhi_pd(least, least));
        most = _mm_max_sd(most, _mm_unpackhi_pd(most, most));
        const double l = my.map(_mm_cvtsd_f64(most)), h = my.map(_mm_cvtsd_f64(least));
        low = l < low ? l : low;
        high = high < h ? h : high;
    };
    auto bitsSet = [](unsigned ends) { return static_cast<int>(0x4332322132212110ULL >> (ends * 4) & 15u); };
    // x ascends: the widest x distance of any start to any point of a block is the block's last x
    // less the start's, and fl(a - b) is monotonic in a and b.
    int j = s + 1;
    // Eight points: the second four are judged against every start the first four can leave
    // (the old one or one of them) before the first four are settled, so that only two table
    // look-ups wait for each other.
    for (; j + 7 <= last && X[j + 7] <= xLimit && X[j + 7] - X[s] < dx2; j += 8) {
        const __m128d a = _mm_loadu_pd(Y + j), b = _mm_loadu_pd(Y + j + 2);
        const __m128d c = _mm_loadu_pd(Y + j + 4), d = _mm_loadu_pd(Y + j + 6);
        if (_mm_movemask_pd(_mm_and_pd(_mm_and_pd(inside(a), inside(b)), _mm_and_pd(inside(c), inside(d)))) != 3)
            break;
        const __m128d start = _mm_set1_pd(Y[s]);
        const __m128d a0 = _mm_unpacklo_pd(a, a), a1 = _mm_unpackhi_pd(a, a);
        const __m128d b0 = _mm_unpacklo_pd(b, b), b1 = _mm_unpackhi_pd(b, b);
        const unsigned afterStart = (near(c, start) | near(d, start) << 2) | (near(c, a0) | near(d, a0) << 2) << 4
            | (near(c, a1) | near(d, a1) << 2) << 8 | (near(c, b0) | near(d, b0) << 2) << 12
            | (near(c, b1) | near(d, b1) << 2) << 16;
        const unsigned first = ThinningTable[near(a, start) | near(b, start) << 2 | inRow(a, b)];
        const unsigned firstLast = first >> 4;
        const unsigned second = ThinningTable[(afterStart >> (firstLast * 4) & 15u) | inRow(c, d)];
        if (((first | second) & 15u) == 0)
            continue;
        __m128d least = far, most = nearEnd;
        extremes(a, b, first & 15u, least, most);
        extremes(c, d, second & 15u, least, most);
        settle(least, most);
        count += bitsSet(first & 15u) + bitsSet(second & 15u);
        s = second >> 4 ? j + 3 + static_cast<int>(second >> 4) : j + static_cast<int>(firstLast) - 1;
    }
    for (; j + 3 <= last && X[j + 3] <= xLimit && X[j + 3] - X[s] < dx2; j += 4) {
        const __m128d a = _mm_loadu_pd(Y + j);
        const __m128d b = _mm_loadu_pd(Y + j + 2);
        if (_mm_movemask_pd(_mm_and_pd(inside(a), inside(b))) != 3)
            break;
        const __m128d start = _mm_set1_pd(Y[s]);
        const unsigned entry = ThinningTable[near(a, start) | near(b, start) << 2 | inRow(a, b)];
        const unsigned ends = entry & 15u;
        if (ends == 0)
            continue;
        __m128d least = far, most = nearEnd;
        extremes(a, b, ends, least, most);
        settle(least, most);
        count += bitsSet(ends);
        s = j + static_cast<int>(entry >> 4) - 1;
    }
    return {s, low, high, count};
}
#endif

template <bool Blocks, class OnStart>
[[gnu::noinline]] int LineSink::addInsideRun(const InsideRun& r, int k, double& prevX, double& prevY, OnStart&& onStart)
{
    const double* X = r.X;
    const double* Y = r.Y;
    const int last = r.last;
    const double xRight = r.xRight, yBottom = r.yBottom, yTop = r.yTop, dx2 = r.dx2, dy2 = r.dy2;
    const AxisMap mx = r.mx, my = r.my;
    double x2 = X[k + 1];
    double y2 = Y[k + 1];
    // The first segment may start where the last one added did not end: the general rule.
    double cx = prevX, cy = prevY;
    {
        const double px = fastFloor(mx.map(x2)) + 0.5;
        const double py = my.map(y2);
        add(cx, cy, cx, px, py, px);
        cx = px;
        cy = py;
    }
    // From here every segment starts at the end of the one before, so a span that is open has
    // its column at cx and a segment continues it exactly when it stays in that column.
    bool open = m_open;
    double low = m_low, high = m_high;
    double firstY1 = m_first.y1(), firstY2 = m_first.y2(); // the span's first segment, in column cx
    int count = m_count;
    const double inverseScale = mx.scale > 0.0 && std::isfinite(mx.scale) ? 1.0 / mx.scale : 0.0;
    // Thinning in blocks pays where it drops between a fifth and four fifths of the points; it is
    // judged for every column from the one before.
    bool blocks = false;
    bool more = true;
    while (more) {
        // Hot loop over the segments that stay in column cx: no calls, so that its values stay
        // in registers. It ends at the first segment that leaves the column or the area.
        const double columnEnd = lastXInColumn(mx, inverseScale, cx);
        const int columnStart = k;
        double px = cx, py = cy;
        more = false;
        // Set when the span has just opened in a column to be thinned in blocks: the loop stops
        // for them and goes on after them.
        bool thinBlocks = false;
        do {
#if VEXACHART_VECTOR_THINNING
            if (Blocks && thinBlocks) {
                const ThinnedBlocks t = thinInBlocks(X, Y, k + 1, last, std::min(xRight, columnEnd), yBottom, yTop,
                    dx2, dy2, my, low, high, count);
                low = t.low;
                high = t.high;
                count = t.count;
                if (const int s = t.start; s != k + 1) {
                    k = s - 1;
                    x2 = X[s];
                    y2 = Y[s];
                    cy = my.map(y2);
                }
                thinBlocks = false;
            }
#else
            static_assert(!Blocks, "thinning in blocks is the vector path's");
#endif
            while (k + 1 <= last) {
                const int start = ++k;
                const double x1 = x2;
                const double y1 = y2;
                x2 = X[k + 1];
                y2 = Y[k + 1];
                while (std::fabs(x2 - x1) < dx2 && std::fabs(y2 - y1) < dy2 && k <= last - 1) {
                    ++k;
                    x2 = X[k + 1];
                    y2 = Y[k + 1];
                }
                // The start is inside already and x ascends: only the end needs testing.
                if (__builtin_expect(!(x2 <= xRight && y2 >= yBottom && y2 <= yTop), 0)) {
                    k = start - 1;
                    break;
                }
                onStart(cx, cy, x1, y1);
                py = my.map(y2);
                if (__builtin_expect(x2 > columnEnd, 0)) {
                    px = fastFloor(mx.map(x2)) + 0.5;
                    if (px != cx) {
                        more = true;
                        break;
                    }
                }
                if (__builtin_expect(open, 1)) {
                    // New extremes are rare in a long run: branches beat a chain of min/max.
                    if (__builtin_expect(py < low, 0))
                        low = py;
                    if (__builtin_expect(py > high, 0))
                        high = py;
                    ++count;
                } else {
                    open = true;
                    firstY1 = cy;
                    firstY2 = py;
                    low = std::min(cy, py);
                    high = std::max(cy, py);
                    count = 1;
                    if constexpr (Blocks) {
                        if (blocks) {
                            cy = py;
                            thinBlocks = true;
                            break;
                        }
                    }
                }
                cy = py;
            }
        } while (thinBlocks);
        if (more) {
            const int points = k - columnStart;
            blocks = Blocks && my.scale < 0.0 && open && 5 * count >= points && 5 * count <= 4 * points;
            // The segment (cx, cy) - (px, py) crosses into another column.
            if (open)
                emitSpan(QLineF(cx, firstY1, cx, firstY2), low, high, count);
            open = false;
            m_out.emplace_back(cx, cy, px, py);
            cx = px;
            cy = py;
        }
    }
    m_open = open;
    m_column = cx;
    m_low = low;
    m_high = high;
    m_first = QLineF(cx, firstY1, cx, firstY2);
    m_count = count;
    m_lastX = cx;
    m_lastY = cy;
    prevX = cx;
    prevY = cy;
    return k;
}

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
    // A marker at a mapped point, in pixel output on its pixel's centre.
    auto markAt = [&](QPointF m) {
        if (opt.pixelOutput) {
            // Pixel centres are equal exactly or a pixel apart: no fuzzy comparison needed.
            if (m.x() == lastMarker.x() && m.y() == lastMarker.y())
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
    auto marker = [&](double x, double y) {
        const QPointF m(mx.map(x), my.map(y));
        markAt(opt.pixelOutput ? QPointF(fastFloor(m.x()) + 0.5, fastFloor(m.y()) + 0.5) : m);
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
    const LineSink::InsideRun run{X, Y, last, xr, yb, yt, dx2, dy2, mx, my};
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
                if (wantMarkers) {
                    // Markers at the drawn points strictly inside, mapped once with the line.
                    if (strictlyInside(x1, y1, b))
                        markAt(QPointF(prevX, fastFloor(prevY) + 0.5));
                    k = sink.addInsideRun<false>(run, k, prevX, prevY, [&](double column, double y, double sx, double sy) {
                        if (sx > xl && sx < xr && sy > yb && sy < yt)
                            markAt(QPointF(column, fastFloor(y) + 0.5));
                    });
                    endX = X[k + 1];
                    endY = Y[k + 1];
                } else {
                    k = sink.addInsideRun<bool(VEXACHART_VECTOR_THINNING)>(run, k, prevX, prevY, [](double, double, double, double) {});
                }
                mappedIndex = k + 1;
                continue;
            } else {
                double cx1 = x1, cy1 = y1, cx2 = x2, cy2 = y2;
                int clipSteps = 0;
                if (inside || clipLongSegment(cx1, cy1, cx2, cy2, b, 0, clipSteps))
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
