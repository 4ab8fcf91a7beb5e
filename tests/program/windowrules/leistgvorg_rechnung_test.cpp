// The two heat-load formulas with fixed properties (ρ = 870 kg/m³, cp = 1.9 kJ/(kg·K)), so that
// every expected value can be worked out by hand.
#include "program/windowrules/leistgvorg_rechnung.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Fixed {
    std::vector<double> gefragt; // temperatures the properties were asked at
    ui::Stoffwertfunktionen funktionen()
    {
        return {[this](double T) {
                    gefragt.push_back(T);
                    return 1.9;
                },
                [](double) { return 870.0; }};
    }
};

struct TankFall {
    const char* name;
    ui::TankEingaben ein;
    double leistung;
    double zeitBenutzt;
    double anstiegBenutzt;
    double T_mittel;
};

TEST(LeistgVorgRechnung, TankTestTable)
{
    const TankFall faelle[] = {
        {"100 l, 10 K in 10 min", {100, false, 10, 10}, 870 * 1.9 * 100 * 10 / 600.0, 10, 10, 25},
        {"100 US gallons", {100, true, 10, 10}, 870 * 1.9 * 378.5412 * 10 / 600.0, 10, 10, 25},
        {"time 0 becomes 0.1 min", {100, false, 10, 0}, 870 * 1.9 * 100 * 10 / 6.0, 0.1, 10, 25},
        {"negative time becomes 0.1 min", {100, false, 10, -3}, 870 * 1.9 * 100 * 10 / 6.0, 0.1, 10, 25},
        {"negative rise becomes 0", {100, false, -5, 10}, 0, 10, 0, 20},
        {"volume 0", {0, false, 10, 10}, 0, 10, 10, 25},
        {"negative volume", {-50, false, 10, 10}, 0, 10, 10, 25},
    };
    for (const TankFall& f : faelle) {
        SCOPED_TRACE(f.name);
        Fixed fixed;
        const ui::TankErgebnis r = ui::VLstg1_rechnen(f.ein, 20.0, fixed.funktionen());
        EXPECT_NEAR(r.leistung, f.leistung, 1e-9 * (1 + f.leistung));
        EXPECT_DOUBLE_EQ(r.zeitMin, f.zeitBenutzt);
        EXPECT_EQ(r.zeitErsetzt, f.ein.zeitMin <= 0);
        EXPECT_DOUBLE_EQ(r.anstiegK, f.anstiegBenutzt);
        EXPECT_EQ(r.anstiegErsetzt, f.ein.anstiegK < 0);
        EXPECT_DOUBLE_EQ(r.T_mittel, f.T_mittel);
        ASSERT_EQ(fixed.gefragt.size(), 1u);
        EXPECT_DOUBLE_EQ(fixed.gefragt[0], f.T_mittel); // properties at ambient + rise / 2
        EXPECT_DOUBLE_EQ(r.RhoCp_Faktor, 870.0 / 1000 * 1.9 / 60);
    }
    // The reference case rounded as the notes give it.
    Fixed fixed;
    EXPECT_NEAR(ui::VLstg1_rechnen({100, false, 10, 10}, 20, fixed.funktionen()).leistung, 2755.0, 1e-9);
    EXPECT_NEAR(ui::VLstg1_rechnen({100, true, 10, 10}, 20, fixed.funktionen()).leistung, 10428.81, 0.01);
}

TEST(LeistgVorgRechnung, WantedOutletTable)
{
    struct Fall {
        const char* name;
        double gewuenscht;
        double T_out;
        bool begrenzt;
        double T_mittel;
        double leistung;
    };
    // T_in 60 °C, ambient 20 °C, 100 l/min, previous mean temperature 42 °C.
    const Fall faelle[] = {
        {"50 °C", 50, 50, false, 55, 10 * (100 / 60.0) * 870 * 1.9},
        {"below ambient counts as ambient", 15, 20, false, 40, 40 * (100 / 60.0) * 870 * 1.9},
        {"equal to inlet", 60, 60, true, 42, 0},
        {"above inlet", 75, 60, true, 42, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Fixed fixed;
        const ui::AustrittErgebnis r = ui::VLstg2_rechnen(f.gewuenscht, 60, 20, 100, 42, fixed.funktionen());
        EXPECT_DOUBLE_EQ(r.T_out, f.T_out);
        EXPECT_EQ(r.aufEintrittBegrenzt, f.begrenzt);
        EXPECT_DOUBLE_EQ(r.T_mittel, f.T_mittel);
        ASSERT_EQ(fixed.gefragt.size(), 1u);
        EXPECT_DOUBLE_EQ(fixed.gefragt[0], f.T_mittel);
        EXPECT_NEAR(r.leistung, f.leistung, 1e-9 * (1 + f.leistung));
    }
    Fixed fixed;
    EXPECT_NEAR(ui::VLstg2_rechnen(50, 60, 20, 100, 0, fixed.funktionen()).leistung, 27550.0, 1e-9);
}

} // namespace
