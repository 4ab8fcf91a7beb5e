#include "chart/control/dispatch.h"
#include "chart/control/membertable.h"
#include "chart/control/propertybag.h"
#include "chartfixture.h"
#include <algorithm>
#include <functional>
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

TEST(MemberTable, EveryPropertyAccessorReachesItsTypedMember)
{
    auto c = makeChart();
    QFont f(QStringLiteral("DejaVu Sans"));
    auto font = [&](int size) {
        f.setPointSize(size);
        return Variant(f);
    };
    struct Row {
        const char* name;
        InvokeKind kind;
        Variant value;
        std::function<bool(const Vexachart&)> holds;
    };
    const Row rows[] = {
        {"TimeFormat6", InvokeKind::Let, "f6", [](auto& v) { return v.TimeFormat(6) == "f6"; }},
        {"TimeFormat5", InvokeKind::Let, "f5", [](auto& v) { return v.TimeFormat(5) == "f5"; }},
        {"TimeFormat4", InvokeKind::Let, "f4", [](auto& v) { return v.TimeFormat(4) == "f4"; }},
        {"TimeFormat3", InvokeKind::Let, "f3", [](auto& v) { return v.TimeFormat(3) == "f3"; }},
        {"TimeFormat2", InvokeKind::Let, "f2", [](auto& v) { return v.TimeFormat(2) == "f2"; }},
        {"TimeFormat1", InvokeKind::Let, "f1", [](auto& v) { return v.TimeFormat(1) == "f1"; }},
        {"TimeFormatCursor", InvokeKind::Let, "fc", [](auto& v) { return v.TimeFormatCursor() == "fc"; }},
        {"Enabled", InvokeKind::Let, false, [](auto& v) { return !v.Enabled(); }},
        {"YScalingNotation", InvokeKind::Let, qint16(1), [](auto& v) { return v.YScalingNotation() == 1; }},
        {"XScalingNotation", InvokeKind::Let, qint16(2), [](auto& v) { return v.XScalingNotation() == 2; }},
        {"ClrScales", InvokeKind::Let, double(0x0F0001), [](auto& v) { return v.ClrScales() == 0x0F0001u; }},
        {"GridStyle", InvokeKind::Let, qint16(1), [](auto& v) { return v.GridStyle() == 1; }},
        {"BorderStyle", InvokeKind::Let, qint16(0), [](auto& v) { return v.BorderStyle() == 0; }},
        {"EnableMenuOptionLegend", InvokeKind::Let, false, [](auto& v) { return !v.EnableMenuOptionLegend(); }},
        {"EnableMenuOptionCursor", InvokeKind::Let, false, [](auto& v) { return !v.EnableMenuOptionCursor(); }},
        {"EnableMenuOptionSave", InvokeKind::Let, false, [](auto& v) { return !v.EnableMenuOptionSave(); }},
        {"EnableMenuOptionZoom", InvokeKind::Let, false, [](auto& v) { return !v.EnableMenuOptionZoom(); }},
        {"FontLegend", InvokeKind::Set, font(11), [](auto& v) { return v.FontLegend().pointSize() == 11; }},
        {"ShowLegend", InvokeKind::Let, false, [](auto& v) { return !v.ShowLegend(); }},
        {"MaxCountOfPlots", InvokeKind::Let, qint16(5), [](auto& v) { return v.MaxCountOfPlots() == 5; }},
        {"YAxisLinLogMode", InvokeKind::Let, qint16(1), [](auto& v) { return v.YAxisLinLogMode() == 1; }},
        {"XAxisLinLogMode", InvokeKind::Let, qint16(0), [](auto& v) { return v.XAxisLinLogMode() == 0; }},
        {"ClrGrid", InvokeKind::Let, double(0x0F0002), [](auto& v) { return v.ClrGrid() == 0x0F0002u; }},
        {"YAxisLabel", InvokeKind::Let, "ly", [](auto& v) { return v.YAxisLabel() == "ly"; }},
        {"XAxisLabel", InvokeKind::Let, "lx", [](auto& v) { return v.XAxisLabel() == "lx"; }},
        {"ClrControlBackGround", InvokeKind::Let, double(0x0F0003), [](auto& v) { return v.ClrControlBackGround() == 0x0F0003u; }},
        {"Title", InvokeKind::Let, "tt", [](auto& v) { return v.Title() == "tt"; }},
        {"ClrChartBackGround", InvokeKind::Let, double(0x0F0004), [](auto& v) { return v.ClrChartBackGround() == 0x0F0004u; }},
        {"ClrLabels", InvokeKind::Let, double(0x0F0005), [](auto& v) { return v.ClrLabels() == 0x0F0005u; }},
        {"FontLabels", InvokeKind::Set, font(12), [](auto& v) { return v.FontLabels().pointSize() == 12; }},
        {"FontPlot", InvokeKind::Set, font(13), [](auto& v) { return v.FontPlot().pointSize() == 13; }},
        {"FontTitle", InvokeKind::Set, font(14), [](auto& v) { return v.FontTitle().pointSize() == 14; }},
        {"pInit", InvokeKind::Let, true, [](auto& v) { return v.pInit(); }},
    };
    for (const Row& r : rows) {
        const qint32 id = *idOfName(QString::fromLatin1(r.name));
        std::vector<Variant> put{r.value};
        invoke(*c, id, r.kind, put);
        EXPECT_TRUE(r.holds(*c)) << r.name;
        std::vector<Variant> none;
        const Variant got = invoke(*c, id, InvokeKind::Get, none);
        if (r.value.type() == Variant::Type::Font)
            EXPECT_EQ(got.toFont().pointSize(), r.value.toFont().pointSize()) << r.name;
        else
            EXPECT_TRUE(sameValue(got, r.value)) << r.name;
    }
    // Every writable property of the table is in the rows above, and each reads back alone.
    for (const MemberInfo& m : memberTable()) {
        if (m.kind == MemberKind::Event || m.kind == MemberKind::Method || m.paramCount > 0)
            continue;
        if (m.accessors & (access::Let | access::Set)) {
            EXPECT_TRUE(std::any_of(std::begin(rows), std::end(rows), [&](const Row& r) { return QLatin1String(r.name) == QLatin1String(m.name); }))
                << m.name;
        }
    }
    // The get-only borders read the typed getters.
    for (const char* name : {"XMinGlobal", "XMaxGlobal", "YMinGlobal", "YMaxGlobal"}) {
        std::vector<Variant> none;
        const Variant got = invoke(*c, *idOfName(QString::fromLatin1(name)), InvokeKind::Get, none);
        const Vexachart::BorderValues b = c->GetGlobalBorders();
        const Variant& typed = name[0] == 'X' ? (name[1] == 'M' && name[2] == 'i' ? b.X_Left : b.X_Right)
                                              : (name[2] == 'i' ? b.Y_Bottom : b.Y_Top);
        EXPECT_TRUE(sameValue(got, typed)) << name;
    }
}

