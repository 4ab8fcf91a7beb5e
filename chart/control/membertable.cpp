#include "chart/control/membertable.h"

namespace vexachart {

namespace {

using P = ParamInfo;
using T = ParamType;
constexpr P in(const char* n, T t) { return P{n, t, false, false}; }
constexpr P opt(const char* n, T t) { return P{n, t, true, false}; }
constexpr P ref(const char* n, T t) { return P{n, t, false, true}; }
constexpr P optRef(const char* n, T t) { return P{n, t, true, true}; }

constexpr MemberInfo method(const char* name, qint32 id, int flags, std::initializer_list<P> ps, T result = T::Variant)
{
    MemberInfo m{name, id, MemberKind::Method, 0, flags, 0, {}, result};
    for (const P& p : ps)
        m.params[static_cast<size_t>(m.paramCount++)] = p;
    return m;
}

constexpr MemberInfo property(const char* name, qint32 id, T type, int accessors, int flags = 0,
    std::initializer_list<P> ps = {})
{
    MemberInfo m{name, id, MemberKind::Property, accessors, flags, 0, {}, type};
    for (const P& p : ps)
        m.params[static_cast<size_t>(m.paramCount++)] = p;
    return m;
}

constexpr int GL = access::Get | access::Let;
constexpr int GS = access::Get | access::Set;
constexpr int H = memberflag::Hidden;
constexpr int NB = memberflag::NonBrowsable;

const MemberInfo Members[] = {
    {"pInit", 0x4003002E, MemberKind::Variable, GL, H, 0, {}, T::Boolean},
    method("SetDisplayBorders", 0x60030044, 0,
        {in("X_Left", T::Variant), in("X_Right", T::Variant), in("Y_Bottom", T::Variant), in("Y_Top", T::Variant)}),
    method("AddNewDataPoint", 0x60030046, 0, {in("PlotNum", T::Integer), in("NewX", T::Variant), in("NewY", T::Variant)}),
    method("GetData", 0x60030049, 0, {ref("PlotNum", T::Variant)}),
    method("PlotNewDataPoint", 0x6003004A, 0,
        {in("PlotNumber", T::Integer), in("NewX", T::Variant), in("NewY", T::Variant)}),
    method("InsertSingleDataArray", 0x6003004C, 0,
        {in("PlotNum", T::Integer), in("newDataArray", T::Variant), opt("xStep", T::Single),
            opt("xPlotDescription", T::String)}),
    method("AddNewDataArray", 0x6003004D, 0, {in("newDataArray", T::Variant), opt("xStep", T::Single)}),
    method("SetGlobalBorders", 0x6003004E, 0,
        {in("X_Left", T::Variant), in("X_Right", T::Variant), in("Y_Bottom", T::Variant), in("Y_Top", T::Variant),
            opt("XAxis_ScaleMode", T::Integer), opt("YAxis_ScaleMode", T::Integer)}),
    method("CreateTestData", 0x6003004F, 0, {}),
    method("SaveData", 0x60030053, 0, {optRef("XFileName", T::String)}),
    method("SavePic", 0x60030054, 0, {optRef("XFileName", T::String)}),
    method("ClearSinglePlotDataArray", 0x60030055, 0, {in("PlotNum", T::Integer)}),
    method("DrawPlotsFitted", 0x60030056, 0, {}),
    method("SetPlotVisible", 0x60030057, 0, {in("PlotNumber", T::Integer), ref("TrueOrFalse", T::Boolean)}),
    method("ClearAllPlotData", 0x60030058, 0, {}),
    method("SetGlobalBordersToDataRange", 0x60030061, 0, {}),
    method("CopyDataToClipboard", 0x60030062, 0, {}),
    method("CopyPicToClipboard", 0x60030063, 0, {}),
    method("SetPlotLegendText", 0x60030064, 0, {in("PlotNumber", T::Integer), ref("Legendtext", T::String)}),
    method("SetPlotColor", 0x60030065, 0,
        {in("PlotNumber", T::Integer), ref("R", T::Byte), ref("G", T::Byte), ref("B", T::Byte)}),
    method("SetPlotAspects", 0x60030066, 0,
        {in("PlotNumber", T::Integer), opt("PlotLegendText", T::Variant), opt("R", T::Variant), opt("G", T::Variant),
            opt("B", T::Variant), opt("LineWidth", T::Variant), opt("MarkerStyle", T::Variant),
            opt("MarkerSize", T::Variant), opt("Visible", T::Variant)}),
    method("Refresh", 0x60030067, 0, {}),
    method("GetDisplayBorders", 0x60030069, 0,
        {ref("X_Left", T::Variant), ref("X_Right", T::Variant), ref("Y_Bottom", T::Variant), ref("Y_Top", T::Variant)}),
    method("GetGlobalBorders", 0x6003006A, 0,
        {ref("X_Left", T::Variant), ref("X_Right", T::Variant), ref("Y_Bottom", T::Variant), ref("Y_Top", T::Variant)}),
    method("SelectCursor", 0x6003006C, H, {optRef("CursorType", T::Variant)}),
    method("PrintChart", 0x6003006D, 0, {}),
    method("SetCursor", 0x60030074, 0, {in("xCursor", T::Integer)}),
    property("TimeFormat6", 0x68030000, T::String, GL, NB),
    property("TimeFormat5", 0x68030001, T::String, GL, NB),
    property("TimeFormat4", 0x68030002, T::String, GL, NB),
    property("TimeFormat3", 0x68030003, T::String, GL, NB),
    property("TimeFormat2", 0x68030004, T::String, GL, NB),
    property("TimeFormat1", 0x68030005, T::String, GL, NB),
    property("TimeFormatCursor", 0x68030006, T::String, GL, NB),
    property("Enabled", 0x68030007, T::Boolean, GL),
    property("YScalingNotation", 0x68030009, T::Integer, GL),
    property("XMaxGlobal", 0x6803000A, T::Variant, access::Get, H),
    property("YMinGlobal", 0x6803000B, T::Variant, access::Get, H),
    property("YMaxGlobal", 0x6803000C, T::Variant, access::Get, H),
    property("XMinGlobal", 0x6803000D, T::Variant, access::Get, H),
    property("XScalingNotation", 0x6803000E, T::Integer, GL),
    property("ClrScales", 0x6803000F, T::Colour, GL),
    property("GridStyle", 0x68030010, T::Integer, GL),
    property("BorderStyle", 0x68030011, T::Integer, GL),
    property("EnableMenuOptionLegend", 0x68030012, T::Boolean, GL),
    property("EnableMenuOptionCursor", 0x68030013, T::Boolean, GL),
    property("EnableMenuOptionSave", 0x68030014, T::Boolean, GL),
    property("EnableMenuOptionZoom", 0x68030015, T::Boolean, GL),
    property("FontLegend", 0x68030016, T::Font, GS),
    property("ShowLegend", 0x68030017, T::Boolean, GL),
    property("MaxCountOfPlots", 0x68030018, T::Integer, GL, NB),
    property("PlotAspect", 0x68030019, T::String, GL, H, {in("PlotNumber", T::Integer)}),
    property("XAxisLinLogMode", 0x6803001A, T::Integer, GL),
    property("YAxisLinLogMode", 0x6803001B, T::Integer, GL),
    property("ClrGrid", 0x6803001C, T::Colour, GL),
    property("YAxisLabel", 0x6803001D, T::String, GL),
    property("XAxisLabel", 0x6803001E, T::String, GL),
    property("ClrControlBackGround", 0x6803001F, T::Colour, GL),
    property("Title", 0x68030020, T::String, GL),
    property("ClrChartBackGround", 0x68030021, T::Colour, GL),
    property("ClrLabels", 0x68030022, T::Colour, GL),
    property("FontLabels", 0x68030023, T::Font, GS),
    property("FontPlot", 0x68030024, T::Font, GS),
    property("FontTitle", 0x68030025, T::Font, GS),
    {"DisplayRangeChanged", dispid::DisplayRangeChanged, MemberKind::Event, 0, 0, 4,
        {ref("X_Left", T::Variant), ref("X_Right", T::Variant), ref("Y_Bottom", T::Variant), ref("Y_Top", T::Variant)},
        T::Variant},
    {"CursorXY", dispid::CursorXY, MemberKind::Event, 0, 0, 2, {ref("X", T::Variant), ref("Y", T::Variant)}, T::Variant},
};

} // namespace

std::span<const MemberInfo> memberTable() { return Members; }

const MemberInfo* memberById(qint32 id)
{
    for (const MemberInfo& m : Members)
        if (m.dispid == id)
            return &m;
    return nullptr;
}

std::optional<qint32> idOfName(const QString& name)
{
    for (const MemberInfo& m : Members)
        if (name.compare(QLatin1String(m.name), Qt::CaseInsensitive) == 0)
            return m.dispid;
    return std::nullopt;
}

} // namespace vexachart
