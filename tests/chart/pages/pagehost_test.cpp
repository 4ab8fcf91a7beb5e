#include "chart/pages/axespage.h"
#include "chart/pages/pagehost.h"
#include "chart/pages/titlespage.h"
#include "pagesfixture.h"
#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace vexachart;
using namespace vexachart::testing;

namespace {

struct PageHost : PageFixture {
    PropertyPageHost host{{access}, services};
    void SetUp() override { host.show(); }
    ProPage_AXGrph_P1& titles() { return *static_cast<ProPage_AXGrph_P1*>(host.page(QStringLiteral("ProPage_AXGrph_P1"))); }
};

// The widest line of a label's or button's text, or the text of a line edit, is wider than the
// room the widget gives it.
bool textCut(QWidget* w)
{
    auto widest = [w](const QString& text) {
        int width = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            width = std::max(width, w->fontMetrics().horizontalAdvance(QString(line).remove(QLatin1Char('&'))));
        return width;
    };
    if (auto* label = qobject_cast<QLabel*>(w))
        return widest(label->text()) > label->contentsRect().width();
    if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w))
        return w->width() < w->sizeHint().width();
    if (auto* button = qobject_cast<QPushButton*>(w))
        return widest(button->text()) > button->width() - 8;
    if (auto* box = qobject_cast<QLineEdit*>(w))
        return widest(box->text()) > box->width() - 8;
    return false;
}

// Visible children that stick out of their parent, overlap a visible sibling, or are too small
// for their own text.
QStringList layoutFaults(QWidget* parent)
{
    QStringList faults;
    QList<QWidget*> kids;
    for (QObject* o : parent->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && w->isVisible() && !w->isWindow())
            kids << w;
    for (int i = 0; i < kids.size(); ++i) {
        QWidget* w = kids[i];
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        if (!parent->rect().contains(w->geometry()))
            faults << name + " sticks out of " + parent->objectName();
        for (int j = i + 1; j < kids.size(); ++j)
            if (w->geometry().intersects(kids[j]->geometry()))
                faults << name + " overlaps " + kids[j]->objectName();
        if (textCut(w))
            faults << name + " is cut";
        faults << layoutFaults(w);
    }
    return faults;
}

} // namespace

TEST_F(PageHost, ListsTheSixPagesInTheirOrder)
{
    const QStringList expected{"General", "Chart Range", "Fonts", "Colors", "Plot Aspects", "Options"};
    const QStringList names{"ProPage_AXGrph_P1", "ProPage_AXGrph_P6", "ProPage_AXGrph_P3", "ProPage_AXGrph_P2",
        "ProPage_AXGrph_P4", "ProPage_AxGrph_P5"};
    ASSERT_EQ(host.tabs()->count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(host.tabs()->tabText(i), expected[i]);
        EXPECT_EQ(host.tabs()->widget(i)->objectName(), names[i]);
    }
}

TEST_F(PageHost, ApplyIsOfferedWhileAPageHoldsEditsAndClearsThem)
{
    EXPECT_FALSE(host.applyButton()->isEnabled());
    QTest::keyClicks(titles().TxtTitle, "!");
    EXPECT_TRUE(host.applyButton()->isEnabled());
    host.applyButton()->click();
    EXPECT_EQ(chart->Title(), "Vexachart!");
    EXPECT_FALSE(titles().Changed());
    EXPECT_FALSE(host.applyButton()->isEnabled());
    // Only the page that held edits wrote anything.
    EXPECT_EQ(access->writes(), QStringList({"Let Title", "Let XAxisLabel", "Let YAxisLabel"}));
}

TEST_F(PageHost, OkAppliesAndClosesCancelWritesNothing)
{
    QTest::keyClicks(titles().TxtXAxis, "?");
    host.reject();
    EXPECT_EQ(chart->XAxisLabel(), "X-Axis [1]");

    QTest::keyClicks(titles().TxtXAxis, "x");
    auto* ok = host.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ok->click();
    EXPECT_EQ(host.result(), QDialog::Accepted);
    EXPECT_EQ(chart->XAxisLabel(), "X-Axis [1]?x");
}

TEST_F(PageHost, AFailedApplyKeepsTheEditsPendingAndTheDialogOpen)
{
    host.tabs()->setCurrentIndex(1);
    auto& range = *static_cast<ProPage_AXGrph_P6*>(host.page(QStringLiteral("ProPage_AXGrph_P6")));
    range.axis(0).min->setText(QStringLiteral("abc"));
    emit range.axis(0).min->textEdited(range.axis(0).min->text());
    host.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(host.isVisible());
    EXPECT_TRUE(range.Changed());
    EXPECT_TRUE(host.applyButton()->isEnabled());
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(PageHost, EveryPageIsLaidOutWithoutCutOrOverlappingControls)
{
    const QString shots = qEnvironmentVariable("VEXACHART_PAGE_SHOTS");
    auto check = [&](const QString& shotName) {
        QWidget* page = host.tabs()->currentWidget();
        QApplication::processEvents();
        const QStringList faults = layoutFaults(page);
        EXPECT_TRUE(faults.isEmpty()) << shotName.toStdString() << ": " << faults.join(", ").toStdString();
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            host.grab().save(shots + "/" + shotName + ".png");
        }
    };
    for (int i = 0; i < host.tabs()->count(); ++i) {
        host.tabs()->setCurrentIndex(i);
        check(host.tabs()->currentWidget()->objectName());
    }
    host.tabs()->setCurrentIndex(1);
    auto& range = *static_cast<ProPage_AXGrph_P6*>(host.tabs()->currentWidget());
    range.axis(0).notation[2]->click();
    check(QStringLiteral("ProPage_AXGrph_P6_date"));
    range.SSTab1->setCurrentIndex(2);
    check(QStringLiteral("ProPage_AXGrph_P6_formats"));
}
