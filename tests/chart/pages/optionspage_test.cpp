#include "chart/pages/optionspage.h"
#include "pagesfixture.h"
#include <QCheckBox>
#include <QRadioButton>

using namespace vexachart;
using namespace vexachart::testing;

namespace {
struct OptionsPage : PageFixture {
    ProPage_AxGrph_P5 page{services};
};
} // namespace

TEST_F(OptionsPage, LoadsEverySwitchAndEndsUnchanged)
{
    chart->setEnableMenuOptionSave(false);
    chart->setEnableMenuOptionLegend(false);
    chart->setBorderStyle(0);
    chart->setGridStyle(1);
    open(page);
    EXPECT_TRUE(page.ChkZoom->isChecked());
    EXPECT_FALSE(page.ChkSave->isChecked());
    EXPECT_TRUE(page.ChkCursor->isChecked());
    EXPECT_FALSE(page.ChkLegend->isChecked());
    EXPECT_TRUE(page.OptApperanceFrame[0]->isChecked());
    EXPECT_TRUE(page.optGridStyle[1]->isChecked());
    EXPECT_FALSE(page.Changed());
    page.optGridStyle[2]->click();
    EXPECT_TRUE(page.Changed());
}

TEST_F(OptionsPage, ApplyWritesAllSixInItsOrder)
{
    open(page);
    page.ChkCursor->click();
    page.optGridStyle[2]->click();
    ASSERT_TRUE(page.PropertyPage_ApplyChanges());
    EXPECT_EQ(access->writes(),
        QStringList({"Let EnableMenuOptionZoom", "Let EnableMenuOptionSave", "Let EnableMenuOptionLegend",
            "Let EnableMenuOptionCursor", "Let BorderStyle", "Let GridStyle"}));
    EXPECT_FALSE(chart->EnableMenuOptionCursor());
    EXPECT_EQ(chart->GridStyle(), 2);
}

TEST_F(OptionsPage, UnknownStylesLoadSafely)
{
    // Any border style but 0 is a frame; a grid style the page does not know selects nothing
    // and is left alone on apply.
    access->reads[QStringLiteral("BorderStyle")] = Variant(qint16(5));
    access->reads[QStringLiteral("GridStyle")] = Variant(qint16(7));
    open(page);
    EXPECT_TRUE(page.OptApperanceFrame[1]->isChecked());
    for (QRadioButton* b : page.optGridStyle)
        EXPECT_FALSE(b->isChecked());
    page.PropertyPage_ApplyChanges();
    EXPECT_FALSE(access->writes().contains("Let GridStyle"));
    EXPECT_EQ(access->lastArgs(QStringLiteral("BorderStyle")).back().toInt16(), 1);
}
