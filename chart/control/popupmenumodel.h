#pragma once
// The chart's context menu as data: its items in order, the switch that shows each group, the
// separators that the switches call for, and which mouse button opens the menu over which area.
#include <QString>
#include <array>

namespace vexachart {

enum class PopupItem {
    ShowCursor,
    ShowPlotName,
    Separator0,
    ShowLegend,
    Separator1,
    ZoomFitted,
    ZoomReset,
    ZoomOut,
    ZoomIn,
    Separator2,
    PrintGraph,
    SavePicture,
    CopyPicToClipBoard,
    Separator3,
    SaveData,
    CopyDataToClipBoard,
};

enum class PopupGroup { Cursor, Legend, Zoom, Save, Separator };

struct PopupItemInfo {
    PopupItem item;
    const char* name;    // object name of the action
    const char* caption; // empty for separators
    PopupGroup group;
};

inline constexpr std::array<PopupItemInfo, 16> PopupMenuItems{{
    {PopupItem::ShowCursor, "mnuShowCursor", "Show Cursor", PopupGroup::Cursor},
    {PopupItem::ShowPlotName, "mnuShowPlotName", "Show PlotName", PopupGroup::Cursor},
    {PopupItem::Separator0, "mnuSeparator0", "", PopupGroup::Separator},
    {PopupItem::ShowLegend, "mnuShowLegend", "Show Legend", PopupGroup::Legend},
    {PopupItem::Separator1, "mnuSeparator1", "", PopupGroup::Separator},
    {PopupItem::ZoomFitted, "mnuZoomFitted", "Zoom Fitted", PopupGroup::Zoom},
    {PopupItem::ZoomReset, "mnuZoomReset", "Zoom Reset", PopupGroup::Zoom},
    {PopupItem::ZoomOut, "mnuZoomOut", "Zoom Out", PopupGroup::Zoom},
    {PopupItem::ZoomIn, "mnuZoomIn", "Zoom In", PopupGroup::Zoom},
    {PopupItem::Separator2, "mnuSeparator2", "", PopupGroup::Separator},
    {PopupItem::PrintGraph, "mnuPrintGraph", "Print Picture", PopupGroup::Save},
    {PopupItem::SavePicture, "mnuSavePicture", "Save Picture to File", PopupGroup::Save},
    {PopupItem::CopyPicToClipBoard, "mnucCopyPicToClipBoard", "Copy Pic to Clipboard", PopupGroup::Save},
    {PopupItem::Separator3, "mnuSeparator3", "", PopupGroup::Separator},
    {PopupItem::SaveData, "mnuSaveData", "Save Data to File", PopupGroup::Save},
    {PopupItem::CopyDataToClipBoard, "mnucCopyDataToClipBoard", "Copy Data to Clipboard", PopupGroup::Save},
}};

// The four EnableMenuOption switches.
struct MenuSwitches {
    bool zoom = true;
    bool save = true;
    bool cursor = true;
    bool legend = true;

    bool any() const { return zoom || save || cursor || legend; }
};

// Whether an item is shown: its group's switch, or for a separator the rule that keeps
// separators only between groups that are shown.
bool popupItemVisible(PopupItem item, const MenuSwitches& switches);

// The areas of the chart that react to a mouse press.
enum class MenuArea { Frame, Legend, PlotArea };

// The frame and the legend open the menu on the right button only, the plot area on every
// button but the left; nothing opens while all four switches are off.
bool popupMenuOpens(MenuArea area, Qt::MouseButton button, const MenuSwitches& switches);

// A plain left click on the plot area advances the cursor cycle directly only with the cursor
// items on and zooming off (with zooming on, the click reaches the cursor through the zoom).
inline bool plotClickAdvancesCursor(const MenuSwitches& s) { return s.cursor && !s.zoom; }

} // namespace vexachart
