// Installation-dimension tables: table selection, copies, and the formats of every stored cell.
#include "program/catalogue/einbau.h"
#include "testsupport.h"
#include "program/catalogue/ktabsatz.h"
#include "program/catalogue/kdaten_hc_tab.h"
#include <gtest/gtest.h>
#include <QRegularExpression>

using namespace catalogue;

namespace {

struct Einbau : ::testing::Test {
    KDaten_Einbau d;
    void SetUp() override { Init_EinbauTabellen(d); }
};

struct TabInfo {
    const char* name;
    EinbauTabelle KDaten_Einbau::*tab;
    bool us;
    bool dc;
    bool hydro;
    int sizes;
    int declared;
};

const TabInfo alleTabellen[] = {
    {"DC_EU", &KDaten_Einbau::EinbauTab_DC_EU, false, true, false, 8, 13},
    {"AC_Optim_EU", &KDaten_Einbau::EinbauTab_AC_Optim_EU, false, false, false, 12, 13},
    {"AC_Rough_EU", &KDaten_Einbau::EinbauTab_AC_Rough_EU, false, false, false, 12, 13},
    {"Hydro_Optim_EU", &KDaten_Einbau::EinbauTab_Hydro_Optim_EU, false, false, true, 12, 13},
    {"Hydro_Rough_EU", &KDaten_Einbau::EinbauTab_Hydro_Rough_EU, false, false, true, 12, 13},
    {"DC_US", &KDaten_Einbau::EinbauTab_DC_US, true, true, false, 8, 16},
    {"AC_Optim_US", &KDaten_Einbau::EinbauTab_AC_Optim_US, true, false, false, 15, 16},
    {"AC_Rough_US", &KDaten_Einbau::EinbauTab_AC_Rough_US, true, false, false, 15, 16},
    {"Hydro_Optim_US", &KDaten_Einbau::EinbauTab_Hydro_Optim_US, true, false, true, 15, 16},
    {"Hydro_Rough_US", &KDaten_Einbau::EinbauTab_Hydro_Rough_US, true, false, true, 15, 16},
};

// Reads "13,78 " or "300 " as a number (decimal comma or point, blanks around it).
double zahl(const QString& text, bool* ok)
{
    QString t = text.trimmed();
    t.replace(u',', u'.');
    return t.toDouble(ok);
}

constexpr int A = 0, C = 2, D = 3, G = 6, H = 7, J = 8, K = 9, M = 11, N = 12, O = 13, P = 14, X = 16, Y = 17,
              Z = 18;

} // namespace

TEST_F(Einbau, SelectsTheTableOfSeriesAndRegion)
{
    struct Fall {
        long baureihe;
        bool us;
        const EinbauTabelle* erwartet;
        int maxIndex;
    };
    const Fall faelle[] = {
        {Keine, false, nullptr, 0},
        {Keine, true, nullptr, 0},
        {9, false, nullptr, 0},
        {9, true, nullptr, 0},
        {-1, false, nullptr, 0},
        {DC_12V, false, &d.EinbauTab_DC_EU, 7},
        {DC_24V, true, &d.EinbauTab_DC_US, 7},
        {AC_Optim, false, &d.EinbauTab_AC_Optim_EU, 11},
        {AC_Optim_LowNoise, false, &d.EinbauTab_AC_Optim_EU, 11},
        {AC_Rough_LowNoise, true, &d.EinbauTab_AC_Rough_US, 14},
        {Hydro_Optim, false, &d.EinbauTab_Hydro_Optim_EU, 11},
        {Hydro_Rough, true, &d.EinbauTab_Hydro_Rough_US, 14},
    };
    for (const Fall& f : faelle) {
        int maxIndex = 99;
        const EinbauTabelle got = Get_EinbauTabelle(d, f.baureihe, f.us, maxIndex);
        SCOPED_TRACE(testing::Message() << "series " << f.baureihe << " US " << f.us);
        EXPECT_EQ(maxIndex, f.maxIndex);
        if (f.erwartet == nullptr) {
            EXPECT_TRUE(got.empty());
        } else {
            EXPECT_EQ(got, *f.erwartet);
        }
    }
    // The metric and US DC tables really are different tables.
    EXPECT_NE(d.EinbauTab_DC_EU, d.EinbauTab_DC_US);
}

