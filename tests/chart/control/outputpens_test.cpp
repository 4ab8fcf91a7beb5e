// Line widths of the offscreen picture follow its resolution: at twice the screen's the lines are
// twice as wide, at the screen's they keep the screen picture's one-pixel lines.
#include "chart/control/render.h"
#include "chartfixture.h"
#include <QDir>
#include <vector>

using namespace vexachart;

namespace {

const QColor PlotColour(200, 30, 90);

// One flat plot of line width 1, no markers, at 37 on a 0..100 axis (between two grid lines).
std::unique_ptr<Vexachart> flatPlot()
{
    auto c = std::make_unique<Vexachart>(nullptr);
    c->setLocale(QLocale::c());
    c->initNew();
    c->setMaxCountOfPlots(1);
    c->InsertSingleDataArray(1, Variant::array1(std::vector<double>(201, 37.0)));
    c->SetPlotAspects(1, QStringLiteral("Flat"), 200, 30, 90, 1, 0, 0, true);
    c->resizeTo(QSize(800, 600));
    c->SetGlobalBorders(0.0, 200.0, 0.0, 100.0, qint16(0), qint16(0));
    return c;
}

// The lengths of the runs of plot-coloured pixels down one column.
std::vector<int> plotRuns(const QImage& img, int x)
{
    std::vector<int> runs;
    int run = 0;
    for (int y = 0; y < img.height(); ++y) {
        if (QColor(img.pixel(x, y)) == PlotColour) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    if (run > 0)
        runs.push_back(run);
    return runs;
}

} // namespace

TEST(OutputPens, PlotLinesWidenWithTheResolution)
{
    auto c = flatPlot();
    const QImage screen = c->picture();
    const QImage at96 = c->renderImage(QSize(800, 560), 96.0);
    const QImage at192 = c->renderImage(QSize(1600, 1120), 192.0);
    const QImage at200 = c->renderImage(QSize(1667, 1167), 200.0);
    if (const char* dir = std::getenv("VEXACHART_SNAPSHOT_DIR")) {
        at96.save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("flat-96.png")));
        at192.save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("flat-192.png")));
    }
    struct Case {
        const char* name;
        const QImage* img;
        int expectedRun;
    };
    // Columns in the left third: inside the plot area, away from the legend.
    for (const Case& k : {Case{"screen", &screen, 1}, Case{"96 dpi", &at96, 1}, Case{"192 dpi", &at192, 2},
             Case{"200 dpi", &at200, 2}}) {
        for (int x : {k.img->width() / 3, k.img->width() / 3 + 7}) {
            EXPECT_EQ(plotRuns(*k.img, x), std::vector<int>{k.expectedRun}) << k.name << " column " << x;
        }
    }
    // The output left the chart on screen as it was.
    EXPECT_EQ(c->picture(), screen);
}

TEST(OutputPens, FramesAndLegendSamplesWidenWithTheResolution)
{
    auto c = flatPlot();
    const QImage at96 = c->renderImage(QSize(800, 560), 96.0);
    const QImage at192 = c->renderImage(QSize(1600, 1120), 192.0);
    // Frame: the dark run where a row enters the picture's framed area, counted from the left edge
    // after the control background (on a row between two Y labels, above the turned Y-axis label).
    auto frameRun = [](const QImage& img) {
        const int y = static_cast<int>(img.height() * 0.35);
        const QRgb back = img.pixel(0, y);
        int x = 0;
        while (x < img.width() && img.pixel(x, y) == back)
            ++x;
        int run = 0;
        while (x + run < img.width() && QColor(img.pixel(x + run, y)).lightness() < 80)
            ++run;
        return run;
    };
    EXPECT_GT(frameRun(at96), 0);
    EXPECT_EQ(frameRun(at192), 2 * frameRun(at96));
    // Legend sample: the plot-coloured run down a column through the right part of the picture.
    auto sampleRun = [](const QImage& img) {
        for (int x = img.width() - 1; x > img.width() / 2; --x) {
            const std::vector<int> runs = plotRuns(img, x);
            if (!runs.empty())
                return runs.back();
        }
        return 0;
    };
    EXPECT_EQ(sampleRun(at96), 1);
    EXPECT_EQ(sampleRun(at192), 2);
}
