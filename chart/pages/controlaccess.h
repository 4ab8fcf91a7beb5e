#pragma once
// How the property pages reach a selected chart control: its members by name, bound at run time
// through the chart's member table, exactly as a container would address them.
#include "chart/control/membertable.h"
#include "chart/control/variant.h"
#include <QString>
#include <memory>
#include <vector>

namespace vexachart {

class Vexachart;

class ControlAccess {
public:
    virtual ~ControlAccess() = default;

    // Runs a member by name. Unknown names and accessors a member lacks raise error 438;
    // a value the control refuses arrives as the control's own error.
    virtual Variant invokeByName(const QString& name, InvokeKind kind, std::vector<Variant>& args) = 0;

    Variant get(const QString& name, std::vector<Variant> args = {});
    void let(const QString& name, const Variant& value, std::vector<Variant> args = {});
    // Object assignment (fonts).
    void set(const QString& name, const Variant& value);
    Variant call(const QString& name, std::vector<Variant> args = {});
};

using SelectedControls = std::vector<std::shared_ptr<ControlAccess>>;

// Access to one chart object through its dispatcher.
class ChartAccess : public ControlAccess {
public:
    explicit ChartAccess(Vexachart& chart) : m_chart(chart) {}
    Variant invokeByName(const QString& name, InvokeKind kind, std::vector<Variant>& args) override;
    Vexachart& chart() const { return m_chart; }

private:
    Vexachart& m_chart;
};

} // namespace vexachart
