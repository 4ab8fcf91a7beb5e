#include "chart/pages/optionspage.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vexachart {

namespace {

template <class W>
W* named(W* w, const QString& name)
{
    w->setObjectName(name);
    return w;
}

// Checks the button of the given id, or none when no button has it.
void selectInGroup(QButtonGroup* group, int id)
{
    QAbstractButton* button = group->button(id);
    if (button) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

} // namespace

ProPage_AxGrph_P5::ProPage_AxGrph_P5(PageServices services, QWidget* parent)
    : PropertyPage(QStringLiteral("ProPage_AxGrph_P5"), QStringLiteral("Options"), services, parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(makeHeading(QStringLiteral("LabTitel"), QStringLiteral("Options")));

    auto* frame1 = named(new QGroupBox(this), QStringLiteral("Frame1"));
    auto* inner = new QVBoxLayout(frame1);

    auto* menu = named(new QGroupBox(QStringLiteral("Pop-up Menu-Items"), frame1), QStringLiteral("Frame2"));
    auto* menuLayout = new QVBoxLayout(menu);
    ChkZoom = named(new QCheckBox(QStringLiteral("Zoom, Scroll"), menu), QStringLiteral("ChkZoom"));
    ChkSave = named(new QCheckBox(QStringLiteral("Save/Export Data, Picture"), menu), QStringLiteral("ChkSave"));
    ChkCursor = named(new QCheckBox(QStringLiteral("X/Y- and Plot-ID-Cursor"), menu), QStringLiteral("ChkCursor"));
    ChkLegend = named(new QCheckBox(QStringLiteral("Legend Show/Hide"), menu), QStringLiteral("ChkLegend"));
    for (QCheckBox* c : {ChkZoom, ChkSave, ChkCursor, ChkLegend}) {
        menuLayout->addWidget(c);
        connect(c, &QCheckBox::clicked, this, [this] { setChanged(true); });
    }
    inner->addWidget(menu);

    auto* border = named(new QGroupBox(QStringLiteral("Border Style of Control"), frame1), QStringLiteral("FraOptApperance"));
    auto* borderLayout = new QVBoxLayout(border);
    m_borderGroup = new QButtonGroup(this);
    const std::array<QString, 2> borderTexts{QStringLiteral("none"), QStringLiteral("3D-Frame")};
    for (int k = 0; k < 2; ++k) {
        OptApperanceFrame[k] = named(new QRadioButton(borderTexts[k], border), QStringLiteral("OptApperanceFrame_%1").arg(k));
        m_borderGroup->addButton(OptApperanceFrame[k], k);
        borderLayout->addWidget(OptApperanceFrame[k]);
    }
    inner->addWidget(border);

    auto* grid = named(new QGroupBox(QStringLiteral("Gridline Style"), frame1), QStringLiteral("Frame3"));
    auto* gridLayout = new QVBoxLayout(grid);
    m_gridGroup = new QButtonGroup(this);
    const std::array<QString, 3> gridTexts{QStringLiteral("Solid"), QStringLiteral("Dash"), QStringLiteral("none")};
    for (int k = 0; k < 3; ++k) {
        optGridStyle[k] = named(new QRadioButton(gridTexts[k], grid), QStringLiteral("optGridStyle_%1").arg(k));
        m_gridGroup->addButton(optGridStyle[k], k);
        gridLayout->addWidget(optGridStyle[k]);
    }
    inner->addWidget(grid);
    outer->addWidget(frame1);
    outer->addStretch(1);

    connect(m_borderGroup, &QButtonGroup::idClicked, this, [this] { setChanged(true); });
    connect(m_gridGroup, &QButtonGroup::idClicked, this, [this] { setChanged(true); });
}

void ProPage_AxGrph_P5::load(ControlAccess& control)
{
    const bool zoom = control.get(QStringLiteral("EnableMenuOptionZoom")).toBool();
    const bool save = control.get(QStringLiteral("EnableMenuOptionSave")).toBool();
    const bool cursor = control.get(QStringLiteral("EnableMenuOptionCursor")).toBool();
    const bool legend = control.get(QStringLiteral("EnableMenuOptionLegend")).toBool();
    const int borderStyle = control.get(QStringLiteral("BorderStyle")).toInt16();
    const int gridStyle = control.get(QStringLiteral("GridStyle")).toInt16();
    ChkZoom->setChecked(zoom);
    ChkSave->setChecked(save);
    ChkCursor->setChecked(cursor);
    ChkLegend->setChecked(legend);
    selectInGroup(m_borderGroup, borderStyle == 0 ? 0 : 1);
    // A grid style the page does not know selects no option; apply then leaves it alone.
    selectInGroup(m_gridGroup, gridStyle);
}

void ProPage_AxGrph_P5::apply(ControlAccess& control)
{
    control.let(QStringLiteral("EnableMenuOptionZoom"), ChkZoom->isChecked());
    control.let(QStringLiteral("EnableMenuOptionSave"), ChkSave->isChecked());
    control.let(QStringLiteral("EnableMenuOptionLegend"), ChkLegend->isChecked());
    control.let(QStringLiteral("EnableMenuOptionCursor"), ChkCursor->isChecked());
    control.let(QStringLiteral("BorderStyle"), static_cast<qint16>(OptApperanceFrame[0]->isChecked() ? 0 : 1));
    for (qint16 k = 0; k < 3; ++k)
        if (optGridStyle[static_cast<size_t>(k)]->isChecked())
            control.let(QStringLiteral("GridStyle"), k);
}

} // namespace vexachart
