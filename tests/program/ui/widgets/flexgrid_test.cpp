// The grid interface over a real QTableWidget, and the catalogue displays written through it.
#include "program/ui/widgets/flexgrid.h"
#include "program/catalogue/uebers.h"
#include "program/catalogue/zubehoer.h"
#include "common/error.h"
#include "program/texts/textcatalogue.h"
#include <gtest/gtest.h>
#include <QLabel>
#include <QTableWidget>

using namespace catalogue;

namespace {

template <class Grid>
void gridVerhalten(Grid& grid)
{
    grid.setRow(2);
    grid.setCol(1);
    grid.setText(QStringLiteral("x"));
    EXPECT_EQ(grid.TextMatrix(2, 1), QStringLiteral("x"));
    EXPECT_EQ(grid.Text(), QStringLiteral("x"));
    grid.writeCell(0, 0, QStringLiteral("head"));
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(grid.Col(), 0);
    // Selecting outside the grid is refused and leaves the current cell alone.
    for (auto versuch : {+[](FlexGrid& g) { g.setRow(3); }, +[](FlexGrid& g) { g.setCol(2); },
                         +[](FlexGrid& g) { g.setRow(-1); }}) {
        try {
            versuch(grid);
            ADD_FAILURE() << "no error";
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), common::errc::SubscriptOutOfRange);
        }
    }
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_THROW(grid.TextMatrix(0, 5), common::Error);
    grid.Clear();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c)
            EXPECT_TRUE(grid.TextMatrix(r, c).isEmpty());
}

} // namespace

TEST(FlexGridAdapter, BehavesLikeTheGridInMemory)
{
    MemoryGrid memory(3, 2);
    gridVerhalten(memory);
    QTableWidget table(3, 2);
    ui::FlexGridAdapter adapter(&table);
    gridVerhalten(adapter);
}

TEST(FlexGridAdapter, WritesIntoTheTableAndKeepsItsItemsOnClear)
{
    QTableWidget table(2, 2);
    ui::FlexGridAdapter grid(&table);
    grid.writeCell(1, 1, QStringLiteral("300 "));
    ASSERT_NE(table.item(1, 1), nullptr);
    EXPECT_EQ(table.item(1, 1)->text(), QStringLiteral("300 "));
    EXPECT_EQ(table.currentRow(), 1);
    EXPECT_EQ(table.currentColumn(), 1);
    EXPECT_FALSE(table.item(1, 1)->flags() & Qt::ItemIsEditable);
    QTableWidgetItem* item = table.item(1, 1);
    item->setTextAlignment(Qt::AlignRight);
    grid.Clear();
    EXPECT_EQ(table.item(1, 1), item);
    EXPECT_TRUE(item->text().isEmpty());
    EXPECT_EQ(table.item(1, 1)->textAlignment(), int(Qt::AlignRight));
}

TEST(FlexGridAdapter, CatalogueDisplaysFillTheRealWidgets)
{
    KDaten_Uebers uebers;
    Zubehoer zubehoer;
    Init_UebersichtTabellen(uebers, {});
    Init_ZubehoerTabellen(zubehoer);
    texts::Texte texte;
    texts::Init_SysTexte(texte, {[&] { Init_ZubehoerTexte(zubehoer); }, [&] { Init_UebersichtTexte(uebers); }});
    texte.SprachNr = 1;

    QTableWidget overview(9, 2);
    QLabel overviewLabel;
    ui::FlexGridAdapter overviewGrid(&overview);
    ui::LabelAdapter overviewCaption(&overviewLabel);
    UebersichtLage lage;
    lage.Kuehler_Baureihe = AC_Optim;
    lage.Region_US = true;
    lage.Typ_Index = 0;
    Datenuebersicht_anzeigen(uebers, texte, lage, overviewGrid, overviewCaption);
    EXPECT_EQ(overviewLabel.text(), QStringLiteral("Data"));
    EXPECT_EQ(overview.item(0, 1)->text(), QStringLiteral("3 phase AC (A)"));
    EXPECT_EQ(overview.item(2, 0)->text(), QStringLiteral("Noise Level [dB(A), 1m] (approx.)"));
    EXPECT_EQ(overview.item(2, 1)->text(), QStringLiteral("77"));
    EXPECT_EQ(overview.item(8, 1)->text(), QStringLiteral("377 [psi]"));

    QTableWidget parts(7, 2);
    QLabel partsLabel;
    ui::FlexGridAdapter partsGrid(&parts);
    ui::LabelAdapter partsCaption(&partsLabel);
    parts.setItem(0, 0, new QTableWidgetItem(QStringLiteral("old")));
    Zubehoer_anzeigen(zubehoer, texte, {false, AC_Rough, 11, true}, partsGrid, partsCaption);
    EXPECT_EQ(partsLabel.text(), QStringLiteral("Spare parts"));
    EXPECT_TRUE(parts.item(0, 0)->text().isEmpty());
    EXPECT_EQ(parts.item(1, 0)->text(), QStringLiteral("cooler only"));
    EXPECT_EQ(parts.item(4, 1)->text(), zubehoer.ZubehoerTab_AC_Rough_EU[11].Luefter[1]);
    EXPECT_EQ(parts.item(6, 1)->text(), zubehoer.ZubehoerTab_AC_Rough_EU[11].Schutzgitter[1]);
}
