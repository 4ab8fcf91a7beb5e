#pragma once
// Vexachart for containers: include this one header.
//
//   auto* w = new vexachart::VexachartWidget(parent);   // the placed control
//   vexachart::Vexachart& chart = w->chart();           // its automation members
//   chart.ReadProperties(vexachart::PropertyBag::fromText(storedText));
//   chart.InsertSingleDataArray(1, vexachart::Variant::array1(values), 1.0f, "Curve");
//   QImage picture = chart.renderImage(QSize(800, 500)); // a picture for a report
//   vexachart::showPropertyPages(chart, parent);          // its property pages in a dialog
//
// Errors are thrown as common::Error (number, source, description).
#include "chart/control/chart.h"
#include "chart/control/dispatch.h"
#include "chart/control/membertable.h"
#include "chart/control/propertybag.h"
#include "chart/control/widget.h"
#include "chart/pages/propertypages.h"
