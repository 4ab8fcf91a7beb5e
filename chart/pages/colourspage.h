#pragma once
// The "Colors" page: the chart's five colours, each edited with the colour dialog.
#include "chart/pages/propertypage.h"
#include <array>

namespace vexachart {

class ColourSample;

class ProPage_AXGrph_P2 : public PropertyPage {
    Q_OBJECT
public:
    explicit ProPage_AXGrph_P2(PageServices services, QWidget* parent = nullptr);

    // Index to property: 0 control background, 1 chart background, 2 grid, 3 labels, 4 scales.
    static const std::array<QString, 5>& propertyNames();

    std::array<ColourSample*, 5> CmdColor{};

    void CmdColor_Click(int Index);

protected:
    void load(ControlAccess& control) override;
    void apply(ControlAccess& control) override;
};

} // namespace vexachart
