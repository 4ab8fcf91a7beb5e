#include "chart/control/chart.h"
#include "chartfixture.h"
#include <gtest/gtest.h>
#include <functional>

using namespace vexachart;

namespace {

std::unique_ptr<Vexachart> chartIn(CursorMode mode)
{
    auto c = vexachart::testing::makeChart();
    if (mode == CursorMode::PlotName)
        c->SetCursor(2);
    else if (mode == CursorMode::Values)
        c->SetCursor(1);
    return c;
}

const char* nameOf(CursorMode m)
{
    return m == CursorMode::Off ? "Off" : m == CursorMode::PlotName ? "PlotName" : "Values";
}

} // namespace

TEST(CursorMode, TransitionsOfSelectCursorAndSetCursor)
{
    using Call = std::function<void(Vexachart&)>;
    const Call selectNone = [](Vexachart& m) { m.SelectCursor(); };
    auto select = [](int t) { return Call([t](Vexachart& m) { m.SelectCursor(t); }); };
    auto set = [](int t) { return Call([t](Vexachart& m) { m.SetCursor(qint16(t)); }); };
    struct Row {
        CursorMode from;
        const char* call;
        Call run;
        CursorMode to;
    };
    using M = CursorMode;
    const Row rows[] = {
        {M::Off, "SelectCursor()", selectNone, M::PlotName},
        {M::PlotName, "SelectCursor()", selectNone, M::Values},
        {M::Values, "SelectCursor()", selectNone, M::Off},
        {M::Off, "SelectCursor 0", select(0), M::PlotName},
        {M::PlotName, "SelectCursor 0", select(0), M::Off},
        {M::Values, "SelectCursor 0", select(0), M::PlotName},
        {M::Off, "SelectCursor 1", select(1), M::Values},
        {M::PlotName, "SelectCursor 1", select(1), M::Values},
        {M::Values, "SelectCursor 1", select(1), M::Off},
        {M::Off, "SelectCursor 2", select(2), M::Off},
        {M::PlotName, "SelectCursor 2", select(2), M::PlotName},
        {M::Values, "SelectCursor 2", select(2), M::Values},
        {M::Off, "SetCursor 0", set(0), M::Off},
        {M::PlotName, "SetCursor 0", set(0), M::Off},
        {M::Values, "SetCursor 0", set(0), M::Off},
        {M::Off, "SetCursor 1", set(1), M::Values},
        {M::PlotName, "SetCursor 1", set(1), M::Values},
        {M::Values, "SetCursor 1", set(1), M::Values},
        {M::Off, "SetCursor 2", set(2), M::PlotName},
        {M::Values, "SetCursor 2", set(2), M::PlotName},
        {M::PlotName, "SetCursor 2", set(2), M::PlotName},
        {M::PlotName, "SetCursor 5", set(5), M::PlotName},
        {M::Values, "SetCursor -1", set(-1), M::Values},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(nameOf(r.from)) + " + " + r.call);
        auto m = chartIn(r.from);
        ASSERT_EQ(m->cursorMode(), r.from);
        r.run(*m);
        EXPECT_EQ(m->cursorMode(), r.to) << nameOf(m->cursorMode());
    }
}

TEST(CursorMode, ReadoutKindFollowsTheModeAndChangesAreSignalled)
{
    auto c = vexachart::testing::makeChart();
    QSignalSpy changed(c.get(), &Vexachart::cursorModeChanged);
    c->SelectCursor(0);
    EXPECT_FALSE(c->CursorOn());
    c->SelectCursor(1);
    EXPECT_TRUE(c->CursorOn());
    c->SelectCursor(2);
    EXPECT_EQ(changed.count(), 2);
}
