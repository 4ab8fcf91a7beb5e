#include "chart/control/cursormode.h"

namespace vexachart {

void CursorModeMachine::selectCursor(std::optional<int> cursorType)
{
    // Without a type the check marks choose it: nothing checked gives 0, either item checked 1.
    const int type = cursorType.value_or(m_mode == CursorMode::Off ? 0 : 1);
    if (type == 0)
        m_mode = m_mode == CursorMode::PlotName ? CursorMode::Off : CursorMode::PlotName;
    else if (type == 1)
        m_mode = m_mode == CursorMode::Values ? CursorMode::Off : CursorMode::Values;
}

void CursorModeMachine::setCursor(int xCursor)
{
    switch (xCursor) {
    case 0:
        m_mode = CursorMode::Values; // checked, so that toggling it switches the cursor off
        selectCursor(1);
        break;
    case 1:
        m_mode = CursorMode::Off;
        selectCursor(1);
        break;
    case 2:
        m_mode = CursorMode::Off;
        selectCursor(0);
        break;
    default:
        break;
    }
}

} // namespace vexachart
