// The content of the data part: formats, medium, drive text, spacing on short pages, language rules.
#include "reportfixture.h"
#include "program/report/writer/sections.h"
#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace reporttest;

namespace {

// Texts of the body's paragraphs in document order (tab as TAB, line break as character 11),
// each with the font size of its paragraph mark.
struct Absatz {
    QString text;
    double markSize = 0;
};

std::vector<Absatz> absaetze(const QString& xml)
{
    std::vector<Absatz> out;
    QXmlStreamReader r(xml);
    bool inMark = false;
    bool inText = false;
    while (!r.atEnd()) {
        r.readNext();
        const QStringView name = r.qualifiedName();
        if (r.isStartElement()) {
            if (name == QLatin1String("w:p"))
                out.push_back({});
            else if (name == QLatin1String("w:pPr"))
                inMark = true;
            else if (name == QLatin1String("w:r"))
                inMark = false;
            else if (name == QLatin1String("w:sz") && inMark && !out.empty())
                out.back().markSize = r.attributes().value(QLatin1String("w:val")).toDouble() / 2;
            else if (name == QLatin1String("w:t"))
                inText = true;
            else if (name == QLatin1String("w:tab") && !inMark && !out.empty())
                out.back().text += QLatin1Char('\t');
            else if (name == QLatin1String("w:br") && !out.empty() && r.attributes().value(QLatin1String("w:type")).isEmpty())
                out.back().text += QChar(11);
        } else if (r.isEndElement()) {
            if (name == QLatin1String("w:t"))
                inText = false;
            if (name == QLatin1String("w:pPr"))
                inMark = false;
        } else if (r.isCharacters() && inText && !out.empty()) {
            out.back().text += r.text();
        }
    }
    return out;
}

QStringList texteAb(const std::vector<Absatz>& alle, const QString& start, int n)
{
    QStringList list;
    for (std::size_t i = 0; i < alle.size(); ++i)
        if (alle[i].text.startsWith(start)) {
            for (std::size_t k = i; k < alle.size() && int(list.size()) < n; ++k)
                list << alle[k].text;
            break;
        }
    return list;
}

} // namespace

TEST_F(ReportFixture, ResultLinesForOilAndWaterGlycol)
{
    auto body = [&] { return absaetze(run().at(QStringLiteral("word/document.xml"))); };
    EXPECT_EQ(texteAb(body(), QStringLiteral("Druckverlust:"), 5),
              (QStringList{QStringLiteral("Druckverlust:\t420 mbar"), QString(), QStringLiteral("Viskosität:\t46.0 cSt"),
                           QStringLiteral("bei Mitteltemperatur:\t65.8 °C"), QString()}));

    app.KuehlerDaten.Medium_Typ = rating::MediumWasserGlykol;
    app.KuehlerDaten.Leistg_Reserve = -0.05;
    const auto wasser = body();
    EXPECT_EQ(texteAb(wasser, QStringLiteral("Druckverlust:"), 4),
              (QStringList{QStringLiteral("Druckverlust:\t420 mbar"), QString(), QStringLiteral("bei Mitteltemperatur:\t65.8 °C"), QString()}));
    EXPECT_EQ(texteAb(wasser, QStringLiteral("Leistungsreserve:"), 1).value(0), QStringLiteral("Leistungsreserve:\t-5.0 %"));
}

TEST_F(ReportFixture, DriveTextBySeries)
{
    struct Case {
        long serie;
        bool us, drueckend;
        const char* text;
    };
    const Case cases[] = {{0, false, false, "Noch nicht gewählt (saugend)"},
                          {2, false, true, "24V Gleichstrom (drückend)"},
                          {3, true, false, "Drehstrom (A) 60Hz (saugend)"},
                          {7, false, false, "Hydraulik (H) 1450 RPM  (saugend)"}};
    for (const Case& c : cases) {
        app.KuehlerDaten.Kuehler_Baureihe = c.serie;
        app.KDaten_Tab.Region_US = c.us;
        window.drueckend = c.drueckend;
        wp::Application word(programs);
        wp::Document& doc = word.Documents().Add();
        report::SectionWriter w{*ctx, word, doc, doc.Selection()};
        EXPECT_EQ(report::antriebText(w), QString::fromUtf8(c.text));
    }
}

