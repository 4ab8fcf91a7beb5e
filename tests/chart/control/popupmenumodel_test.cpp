#include "chart/control/popupmenumodel.h"
#include <gtest/gtest.h>
#include <string>

using namespace vexachart;

namespace {

// The visible items of the menu as a string, one letter per shown item, "-" for a separator.
std::string shownItems(const MenuSwitches& s)
{
    std::string out;
    for (const auto& info : PopupMenuItems) {
        if (!popupItemVisible(info.item, s))
            continue;
        switch (info.group) {
        case PopupGroup::Cursor: out += 'C'; break;
        case PopupGroup::Legend: out += 'L'; break;
        case PopupGroup::Zoom: out += 'Z'; break;
        case PopupGroup::Save: out += 'S'; break;
        case PopupGroup::Separator: out += '-'; break;
        }
    }
    return out;
}

} // namespace

TEST(PopupMenuModel, ItemsFollowTheFourSwitches)
{
    struct Case {
        MenuSwitches s; // zoom, save, cursor, legend
        const char* shown;
    };
    const Case cases[] = {
        {{true, true, true, true}, "CC-L-ZZZZ-SSS-SS"},
        {{false, false, false, false}, ""},
        {{false, true, false, false}, "SSS-SS"},
        {{true, false, false, false}, "ZZZZ"},
        {{false, false, true, true}, "CC-L"},
        {{true, false, true, false}, "CC-ZZZZ"},
        {{false, true, false, true}, "L-SSS-SS"},
        {{true, true, false, false}, "ZZZZ-SSS-SS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(shownItems(c.s), c.shown);
    }
}

TEST(PopupMenuModel, NamesAndCaptionsInMenuOrder)
{
    EXPECT_STREQ(PopupMenuItems[0].name, "mnuShowCursor");
    EXPECT_STREQ(PopupMenuItems[8].caption, "Zoom In");
    EXPECT_STREQ(PopupMenuItems[12].name, "mnucCopyPicToClipBoard");
    EXPECT_STREQ(PopupMenuItems[15].caption, "Copy Data to Clipboard");
    for (std::size_t i = 0; i < PopupMenuItems.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(PopupMenuItems[i].item), i);
}

TEST(PopupMenuModel, WhichButtonOpensTheMenuWhere)
{
    const MenuSwitches on;
    const MenuSwitches off{false, false, false, false};
    EXPECT_TRUE(popupMenuOpens(MenuArea::Frame, Qt::RightButton, on));
    EXPECT_TRUE(popupMenuOpens(MenuArea::Legend, Qt::RightButton, on));
    EXPECT_TRUE(popupMenuOpens(MenuArea::PlotArea, Qt::RightButton, on));
    EXPECT_TRUE(popupMenuOpens(MenuArea::PlotArea, Qt::MiddleButton, on));
    EXPECT_FALSE(popupMenuOpens(MenuArea::Frame, Qt::MiddleButton, on));
    EXPECT_FALSE(popupMenuOpens(MenuArea::Legend, Qt::MiddleButton, on));
    EXPECT_FALSE(popupMenuOpens(MenuArea::PlotArea, Qt::LeftButton, on));
    for (auto area : {MenuArea::Frame, MenuArea::Legend, MenuArea::PlotArea})
        EXPECT_FALSE(popupMenuOpens(area, Qt::RightButton, off));
    EXPECT_TRUE(popupMenuOpens(MenuArea::Frame, Qt::RightButton, {false, false, false, true}));
}

TEST(PopupMenuModel, PlainClickAdvancesTheCursorOnlyWithZoomOff)
{
    EXPECT_TRUE(plotClickAdvancesCursor({false, true, true, true}));
    EXPECT_FALSE(plotClickAdvancesCursor({true, true, true, true}));
    EXPECT_FALSE(plotClickAdvancesCursor({false, true, false, true}));
}
