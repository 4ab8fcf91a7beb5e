// Spare-part tables: the fill matrix and forms of every table, and the display into the spare-parts grid.
#include "program/catalogue/zubehoer.h"
#include "program/catalogue/ktabsatz.h"
#include "program/catalogue/kdaten_hc_tab.h"
#include "testsupport.h"
#include "common/error.h"
#include "program/texts/textcatalogue.h"
#include <gtest/gtest.h>
#include <QRegularExpression>

using namespace catalogue;

namespace {

QString u(const char8_t* s) { return QString::fromUtf8(s); }

struct ZubehoerTest : ::testing::Test {
    Zubehoer z;
    texts::Texte texte;
    MemoryGrid grid{7, 2};
    MemoryBeschriftung label;

    void SetUp() override
    {
        Init_ZubehoerTabellen(z);
        texts::Init_SysTexte(texte, {[this] { Init_ZubehoerTexte(z); }, nullptr});
    }

    void anzeigen(long serie, bool us, int index, bool drueckend = false, int sprache = 1)
    {
        texte.SprachNr = static_cast<qint16>(sprache);
        Zubehoer_anzeigen(z, texte, {us, serie, index, drueckend}, grid, label);
    }

    QStringList werte() const
    {
        QStringList out;
        for (int r = 1; r <= 6; ++r)
            out << grid.TextMatrix(r, 1);
        return out;
    }
};

struct Info {
    const char* name;
    ZubehoerTabelle Zubehoer::*tab;
    long serie;
    bool us;
    int sizes;
};

const Info alle[] = {
    {"DC12_US", &Zubehoer::ZubehoerTab_DC12_US, DC_12V, true, 8},
    {"DC24_US", &Zubehoer::ZubehoerTab_DC24_US, DC_24V, true, 8},
    {"AC_Optim_US", &Zubehoer::ZubehoerTab_AC_Optim_US, AC_Optim, true, 15},
    {"AC_Optim_LowNoise_US", &Zubehoer::ZubehoerTab_AC_Optim_LowNoise_US, AC_Optim_LowNoise, true, 15},
    {"AC_Rough_US", &Zubehoer::ZubehoerTab_AC_Rough_US, AC_Rough, true, 15},
    {"AC_Rough_LowNoise_US", &Zubehoer::ZubehoerTab_AC_Rough_LowNoise_US, AC_Rough_LowNoise, true, 15},
    {"Hydro_Optim_US", &Zubehoer::ZubehoerTab_Hydro_Optim_US, Hydro_Optim, true, 15},
    {"Hydro_Rough_US", &Zubehoer::ZubehoerTab_Hydro_Rough_US, Hydro_Rough, true, 15},
    {"DC12_EU", &Zubehoer::ZubehoerTab_DC12_EU, DC_12V, false, 8},
    {"DC24_EU", &Zubehoer::ZubehoerTab_DC24_EU, DC_24V, false, 8},
    {"AC_Optim_EU", &Zubehoer::ZubehoerTab_AC_Optim_EU, AC_Optim, false, 12},
    {"AC_Optim_LowNoise_EU", &Zubehoer::ZubehoerTab_AC_Optim_LowNoise_EU, AC_Optim_LowNoise, false, 12},
    {"AC_Rough_EU", &Zubehoer::ZubehoerTab_AC_Rough_EU, AC_Rough, false, 12},
    {"AC_Rough_LowNoise_EU", &Zubehoer::ZubehoerTab_AC_Rough_LowNoise_EU, AC_Rough_LowNoise, false, 12},
    {"Hydro_Optim_EU", &Zubehoer::ZubehoerTab_Hydro_Optim_EU, Hydro_Optim, false, 12},
    {"Hydro_Rough_EU", &Zubehoer::ZubehoerTab_Hydro_Rough_EU, Hydro_Rough, false, 12},
};

} // namespace

