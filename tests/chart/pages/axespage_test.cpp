#include "chart/pages/axespage.h"
#include "pagesfixture.h"
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace vexachart;
using namespace vexachart::testing;

namespace {

const QDateTime FixedNow(QDate(2024, 5, 17), QTime(9, 5, 42));

struct AxesPage : PageFixture {
    ProPage_AXGrph_P6 page{services};
    QDateTime now = FixedNow;
    void SetUp() override
    {
        page.setClock([this] { return now; });
        page.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        chart->setTimeFormat(1, QStringLiteral("yyyy"));
        chart->setTimeFormatCursor(QStringLiteral("dd.mm.yyyy hh:nn"));
    }
    void putDateAxisOnChart()
    {
        chart->setXScalingNotation(2);
        chart->SetGlobalBorders(QStringLiteral("2001/01/05/09/03/07"), QStringLiteral("2001/03/01/00/00/00"), 1.0, 50.0, qint16(0), qint16(0));
    }
    void type(QLineEdit* box, const QString& text)
    {
        box->setText(text);
        emit box->textEdited(text);
    }
    std::vector<QString> texts(const std::array<QLineEdit*, 6>& boxes)
    {
        std::vector<QString> out;
        for (QLineEdit* b : boxes)
            out.push_back(b->text());
        return out;
    }
    bool invalidMessageShown() const
    {
        return messages.shown.size() == 1 && messages.shown[0].title == "Non valid changes"
            && messages.shown[0].style == (common::mb::Information | common::mb::OkOnly)
            && messages.shown[0].prompt.startsWith("\nSorry, the selected values are not valid. The\n");
    }
};

} // namespace

TEST_F(AxesPage, LoadsModesNotationsBordersAndFormatsThenIsUnchanged)
{
    chart->SetGlobalBorders(0.01, 100.0, 2.0, 5000.0, qint16(0), qint16(1));
    open(page);
    auto& x = page.axis(0);
    auto& y = page.axis(1);
    EXPECT_TRUE(x.lin->isChecked());
    EXPECT_TRUE(y.log->isChecked());
    EXPECT_EQ(page.selectedNotation(0), 0);
    EXPECT_EQ(x.min->text(), "0.01");
    EXPECT_EQ(y.max->text(), "5000");
    EXPECT_FALSE(x.limits->isHidden());
    EXPECT_TRUE(x.dateBorder[0]->isHidden());
    EXPECT_EQ(page.txtTimeFormat[1]->text(), "yyyy");
    EXPECT_EQ(page.txtFormatExample[1]->text(), "2024");
    EXPECT_EQ(page.txtFormatExample[0]->text(), "17.05.2024 09:05");
    EXPECT_FALSE(page.Changed());
}

TEST_F(AxesPage, DateAxisLoadsItsPartsAndAppliesThemUnchanged)
{
    putDateAxisOnChart();
    open(page);
    EXPECT_EQ(texts(page.axis(0).lowerBorder), (std::vector<QString>{"2001", "1", "5", "9", "3", "7"}));
    EXPECT_EQ(texts(page.axis(0).upperBorder), (std::vector<QString>{"2001", "3", "1", "0", "0", "0"}));
    EXPECT_FALSE(page.axis(0).dateBorder[1]->isHidden());
    EXPECT_TRUE(page.axis(0).limits->isHidden());
    ASSERT_TRUE(page.PropertyPage_ApplyChanges());
    const auto args = access->lastArgs(QStringLiteral("SetGlobalBorders"));
    EXPECT_EQ(args[0].toString(), "2001/1/5/9/3/7");
    EXPECT_EQ(args[1].toString(), "2001/3/1/0/0/0");
    EXPECT_EQ(chart->XMinGlobal().toString(), "2001/01/05/09/03/07");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AxesPage, SwitchingToDateTimeUsesTheInitialDatePartsAndForcesLinear)
{
    open(page);
    auto& x = page.axis(0);
    x.log->click();
    x.notation[2]->click();
    EXPECT_TRUE(x.lin->isChecked());
    EXPECT_FALSE(x.log->isEnabled());
    EXPECT_TRUE(page.Changed());
    ASSERT_TRUE(page.PropertyPage_ApplyChanges());
    const auto args = access->lastArgs(QStringLiteral("SetGlobalBorders"));
    EXPECT_EQ(args[0].toString(), "2001/01/01/00/00/00");
    EXPECT_EQ(args[1].toString(), "3000/12/31/23/59/59");
    EXPECT_EQ(args[4].toInt16(), 0);
    EXPECT_EQ(chart->XScalingNotation(), 2);
    EXPECT_EQ(chart->XAxisLinLogMode(), 0);
    // Back to normal: linear stays, logarithmic is offered again.
    x.notation[0]->click();
    EXPECT_TRUE(x.lin->isChecked());
    EXPECT_TRUE(x.log->isEnabled());
    EXPECT_FALSE(x.limits->isHidden());
}

