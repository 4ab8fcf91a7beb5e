// The chart's automation interface: a sequence of calls of any member with any kind of
// arguments (non-finite and extreme numbers, texts, fonts, arrays up to 65 535 elements).
#include "chart/control/chart.h"
#include "chart/control/chartservices.h"
#include "chart/control/dispatch.h"
#include "chart/control/membertable.h"
#include "chart/control/propertybag.h"
#include "common/error.h"
#include "fuzz/entries/fuzzchart.h"
#include "fuzz/entries/fuzzentries.h"
#include "fuzz/entries/fuzzinput.h"
#include <QPrinter>
#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace fuzzing {

namespace {

using vexachart::InvokeKind;
using vexachart::Variant;
using vexachart::VariantArray;

// Dialogs are cancelled, nothing is printed, the clipboard takes everything: no call leaves the process.
class NoOutput : public vexachart::ChartServices {
public:
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override { return std::nullopt; }
    bool printDialog(QPrinter&) override { return false; }
    bool defaultPrinter(QPrinter&) override { return false; }
    bool setClipboardImage(const QImage&) override { return true; }
    bool setClipboardText(const QString&) override { return true; }
    void showError(const QString&) override {}
};

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double Max = std::numeric_limits<double>::max(); // 1.797e308; "1.8e308" is among the texts
constexpr std::array<double, 20> SpecialNumbers{std::numeric_limits<double>::quiet_NaN(), Inf, -Inf, Max, -Max, 1e308,
    -1e308, 0.0, -0.0, -1.0, 1.0, 32767.5, -32768.5, 65535.0, 4294967295.0, 4294967296.0, 2147483648.0,
    std::numeric_limits<double>::denorm_min(), 1e-308, 38426.5};

const char* const SpecialTexts[] = {"", "1e308", "1.8e308", "-1.8E308", "NaN", "inf", "-1", "255", "0.5", "1,5",
    "True", "false", "2005/03/07/14/05/09", "9999/12/31/23/59/59", "0100/01/01/00/00/00", "(Clipboard)", " 12 ",
    "&H80000012", "1e-320", "32768"};

double number(Input& in)
{
    const std::uint8_t pick = in.u8();
    if (pick < SpecialNumbers.size() * 8)
        return SpecialNumbers[pick % SpecialNumbers.size()];
    return in.f64();
}

Variant scalar(Input& in, std::uint8_t tag)
{
    switch (tag % 12) {
    case 0: return Variant();
    case 1: return Variant::missing();
    case 2: return Variant::null();
    case 3: return Variant((in.u8() & 1) != 0);
    case 4: return Variant(static_cast<qint16>(in.u16()));
    case 5: return Variant(static_cast<int>(in.i32()));
    case 6: {
        const std::uint32_t bits = in.u32();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return Variant(f);
    }
    case 7:
    case 8: return Variant(number(in));
    case 9: return Variant(in.text(80));
    case 10: return Variant(SpecialTexts[in.u8() % std::size(SpecialTexts)]);
    default: return Variant(fuzzFont(in.u8()));
    }
}

// Elements of all arrays of one input together: one array of the largest size, and a bound on
// the work of an input that is all arrays.
constexpr int ElementBudget = 65535;
// Elements of an array of boxed values (the repeated scalars below). Each costs a copy of its own
// where a ramp of numbers costs eight bytes; past a few thousand they reach nothing that a ramp
// of the same size does not, but make an input many times slower.
constexpr int MostBoxedElements = 4096;

// An array whose elements repeat a few given scalars, or numbers running up from a start by a
// step (held unboxed, as a client's array of doubles arrives). Tags F0..F7 give one dimension,
// F8..FF two; the last of each (F7, FF) reads the count as a 16-bit number (huge arrays), the
// others as a byte: huge arrays cost milliseconds to make and to draw, and most inputs need none.
Variant array(Input& in, std::uint8_t tag, int& budget)
{
    const bool twoDimensional = tag >= 0xF8;
    const int lower0 = in.i32() % 100000;
    const int count = (tag & 7) == 7 ? in.u16() : in.u8();
    const int rows = twoDimensional ? 1 + in.u8() % 4 : 1;
    const int lower1 = twoDimensional ? in.i32() % 100000 : 0;
    const std::uint8_t fill = in.u8();
    const bool ramp = (fill & 1) != 0;
    const int most = std::min(budget, ramp ? ElementBudget : MostBoxedElements);

    VariantArray a;
    int elements = 0;
    if (twoDimensional) {
        const int cols = std::min(count % 16384, most / rows);
        a.dims.push_back({lower0, lower0 + rows - 1});
        a.dims.push_back({lower1, lower1 + cols - 1});
        elements = rows * cols;
    } else {
        elements = std::min(count, most);
        a.dims.push_back({lower0, lower0 + elements - 1});
    }
    budget -= elements;
    if (ramp) {
        const double start = number(in);
        const double step = number(in);
        a.numbers.reserve(static_cast<std::size_t>(elements));
        for (int i = 0; i < elements; ++i)
            a.numbers.push_back(start + step * i);
    } else {
        std::vector<Variant> pattern;
        for (int k = 0, n = 1 + (fill >> 1) % 8; k < n; ++k)
            pattern.push_back(scalar(in, in.u8()));
        a.data.reserve(static_cast<std::size_t>(elements));
        for (int i = 0; i < elements; ++i)
            a.data.push_back(pattern[static_cast<std::size_t>(i) % pattern.size()]);
    }
    return Variant(std::move(a));
}

Variant argument(Input& in, int& budget)
{
    const std::uint8_t tag = in.u8();
    if (tag >= 0xF0)
        return array(in, tag, budget);
    return scalar(in, tag);
}

} // namespace

