#include "chart/control/dispatch.h"
#include "chart/control/propertybag.h"
#include "chartfixture.h"
#include <QSet>

using namespace vexachart;
using namespace vexachart::testing;

namespace {

// Stores the chart's design settings as text and loads them into a fresh chart, as a container
// does with its file.
std::unique_ptr<Vexachart> reloaded(const Vexachart& c)
{
    auto d = std::make_unique<Vexachart>(nullptr, fixedMetrics());
    d->setPainting(false);
    EXPECT_TRUE(d->ReadProperties(PropertyBag::fromText(c.WriteProperties().toText())).isEmpty());
    return d;
}

} // namespace

TEST(PropertyBagText, EveryTextRoundTripsThroughTheStoredForm)
{
    const QString broken = QStringLiteral("C:\\new\\report");
    const QString cases[] = {
        broken,
        QStringLiteral("\\\\server\\share\\"),                     // doubled and trailing backslashes
        QStringLiteral("line 1\nline 2\r\nline 3\rend"),           // LF, CR LF, CR
        QStringLiteral("a\tb\t"),                                  // tabs
        QStringLiteral("\\n is not a break, \\\\n neither"),       // escapes written as text
        QStringLiteral("Say \"hi\" \"\""),                         // quotes
        QString(QChar(0xA6)) + QStringLiteral("Plot") + QChar(0xA6), // the plot-aspect separator
        QStringLiteral("Kühler Öl · Давление · 压降 · 圧力"),      // non-Latin letters
        QStringLiteral("  blanks around  "),
    };
    for (const QString& text : cases) {
        SCOPED_TRACE(text.toStdString());
        auto c = makeChart();
        c->setTitle(text);
        c->setXAxisLabel(text + QStringLiteral("x"));
        c->setYAxisLabel(text);
        c->setTimeFormat(3, text);
        c->SetPlotLegendText(2, text);
        auto d = reloaded(*c);
        EXPECT_EQ(d->Title(), text);
        EXPECT_EQ(d->XAxisLabel(), text + QStringLiteral("x"));
        EXPECT_EQ(d->YAxisLabel(), text);
        EXPECT_EQ(d->TimeFormat(3), text);
        EXPECT_EQ(d->plotStyle(2).Label, c->plotStyle(2).Label);
    }
    // A label of exactly 128 characters full of characters that need escaping.
    auto c = makeChart();
    QString label;
    while (label.size() < 128)
        label += QStringLiteral("\\\n\"\t") + QChar(0xA6) + QChar(0x4E2D);
    label.truncate(128);
    c->SetPlotLegendText(1, label);
    EXPECT_EQ(reloaded(*c)->plotStyle(1).Label, label);
    // The title of the reported fault, as the text shows it.
    c->setTitle(broken);
    EXPECT_TRUE(c->WriteProperties().toText().contains(QStringLiteral("Title = \"C:\\\\new\\\\report\"")));
}

TEST(PropertyBagText, TextWrittenBeforeBackslashEscapingLoadsAsItDid)
{
    // Older text has no format line: "\n" and "\r" were its line breaks, other backslashes stood
    // for themselves, tabs were written as they are.
    const QString old = QStringLiteral(
        "Title = \"first\\nsecond\\rthird\"\n"
        "LabX = \"C:\\data\\x \\\\server\"\n"
        "LabY = \"a\tb \\t\"\"q\"\"\"\n");
    Vexachart c(nullptr, fixedMetrics());
    c.setPainting(false);
    EXPECT_TRUE(c.ReadProperties(PropertyBag::fromText(old)).isEmpty());
    EXPECT_EQ(c.Title(), QStringLiteral("first\nsecond\rthird"));
    EXPECT_EQ(c.XAxisLabel(), QStringLiteral("C:\\data\\x \\\\server"));
    EXPECT_EQ(c.YAxisLabel(), QStringLiteral("a\tb \\t\"q\""));
}

TEST(PropertyBagText, KeysTheTextFormCannotHoldAreRefusedWritingAndReading)
{
    for (const QString& key : {QString(), QStringLiteral("   "), QStringLiteral("\t"), QStringLiteral(" Title"),
             QStringLiteral("A = B"), QStringLiteral("Two\nLines"), QStringLiteral("ShowLegend =")}) {
        SCOPED_TRACE(key.toStdString());
        PropertyBag bag;
        const auto e = errorOf([&] { bag.write(key, Variant(1.0)); });
        EXPECT_EQ(e.number, 5);
        EXPECT_EQ(errorOf([&] { bag.set(key, Variant(1.0)); }).number, 5);
        EXPECT_TRUE(bag.keys().isEmpty());
    }
    QStringList bad;
    const PropertyBag read = PropertyBag::fromText(
        QStringLiteral("PropertyBagFormat = 2\n   = 5\n\t = \"x\"\n = 7\nTitle = \"T\"\nno separator\n"
                       "ShowLegend =\t = True\nXAxisLabel = = 5\n"),
        &bad);
    // "XAxisLabel = = 5" is the key XAxisLabel with the text "= 5", and writes back as such.
    EXPECT_EQ(read.keys(), (QStringList{QStringLiteral("Title"), QStringLiteral("XAxisLabel")}));
    EXPECT_EQ(read.read(QStringLiteral("XAxisLabel")).toString(), QStringLiteral("= 5"));
    EXPECT_EQ(PropertyBag::fromText(read.toText()).keys(), read.keys());
    EXPECT_EQ(bad, (QStringList{QStringLiteral("   = 5"), QStringLiteral("\t = \"x\""), QStringLiteral(" = 7"),
                       QStringLiteral("no separator"), QStringLiteral("ShowLegend =\t = True")}));
}