TEST_F(AxesPage, ValidValuesAreWrittenInOrder)
{
    open(page);
    type(page.axis(1).min, QStringLiteral("0.5"));
    type(page.axis(1).max, QStringLiteral("2000"));
    page.axis(1).log->click();
    page.axis(0).notation[1]->click();
    type(page.txtTimeFormat[6], QStringLiteral("nn:ss"));
    ASSERT_TRUE(page.PropertyPage_ApplyChanges());
    EXPECT_EQ(access->writes(),
        QStringList({"Let XScalingNotation", "Let YScalingNotation", "Let TimeFormatCursor", "Let TimeFormat1",
            "Let TimeFormat2", "Let TimeFormat3", "Let TimeFormat4", "Let TimeFormat5", "Let TimeFormat6",
            "Call SetGlobalBorders", "Call CreateTestData", "Call SetDisplayBorders"}));
    EXPECT_EQ(chart->XScalingNotation(), 1);
    EXPECT_EQ(chart->YAxisLinLogMode(), 1);
    EXPECT_EQ(chart->YMinGlobal().toDouble(), 0.5);
    EXPECT_EQ(chart->TimeFormat(6), "nn:ss");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AxesPage, InvalidValuesShowTheMessageAndWriteNothing)
{
    using Page = ProPage_AXGrph_P6;
    struct Case {
        const char* what;
        std::function<void(AxesPage&, Page&)> edit;
    };
    const std::vector<Case> cases{
        {"letters in X-min", [](AxesPage& t, Page& p) { t.type(p.axis(0).min, QStringLiteral("abc")); }},
        {"Y-min above Y-max", [](AxesPage& t, Page& p) { t.type(p.axis(1).min, QStringLiteral("500")); }},
        {"logarithmic Y from 0",
            [](AxesPage& t, Page& p) {
                p.axis(1).log->click();
                t.type(p.axis(1).min, QStringLiteral("0"));
            }},
        {"X-min equal to X-max", [](AxesPage& t, Page& p) { t.type(p.axis(0).min, p.axis(0).max->text()); }},
        {"a date part that is no number",
            [](AxesPage& t, Page& p) {
                p.axis(0).notation[2]->click();
                t.type(p.axis(0).lowerBorder[1], QStringLiteral("Jan"));
            }},
    };
    for (const Case& c : cases) {
        Page fresh{services};
        messages.clear();
        open(fresh);
        const auto before = chart->globalBorders();
        c.edit(*this, fresh);
        EXPECT_FALSE(fresh.PropertyPage_ApplyChanges()) << c.what;
        EXPECT_TRUE(invalidMessageShown()) << c.what;
        EXPECT_TRUE(access->writes().isEmpty()) << c.what;
        EXPECT_EQ(chart->globalBorders(), before) << c.what;
        EXPECT_EQ(chart->XScalingNotation(), 0) << c.what;
        EXPECT_TRUE(fresh.Changed()) << c.what;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.what;
    }
}

