#include "chart/control/propertybag.h"
#include "chartfixture.h"

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

TEST(PropertyBagText, BlankKeysAreRefusedWritingAndReading)
{
    for (const QString& key : {QString(), QStringLiteral("   "), QStringLiteral("\t"), QStringLiteral(" Title"),
             QStringLiteral("A = B"), QStringLiteral("Two\nLines")}) {
        SCOPED_TRACE(key.toStdString());
        PropertyBag bag;
        const auto e = errorOf([&] { bag.write(key, Variant(1.0)); });
        EXPECT_EQ(e.number, 5);
        EXPECT_EQ(errorOf([&] { bag.set(key, Variant(1.0)); }).number, 5);
        EXPECT_TRUE(bag.keys().isEmpty());
    }
    QStringList bad;
    const PropertyBag read = PropertyBag::fromText(
        QStringLiteral("PropertyBagFormat = 2\n   = 5\n\t = \"x\"\n = 7\nTitle = \"T\"\nno separator\n"), &bad);
    EXPECT_EQ(read.keys(), QStringList{QStringLiteral("Title")});
    EXPECT_EQ(bad, (QStringList{QStringLiteral("   = 5"), QStringLiteral("\t = \"x\""), QStringLiteral(" = 7"),
                       QStringLiteral("no separator")}));
}
