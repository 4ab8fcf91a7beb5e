#include "chart/pages/titlespage.h"
#include "pagesfixture.h"
#include <QLineEdit>
#include <QTest>

using namespace vexachart;
using namespace vexachart::testing;

namespace {

struct TitlesPage : PageFixture {
    ProPage_AXGrph_P1 page{services};
    void SetUp() override
    {
        chart->setTitle(QStringLiteral("Pressure drop"));
        chart->setXAxisLabel(QStringLiteral("Flow [l/min]"));
        chart->setYAxisLabel(QStringLiteral("dp [bar]"));
    }
};

} // namespace

TEST_F(TitlesPage, LoadsTheTextsUnchangedAndTypingMarksThePageChanged)
{
    open(page);
    EXPECT_EQ(page.TxtTitle->text(), "Pressure drop");
    EXPECT_EQ(page.TxtXAxis->text(), "Flow [l/min]");
    EXPECT_EQ(page.TxtYAxis->text(), "dp [bar]");
    EXPECT_FALSE(page.Changed());
    QTest::keyClicks(page.TxtYAxis, "x");
    EXPECT_TRUE(page.Changed());
}

TEST_F(TitlesPage, ApplyWritesAllThreeTextsInOrderEvenUnedited)
{
    open(page);
    page.TxtTitle->clear();
    page.TxtTitle_Change();
    ASSERT_TRUE(page.PropertyPage_ApplyChanges());
    EXPECT_EQ(access->writes(), QStringList({"Let Title", "Let XAxisLabel", "Let YAxisLabel"}));
    EXPECT_EQ(chart->Title(), "");
    EXPECT_EQ(chart->XAxisLabel(), "Flow [l/min]");
}

TEST_F(TitlesPage, OnlyTheFirstSelectedChartIsReadAndWritten)
{
    auto second = makeChart();
    second->setTitle(QStringLiteral("Second"));
    page.setSelectedControls({access, std::make_shared<ChartAccess>(*second)});
    page.show();
    EXPECT_EQ(page.TxtTitle->text(), "Pressure drop");
    QTest::keyClicks(page.TxtTitle, " 2");
    page.PropertyPage_ApplyChanges();
    EXPECT_EQ(chart->Title(), "Pressure drop 2");
    EXPECT_EQ(second->Title(), "Second");
}

TEST_F(TitlesPage, SelectionChangeReloadsButARedrawKeepsTheEdits)
{
    open(page);
    QTest::keyClicks(page.TxtTitle, " typed");
    page.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(page.TxtTitle->text(), "Pressure drop typed");
    page.PropertyPage_ApplyChanges();
    EXPECT_EQ(chart->Title(), "Pressure drop typed");

    auto other = makeChart();
    other->setTitle(QStringLiteral("Other"));
    page.setSelectedControls({std::make_shared<ChartAccess>(*other)});
    EXPECT_EQ(page.TxtTitle->text(), "Other");
    EXPECT_FALSE(page.Changed());
}

TEST_F(TitlesPage, AFailingReadIsShownAndLeavesTheBoxesAlone)
{
    access->failingMember = QStringLiteral("YAxisLabel");
    open(page);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].prompt.contains("438"));
    EXPECT_TRUE(messages.shown[0].prompt.contains("Vexachart.YAxisLabel"));
    EXPECT_EQ(page.TxtTitle->text(), "Graph-Title");
    EXPECT_EQ(page.TxtXAxis->text(), "X-Axis [1]");
}

TEST_F(TitlesPage, AFailingWriteIsShownAndReportedAsFailed)
{
    open(page);
    access->failingMember = QStringLiteral("XAxisLabel");
    EXPECT_FALSE(page.PropertyPage_ApplyChanges());
    EXPECT_EQ(messages.shown.size(), 1u);
}
