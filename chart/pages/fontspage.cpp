#include "chart/pages/fontspage.h"
#include "chart/pages/pagedialogs.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexachart {

namespace {

const std::array<QString, 5>& fontProperty()
{
    static const std::array<QString, 5> names{QStringLiteral("FontTitle"), QStringLiteral("FontLabels"),
        QStringLiteral("FontLabels"), QStringLiteral("FontPlot"), QStringLiteral("FontLegend")};
    return names;
}

} // namespace

QFont ProPage_AXGrph_P3::keptAttributes(const QFont& font)
{
    QFont f;
    f.setFamily(font.family());
    if (font.pointSizeF() > 0)
        f.setPointSizeF(font.pointSizeF());
    f.setBold(font.bold());
    f.setItalic(font.italic());
    f.setUnderline(font.underline());
    return f;
}

ProPage_AXGrph_P3::ProPage_AXGrph_P3(PageServices services, QWidget* parent)
    : PropertyPage(QStringLiteral("ProPage_AXGrph_P3"), QStringLiteral("Fonts"), services, parent)
{
    static const std::array<const char*, 5> samples{
        "Title", "x-Axis", "y-Axis", "0 1 2 3 4 5 6 7 8 9 10 ....", "Plot1 , Plot2, Plot3, ...."};
    // Caption of each row; the two axis-label samples share one caption.
    static const std::array<const char*, 4> captions{"Title :", "X/Y-Axis Labels :", "X/Y-Scale-Values", "Legend:"};
    static const std::array<int, 5> captionRow{0, 1, -1, 2, 3};

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(makeHeading(QStringLiteral("LabTitel"), QStringLiteral("Fonts")));
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < 5; ++i) {
        const auto k = static_cast<size_t>(i);
        if (captionRow[k] >= 0) {
            auto* caption = new QLabel(QString::fromUtf8(captions[static_cast<size_t>(captionRow[k])]), frame);
            caption->setObjectName(QStringLiteral("Label1_%1").arg(captionRow[k]));
            grid->addWidget(caption, i, 0, i == 4 ? Qt::AlignTop : Qt::AlignVCenter);
        }
        LabFont[k] = new QLabel(QString::fromUtf8(samples[k]), frame);
        LabFont[k]->setObjectName(QStringLiteral("LabFont_%1").arg(i));
        LabFont[k]->setFrameShape(QFrame::StyledPanel);
        LabFont[k]->setMinimumWidth(220);
        LabFont[k]->setWordWrap(false);
        grid->addWidget(LabFont[k], i, 1);
        CmdGetFont[k] = new QPushButton(QStringLiteral("..."), frame);
        CmdGetFont[k]->setObjectName(QStringLiteral("CmdGetFont_%1").arg(i));
        CmdGetFont[k]->setFixedWidth(32);
        grid->addWidget(CmdGetFont[k], i, 2, Qt::AlignTop);
        connect(CmdGetFont[k], &QPushButton::clicked, this, [this, i] { CmdGetFont_Click(i); });
    }
    grid->setColumnStretch(1, 1);
    outer->addWidget(frame);
    outer->addStretch(1);
    LabFont[4]->setText(QStringLiteral("Plot1\nPlot2\nPlot3"));
    for (QLabel* l : LabFont)
        l->setFont(keptAttributes(l->font()));
}

void ProPage_AXGrph_P3::CmdGetFont_Click(int Index)
{
    QLabel* sample = LabFont.at(static_cast<size_t>(Index));
    if (!services().dialogs)
        return;
    const auto chosen = services().dialogs->chooseFont(sample->font(), this);
    if (!chosen)
        return; // cancelled: no sample changes, Changed stays
    const QFont f = keptAttributes(*chosen);
    sample->setFont(f);
    // Both axis labels take one property, so both samples show the font the control will keep.
    if (Index == 1)
        LabFont[2]->setFont(f);
    else if (Index == 2)
        LabFont[1]->setFont(f);
    setChanged(true);
}

void ProPage_AXGrph_P3::load(ControlAccess& control)
{
    const QFont title = control.get(QStringLiteral("FontTitle")).toFont();
    const QFont labels = control.get(QStringLiteral("FontLabels")).toFont();
    const QFont plot = control.get(QStringLiteral("FontPlot")).toFont();
    const QFont legend = control.get(QStringLiteral("FontLegend")).toFont();
    const QString titleText = control.get(QStringLiteral("Title")).toString();
    const QString xText = control.get(QStringLiteral("XAxisLabel")).toString();
    const QString yText = control.get(QStringLiteral("YAxisLabel")).toString();
    const std::array<QFont, 5> fonts{title, labels, labels, plot, legend};
    for (size_t i = 0; i < 5; ++i)
        LabFont[i]->setFont(keptAttributes(fonts[i]));
    LabFont[0]->setText(titleText);
    LabFont[1]->setText(xText);
    LabFont[2]->setText(yText);
}

void ProPage_AXGrph_P3::apply(ControlAccess& control)
{
    for (size_t i = 0; i < 5; ++i)
        control.set(fontProperty()[i], keptAttributes(LabFont[i]->font()));
}

} // namespace vexachart
