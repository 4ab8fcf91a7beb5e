#include "chart/control/dispatch.h"
#include "chart/control/membertable.h"
#include "chart/control/propertybag.h"
#include "chartfixture.h"
#include <set>

using namespace vexachart;
using namespace vexachart::testing;

TEST(MemberTable, EveryMemberHasItsFixedIdentifier)
{
    const std::vector<std::pair<const char*, qint32>> expected = {
        {"pInit", 0x4003002E}, {"SetDisplayBorders", 0x60030044}, {"AddNewDataPoint", 0x60030046},
        {"GetData", 0x60030049}, {"PlotNewDataPoint", 0x6003004A}, {"InsertSingleDataArray", 0x6003004C},
        {"AddNewDataArray", 0x6003004D}, {"SetGlobalBorders", 0x6003004E}, {"CreateTestData", 0x6003004F},
        {"SaveData", 0x60030053}, {"SavePic", 0x60030054}, {"ClearSinglePlotDataArray", 0x60030055},
        {"DrawPlotsFitted", 0x60030056}, {"SetPlotVisible", 0x60030057}, {"ClearAllPlotData", 0x60030058},
        {"SetGlobalBordersToDataRange", 0x60030061}, {"CopyDataToClipboard", 0x60030062},
        {"CopyPicToClipboard", 0x60030063}, {"SetPlotLegendText", 0x60030064}, {"SetPlotColor", 0x60030065},
        {"SetPlotAspects", 0x60030066}, {"Refresh", 0x60030067}, {"GetDisplayBorders", 0x60030069},
        {"GetGlobalBorders", 0x6003006A}, {"SelectCursor", 0x6003006C}, {"PrintChart", 0x6003006D},
        {"SetCursor", 0x60030074}, {"TimeFormat6", 0x68030000}, {"TimeFormat5", 0x68030001},
        {"TimeFormat4", 0x68030002}, {"TimeFormat3", 0x68030003}, {"TimeFormat2", 0x68030004},
        {"TimeFormat1", 0x68030005}, {"TimeFormatCursor", 0x68030006}, {"Enabled", 0x68030007},
        {"YScalingNotation", 0x68030009}, {"XMaxGlobal", 0x6803000A}, {"YMinGlobal", 0x6803000B},
        {"YMaxGlobal", 0x6803000C}, {"XMinGlobal", 0x6803000D}, {"XScalingNotation", 0x6803000E},
        {"ClrScales", 0x6803000F}, {"GridStyle", 0x68030010}, {"BorderStyle", 0x68030011},
        {"EnableMenuOptionLegend", 0x68030012}, {"EnableMenuOptionCursor", 0x68030013},
        {"EnableMenuOptionSave", 0x68030014}, {"EnableMenuOptionZoom", 0x68030015}, {"FontLegend", 0x68030016},
        {"ShowLegend", 0x68030017}, {"MaxCountOfPlots", 0x68030018}, {"PlotAspect", 0x68030019},
        {"XAxisLinLogMode", 0x6803001A}, {"YAxisLinLogMode", 0x6803001B}, {"ClrGrid", 0x6803001C},
        {"YAxisLabel", 0x6803001D}, {"XAxisLabel", 0x6803001E}, {"ClrControlBackGround", 0x6803001F},
        {"Title", 0x68030020}, {"ClrChartBackGround", 0x68030021}, {"ClrLabels", 0x68030022},
        {"FontLabels", 0x68030023}, {"FontPlot", 0x68030024}, {"FontTitle", 0x68030025},
        {"DisplayRangeChanged", 1}, {"CursorXY", 2},
    };
    EXPECT_EQ(memberTable().size(), expected.size());
    for (const auto& [name, id] : expected) {
        EXPECT_EQ(idOfName(QString::fromLatin1(name)), id) << name;
        EXPECT_EQ(idOfName(QString::fromLatin1(name).toUpper()), id) << name;
    }
    std::set<qint32> ids;
    for (const MemberInfo& m : memberTable())
        EXPECT_TRUE(ids.insert(m.dispid).second) << m.name;
    EXPECT_FALSE(idOfName(QStringLiteral("NoSuchMember")));
}