TEST_F(ZubehoerTest, EveryTableFollowsTheFillMatrixAndTheNumberForms)
{
    const QRegularExpression bestellNr(QStringLiteral("^\\d{4}\\.\\d{3}\\.\\d{4}([A-Z]|/\\d)?$"));
    const QRegularExpression typUS(QStringLiteral("^[A-Z]{3}\\d{2,}$"));
    const QRegularExpression typEU(QStringLiteral("^[A-Z]{1,3}\\d+(-(12|24))? {1,2}$"));
    auto nummer = [&](const QString& s) { return bestellNr.match(s.trimmed()).hasMatch(); };

    for (const Info& t : alle) {
        SCOPED_TRACE(t.name);
        const ZubehoerTabelle& tab = z.*t.tab;
        EXPECT_EQ(&tab, ZubehoerTabelle_von(z, t.serie, t.us));
        ASSERT_EQ(static_cast<int>(tab.size()), t.sizes + 1);
        EXPECT_EQ(tab.back(), ZubehoerSatz{}); // the last slot is never filled
        const bool dc = t.serie <= DC_24V;
        QStringList typen, elemente;
        for (int i = 0; i < t.sizes; ++i) {
            SCOPED_TRACE(i);
            const ZubehoerSatz& s = tab[static_cast<std::size_t>(i)];
            typen << s.Typ;
            elemente << s.Kuehlelement;
            EXPECT_TRUE((t.us ? typUS : typEU).match(s.Typ).hasMatch()) << s.Typ.toStdString();
            EXPECT_EQ(s.BestellNr.isEmpty(), t.us);
            if (!t.us) {
                EXPECT_TRUE(nummer(s.BestellNr) && s.BestellNr.endsWith(u' '));
            }
            EXPECT_TRUE(nummer(s.Kuehlelement));
            EXPECT_TRUE(nummer(s.Fuss));
            EXPECT_EQ(!s.ZusatzNr.isEmpty(), t.us && !dc && i >= 11);
            if (!s.ZusatzNr.isEmpty()) {
                EXPECT_TRUE(nummer(s.ZusatzNr));
            }
            // Metric values stand with their blanks, US values without.
            for (const QString& v : {s.Kuehlelement, s.Fuss})
                EXPECT_EQ(v.endsWith(u' '), !t.us) << v.toStdString();
            // A letter suffix only on US pushing fans, "/n" only on large US stands.
            EXPECT_FALSE(QRegularExpression("[A-Z]$").match(s.Luefter[0]).hasMatch());
            if (s.Fuss.contains(u'/')) {
                EXPECT_TRUE(t.us && i >= 13);
            }
            if (dc) {
                if (i == 0) {
                    EXPECT_TRUE(nummer(s.Haube));
                } else {
                    EXPECT_EQ(s.Haube, t.us ? "" : (t.serie == DC_12V ? " " : "  "));
                }
                if (t.us) {
                    EXPECT_TRUE(nummer(s.Luefter[0]) && nummer(s.Luefter[1]));
                    EXPECT_NE(s.Luefter[0], s.Luefter[1]);
                    EXPECT_EQ(s.Motor, (std::array<QString, 2>{}));
                    EXPECT_EQ(s.Schutzgitter, (std::array<QString, 2>{}));
                } else {
                    EXPECT_EQ(s.Luefter, (std::array<QString, 2>{" ", " "}));
                    EXPECT_TRUE(nummer(s.Motor[0]) && nummer(s.Motor[1]));
                    EXPECT_NE(s.Motor[0], s.Motor[1]);
                    const QString gitter = t.serie == DC_24V && i == 0 ? "" : " ";
                    EXPECT_EQ(s.Schutzgitter, (std::array<QString, 2>{gitter, gitter}));
                }
            } else {
                EXPECT_TRUE(nummer(s.Haube));
                EXPECT_TRUE(nummer(s.Luefter[0]) && nummer(s.Luefter[1]));
                EXPECT_NE(s.Luefter[0], s.Luefter[1]);
                EXPECT_TRUE(nummer(s.Motor[0]));
                EXPECT_EQ(s.Motor[1], s.Motor[0]);
                EXPECT_TRUE(nummer(s.Schutzgitter[0]));
                EXPECT_EQ(s.Schutzgitter[1], s.Schutzgitter[0]);
            }
        }
        // Type and element differ from size to size.
        EXPECT_EQ(typen.removeDuplicates(), 0);
        EXPECT_EQ(elemente.removeDuplicates(), 0);
    }
}

