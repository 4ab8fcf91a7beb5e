#pragma once
// The cursor modes of the chart: off, the plot-name read-out and the x/y value read-out. The menu's
// two check marks, the cursor timer and the read-out kind all follow from the one mode, so that
// impossible combinations (both items checked, a timer without a mode) cannot arise.
#include <optional>

namespace vexachart {

enum class CursorMode { Off, PlotName, Values };

class CursorModeMachine {
public:
    CursorMode mode() const { return m_mode; }

    // "Show Cursor" (x/y values) and "Show PlotName" check marks.
    bool showCursorChecked() const { return m_mode == CursorMode::Values; }
    bool showPlotNameChecked() const { return m_mode == CursorMode::PlotName; }
    // The cursor timer runs exactly while a mode is active.
    bool timerRunning() const { return m_mode != CursorMode::Off; }
    // True selects the value read-out, False the plot-name read-out.
    bool cursorOn() const { return m_mode == CursorMode::Values; }

    // Without a type the cycle advances (off, plot name, values, off); 0 toggles the plot-name
    // read-out, 1 the value read-out; other types do nothing.
    void selectCursor(std::optional<int> cursorType = std::nullopt);
    // 0 off, 1 values, 2 plot name; other values change nothing.
    void setCursor(int xCursor);

private:
    CursorMode m_mode = CursorMode::Off;
};

} // namespace vexachart
