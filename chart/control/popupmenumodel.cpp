#include "chart/control/popupmenumodel.h"

namespace vexachart {

bool popupItemVisible(PopupItem item, const MenuSwitches& s)
{
    switch (item) {
    case PopupItem::Separator0:
        return s.cursor && s.legend;
    case PopupItem::Separator1:
        return s.zoom && (s.cursor || s.legend);
    case PopupItem::Separator2:
        return s.save && (s.zoom || s.cursor || s.legend);
    case PopupItem::Separator3:
        return s.save;
    default:
        break;
    }
    for (const auto& info : PopupMenuItems) {
        if (info.item != item)
            continue;
        switch (info.group) {
        case PopupGroup::Cursor:
            return s.cursor;
        case PopupGroup::Legend:
            return s.legend;
        case PopupGroup::Zoom:
            return s.zoom;
        case PopupGroup::Save:
            return s.save;
        case PopupGroup::Separator:
            break;
        }
    }
    return false;
}

bool popupMenuOpens(MenuArea area, Qt::MouseButton button, const MenuSwitches& switches)
{
    if (!switches.any())
        return false;
    if (area == MenuArea::PlotArea)
        return button != Qt::LeftButton && button != Qt::NoButton;
    return button == Qt::RightButton;
}

} // namespace vexachart
