#include "program/ui/chart_kurven.h"

#include "chart/control/chart.h"
#include "common/format.h"
#include "program/rating/curves.h"
#include "program/rating/units.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace ui {

namespace {

const QString& inSprache(const texts::SprachText& t, int n)
{
    return t[static_cast<std::size_t>((n >= 0 && n <= 16) ? n : 1)];
}

template <std::size_t N>
QString einheit(const std::array<texts::SprachText, N>& namen, long index, int sprache)
{
    if (index < 0 || index >= static_cast<long>(N))
        return {};
    return inSprache(namen[static_cast<std::size_t>(index)], sprache);
}

bool keinErgebnis(const ChartLage& l)
{
    return l.kuehlertypText == QStringLiteral("---") || !l.k.Eingabe_OK || l.k.Typ_Index < 0
        || l.k.Typ_Index >= rating::KErgebnisSlots;
}

QString durchflussEinheit(const ChartLage& l)
{
    return einheit(l.k.EH_Durchfluss_Namen, l.Region_US ? rating::eh::Durchfluss_USgal_min : rating::eh::Durchfluss_l_min,
        l.texte.SprachNr);
}

// Whole flow steps of a size's curve: from its lowest flow to its highest flow plus 2.5 %, in
// l/min or (US) gal/min. Empty when the range holds no step.
struct Bereich {
    long long lo = 0, hi = -1;
    bool leer() const { return hi < lo; }
    bool ohneSpanne() const { return hi <= lo; } // no step or a single one: no line to draw
};

Bereich kurvenBereich(const rating::KErgebnisSatz& e, bool us, bool abEins)
{
    double qmin = e.Durchfluss_Min, qmax = e.Durchfluss_Max;
    if (us) {
        qmin /= LiterProGallone;
        qmax /= LiterProGallone;
    }
    qmax *= 1.025;
    if (!std::isfinite(qmin) || !std::isfinite(qmax) || std::abs(qmin) > 1e7 || std::abs(qmax) > 1e7)
        return {};
    Bereich b{static_cast<long long>(std::floor(qmin)), static_cast<long long>(std::floor(qmax))};
    if (abEins && b.lo < 1)
        b.lo = 1;
    return b;
}

// Operating flow on the x axis: whole l/min, or its nearest whole gal/min (halves to even).
long long betriebsX(const ChartLage& l)
{
    const double q = l.k.Durchfluss;
    if (!std::isfinite(q) || std::abs(q) > 1e12)
        return 0;
    long long x = static_cast<long long>(std::floor(q));
    if (l.Region_US)
        x = static_cast<long long>(std::nearbyint(static_cast<double>(x) / LiterProGallone));
    return x;
}

using Punktwert = std::function<double(double xl, int zeile)>;

ChartPlot kurve(const ChartLage& l, int nummer, int zeile, bool abEins, const Punktwert& wert)
{
    ChartPlot p;
    p.nummer = nummer;
    const rating::KErgebnisSatz& e = l.k.KErgebnis[static_cast<std::size_t>(zeile)];
    p.legende = e.TypCode;
    const Bereich b = kurvenBereich(e, l.Region_US, abEins);
    if (b.leer())
        return p;
    for (long long x = b.lo; x <= b.hi; ++x) {
        const double xl = l.Region_US ? static_cast<double>(x) * LiterProGallone : static_cast<double>(x);
        p.x.push_back(static_cast<double>(x));
        p.y.push_back(wert(xl, zeile));
    }
    p.gezeigt = true;
    return p;
}

// Aspects of the curves: current size green, larger blue, smaller red; all black in a
// black-and-white report.
void faerben(ChartPlot& p, bool sw, bool nachbarMarkerNull)
{
    const bool aktuell = p.nummer == 3;
    if (sw) {
        p.R = p.G = p.B = 0;
        p.breite = aktuell ? 4 : 2;
        p.marker = 0;
        p.markerGroesse = 0;
        return;
    }
    p.R = (p.nummer == 4 || p.nummer == 5) ? 255 : 0;
    p.G = aktuell ? 255 : 0;
    p.B = (p.nummer == 1 || p.nummer == 2) ? 255 : 0;
    p.breite = aktuell ? 2 : 1;
    if (!aktuell && nachbarMarkerNull) {
        p.marker = 0;
        p.markerGroesse = 0;
    }
}

ChartBild bilden(const ChartLage& l, const texts::SprachText& titelText, bool abEins, bool nachbarMarkerNull,
    const Punktwert& wert)
{
    ChartBild b;
    const int sprache = l.texte.SprachNr;
    if (keinErgebnis(l)) {
        b.titel = inSprache(titelText, sprache) + QStringLiteral(" ---");
        return b;
    }
    b.ergebnis = true;
    b.hintergrund = l.Word_aktiv ? 0x80000005 : 0xE0E0E0;
    const bool sw = l.Word_aktiv && l.SW_Graphik_Flag;
    const int r = l.k.Typ_Index;
    const int rMax = std::min(l.k.Typ_MaxIndex, rating::KErgebnisSlots - 1);

    // The current size needs a flow range of at least two steps; otherwise the chart stays
    // cleared under its old title. The neighbours are drawn with whatever range they have.
    if (kurvenBereich(l.k.KErgebnis[static_cast<std::size_t>(r)], l.Region_US, abEins).ohneSpanne()) {
        b.abgebrochen = true;
        return b;
    }
    ChartPlot aktuell = kurve(l, 3, r, abEins, wert);
    b.plots.push_back(std::move(aktuell));
    const auto nachbar = [&](int nummer, int zeile) {
        ChartPlot p;
        p.nummer = nummer;
        if (zeile >= 0 && zeile <= rMax)
            p = kurve(l, nummer, zeile, abEins, wert);
        b.plots.push_back(std::move(p));
    };
    nachbar(2, r + 1);
    nachbar(1, r + 2);
    nachbar(4, r - 1);
    nachbar(5, r - 2);
    for (ChartPlot& p : b.plots)
        faerben(p, sw, nachbarMarkerNull);
    b.xLabel = inSprache(l.texte.Text_130, sprache) + QStringLiteral(" (") + durchflussEinheit(l) + QLatin1Char(')');
    return b;
}

// The fitted borders run through the extreme data, and the chart draws a single point only
// strictly inside them: an operating point at the edge of the data (an undersized cooler's
// required heat above every curve, a pressure drop of 0 outside the curve) would vanish. The
// border it lies on moves past it by a small part of the span.
constexpr double PunktRand = 0.05;

void betriebspunktEinschliessen(vexachart::Vexachart& chart, double x, double y)
{
    if (chart.XAxisLinLogMode() != 0 || chart.YAxisLinLogMode() != 0)
        return; // both charts are linear; a logarithmic axis would need its own margin
    const ChartGrenzen vorher{chart.XMinGlobal().toDouble(), chart.XMaxGlobal().toDouble(),
        chart.YMinGlobal().toDouble(), chart.YMaxGlobal().toDouble()};
    const ChartGrenzen nachher = umPunktWeiten(vorher, x, y, PunktRand);
    if (nachher == vorher)
        return;
    chart.SetGlobalBorders(vexachart::Variant(nachher.links), vexachart::Variant(nachher.rechts),
        vexachart::Variant(nachher.unten), vexachart::Variant(nachher.oben), vexachart::Variant(qint16(0)),
        vexachart::Variant(qint16(0)));
}

ChartPlot betriebspunkt(const ChartLage& l, double y)
{
    ChartPlot p;
    p.nummer = 6;
    p.gezeigt = true;
    const long long x = betriebsX(l);
    p.x = {static_cast<double>(x)};
    p.y = {y};
    p.legende = QString::number(x) + QStringLiteral(" (") + durchflussEinheit(l) + QLatin1Char(')');
    p.breite = 2;
    p.marker = 7;
    p.markerGroesse = 8;
    return p;
}

} // namespace

