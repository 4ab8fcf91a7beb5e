#include "chart/pages/colourwheel.h"
#include "chart/pages/plotpreview.h"
#include "chart/pages/plotspage.h"
#include "chart/pages/spinbuttons.h"
#include "pagesfixture.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vexachart;
using namespace vexachart::testing;

namespace {

struct PlotsPage : PageFixture {
    ProPage_AXGrph_P4 page{services};
    void SetUp() override
    {
        chart->SetPlotAspects(2, QStringLiteral("Oil flow"), 10, 20, 30, 3, 5, 0, true);
        chart->SetPlotAspects(3, QStringLiteral("Wide"), 1, 2, 3, 8, 2, 4, false);
    }
    void choosePlot(int i)
    {
        page.cmbPlotSelected->setCurrentIndex(i - 1);
        page.cmbPlotSelected_Click();
    }
    void typeCount(const QString& text)
    {
        page.TxtPlotCount->setText(text);
        page.TxtPlotCount_Change();
    }
};

} // namespace

TEST_F(PlotsPage, LoadsTheWorkingCopyAndShowsPlotOne)
{
    open(page);
    ASSERT_EQ(page.PagePlots.size(), 4u);
    EXPECT_EQ(page.PagePlots[1].Label.trimmed(), "Oil flow");
    EXPECT_EQ(page.cmbPlotSelected->count(), 4);
    EXPECT_EQ(page.TxtPlotCount->text(), "4");
    EXPECT_EQ(page.TxtPlotCaption->text(), "Plot 1");
    EXPECT_TRUE(page.ChkShowLegend->isChecked());
    EXPECT_EQ(page.PicColor->state().backColour, chart->ClrChartBackGround());
    EXPECT_FALSE(page.Changed());
}

TEST_F(PlotsPage, ShowingAPlotFillsItsControlsAndRepairsSizeZero)
{
    open(page);
    choosePlot(2);
    EXPECT_EQ(page.TxtPlotCaption->text(), "Oil flow");
    EXPECT_EQ(page.TxtLineWidth->text(), "3");
    // A stored size 0 is shown and kept as 1.
    EXPECT_EQ(page.TxtMarkerSize->text(), "1");
    EXPECT_EQ(page.PagePlots[1].MarkerSize, 1);
    EXPECT_EQ(page.shpSelIndex(), 5);
    EXPECT_EQ(page.foreColour(), QColor(10, 20, 30));
    EXPECT_EQ(page.PicColor->state().markerStyle, 5);
    // A width beyond the spinner's range: the spinner is clamped, the plot keeps its width.
    choosePlot(3);
    EXPECT_EQ(page.ScrLineWidth->value(), 5);
    EXPECT_EQ(page.TxtLineWidth->text(), "8");
    EXPECT_EQ(page.PagePlots[2].LineWidth, 8);
}

TEST_F(PlotsPage, EditsGoToTheSelectedPlotsWorkingCopy)
{
    open(page);
    choosePlot(2);
    QTest::keyClicks(page.TxtPlotCaption, " hot");
    page.PicShape_Click(7);
    page.ScrLineWidth->stepBy(-1);
    EXPECT_EQ(page.PagePlots[1].Label, fixedLabel(QStringLiteral("Oil flow hot")));
    EXPECT_EQ(page.PagePlots[1].Marker, 7);
    EXPECT_EQ(page.PagePlots[1].LineWidth, 2);
    EXPECT_EQ(page.TxtLineWidth->text(), "2");
    EXPECT_EQ(page.PagePlots[0].Marker, 0);
    EXPECT_TRUE(page.Changed());
    // Text that is no number counts as width 0: the line preview draws no line.
    page.TxtLineWidth->setText(QStringLiteral("abc"));
    page.TxtLineWidth_Change();
    EXPECT_EQ(page.PagePlots[1].LineWidth, 0);
    EXPECT_EQ(page.PicColor->state().lineWidth, 0.0);
    // The separator of the aspect string cannot be typed into a label.
    QTest::keyClicks(page.TxtPlotCaption, "x");
    page.TxtPlotCaption->insert(QString(QChar(0x00A6)));
    EXPECT_FALSE(page.TxtPlotCaption->text().contains(QChar(0x00A6)));
}

