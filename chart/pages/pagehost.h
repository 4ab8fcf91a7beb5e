#pragma once
// The property dialog that hosts the chart's six pages as tabs with OK, Cancel and Apply. It
// holds the selected controls (the pages use the first), enables Apply while a page has
// unapplied edits, and applies the changed pages in tab order.
#include "chart/pages/controlaccess.h"
#include "chart/pages/propertypage.h"
#include "chart/pages/propertypages.h"
#include <QDialog>
#include <vector>

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace vexachart {

class PropertyPageHost : public QDialog {
    Q_OBJECT
public:
    PropertyPageHost(SelectedControls controls, PageServices services, QWidget* parent = nullptr);

    // The pages in the order the chart lists them: General, Chart Range, Fonts, Colors,
    // Plot Aspects, Options.
    const std::vector<PropertyPage*>& pages() const { return m_pages; }
    PropertyPage* page(const QString& objectName) const;
    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* applyButton() const { return m_apply; }

    void setSelectedControls(SelectedControls controls);
    // Applies every changed page; a page whose apply failed keeps its Changed flag.
    bool applyChanges();

private:
    void updateApply();

    QTabWidget* m_tabs = nullptr;
    QPushButton* m_apply = nullptr;
    std::vector<PropertyPage*> m_pages;
};

} // namespace vexachart
