#include "common/recordingmessageboxes.h"
#include "program/catalogue/kdaten_hc_tab.h"
#include "program/catalogue/kdaten_tab.h"
#include "program/rating/selection.h"
#include "program/rating/stoffwerte.h"
#include "testsupport.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace rating;

namespace {

struct EchterKatalog : ::testing::Test {
    static inline catalogue::KDaten_Tab kd;
    static inline catalogue::KDaten_HC_Tab hc;
    static void SetUpTestSuite() { catalogue::Init_KuehlerTabellen(kd, hc); }

    common::RecordingMessageBoxes boxes;

    // The search command's order: the search of the series, then the completion pass.
    int suchen(KuehlerDaten& d)
    {
        int zeile = -1;
        if (d.Kuehler_Baureihe == catalogue::DC_12V)
            zeile = Kuehler_suchen_DC(d, kd, kd.Region_US, boxes);
        else if (d.Kuehler_Baureihe == catalogue::DC_24V)
            zeile = Kuehler_suchen_DC24(d, kd, kd.Region_US, boxes);
        else
            zeile = Kuehler_suchen(d, kd, boxes);
        if (zeile >= 0 && d.Kuehler_Baureihe != 0) {
            d.Typ_Index = zeile;
            const int ergaenzt = KuehlerErgebnis_berechnen(d, kd, boxes);
            EXPECT_EQ(ergaenzt, zeile);
        }
        return zeile;
    }
};

// DC 12 V, metric, 50 l/min of ISO VG 46 at 60 °C into 30 °C air, 3000 W. By hand, with
// L = ln 50 = 3.91202 and dT = 30 K (50 l/min is above the switch-over of 25: second set):
//   row 0: (0.03614 + 0.02349 L − 0.001904 L²) · 30000 = 2966.84 W, not above 3000;
//   row 1: (−0.01908 + 0.0831 L − 0.006471 L²) · 30000 = 6209.32 W: the selection;
//   its pressure drop (one range) e^2.6168 · 50^1.026 mbar.
TEST_F(EchterKatalog, Dc12VoltMetrisch)
{
    kd.Region_US = false;
    KuehlerDaten d;
    d.Kuehler_Baureihe = catalogue::DC_12V;
    d.Durchfluss = 50;
    d.Medium_Typ = MediumOel;
    d.Medium_Subindex = 1;
    d.T_in = 60;
    d.T_Umgebung = 30;
    d.KLeistung = 3000;
    const double L = std::log(50.0);
    const double zeile0 = (0.03614 + 0.02349 * L - 0.001904 * L * L) * 30000;
    const double zeile1 = (-0.01908 + 0.0831 * L - 0.006471 * L * L) * 30000;
    ASSERT_NEAR(zeile0, 2966.84, 0.01);
    ASSERT_NEAR(zeile1, 6209.32, 0.01);

    EXPECT_EQ(suchen(d), 1);
    EXPECT_EQ(d.Typ_Index, 1);
    EXPECT_NEAR(d.Abgef_Leistg, zeile1, 1e-6);
    EXPECT_NEAR(d.KErgebnis[0].Leistung, zeile0, 1e-6);
    EXPECT_EQ(d.KErgebnis[1].TypCode, kd.KTab_DC_EU[1][0].TypBez);
    EXPECT_FALSE(d.KErgebnis[1].TypCode.isEmpty());
    EXPECT_NEAR(d.KErgebnis[1].DruckWert, std::exp(2.6168) * std::pow(50.0, 1.026), 1e-9);
    EXPECT_EQ(d.KErgebnis[1].Durchfluss_Min, 1);
    EXPECT_EQ(d.KErgebnis[1].Durchfluss_Max, 200);
    EXPECT_EQ(d.T_out, 30);
    // The capacity function of the result computation gives the same heat.
    EXPECT_NEAR(Kuehlleistung_berechnen(d, kd, 1, 30), zeile1, 1e-6);
    EXPECT_EQ(d.Typ_MaxIndex, 7);
    // The same point as water-glycol keeps the size (its properties differ, not its curves).
    d.Medium_Typ = MediumWasserGlykol;
    d.Medium_Subindex = 0;
    EXPECT_EQ(suchen(d), 1);
    EXPECT_EQ(d.KErgebnis[1].TypCode, kd.KTab_DC_EU[1][0].TypBez);
    EXPECT_TRUE(boxes.shown.empty());
}

// Over every series, region and hydraulic speed step: the result is an available size of the
// searched rows with its own heat, or −1 exactly when no row is available.
TEST_F(EchterKatalog, JedesErgebnisIstEineVerfuegbareGroesse)
{
    for (bool us : {false, true}) {
        kd.Region_US = us;
        for (int stufe = 0; stufe < catalogue::HydroStufen; ++stufe) {
            catalogue::setzeHydroStufe(hc, stufe);
            catalogue::Hydro_Stufe_anwenden(kd, hc);
            for (long baureihe = catalogue::DC_12V; baureihe <= catalogue::Hydro_Rough; ++baureihe) {
                if (stufe > 0 && baureihe < catalogue::Hydro_Optim)
                    continue; // the speed step only changes the hydraulic tables
                for (double Q : {0.0, 1.0, 19.0, 50.0, 150.0, 600.0}) {
                    for (double last : {0.0, 2500.0, 40000.0, 1e7}) {
                        KuehlerDaten d;
                        d.Kuehler_Baureihe = baureihe;
                        d.Durchfluss = Q;
                        d.T_in = 70;
                        d.T_Umgebung = 25;
                        d.KLeistung = last;
                        const int zeile = suchen(d);
                        const catalogue::KTabelle& t = Get_KuehlerTabelle(d, kd);
                        bool einerVerfuegbar = false;
                        for (int i = 0; i <= d.Typ_MaxIndex; ++i)
                            einerVerfuegbar = einerVerfuegbar || t[i][0].isAvailable();
                        const auto was = ::testing::Message() << "series " << baureihe << " US " << us << " step "
                                                              << stufe << " Q " << Q << " load " << last;
                        if (!einerVerfuegbar) {
                            EXPECT_EQ(zeile, -1) << was;
                            continue;
                        }
                        ASSERT_GE(zeile, 0) << was;
                        ASSERT_LE(zeile, d.Typ_MaxIndex) << was;
                        EXPECT_FALSE(d.KErgebnis[zeile].TypCode.isEmpty()) << was;
                        EXPECT_EQ(d.Abgef_Leistg, d.KErgebnis[zeile].Leistung) << was;
                        // No smaller available size carries the load.
                        for (int i = 0; i < zeile; ++i) {
                            EXPECT_FALSE(last < d.KErgebnis[i].Leistung && !d.KErgebnis[i].TypCode.isEmpty())
                                << was << " smaller row " << i;
                        }
                    }
                }
            }
        }
    }
    catalogue::setzeHydroStufe(hc, 1);
    catalogue::Hydro_Stufe_anwenden(kd, hc);
}

} // namespace