TEST_F(ZubehoerTest, TablesShareWhatTheProductShares)
{
    for (std::size_t i = 0; i < 8; ++i)
        for (const auto& [a, b] : {std::pair{&z.ZubehoerTab_DC12_US, &z.ZubehoerTab_DC24_US},
                                   std::pair{&z.ZubehoerTab_DC12_EU, &z.ZubehoerTab_DC24_EU}}) {
            EXPECT_EQ((*a)[i].Kuehlelement, (*b)[i].Kuehlelement);
            EXPECT_EQ((*a)[i].Fuss, (*b)[i].Fuss);
            // They differ in the DC unit numbers.
            EXPECT_FALSE((*a)[i].Luefter == (*b)[i].Luefter && (*a)[i].Motor == (*b)[i].Motor);
        }
    // Optim and Rough blocks differ; stands are shared by groups of sizes.
    for (std::size_t i = 0; i < 12; ++i)
        EXPECT_NE(z.ZubehoerTab_AC_Optim_EU[i].Kuehlelement, z.ZubehoerTab_AC_Rough_EU[i].Kuehlelement);
    QStringList staender;
    for (std::size_t i = 0; i < 8; ++i)
        staender << z.ZubehoerTab_DC12_EU[i].Fuss;
    staender.removeDuplicates();
    EXPECT_EQ(staender.size(), 3);
}

TEST_F(ZubehoerTest, HeadingsCarryTheirLiteralsAndStringTableTexts)
{
    EXPECT_EQ(z.ZubehoerText_BestellNr[2], u(u8" Référence de commande"));
    EXPECT_EQ(z.ZubehoerText_Motor[0], u(u8"Motor/Gebläse"));
    const texts::StringTable& table = texts::compiledStringTable();
    EXPECT_EQ(z.ZubehoerText_Fuss[4], table.entry(4, 458).value_or("missing"));
    EXPECT_EQ(z.ZubehoerText_Haube[13], table.entry(13, 454).value_or("missing"));
    Zubehoer leer;
    EXPECT_THROW(Init_ZubehoerTexte(leer, texts::StringTable::load(QStringLiteral("/nonexistent"))), common::Error);
}

TEST_F(ZubehoerTest, NoSizeShowsHeadingsOnly)
{
    struct Fall {
        long serie;
        bool us;
        int index;
    };
    const Fall faelle[] = {{AC_Optim, true, -1}, {Keine, false, 0}, {12, true, 0}, {AC_Optim, true, 15},
                           {AC_Optim, false, 12}, {AC_Optim, false, 14}, {DC_12V, true, 8}, {Hydro_Rough, false, 99}};
    for (const Fall& f : faelle) {
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 2; ++c)
                grid.setTextMatrix(r, c, "stale");
        anzeigen(f.serie, f.us, f.index);
        SCOPED_TRACE(testing::Message() << f.serie << " " << f.us << " " << f.index);
        EXPECT_EQ(label.Caption(), "Spare parts");
        EXPECT_EQ(grid.TextMatrix(0, 0), "");
        EXPECT_EQ(grid.TextMatrix(0, 1), "Order number");
        QStringList kopf;
        for (int r = 1; r <= 6; ++r)
            kopf << grid.TextMatrix(r, 0);
        EXPECT_EQ(kopf, (QStringList{"cooler only", "Stand", "Shroud", "Fan", "Motor/Blower", "Guard"}));
        EXPECT_EQ(werte(), QStringList(6, QString()));
    }
}

