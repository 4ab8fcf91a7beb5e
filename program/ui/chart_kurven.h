#pragma once
// The content of the performance chart and the pressure-drop chart, built from the program's
// result as plain values (curves, legends, colours, titles), and the applier that hands it to a
// chart control member by member. Plot 3 is the current size, 2 and 1 the next larger sizes, 4
// and 5 the next smaller ones, 6 the operating point.
#include "common/colour.h"
#include "common/messages.h"
#include "program/catalogue/ktabsatz.h"
#include "program/rating/kuehlerdaten.h"
#include "program/texts/texte.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

namespace vexachart {
class Vexachart;
}

namespace ui {

inline constexpr double LiterProGallone = 3.785412;

struct ChartPlot {
    int nummer = 0;
    bool gezeigt = false; // false: the plot is cleared and hidden
    std::vector<double> x, y;
    QString legende;
    int R = 0, G = 0, B = 0, breite = 1;
    std::optional<int> marker, markerGroesse; // not passed: the plot keeps its own
};

struct ChartBild {
    bool ergebnis = false;    // false: only the title with " ---", no legend, no data
    bool abgebrochen = false; // the current size has no flow range: cleared under the old title
    QString titel, xLabel, yLabel;
    common::ColourValue hintergrund = 0xE0E0E0;
    std::vector<ChartPlot> plots; // in the order they are handed over: 3, 2, 1, 4, 5, 6
    const ChartPlot* plot(int nummer) const;
};

// What the charts read of the program and the window.
struct ChartLage {
    const rating::KuehlerDaten& k;
    const catalogue::KTabelle& tabelle; // performance table of the current series and region
    const texts::Texte& texte;
    bool Region_US = false;
    bool Word_aktiv = false;
    bool SW_Graphik_Flag = false;
    QString kuehlertypText; // text of the result box; "---" without a size
    QString mediumText;     // caption of the grade label, a blank and the selected grade
    QLocale locale;
};

// Heat rejection over the flow.
ChartBild leistungsChartBilden(const ChartLage& lage);
// Oil pressure drop over the flow; a failing curve evaluation raises its error.
ChartBild druckChartBilden(const ChartLage& lage, common::MessageBoxes& boxes);

// Borders of a chart in data units.
struct ChartGrenzen {
    double links = 0, rechts = 0, unten = 0, oben = 0;
    bool operator==(const ChartGrenzen&) const = default;
};
// The borders with the point (x, y) strictly inside: a border the point lies on or beyond moves
// past it by `anteil` of the span (the span with the point, or the point's size when that is 0).
// A point inside leaves the borders as they are.
ChartGrenzen umPunktWeiten(ChartGrenzen g, double x, double y, double anteil);

enum class ChartArt { Leistung, Druckverlust };
// Clears the chart and hands the content over, fits the borders to the data and widens them
// where the operating point would lie on a border. With fehlerIgnorieren a failing member is
// skipped and the rest still runs; otherwise the first failure ends the call with its error.
void chartAnwenden(vexachart::Vexachart& chart, const ChartBild& bild, ChartArt art, bool fehlerIgnorieren);

} // namespace ui