TEST(MemberTable, InvokingAnIdentifierReachesItsMember)
{
    auto c = makeChart();
    std::vector<Variant> args{0.0, 10.0, 0.0, 5.0, qint16(0), qint16(0)};
    invoke(*c, *idOfName(QStringLiteral("SetGlobalBorders")), InvokeKind::Method, args);
    EXPECT_EQ(c->globalBorders(), (Borders{0, 10, 0, 5}));
    std::vector<Variant> out(4);
    invoke(*c, *idOfName(QStringLiteral("GetGlobalBorders")), InvokeKind::Method, out);
    EXPECT_EQ(out[1].toDouble(), 10.0);
    EXPECT_EQ(out[3].toDouble(), 5.0);
    // Let then get of properties, one of each kind.
    struct Put {
        const char* name;
        Variant value;
    };
    const Put puts[] = {{"Title", Variant("T")}, {"GridStyle", Variant(qint16(2))}, {"ShowLegend", Variant(false)},
        {"ClrGrid", Variant(255.0)}, {"MaxCountOfPlots", Variant(qint16(6))}, {"TimeFormat2", Variant("YY")},
        {"XScalingNotation", Variant(qint16(1))}, {"pInit", Variant(false)}};
    for (const Put& p : puts) {
        const qint32 id = *idOfName(QString::fromLatin1(p.name));
        std::vector<Variant> let{p.value};
        invoke(*c, id, InvokeKind::Let, let);
        std::vector<Variant> none;
        EXPECT_TRUE(sameValue(invoke(*c, id, InvokeKind::Get, none), p.value)) << p.name;
    }
    std::vector<Variant> aspect{qint16(2), Variant(QStringLiteral("B") + QChar(0xA6) + "1" + QChar(0xA6) + "2")};
    invoke(*c, *idOfName(QStringLiteral("PlotAspect")), InvokeKind::Let, aspect);
    EXPECT_EQ(c->plotStyle(2).GColor, 2);
}

TEST(MemberTable, WrongAccessorsAndErrorSources)
{
    auto c = makeChart();
    std::vector<Variant> v{1.0};
    const auto e = errorOf([&] { invoke(*c, *idOfName(QStringLiteral("XMinGlobal")), InvokeKind::Let, v); });
    EXPECT_EQ(e.number, 438);
    EXPECT_EQ(errorOf([&] { invoke(*c, 0x12345, InvokeKind::Method, v); }).number, 438);
    std::vector<Variant> color{qint16(9), Variant(1.0), Variant(2.0), Variant(3.0)};
    const auto sc = errorOf([&] { invoke(*c, *idOfName(QStringLiteral("SetPlotColor")), InvokeKind::Method, color); });
    EXPECT_EQ(sc.number, 9);
    EXPECT_EQ(sc.source, QStringLiteral("Vexachart.SetPlotColor"));
    const auto grid = errorOf([&] { c->setClrGrid(0); throw common::Error(6, "x", "y"); });
    EXPECT_EQ(grid.number, 6);
}

TEST(MemberTable, EventsConnectByIdentifier)
{
    auto c = makeChart();
    std::vector<Variant> got;
    connectEvent(*c, dispid::DisplayRangeChanged, [&](std::vector<Variant>& a) {
        got = a;
        a[0] = Variant(-99.0); // a handler's changes have no effect
    });
    c->SetDisplayBorders(1.0, 2.0, 3.0, 4.0);
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].toDouble(), 1.0);
    EXPECT_EQ(got[3].toDouble(), 4.0);
    EXPECT_EQ(c->displayBorders().X_Left, 1.0);
}
