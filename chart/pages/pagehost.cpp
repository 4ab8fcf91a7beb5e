#include "chart/pages/pagehost.h"
#include "chart/pages/axespage.h"
#include "chart/pages/colourspage.h"
#include "chart/pages/fontspage.h"
#include "chart/pages/optionspage.h"
#include "chart/pages/pagedialogs.h"
#include "chart/pages/plotspage.h"
#include "chart/pages/titlespage.h"
#include "common/widgets/qtmessageboxes.h"
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vexachart {

PropertyPageHost::PropertyPageHost(SelectedControls controls, PageServices services, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PropertyPageHost"));
    setWindowTitle(QStringLiteral("Vexachart Properties"));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_pages = {new ProPage_AXGrph_P1(services), new ProPage_AXGrph_P6(services), new ProPage_AXGrph_P3(services),
        new ProPage_AXGrph_P2(services), new ProPage_AXGrph_P4(services), new ProPage_AxGrph_P5(services)};
    for (PropertyPage* p : m_pages) {
        m_tabs->addTab(p, p->caption());
        connect(p, &PropertyPage::changedChanged, this, [this] { updateApply(); });
    }
    layout->addWidget(m_tabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    m_apply = buttons->button(QDialogButtonBox::Apply);
    layout->addWidget(buttons);
    connect(m_apply, &QPushButton::clicked, this, [this] { applyChanges(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (applyChanges())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setSelectedControls(std::move(controls));
    updateApply();
}

PropertyPage* PropertyPageHost::page(const QString& objectName) const
{
    for (PropertyPage* p : m_pages)
        if (p->objectName() == objectName)
            return p;
    return nullptr;
}

void PropertyPageHost::setSelectedControls(SelectedControls controls)
{
    for (PropertyPage* p : m_pages)
        p->setSelectedControls(controls);
}

bool PropertyPageHost::applyChanges()
{
    bool ok = true;
    for (PropertyPage* p : m_pages) {
        if (!p->Changed())
            continue;
        if (p->PropertyPage_ApplyChanges())
            p->setChanged(false);
        else
            ok = false;
    }
    updateApply();
    return ok;
}

void PropertyPageHost::updateApply()
{
    bool any = false;
    for (PropertyPage* p : m_pages)
        any = any || p->Changed();
    m_apply->setEnabled(any);
}

int showPropertyPages(Vexachart& chart, QWidget* parent)
{
    common::QtMessageBoxes messages(parent);
    QtPageDialogs dialogs;
    PropertyPageHost host({std::make_shared<ChartAccess>(chart)}, PageServices{&messages, &dialogs}, parent);
    return host.exec();
}

} // namespace vexachart
