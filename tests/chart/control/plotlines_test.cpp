#include "chart/control/plotlines.h"
#include <QImage>
#include <gtest/gtest.h>
#include <functional>
#include <random>
#include <vector>

using namespace vexachart;

namespace {

// Vertical segments of every kind that column collapsing produces, the same turned horizontal,
// and a few others: ends
// anywhere between pixel rows and on the 1/64 steps of the painter's fixed point, zero and tiny
// lengths, ends off the image, columns outside the clip, x off the column centre, and slanted lines.
std::vector<QLineF> mixedLines(unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> any(-3.0, 123.0);
    std::uniform_int_distribution<int> column(-2, 101);
    std::uniform_int_distribution<int> steps(-200, 123 * 64 + 200);
    std::vector<QLineF> lines;
    for (int i = 0; i < 3000; ++i) {
        const double x = column(rng) + (i % 9 == 0 ? any(rng) - std::floor(any(rng)) : 0.5);
        double y1 = any(rng);
        double y2 = any(rng);
        switch (i % 6) {
        case 1: y1 = steps(rng) / 64.0; y2 = steps(rng) / 64.0; break;      // on fixed-point steps
        case 2: y2 = y1 + (i % 12 == 2 ? 0.0 : 0.01); break;                 // zero or below one step
        case 3: y2 = y1 + std::uniform_real_distribution<double>(-1.5, 1.5)(rng); break; // short spans
        case 4: y1 = std::floor(y1) + 0.5; y2 = std::floor(y2) + 0.5; break; // on row centres
        default: break;
        }
        lines.emplace_back(x, y1, x, y2);
        lines.emplace_back(y1, x, y2, x); // the same across: grid lines run both ways
        if (i % 25 == 0)
            lines.emplace_back(x, y1, x + any(rng) / 10.0, y2); // slanted
    }
    return lines;
}

QImage paint(const std::function<void(QPainter&)>& setup, const std::function<void(QPainter&)>& draw)
{
    QImage img(110, 120, QImage::Format_RGB32);
    img.fill(QColor(250, 250, 240));
    QPainter p(&img);
    setup(p);
    draw(p);
    p.end();
    return img;
}

int differingPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace

// Whatever the painter's state, the plot's lines must come out exactly as drawLines() paints
// them: written directly where that is possible, by the painter otherwise.
TEST(PlotLines, SamePixelsAsThePainter)
{
    const QColor colour(20, 90, 200);
    struct Setup {
        const char* name;
        std::function<void(QPainter&)> apply;
    };
    const std::vector<Setup> setups = {
        {"plot pen, clipped to the area",
            [&](QPainter& p) {
                p.setClipRect(QRect(7, 5, 90, 100));
                p.setPen(QPen(colour, 0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            }},
        {"plot pen, no clip", [&](QPainter& p) { p.setPen(QPen(colour, 0, Qt::SolidLine, Qt::RoundCap)); }},
        {"square caps", [&](QPainter& p) { p.setPen(QPen(colour, 0, Qt::SolidLine, Qt::SquareCap)); }},
        {"flat caps leave out the last pixel", [&](QPainter& p) { p.setPen(QPen(colour, 0, Qt::SolidLine, Qt::FlatCap)); }},
        {"wide pen", [&](QPainter& p) { p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap)); }},
        {"translucent pen", [&](QPainter& p) { p.setPen(QPen(QColor(20, 90, 200, 120), 0)); }},
        {"dotted pen", [&](QPainter& p) { p.setPen(QPen(colour, 0, Qt::DotLine)); }},
        {"antialiased",
            [&](QPainter& p) {
                p.setRenderHint(QPainter::Antialiasing);
                p.setPen(QPen(colour, 0));
            }},
        {"translated",
            [&](QPainter& p) {
                p.translate(0.25, 3);
                p.setPen(QPen(colour, 0));
            }},
    };
    for (unsigned seed : {1u, 2u, 3u}) {
        const std::vector<QLineF> lines = mixedLines(seed);
        for (const Setup& s : setups) {
            SCOPED_TRACE(std::string(s.name) + ", seed " + std::to_string(seed));
            const QImage expected = paint(s.apply, [&](QPainter& p) { p.drawLines(lines.data(), int(lines.size())); });
            const QImage actual = paint(s.apply, [&](QPainter& p) { drawPlotLines(p, lines.data(), int(lines.size())); });
            EXPECT_EQ(differingPixels(expected, actual), 0);
        }
    }
}

// Slanted lines written directly must come out exactly as drawLines() paints them: the joins
// between neighbouring pixel columns that collapsed plots consist of, and slants of every kind.
TEST(PlotLines, SlantedLinesHaveThePaintersPixels)
{
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> anywhere(0.0, 109.0);
    std::uniform_real_distribution<double> row(0.0, 119.0);
    std::uniform_int_distribution<int> column(0, 108);
    std::uniform_real_distribution<double> shortStep(-1.5, 1.5);
    struct Family {
        const char* name;
        std::function<QLineF()> make;
    };
    const std::vector<Family> families = {
        {"joins of neighbouring columns",
            [&] {
                const double x = column(rng) + 0.5;
                return QLineF(x, row(rng), x + 1.0, row(rng));
            }},
        {"joins across several columns",
            [&] {
                const double x = column(rng) % 100 + 0.5;
                return QLineF(x, row(rng), x + 1 + column(rng) % 8, row(rng));
            }},
        {"any slant", [&] { return QLineF(anywhere(rng), row(rng), anywhere(rng), row(rng)); }},
        {"short slants",
            [&] {
                const QPointF p(anywhere(rng), row(rng));
                return QLineF(p, p + QPointF(shortStep(rng), shortStep(rng)));
            }},
        {"near the diagonal",
            [&] {
                const QPointF p(anywhere(rng) / 2, row(rng) / 2);
                const double d = anywhere(rng) / 2;
                return QLineF(p, p + QPointF(d, d + shortStep(rng) / 8));
            }},
        {"ends on the last row and column",
            [&] { return QLineF(109.0, row(rng), anywhere(rng), 119.0); }},
    };
    const QColor colour(200, 30, 60);
    const std::vector<std::function<void(QPainter&)>> setups = {
        [&](QPainter& p) { p.setPen(QPen(colour, 0, Qt::SolidLine, Qt::RoundCap)); },
        [&](QPainter& p) {
            p.setClipRect(QRect(7, 5, 90, 100));
            p.setPen(QPen(colour, 0, Qt::SolidLine, Qt::SquareCap));
        },
    };
    for (const Family& f : families) {
        std::vector<QLineF> lines;
        for (int i = 0; i < 3000; ++i)
            lines.push_back(f.make());
        for (size_t s = 0; s < setups.size(); ++s) {
            SCOPED_TRACE(std::string(f.name) + (s ? ", clipped" : ""));
            // A few lines at a time, so that a fault is not hidden under other lines.
            constexpr int Batch = 6;
            int differing = 0;
            for (size_t i = 0; i < lines.size() && differing == 0; i += Batch) {
                const QImage expected = paint(setups[s], [&](QPainter& p) { p.drawLines(&lines[i], Batch); });
                const QImage actual = paint(setups[s], [&](QPainter& p) { drawPlotLines(p, &lines[i], Batch); });
                differing = differingPixels(expected, actual);
                EXPECT_EQ(differing, 0) << "from " << lines[i].x1() << "," << lines[i].y1() << " - " << lines[i].x2() << "," << lines[i].y2();
            }
        }
    }
}

// Stamped markers must give the pixels of drawing every marker: line crosses, upright crosses
// and boxes of several sizes, markers on pixel centres, off them and near the picture's edges.
TEST(PlotLines, StampedMarkersHaveThePaintersPixels)
{
    std::mt19937 rng(9);
    std::uniform_int_distribution<int> pixel(-3, 112);
    std::vector<QPointF> centres;
    for (int i = 0; i < 400; ++i)
        centres.emplace_back(pixel(rng) + (i % 13 == 0 ? 0.25 : 0.5), pixel(rng) + (i % 17 == 0 ? 0.0 : 0.5));
    using Drawer = std::function<void(QPainter&, const std::vector<QPointF>&)>;
    auto lines = [](int size, bool cross, bool upright) -> Drawer {
        return [=](QPainter& q, const std::vector<QPointF>& at) {
            const double r = size;
            std::vector<QLineF> ls;
            for (const QPointF& c : at) {
                if (cross) {
                    ls.emplace_back(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
                    ls.emplace_back(c.x() + r, c.y() - r, c.x() - r, c.y() + r);
                }
                if (upright) {
                    ls.emplace_back(c.x(), c.y() - r, c.x(), c.y() + r);
                    ls.emplace_back(c.x() - r, c.y(), c.x() + r, c.y());
                }
            }
            q.drawLines(ls.data(), int(ls.size()));
        };
    };
    auto boxes = [](int size) -> Drawer {
        return [=](QPainter& q, const std::vector<QPointF>& at) {
            std::vector<QRectF> bs;
            for (const QPointF& c : at)
                bs.emplace_back(c.x() - size, c.y() - size, 2.0 * size, 2.0 * size);
            q.setBrush(Qt::NoBrush);
            q.drawRects(bs.data(), int(bs.size()));
        };
    };
    const QColor colour(150, 40, 10);
    for (int size : {0, 1, 3, 4, 7}) {
        const std::vector<std::pair<const char*, Drawer>> drawers = {
            {"cross", lines(size, true, false)}, {"upright", lines(size, false, true)},
            {"both", lines(size, true, true)}, {"box", boxes(size)}};
        for (const auto& drawer : drawers)
            for (const QPen& pen : {QPen(colour, 0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), QPen(colour, 2)}) {
                const Drawer& draw = drawer.second; // a named variable: lambdas may not capture structured bindings
                SCOPED_TRACE(std::string(drawer.first) + " size " + std::to_string(size) + " pen " + std::to_string(pen.width()));
                auto setup = [&](QPainter& p) {
                    p.setClipRect(QRect(6, 4, 95, 104));
                    p.setPen(pen);
                };
                const QImage expected = paint(setup, [&](QPainter& p) { draw(p, centres); });
                const QImage actual = paint(setup, [&](QPainter& p) { drawPenMarkers(p, centres, size, draw); });
                EXPECT_EQ(differingPixels(expected, actual), 0);
            }
    }
}
