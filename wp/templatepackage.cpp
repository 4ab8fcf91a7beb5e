#include "wp/templatepackage.h"
#include "common/error.h"
#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace wp {

namespace {

[[noreturn]] void refuse(const QString& path, const QString& why)
{
    common::raise(PackageError, QStringLiteral("wp.Documents.Add"), QStringLiteral("%1: %2").arg(path, why));
}

// Parses a part, refusing document type declarations; calls visit for every start element.
void scan(const QByteArray& xml, const QString& path, const std::function<void(QXmlStreamReader&)>& visit)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::DTD)
            refuse(path, QStringLiteral("document type declarations are not accepted"));
        if (token == QXmlStreamReader::StartElement)
            visit(reader);
    }
    if (reader.hasError())
        refuse(path, reader.errorString());
}

const QByteArray* findPart(const PackageParts& parts, const QString& name)
{
    for (const auto& [n, data] : parts)
        if (n == name)
            return &data;
    return nullptr;
}

} // namespace

TemplatePackage readTemplatePackage(const QString& path)
{
    return readTemplateParts(readZipPackage(path), path);
}

TemplatePackage readTemplateParts(const PackageParts& parts, const QString& path)
{
    const QByteArray* types = findPart(parts, QStringLiteral("[Content_Types].xml"));
    const QByteArray* main = findPart(parts, QStringLiteral("word/document.xml"));
    if (!types || !main)
        refuse(path, QStringLiteral("no WordprocessingML document"));

    TemplatePackage tpl;
    scan(*types, path, [&](QXmlStreamReader& r) {
        const auto a = r.attributes();
        if (r.name() == QLatin1String("Default"))
            tpl.defaults.emplace_back(a.value(QLatin1String("Extension")).toString(), a.value(QLatin1String("ContentType")).toString());
        else if (r.name() == QLatin1String("Override"))
            tpl.overrides.emplace_back(a.value(QLatin1String("PartName")).toString(), a.value(QLatin1String("ContentType")).toString());
    });

    if (const QByteArray* rels = findPart(parts, QStringLiteral("word/_rels/document.xml.rels")))
        scan(*rels, path, [&](QXmlStreamReader& r) {
            if (r.name() != QLatin1String("Relationship"))
                return;
            const auto a = r.attributes();
            tpl.documentRels.push_back({a.value(QLatin1String("Id")).toString(), a.value(QLatin1String("Type")).toString(),
                                        a.value(QLatin1String("Target")).toString(),
                                        a.value(QLatin1String("TargetMode")).toString()});
        });

    // Page size, section references and drawing ids of the main part.
    QString footerId;
    bool inSection = false;
    scan(*main, path, [&](QXmlStreamReader& r) {
        const auto a = r.attributes();
        if (r.qualifiedName() == QLatin1String("w:sectPr"))
            inSection = true;
        if (r.qualifiedName() == QLatin1String("w:pgSz") && inSection) {
            tpl.pageWidthPoints = a.value(QLatin1String("w:w")).toDouble() / 20.0;
            tpl.pageHeightPoints = a.value(QLatin1String("w:h")).toDouble() / 20.0;
        }
        if ((r.qualifiedName() == QLatin1String("w:headerReference") || r.qualifiedName() == QLatin1String("w:footerReference"))
            && inSection) {
            const QString type = a.value(QLatin1String("w:type")).toString();
            const QString id = a.value(QLatin1String("r:id")).toString();
            tpl.references << QStringLiteral("<%1 w:type=\"%2\" r:id=\"%3\"/>").arg(r.qualifiedName().toString(), type, id);
            if (r.qualifiedName() == QLatin1String("w:footerReference") && type == QLatin1String("default"))
                footerId = id;
        }
        if (r.name() == QLatin1String("docPr"))
            tpl.maxDocPrId = std::max(tpl.maxDocPrId, a.value(QLatin1String("id")).toLongLong());
    });
    // A page is at most 22 inches a side; anything else (missing, "nan", "1e999") is no page size.
    const auto pageSide = [](double points) { return points > 0 && points <= 22 * 72.0; };
    if (!pageSide(tpl.pageWidthPoints) || !pageSide(tpl.pageHeightPoints)) {
        tpl.pageWidthPoints = 595.3;
        tpl.pageHeightPoints = 841.9;
    }
    // The footer's target is relative to "word/" or absolute from the package root; a footer part
    // the package lacks is no footer to write into (the report then writes one of its own).
    for (const Relationship& rel : tpl.documentRels) {
        if (rel.id != footerId || footerId.isEmpty() || !rel.targetMode.isEmpty())
            continue;
        const QString part = rel.target.startsWith(QLatin1Char('/'))
                                 ? QDir::cleanPath(rel.target).mid(1)
                                 : QDir::cleanPath(QStringLiteral("word/") + rel.target);
        if (findPart(parts, part))
            tpl.defaultFooterPart = part;
    }

    // Split the main part around the body's blocks; the last section properties are ours to write.
    const QString text = QString::fromUtf8(*main);
    static const QRegularExpression bodyStart(QStringLiteral("<w:body\\s*>"));
    const auto startMatch = bodyStart.match(text);
    const qsizetype bodyEnd = text.lastIndexOf(QLatin1String("</w:body>"));
    if (!startMatch.hasMatch() || bodyEnd < 0)
        refuse(path, QStringLiteral("the main part has no body with the usual prefix"));
    const qsizetype blocksStart = startMatch.capturedEnd();
    const qsizetype sectStart = text.lastIndexOf(QLatin1String("<w:sectPr"), bodyEnd);
    const qsizetype blocksEnd = sectStart >= blocksStart ? sectStart : bodyEnd;
    QString head = text.left(blocksStart);
    for (const auto& [prefix, uri] :
         {std::pair{"r", "http://schemas.openxmlformats.org/officeDocument/2006/relationships"},
          std::pair{"wp", "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"},
          std::pair{"a", "http://schemas.openxmlformats.org/drawingml/2006/main"},
          std::pair{"pic", "http://schemas.openxmlformats.org/drawingml/2006/picture"}}) {
        const QString decl = QStringLiteral("xmlns:%1=").arg(QLatin1String(prefix));
        if (!head.contains(decl)) {
            const qsizetype root = head.indexOf(QLatin1String("<w:document"));
            if (root < 0)
                refuse(path, QStringLiteral("the main part has no document element"));
            head.insert(root + 11, QStringLiteral(" %1\"%2\"").arg(decl, QLatin1String(uri)));
        }
    }
    tpl.documentHead = head;
    tpl.bodyBlocks = text.mid(blocksStart, blocksEnd - blocksStart);
    tpl.documentTail = text.mid(bodyEnd);

    // Drawing ids must be unique across the package: a template's header may hold a logo too.
    static const QRegularExpression drawingId(QStringLiteral("<\\w+:docPr\\b[^>]*\\bid=\"(\\d+)\""));
    for (const auto& [name, data] : parts) {
        if (name == QLatin1String("[Content_Types].xml") || name == QLatin1String("word/document.xml")
            || name == QLatin1String("word/_rels/document.xml.rels"))
            continue;
        if (name.endsWith(QLatin1String(".xml")))
            for (const auto& m : drawingId.globalMatch(QString::fromUtf8(data)))
                tpl.maxDocPrId = std::max(tpl.maxDocPrId, m.captured(1).toLongLong());
        tpl.otherParts.emplace_back(name, data);
    }
    return tpl;
}

} // namespace wp
