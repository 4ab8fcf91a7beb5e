#include "program/rating/units.h"
#include "common/error.h"
#include "testsupport.h"
#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include <vector>

using namespace rating;

namespace {

const QLocale C = QLocale::c();
const QLocale Komma(QLocale::German, QLocale::Germany);

long fehlerVon(const std::function<void()>& f)
{
    try {
        f();
    } catch (const common::Error& e) {
        return e.number();
    }
    return 0;
}

struct ZeigeFall {
    const char* was;
    std::function<QString(KuehlerDaten&)> zeigen;
    const char* erwartet;
};

TEST(Anzeigen, WerteUndMusterJeEinheit)
{
    const std::vector<ZeigeFall> faelle = {
        {"50 Pa in mbar", [](KuehlerDaten& d) { d.EH_Druck = eh::Druck_mbar; return Druck_EH_anzeigen(d, 50, C); }, "1"},
        {"0 Pa in mbar", [](KuehlerDaten& d) { d.EH_Druck = eh::Druck_mbar; return Druck_EH_anzeigen(d, 0, C); }, "1"},
        {"250 Pa in mbar", [](KuehlerDaten& d) { d.EH_Druck = eh::Druck_mbar; return Druck_EH_anzeigen(d, 250, C); }, "3"},
        {"100000 Pa in bar", [](KuehlerDaten& d) { d.EH_Druck = eh::Druck_bar; return Druck_EH_anzeigen(d, 100000, C); }, "1.00"},
        {"6894.757 Pa in psi", [](KuehlerDaten& d) { d.EH_Druck = eh::Druck_psi; return Druck_EH_anzeigen(d, 6894.757, C); }, "1.0"},
        {"1333.224 Pa in mmHg", [](KuehlerDaten& d) { d.EH_Druck = eh::Druck_mmHg; return Druck_EH_anzeigen(d, 1333.224, C); }, "10"},
        {"98.067 Pa in mmWS", [](KuehlerDaten& d) { d.EH_Druck = eh::Druck_mmWS; return Druck_EH_anzeigen(d, 98.067, C); }, "10"},
        {"3.785412 l/min in US gal/min", [](KuehlerDaten& d) { d.EH_Durchfluss = eh::Durchfluss_USgal_min; return Durchfluss_EH_anzeigen(d, 3.785412, C); }, "1.0"},
        {"90 l/min in l/s", [](KuehlerDaten& d) { d.EH_Durchfluss = eh::Durchfluss_l_s; return Durchfluss_EH_anzeigen(d, 90, C); }, "1.50"},
        {"2.5 l/min in l/h", [](KuehlerDaten& d) { d.EH_Durchfluss = eh::Durchfluss_l_h; return Durchfluss_EH_anzeigen(d, 2.5, C); }, "150"},
        {"oil at 150 °C, 60 l/min in kg/s", [](KuehlerDaten& d) { d.T_in = 150; d.EH_Durchfluss = eh::Durchfluss_kg_s; return Durchfluss_EH_anzeigen(d, 60, C); }, "0.81"},
        {"oil at 150 °C, 60 l/min in kg/h", [](KuehlerDaten& d) { d.T_in = 150; d.EH_Durchfluss = eh::Durchfluss_kg_h; return Durchfluss_EH_anzeigen(d, 60, C); }, "2910"},
        {"oil at 400 °C takes 1000 kg/m³", [](KuehlerDaten& d) { d.T_in = 400; d.EH_Durchfluss = eh::Durchfluss_kg_s; return Durchfluss_EH_anzeigen(d, 60, C); }, "1.00"},
        {"water-glycol at 50 °C in kg/s", [](KuehlerDaten& d) { d.T_in = 50; d.Medium_Typ = MediumWasserGlykol; d.EH_Durchfluss = eh::Durchfluss_kg_s; return Durchfluss_EH_anzeigen(d, 60, C); }, "1.06"},
        {"20 °C in °F", [](KuehlerDaten& d) { d.EH_Temp = eh::Temp_F; return Temp_EH_anzeigen(d, 20, C); }, "68.0"},
        {"-273.15 °C in K", [](KuehlerDaten& d) { d.EH_Temp = eh::Temp_K; return Temp_EH_anzeigen(d, -273.15, C); }, "0.0"},
        {"1161.965556 W in kcal/h", [](KuehlerDaten& d) { d.EH_Leistung = eh::Leistung_kcal_h; return Leistung_EH_anzeigen(d, 1161.965556, C); }, "1000.0"},
        {"2928.104 W in BTU/h", [](KuehlerDaten& d) { d.EH_Leistung = eh::Leistung_BTU_h; return Leistung_EH_anzeigen(d, 2928.104, C); }, "10000.0"},
        {"745.6999 W in hp", [](KuehlerDaten& d) { d.EH_Leistung = eh::Leistung_hp; return Leistung_EH_anzeigen(d, 745.6999, C); }, "1.0"},
        {"1 MW in BTU/h", [](KuehlerDaten& d) { d.EH_Leistung = eh::Leistung_BTU_h; return Leistung_EH_anzeigen(d, 1e6, C); }, "3415179.2"},
        {"1 MW in hp", [](KuehlerDaten& d) { d.EH_Leistung = eh::Leistung_hp; return Leistung_EH_anzeigen(d, 1e6, C); }, "1341.0"},
        {"1 MPa in mmHg", [](KuehlerDaten& d) { d.EH_Druck = eh::Druck_mmHg; return Druck_EH_anzeigen(d, 1e6, C); }, "7501"},
        {"1 MPa in mmWS", [](KuehlerDaten& d) { d.EH_Druck = eh::Druck_mmWS; return Druck_EH_anzeigen(d, 1e6, C); }, "101971"},
        {"1 MPa in psi", [](KuehlerDaten& d) { d.EH_Druck = eh::Druck_psi; return Druck_EH_anzeigen(d, 1e6, C); }, "145.0"},
        {"100 l/min in US gal/min", [](KuehlerDaten& d) { d.EH_Durchfluss = eh::Durchfluss_USgal_min; return Durchfluss_EH_anzeigen(d, 100, C); }, "26.4"},
        {"3000 W in kW", [](KuehlerDaten& d) { d.EH_Leistung = eh::Leistung_kW; return Leistung_EH_anzeigen(d, 3000, C); }, "3.0"},
        {"2.5 l/min, decimal comma", [](KuehlerDaten& d) { d.EH_Durchfluss = eh::Durchfluss_l_min; return Durchfluss_EH_anzeigen(d, 2.5, Komma); }, "2,5"},
        // Unknown selectors: flow, pressure and power show 0; temperature stays in °C.
        {"unknown flow unit", [](KuehlerDaten& d) { d.EH_Durchfluss = 9; return Durchfluss_EH_anzeigen(d, 60, C); }, "0.0"},
        {"unknown pressure unit", [](KuehlerDaten& d) { d.EH_Druck = 9; return Druck_EH_anzeigen(d, 5000, C); }, "0"},
        {"unknown power unit", [](KuehlerDaten& d) { d.EH_Leistung = 9; return Leistung_EH_anzeigen(d, 5000, C); }, "0.0"},
        {"unknown temperature unit", [](KuehlerDaten& d) { d.EH_Temp = 9; return Temp_EH_anzeigen(d, 20, C); }, "20.0"},
    };
    for (const auto& f : faelle) {
        KuehlerDaten d;
        EXPECT_EQ(f.zeigen(d), QString::fromUtf8(f.erwartet)) << f.was;
    }
}

struct LeseFall {
    const char* was;
    std::function<double(KuehlerDaten&)> lesen;
    double erwartet;
};

TEST(Einlesen, WerteJeEinheit)
{
    const std::vector<LeseFall> faelle = {
        {"1 US gal/min", [](KuehlerDaten& d) { d.EH_Durchfluss = eh::Durchfluss_USgal_min; return Durchfluss_EH_einlesen(d, "1", C); }, 3.785412},
        {"1.5 l/s", [](KuehlerDaten& d) { d.EH_Durchfluss = eh::Durchfluss_l_s; return Durchfluss_EH_einlesen(d, "1.5", C); }, 90},
        {"150 l/h", [](KuehlerDaten& d) { d.EH_Durchfluss = eh::Durchfluss_l_h; return Durchfluss_EH_einlesen(d, "150", C); }, 2.5},
        {"0.8083 kg/s oil at 150 °C", [](KuehlerDaten& d) { d.T_in = 150; d.EH_Durchfluss = eh::Durchfluss_kg_s; return Durchfluss_EH_einlesen(d, "0.8083", C); }, 60},
        {"2909.88 kg/h oil at 150 °C", [](KuehlerDaten& d) { d.T_in = 150; d.EH_Durchfluss = eh::Durchfluss_kg_h; return Durchfluss_EH_einlesen(d, "2909.88", C); }, 60},
        {"2,5 l/min, decimal comma", [](KuehlerDaten& d) { d.EH_Durchfluss = eh::Durchfluss_l_min; return Durchfluss_EH_einlesen(d, "2,5", Komma); }, 2.5},
        {"unknown flow unit keeps the value", [](KuehlerDaten& d) { d.EH_Durchfluss = 9; return Durchfluss_EH_einlesen(d, "7", C); }, 7},
        {"300 K", [](KuehlerDaten& d) { d.EH_Temp = eh::Temp_K; return Temp_EH_einlesen(d, "300", C); }, 26.85},
        {"212 °F", [](KuehlerDaten& d) { d.EH_Temp = eh::Temp_F; return Temp_EH_einlesen(d, "212", C); }, 100},
        {"unknown temperature unit reads °C", [](KuehlerDaten& d) { d.EH_Temp = 9; return Temp_EH_einlesen(d, "40", C); }, 40},
        {"difference 18 °F", [](KuehlerDaten& d) { d.EH_Temp = eh::Temp_F; return TempDiff_EH_einlesen(d, "18", C); }, 10},
        {"difference 18 K", [](KuehlerDaten& d) { d.EH_Temp = eh::Temp_K; return TempDiff_EH_einlesen(d, "18", C); }, 18},
        {"difference 18 °C", [](KuehlerDaten& d) { d.EH_Temp = eh::Temp_C; return TempDiff_EH_einlesen(d, "18", C); }, 18},
        {"3 kW", [](KuehlerDaten& d) { d.EH_Leistung = eh::Leistung_kW; return Leistung_EH_einlesen(d, "3", C); }, 3000},
        {"1000 kcal/h", [](KuehlerDaten& d) { d.EH_Leistung = eh::Leistung_kcal_h; return Leistung_EH_einlesen(d, "1000", C); }, 1161.965556},
        {"heat 0", [](KuehlerDaten& d) { return Leistung_EH_einlesen(d, "0", C); }, 0},
        {"heat -5", [](KuehlerDaten& d) { return Leistung_EH_einlesen(d, "-5", C); }, 0},
        {"heat abc", [](KuehlerDaten& d) { return Leistung_EH_einlesen(d, "abc", C); }, 0},
        {"heat 1E999", [](KuehlerDaten& d) { return Leistung_EH_einlesen(d, "1E999", C); }, 0},
        {"heat 1E306 kW overflows to no load", [](KuehlerDaten& d) { return Leistung_EH_einlesen(d, "1E306", C); }, 0},
        {"unknown power unit keeps the value", [](KuehlerDaten& d) { d.EH_Leistung = 9; return Leistung_EH_einlesen(d, "7", C); }, 7},
        {"1 bar in psi", [](KuehlerDaten& d) { d.EH_Druck = eh::Druck_psi; return Druck_bar_in_EH(d, 1); }, 14.503774389728312},
        {"1 bar in mbar", [](KuehlerDaten& d) { d.EH_Druck = eh::Druck_mbar; return Druck_bar_in_EH(d, 1); }, 1000},
        {"1 bar, unknown unit", [](KuehlerDaten& d) { d.EH_Druck = 9; return Druck_bar_in_EH(d, 1); }, 0},
        {"1 kW in kcal/h", [](KuehlerDaten& d) { d.EH_Leistung = eh::Leistung_kcal_h; return Leistung_kW_in_EH(d, 1); }, 860.6107081542442},
        {"1 kW, unknown unit", [](KuehlerDaten& d) { d.EH_Leistung = 9; return Leistung_kW_in_EH(d, 1); }, 0},
    };
    for (const auto& f : faelle) {
        KuehlerDaten d;
        EXPECT_NEAR(f.lesen(d), f.erwartet, 1e-9 * std::max(1.0, std::abs(f.erwartet))) << f.was;
    }
}

// Every reading factor must be the inverse of its showing factor: a slip in one constant shows here.
TEST(Einlesen, IstDieUmkehrungDesAnzeigens)
{
    const double rho = 870.2;
    for (int einheit = 0; einheit <= 5; ++einheit) {
        const double lpm = 47.3;
        EXPECT_NEAR(durchflussNachLpm(durchflussInEinheit(lpm, einheit, rho), einheit, rho), lpm, 1e-9) << einheit;
    }
    for (long einheit = 0; einheit <= 3; ++einheit) {
        const double kw = 4.7;
        EXPECT_NEAR(leistungNachWatt(leistungKwInEinheit(kw, einheit), einheit), kw * 1000, 1e-9) << einheit;
    }
    for (int einheit = 0; einheit <= 2; ++einheit) {
        const double wert = 61.3;
        EXPECT_EQ(tempText(tempNachCelsius(wert, einheit), einheit, C), QStringLiteral("61.3")) << einheit;
    }
    // The shown pressure and the pressure number of the same unit agree to the shown digits.
    for (int einheit = 0; einheit <= 5; ++einheit) {
        const double bar = 2.5;
        EXPECT_NEAR(druckText(bar * 100000, einheit, C).toDouble(), druckBarInEinheit(bar, einheit), 0.5) << einheit;
    }
}

TEST(Einlesen, FehlerDerEingabe)
{
    KuehlerDaten d;
    EXPECT_EQ(fehlerVon([&] { Durchfluss_EH_einlesen(d, "abc", C); }), common::errc::TypeMismatch);
    EXPECT_EQ(fehlerVon([&] { Temp_EH_einlesen(d, "", C); }), common::errc::TypeMismatch);
    EXPECT_EQ(fehlerVon([&] { Durchfluss_EH_einlesen(d, "1E999", C); }), common::errc::Overflow);
    EXPECT_EQ(fehlerVon([&] { TempDiff_EH_einlesen(d, "1E999", C); }), common::errc::Overflow);
    d.EH_Durchfluss = eh::Durchfluss_l_s;
    EXPECT_EQ(fehlerVon([&] { Durchfluss_EH_einlesen(d, "1E308", C); }), common::errc::Overflow);
    // Water-glycol above about 728 °C has no positive density: a mass flow cannot be read.
    d.Medium_Typ = MediumWasserGlykol;
    d.T_in = 800;
    d.EH_Durchfluss = eh::Durchfluss_kg_s;
    EXPECT_EQ(fehlerVon([&] { Durchfluss_EH_einlesen(d, "1", C); }), common::errc::Overflow);
    d.EH_Durchfluss = eh::Durchfluss_kg_h;
    EXPECT_EQ(fehlerVon([&] { Durchfluss_EH_einlesen(d, "1", C); }), common::errc::Overflow);
    d.EH_Leistung = eh::Leistung_kW;
    EXPECT_EQ(fehlerVon([&] { Leistung_EH_anzeigen(d, NAN, C); }), common::errc::Overflow);
}

} // namespace
