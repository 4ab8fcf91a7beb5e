// The drawing names of the performance tables: every name the tables use is listed, and every
// listed name is used.
#include "ktab_tabellen.h"
#include "program/catalogue/ktab_zeichnungen.h"
#include <QSet>
#include <gtest/gtest.h>

using namespace catalogue;
using namespace catalogue::testhilfe;

TEST(KTabZeichnungen, ListMatchesTheNamesInTheTables)
{
    const auto& k = gefuellt();
    QSet<QString> benutzt;
    for (const auto& t : alleTabellen())
        for (const auto& zeile : k.kd.*t.tabelle)
            if (!zeile[MediumOel].Zeichnung_Datei.isEmpty())
                benutzt.insert(zeile[MediumOel].Zeichnung_Datei);
    for (const auto* var : {&k.hc.HydroVarTab_Optim_EU, &k.hc.HydroVarTab_Rough_EU, &k.hc.HydroVarTab_Optim_US,
                            &k.hc.HydroVarTab_Rough_US})
        for (const auto& zeile : *var)
            for (const KTabSatz& s : zeile)
                benutzt.insert(s.Zeichnung_Datei);
    const QStringList liste = leistungsZeichnungen();
    EXPECT_EQ(QSet<QString>(liste.begin(), liste.end()), benutzt);
    EXPECT_EQ(liste.size(), benutzt.size()) << "no name twice";
    for (const QString& n : liste) {
        EXPECT_TRUE(n.endsWith(".svg")) << n.toStdString();
        EXPECT_EQ(n, n.toLower()) << n.toStdString();
    }
    // 2 + 2 DC, 4 metric and 3 US AC, 4 metric and 3 US hydraulic drawings.
    EXPECT_EQ(liste.size(), 18);
}