TEST_F(Einbau, CopyIsIndependentOfTheStoredTable)
{
    int maxIndex = 0;
    EinbauTabelle copy = Get_EinbauTabelle(d, AC_Optim, true, maxIndex);
    copy[0][A] = QStringLiteral("changed");
    EXPECT_EQ(Get_EinbauTabelle(d, AC_Optim, true, maxIndex)[0][A], QStringLiteral("13,74 "));
}

TEST_F(Einbau, SampleRowsAreStoredVerbatim)
{
    auto zeile = [](std::initializer_list<const char8_t*> zellen) {
        EinbauZeile z;
        int j = 0;
        for (const char8_t* c : zellen)
            z[static_cast<std::size_t>(j++)] = QString::fromUtf8(c);
        return z;
    };
    EXPECT_EQ(d.EinbauTab_DC_EU[0], zeile({u8"300 ", u8"350 ", u8"170 ", u8"164 ", u8"164 ", u8"39 ", u8"G1 ", u8"315 ",
                                           u8"110 ", u8"160 ", u8"M8 ", u8"LL 11x16 ", u8" ", u8" ", u8" "}));
    const EinbauZeile hydro10 = zeile({u8"1220 ", u8"1240 ", u8"560 ", u8"1001 ", u8"296 ", u8"77 ", u8"SAE 3\" ",
                                       u8"1182 ", u8"410 ", u8"450 ", u8"M12 ", u8"ø14 ", u8" ", u8" ", u8" ", u8"",
                                       u8"61,9 ", u8"106,4 ", u8"76 "});
    EXPECT_EQ(d.EinbauTab_Hydro_Optim_EU[10], hydro10);
    EinbauZeile ac10 = hydro10;
    ac10[C] = QStringLiteral("810 ");
    EXPECT_EQ(d.EinbauTab_AC_Optim_EU[10], ac10);
    EXPECT_EQ(d.EinbauTab_DC_US[5], zeile({u8"28,35 ", u8"16,56 ", u8"8,45 ", u8"6,81 ", u8"12,29 ", u8"12,92 ",
                                           u8"11,81 ", u8"8,27 ", u8"7,09 ", u8"#20 SAE", u8"7/16x3/4", u8"Ø.55 ",
                                           u8"26,46 ", u8"8,66 ", u8"2,54 "}));
    EXPECT_EQ(d.EinbauTab_AC_Optim_US[0],
              zeile({u8"13,74 ", u8"13,78 ", u8"12,56 ", u8"11,38 ", u8"4,37 ", u8"1,97 ", u8"#12 SAE 1 1/16-12 UN-2B",
                     u8"11,93 ", u8"7,09 ", u8"8,66 ", u8"M6-1X12mm(4PL)", u8"Ø 0.55 "}));
}

