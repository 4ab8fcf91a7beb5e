// The order type key and the dimension-cell rule: plain functions.
#include "program/catalogue/ktabsatz.h"
#include "program/windowrules/einbau_zelle.h"
#include "program/windowrules/typschluessel.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace ui;

namespace {

TypSchluesselLage mitErgebnis(long serie, bool us, bool drueckend)
{
    TypSchluesselLage l;
    l.TypCode = QStringLiteral("D16");
    l.Kuehler_Baureihe = serie;
    l.Region_US = us;
    l.drueckend = drueckend;
    l.KLeistung = 3000;
    l.Eingabe_OK = true;
    l.Typ_Index = 1;
    l.ergebnisAngezeigt = true;
    return l;
}

} // namespace

TEST(TypSchluessel, CodeSuffixAndAirMarkInThatOrder)
{
    struct Fall {
        long serie;
        bool us, drueckend;
        QString erwartet;
    };
    const Fall faelle[] = {
        {catalogue::DC_24V, false, true, "D16" + Suffix_DC24 + LuftMarke_drueckend},
        {catalogue::DC_12V, true, false, "D16" + Suffix_DC12},
        {catalogue::AC_Optim, false, false, "D16"},
        {catalogue::AC_Rough_LowNoise, false, true, "D16" + LuftMarke_drueckend},
        {catalogue::AC_Optim_LowNoise, true, false, "D16" + Suffix_AC_US},
        {catalogue::AC_Rough, true, true, "D16" + Suffix_AC_US + LuftMarke_drueckend},
        {catalogue::Hydro_Optim, true, true, "D16" + LuftMarke_drueckend},
        {catalogue::Hydro_Rough, false, false, "D16"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(typSchluesselBilden(mitErgebnis(f.serie, f.us, f.drueckend)), f.erwartet) << f.serie << " us " << f.us;
}

TEST(TypSchluessel, WithoutAResultNineHyphens)
{
    const auto ohne = [](auto aendern) {
        TypSchluesselLage l = mitErgebnis(catalogue::DC_24V, false, true);
        aendern(l);
        return typSchluesselBilden(l);
    };
    EXPECT_EQ(ohne([](TypSchluesselLage& l) { l.KLeistung = 0; }), "---------");
    EXPECT_EQ(ohne([](TypSchluesselLage& l) { l.Eingabe_OK = false; }), "---------");
    EXPECT_EQ(ohne([](TypSchluesselLage& l) { l.Typ_Index = -1; }), "---------");
    EXPECT_EQ(ohne([](TypSchluesselLage& l) { l.Kuehler_Baureihe = 0; }), "---------");
    EXPECT_EQ(ohne([](TypSchluesselLage& l) { l.ergebnisAngezeigt = false; }), "---------");
}

TEST(EinbauZelle, EntriesShownAsStoredOrEmpty)
{
    const std::pair<const char*, const char*> faelle[] = {
        {"300 ", "300 "}, {"G1 ", "G1 "}, {"42,9 ", "42,9 "}, {"23.30 ", "23.30 "}, {"LL 11x16 ", "LL 11x16 "},
        {"#12 SAE 1 1/16-12 UN-2B", "#12 SAE 1 1/16-12 UN-2B"}, {"1,69", "1,69"},
        {" ", ""}, {"", ""}, {"0", ""}, {"0,0 ", ""}, {"-5", ""}, {"-0.5 ", ""}};
    for (const auto& [eintrag, erwartet] : faelle)
        EXPECT_EQ(einbauZelle(QString::fromUtf8(eintrag)), QString::fromUtf8(erwartet)) << eintrag;
}