TEST(PropertyBagKeys, KeysMatchIgnoringCaseExactlyAsTextComparisonDoes)
{
    // Every character of the basic plane and the cased ones beyond it, in its upper and lower
    // form: the bag finds a key under another spelling exactly when the comparison that ignores
    // case calls the two equal.
    std::vector<char32_t> chars;
    for (char32_t c = 0x20; c < 0x10000; ++c)
        if (!QChar::isSurrogate(c))
            chars.push_back(c);
    for (char32_t c = 0x10400; c < 0x10500; ++c) // Deseret and Osage: cased letters in pairs
        chars.push_back(c);
    const auto text = [](char32_t c) { return QStringLiteral("Key") + QString::fromUcs4(&c, 1); };
    int found = 0;
    for (const char32_t c : chars) {
        const QString key = text(c);
        if (key.trimmed() != key) // a blank at the end: no usable key
            continue;
        PropertyBag bag;
        bag.set(key, Variant(1.0));
        for (const char32_t other : {QChar::toUpper(c), QChar::toLower(c), QChar::toTitleCase(c)}) {
            const QString spelling = text(other);
            const bool equal = key.compare(spelling, Qt::CaseInsensitive) == 0;
            ASSERT_EQ(bag.contains(spelling), equal) << "U+" << std::hex << quint32(c) << " / U+" << quint32(other);
            found += equal && other != c;
        }
    }
    EXPECT_GT(found, 1000); // the loop met the cased letters

    // Writing under another spelling replaces the value and keeps the key as first written.
    const struct {
        const char* first;
        const char* other;
        bool same;
    } cases[] = {
        {"ClrGrid", "CLRGRID", true},
        {"PlotStyle7.Label", "plotstyle7.label", true},
        {"Kühler", "KÜHLER", true},
        {"Σίγμα", "σΊΓΜΑ", true},
        {"Straße", "STRASSE", false}, // no one-to-two-letter folding
        {"PlotStyle1", "PlotStyle10", false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.first);
        PropertyBag bag;
        bag.set(QString::fromUtf8(k.first), Variant(1.0));
        bag.write(QString::fromUtf8(k.other), Variant(2.0));
        EXPECT_EQ(bag.keys().size(), k.same ? 1 : 2);
        EXPECT_EQ(bag.keys().first(), QString::fromUtf8(k.first));
        EXPECT_EQ(bag.read(QString::fromUtf8(k.first)).toDouble(), k.same ? 2.0 : 1.0);
    }
}

TEST(PropertyBagText, ChartWithTheMostPlotsStoresAndLoadsEveryPlot)
{
    // As an automation client did it: the grid colour written with surplus arguments, then the
    // largest number of plots. Every plot brings eight keys; storing and loading them all must
    // take time in proportion to their number.
    auto c = makeChart();
    std::vector<Variant> args(6, Variant());
    args.back() = Variant(0x00FF00);
    invoke(*c, *idOfName(QStringLiteral("ClrGrid")), InvokeKind::Let, args);
    std::vector<Variant> most{Variant(qint16(32767))};
    invoke(*c, *idOfName(QStringLiteral("MaxCountOfPlots")), InvokeKind::Let, most);
    ASSERT_EQ(c->MaxCountOfPlots(), 32767);
    for (const qint16 plot : {qint16(1), qint16(16384), qint16(32767)})
        c->SetPlotAspects(plot, QStringLiteral("Plot %1").arg(plot), 10, 20, plot % 256, 2, 3, 5, plot != 16384);

    const PropertyBag stored = c->WriteProperties();
    const QStringList keys = stored.keys();
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size()); // no key twice
    EXPECT_TRUE(stored.contains(QStringLiteral("PLOTSTYLE32767.LABEL")));
    auto d = reloaded(*c);
    ASSERT_EQ(d->MaxCountOfPlots(), 32767);
    EXPECT_EQ(d->ClrGrid(), 0x00FF00u);
    for (const int plot : {1, 2, 16384, 32766, 32767}) {
        SCOPED_TRACE(plot);
        EXPECT_EQ(d->plotStyle(plot), c->plotStyle(plot));
    }
    EXPECT_EQ(d->WriteProperties().toText(), stored.toText());
}

TEST(PropertyBagText, FontsReadBackExactly)
{
    // Sizes and spacings with more digits than six, as a font dialog or an automation client sets them.
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPointSizeF(8000001.5);
    big.setBold(true);
    QFont spaced(QStringLiteral("DejaVu Serif"));
    spaced.setPointSizeF(7.8);
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, -33554432.0);
    spaced.setWordSpacing(1.015625);
    QFont percent(QStringLiteral("DejaVu Sans Mono"));
    percent.setPointSizeF(10.123456789);
    percent.setLetterSpacing(QFont::PercentageSpacing, 123.4375);
    percent.setStyleName(QStringLiteral("Bold Oblique"));
    for (const QFont& font : {big, spaced, percent}) {
        SCOPED_TRACE(font.toString().toStdString());
        PropertyBag bag;
        bag.set(QStringLiteral("FontTitle"), Variant(font));
        const PropertyBag read = PropertyBag::fromText(bag.toText());
        ASSERT_EQ(read.read(QStringLiteral("FontTitle")).type(), Variant::Type::Font);
        EXPECT_EQ(read.read(QStringLiteral("FontTitle")).toFont(), font);
    }
    // A font whose numbers six digits hold is written as Qt describes it.
    PropertyBag plain;
    const QFont title = makeChart()->FontTitle();
    plain.set(QStringLiteral("FontTitle"), Variant(title));
    EXPECT_TRUE(plain.toText().contains(QStringLiteral("FontTitle = Font(\"") + title.toString() + QStringLiteral("\")")));
}