TEST_F(AxesPage, ADateAxisSwitchedBackToNumbersNeedsNewLimits)
{
    putDateAxisOnChart();
    open(page);
    page.axis(0).notation[0]->click();
    EXPECT_FALSE(page.PropertyPage_ApplyChanges());
    EXPECT_TRUE(invalidMessageShown());
    EXPECT_TRUE(access->writes().isEmpty());
    EXPECT_EQ(chart->XScalingNotation(), 2);
}

TEST_F(AxesPage, ARefusalOfTheControlPutsNotationsAndFormatsBack)
{
    open(page);
    access->failingMember = QStringLiteral("SetGlobalBorders");
    page.axis(1).notation[1]->click();
    type(page.txtTimeFormat[3], QStringLiteral("dd"));
    EXPECT_FALSE(page.PropertyPage_ApplyChanges());
    EXPECT_TRUE(invalidMessageShown());
    EXPECT_EQ(chart->YScalingNotation(), 0);
    EXPECT_NE(chart->TimeFormat(3), "dd");
    EXPECT_FALSE(access->writes().contains("Call CreateTestData"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(AxesPage, ExamplesFollowTheClockAndTheirPattern)
{
    open(page);
    type(page.txtTimeFormat[4], QStringLiteral("hh:nn:ss"));
    EXPECT_EQ(page.txtFormatExample[4]->text(), "09:05:42");
    EXPECT_TRUE(page.Changed());
    now = QDateTime(QDate(2030, 1, 2), QTime(23, 0, 1));
    page.PropertyPage_ApplyChanges();
    EXPECT_EQ(page.txtFormatExample[1]->text(), "2030");
    EXPECT_EQ(page.txtFormatExample[4]->text(), "23:00:01");
}

TEST_F(AxesPage, RedrawsKeepEditsAndASelectionChangeReloads)
{
    open(page);
    type(page.axis(0).min, QStringLiteral("3"));
    page.repaint();
    page.hide();
    page.show();
    EXPECT_EQ(page.axis(0).min->text(), "3");
    auto other = makeChart();
    other->SetGlobalBorders(7.0, 9.0, 1.0, 2.0, qint16(0), qint16(0));
    page.setSelectedControls({std::make_shared<ChartAccess>(*other)});
    EXPECT_EQ(page.axis(0).min->text(), "7");
    EXPECT_FALSE(page.Changed());
}

TEST_F(AxesPage, BordersFollowTheLocalesDecimalSeparator)
{
    page.setLocale(QLocale(QLocale::German, QLocale::Germany));
    open(page);
    EXPECT_EQ(page.axis(0).min->text(), "0,01");
    type(page.axis(0).min, QStringLiteral("0,25"));
    ASSERT_TRUE(page.PropertyPage_ApplyChanges());
    EXPECT_DOUBLE_EQ(chart->XMinGlobal().toDouble(), 0.25);
}

TEST_F(AxesPage, AnUnreadableStoredDateIsReportedAndKeepsTheInitialParts)
{
    chart->setXScalingNotation(2);
    access->reads[QStringLiteral("XMinGlobal")] = Variant(QStringLiteral("not a date"));
    open(page);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].prompt.contains("12001"));
    EXPECT_EQ(texts(page.axis(0).lowerBorder), (std::vector<QString>{"2001", "01", "01", "00", "00", "00"}));
    EXPECT_EQ(page.selectedNotation(0), 2);
}

TEST_F(AxesPage, FocusSelectsTheWholeText)
{
    open(page);
    page.activateWindow();
    page.axis(0).max->setFocus();
    QTest::qWait(20);
    QApplication::processEvents();
    if (!page.axis(0).max->hasFocus())
        GTEST_SKIP() << "the platform gives no focus";
    EXPECT_EQ(page.axis(0).max->selectedText(), page.axis(0).max->text());
}
