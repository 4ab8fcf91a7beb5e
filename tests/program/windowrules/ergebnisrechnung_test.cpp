#include "program/windowrules/ergebnisrechnung.h"

#include <gtest/gtest.h>

using namespace ui;

namespace {

// Oil ISO VG46 near 60 degC and the DC 12 V size of the reference point (0.2069774 kW/K at 50 l/min).
struct Referenz {
    bool fehler = false;
    int cpAufrufe = 0;
    double kwProK = 0.2069774;
    ErgebnisFunktionen f()
    {
        return {[this](double dT) { return kwProK * 1000 * dT; },
            [this](double T) { ++cpAufrufe; return 1.984 + 0.00367 * (T - 60); },
            [](double) { return 866.74; }, [](double) { return 0.746034; }, [this] { return fehler; }};
    }
};

ErgebnisEingang referenzPunkt()
{
    ErgebnisEingang e;
    e.T_in = 60;
    e.T_Umgebung = 30;
    e.Durchfluss = 50;
    e.KLeistung = 3000;
    e.DruckWert = 757.888;
    e.Q_min = 1;
    e.Q_max = 200;
    return e;
}

} // namespace

TEST(ErgebnisRechnung, ReferencePoint)
{
    Referenz r;
    const ErgebnisWerte w = berechneErgebnis(referenzPunkt(), r.f());
    EXPECT_EQ(w.Iter_Zaehler, 3);
    EXPECT_NEAR(w.T_out, 55.6495, 1e-3);
    EXPECT_NEAR(w.Abgef_Leistg, 6209.32, 0.01);
    EXPECT_NEAR(w.T_mittel, 57.8247, 1e-3);
    EXPECT_NEAR(w.Leistg_Reserve, 1.069774, 1e-5);
    EXPECT_NEAR(w.DruckVerlust, 58465.8, 0.5);
    EXPECT_EQ(w.warnung, DurchflussWarnung::Keine);
    EXPECT_FALSE(w.leistungNichtAbfuehrbar);
    EXPECT_FALSE(reserveRot(w));
}

TEST(ErgebnisRechnung, FlowWarningsAtTheirBorders)
{
    struct Case { double flow; DurchflussWarnung w; };
    const Case cases[] = {
        {0.95 * 20, DurchflussWarnung::Keine}, {0.95 * 20 - 0.01, DurchflussWarnung::ZuNiedrig},
        {1.05 * 200, DurchflussWarnung::Keine}, {210.5, DurchflussWarnung::ZuHoch},
    };
    for (const Case& c : cases) {
        Referenz r;
        ErgebnisEingang e = referenzPunkt();
        e.Q_min = 20;
        e.Durchfluss = c.flow;
        EXPECT_EQ(berechneErgebnis(e, r.f()).warnung, c.w) << c.flow;
    }
}

TEST(ErgebnisRechnung, WaterGlycolHasNoViscosityCorrection)
{
    Referenz r;
    ErgebnisEingang e = referenzPunkt();
    e.wasserGlykol = true;
    EXPECT_DOUBLE_EQ(berechneErgebnis(e, r.f()).DruckVerlust, 75788.8);
}

TEST(ErgebnisRechnung, ReserveColour)
{
    Referenz r;
    ErgebnisEingang e = referenzPunkt();
    e.KLeistung = 6209.32 / 0.9; // reserve -0.1
    r.kwProK = 0.2069773333333333;
    ErgebnisWerte w = berechneErgebnis(e, r.f());
    EXPECT_NEAR(w.Leistg_Reserve, -0.1, 1e-6);
    EXPECT_TRUE(reserveRot(w));
    e.KLeistung = w.Abgef_Leistg; // reserve exactly 0
    w = berechneErgebnis(e, r.f());
    EXPECT_EQ(w.Leistg_Reserve, 0.0);
    EXPECT_FALSE(reserveRot(w));
}

TEST(ErgebnisRechnung, SmallFlowOnALargeSizeReachesAmbient)
{
    Referenz r;
    r.kwProK = 2.0; // 60 kW at 30 K, far more than 2 l/min can carry
    ErgebnisEingang e = referenzPunkt();
    e.Durchfluss = 2;
    e.KLeistung = 3000;
    const ErgebnisWerte w = berechneErgebnis(e, r.f());
    EXPECT_EQ(w.T_out, 30.0);
    EXPECT_TRUE(w.leistungNichtAbfuehrbar);
    EXPECT_DOUBLE_EQ(w.Abgef_Leistg, 60000.0); // the capacity at the full difference
    EXPECT_DOUBLE_EQ(w.T_mittel, 45.0);
    EXPECT_TRUE(reserveRot(w));
}

TEST(ErgebnisRechnung, FlowLimitedHeatWithoutShortfallIsNoMessage)
{
    Referenz r;
    r.kwProK = 2.0;
    ErgebnisEingang e = referenzPunkt();
    e.Durchfluss = 20; // carries about 17.2 kW down to ambient
    e.KLeistung = 3000;
    const ErgebnisWerte w = berechneErgebnis(e, r.f());
    EXPECT_EQ(w.T_out, 30.0);
    EXPECT_FALSE(w.leistungNichtAbfuehrbar);
    EXPECT_NEAR(w.Abgef_Leistg, 20.0 / 60 * 866.74 * (1.984 + 0.00367 * (45 - 60)) * 30, 1.0);
}

TEST(ErgebnisRechnung, IterationStops)
{
    // A property error ends the iteration after the pass that raised it.
    Referenz r;
    ErgebnisFunktionen f = r.f();
    f.cp = [&r](double) { r.fehler = true; return 1.9; };
    EXPECT_EQ(berechneErgebnis(referenzPunkt(), f).Iter_Zaehler, 1);

    // Properties that never settle stop at 1000 passes.
    Referenz s;
    ErgebnisFunktionen g = s.f();
    g.cp = [&s](double) { return (++s.cpAufrufe % 2) ? 1.0 : 2.0; };
    EXPECT_EQ(berechneErgebnis(referenzPunkt(), g).Iter_Zaehler, MaxIterationen);

    // No flow: T_out stays at T_in, equal to the value before the pass, which ends the loop.
    Referenz t;
    ErgebnisEingang e = referenzPunkt();
    e.Durchfluss = 0;
    const ErgebnisWerte w = berechneErgebnis(e, t.f());
    EXPECT_EQ(w.T_out, 60.0);
    EXPECT_EQ(w.Iter_Zaehler, 1);
}
