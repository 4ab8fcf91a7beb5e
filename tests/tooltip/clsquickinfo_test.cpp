#include "tooltip/clsquickinfo.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using quickinfo::clsQuickInfo;

TEST(QuickInfoRegistry, EveryMemberIsIdleBeforeInit)
{
    clsQuickInfo tips;
    QLineEdit field;
    EXPECT_FALSE(tips.ControlAdd(&field, "x"));
    EXPECT_FALSE(tips.ControlRemove(&field));
    tips.setToolTipText(&field, "y");
    EXPECT_EQ(tips.ToolTipText(&field), "");
    tips.setBackColor(0x123456);
    tips.setForeColor(0x654321);
    EXPECT_EQ(tips.BackColor(), 0u);
    EXPECT_EQ(tips.ForeColor(), 0u);
    tips.setMaxTipWidth(300);
    tips.setDelayTime(clsQuickInfo::Initial, 10);
    tips.setMargin(0, 5);
    EXPECT_EQ(tips.MaxTipWidth(), 0);
    EXPECT_EQ(tips.DelayTime(clsQuickInfo::Initial), 0);
    EXPECT_EQ(tips.Margin(0), 0);
    EXPECT_EQ(tips.ToolCount(), 0);
    EXPECT_EQ(tips.ToolTipHwnd(), nullptr);
    EXPECT_FALSE(tips.About());
}

TEST(QuickInfoRegistry, InitCreatesOnePopupWithItsDefaults)
{
    QWidget owner;
    clsQuickInfo tips;
    ASSERT_TRUE(tips.Init(&owner));
    QWidget* popup = tips.ToolTipHwnd();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->windowFlags().testFlag(Qt::ToolTip));
    EXPECT_TRUE(tips.Init(&owner));
    EXPECT_EQ(tips.ToolTipHwnd(), popup);
    EXPECT_EQ(tips.MaxTipWidth(), 800);
    EXPECT_EQ(tips.DelayTime(clsQuickInfo::AutoPop), 5000);
}

TEST(QuickInfoRegistry, RegistrySemantics)
{
    QWidget owner;
    auto* a = new QLineEdit(&owner);
    auto* b = new QLineEdit(&owner);
    QLineEdit stranger;
    clsQuickInfo tips;
    ASSERT_TRUE(tips.Init(&owner));

    EXPECT_FALSE(tips.ControlAdd(nullptr, "x"));
    EXPECT_TRUE(tips.ControlAdd(a, "first"));
    EXPECT_FALSE(tips.ControlAdd(a, "second"));
    EXPECT_EQ(tips.ToolTipText(a), "first");

    EXPECT_TRUE(tips.ControlAdd(b, ""));
    tips.setToolTipText(b, "a\r\nb");
    EXPECT_EQ(tips.ToolTipText(b), "a\r\nb");
    const QString longText(10000, QLatin1Char('w'));
    tips.setToolTipText(b, longText);
    EXPECT_EQ(tips.ToolTipText(b), longText);

    tips.setToolTipText(&stranger, "nothing");
    EXPECT_EQ(tips.ToolTipText(&stranger), "");
    EXPECT_FALSE(tips.ControlRemove(&stranger));

    EXPECT_EQ(tips.ToolCount(), 2);
    EXPECT_TRUE(tips.ControlRemove(a));
    EXPECT_FALSE(tips.ControlRemove(a));
    EXPECT_EQ(tips.ToolTipText(a), "");
    EXPECT_EQ(tips.ToolCount(), 1);

    // A destroyed control leaves the registry; a new widget at the same address starts unregistered.
    delete b;
    EXPECT_EQ(tips.ToolCount(), 0);
    auto* c = new QLineEdit(&owner);
    EXPECT_EQ(tips.ToolTipText(c), "");
    EXPECT_TRUE(tips.ControlAdd(c, "c"));
}

