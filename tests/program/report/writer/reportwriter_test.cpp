#include "reportfixture.h"
#include <QDate>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <set>

using namespace reporttest;

namespace {

// Every XML part parses, has a content type, every relationship id used in a part resolves in
// that part's relationships to a part that exists, and drawing ids are unique.
void expectSoundPackage(const std::map<QString, QString>& parts)
{
    ASSERT_TRUE(parts.count(QStringLiteral("[Content_Types].xml")));
    const QString& types = parts.at(QStringLiteral("[Content_Types].xml"));
    EXPECT_TRUE(types.contains(QStringLiteral("PartName=\"/word/document.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"")));
    std::set<int> docPrIds;
    for (const auto& [name, text] : parts) {
        if (!name.endsWith(QLatin1String(".xml")) && !name.endsWith(QLatin1String(".rels")))
            continue;
        QXmlStreamReader reader(text);
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement() && reader.name() == QLatin1String("docPr")) {
                EXPECT_TRUE(docPrIds.insert(reader.attributes().value(QLatin1String("id")).toInt()).second) << name.toStdString();
            }
        }
        EXPECT_FALSE(reader.hasError()) << name.toStdString() << ": " << reader.errorString().toStdString();
        const QString ext = name.section(QLatin1Char('.'), -1);
        EXPECT_TRUE(types.contains(QStringLiteral("PartName=\"/%1\"").arg(name)) || types.contains(QStringLiteral("Extension=\"%1\"").arg(ext)))
            << name.toStdString();
        // Relationship ids used by this part.
        static const QRegularExpression used(QStringLiteral("r:(?:embed|id)=\"([^\"]+)\""));
        const QString folder = name.section(QLatin1Char('/'), 0, -2);
        const QString relsName = (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) + QStringLiteral("_rels/") + name.section(QLatin1Char('/'), -1) + QStringLiteral(".rels");
        for (const auto& m : used.globalMatch(text)) {
            ASSERT_TRUE(parts.count(relsName)) << relsName.toStdString();
            const QString& rels = parts.at(relsName);
            const QRegularExpression rel(QStringLiteral("Id=\"%1\" Type=\"[^\"]+\" Target=\"([^\"]+)\"").arg(QRegularExpression::escape(m.captured(1))));
            const auto target = rel.match(rels);
            ASSERT_TRUE(target.hasMatch()) << name.toStdString() << " " << m.captured(1).toStdString();
            EXPECT_TRUE(parts.count(folder + QLatin1Char('/') + target.captured(1))) << target.captured(1).toStdString();
        }
    }
}

QString plainText(const QString& xml)
{
    static const QRegularExpression tags(QStringLiteral("<w:t[^>]*>([^<]*)</w:t>"));
    QString out;
    for (const auto& m : tags.globalMatch(xml))
        out += m.captured(1);
    return out;
}

} // namespace

TEST_F(ReportFixture, FullReportIsASoundPackageShownOnceWhenComplete)
{
    const auto parts = run();
    ASSERT_TRUE(boxes.shown.empty()) << boxes.shown.front().prompt.toStdString();
    expectSoundPackage(parts);
    const QString& body = parts.at(QStringLiteral("word/document.xml"));
    const QString text = plainText(body);

    // Sections in order.
    const QStringList inOrder = {QStringLiteral("DATENBLATT"), QStringLiteral("EINGABEWERTE"), QStringLiteral("BERECHNUNGSERGEBNIS"),
                                 QStringLiteral("KV2040-A3-50-S"), QStringLiteral("A=420"), QStringLiteral("ERSATZTEILE"),
                                 QStringLiteral("E-6"), QStringLiteral("DATENÜBERSICHT"), QStringLiteral("U8"), QStringLiteral("Kunde")};
    qsizetype at = 0;
    for (const QString& piece : inOrder) {
        const qsizetype found = text.indexOf(piece, at);
        EXPECT_GE(found, at) << piece.toStdString();
        at = std::max(at, found);
    }
    EXPECT_TRUE(text.contains(QStringLiteral("15.3 %")));
    EXPECT_TRUE(text.contains(QStringLiteral("46.0 cSt")));
    EXPECT_TRUE(text.contains(QStringLiteral("Müller &amp; Söhne &lt;GmbH&gt;")));
    EXPECT_FALSE(text.contains(QStringLiteral("C=")));

    // Page set-up, frame, tab stop and the header and footer.
    EXPECT_TRUE(body.contains(QStringLiteral("<w:pgMar w:top=\"1417\" w:right=\"1417\" w:bottom=\"1134\" w:left=\"1417\" w:header=\"567\" w:footer=\"567\"")));
    EXPECT_TRUE(body.contains(QStringLiteral("<w:pgBorders")));
    EXPECT_TRUE(body.contains(QStringLiteral("<w:tab w:val=\"left\" w:pos=\"3419\"/>")));
    EXPECT_TRUE(body.contains(QStringLiteral("w:headerReference w:type=\"default\"")));
    EXPECT_TRUE(body.contains(QStringLiteral("w:footerReference w:type=\"default\"")));
    EXPECT_TRUE(body.contains(QStringLiteral("w:fill=\"4080C0\"")));
    const QString& header = parts.at(QStringLiteral("word/kl_header1.xml"));
    EXPECT_TRUE(header.contains(QStringLiteral("<wp:inline")));
    EXPECT_TRUE(plainText(header).startsWith(QStringLiteral("Kelto Kühlsysteme GmbH")));
    const QString& footer = parts.at(QStringLiteral("word/kl_footer1.xml"));
    EXPECT_TRUE(footer.contains(QStringLiteral("w:instr=\" PAGE \"")));
    EXPECT_TRUE(footer.contains(QStringLiteral("w:instr=\" NUMPAGES \"")));
    EXPECT_TRUE(footer.contains(QStringLiteral("w:instr=\" DATE \"")));
    EXPECT_TRUE(plainText(footer).startsWith(QStringLiteral("Pumpe3")));
    EXPECT_TRUE(plainText(footer).endsWith(QStringLiteral(" (V-1.4 i)")));
    // The document's language is the report's: readers spell and date by it.
    const QString heute = QLocale(QLocale::German).toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_TRUE(plainText(footer).contains(heute + QStringLiteral(" (V-1.4 i)")));
    EXPECT_TRUE(parts.at(QStringLiteral("word/styles.xml")).contains(QStringLiteral("<w:lang w:val=\"de-DE\"")));

    // Pictures: drawing, line, two charts, logo in the address table (and the logo in the header).
    EXPECT_EQ(count(body, QStringLiteral("<wp:inline")), 5);

    // Shown once, complete, with the absolute path; the busy state is reset.
    ASSERT_EQ(programs->opened.size(), 1u);
    EXPECT_EQ(programs->opened.front(), reportPath());
    EXPECT_TRUE(programs->bytesWhenOpened.startsWith("PK"));
    EXPECT_FALSE(app.System.Word_aktiv);
    EXPECT_FALSE(window.busy);
    EXPECT_FALSE(window.progressShown);
    EXPECT_EQ(window.progressText, app.Texte.Text_114[0]);
    EXPECT_EQ(ergb.Word_Dokument_Datei, reportPath());
}

TEST_F(ReportFixture, FrameAndHeaderFollowTheirOptionsAndTheTemplate)
{
    // A template package: a document written by the layer, its body "Vorlage-Text".
    const QString vorlage = dir.filePath(QStringLiteral("vorlage.dotx"));
    {
        wp::Application word(programs);
        wp::Document& doc = word.Documents().Add();
        doc.Selection().TypeText(QStringLiteral("Vorlage-Text"));
        doc.SaveAs(vorlage);
    }
    struct Case {
        int rahmen, kopf, anschrift;
        bool vorlage;
        bool pgBorders, header, name;
    };
    const Case cases[] = {{1, 1, 1, false, true, true, true},
                          {1, 1, 0, false, true, true, false},
                          {0, 0, 1, false, false, false, false},
                          {1, 1, 1, true, false, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rahmen << c.kopf << c.anschrift << c.vorlage);
        ergb.Word_Optionen[report::option::Rahmen].Flag = qint16(c.rahmen);
        ergb.Word_Optionen[report::option::Kopfzeile].Flag = qint16(c.kopf);
        ergb.Word_Optionen[report::option::Anschrift].Flag = qint16(c.anschrift);
        app.System.Vorlage_benutzen = c.vorlage;
        app.System.Vorlage_Datei = vorlage;
        const auto parts = run();
        ASSERT_TRUE(boxes.shown.empty());
        const QString& body = parts.at(QStringLiteral("word/document.xml"));
        EXPECT_EQ(body.contains(QStringLiteral("<w:pgBorders")), c.pgBorders);
        EXPECT_EQ(parts.count(QStringLiteral("word/kl_header1.xml")) == 1, c.header);
        if (c.header) {
            EXPECT_EQ(plainText(parts.at(QStringLiteral("word/kl_header1.xml"))).contains(QStringLiteral("Kelto")), c.name);
        }
        // The template's body comes first; the footer is written with a template too.
        EXPECT_EQ(plainText(body).startsWith(QStringLiteral("Vorlage-Text")), c.vorlage);
        EXPECT_TRUE(body.contains(QStringLiteral("w:footerReference")));
        expectSoundPackage(parts);
    }
}

TEST_F(ReportFixture, ChartOptionsDecidePageBreaksAndPictures)
{
    ergb.Word_Optionen[report::option::Zeichnung].Flag = 0;
    ergb.Word_Optionen[report::option::Ersatzteile].Flag = 0;
    ergb.Word_Optionen[report::option::TechnDaten].Flag = 0;
    struct Case {
        int leistung, druck, breaks, pictures;
    };
    for (const Case& c : {Case{1, 1, 1, 2}, Case{0, 1, 1, 1}, Case{1, 0, 1, 1}, Case{0, 0, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << c.leistung << c.druck);
        ergb.Word_Optionen[report::option::Leistungskurve].Flag = qint16(c.leistung);
        ergb.Word_Optionen[report::option::Druckverlust].Flag = qint16(c.druck);
        window.calls.clear();
        const QString body = run().at(QStringLiteral("word/document.xml"));
        EXPECT_EQ(count(body, QStringLiteral("w:type=\"page\"")), c.breaks);
        EXPECT_EQ(count(body, QStringLiteral("<wp:inline")), c.pictures);
        // The performance chart comes first, each redrawn right before its picture is taken.
        std::vector<QString> expected;
        if (c.leistung)
            expected.insert(expected.end(), {QStringLiteral("Leistg_Chart_anzeigen"), QStringLiteral("LChartPicture")});
        if (c.druck)
            expected.insert(expected.end(), {QStringLiteral("DruckVerl_anzeigen"), QStringLiteral("pChartPicture")});
        expected.push_back(QStringLiteral("refreshResultView"));
        EXPECT_EQ(window.calls, expected);
    }
}

TEST_F(ReportFixture, SparePartsAndOverviewPlacement)
{
    ergb.Word_Optionen[report::option::Leistungskurve].Flag = 0;
    ergb.Word_Optionen[report::option::Druckverlust].Flag = 0;
    struct Case {
        int ersatz, daten, breaks;
        bool overview, addressTable;
    };
    for (const Case& c : {Case{1, 1, 1, true, true}, Case{0, 1, 1, true, true}, Case{1, 0, 1, false, false}, Case{0, 0, 0, false, false}}) {
        SCOPED_TRACE(testing::Message() << c.ersatz << c.daten);
        ergb.Word_Optionen[report::option::Ersatzteile].Flag = qint16(c.ersatz);
        ergb.Word_Optionen[report::option::TechnDaten].Flag = qint16(c.daten);
        const QString body = run().at(QStringLiteral("word/document.xml"));
        EXPECT_EQ(count(body, QStringLiteral("w:type=\"page\"")), c.breaks);
        const QString text = plainText(body);
        EXPECT_EQ(text.contains(QStringLiteral("DATENÜBERSICHT")), c.overview);
        EXPECT_EQ(text.contains(QStringLiteral("Kunde")), c.addressTable);
        // The spare-parts table: first row shaded, the order-number heading bold over the values.
        if (c.ersatz) {
            const qsizetype start = body.indexOf(QStringLiteral("ERSATZTEILE"));
            const QString table = body.mid(body.indexOf(QStringLiteral("<w:tbl>"), start));
            const QString firstRow = table.left(table.indexOf(QStringLiteral("</w:tr>")));
            EXPECT_EQ(count(firstRow, QStringLiteral("w:fill=\"4080C0\"")), 2);
            EXPECT_TRUE(firstRow.contains(QStringLiteral("<w:b/>")));
            EXPECT_TRUE(plainText(firstRow).contains(QStringLiteral("Bestellnummer")));
            EXPECT_TRUE(plainText(table).contains(QStringLiteral("Kühlelement:E-1")));
        }
    }
}

TEST_F(ReportFixture, AddressColumnByDealerChoice)
{
    QFile logo(programFolder() + QStringLiteral("/DealerLogo.jpg"));
    struct Case {
        bool drucken;
        int idx;
        bool logoFile;
        const char* heading;
        const char* content;
        bool dealerLogo;
    };
    const Case cases[] = {{false, 1, true, "Kunde", "Müller", false},
                          {true, 0, false, "Händler", "Müller", false},
                          {true, 0, true, "Händler", "Müller", true},
                          {true, 1, true, "Vertragshändler", "Nordmann", true},
                          {true, 7, false, "Händler", "Müller", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.drucken << c.idx << c.logoFile);
        QFile::remove(logo.fileName());
        if (c.logoFile)
            QFile::copy(programFolder() + QStringLiteral("/system/logo.jpg"), logo.fileName());
        app.Haendler_drucken = c.drucken;
        app.Haendler_EU_Idx = qint16(c.idx);
        const QString body = run().at(QStringLiteral("word/document.xml"));
        ASSERT_TRUE(boxes.shown.empty());
        const QString table = body.mid(body.lastIndexOf(QStringLiteral("<w:tbl>")));
        const QStringList cells = table.split(QStringLiteral("<w:tc>"));
        ASSERT_GE(cells.size(), 11);
        // cells[1] = (1,1), cells[2] = (1,2), cells[4] = (2,2), cells[6] = (3,2)
        EXPECT_EQ(plainText(cells[2]), QString::fromUtf8(c.heading));
        EXPECT_EQ(cells[2].contains(QStringLiteral("<wp:inline")), c.dealerLogo);
        EXPECT_TRUE(cells[1].contains(QStringLiteral("<wp:inline"))); // the maker's logo
        EXPECT_TRUE(plainText(cells[4] + cells[6]).contains(QString::fromUtf8(c.content)));
        // Heading formatted as text when no dealer logo is shown.
        EXPECT_EQ(cells[2].contains(QStringLiteral("<w:u w:val=\"single\"/>")), !c.dealerLogo);
        // Outside borders 2.25 pt, inner vertical 1.5 pt, both in the drive colour; no inner horizontal.
        EXPECT_TRUE(table.contains(QStringLiteral("<w:top w:val=\"single\" w:sz=\"18\" w:space=\"0\" w:color=\"4080C0\"/>")));
        EXPECT_TRUE(table.contains(QStringLiteral("<w:insideV w:val=\"single\" w:sz=\"12\" w:space=\"0\" w:color=\"4080C0\"/>")));
        EXPECT_TRUE(table.contains(QStringLiteral("<w:insideH w:val=\"nil\"/>")));
    }
}
