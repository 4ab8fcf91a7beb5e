// The saved package: parts, units, escaping, pictures, templates, and the external programs.
#include "common/error.h"
#include "fullfolder.h"
#include "testsupport.h"
#include "wp/application.h"
#include "wp/docxwriter.h"
#include "wp/templatepackage.h"
#include "wp/zippackage.h"
#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <cerrno>
#include <cstring>
#include <map>
#include <set>

namespace {

std::map<QString, QString> parts(const QString& path)
{
    std::map<QString, QString> out;
    for (const auto& [name, data] : wp::readZipPackage(path))
        out[name] = QString::fromUtf8(data);
    return out;
}

bool parses(const QString& xml)
{
    QXmlStreamReader r(xml);
    while (!r.atEnd())
        r.readNext();
    return !r.hasError();
}

// Writes the package to path with one replacement made in one of its parts.
void writeWithReplaced(const QString& path, wp::PackageParts parts, const QString& part, const QByteArray& from,
                       const QByteArray& to)
{
    for (auto& [name, data] : parts)
        if (name == part)
            data.replace(from, to);
    wp::writeZipPackage(path, parts);
}

class RecordingPrograms : public wp::ExternalPrograms {
public:
    std::vector<QString> opened, printed;
    bool openInViewer(const QString& path) override { opened.push_back(path); return true; }
    void print(const QString& path) override { printed.push_back(path); }
    bool isOpenElsewhere(const QString&) override { return false; }
};

} // namespace

TEST(WpPackage, UnitsEscapingAndPicturesInEveryPart)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("bild.png"));
    QImage image(400, 100, QImage::Format_RGB32); // 96 dpi: 300 x 75 pt
    image.fill(Qt::red);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    ASSERT_TRUE(image.save(png));

    wp::Application word;
    wp::Document& doc = word.Documents().Add();
    wp::Selection& sel = doc.Selection();
    wp::PageSetup& ps = doc.PageSetup();
    ps.TopMargin = ps.LeftMargin = ps.RightMargin = wp::Application::CentimetersToPoints(2.5);
    ps.BottomMargin = wp::Application::CentimetersToPoints(2.0);
    doc.SectionBorders(wp::BorderTop).lineStyle = 1;
    doc.setSeekView(wp::view::SeekCurrentPageHeader);
    sel.addPicture(png);
    doc.setSeekView(wp::view::SeekMainDocument);
    sel.Font().setSize(2);
    sel.TypeText(QStringLiteral("Müller & Söhne <GmbH>") + QChar(1) + QChar(0xD800) + QStringLiteral("\"x\" 😀"));
    sel.TypeParagraph();
    wp::TableRef t = sel.addTable(sel.Range(), 1, 2);
    t.Cell(1, 1).SetWidth(wp::Application::CentimetersToPoints(5), 2);
    t.Cell(1, 1).Range().ParagraphFormat().setSpaceBefore(3);
    t.Cell(1, 1).Range().setShadingBackgroundPatternColor(0xC08040);
    sel.addPicture(png); // scaled to the 5 cm cell less its margins
    sel.EndKey(wp::unit::Story);
    sel.addPicture(png);
    const QString path = dir.filePath(QStringLiteral("out.docx"));
    doc.SaveAs(path);

    const auto p = parts(path);
    for (const auto& [name, text] : p) {
        if (name.endsWith(QLatin1String("xml")) || name.endsWith(QLatin1String("rels"))) {
            EXPECT_TRUE(parses(text)) << name.toStdString();
        }
    }
    const QString& body = p.at(QStringLiteral("word/document.xml"));
    EXPECT_TRUE(body.contains(QStringLiteral("Müller &amp; Söhne &lt;GmbH&gt;&quot;x&quot; 😀")));
    EXPECT_TRUE(body.contains(QStringLiteral("<w:sz w:val=\"4\"/>")));
    EXPECT_TRUE(body.contains(QStringLiteral("w:top=\"1417\" w:right=\"1417\" w:bottom=\"1134\" w:left=\"1417\"")));
    EXPECT_TRUE(body.contains(QStringLiteral("<w:spacing w:before=\"60\"/>")));
    EXPECT_TRUE(body.contains(QStringLiteral("w:fill=\"4080C0\"")));
    EXPECT_TRUE(body.contains(QStringLiteral("<w:gridCol w:w=\"2835\"/>")));
    EXPECT_TRUE(body.contains(QStringLiteral("<w:top w:val=\"single\" w:sz=\"4\" w:space=\"4\" w:color=\"auto\"/>")));
    // Full size in the text area, scaled in the cell: 300 pt = 3810000 EMU; 5 cm less 0.38 cm.
    EXPECT_TRUE(body.contains(QStringLiteral("<wp:extent cx=\"3810000\" cy=\"952500\"/>")));
    EXPECT_TRUE(body.contains(QStringLiteral("<wp:extent cx=\"1663200\" cy=\"415800\"/>")));
    // The header's picture resolves in the header's own relationships; drawing ids are unique.
    const QString& header = p.at(QStringLiteral("word/kl_header1.xml"));
    EXPECT_TRUE(header.contains(QStringLiteral("r:embed=\"rIdKlhdrimg1\"")));
    EXPECT_TRUE(p.at(QStringLiteral("word/_rels/kl_header1.xml.rels")).contains(QStringLiteral("Id=\"rIdKlhdrimg1\"")));
    EXPECT_TRUE(header.contains(QStringLiteral("<wp:docPr id=\"1\"")));
    EXPECT_TRUE(body.contains(QStringLiteral("<wp:docPr id=\"2\"")) && body.contains(QStringLiteral("<wp:docPr id=\"3\"")));
    EXPECT_EQ(p.count(QStringLiteral("word/media/kl_image3.png")), 1u);
    EXPECT_TRUE(p.at(QStringLiteral("[Content_Types].xml")).contains(QStringLiteral("Extension=\"png\"")));

    // Saving where no folder exists fails with an error and leaves nothing behind.
    try {
        doc.SaveAs(dir.filePath(QStringLiteral("missing/out.docx")));
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const common::Error& e) {
        EXPECT_EQ(e.number(), wp::PackageNotStored);
        EXPECT_EQ(e.description(), QString::fromLocal8Bit(std::strerror(ENOENT)));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{QStringLiteral("bild.png"), QStringLiteral("out.docx")}));
}