TEST_F(Einbau, EveryTableHasItsShapeAndCellFormats)
{
    const QRegularExpression metrischeZahl(QStringLiteral("^\\d+(,\\d)? $"));
    const QRegularExpression zollZahl(QStringLiteral("^\\d+(,\\d{1,2})? ?$"));
    for (const TabInfo& info : alleTabellen) {
        SCOPED_TRACE(info.name);
        const EinbauTabelle& tab = d.*info.tab;
        ASSERT_EQ(static_cast<int>(tab.size()), info.declared);
        double letztesA = 0;
        for (int i = 0; i < info.declared; ++i) {
            const EinbauZeile& z = tab[static_cast<std::size_t>(i)];
            SCOPED_TRACE(testing::Message() << "size " << i);
            if (i >= info.sizes) {
                for (const QString& c : z)
                    EXPECT_TRUE(c.isEmpty());
                continue;
            }
            EXPECT_TRUE(z[15].isEmpty());
            // Sizes ascend: column A grows with the row.
            bool ok = false;
            const double a = zahl(z[A], &ok);
            EXPECT_TRUE(ok) << z[A].toStdString();
            EXPECT_GT(a, letztesA);
            letztesA = a;
            if (info.us) {
                EXPECT_FALSE(z[M].contains(u'ø'));
                if (!z[M].isEmpty()) {
                    EXPECT_TRUE(z[M].startsWith(u'Ø'));
                }
                // Inch numbers: decimal comma, the two quoted point values aside; a trailing blank
                // everywhere but in the hydraulic tables.
                for (int j : {A, 1, C, D, H}) {
                    const QString& c = z[static_cast<std::size_t>(j)];
                    const bool punkt = c == QStringLiteral("23.30 ") || c == QStringLiteral("20.67 ");
                    EXPECT_TRUE(punkt || zollZahl.match(c).hasMatch()) << j << " " << c.toStdString();
                    EXPECT_EQ(c.endsWith(u' '), !info.hydro) << j;
                }
                if (info.hydro) {
                    for (const QString& c : z)
                        EXPECT_FALSE(c.endsWith(u' ')) << c.toStdString();
                }
                EXPECT_GE(a, info.dc ? 13.78 : 13.74);
                EXPECT_LE(a, info.dc ? 36.22 : 59.76);
            } else {
                for (int j = 0; j < EinbauSpalten; ++j) {
                    if (!z[static_cast<std::size_t>(j)].isEmpty()) {
                        EXPECT_TRUE(z[static_cast<std::size_t>(j)].endsWith(u' ')) << j;
                    }
                }
                for (int j : {N, O, P})
                    EXPECT_EQ(z[static_cast<std::size_t>(j)], QStringLiteral(" "));
                EXPECT_FALSE(z[M].contains(u'Ø'));
                for (int j : {A, 1, C, D, 4, 5, H, J, K})
                    EXPECT_TRUE(metrischeZahl.match(z[static_cast<std::size_t>(j)]).hasMatch())
                        << j << " " << z[static_cast<std::size_t>(j)].toStdString();
                EXPECT_GE(a, info.dc ? 300 : 391);
                EXPECT_LE(a, info.dc ? 465 : 1524);
                if (!info.dc) {
                    EXPECT_EQ(z[M], QString::fromUtf8(u8"ø14 "));
                }
            }
            // Flange dimensions: never on sizes 0..6 or on a DC size.
            const bool flansch = !z[X].isEmpty();
            EXPECT_EQ(flansch, !z[Y].isEmpty());
            EXPECT_EQ(flansch, !z[Z].isEmpty());
            if (i <= 6 || info.dc) {
                EXPECT_FALSE(flansch);
            }
        }
    }
}

TEST_F(Einbau, FlangeGroupsByTableAndSize)
{
    // X, Y, Z per size: 2 = 2-inch group, 3 = 3-inch group, 0 = none.
    struct Fall {
        const EinbauTabelle* tab;
        int von, bis, gruppe;
    };
    const Fall faelle[] = {
        {&d.EinbauTab_AC_Optim_EU, 7, 9, 2},    {&d.EinbauTab_AC_Optim_EU, 10, 11, 3},
        {&d.EinbauTab_Hydro_Rough_EU, 7, 9, 2}, {&d.EinbauTab_Hydro_Rough_EU, 10, 11, 3},
        {&d.EinbauTab_AC_Rough_US, 7, 10, 2},   {&d.EinbauTab_AC_Rough_US, 11, 14, 3},
        {&d.EinbauTab_Hydro_Optim_US, 7, 8, 0}, {&d.EinbauTab_Hydro_Optim_US, 9, 12, 2},
        {&d.EinbauTab_Hydro_Rough_US, 13, 14, 3},
    };
    for (const Fall& f : faelle)
        for (int i = f.von; i <= f.bis; ++i) {
            const EinbauZeile& z = (*f.tab)[static_cast<std::size_t>(i)];
            const bool us = f.tab->size() == 16;
            QStringList xyz{z[X], z[Y], z[Z]};
            QStringList soll;
            if (f.gruppe == 2)
                soll = us ? QStringList{"1,69", "3,06", "2,00"} : QStringList{"42,9 ", "77,8 ", "51 "};
            else if (f.gruppe == 3)
                soll = us ? QStringList{"2,44", "4,19", "3,00"} : QStringList{"61,9 ", "106,4 ", "76 "};
            else
                soll = QStringList{"", "", ""};
            EXPECT_EQ(xyz, soll) << "size " << i;
        }
}

