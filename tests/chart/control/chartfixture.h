#pragma once
// A chart with fixed text metrics and no painting, and helpers to check raised errors.
#include "chart/control/chart.h"
#include "common/error.h"
#include <gtest/gtest.h>
#include <QSignalSpy>
#include <memory>

namespace vexachart::testing {

inline std::shared_ptr<const TextMetrics> fixedMetrics() { return std::make_shared<FixedTextMetrics>(100.0, 200.0); }

// A chart as a container loads it: four plots, linear axes 0.01..100, drawn at 600 x 400 pixels.
inline std::unique_ptr<Vexachart> makeChart(bool paint = false)
{
    auto c = std::make_unique<Vexachart>(nullptr, fixedMetrics());
    c->setLocale(QLocale::c());
    c->setPainting(paint);
    c->initNew();
    c->resizeTo(QSize(600, 400));
    return c;
}

struct ErrorInfo {
    long number = 0;
    QString source;
    QString description;
};

template <class F>
ErrorInfo errorOf(F&& f)
{
    try {
        f();
    } catch (const common::Error& e) {
        return {e.number(), e.source(), e.description()};
    }
    ADD_FAILURE() << "no error raised";
    return {};
}

} // namespace vexachart::testing