// Run properties go into the picture markup; a "%n" in them must not take a placeholder's value.
TEST(WpPackage, PercentSignsInAFontNameStayAsTyped)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("p.png"));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(png));
    wp::Application word;
    wp::Document& doc = word.Documents().Add();
    doc.Selection().Font().setName(QStringLiteral("Font %1 %3"));
    doc.Selection().addPicture(png);
    const QString path = dir.filePath(QStringLiteral("out.docx"));
    doc.SaveAs(path);
    const QString body = parts(path).at(QStringLiteral("word/document.xml"));
    EXPECT_TRUE(parses(body));
    EXPECT_TRUE(body.contains(QStringLiteral("w:ascii=\"Font %1 %3\"")));
    EXPECT_TRUE(body.contains(QStringLiteral("<wp:docPr id=\"1\" name=\"Picture 1\"/>")));
    EXPECT_TRUE(body.contains(QStringLiteral("<pic:cNvPr id=\"0\" name=\"image1\"/>")));
}

TEST(WpPackage, DocumentOnATemplateKeepsItsContentAndFooter)
{
    QTemporaryDir dir;
    const QString vorlage = dir.filePath(QStringLiteral("vorlage.dotx"));
    {
        wp::Application word;
        wp::Document& doc = word.Documents().Add();
        doc.Selection().TypeText(QStringLiteral("Vorlage-Text"));
        const QString png = dir.filePath(QStringLiteral("p.png"));
        QImage(10, 10, QImage::Format_RGB32).save(png);
        doc.Selection().addPicture(png); // drawing id 1
        doc.setSeekView(wp::view::SeekCurrentPageHeader); // a letterhead logo: drawing id 2
        doc.Selection().addPicture(png);
        doc.setSeekView(wp::view::SeekCurrentPageFooter);
        doc.Selection().TypeText(QStringLiteral("Fusszeile"));
        doc.setSeekView(wp::view::SeekMainDocument);
        doc.PageSetup().PageHeight = 792;
        doc.PageSetup().PageWidth = 612;
        doc.SaveAs(vorlage);
        // Make it a template package, as word processors write one.
        writeWithReplaced(vorlage, wp::readZipPackage(vorlage), QStringLiteral("[Content_Types].xml"),
                          "wordprocessingml.document.main+xml", "wordprocessingml.template.main+xml");
    }

    wp::Application word;
    wp::Document& doc = word.Documents().Add(vorlage);
    EXPECT_EQ(doc.PageSetup().PageHeight, 792.0);
    doc.Selection().TypeText(QStringLiteral("Bericht"));
    doc.Selection().addPicture(dir.filePath(QStringLiteral("p.png")));
    doc.setSeekView(wp::view::SeekCurrentPageFooter);
    doc.Selection().TypeText(QStringLiteral("Projekt"));
    doc.setSeekView(wp::view::SeekMainDocument);
    const QString path = dir.filePath(QStringLiteral("bericht.docx"));
    doc.SaveAs(path);

    const auto p = parts(path);
    const QString& body = p.at(QStringLiteral("word/document.xml"));
    EXPECT_TRUE(parses(body));
    EXPECT_LT(body.indexOf(QStringLiteral("Vorlage-Text")), body.indexOf(QStringLiteral("Bericht")));
    EXPECT_EQ(body.count(QStringLiteral("<w:sectPr")), 1);
    EXPECT_TRUE(body.contains(QStringLiteral("<w:pgSz w:w=\"12240\" w:h=\"15840\"/>")));
    // New drawing ids continue above every id of the template's parts.
    EXPECT_TRUE(body.contains(QStringLiteral("<wp:docPr id=\"1\"")) && body.contains(QStringLiteral("<wp:docPr id=\"3\"")));
    EXPECT_TRUE(p.at(QStringLiteral("word/kl_header1.xml")).contains(QStringLiteral("<wp:docPr id=\"2\"")));
    const QString& types = p.at(QStringLiteral("[Content_Types].xml"));
    EXPECT_TRUE(types.contains(QStringLiteral("document.main+xml")));
    EXPECT_FALSE(types.contains(QStringLiteral("template.main+xml")));
    // The report's footer content goes in front of the template's footer.
    const QString& footer = p.at(QStringLiteral("word/kl_footer1.xml"));
    EXPECT_TRUE(parses(footer));
    EXPECT_LT(footer.indexOf(QStringLiteral("Projekt")), footer.indexOf(QStringLiteral("Fusszeile")));
    EXPECT_GE(footer.indexOf(QStringLiteral("Projekt")), 0);

    // Anything else is refused with an error.
    const QString kaputt = dir.filePath(QStringLiteral("kaputt.dotx"));
    QFile f(kaputt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("PK not really");
    f.close();
    EXPECT_THROW(word.Documents().Add(kaputt), common::Error);
}

TEST(WpPackage, XmlTextDropsWhatXmlCannotHold)
{
    EXPECT_EQ(wp::xmlText(QStringLiteral("a<b>&\"c\"") + QChar(0) + QChar(11) + QChar(0xFFFE) + QStringLiteral("\t\n")),
              QStringLiteral("a&lt;b&gt;&amp;&quot;c&quot;\t\n"));
}

TEST(WpApplication, PrintPreviewAndLockFiles)
{
    QTemporaryDir dir;
    auto programs = std::make_shared<RecordingPrograms>();
    wp::Application word(programs);
    wp::Document& doc = word.Documents().Add();
    EXPECT_THROW(word.PrintPreview(), common::Error); // not saved yet
    const QString path = dir.filePath(QStringLiteral("r.docx"));
    doc.SaveAs(path);
    word.PrintPreview();
    word.PrintOut(path);
    EXPECT_EQ(programs->opened, std::vector<QString>{path});
    EXPECT_EQ(programs->printed, std::vector<QString>{path});
    // Reading an existing document: shown by the viewer; a missing one is error 53.
    word.OpenReadOnly(path);
    EXPECT_EQ(programs->opened.size(), 2u);
    try {
        word.OpenReadOnly(dir.filePath(QStringLiteral("KeltoLine-Eng.docx")));
        ADD_FAILURE() << "opened a missing file";
    } catch (const common::Error& e) {
        EXPECT_EQ(e.number(), common::errc::FileNotFound);
    }
    EXPECT_EQ(programs->opened.size(), 2u);
    EXPECT_EQ(doc.Name(), QStringLiteral("r.docx"));

    EXPECT_FALSE(wp::officeLockFilePresent(path));
    for (const QString& lock : {QStringLiteral(".~lock.r.docx#"), QStringLiteral("~$r.docx")}) {
        QFile f(dir.filePath(lock));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.close();
        EXPECT_TRUE(wp::officeLockFilePresent(path)) << lock.toStdString();
        QFile::remove(dir.filePath(lock));
    }
    QFile f(dir.filePath(QStringLiteral("~$ng-name.docx")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(wp::officeLockFilePresent(dir.filePath(QStringLiteral("long-name.docx"))));
}

// Drawing ids are unsigned 32-bit values; a template may already use the largest signed one.
TEST(WpPackage, DrawingIdsContinueAboveTheLargestSignedValue)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("p.png"));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(png));
    const QString vorlage = dir.filePath(QStringLiteral("vorlage.docx"));
    {
        wp::Application word;
        wp::Document& doc = word.Documents().Add();
        doc.Selection().addPicture(png);
        doc.SaveAs(vorlage);
        writeWithReplaced(vorlage, wp::readZipPackage(vorlage), QStringLiteral("word/document.xml"),
                          "<wp:docPr id=\"1\" name=\"Picture 1\"/>", "<wp:docPr id=\"2147483647\" name=\"Picture 1\"/>");
    }
    wp::Application word;
    wp::Document& doc = word.Documents().Add(vorlage);
    doc.Selection().addPicture(png);
    const QString path = dir.filePath(QStringLiteral("out.docx"));
    doc.SaveAs(path);
    const QString body = parts(path).at(QStringLiteral("word/document.xml"));
    EXPECT_TRUE(body.contains(QStringLiteral("<wp:docPr id=\"2147483647\"")));
    EXPECT_TRUE(body.contains(QStringLiteral("<wp:docPr id=\"2147483648\"")));
}

