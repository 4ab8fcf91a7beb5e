#include "common/recordingmessageboxes.h"
#include "program/rating/potenz.h"
#include "program/rating/stoffwerte.h"
#include "common/error.h"
#include "testsupport.h"
#include <gtest/gtest.h>
#include <cmath>
#include <vector>

using namespace rating;

namespace {

texts::SprachText sprachText(const char* deutsch, const char* englisch, const char* franzoesisch)
{
    texts::SprachText t{};
    t[0] = QString::fromUtf8(deutsch);
    t[1] = QString::fromUtf8(englisch);
    t[2] = QString::fromUtf8(franzoesisch);
    return t;
}

struct StoffwertFixture : ::testing::Test {
    common::RecordingMessageBoxes boxes;
    KuehlerDaten daten;
    Meldungen meldungen{boxes,
                        sprachText("zu heiss", "no cp-value!  oil range t > 300 °C in this program", "trop chaud"),
                        sprachText("zu kalt", "no cp-values for oil temperatures <0 °C", "trop froid"), 1,
                        QStringLiteral("Kelto-Line")};
};

struct CpFall {
    double T;
    double cp;
    const char* meldung; // nullptr: none
};

TEST_F(StoffwertFixture, CpVonOelMitGrenzen)
{
    const std::vector<CpFall> faelle = {
        {0, 1.764, nullptr},
        {-0.1, 1.764, "no cp-values for oil temperatures <0 °C"},
        {150, 2.314, nullptr},
        {175, 2.412, nullptr},
        {200, 2.51, nullptr},
        {225, 2.605, nullptr},
        {275, 2.795, nullptr},
        {300, 2.89, nullptr},
        {300.1, 2.89, "no cp-value!  oil range t > 300 °C in this program"},
    };
    for (const auto& f : faelle) {
        boxes.clear();
        daten.Stoffwert_Fehler = false;
        EXPECT_NEAR(Stoffwert_cp(f.T, {MediumOel, 3}, daten, meldungen), f.cp, 1e-12) << f.T;
        EXPECT_EQ(daten.Stoffwert_Fehler, f.meldung != nullptr) << f.T;
        if (f.meldung) {
            ASSERT_EQ(boxes.shown.size(), 1u) << f.T;
            EXPECT_EQ(boxes.shown[0].prompt, QString::fromUtf8(f.meldung));
            EXPECT_EQ(boxes.shown[0].style, common::mb::OkOnly | common::mb::Critical);
            EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Kelto-Line"));
        } else {
            EXPECT_TRUE(boxes.shown.empty()) << f.T;
        }
    }
}

TEST_F(StoffwertFixture, MeldungInDerSpracheUndEinmalJeAktion)
{
    meldungen.SprachNr = 2;
    {
        common::UserActionScope aktion(boxes);
        Stoffwert_cp(-5, {MediumOel, 0}, daten, meldungen);
        daten.Stoffwert_Fehler = false;
        Stoffwert_cp(-6, {MediumOel, 0}, daten, meldungen);
        EXPECT_TRUE(daten.Stoffwert_Fehler); // the flag is set on every call, shown or not
    }
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, QStringLiteral("trop froid"));
}

TEST_F(StoffwertFixture, WasserGlykolUndAndereMedien)
{
    const Medium wg{MediumWasserGlykol, 0};
    EXPECT_NEAR(Stoffwert_cp(50, wg, daten, meldungen), 3.47336365, 1e-9);
    EXPECT_NEAR(Stoffwert_Dichte(50, wg), 1055.012572, 1e-6);
    // Water-glycol has no temperature limit of its own and no message.
    EXPECT_NEAR(Stoffwert_cp(-10, wg, daten, meldungen), (-0.02108 * 100 - 67.9425 + 3186.35115) / 1000, 1e-12);
    EXPECT_TRUE(boxes.shown.empty());
    for (const Medium anderes : {Medium{MediumWasserGlykol, 1}, Medium{2, 0}}) {
        EXPECT_EQ(Stoffwert_cp(50, anderes, daten, meldungen), 0);
        EXPECT_EQ(Stoffwert_Dichte(50, anderes), 1000);
    }
    EXPECT_FALSE(daten.Stoffwert_Fehler);
}