TEST(QuickInfoRegistry, AccessorRules)
{
    QWidget owner;
    clsQuickInfo tips;
    ASSERT_TRUE(tips.Init(&owner));
    struct Case { int let; int expected; };
    for (const Case& c : {Case{0, -1}, Case{-5, -1}, Case{320, 320}}) {
        tips.setMaxTipWidth(c.let);
        EXPECT_EQ(tips.MaxTipWidth(), c.expected) << c.let;
    }
    tips.setDelayTime(6, 1234); // 6 And 3 = auto-pop
    EXPECT_EQ(tips.DelayTime(clsQuickInfo::AutoPop), 1234);
    tips.setDelayTime(clsQuickInfo::Automatic, 100);
    EXPECT_EQ(tips.DelayTime(clsQuickInfo::Initial), 100);
    EXPECT_EQ(tips.DelayTime(clsQuickInfo::AutoPop), 1000);
    EXPECT_EQ(tips.DelayTime(clsQuickInfo::Reshow), 20);
    EXPECT_EQ(tips.DelayTime(clsQuickInfo::Automatic), 100);

    tips.setMargin(2, 7);
    EXPECT_EQ(tips.Margin(2), 7);
    tips.setMargin(4, 9);
    EXPECT_EQ(tips.Margin(4), 0);
    EXPECT_EQ(tips.Margin(2), 7);

    tips.setBackColor(0x80000018u);
    tips.setForeColor(0x00FF0000u);
    EXPECT_EQ(tips.BackColor(), 0x80000018u);
    EXPECT_EQ(tips.ForeColor(), 0x00FF0000u);
    EXPECT_EQ(tips.ToolTipHwnd()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST(QuickInfoRegistry, LineBreaksForDisplay)
{
    EXPECT_EQ(quickinfo::displayText("a\r\nb"), "a\nb");
    EXPECT_EQ(quickinfo::displayText("a\rb\nc"), "a\nb\nc");
}

namespace {

struct PopupFixture : ::testing::Test {
    QWidget owner;
    QLineEdit* field = new QLineEdit(&owner);
    QLineEdit* other = new QLineEdit(&owner);
    clsQuickInfo tips;

    void SetUp() override
    {
        owner.resize(300, 100);
        field->setGeometry(10, 10, 100, 24);
        other->setGeometry(10, 50, 100, 24);
        owner.show();
        ASSERT_TRUE(tips.Init(&owner));
        tips.setDelayTime(clsQuickInfo::Initial, 10);
        tips.setDelayTime(clsQuickInfo::AutoPop, 200);
    }
    QLabel* popup() { return qobject_cast<QLabel*>(tips.ToolTipHwnd()); }
    void enter(QWidget* w)
    {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(w, &e);
    }
    void leave(QWidget* w)
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }
};

} // namespace

TEST_F(PopupFixture, HoverShowsTwoLinesThenAutoPopHides)
{
    ASSERT_TRUE(tips.ControlAdd(field, ""));
    tips.setToolTipText(field, "a\r\nb");
    enter(field);
    EXPECT_FALSE(popup()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(popup()->isVisible(), 1000);
    EXPECT_EQ(popup()->text(), "a\nb");
    EXPECT_EQ(popup()->text().split('\n').size(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(!popup()->isVisible(), 2000);
}

TEST_F(PopupFixture, LeaveBeforeTheDelayAndEmptyTextsShowNothing)
{
    ASSERT_TRUE(tips.ControlAdd(field, "tip"));
    ASSERT_TRUE(tips.ControlAdd(other, ""));
    tips.setDelayTime(clsQuickInfo::Initial, 60);
    enter(field);
    leave(field);
    QTest::qWait(150);
    EXPECT_FALSE(popup()->isVisible());

    enter(other);
    QTest::qWait(150);
    EXPECT_FALSE(popup()->isVisible());
}

TEST_F(PopupFixture, LeaveAndRemovalHideAShownTip)
{
    tips.setDelayTime(clsQuickInfo::AutoPop, 0); // stays until something hides it
    ASSERT_TRUE(tips.ControlAdd(field, "tip"));
    enter(field);
    QTRY_VERIFY_WITH_TIMEOUT(popup()->isVisible(), 1000);
    leave(field);
    EXPECT_FALSE(popup()->isVisible());

    enter(field);
    QTRY_VERIFY_WITH_TIMEOUT(popup()->isVisible(), 1000);
    delete field;
    field = nullptr;
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_EQ(tips.ToolCount(), 0);
}

TEST_F(PopupFixture, LinesUpToTheMaximumWidthStayWholeAndANewTextResizes)
{
    tips.setDelayTime(clsQuickInfo::AutoPop, 0);
    ASSERT_TRUE(tips.ControlAdd(field, ""));
    const QFontMetrics fm(popup()->font());
    // An advice line of about 280 px: shown on one line, the popup as wide as the line.
    QString line = QStringLiteral("Pressure drop can be lowered a lot with less flow!");
    while (fm.horizontalAdvance(line) < 270)
        line += QStringLiteral(" x");
    const QString advice = QStringLiteral("Cooler not working in its best range!\r\n") + line;
    tips.setToolTipText(field, advice);
    enter(field);
    QTRY_VERIFY_WITH_TIMEOUT(popup()->isVisible(), 1000);
    const int twoLines = popup()->height();
    EXPECT_GE(popup()->width(), fm.horizontalAdvance(line));
    EXPECT_LT(twoLines, 3 * fm.lineSpacing()) << "two lines, none of them wrapped";

    // A new text on the shown popup resizes it: a longer single line widens it.
    QString longer = line + line.left(line.size() / 2);
    ASSERT_LT(fm.horizontalAdvance(longer), tips.MaxTipWidth() - 20);
    tips.setToolTipText(field, longer);
    EXPECT_GE(popup()->width(), fm.horizontalAdvance(longer));
    EXPECT_LT(popup()->height(), 2 * fm.lineSpacing());

    // A line longer than the maximum width wraps at that width.
    QString lang;
    while (fm.horizontalAdvance(lang) < 2 * tips.MaxTipWidth())
        lang += QStringLiteral("flow too high ");
    tips.setToolTipText(field, lang);
    EXPECT_EQ(popup()->width(), tips.MaxTipWidth());
    EXPECT_GE(popup()->height(), 2 * fm.lineSpacing());
}