TEST_F(ReportFixture, ShortPageSpacingAndLanguageRules)
{
    // Letter is a short page: the spacer lines and the marks before the charts are 8 pt,
    // and there is one empty paragraph less before each chart.
    auto vorDiagramm = [&](const std::vector<Absatz>& alle) {
        std::vector<double> sizes;
        for (std::size_t i = 0; i < alle.size(); ++i)
            if (alle[i].text.contains(app.Texte.Text_304[0].left(15))) { // the closing note's last paragraph
                for (std::size_t k = i + 1; k < alle.size() && alle[k].text.isEmpty(); ++k)
                    sizes.push_back(alle[k].markSize);
                break;
            }
        return sizes;
    };
    ergb.Word_Optionen[report::option::Druckverlust].Flag = 0;
    const QString a4 = run().at(QStringLiteral("word/document.xml"));
    EXPECT_EQ(vorDiagramm(absaetze(a4)).size(), 2u);
    EXPECT_TRUE(a4.contains(QStringLiteral("<w:tab w:val=\"left\" w:pos=\"3419\"/>")));

    ctx->paper = wp::Paper::letter();
    const QString letter = run().at(QStringLiteral("word/document.xml"));
    EXPECT_EQ(vorDiagramm(absaetze(letter)), (std::vector<double>{8}));
    EXPECT_TRUE(letter.contains(QStringLiteral("<w:pgSz w:w=\"12240\" w:h=\"15840\"/>")));

    // Exactly 28 cm counts as short, 28.1 cm does not.
    for (const auto& [cm, kurz] : {std::pair{28.0, true}, std::pair{28.1, false}}) {
        ctx->paper = wp::Paper{595.3, cm * 72 / 2.54};
        EXPECT_EQ(vorDiagramm(absaetze(run().at(QStringLiteral("word/document.xml")))).size(), kurz ? 1u : 2u) << cm;
    }

    // Russian: the value column at 9 cm; upper case by the language's rules.
    app.Texte.SprachNr = 4;
    const QString ru = run().at(QStringLiteral("word/document.xml"));
    EXPECT_TRUE(ru.contains(QStringLiteral("<w:tab w:val=\"left\" w:pos=\"5102\"/>")));
    EXPECT_TRUE(ru.contains(report::sprachLocale(4).toUpper(app.Texte.Text_300[4])));
    EXPECT_EQ(report::sprachLocale(0).toUpper(QStringLiteral("Datenübersicht Fuß")), QStringLiteral("DATENÜBERSICHT FUSS"));
}

TEST_F(ReportFixture, MakerColumnAndUserAddressTexts)
{
    wp::Application word(programs);
    wp::Document& doc = word.Documents().Add();
    report::SectionWriter w{*ctx, word, doc, doc.Selection()};
    const QChar lb(11);

    app.KDaten_Tab.Region_US = true;
    const report::AdressSpalte us = report::herstellerSpalte(w);
    EXPECT_EQ(us.adresse, ergb.Adresse_US.Zeile[2] + lb + ergb.Adresse_US.Zeile[1] + lb + ergb.Adresse_US.Zeile[3]);
    EXPECT_EQ(us.name, QStringLiteral("\r\n") + ergb.Adresse_US.Zeile[0]);

    app.Haendler_drucken = false;
    app.System.User_Vorname.clear();
    app.System.User_Name.clear();
    EXPECT_EQ(report::rechteSpalte(w).adresse, QStringLiteral("Hauptstraße 1") + lb + QStringLiteral("12345 Musterstadt"));
    app.System.User_Name = QStringLiteral("Berg");
    EXPECT_EQ(report::rechteSpalte(w).adresse,
              QStringLiteral("Berg") + lb + QStringLiteral("Hauptstraße 1") + lb + QStringLiteral("12345 Musterstadt"));

    // A dealer's name starts with a line break, the others with a new paragraph.
    app.Haendler_drucken = true;
    app.Haendler_US_Idx = 1;
    EXPECT_EQ(report::rechteSpalte(w).name, lb + ergb.Haendler_US[1].Zeile[0]);
}

TEST_F(ReportFixture, InstallationDrawingIsAtMostSevenCentimetresHigh)
{
    // The drawings are 4:3 and would be 7.94 cm high in their 12 cm cell; at 7 cm the first page
    // still ends with the closing note on Letter. The drawing is the body's first picture.
    const QRegularExpression extent(QStringLiteral("<wp:extent cx=\"(\\d+)\" cy=\"(\\d+)\"/>"));
    for (const wp::Paper& paper : {wp::Paper::a4(), wp::Paper::letter()}) {
        SCOPED_TRACE(paper.height);
        ctx->paper = paper;
        const QRegularExpressionMatch m = extent.match(run().at(QStringLiteral("word/document.xml")));
        ASSERT_TRUE(m.hasMatch());
        const double cx = m.captured(1).toDouble(), cy = m.captured(2).toDouble();
        constexpr double EmuProCm = 360000;
        EXPECT_NEAR(cy, 7.0 * EmuProCm, 0.01 * EmuProCm);
        EXPECT_NEAR(cx / cy, 400.0 / 300.0, 0.001);
    }
}