ChartGrenzen umPunktWeiten(ChartGrenzen g, double x, double y, double anteil)
{
    const auto achse = [anteil](double& lo, double& hi, double v) {
        if (v > lo && v < hi)
            return;
        double spanne = std::max(hi, v) - std::min(lo, v);
        if (!(spanne > 0.0))
            spanne = std::max(std::abs(v), 1.0);
        const double rand = anteil * spanne;
        if (v <= lo)
            lo = v - rand;
        if (v >= hi)
            hi = v + rand;
    };
    if (std::isfinite(x))
        achse(g.links, g.rechts, x);
    if (std::isfinite(y))
        achse(g.unten, g.oben, y);
    return g;
}

const ChartPlot* ChartBild::plot(int nummer) const
{
    for (const ChartPlot& p : plots)
        if (p.nummer == nummer)
            return &p;
    return nullptr;
}

ChartBild leistungsChartBilden(const ChartLage& l)
{
    const rating::KuehlerDaten& k = l.k;
    const double dT = k.T_in - k.T_Umgebung;
    ChartBild b = bilden(l, l.texte.Text_129, true, false, [&](double xl, int zeile) {
        const double kwProK = rating::Kennlinie_Log_berechnen(l.tabelle, xl, zeile, 0);
        return rating::Leistung_kW_in_EH(k, kwProK * dT);
    });
    if (!b.ergebnis || b.abgebrochen)
        return b;
    b.plots.push_back(betriebspunkt(l, rating::Leistung_kW_in_EH(k, k.KLeistung / 1000.0)));

    const int sprache = l.texte.SprachNr;
    const QString tempEinheit = QLatin1Char(' ') + einheit(k.EH_Temp_Namen, k.EH_Temp, sprache);
    double dTitel = dT;
    if (k.T_in - k.T_out > 0)
        dTitel = k.T_in - k.T_out;
    if (k.EH_Temp == rating::eh::Temp_F)
        dTitel *= 9.0 / 5.0; // a difference converts without the offset
    const QString dText = QStringLiteral(" (dT=") + common::formatValue(dTitel, QStringLiteral("#0.0"), l.locale)
        + tempEinheit + QLatin1Char(')');
    const QString titel = inSprache(l.texte.Text_129, sprache);
    b.titel = titel + QStringLiteral(" (") + l.mediumText + dText + QLatin1Char(')');
    b.yLabel = titel + QStringLiteral(" (") + einheit(k.EH_Leistung_Namen, k.EH_Leistung, sprache) + QLatin1Char(')');
    return b;
}

