#include "chart/pages/coloursample.h"
#include "chart/pages/colourspage.h"
#include "chart/pages/fontspage.h"
#include "pagesfixture.h"
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vexachart;
using namespace vexachart::testing;

namespace {
struct ColoursPage : PageFixture {
    ProPage_AXGrph_P2 page{services};
};
struct FontsPage : PageFixture {
    ProPage_AXGrph_P3 page{services};
};

QFont font(const char* family, double size, bool bold = false, bool italic = false, bool underline = false)
{
    QFont f;
    f.setFamily(QString::fromLatin1(family));
    f.setPointSizeF(size);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}
} // namespace

TEST_F(ColoursPage, LoadsAndAppliesTheFiveColoursKeepingSystemColours)
{
    chart->setClrControlBackGround(common::syscolour::WindowBackground);
    chart->setClrGrid(0x00FF8040);
    open(page);
    EXPECT_EQ(page.CmdColor[0]->BackColor(), common::syscolour::WindowBackground);
    EXPECT_EQ(page.CmdColor[2]->BackColor(), 0x00FF8040u);
    ASSERT_TRUE(page.PropertyPage_ApplyChanges());
    EXPECT_EQ(access->writes(), QStringList({"Let ClrControlBackGround", "Let ClrChartBackGround", "Let ClrGrid",
                                    "Let ClrLabels", "Let ClrScales"}));
    EXPECT_EQ(chart->ClrControlBackGround(), common::syscolour::WindowBackground);
    EXPECT_EQ(chart->ClrGrid(), 0x00FF8040u);
}

TEST_F(ColoursPage, ChosenColourGoesToItsBoxAndCancelChangesNothing)
{
    open(page);
    const auto before = page.CmdColor[3]->BackColor();
    page.CmdColor_Click(3); // no answer: cancelled
    EXPECT_EQ(page.CmdColor[3]->BackColor(), before);
    EXPECT_FALSE(page.Changed());

    dialogs.colourAnswers.push_back(QColor(10, 20, 30));
    page.CmdColor_Click(4);
    EXPECT_EQ(page.CmdColor[4]->BackColor(), common::rgbColour(10, 20, 30));
    EXPECT_TRUE(page.Changed());
    page.PropertyPage_ApplyChanges();
    EXPECT_EQ(chart->ClrScales(), common::rgbColour(10, 20, 30));
    EXPECT_EQ(chart->ClrLabels(), before);
}

TEST_F(FontsPage, SamplesShowTheChartsFontsAndTexts)
{
    chart->setTitle(QStringLiteral("Performance"));
    chart->setFontTitle(font("DejaVu Serif", 14, true));
    chart->setFontLegend(font("DejaVu Sans", 7, false, true));
    open(page);
    EXPECT_EQ(page.LabFont[0]->text(), "Performance");
    EXPECT_EQ(page.LabFont[1]->text(), chart->XAxisLabel());
    EXPECT_EQ(page.LabFont[2]->text(), chart->YAxisLabel());
    EXPECT_EQ(page.LabFont[4]->text(), "Plot1\nPlot2\nPlot3");
    EXPECT_EQ(page.LabFont[0]->font().family(), "DejaVu Serif");
    EXPECT_TRUE(page.LabFont[0]->font().bold());
    EXPECT_DOUBLE_EQ(page.LabFont[0]->font().pointSizeF(), 14.0);
    EXPECT_TRUE(page.LabFont[4]->font().italic());
}