TEST_F(PlotsPage, MarkerSizeIsClampedWhenTheBoxIsLeft)
{
    open(page);
    const std::vector<std::pair<QString, QString>> cases{{"0", "1"}, {"20", "12"}, {"7", "7"}, {"-3", "1"}};
    for (const auto& [typed, shown] : cases) {
        page.TxtMarkerSize->setText(typed);
        page.TxtMarkerSize_Change();
        page.TxtMarkerSize_LostFocus();
        EXPECT_EQ(page.TxtMarkerSize->text(), shown) << typed.toStdString();
        EXPECT_EQ(page.PagePlots[0].MarkerSize, shown.toInt()) << typed.toStdString();
        EXPECT_EQ(page.ScrMarkerSize->value(), shown.toInt()) << typed.toStdString();
    }
}

TEST_F(PlotsPage, RaisingTheCountAddsDefaultPlotsAndRecoloursAll)
{
    open(page);
    const PlotStyle second = page.PagePlots[1];
    typeCount(QStringLiteral("6"));
    ASSERT_EQ(page.PagePlots.size(), 6u);
    EXPECT_EQ(page.cmbPlotSelected->count(), 6);
    EXPECT_EQ(page.PagePlots[1].Label, second.Label);
    EXPECT_EQ(page.PagePlots[1].LineWidth, second.LineWidth);
    EXPECT_EQ(page.PagePlots[1].Marker, second.Marker);
    for (int k : {5, 6}) {
        const PlotStyle& p = page.PagePlots[static_cast<size_t>(k - 1)];
        EXPECT_EQ(p.Label.trimmed(), QStringLiteral("Plot %1").arg(k));
        EXPECT_EQ(p.LineWidth, 1);
        EXPECT_EQ(p.Marker, 0);
        EXPECT_EQ(p.MarkerSize, 2);
        EXPECT_TRUE(p.Visible);
    }
    const auto wheel = colourWheel(6);
    for (size_t k = 0; k < 6; ++k)
        EXPECT_EQ((PlotRgb{page.PagePlots[k].RColor, page.PagePlots[k].GColor, page.PagePlots[k].BColor}), wheel[k]) << k;
    EXPECT_TRUE(page.Changed());
    // The spinner's up arrow adds one plot the same way.
    page.ScrPlotCount->stepBy(1);
    EXPECT_EQ(page.TxtPlotCount->text(), "7");
    ASSERT_EQ(page.PagePlots.size(), 7u);
    EXPECT_EQ(page.PagePlots[6].Label.trimmed(), "Plot 7");
    EXPECT_EQ(page.PagePlots[1].RColor, colourWheel(7)[1].R);
}

TEST_F(PlotsPage, AReloadNeverRecolours)
{
    open(page);
    chart->setMaxCountOfPlots(5);
    chart->SetPlotAspects(5, QStringLiteral("Fifth"), 1, 2, 3);
    page.setSelectedControls({access});
    ASSERT_EQ(page.PagePlots.size(), 5u);
    EXPECT_EQ(page.PagePlots[1].RColor, 10);
    EXPECT_EQ(page.PagePlots[4].BColor, 3);
    EXPECT_FALSE(page.Changed());
}

TEST_F(PlotsPage, CountTextThatIsNoCountIsRefused)
{
    open(page);
    for (const char* typed : {"0", "-2", "", "two", "40000"}) {
        typeCount(QString::fromLatin1(typed));
        EXPECT_EQ(page.PagePlots.size(), 4u) << typed;
        page.TxtPlotCount_LostFocus();
        EXPECT_EQ(page.TxtPlotCount->text(), "4") << typed;
    }
}