TEST_F(ZubehoerTest, ShowsTheNumbersOfTheAirflowDirection)
{
    // AC and hydraulic: only the fan row follows the direction.
    for (long serie : {long(AC_Optim), long(Hydro_Rough)})
        for (bool us : {false, true}) {
            const ZubehoerSatz& s = (*ZubehoerTabelle_von(z, serie, us))[5];
            anzeigen(serie, us, 5, false);
            const QStringList saugend = werte();
            EXPECT_EQ(saugend, (QStringList{s.Kuehlelement, s.Fuss, s.Haube, s.Luefter[0], s.Motor[0], s.Schutzgitter[0]}));
            anzeigen(serie, us, 5, true);
            const QStringList drueckend = werte();
            for (int r = 0; r < 6; ++r)
                EXPECT_EQ(saugend[r] == drueckend[r], r != 3) << serie << " row " << r + 1;
        }
    // US DC: the fan row follows the direction, motor and guard stay empty, the shroud only for size 0.
    anzeigen(DC_24V, true, 3, false);
    const QStringList usSaugend = werte();
    anzeigen(DC_24V, true, 3, true);
    const QStringList usDrueckend = werte();
    EXPECT_NE(usSaugend[3], usDrueckend[3]);
    EXPECT_EQ(usDrueckend.mid(4), (QStringList{"", ""}));
    EXPECT_EQ(usDrueckend[2], "");
    // Metric DC: the motor row follows the direction; fan and guard show a blank, the shroud blanks.
    anzeigen(DC_24V, false, 3, false);
    const QStringList euSaugend = werte();
    anzeigen(DC_24V, false, 3, true);
    const QStringList euDrueckend = werte();
    EXPECT_NE(euSaugend[4], euDrueckend[4]);
    EXPECT_EQ(euDrueckend[3], " ");
    EXPECT_EQ(euDrueckend[5], " ");
    EXPECT_EQ(euDrueckend[2], "  ");
    EXPECT_TRUE(euDrueckend[0].endsWith(u' '));
}

TEST_F(ZubehoerTest, LanguageOfTheHeadings)
{
    anzeigen(AC_Optim, false, 0, false, 0);
    EXPECT_EQ(label.Caption(), "Ersatzteile");
    EXPECT_EQ(grid.TextMatrix(2, 0), u(u8"Fuß"));
    anzeigen(AC_Optim, false, 0, false, 2);
    EXPECT_EQ(grid.TextMatrix(0, 1), u(u8" Référence de commande"));
    // A language without texts leaves headings empty but still shows the values.
    anzeigen(AC_Optim, false, 0, false, 40);
    EXPECT_EQ(grid.TextMatrix(0, 1), "");
    EXPECT_EQ(grid.TextMatrix(1, 1), z.ZubehoerTab_AC_Optim_EU[0].Kuehlelement);
}

TEST(ZubehoerTypen, SizeNumbersAreThoseOfThePerformanceTables)
{
    KDaten_Tab kd;
    KDaten_HC_Tab hc;
    Init_KuehlerTabellen(kd, hc);
    Zubehoer z;
    Init_ZubehoerTabellen(z);
    const QRegularExpression zahl(QStringLiteral("\\d+"));
    for (const Info& t : alle) {
        SCOPED_TRACE(t.name);
        int typMax = -1;
        const KTabelle* leistung = waehleTabelle(kd, t.serie, t.us, typMax);
        ASSERT_NE(leistung, nullptr);
        EXPECT_EQ(typMax + 1, t.sizes);
        for (int i = 0; i < t.sizes; ++i) {
            const QString typBez = (*leistung)[static_cast<std::size_t>(i)][MediumOel].TypBez;
            const QString typ = (z.*t.tab)[static_cast<std::size_t>(i)].Typ;
            EXPECT_EQ(zahl.match(typ).captured().toInt(), zahl.match(typBez).captured().toInt())
                << i << " " << typ.toStdString() << " / " << typBez.toStdString();
        }
    }
}

TEST_F(ZubehoerTest, AGridWithoutSomeCellsGetsTheOthers)
{
    MemoryGrid klein(3, 2);
    texte.SprachNr = 1;
    Zubehoer_anzeigen(z, texte, {false, AC_Optim, 0, false}, klein, label);
    EXPECT_EQ(klein.TextMatrix(0, 1), "Order number");
    EXPECT_EQ(klein.TextMatrix(2, 0), "Stand");
    EXPECT_EQ(klein.TextMatrix(2, 1), z.ZubehoerTab_AC_Optim_EU[0].Fuss);
    EXPECT_EQ(label.Caption(), "Spare parts");
}
