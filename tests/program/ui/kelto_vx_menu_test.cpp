#include "windowfixture.h"

#include "program/catalogue/kdaten_tab.h"
#include "program/ui/widgets/updown.h"
#include "tooltip/clsquickinfo.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

using namespace ui;

TEST_F(WindowFixture, WorkedExample)
{
    open();
    referencePoint();
    const catalogue::KTabelle& dc = zustand->KDaten_Tab.KTab_DC_EU;
    EXPECT_EQ(k().Kuehler_Baureihe, catalogue::DC_12V);
    EXPECT_EQ(k().Typ_Index, 1);
    EXPECT_EQ(w->TB_Kuehlertyp->text(), catalogue::oelSatz(dc, 1).TypBez);
    EXPECT_NEAR(k().Abgef_Leistg, 6209.3, 0.1);
    EXPECT_EQ(w->TB_Abgef_Leistg->text(), "6.2");
    EXPECT_EQ(w->TB_T_out->text(), "55.6");
    EXPECT_EQ(w->TB_LeistgReserve->text(), "107.0");
    EXPECT_EQ(w->TB_DruckVerlust->text(), "585");
    EXPECT_FALSE(w->reserveIsRed());
    EXPECT_EQ(zustand->Menu.Iter_Zaehler, 3);
    EXPECT_NEAR(k().T_mittel_Ergebnis, 57.8247, 1e-3);
    EXPECT_TRUE(boxes.shown.empty());
}