// A page size that is no number or no possible page falls back to A4 instead of entering the layout.
TEST(WpPackage, ImpossiblePageSizesOfATemplateGiveA4)
{
    QTemporaryDir dir;
    const QString vorlage = dir.filePath(QStringLiteral("vorlage.docx"));
    {
        wp::Application word;
        wp::Document& doc = word.Documents().Add();
        doc.Selection().TypeText(QStringLiteral("x"));
        doc.PageSetup().PageWidth = 612;
        doc.PageSetup().PageHeight = 792;
        doc.SaveAs(vorlage);
    }
    const wp::PackageParts saved = wp::readZipPackage(vorlage);
    for (const char* size : {"w:w=\"nan\" w:h=\"15840\"", "w:w=\"12240\" w:h=\"inf\"", "w:w=\"1e300\" w:h=\"15840\"",
                             "w:w=\"-12240\" w:h=\"15840\""}) {
        writeWithReplaced(vorlage, saved, QStringLiteral("word/document.xml"), "w:w=\"12240\" w:h=\"15840\"", size);
        wp::Application word;
        wp::Document& doc = word.Documents().Add(vorlage);
        EXPECT_EQ(doc.PageSetup().PageWidth, 595.3) << size;
        EXPECT_EQ(doc.PageSetup().PageHeight, 841.9) << size;
    }
}