TEST(Stoffwerte, DichteVonOel)
{
    const struct {
        double T, rho;
    } faelle[] = {{0, 905.7}, {150, 808.3}, {300, 710.9}, {300.1, 1000}, {-1, 1000}, {NAN, 1000}};
    for (const auto& f : faelle)
        EXPECT_NEAR(Stoffwert_Dichte(f.T, {MediumOel, 1}), f.rho, 1e-9) << f.T;
}

TEST_F(StoffwertFixture, NichtEndlicheTemperaturIstFehler6)
{
    try {
        Stoffwert_cp(INFINITY, {MediumOel, 0}, daten, meldungen);
        FAIL();
    } catch (const common::Error& e) {
        EXPECT_EQ(e.number(), common::errc::Overflow);
    }
}

TEST(Stoffwerte, ViskositaetDerNeunSortenBei40Grad)
{
    const double nenn[AnzahlOelSorten] = {32.0, 45.7, 67.8, 99.5, 150.0, 217.8, 321.2, 463.5, 678.0};
    common::RecordingMessageBoxes boxes;
    for (int sorte = 0; sorte < AnzahlOelSorten; ++sorte) {
        KuehlerDaten d;
        const double f = Stoffwert_Viskositaet(40, sorte, d, boxes);
        EXPECT_NEAR(d.Visk_Medium, nenn[sorte], 0.1) << sorte;
        EXPECT_DOUBLE_EQ(f, 0.0324 * d.Visk_Medium + 0.0253) << sorte;
    }
    KuehlerDaten d;
    EXPECT_NEAR(Stoffwert_Viskositaet(40, 1, d, boxes), 1.50503, 1e-5);
    Stoffwert_Viskositaet(100, 1, d, boxes);
    EXPECT_NEAR(d.Visk_Medium, 6.6452, 1e-4);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(Stoffwerte, ViskositaetFehler)
{
    common::RecordingMessageBoxes boxes;
    KuehlerDaten d;
    d.Visk_Medium = 12;
    for (int sorte : {-1, 9}) {
        try {
            Stoffwert_Viskositaet(40, sorte, d, boxes);
            FAIL() << sorte;
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), common::errc::SubscriptOutOfRange) << sorte;
        }
    }
    EXPECT_EQ(d.Visk_Medium, 12);
    try {
        Stoffwert_Viskositaet(-1e6, 0, d, boxes); // e^(12500) overflows
        FAIL();
    } catch (const common::Error& e) {
        EXPECT_EQ(e.number(), common::errc::Overflow);
    }
    // A viscosity too large for a double goes through the power's failure: ν = 1.
    Stoffwert_Viskositaet(-1000, 8, d, boxes);
    EXPECT_EQ(d.Visk_Medium, 1);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, PotenzFehlerText);
}

TEST(Potenz, WerteUndFehlschlaege)
{
    const struct {
        double x, y, ergebnis;
        bool meldung;
    } faelle[] = {
        {2, 0.5, 1.4142135623730951, false}, {10, 2, 100, false},   {0, 2, 0, false},
        {-8, 3, -512, false},                {-8, 1.0 / 3, 1, true}, {0, -1, 1, true},
        {10, 400, 1, true},                  {NAN, 1, 1, true},      {2, INFINITY, 1, true},
    };
    for (const auto& f : faelle) {
        common::RecordingMessageBoxes boxes;
        EXPECT_EQ(Potenz(f.x, f.y, boxes), f.ergebnis) << f.x << "^" << f.y;
        EXPECT_EQ(boxes.shown.size(), f.meldung ? 1u : 0u) << f.x << "^" << f.y;
        if (f.meldung) {
            EXPECT_EQ(boxes.shown[0].prompt, QStringLiteral("Pow-Fkt. (X Exp Y) mit ungültigen Parametern"));
            EXPECT_EQ(boxes.shown[0].style, common::mb::Critical);
        }
    }
}

} // namespace

namespace {

TEST(Stoffwerte, MeldungAusDenProgrammtexten)
{
    texts::Texte texte;
    texte.SprachNr = 2;
    texte.Text_117 = sprachText("zu heiss", "too hot", "trop chaud");
    texte.Titel_Text = sprachText("Kelto-Line DE", "Kelto-Line EN", "Kelto-Line FR");
    common::RecordingMessageBoxes boxes;
    KuehlerDaten d;
    EXPECT_EQ(Stoffwert_cp(310, {MediumOel, 0}, d, meldungenAus(texte, boxes)), 2.89);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, QStringLiteral("trop chaud"));
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Kelto-Line FR"));
}

} // namespace
