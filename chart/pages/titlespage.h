#pragma once
// The "General" page: the chart's title and the two axis label texts.
#include "chart/pages/propertypage.h"

class QLineEdit;

namespace vexachart {

class ProPage_AXGrph_P1 : public PropertyPage {
    Q_OBJECT
public:
    explicit ProPage_AXGrph_P1(PageServices services, QWidget* parent = nullptr);

    QLineEdit* TxtTitle = nullptr;
    QLineEdit* TxtXAxis = nullptr;
    QLineEdit* TxtYAxis = nullptr;

    void TxtTitle_Change() { setChanged(true); }
    void TxtXAxis_Change() { setChanged(true); }
    void TxtYAxis_Change() { setChanged(true); }

protected:
    void load(ControlAccess& control) override;
    void apply(ControlAccess& control) override;
};

} // namespace vexachart
