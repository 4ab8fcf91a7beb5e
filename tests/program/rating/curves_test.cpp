#include "common/recordingmessageboxes.h"
#include "program/rating/curves.h"
#include "common/error.h"
#include "synthetictables.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace rating;
using ratingtest::dcEuZeile0;

namespace {

TEST(Kennlinien, SpezifischeLeistungBeiderBereiche)
{
    const catalogue::KTabelle t = ratingtest::tabelle({dcEuZeile0()});
    const struct {
        double Q, s;
    } faelle[] = {
        {25, 0.09198695440979811},  // at the switch-over: set 1 (set 2 would give 0.0920237)
        {25.0001, 0.0920237},       // just above: set 2
        {100, 0.10393619165945679}, // set 2
        {1, 0.026},                 // ln 1 = 0: c0 of set 1
    };
    for (const auto& f : faelle)
        EXPECT_NEAR(Kennlinie_Log_berechnen(t, f.Q, 0, 0), f.s, 1e-7) << f.Q;
}

TEST(Kennlinien, SpezifischeLeistungOhneAuswertbareWerteIstNull)
{
    const catalogue::KTabelle t = ratingtest::tabelle({dcEuZeile0()});
    for (double Q : {0.0, -1.0, double(NAN), double(INFINITY)})
        EXPECT_EQ(Kennlinie_Log_berechnen(t, Q, 0, 0), 0) << Q;
    EXPECT_EQ(Kennlinie_Log_berechnen(t, 50, 2, 0), 0);  // row outside the table
    EXPECT_EQ(Kennlinie_Log_berechnen(t, 50, -1, 0), 0);
    EXPECT_EQ(Kennlinie_Log_berechnen(t, 50, 0, 2), 0);  // column outside
    EXPECT_EQ(Kennlinie_Log_berechnen({}, 50, 0, 0), 0); // empty table
    catalogue::KTabSatz riesig = dcEuZeile0();
    riesig.Koeff_1 = {1e308, 1e308, 0, 0, 0, 0, 0};
    EXPECT_EQ(Kennlinie_Log_berechnen(ratingtest::tabelle({riesig}), 20, 0, 0), 0); // non-finite result
}

TEST(Kennlinien, EinBereichNutztNieSatz2)
{
    catalogue::KTabSatz s = ratingtest::flacheGroesse(0.5, "X");
    s.Koeff_2 = {9, 9, 9, 0, 0, 0, 0};
    const catalogue::KTabelle t = ratingtest::tabelle({s});
    for (double Q : {1.0, 500.0, 9999.0, 10000.0})
        EXPECT_EQ(Kennlinie_Log_berechnen(t, Q, 0, 0), 0.5) << Q;
}

TEST(Kennlinien, DruckverlustBeiderBereiche)
{
    common::RecordingMessageBoxes boxes;
    const catalogue::KTabelle t = ratingtest::tabelle({dcEuZeile0()});
    const struct {
        double Q, mbar;
    } faelle[] = {
        {25, 369.87012857337663},
        {200, 3510.6041105995137},
        {125, 1952.425862123228}, // exactly at the switch-over: range 1 here
    };
    for (const auto& f : faelle)
        EXPECT_NEAR(Kennlinie_Potenz_berechnen(t, f.Q, 0, 0, boxes), f.mbar, 1e-9 * f.mbar) << f.Q;
    EXPECT_TRUE(boxes.shown.empty());
    // A failing power gives the factor 1: the result is e^a with one message.
    EXPECT_NEAR(Kennlinie_Potenz_berechnen(t, -4, 0, 0, boxes), std::exp(2.5858), 1e-12);
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST(Kennlinien, DruckverlustAusserhalbDerTabelleIstFehler9)
{
    common::RecordingMessageBoxes boxes;
    const catalogue::KTabelle t = ratingtest::tabelle({dcEuZeile0()});
    for (auto [zeile, spalte] : {std::pair{2, 0}, std::pair{-1, 0}, std::pair{0, 2}}) {
        try {
            Kennlinie_Potenz_berechnen(t, 50, zeile, spalte, boxes);
            FAIL() << zeile << "," << spalte;
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), common::errc::SubscriptOutOfRange);
        }
    }
}

} // namespace