TEST_F(Einbau, TablesShareAndDifferWhereTheProductDoes)
{
    EXPECT_EQ(d.EinbauTab_AC_Optim_EU, d.EinbauTab_AC_Rough_EU);
    EXPECT_EQ(d.EinbauTab_Hydro_Optim_EU, d.EinbauTab_Hydro_Rough_EU);
    EXPECT_NE(d.EinbauTab_AC_Optim_US, d.EinbauTab_AC_Rough_US);
    for (int i = 0; i < 12; ++i) {
        const auto& ac = d.EinbauTab_AC_Optim_EU[static_cast<std::size_t>(i)];
        const auto& hy = d.EinbauTab_Hydro_Optim_EU[static_cast<std::size_t>(i)];
        for (int j = 0; j < EinbauSpalten; ++j) {
            const bool darfAbweichen = j == C || (j == H && i == 5);
            if (!darfAbweichen) {
                EXPECT_EQ(ac[static_cast<std::size_t>(j)], hy[static_cast<std::size_t>(j)]) << i << "/" << j;
            }
        }
        EXPECT_NE(ac[C], hy[C]);
    }
    // The hydraulic motor's port stands in P (Optim) or, for most Rough sizes, in N.
    for (int i = 0; i < 15; ++i) {
        const auto& opt = d.EinbauTab_Hydro_Optim_US[static_cast<std::size_t>(i)];
        const auto& rau = d.EinbauTab_Hydro_Rough_US[static_cast<std::size_t>(i)];
        EXPECT_FALSE(opt[P].isEmpty());
        EXPECT_TRUE(opt[N].isEmpty());
        const bool inP = i == 0 || i == 1 || i == 8;
        EXPECT_EQ(rau[P].isEmpty(), !inP) << i;
        EXPECT_EQ(rau[N].isEmpty(), inP) << i;
        // The Rough flange texts of sizes 9..14 end after "SAE 4-Bolt".
        if (i >= 9) {
            EXPECT_TRUE(rau[G].endsWith(QStringLiteral("SAE 4-Bolt"))) << i;
        }
        if (i >= 8) {
            EXPECT_TRUE(opt[G].endsWith(QStringLiteral("SAE 4-Bolt     FLANGE"))) << i;
        }
    }
}

TEST(EinbauBuchstaben, ColumnLetters)
{
    QString alle;
    for (int j = 0; j < EinbauSpalten; ++j)
        alle += EinbauBuchstabe(j).isEmpty() ? QStringLiteral("-") : EinbauBuchstabe(j);
    EXPECT_EQ(alle, QStringLiteral("ABCDEFGHJKLMNOP-XYZ"));
    EXPECT_TRUE(EinbauBuchstabe(19).isEmpty());
    EXPECT_TRUE(EinbauBuchstabe(-1).isEmpty());
}

TEST_F(Einbau, RowsCoverTheSizesOfThePerformanceTables)
{
    KDaten_Tab kd;
    KDaten_HC_Tab hc;
    Init_KuehlerTabellen(kd, hc);
    for (long serie = DC_12V; serie <= Hydro_Rough; ++serie)
        for (bool us : {false, true}) {
            SCOPED_TRACE(testing::Message() << "series " << serie << " US " << us);
            int einbauMax = -1, leistungMax = -2;
            const EinbauTabelle einbau = Get_EinbauTabelle(d, serie, us, einbauMax);
            const KTabelle* leistung = waehleTabelle(kd, serie, us, leistungMax);
            ASSERT_NE(leistung, nullptr);
            EXPECT_EQ(einbauMax, leistungMax);
            for (int i = 0; i <= einbauMax; ++i) {
                EXPECT_FALSE((*leistung)[static_cast<std::size_t>(i)][MediumOel].TypBez.isEmpty()) << i;
                EXPECT_FALSE(einbau[static_cast<std::size_t>(i)][A].isEmpty()) << i;
            }
            EXPECT_TRUE(einbau[static_cast<std::size_t>(einbauMax) + 1][A].isEmpty());
        }
}
