// The .dotx/.docx template reader: a package in memory, or its parts given one by one so that
// the XML inside is reached without passing the zip checksums; an accepted template must give a
// document whose own parts are well-formed.
#include "common/error.h"
#include "fuzz/entries/fuzzentries.h"
#include "fuzz/entries/fuzzinput.h"
#include "wp/docxwriter.h"
#include "wp/document.h"
#include "wp/selection.h"
#include "wp/templatepackage.h"
#include "wp/zippackage.h"
#include <QDir>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <array>

namespace fuzzing {

namespace {

const std::array<const char*, 6> PartNames{"[Content_Types].xml", "word/document.xml", "word/_rels/document.xml.rels",
    "word/footer1.xml", "word/header1.xml", "word/styles.xml"};

wp::PackageParts partsOf(Input& in)
{
    wp::PackageParts parts;
    while (!in.empty() && parts.size() < 12) {
        const std::uint8_t pick = in.u8();
        const QString name = pick < 0xF0 ? QString::fromLatin1(PartNames[pick % PartNames.size()]) : in.text(40);
        parts.emplace_back(name, in.longBytes(16384));
    }
    return parts;
}

bool wellFormed(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

// A document as the report writes it on a template: body text, a header and a footer.
wp::PackageParts documentOn(wp::TemplatePackage tpl)
{
    wp::Document doc(QStringLiteral("Document1"), wp::Paper::a4());
    doc.applyTemplate(std::move(tpl));
    doc.Selection().TypeText(QStringLiteral("Ölkühler <Bericht> & \"Daten\""));
    doc.Selection().TypeParagraph();
    doc.setSeekView(wp::view::SeekCurrentPageHeader);
    doc.Selection().TypeText(QStringLiteral("Kopf"));
    doc.setSeekView(wp::view::SeekCurrentPageFooter);
    doc.Selection().TypeText(QStringLiteral("Fuß"));
    doc.setSeekView(wp::view::SeekMainDocument);
    return wp::buildDocxPackage(doc);
}

} // namespace

void templatePackage(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const bool wholePackage = (in.u8() & 1) == 0;
    const QString name = QStringLiteral("fuzz.dotx");
    wp::TemplatePackage tpl;
    try {
        const wp::PackageParts parts = wholePackage ? wp::readZipPackageData(in.rest(), name) : partsOf(in);
        tpl = wp::readTemplateParts(parts, name);
    } catch (const common::Error& e) {
        require(e.number() == wp::PackageError, "a template is refused with an error other than the package error");
        return;
    }
    require(tpl.pageWidthPoints > 0 && tpl.pageHeightPoints > 0, "a template gives no page size");
    const wp::PackageParts written = documentOn(std::move(tpl));
    for (const auto& [part, bytes] : written) {
        const bool ours = part == QLatin1String("[Content_Types].xml") || part == QLatin1String("word/document.xml")
            || part == QLatin1String("word/_rels/document.xml.rels");
        if (ours)
            require(wellFormed(bytes), "a document written on an accepted template has a part that is no XML");
    }
}

std::vector<QByteArray> templatePackageSeeds()
{
    // Documents the word-processor layer writes itself, without and on a template, as whole
    // packages and as parts.
    std::vector<QByteArray> seeds;
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.docx"));
    {
        wp::Document doc(QStringLiteral("Document1"), wp::Paper::letter());
        doc.Selection().TypeText(QStringLiteral("Kelto-Line"));
        doc.setSeekView(wp::view::SeekCurrentPageFooter);
        doc.Selection().TypeText(QStringLiteral("Seite"));
        doc.setSeekView(wp::view::SeekMainDocument);
        doc.SaveAs(plain);
    }
    const QString onTemplate = dir.filePath(QStringLiteral("vorlage.docx"));
    {
        wp::Document doc(QStringLiteral("Document2"), wp::Paper::a4());
        doc.applyTemplate(plain);
        doc.Selection().TypeText(QStringLiteral("Bericht"));
        doc.SaveAs(onTemplate);
    }
    for (const QString& path : {plain, onTemplate}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        seeds.push_back(QByteArray(1, '\0') + file.readAll());
        QByteArray framed(1, '\1');
        for (const auto& [part, bytes] : wp::readZipPackage(path)) {
            std::size_t pick = 0xF0;
            for (std::size_t k = 0; k < PartNames.size(); ++k)
                if (part == QLatin1String(PartNames[k]))
                    pick = k;
            framed.append(static_cast<char>(pick));
            if (pick == 0xF0) {
                const QByteArray n = part.toUtf8().left(40);
                framed.append(static_cast<char>(n.size()));
                framed.append(n);
            }
            const QByteArray content = bytes.left(16384);
            framed.append(static_cast<char>(content.size() & 0xFF));
            framed.append(static_cast<char>((content.size() >> 8) & 0xFF));
            framed.append(content);
        }
        seeds.push_back(framed);
    }
    return seeds;
}

} // namespace fuzzing
