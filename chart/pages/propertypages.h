#pragma once
// Opening the chart's property pages from a program: one modal dialog with the six pages as tabs
// and OK, Cancel and Apply, editing the given chart through its members by name.
#include "chart/control/vexachart_export.h"

class QWidget;

namespace vexachart {

class Vexachart;

// Opens the property dialog for one chart with the Qt message boxes and dialogs; returns the
// dialog's result (accepted after OK).
VEXACHART_EXPORT int showPropertyPages(Vexachart& chart, QWidget* parent = nullptr);

} // namespace vexachart
