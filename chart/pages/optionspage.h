#pragma once
// The "Options" page: which item groups the pop-up menu offers, the border style and the grid style.
#include "chart/pages/propertypage.h"
#include <array>

class QButtonGroup;
class QCheckBox;
class QRadioButton;

namespace vexachart {

class ProPage_AxGrph_P5 : public PropertyPage {
    Q_OBJECT
public:
    explicit ProPage_AxGrph_P5(PageServices services, QWidget* parent = nullptr);

    QCheckBox* ChkZoom = nullptr;
    QCheckBox* ChkSave = nullptr;
    QCheckBox* ChkCursor = nullptr;
    QCheckBox* ChkLegend = nullptr;
    std::array<QRadioButton*, 2> OptApperanceFrame{};
    std::array<QRadioButton*, 3> optGridStyle{};

protected:
    void load(ControlAccess& control) override;
    void apply(ControlAccess& control) override;

private:
    QButtonGroup* m_borderGroup = nullptr;
    QButtonGroup* m_gridGroup = nullptr;
};

} // namespace vexachart
