#include "chart/control/cursormode.h"
#include <gtest/gtest.h>
#include <functional>

using namespace vexachart;

namespace {

CursorModeMachine machineIn(CursorMode mode)
{
    CursorModeMachine m;
    if (mode == CursorMode::PlotName)
        m.setCursor(2);
    else if (mode == CursorMode::Values)
        m.setCursor(1);
    return m;
}

const char* nameOf(CursorMode m)
{
    return m == CursorMode::Off ? "Off" : m == CursorMode::PlotName ? "PlotName" : "Values";
}

} // namespace

TEST(CursorMode, TransitionsOfSelectCursorAndSetCursor)
{
    using Call = std::function<void(CursorModeMachine&)>;
    const Call selectNone = [](CursorModeMachine& m) { m.selectCursor(); };
    auto select = [](int t) { return Call([t](CursorModeMachine& m) { m.selectCursor(t); }); };
    auto set = [](int t) { return Call([t](CursorModeMachine& m) { m.setCursor(t); }); };
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
        CursorModeMachine m = machineIn(r.from);
        ASSERT_EQ(m.mode(), r.from);
        r.run(m);
        EXPECT_EQ(m.mode(), r.to) << nameOf(m.mode());
    }
}

TEST(CursorMode, CheckMarksTimerAndReadoutKindFollowTheMode)
{
    CursorModeMachine m;
    EXPECT_FALSE(m.showCursorChecked() || m.showPlotNameChecked() || m.timerRunning());
    m.selectCursor(0);
    EXPECT_TRUE(m.showPlotNameChecked());
    EXPECT_FALSE(m.showCursorChecked());
    EXPECT_TRUE(m.timerRunning());
    EXPECT_FALSE(m.cursorOn());
    m.selectCursor(1);
    EXPECT_TRUE(m.showCursorChecked());
    EXPECT_FALSE(m.showPlotNameChecked());
    EXPECT_TRUE(m.timerRunning());
    EXPECT_TRUE(m.cursorOn());
}