// The footer relationship of a template may name its part from the package root, or a part the
// package lacks: the report's footer is written either way.
TEST(WpPackage, TemplateFooterTargetsAbsoluteOrMissing)
{
    QTemporaryDir dir;
    const QString vorlage = dir.filePath(QStringLiteral("vorlage.docx"));
    {
        wp::Application word;
        wp::Document& doc = word.Documents().Add();
        doc.setSeekView(wp::view::SeekCurrentPageFooter);
        doc.Selection().TypeText(QStringLiteral("Fusszeile"));
        doc.SaveAs(vorlage);
    }
    const wp::PackageParts saved = wp::readZipPackage(vorlage);
    for (const char* target : {"Target=\"/word/kl_footer1.xml\"", "Target=\"missing.xml\""}) {
        writeWithReplaced(vorlage, saved, QStringLiteral("word/_rels/document.xml.rels"), "Target=\"kl_footer1.xml\"",
                          target);
        wp::Application word;
        wp::Document& doc = word.Documents().Add(vorlage);
        doc.setSeekView(wp::view::SeekCurrentPageFooter);
        doc.Selection().TypeText(QStringLiteral("Projekt"));
        const QString path = dir.filePath(QStringLiteral("out.docx"));
        doc.SaveAs(path);
        int footersWithReport = 0;
        for (const auto& [name, text] : parts(path))
            if (name.contains(QLatin1String("footer")) && text.contains(QStringLiteral("Projekt"))) {
                ++footersWithReport;
                EXPECT_TRUE(parses(text)) << target;
            }
        EXPECT_EQ(footersWithReport, 1) << target;
    }
}

