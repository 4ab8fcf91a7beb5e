#include "chart/control/dispatch.h"
#include "chart/control/chart.h"
#include "chart/control/errortexts.h"
#include "common/error.h"

namespace vexachart {

namespace {

[[noreturn]] void notSupported()
{
    common::raise(texts::ErrMemberNotSupported, QStringLiteral("Vexachart"), texts::memberNotSupported());
}

Variant fromQVariant(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString)
        return Variant(v.toString());
    return Variant(v.toDouble());
}

} // namespace

Variant invoke(Vexachart& c, qint32 dispid, InvokeKind kind, std::vector<Variant>& args)
{
    const MemberInfo* m = memberById(dispid);
    if (!m || m->kind == MemberKind::Event)
        notSupported();
    // Kind check: methods are called, properties read or written by the accessors they have.
    if (m->kind == MemberKind::Method) {
        if (kind != InvokeKind::Method)
            notSupported();
    } else {
        const int need = kind == InvokeKind::Get ? access::Get
            : kind == InvokeKind::Let           ? access::Let
            : kind == InvokeKind::Set           ? access::Set
                                                : 0;
        if (!(m->accessors & need))
            notSupported();
    }
    const size_t fixed = static_cast<size_t>(m->paramCount) + (kind == InvokeKind::Let || kind == InvokeKind::Set ? 1 : 0);
    for (size_t k = 0; k < static_cast<size_t>(m->paramCount); ++k)
        if (k >= args.size() && !m->params[k].optional)
            common::raise(449, QStringLiteral("Vexachart"), QStringLiteral("Argument not optional"));
    while (args.size() < fixed)
        args.push_back(Variant::missing());
    // The value of a let or set is the last argument; a get or a method may have none at all.
    const Variant noValue;
    const Variant& value = args.empty() ? noValue : args.back();
    const bool put = kind == InvokeKind::Let || kind == InvokeKind::Set;
    auto a = [&](size_t k) -> const Variant& { return args[k]; };
    auto colour = [&]() { return static_cast<common::ColourValue>(value.toDouble()); };

    switch (dispid) {
    case 0x4003002E:
        if (put)
            c.pInit = value.toBool();
        return c.pInit;
    case 0x60030044: c.SetDisplayBorders(a(0), a(1), a(2), a(3)); return {};
    case 0x60030046: c.AddNewDataPoint(a(0).toInt16(), a(1), a(2)); return {};
    case 0x60030049: return c.GetData(a(0));
    case 0x6003004A: c.PlotNewDataPoint(a(0).toInt16(), a(1), a(2)); return {};
    case 0x6003004C: c.InsertSingleDataArray(a(0).toInt16(), a(1), a(2), a(3)); return {};
    case 0x6003004D: c.AddNewDataArray(a(0), a(1)); return {};
    case 0x6003004E: c.SetGlobalBorders(a(0), a(1), a(2), a(3), a(4), a(5)); return {};
    case 0x6003004F: c.CreateTestData(); return {};
    case 0x60030053:
    case 0x60030054: {
        QString name = a(0).isMissing() ? QString() : a(0).toString();
        if (dispid == 0x60030053)
            c.SaveData(&name);
        else
            c.SavePic(&name);
        args[0] = Variant(name);
        return {};
    }
    case 0x60030055: c.ClearSinglePlotDataArray(a(0).toInt16()); return {};
    case 0x60030056: c.DrawPlotsFitted(); return {};
    case 0x60030057: c.SetPlotVisible(a(0).toInt16(), a(1).toBool()); return {};
    case 0x60030058: c.ClearAllPlotData(); return {};
    case 0x60030061: c.SetGlobalBordersToDataRange(); return {};
    case 0x60030062: c.CopyDataToClipboard(); return {};
    case 0x60030063: c.CopyPicToClipboard(); return {};
    case 0x60030064: c.SetPlotLegendText(a(0).toInt16(), a(1).toString()); return {};
    case 0x60030065: {
        auto byte = [](const Variant& v) {
            const qint16 b = v.toInt16();
            if (b < 0 || b > 255)
                common::raise(common::errc::Overflow);
            return static_cast<quint8>(b);
        };
        c.SetPlotColor(a(0).toInt16(), byte(a(1)), byte(a(2)), byte(a(3)));
        return {};
    }
    case 0x60030066: c.SetPlotAspects(a(0).toInt16(), a(1), a(2), a(3), a(4), a(5), a(6), a(7), a(8)); return {};
    case 0x60030067: c.Refresh(); return {};
    case 0x60030069:
    case 0x6003006A: {
        const auto b = dispid == 0x60030069 ? c.GetDisplayBorders() : c.GetGlobalBorders();
        args[0] = b.X_Left;
        args[1] = b.X_Right;
        args[2] = b.Y_Bottom;
        args[3] = b.Y_Top;
        return {};
    }
    case 0x6003006C: c.SelectCursor(a(0)); return {};
    case 0x6003006D: c.PrintChart(); return {};
    case 0x60030074: c.SetCursor(a(0).toInt16()); return {};
    case 0x68030000: case 0x68030001: case 0x68030002: case 0x68030003: case 0x68030004: case 0x68030005: {
        const int level = 6 - (dispid - 0x68030000);
        if (put)
            c.setTimeFormat(level, value.toString());
        return c.TimeFormat(level);
    }
    case 0x68030006:
        if (put)
            c.setTimeFormatCursor(value.toString());
        return c.TimeFormatCursor();
    case 0x68030007:
        if (put)
            c.setEnabled(value.toBool());
        return c.Enabled();
    case 0x68030009:
        if (put)
            c.setYScalingNotation(value.toInt16());
        return c.YScalingNotation();
    case 0x6803000A: return c.XMaxGlobal();
    case 0x6803000B: return c.YMinGlobal();
    case 0x6803000C: return c.YMaxGlobal();
    case 0x6803000D: return c.XMinGlobal();
    case 0x6803000E:
        if (put)
            c.setXScalingNotation(value.toInt16());
        return c.XScalingNotation();
    case 0x6803000F:
        if (put)
            c.setClrScales(colour());
        return static_cast<double>(c.ClrScales());
    case 0x68030010:
        if (put)
            c.setGridStyle(value.toInt16());
        return c.GridStyle();
    case 0x68030011:
        if (put)
            c.setBorderStyle(value.toInt16());
        return c.BorderStyle();
    case 0x68030012:
        if (put)
            c.setEnableMenuOptionLegend(value.toBool());
        return c.EnableMenuOptionLegend();
    case 0x68030013:
        if (put)
            c.setEnableMenuOptionCursor(value.toBool());
        return c.EnableMenuOptionCursor();
    case 0x68030014:
        if (put)
            c.setEnableMenuOptionSave(value.toBool());
        return c.EnableMenuOptionSave();
    case 0x68030015:
        if (put)
            c.setEnableMenuOptionZoom(value.toBool());
        return c.EnableMenuOptionZoom();
    case 0x68030016:
        if (put)
            c.setFontLegend(value.toFont());
        return c.FontLegend();
    case 0x68030017:
        if (put)
            c.setShowLegend(value.toBool());
        return c.ShowLegend();
    case 0x68030018:
        if (put)
            c.setMaxCountOfPlots(value.toInt16());
        return c.MaxCountOfPlots();
    case 0x68030019:
        if (put)
            c.setPlotAspect(a(0).toInt16(), value.toString());
        return c.PlotAspect(a(0).toInt16());
    case 0x6803001A:
        if (put)
            c.setXAxisLinLogMode(value.toInt16());
        return c.XAxisLinLogMode();
    case 0x6803001B:
        if (put)
            c.setYAxisLinLogMode(value.toInt16());
        return c.YAxisLinLogMode();
    case 0x6803001C:
        if (put)
            c.setClrGrid(colour());
        return static_cast<double>(c.ClrGrid());
    case 0x6803001D:
        if (put)
            c.setYAxisLabel(value.toString());
        return c.YAxisLabel();
    case 0x6803001E:
        if (put)
            c.setXAxisLabel(value.toString());
        return c.XAxisLabel();
    case 0x6803001F:
        if (put)
            c.setClrControlBackGround(colour());
        return static_cast<double>(c.ClrControlBackGround());
    case 0x68030020:
        if (put)
            c.setTitle(value.toString());
        return c.Title();
    case 0x68030021:
        if (put)
            c.setClrChartBackGround(colour());
        return static_cast<double>(c.ClrChartBackGround());
    case 0x68030022:
        if (put)
            c.setClrLabels(colour());
        return static_cast<double>(c.ClrLabels());
    case 0x68030023:
        if (put)
            c.setFontLabels(value.toFont());
        return c.FontLabels();
    case 0x68030024:
        if (put)
            c.setFontPlot(value.toFont());
        return c.FontPlot();
    case 0x68030025:
        if (put)
            c.setFontTitle(value.toFont());
        return c.FontTitle();
    default:
        notSupported();
    }
}

void connectEvent(Vexachart& chart, qint32 dispid, std::function<void(std::vector<Variant>&)> handler)
{
    if (dispid == dispid::DisplayRangeChanged) {
        QObject::connect(&chart, &Vexachart::DisplayRangeChanged, &chart,
            [handler](const QVariant& a, const QVariant& b, const QVariant& c, const QVariant& d) {
                std::vector<Variant> args{fromQVariant(a), fromQVariant(b), fromQVariant(c), fromQVariant(d)};
                handler(args);
            });
    } else if (dispid == dispid::CursorXY) {
        QObject::connect(&chart, &Vexachart::CursorXY, &chart, [handler](const QVariant& x, const QVariant& y) {
            std::vector<Variant> args{fromQVariant(x), fromQVariant(y)};
            handler(args);
        });
    } else {
        notSupported();
    }
}

} // namespace vexachart