TEST(MemberTable, MethodsReachTheirTypedMembers)
{
    auto c = makeChart();
    auto run = [&](const char* name, std::vector<Variant> args, std::vector<Variant>* written = nullptr) {
        const Variant result = invoke(*c, *idOfName(QString::fromLatin1(name)), InvokeKind::Method, args);
        if (written)
            *written = args;
        return result;
    };
    run("ClearAllPlotData", {});
    EXPECT_EQ(c->plotData(1).count(), 0);
    run("CreateTestData", {});
    EXPECT_EQ(c->plotData(4).count(), 101);
    run("ClearSinglePlotDataArray", {qint16(2)});
    EXPECT_EQ(c->plotData(2).count(), 0);
    EXPECT_EQ(c->plotData(3).count(), 101);
    run("AddNewDataPoint", {qint16(2), 3.0, 4.0});
    run("PlotNewDataPoint", {qint16(2), 5.0, 6.0});
    EXPECT_EQ(c->plotData(2).count(), 2);
    EXPECT_EQ(run("GetData", {qint16(2)}).at(2, 2).toDouble(), 6.0);
    run("InsertSingleDataArray", {qint16(3), Variant::array1({7.0, 8.0, 9.0}), Variant(0.5f), "desc"});
    EXPECT_EQ(c->plotData(3).x(3), 1.5);
    EXPECT_EQ(c->plotStyle(3).Label.trimmed(), QStringLiteral("desc"));
    run("AddNewDataArray", {Variant::array2(2, 3, {1, 2, 3, 4, 5, 6})});
    EXPECT_EQ(c->plotData(2).y(2), 6.0);
    run("SetPlotVisible", {qint16(1), false});
    EXPECT_FALSE(c->plotStyle(1).Visible);
    run("SetPlotLegendText", {qint16(1), "legend"});
    EXPECT_EQ(c->plotStyle(1).Label.trimmed(), QStringLiteral("legend"));
    run("SetPlotColor", {qint16(1), 1.0, 2.0, 3.0});
    EXPECT_EQ(c->plotStyle(1).BColor, 3);
    run("SetPlotAspects", {qint16(1), Variant::missing(), Variant::missing(), Variant::missing(), Variant::missing(), qint16(4)});
    EXPECT_EQ(c->plotStyle(1).LineWidth, 4);
    run("SetDisplayBorders", {1.0, 2.0, 3.0, 4.0});
    EXPECT_EQ(c->displayBorders(), (Borders{1, 2, 3, 4}));
    std::vector<Variant> shown;
    run("GetDisplayBorders", std::vector<Variant>(4), &shown);
    EXPECT_EQ(shown[2].toDouble(), 3.0);
    run("SetGlobalBordersToDataRange", {});
    run("DrawPlotsFitted", {});
    EXPECT_EQ(c->displayBorders(), c->globalBorders());
    const int before = c->redrawCount();
    run("Refresh", {});
    EXPECT_GT(c->redrawCount(), before);
    run("SetCursor", {qint16(1)});
    EXPECT_EQ(c->cursorMode(), CursorMode::Values);
    run("SelectCursor", {qint16(1)});
    EXPECT_EQ(c->cursorMode(), CursorMode::Off);
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
    // A colour accessor raises what it refuses with its own source; the colour stays.
    c->setClrGrid(0x00FF00);
    std::vector<Variant> noColour{Variant(50331648.0)}; // 0x03000000
    const auto grid = errorOf([&] { invoke(*c, *idOfName(QStringLiteral("ClrGrid")), InvokeKind::Let, noColour); });
    EXPECT_EQ(grid.number, 380);
    EXPECT_EQ(grid.source, QStringLiteral("Vexachart.Let Color"));
    EXPECT_EQ(c->ClrGrid(), 0x00FF00u);
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