TEST(WpPackage, AnEarlierReportServesAsTemplate)
{
    QTemporaryDir dir;
    const QString red = dir.filePath(QStringLiteral("red.png"));
    const QString blue = dir.filePath(QStringLiteral("blue.png"));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.save(red);
    image.fill(Qt::blue);
    image.save(blue);
    const QString earlier = dir.filePath(QStringLiteral("earlier.docx"));
    {
        wp::Application word;
        wp::Document& doc = word.Documents().Add();
        doc.Selection().addPicture(red);
        doc.setSeekView(wp::view::SeekCurrentPageHeader);
        doc.Selection().TypeText(QStringLiteral("old header"));
        doc.SaveAs(earlier);
    }
    wp::Application word;
    wp::Document& doc = word.Documents().Add(earlier);
    doc.Selection().addPicture(blue);
    doc.setSeekView(wp::view::SeekCurrentPageHeader);
    doc.Selection().TypeText(QStringLiteral("new header"));
    const QString path = dir.filePath(QStringLiteral("next.docx"));
    doc.SaveAs(path);

    // Both pictures keep their own files and relationship ids.
    std::map<QString, QByteArray> files;
    std::set<QString> names;
    for (const auto& [name, data] : wp::readZipPackage(path)) {
        EXPECT_TRUE(names.insert(name).second) << name.toStdString();
        files[name] = data;
    }
    QByteArray redBytes, blueBytes;
    for (const auto& [file, bytes] : {std::pair{red, &redBytes}, std::pair{blue, &blueBytes}}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        *bytes = f.readAll();
    }
    int redCount = 0, blueCount = 0;
    for (const auto& [name, data] : files) {
        redCount += data == redBytes;
        blueCount += data == blueBytes;
    }
    EXPECT_EQ(redCount, 1);
    EXPECT_EQ(blueCount, 1);
    const QString rels = QString::fromUtf8(files.at(QStringLiteral("word/_rels/document.xml.rels")));
    std::set<QString> ids;
    static const QRegularExpression id(QStringLiteral("Id=\"([^\"]+)\""));
    for (const auto& m : id.globalMatch(rels))
        EXPECT_TRUE(ids.insert(m.captured(1)).second) << m.captured(1).toStdString();
    const QString body = QString::fromUtf8(files.at(QStringLiteral("word/document.xml")));
    EXPECT_EQ(body.count(QStringLiteral("w:headerReference w:type=\"default\"")), 1);
    EXPECT_TRUE(parses(body));
}

// A package held in memory reads as the same file does; bytes that are no package, or a package
// cut short, give the package error.
TEST(WpPackage, PackageInMemoryReadsAsTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bericht.docx"));
    {
        wp::Application word;
        wp::Document& doc = word.Documents().Add();
        doc.Selection().TypeText(QStringLiteral("Ölkühler"));
        doc.SaveAs(path);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(wp::readZipPackageData(bytes, QStringLiteral("bericht")), wp::readZipPackage(path));
    EXPECT_EQ(wp::readTemplateParts(wp::readZipPackageData(bytes, QStringLiteral("bericht")), QStringLiteral("bericht")).bodyBlocks,
              wp::readTemplatePackage(path).bodyBlocks);
    for (const QByteArray& broken : {QByteArray(), QByteArray("PK\x03\x04 no zip"), bytes.left(bytes.size() / 2)}) {
        try {
            wp::readZipPackageData(broken, QStringLiteral("kaputt"));
            ADD_FAILURE() << "accepted " << broken.size() << " bytes";
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), wp::PackageError);
            EXPECT_TRUE(e.description().contains(QStringLiteral("kaputt"))) << e.description().toStdString();
        }
    }
}

// On a full disk the report is refused and an earlier report of the same name stays whole.
TEST(WpPackage, AFullDiskKeepsTheEarlierDocument)
{
    FullFolder folder;
    const wp::PackageParts parts{{QStringLiteral("word/document.xml"), QByteArray(20000, 'x')},
                                 {QStringLiteral("[Content_Types].xml"), QByteArray("<Types/>")}};
    wp::writeZipPackage(folder.filePath(QStringLiteral("Report.docx")), parts);
    const QByteArray earlier = folder.bytesOf(QStringLiteral("Report.docx"));
    folder.fill();

    wp::PackageParts changed = parts;
    changed[0].second = QByteArray(30000, 'y');
    bool refused = false;
    try {
        wp::writeZipPackage(folder.filePath(QStringLiteral("Report.docx")), changed);
    } catch (const common::Error& e) {
        refused = e.source() == QStringLiteral("wp.Document.SaveAs");
        // The system's reason, for the program to put after its own words.
        EXPECT_EQ(e.number(), wp::PackageNotStored);
        EXPECT_EQ(e.description(), QString::fromLocal8Bit(std::strerror(folder.isSmallFileSystem() ? ENOSPC : EFBIG)));
    }
    EXPECT_TRUE(refused);
    EXPECT_EQ(folder.bytesOf(QStringLiteral("Report.docx")), earlier);
    EXPECT_EQ(folder.entries(), QStringList({"Report.docx"}));
    folder.release();
    const auto back = wp::readZipPackage(folder.filePath(QStringLiteral("Report.docx")));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].second, parts[0].second);
}
