#include "chart/pages/colourspage.h"
#include "chart/pages/coloursample.h"
#include "chart/pages/pagedialogs.h"
#include "common/widgets/qtcolour.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace vexachart {

const std::array<QString, 5>& ProPage_AXGrph_P2::propertyNames()
{
    static const std::array<QString, 5> names{QStringLiteral("ClrControlBackGround"),
        QStringLiteral("ClrChartBackGround"), QStringLiteral("ClrGrid"), QStringLiteral("ClrLabels"),
        QStringLiteral("ClrScales")};
    return names;
}

ProPage_AXGrph_P2::ProPage_AXGrph_P2(PageServices services, QWidget* parent)
    : PropertyPage(QStringLiteral("ProPage_AXGrph_P2"), QStringLiteral("Colors"), services, parent)
{
    static const std::array<const char*, 5> descriptions{
        "Control Background", "Chart-Background", "Grid", "Title, X- , Y-Labels", "Scale-Values"};
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(makeHeading(QStringLiteral("LabTitel"), QStringLiteral("Colors")));
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(QString::fromUtf8(descriptions[static_cast<size_t>(i)]), frame);
        label->setObjectName(QStringLiteral("LabDescription_%1").arg(i));
        CmdColor[static_cast<size_t>(i)] = new ColourSample(QStringLiteral("Click Me"), frame);
        CmdColor[static_cast<size_t>(i)]->setObjectName(QStringLiteral("CmdColor_%1").arg(i));
        CmdColor[static_cast<size_t>(i)]->setMinimumSize(110, 26);
        grid->addWidget(label, i, 0);
        grid->addWidget(CmdColor[static_cast<size_t>(i)], i, 1);
        connect(CmdColor[static_cast<size_t>(i)], &ColourSample::clicked, this, [this, i] { CmdColor_Click(i); });
    }
    grid->setColumnStretch(0, 1);
    outer->addWidget(frame);
    outer->addStretch(1);
}

void ProPage_AXGrph_P2::CmdColor_Click(int Index)
{
    ColourSample* box = CmdColor.at(static_cast<size_t>(Index));
    if (!services().dialogs)
        return;
    const auto chosen = services().dialogs->chooseColour(box->shownColour(), this);
    if (!chosen)
        return; // cancelled: the box and Changed stay as they were
    box->setBackColor(common::fromQColor(*chosen));
    setChanged(true);
}

void ProPage_AXGrph_P2::load(ControlAccess& control)
{
    std::array<common::ColourValue, 5> values{};
    for (size_t i = 0; i < 5; ++i)
        values[i] = static_cast<common::ColourValue>(control.get(propertyNames()[i]).toDouble());
    for (size_t i = 0; i < 5; ++i)
        CmdColor[i]->setBackColor(values[i]);
}

void ProPage_AXGrph_P2::apply(ControlAccess& control)
{
    for (size_t i = 0; i < 5; ++i)
        control.let(propertyNames()[i], static_cast<double>(CmdColor[i]->BackColor()));
}

} // namespace vexachart