ChartBild druckChartBilden(const ChartLage& l, common::MessageBoxes& boxes)
{
    const rating::KuehlerDaten& k = l.k;
    const double korrektur = k.Medium_Typ == rating::MediumOel ? 0.9 * k.Visk_Faktor + 0.1 : 1.0;
    ChartBild b = bilden(l, l.texte.Text_160, false, true, [&](double xl, int zeile) {
        const double mbar = rating::Kennlinie_Potenz_berechnen(l.tabelle, xl, zeile, 0, boxes);
        return rating::Druck_bar_in_EH(k, mbar / 1000.0) * korrektur;
    });
    if (!b.ergebnis || b.abgebrochen)
        return b;
    // The operating point sits on the current size's curve; outside it at 0.
    const ChartPlot& aktuell = *b.plot(3);
    const long long x = betriebsX(l);
    const long long lo = static_cast<long long>(aktuell.x.front());
    const long long hi = static_cast<long long>(aktuell.x.back());
    const double y = (x >= lo && x <= hi) ? aktuell.y[static_cast<std::size_t>(x - lo)] : 0.0;
    b.plots.push_back(betriebspunkt(l, y));

    const int sprache = l.texte.SprachNr;
    const QString tempEinheit = QLatin1Char(' ') + einheit(k.EH_Temp_Namen, k.EH_Temp, sprache);
    const QString tm = QStringLiteral(" Tm=") + rating::Temp_EH_anzeigen(k, k.T_mittel_Ergebnis, l.locale) + tempEinheit;
    const QString titel = inSprache(l.texte.Text_160, sprache);
    b.titel = titel + QStringLiteral(" (") + l.mediumText + tm + QLatin1Char(')');
    b.yLabel = titel + QStringLiteral(" (") + einheit(k.EH_Druck_Namen, k.EH_Druck, sprache) + QLatin1Char(')');
    return b;
}

void chartAnwenden(vexachart::Vexachart& chart, const ChartBild& bild, ChartArt art, bool fehlerIgnorieren)
{
    using vexachart::Variant;
    const auto rufe = [fehlerIgnorieren](const std::function<void()>& f) {
        if (!fehlerIgnorieren) {
            f();
            return;
        }
        try {
            f();
        } catch (const std::exception&) {
            // this member failed; the rest of the chart is still drawn
        }
    };
    rufe([&] { chart.ClearAllPlotData(); });
    if (!bild.ergebnis) {
        rufe([&] { chart.setTitle(bild.titel); });
        rufe([&] { chart.setShowLegend(false); });
        rufe([&] { chart.Refresh(); });
        return;
    }
    rufe([&] { chart.setClrChartBackGround(bild.hintergrund); });
    if (bild.abgebrochen)
        return;
    for (const ChartPlot& p : bild.plots) {
        const auto n = static_cast<qint16>(p.nummer);
        if (!p.gezeigt) {
            rufe([&] { chart.ClearSinglePlotDataArray(n); });
            rufe([&] { chart.SetPlotVisible(n, false); });
            continue;
        }
        std::vector<double> punkte;
        punkte.reserve(p.x.size() * 2);
        for (std::size_t i = 0; i < p.x.size(); ++i) {
            punkte.push_back(p.x[i]);
            punkte.push_back(p.y[i]);
        }
        const auto i16 = [](int v) { return Variant(static_cast<qint16>(v)); };
        rufe([&] { chart.InsertSingleDataArray(n, Variant::array2(static_cast<int>(p.x.size()), 2, punkte)); });
        rufe([&] {
            chart.SetPlotAspects(n, Variant(p.legende), i16(p.R), i16(p.G), i16(p.B), i16(p.breite),
                p.marker ? i16(*p.marker) : Variant::missing(),
                p.markerGroesse ? i16(*p.markerGroesse) : Variant::missing(), Variant(true));
        });
        if (p.nummer == 3 && art == ChartArt::Leistung)
            rufe([&] { chart.Refresh(); });
    }
    rufe([&] { chart.setTitle(bild.titel); });
    rufe([&] { chart.setYAxisLabel(bild.yLabel); });
    rufe([&] { chart.setXAxisLabel(bild.xLabel); });
    // No cursor read-out when a chart is drawn: the control's 2 would switch the plot-name
    // read-out on, its 0 switches every read-out off.
    rufe([&] { chart.SetCursor(0); });
    rufe([&] { chart.setShowLegend(true); });
    if (art == ChartArt::Druckverlust)
        rufe([&] { chart.setEnableMenuOptionCursor(true); });
    rufe([&] { chart.SetGlobalBordersToDataRange(); });
    if (const ChartPlot* punkt = bild.plot(6); punkt != nullptr && punkt->gezeigt && punkt->x.size() == 1)
        rufe([&] { betriebspunktEinschliessen(chart, punkt->x.front(), punkt->y.front()); });
    rufe([&] { chart.Refresh(); });
}

} // namespace ui
