#include "chart/control/membertable.h"
#include "chart/control/chart.h"
#include "common/checked.h"
#include <type_traits>

namespace vexachart {

namespace {

using P = ParamInfo;
using T = ParamType;
using Args = std::vector<Variant>&;
constexpr P in(const char* n, T t) { return P{n, t, false, false}; }
constexpr P opt(const char* n, T t) { return P{n, t, true, false}; }
constexpr P ref(const char* n, T t) { return P{n, t, false, true}; }
constexpr P optRef(const char* n, T t) { return P{n, t, true, true}; }

// ---- conversions between the interface's values and the typed members

template <class V>
V fromVariant(const Variant& v, const Vexachart& c)
{
    if constexpr (std::is_same_v<V, bool>)
        return v.toBool();
    else if constexpr (std::is_same_v<V, qint16>)
        return v.toInt16();
    else if constexpr (std::is_same_v<V, common::ColourValue>)
        return common::toColour(v.toDouble());
    else if constexpr (std::is_same_v<V, QString>)
        return v.toString(c.locale());
    else if constexpr (std::is_same_v<V, QFont>)
        return v.toFont();
    else
        static_assert(sizeof(V) == 0, "no conversion for this member type");
}

template <class V>
Variant toVariant(const V& value)
{
    if constexpr (std::is_same_v<V, common::ColourValue>)
        return static_cast<double>(value);
    else
        return Variant(value);
}

template <class C, class V>
V valueTypeOf(void (C::*)(V));

// Accessors of a plain property from its typed getter and setter.
template <auto Getter>
Variant getter(Vexachart& c, Args)
{
    return toVariant((c.*Getter)());
}

template <auto Setter>
Variant setter(Vexachart& c, Args a)
{
    using V = std::remove_cvref_t<decltype(valueTypeOf(Setter))>;
    (c.*Setter)(fromVariant<V>(a.back(), c));
    return {};
}

// `TimeFormat1` … `TimeFormat6` share one getter and setter with the level as argument.
template <int Level>
Variant timeFormatGet(Vexachart& c, Args)
{
    return c.TimeFormat(Level);
}

template <int Level>
Variant timeFormatPut(Vexachart& c, Args a)
{
    c.setTimeFormat(Level, a.back().toString(c.locale()));
    return {};
}

// Plot colour components: whole numbers 0..255.
quint8 toByte(const Variant& v)
{
    const qint16 b = v.toInt16();
    if (b < 0 || b > 255)
        common::raise(common::errc::Overflow);
    return static_cast<quint8>(b);
}

// By-reference file name of the output methods: written back into the argument.
template <void (Vexachart::*Output)(QString*)>
Variant withFileName(Vexachart& c, Args a)
{
    QString name = a[0].isMissing() ? QString() : a[0].toString(c.locale());
    (c.*Output)(&name);
    a[0] = Variant(name);
    return {};
}

template <Vexachart::BorderValues (Vexachart::*Read)() const>
Variant bordersOut(Vexachart& c, Args a)
{
    const Vexachart::BorderValues b = (c.*Read)();
    a[0] = b.X_Left;
    a[1] = b.X_Right;
    a[2] = b.Y_Bottom;
    a[3] = b.Y_Top;
    return {};
}

// ---- rows

MemberInfo method(const char* name, qint32 id, int flags, std::initializer_list<P> ps, MemberAccessor call)
{
    MemberInfo m{name, id, MemberKind::Method, 0, flags, 0, {}, T::Variant, call, nullptr, nullptr};
    for (const P& p : ps)
        m.params[static_cast<size_t>(m.paramCount++)] = p;
    return m;
}

MemberInfo property(const char* name, qint32 id, T type, int accessors, int flags, MemberAccessor get,
    MemberAccessor put, std::initializer_list<P> ps = {})
{
    MemberInfo m{name, id, MemberKind::Property, accessors, flags, 0, {}, type, nullptr, get, put};
    for (const P& p : ps)
        m.params[static_cast<size_t>(m.paramCount++)] = p;
    return m;
}

// A property read and written through its typed getter and setter.
template <auto Getter, auto Setter>
MemberInfo property(const char* name, qint32 id, T type, int accessors, int flags = 0)
{
    return property(name, id, type, accessors, flags, &getter<Getter>, &setter<Setter>);
}

template <int Level>
MemberInfo timeFormat(const char* name, qint32 id)
{
    return property(name, id, T::String, access::Get | access::Let, memberflag::NonBrowsable, &timeFormatGet<Level>,
        &timeFormatPut<Level>);
}

constexpr int GL = access::Get | access::Let;
constexpr int GS = access::Get | access::Set;
constexpr int H = memberflag::Hidden;
constexpr int NB = memberflag::NonBrowsable;
using V = Vexachart;

const MemberInfo Members[] = {
    {"pInit", 0x4003002E, MemberKind::Variable, GL, H, 0, {}, T::Boolean, nullptr, &getter<&V::pInit>,
        &setter<&V::setPInit>},
    method("SetDisplayBorders", 0x60030044, 0,
        {in("X_Left", T::Variant), in("X_Right", T::Variant), in("Y_Bottom", T::Variant), in("Y_Top", T::Variant)},
        [](V& c, Args a) -> Variant { c.SetDisplayBorders(a[0], a[1], a[2], a[3]); return {}; }),
    method("AddNewDataPoint", 0x60030046, 0, {in("PlotNum", T::Integer), in("NewX", T::Variant), in("NewY", T::Variant)},
        [](V& c, Args a) -> Variant { c.AddNewDataPoint(a[0].toInt16(), a[1], a[2]); return {}; }),
    method("GetData", 0x60030049, 0, {ref("PlotNum", T::Variant)}, [](V& c, Args a) { return c.GetData(a[0]); }),
    method("PlotNewDataPoint", 0x6003004A, 0,
        {in("PlotNumber", T::Integer), in("NewX", T::Variant), in("NewY", T::Variant)},
        [](V& c, Args a) -> Variant { c.PlotNewDataPoint(a[0].toInt16(), a[1], a[2]); return {}; }),
    method("InsertSingleDataArray", 0x6003004C, 0,
        {in("PlotNum", T::Integer), in("newDataArray", T::Variant), opt("xStep", T::Single),
            opt("xPlotDescription", T::String)},
        [](V& c, Args a) -> Variant { c.InsertSingleDataArray(a[0].toInt16(), a[1], a[2], a[3]); return {}; }),
    method("AddNewDataArray", 0x6003004D, 0, {in("newDataArray", T::Variant), opt("xStep", T::Single)},
        [](V& c, Args a) -> Variant { c.AddNewDataArray(a[0], a[1]); return {}; }),
    method("SetGlobalBorders", 0x6003004E, 0,
        {in("X_Left", T::Variant), in("X_Right", T::Variant), in("Y_Bottom", T::Variant), in("Y_Top", T::Variant),
            opt("XAxis_ScaleMode", T::Integer), opt("YAxis_ScaleMode", T::Integer)},
        [](V& c, Args a) -> Variant { c.SetGlobalBorders(a[0], a[1], a[2], a[3], a[4], a[5]); return {}; }),
    method("CreateTestData", 0x6003004F, 0, {}, [](V& c, Args) -> Variant { c.CreateTestData(); return {}; }),
    method("SaveData", 0x60030053, 0, {optRef("XFileName", T::String)}, &withFileName<&V::SaveData>),
    method("SavePic", 0x60030054, 0, {optRef("XFileName", T::String)}, &withFileName<&V::SavePic>),
    method("ClearSinglePlotDataArray", 0x60030055, 0, {in("PlotNum", T::Integer)},
        [](V& c, Args a) -> Variant { c.ClearSinglePlotDataArray(a[0].toInt16()); return {}; }),
    method("DrawPlotsFitted", 0x60030056, 0, {}, [](V& c, Args) -> Variant { c.DrawPlotsFitted(); return {}; }),
    method("SetPlotVisible", 0x60030057, 0, {in("PlotNumber", T::Integer), ref("TrueOrFalse", T::Boolean)},
        [](V& c, Args a) -> Variant { c.SetPlotVisible(a[0].toInt16(), a[1].toBool()); return {}; }),
    method("ClearAllPlotData", 0x60030058, 0, {}, [](V& c, Args) -> Variant { c.ClearAllPlotData(); return {}; }),
    method("SetGlobalBordersToDataRange", 0x60030061, 0, {},
        [](V& c, Args) -> Variant { c.SetGlobalBordersToDataRange(); return {}; }),
    method("CopyDataToClipboard", 0x60030062, 0, {}, [](V& c, Args) -> Variant { c.CopyDataToClipboard(); return {}; }),
    method("CopyPicToClipboard", 0x60030063, 0, {}, [](V& c, Args) -> Variant { c.CopyPicToClipboard(); return {}; }),
    method("SetPlotLegendText", 0x60030064, 0, {in("PlotNumber", T::Integer), ref("Legendtext", T::String)},
        [](V& c, Args a) -> Variant { c.SetPlotLegendText(a[0].toInt16(), a[1].toString(c.locale())); return {}; }),
    method("SetPlotColor", 0x60030065, 0,
        {in("PlotNumber", T::Integer), ref("R", T::Byte), ref("G", T::Byte), ref("B", T::Byte)},
        [](V& c, Args a) -> Variant {
            c.SetPlotColor(a[0].toInt16(), toByte(a[1]), toByte(a[2]), toByte(a[3]));
            return {};
        }),
    method("SetPlotAspects", 0x60030066, 0,
        {in("PlotNumber", T::Integer), opt("PlotLegendText", T::Variant), opt("R", T::Variant), opt("G", T::Variant),
            opt("B", T::Variant), opt("LineWidth", T::Variant), opt("MarkerStyle", T::Variant),
            opt("MarkerSize", T::Variant), opt("Visible", T::Variant)},
        [](V& c, Args a) -> Variant {
            c.SetPlotAspects(a[0].toInt16(), a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8]);
            return {};
        }),
    method("Refresh", 0x60030067, 0, {}, [](V& c, Args) -> Variant { c.Refresh(); return {}; }),
    method("GetDisplayBorders", 0x60030069, 0,
        {ref("X_Left", T::Variant), ref("X_Right", T::Variant), ref("Y_Bottom", T::Variant), ref("Y_Top", T::Variant)},
        &bordersOut<&V::GetDisplayBorders>),
    method("GetGlobalBorders", 0x6003006A, 0,
        {ref("X_Left", T::Variant), ref("X_Right", T::Variant), ref("Y_Bottom", T::Variant), ref("Y_Top", T::Variant)},
        &bordersOut<&V::GetGlobalBorders>),
    method("SelectCursor", 0x6003006C, H, {optRef("CursorType", T::Variant)},
        [](V& c, Args a) -> Variant { c.SelectCursor(a[0]); return {}; }),
    method("PrintChart", 0x6003006D, 0, {}, [](V& c, Args) -> Variant { c.PrintChart(); return {}; }),
    method("SetCursor", 0x60030074, 0, {in("xCursor", T::Integer)},
        [](V& c, Args a) -> Variant { c.SetCursor(a[0].toInt16()); return {}; }),
    timeFormat<6>("TimeFormat6", 0x68030000),
    timeFormat<5>("TimeFormat5", 0x68030001),
    timeFormat<4>("TimeFormat4", 0x68030002),
    timeFormat<3>("TimeFormat3", 0x68030003),
    timeFormat<2>("TimeFormat2", 0x68030004),
    timeFormat<1>("TimeFormat1", 0x68030005),
    property<&V::TimeFormatCursor, &V::setTimeFormatCursor>("TimeFormatCursor", 0x68030006, T::String, GL, NB),
    property<&V::Enabled, &V::setEnabled>("Enabled", 0x68030007, T::Boolean, GL),
    property<&V::YScalingNotation, &V::setYScalingNotation>("YScalingNotation", 0x68030009, T::Integer, GL),
    property("XMaxGlobal", 0x6803000A, T::Variant, access::Get, H, &getter<&V::XMaxGlobal>, nullptr),
    property("YMinGlobal", 0x6803000B, T::Variant, access::Get, H, &getter<&V::YMinGlobal>, nullptr),
    property("YMaxGlobal", 0x6803000C, T::Variant, access::Get, H, &getter<&V::YMaxGlobal>, nullptr),
    property("XMinGlobal", 0x6803000D, T::Variant, access::Get, H, &getter<&V::XMinGlobal>, nullptr),
    property<&V::XScalingNotation, &V::setXScalingNotation>("XScalingNotation", 0x6803000E, T::Integer, GL),
    property<&V::ClrScales, &V::setClrScales>("ClrScales", 0x6803000F, T::Colour, GL),
    property<&V::GridStyle, &V::setGridStyle>("GridStyle", 0x68030010, T::Integer, GL),
    property<&V::BorderStyle, &V::setBorderStyle>("BorderStyle", 0x68030011, T::Integer, GL),
    property<&V::EnableMenuOptionLegend, &V::setEnableMenuOptionLegend>("EnableMenuOptionLegend", 0x68030012,
        T::Boolean, GL),
    property<&V::EnableMenuOptionCursor, &V::setEnableMenuOptionCursor>("EnableMenuOptionCursor", 0x68030013,
        T::Boolean, GL),
    property<&V::EnableMenuOptionSave, &V::setEnableMenuOptionSave>("EnableMenuOptionSave", 0x68030014, T::Boolean, GL),
    property<&V::EnableMenuOptionZoom, &V::setEnableMenuOptionZoom>("EnableMenuOptionZoom", 0x68030015, T::Boolean, GL),
    property<&V::FontLegend, &V::setFontLegend>("FontLegend", 0x68030016, T::Font, GS),
    property<&V::ShowLegend, &V::setShowLegend>("ShowLegend", 0x68030017, T::Boolean, GL),
    property<&V::MaxCountOfPlots, &V::setMaxCountOfPlots>("MaxCountOfPlots", 0x68030018, T::Integer, GL, NB),
    property("PlotAspect", 0x68030019, T::String, GL, H,
        [](V& c, Args a) -> Variant { return c.PlotAspect(a[0].toInt16()); },
        [](V& c, Args a) -> Variant {
            c.setPlotAspect(a[0].toInt16(), a.back().toString(c.locale()));
            return {};
        },
        {in("PlotNumber", T::Integer)}),
    property<&V::XAxisLinLogMode, &V::setXAxisLinLogMode>("XAxisLinLogMode", 0x6803001A, T::Integer, GL),
    property<&V::YAxisLinLogMode, &V::setYAxisLinLogMode>("YAxisLinLogMode", 0x6803001B, T::Integer, GL),
    property<&V::ClrGrid, &V::setClrGrid>("ClrGrid", 0x6803001C, T::Colour, GL),
    property<&V::YAxisLabel, &V::setYAxisLabel>("YAxisLabel", 0x6803001D, T::String, GL),
    property<&V::XAxisLabel, &V::setXAxisLabel>("XAxisLabel", 0x6803001E, T::String, GL),
    property<&V::ClrControlBackGround, &V::setClrControlBackGround>("ClrControlBackGround", 0x6803001F, T::Colour, GL),
    property<&V::Title, &V::setTitle>("Title", 0x68030020, T::String, GL),
    property<&V::ClrChartBackGround, &V::setClrChartBackGround>("ClrChartBackGround", 0x68030021, T::Colour, GL),
    property<&V::ClrLabels, &V::setClrLabels>("ClrLabels", 0x68030022, T::Colour, GL),
    property<&V::FontLabels, &V::setFontLabels>("FontLabels", 0x68030023, T::Font, GS),
    property<&V::FontPlot, &V::setFontPlot>("FontPlot", 0x68030024, T::Font, GS),
    property<&V::FontTitle, &V::setFontTitle>("FontTitle", 0x68030025, T::Font, GS),
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