void chartInvoke(const std::uint8_t* data, std::size_t size)
{
    static NoOutput services;
    auto chart = newChart(ChartStart::Placed, false);
    chart->setServices(&services);

    const auto members = vexachart::memberTable();
    Input in(data, size);
    int budget = ElementBudget;
    for (int call = 0; call < 24 && !in.empty(); ++call) {
        const std::uint8_t which = in.u8();
        const qint32 dispid = which < 0xF8 ? members[which % members.size()].dispid : in.i32();
        const auto kind = static_cast<InvokeKind>(in.u8() % 4);
        std::vector<Variant> args;
        for (int k = 0, n = in.u8() % 11; k < n; ++k)
            args.push_back(argument(in, budget));
        // File names never reach the file system: saving goes to the clipboard or to a cancelled dialog.
        // Any value that converts to a text (a number too) would name a file; arrays and fonts are
        // refused before a file is touched.
        if ((dispid == 0x60030053 || dispid == 0x60030054) && !args.empty() && !args[0].isMissing()
            && args[0].type() != Variant::Type::Array && args[0].type() != Variant::Type::Font)
            args[0] = dispid == 0x60030053 ? Variant("(Clipboard)") : Variant::missing();
        if (dispid == 0x68030018 && !args.empty()) // MaxCountOfPlots: the value written is the last argument
            args.back() = boundedPlotCount(args.back());
        try {
            vexachart::invoke(*chart, dispid, kind, args);
        } catch (const common::Error&) {
        }
    }

    // The state the calls left is drawn.
    chart->setPainting(true);
    try {
        chart->Refresh();
    } catch (const common::Error&) {
    }

    // Whatever the calls set, the chart stores in a form it loads again without refusing anything.
    const QString stored = chart->WriteProperties().toText();
    auto loaded = newChart(ChartStart::Empty, false);
    require(loaded->ReadProperties(vexachart::PropertyBag::fromText(stored)).isEmpty(),
        "a chart refuses properties stored after automation calls");
}

std::vector<QByteArray> chartInvokeSeeds()
{
    // Calls as the program makes them for its two charts, by name from the member table.
    const auto id = [](const char* name) { return *vexachart::idOfName(QString::fromLatin1(name)); };
    const auto members = vexachart::memberTable();
    const auto index = [&](qint32 dispid) {
        for (std::size_t i = 0; i < members.size(); ++i)
            if (members[i].dispid == dispid)
                return static_cast<char>(i);
        return static_cast<char>(0);
    };
    const auto text = [](QByteArray& s, const QByteArray& t) {
        s.append(static_cast<char>(9));
        s.append(static_cast<char>(t.size()));
        s.append(t);
    };
    const auto integer = [](QByteArray& s, qint16 v) {
        s.append(static_cast<char>(4));
        s.append(static_cast<char>(v & 0xFF));
        s.append(static_cast<char>((v >> 8) & 0xFF));
    };
    const auto call = [&](QByteArray& s, const char* name, InvokeKind kind, int argc) {
        s.append(index(id(name)));
        s.append(static_cast<char>(kind));
        s.append(static_cast<char>(argc));
    };
    std::vector<QByteArray> seeds;

    QByteArray curves;
    call(curves, "ClearAllPlotData", InvokeKind::Method, 0);
    call(curves, "Title", InvokeKind::Let, 1);
    text(curves, "Druckverlust [bar]");
    call(curves, "InsertSingleDataArray", InvokeKind::Method, 2);
    integer(curves, 1);
    curves.append(static_cast<char>(0xFF)); // 2 x 40 array of numbers running up
    curves.append(QByteArray(4, '\0'));
    curves.append(static_cast<char>(40));
    curves.append('\0');
    curves.append(static_cast<char>(1)); // two rows
    curves.append(QByteArray(4, '\0'));
    curves.append(static_cast<char>(1)); // ramp
    curves.append(static_cast<char>(0xFF));
    const double start = 10.0, step = 2.5;
    curves.append(reinterpret_cast<const char*>(&start), sizeof start);
    curves.append(static_cast<char>(0xFF));
    curves.append(reinterpret_cast<const char*>(&step), sizeof step);
    call(curves, "SetPlotAspects", InvokeKind::Method, 2);
    integer(curves, 1);
    text(curves, "Kühler 1");
    call(curves, "SetGlobalBordersToDataRange", InvokeKind::Method, 0);
    call(curves, "Refresh", InvokeKind::Method, 0);
    seeds.push_back(curves);

    QByteArray extremes;
    call(extremes, "ClrGrid", InvokeKind::Let, 1);
    extremes.append(static_cast<char>(8));
    extremes.append('\0'); // NaN
    call(extremes, "SetGlobalBorders", InvokeKind::Method, 4);
    for (char pick : {3, 2, 0, 1}) { // largest double, -inf, NaN, inf
        extremes.append(static_cast<char>(8));
        extremes.append(pick);
    }
    call(extremes, "XScalingNotation", InvokeKind::Let, 1);
    integer(extremes, 2);
    call(extremes, "SetDisplayBorders", InvokeKind::Method, 4);
    for (int k = 0; k < 4; ++k) {
        extremes.append(static_cast<char>(10));
        extremes.append(static_cast<char>(12 + k % 2));
    }
    seeds.push_back(extremes);
    return seeds;
}

} // namespace fuzzing
