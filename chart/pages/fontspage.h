#pragma once
// The "Fonts" page: the chart's four fonts, each shown on a sample label and edited with the
// font dialog. The samples keep name, size, bold, italic and underline.
#include "chart/pages/propertypage.h"
#include <QFont>
#include <array>

class QLabel;
class QPushButton;

namespace vexachart {

class ProPage_AXGrph_P3 : public PropertyPage {
    Q_OBJECT
public:
    explicit ProPage_AXGrph_P3(PageServices services, QWidget* parent = nullptr);

    // The five attributes a sample keeps, on a fresh font (every other attribute at its default).
    static QFont keptAttributes(const QFont& font);

    // 0 title, 1 x-axis label, 2 y-axis label, 3 scale values, 4 legend.
    std::array<QLabel*, 5> LabFont{};
    std::array<QPushButton*, 5> CmdGetFont{};

    void CmdGetFont_Click(int Index);

protected:
    void load(ControlAccess& control) override;
    void apply(ControlAccess& control) override;
};

} // namespace vexachart
