#include "program/ui/keyfilter.h"
#include "program/windowrules/seriescode.h"
#include "program/windowrules/unitrange.h"

#include <gtest/gtest.h>

using namespace ui;

TEST(KeyFilter, KeepsDigitsSeparatorAndMinusWhereAllowed)
{
    struct Case { QChar ch; bool allowMinus; QString sep; bool kept; };
    const Case cases[] = {
        {'5', false, ".", true},  {'0', false, ",", true},  {'a', false, ".", false},
        {',', false, ",", true},  {'.', false, ",", false}, {'.', false, ".", true},
        {',', false, ".", false}, {'-', true, ".", true},   {'-', false, ".", false},
        {QChar(8), false, ".", true}, {'+', true, ".", false}, {'e', false, ".", false},
        {',', false, ",.", true}, {'.', false, ",.", false}, // only the first character counts
    };
    for (const Case& c : cases)
        EXPECT_EQ(keepKey(c.ch, c.allowMinus, c.sep), c.kept) << QString(c.ch).toStdString() << c.sep.toStdString();
}

TEST(SeriesCode, FirstMatchingLineWins)
{
    using namespace catalogue;
    struct Case { AntriebsWahl wahl; Baureihe code; int banner; };
    const Case cases[] = {
        {{Antrieb::DC, true, false, true}, DC_12V, 101},
        {{Antrieb::DC, false, true, false}, DC_24V, 101},
        {{Antrieb::DC, false, false, false}, Keine, 101},
        {{Antrieb::AC, true, false, false}, AC_Optim, 102},
        {{Antrieb::AC, true, false, true}, AC_Optim_LowNoise, 102},
        {{Antrieb::AC, false, true, false}, AC_Rough, 103},
        {{Antrieb::AC, false, true, true}, AC_Rough_LowNoise, 103},
        {{Antrieb::AC, false, false, true}, Keine, 0},
        {{Antrieb::Hydraulik, true, false, true}, Hydro_Optim, 104},
        {{Antrieb::Hydraulik, false, true, false}, Hydro_Rough, 105},
        {{Antrieb::Hydraulik, false, false, false}, Keine, 0},
        {{Antrieb::Keiner, true, false, false}, Keine, 0},
    };
    for (const Case& c : cases) {
        const SerienCode s = serienCode(c.wahl);
        EXPECT_EQ(s.Kuehler_Baureihe, c.code) << int(c.wahl.antrieb) << c.wahl.ersteVariante << c.wahl.zweiteVariante;
        EXPECT_EQ(s.banner, c.banner);
    }
}

TEST(UnitRange, OutOfRangeFallsBackAtBothEnds)
{
    struct Case { Groesse g; int wanted; int got; };
    const Case cases[] = {
        {Groesse::Temperatur, 2, 2}, {Groesse::Temperatur, 3, 0}, {Groesse::Temperatur, -1, 0},
        {Groesse::Durchfluss, 5, 5}, {Groesse::Durchfluss, 6, 2}, {Groesse::Durchfluss, -1, 2},
        {Groesse::Leistung, 3, 3},   {Groesse::Leistung, 4, 0},   {Groesse::Leistung, -7, 0},
        {Groesse::Druck, 0, 0},      {Groesse::Druck, 6, 1},      {Groesse::Druck, -1, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gueltigeEinheit(c.g, c.wanted), c.got) << int(c.g) << " " << c.wanted;
}