TEST_F(PlotsPage, ApplyWritesEveryPlotWithOneRedrawAtTheLast)
{
    open(page);
    typeCount(QStringLiteral("5"));
    page.ChkShowLegend->click();
    ASSERT_TRUE(page.PropertyPage_ApplyChanges());
    EXPECT_EQ(access->writes(),
        QStringList({"Let pInit", "Let MaxCountOfPlots", "Let ShowLegend", "Let PlotAspect", "Let PlotAspect",
            "Let PlotAspect", "Let PlotAspect", "Let pInit", "Let PlotAspect", "Call CreateTestData", "Call Refresh"}));
    EXPECT_FALSE(chart->pInit());
    ASSERT_EQ(chart->MaxCountOfPlots(), 5);
    EXPECT_FALSE(chart->ShowLegend());
    for (int k = 1; k <= 5; ++k) {
        PlotStyle expected = page.PagePlots[static_cast<size_t>(k - 1)];
        EXPECT_EQ(chart->plotStyle(k), expected) << k;
    }
    EXPECT_EQ(chart->plotStyle(2).Label.trimmed(), "Oil flow");
    EXPECT_FALSE(chart->plotStyle(3).Visible);
}

TEST_F(PlotsPage, ApplyWithABadCountWritesNothing)
{
    open(page);
    page.TxtPlotCount->setText(QStringLiteral("0"));
    EXPECT_FALSE(page.PropertyPage_ApplyChanges());
    EXPECT_TRUE(access->writes().isEmpty());
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(chart->pInit());
}

TEST_F(PlotsPage, AFailingPlotWriteStillLetsTheChartRedraw)
{
    open(page);
    access->failingMember = QStringLiteral("ShowLegend");
    EXPECT_FALSE(page.PropertyPage_ApplyChanges());
    EXPECT_EQ(access->writes().last(), "Let pInit");
    EXPECT_FALSE(chart->pInit());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PlotsPage, ColourDialogColoursTheSelectedPlotUnlessCancelled)
{
    open(page);
    choosePlot(2);
    page.setChanged(false);
    page.CmdGetColor_Click();
    ASSERT_EQ(dialogs.colourPresets.size(), 1u);
    EXPECT_EQ(dialogs.colourPresets[0], QColor(10, 20, 30));
    EXPECT_EQ(page.PagePlots[1].RColor, 10);
    EXPECT_FALSE(page.Changed());

    dialogs.colourAnswers.push_back(QColor(255, 0, 0));
    page.CmdGetColor_Click();
    EXPECT_EQ((PlotRgb{page.PagePlots[1].RColor, page.PagePlots[1].GColor, page.PagePlots[1].BColor}), (PlotRgb{255, 0, 0}));
    EXPECT_EQ(page.PicShape[3]->state().foreColour, QColor(255, 0, 0));
    EXPECT_TRUE(page.Changed());
}

TEST_F(PlotsPage, PreviewDrawsTheLineInThePlotsColourOnTheChartBackground)
{
    chart->setClrChartBackGround(common::rgbColour(255, 255, 255));
    chart->SetPlotAspects(1, Variant::missing(), 0, 0, 255, 3, 4, 5, true);
    open(page);
    page.PicColor->resize(240, 80);
    const QImage img = page.PicColor->grab().toImage();
    int blue = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == QColor(0, 0, 255))
                ++blue;
    EXPECT_GT(blue, 100);
    EXPECT_EQ(img.pixelColor(img.width() / 2, 6), QColor(255, 255, 255));
    page.TxtLineWidth->setText(QStringLiteral("0"));
    page.TxtLineWidth_Change();
    page.PicShape_Click(0);
    const QImage none = page.PicColor->grab().toImage();
    for (int y = 0; y < none.height(); ++y)
        for (int x = 0; x < none.width(); ++x)
            ASSERT_NE(none.pixelColor(x, y), QColor(0, 0, 255)) << x << "," << y;
}