TEST_F(FontsPage, EitherAxisButtonSetsBothAxisSamplesAndApplySetsLabelsTwice)
{
    open(page);
    for (int button : {1, 2}) {
        const QFont chosen = font("DejaVu Sans Mono", 9 + button, button == 1, false, true);
        dialogs.fontAnswers.push_back(chosen);
        page.CmdGetFont_Click(button);
        EXPECT_EQ(page.LabFont[1]->font().family(), "DejaVu Sans Mono") << button;
        EXPECT_DOUBLE_EQ(page.LabFont[2]->font().pointSizeF(), 9.0 + button) << button;
        EXPECT_EQ(page.LabFont[1]->font().bold(), button == 1) << button;
    }
    ASSERT_TRUE(page.PropertyPage_ApplyChanges());
    EXPECT_EQ(access->writes(),
        QStringList({"Set FontTitle", "Set FontLabels", "Set FontLabels", "Set FontPlot", "Set FontLegend"}));
    EXPECT_EQ(chart->FontLabels().family(), "DejaVu Sans Mono");
    EXPECT_DOUBLE_EQ(chart->FontLabels().pointSizeF(), 11.0);
    EXPECT_TRUE(chart->FontLabels().underline());
}

TEST_F(FontsPage, CancelledDialogChangesNoSample)
{
    open(page);
    const QFont before = page.LabFont[3]->font();
    page.CmdGetFont_Click(3);
    ASSERT_EQ(dialogs.fontPresets.size(), 1u);
    EXPECT_EQ(dialogs.fontPresets[0].family(), before.family());
    EXPECT_EQ(page.LabFont[3]->font(), before);
    EXPECT_FALSE(page.Changed());
}

namespace {
// Answers the next font dialog the way a developer does: optionally types a size into its size
// field, then presses OK. shown receives the font the dialog showed when it opened.
void pressOkInNextFontDialog(QFont* shown, const QString& typedSize = QString())
{
    QTimer::singleShot(0, [shown, typedSize] {
        auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no font dialog open";
        *shown = dialog->currentFont();
        if (!typedSize.isEmpty()) {
            QLineEdit* size = nullptr;
            for (QLineEdit* e : dialog->findChildren<QLineEdit*>())
                if (e->validator())
                    size = e;
            ASSERT_NE(size, nullptr);
            size->selectAll();
            QTest::keyClicks(size, typedSize);
        }
        auto* box = dialog->findChild<QDialogButtonBox*>();
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
}
} // namespace

// The real font dialog with this machine's fonts: OK without a change gives back the sample's
// font exactly (a size between whole points, the regular style of a family whose regular style is
// "Book", bold, italic); a size typed into it is taken and the rest kept.
TEST_F(FontsPage, RealFontDialogOkWithoutChangeKeepsTheFont)
{
    QtPageDialogs real;
    services.dialogs = &real;
    struct Case {
        QFont font;
        QString typed;   // typed into the size field, or nothing
        double expected; // point size afterwards
    };
    const Case cases[] = {
        {font("DejaVu Sans", 10.8), {}, 10.8},
        {font("DejaVu Sans", 9.5, true), {}, 9.5},
        {font("DejaVu Sans", 12.25, false, true), {}, 12.25},
        {font("DejaVu Serif", 10.8, true, true, true), {}, 10.8},
        {font("DejaVu Sans Mono", 8), {}, 8.0},
        {font("DejaVu Sans", 10.8, false, true), QStringLiteral("14"), 14.0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.font.toString().toStdString() + " typed " + k.typed.toStdString());
        chart->setFontTitle(k.font);
        ProPage_AXGrph_P3 realPage{services};
        open(realPage);
        QFont shown;
        pressOkInNextFontDialog(&shown, k.typed);
        realPage.CmdGetFont_Click(0);
        // The dialog opens on the sample's style (for DejaVu Sans regular "Book", not "Oblique").
        EXPECT_EQ(shown.italic(), k.font.italic());
        EXPECT_EQ(shown.bold(), k.font.bold());
        ASSERT_TRUE(realPage.Changed());
        ASSERT_TRUE(realPage.PropertyPage_ApplyChanges());
        const QFont f = chart->FontTitle();
        EXPECT_EQ(f.family(), k.font.family());
        EXPECT_DOUBLE_EQ(f.pointSizeF(), k.expected);
        EXPECT_EQ(f.bold(), k.font.bold());
        EXPECT_EQ(f.weight(), k.font.weight());
        EXPECT_EQ(f.italic(), k.font.italic());
        EXPECT_EQ(f.underline(), k.font.underline());
    }
}
