#include "wp/docxwriter.h"
#include "wp/document.h"
#include "wp/templatepackage.h"
#include <QMap>
#include <cmath>

namespace wp {

namespace {

const QString NsW = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString NsR = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString NsWp = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");
const QString NsA = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main");
const QString NsPic = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture");
const QString RelImage = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/image");
const QString RelHeader = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/header");
const QString RelFooter = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/footer");
const QString RelStyles = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles");
const QString RelSettings = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings");
const QString CtMain = QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
const QString CtHeader = QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml");
const QString CtFooter = QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml");
const QString CtStyles = QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml");
const QString CtSettings = QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml");
const QString XmlDecl = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n");

// Column width when a table was added with no width known.
constexpr double CellMarginTwips = 108;

int twips(double points)
{
    return int(std::lround(points * 20.0));
}

QString attr(const QString& name, const QString& value)
{
    return QStringLiteral(" %1=\"%2\"").arg(name, xmlText(value));
}

QString attr(const QString& name, long long value)
{
    return QStringLiteral(" %1=\"%2\"").arg(name).arg(value);
}

QString namespaces()
{
    return attr(QStringLiteral("xmlns:w"), NsW) + attr(QStringLiteral("xmlns:r"), NsR)
           + attr(QStringLiteral("xmlns:wp"), NsWp) + attr(QStringLiteral("xmlns:a"), NsA)
           + attr(QStringLiteral("xmlns:pic"), NsPic);
}

// Writes the stories of one part; collects the part's picture relationships.
class PartWriter {
public:
    explicit PartWriter(QString relPrefix) : m_relPrefix(std::move(relPrefix)) {}

    QString story(const Story& s)
    {
        QString out;
        for (const Block& block : s.blocks)
            out += block.paragraph ? paragraph(*block.paragraph) : table(*block.table);
        return out;
    }

    // media index -> relationship id of this part
    const QMap<int, QString>& imageRels() const { return m_images; }

private:
    static QString runProperties(const CharFormat& f)
    {
        QString p;
        if (f.name)
            p += QStringLiteral("<w:rFonts%1%2%3/>")
                     .arg(attr(QStringLiteral("w:ascii"), *f.name), attr(QStringLiteral("w:hAnsi"), *f.name),
                          attr(QStringLiteral("w:cs"), *f.name));
        if (f.bold)
            p += *f.bold ? QStringLiteral("<w:b/><w:bCs/>") : QStringLiteral("<w:b w:val=\"0\"/><w:bCs w:val=\"0\"/>");
        if (f.colour)
            p += QStringLiteral("<w:color w:val=\"%1\"/>").arg(f.colour->hex());
        if (f.size) {
            const int half = int(std::lround(*f.size * 2));
            p += QStringLiteral("<w:sz w:val=\"%1\"/><w:szCs w:val=\"%1\"/>").arg(half);
        }
        if (f.underline)
            p += QStringLiteral("<w:u w:val=\"%1\"/>").arg(*f.underline ? QStringLiteral("single") : QStringLiteral("none"));
        return p.isEmpty() ? QString() : QStringLiteral("<w:rPr>%1</w:rPr>").arg(p);
    }

    static QString paragraphProperties(const Paragraph& par)
    {
        const ParaFormat& f = par.format;
        QString p;
        if (!f.leftTabStops.empty()) {
            p += QStringLiteral("<w:tabs>");
            for (double stop : f.leftTabStops)
                p += QStringLiteral("<w:tab w:val=\"left\" w:pos=\"%1\"/>").arg(twips(stop));
            p += QStringLiteral("</w:tabs>");
        }
        QString spacing;
        if (f.spaceBefore)
            spacing += attr(QStringLiteral("w:before"), twips(*f.spaceBefore));
        if (f.spaceBeforeAuto)
            spacing += attr(QStringLiteral("w:beforeAutospacing"), *f.spaceBeforeAuto ? 1 : 0);
        if (f.spaceAfter)
            spacing += attr(QStringLiteral("w:after"), twips(*f.spaceAfter));
        if (f.spaceAfterAuto)
            spacing += attr(QStringLiteral("w:afterAutospacing"), *f.spaceAfterAuto ? 1 : 0);
        if (f.lineSpacingRule && *f.lineSpacingRule == 0)
            spacing += QStringLiteral(" w:line=\"240\" w:lineRule=\"auto\"");
        if (!spacing.isEmpty())
            p += QStringLiteral("<w:spacing%1/>").arg(spacing);
        if (f.leftIndent || f.rightIndent) {
            QString ind;
            if (f.leftIndent)
                ind += attr(QStringLiteral("w:left"), twips(*f.leftIndent));
            if (f.rightIndent)
                ind += attr(QStringLiteral("w:right"), twips(*f.rightIndent));
            p += QStringLiteral("<w:ind%1/>").arg(ind);
        }
        if (f.alignment) {
            static const char* const names[] = {"left", "center", "right", "both"};
            const int a = std::clamp(*f.alignment, 0, 3);
            p += QStringLiteral("<w:jc w:val=\"%1\"/>").arg(QLatin1String(names[a]));
        }
        p += runProperties(par.mark);
        return p.isEmpty() ? QString() : QStringLiteral("<w:pPr>%1</w:pPr>").arg(p);
    }

    QString paragraph(const Paragraph& par)
    {
        QString out = QStringLiteral("<w:p>") + paragraphProperties(par);
        for (const Inline& item : par.inlines) {
            if (const auto* run = std::get_if<Run>(&item)) {
                out += QStringLiteral("<w:r>%1<w:t xml:space=\"preserve\">%2</w:t></w:r>")
                           .arg(runProperties(run->format), xmlText(run->text));
            } else if (const auto* tab = std::get_if<Tab>(&item)) {
                out += QStringLiteral("<w:r>%1<w:tab/></w:r>").arg(runProperties(tab->format));
            } else if (const auto* br = std::get_if<LineBreak>(&item)) {
                out += QStringLiteral("<w:r>%1<w:br/></w:r>").arg(runProperties(br->format));
            } else if (std::holds_alternative<PageBreak>(item)) {
                out += QStringLiteral("<w:r><w:br w:type=\"page\"/></w:r>");
            } else if (const auto* pic = std::get_if<Picture>(&item)) {
                out += picture(*pic, par.mark);
            } else if (const auto* fld = std::get_if<Field>(&item)) {
                const QString instr = fld->type == field::Page       ? QStringLiteral(" PAGE ")
                                      : fld->type == field::NumPages ? QStringLiteral(" NUMPAGES ")
                                                                     : QStringLiteral(" DATE ");
                out += QStringLiteral("<w:fldSimple%1><w:r>%2<w:t>%3</w:t></w:r></w:fldSimple>")
                           .arg(attr(QStringLiteral("w:instr"), instr), runProperties(fld->format), xmlText(fld->cached));
            }
        }
        return out + QStringLiteral("</w:p>");
    }

    QString picture(const Picture& pic, const CharFormat& format)
    {
        QString rel = m_images.value(pic.media);
        if (rel.isEmpty()) {
            rel = QStringLiteral("%1img%2").arg(m_relPrefix).arg(pic.media + 1);
            m_images.insert(pic.media, rel);
        }
        const QString ext = QStringLiteral("<wp:extent cx=\"%1\" cy=\"%2\"/>").arg(pic.cx).arg(pic.cy);
        return QStringLiteral(
                   "<w:r>%1<w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\">%2"
                   "<wp:docPr id=\"%3\" name=\"Picture %3\"/><wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect=\"1\"/>"
                   "</wp:cNvGraphicFramePr><a:graphic><a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
                   "<pic:pic><pic:nvPicPr><pic:cNvPr id=\"0\" name=\"image%4\"/><pic:cNvPicPr/></pic:nvPicPr>"
                   "<pic:blipFill><a:blip r:embed=\"%5\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill>"
                   "<pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"%6\" cy=\"%7\"/></a:xfrm>"
                   "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr></pic:pic></a:graphicData></a:graphic>"
                   "</wp:inline></w:drawing></w:r>")
            // One pass: a chained arg() would also replace "%n" inside a font name.
            .arg(runProperties(format), ext, QString::number(pic.docPrId), QString::number(pic.media + 1), rel,
                 QString::number(pic.cx), QString::number(pic.cy));
    }

    static QString border(const char* name, const Border& b)
    {
        if (b.lineStyle == 0)
            return QStringLiteral("<w:%1 w:val=\"nil\"/>").arg(QLatin1String(name));
        return QStringLiteral("<w:%1 w:val=\"single\" w:sz=\"%2\" w:space=\"0\" w:color=\"%3\"/>")
            .arg(QLatin1String(name))
            .arg(b.lineWidth)
            .arg(b.colour.hex());
    }

    QString table(const Table& t)
    {
        std::vector<int> widths;
        for (int c = 1; c <= t.cols; ++c)
            widths.push_back(twips(t.cell(1, c).width.value_or(t.totalWidth / t.cols)));
        int total = 0;
        for (int w : widths)
            total += w;
        QString out = QStringLiteral("<w:tbl><w:tblPr><w:tblW w:w=\"%1\" w:type=\"dxa\"/><w:tblBorders>").arg(total);
        out += border("top", t.border(BorderTop)) + border("left", t.border(BorderLeft))
               + border("bottom", t.border(BorderBottom)) + border("right", t.border(BorderRight))
               + border("insideH", t.border(BorderHorizontal)) + border("insideV", t.border(BorderVertical));
        out += QStringLiteral("</w:tblBorders><w:tblLayout w:type=\"fixed\"/><w:tblCellMar>"
                              "<w:left w:w=\"%1\" w:type=\"dxa\"/><w:right w:w=\"%1\" w:type=\"dxa\"/></w:tblCellMar>"
                              "<w:tblLook w:val=\"0000\"/></w:tblPr><w:tblGrid>")
                   .arg(CellMarginTwips);
        for (int w : widths)
            out += QStringLiteral("<w:gridCol w:w=\"%1\"/>").arg(w);
        out += QStringLiteral("</w:tblGrid>");
        const bool diagonals = t.border(BorderDiagonalDown).lineStyle || t.border(BorderDiagonalUp).lineStyle;
        for (int r = 1; r <= t.rows; ++r) {
            out += QStringLiteral("<w:tr>");
            for (int c = 1; c <= t.cols; ++c) {
                const CellModel& cell = t.cell(r, c);
                out += QStringLiteral("<w:tc><w:tcPr><w:tcW w:w=\"%1\" w:type=\"dxa\"/>")
                           .arg(cell.width ? twips(*cell.width) : widths[std::size_t(c - 1)]);
                if (diagonals)
                    out += QStringLiteral("<w:tcBorders>%1%2</w:tcBorders>")
                               .arg(border("tl2br", t.border(BorderDiagonalDown)), border("tr2bl", t.border(BorderDiagonalUp)));
                if (cell.shading)
                    out += QStringLiteral("<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"%1\"/>").arg(cell.shading->hex());
                if (cell.verticalAlignment) {
                    const int v = *cell.verticalAlignment;
                    out += QStringLiteral("<w:vAlign w:val=\"%1\"/>")
                               .arg(v == 1 ? QStringLiteral("center") : v == 3 ? QStringLiteral("bottom") : QStringLiteral("top"));
                }
                out += QStringLiteral("</w:tcPr>") + story(cell.story) + QStringLiteral("</w:tc>");
            }
            out += QStringLiteral("</w:tr>");
        }
        if (t.shadow) // the shadow switch draws the right and bottom borders as a shadow
            out.replace(QStringLiteral("<w:right w:val=\"single\""), QStringLiteral("<w:right w:val=\"single\" w:shadow=\"1\""));
        return out + QStringLiteral("</w:tbl>");
    }

    QString m_relPrefix;
    QMap<int, QString> m_images;
};

QString relationshipsXml(const std::vector<Relationship>& rels)
{
    QString out = XmlDecl + QStringLiteral("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">");
    for (const Relationship& r : rels) {
        out += QStringLiteral("<Relationship%1%2%3").arg(attr(QStringLiteral("Id"), r.id), attr(QStringLiteral("Type"), r.type),
                                                           attr(QStringLiteral("Target"), r.target));
        if (!r.targetMode.isEmpty())
            out += attr(QStringLiteral("TargetMode"), r.targetMode);
        out += QStringLiteral("/>");
    }
    return out + QStringLiteral("</Relationships>");
}

QString mediaName(const QString& tag, int index, const Media& m)
{
    return QStringLiteral("media/%1_image%2.%3").arg(tag.toLower()).arg(index + 1).arg(m.extension);
}

void addImageRels(const PartWriter& writer, const Document& doc, const QString& tag, std::vector<Relationship>& rels)
{
    for (auto it = writer.imageRels().cbegin(); it != writer.imageRels().cend(); ++it)
        rels.push_back({it.value(), RelImage, mediaName(tag, it.key(), doc.media()[std::size_t(it.key())]), {}});
}

// The tag of the names this writer gives parts, media and relationships: "Kl", or "Kl2", "Kl3" ...
// when a template (perhaps an earlier report) already uses it.
QString uniqueTag(const TemplatePackage* tpl)
{
    for (int n = 1;; ++n) {
        const QString tag = n == 1 ? QStringLiteral("Kl") : QStringLiteral("Kl%1").arg(n);
        if (!tpl)
            return tag;
        const QString lower = tag.toLower() + QLatin1Char('_');
        bool used = std::any_of(tpl->otherParts.begin(), tpl->otherParts.end(),
                                [&](const auto& part) { return part.first.contains(lower, Qt::CaseInsensitive); });
        used = used || std::any_of(tpl->documentRels.begin(), tpl->documentRels.end(),
                                   [&](const Relationship& r) { return r.id.startsWith(QStringLiteral("rId") + tag); });
        if (!used)
            return tag;
    }
}

QString stylesXml(const Document& doc)
{
    return XmlDecl + QStringLiteral(
        "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" "
        "w:cs=\"Times New Roman\" w:eastAsia=\"Times New Roman\"/><w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/>"
        "<w:lang w:val=\"%1\" w:eastAsia=\"%1\"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr/></w:pPrDefault></w:docDefaults>"
        "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/><w:qFormat/></w:style>"
        "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\"><w:name w:val=\"Normal Table\"/>"
        "<w:tblPr><w:tblInd w:w=\"0\" w:type=\"dxa\"/><w:tblCellMar><w:top w:w=\"0\" w:type=\"dxa\"/>"
        "<w:left w:w=\"108\" w:type=\"dxa\"/><w:bottom w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"108\" w:type=\"dxa\"/>"
        "</w:tblCellMar></w:tblPr></w:style></w:styles>")
        .arg(xmlText(doc.language().name().replace(QLatin1Char('_'), QLatin1Char('-'))));
}

QString settingsXml(const Document& doc)
{
    QString view = doc.viewType() == view::PrintLayout ? QStringLiteral("<w:view w:val=\"print\"/>") : QString();
    return XmlDecl + QStringLiteral("<w:settings xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">%1"
                                    "<w:zoom w:percent=\"100\"/><w:hideSpellingErrors/><w:hideGrammaticalErrors/>"
                                    "<w:defaultTabStop w:val=\"708\"/><w:compat/></w:settings>")
                         .arg(view);
}

QString sectionXml(Document& doc, const QStringList& references)
{
    const PageSetup& ps = doc.PageSetup();
    QString out = QStringLiteral("<w:sectPr>") + references.join(QString());
    out += QStringLiteral("<w:pgSz w:w=\"%1\" w:h=\"%2\"/>").arg(twips(ps.PageWidth)).arg(twips(ps.PageHeight));
    out += QStringLiteral("<w:pgMar w:top=\"%1\" w:right=\"%2\" w:bottom=\"%3\" w:left=\"%4\" w:header=\"%5\" "
                          "w:footer=\"%6\" w:gutter=\"0\"/>")
               .arg(twips(ps.TopMargin))
               .arg(twips(ps.RightMargin))
               .arg(twips(ps.BottomMargin))
               .arg(twips(ps.LeftMargin))
               .arg(twips(ps.HeaderDistance))
               .arg(twips(ps.FooterDistance));
    const auto& pb = doc.pageBorders();
    if (std::any_of(pb.begin(), pb.end(), [](const Border& b) { return b.lineStyle != 0; })) {
        out += QStringLiteral("<w:pgBorders w:offsetFrom=\"text\">");
        const char* names[] = {"top", "left", "bottom", "right"};
        for (int i = 0; i < 4; ++i) {
            const Border& b = pb[std::size_t(i)];
            if (b.lineStyle != 0)
                out += QStringLiteral("<w:%1 w:val=\"single\" w:sz=\"%2\" w:space=\"4\" w:color=\"%3\"/>")
                           .arg(QLatin1String(names[i]))
                           .arg(b.lineWidth)
                           .arg(b.colour.hex());
        }
        out += QStringLiteral("</w:pgBorders>");
    }
    return out + QStringLiteral("</w:sectPr>");
}

QString contentTypesXml(const std::vector<std::pair<QString, QString>>& defaults,
                        const std::vector<std::pair<QString, QString>>& overrides)
{
    QString out = XmlDecl + QStringLiteral("<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">");
    for (const auto& [ext, type] : defaults)
        out += QStringLiteral("<Default%1%2/>").arg(attr(QStringLiteral("Extension"), ext), attr(QStringLiteral("ContentType"), type));
    for (const auto& [part, type] : overrides)
        out += QStringLiteral("<Override%1%2/>").arg(attr(QStringLiteral("PartName"), part), attr(QStringLiteral("ContentType"), type));
    return out + QStringLiteral("</Types>");
}

void setEntry(std::vector<std::pair<QString, QString>>& list, const QString& key, const QString& value)
{
    for (auto& [k, v] : list)
        if (k.compare(key, Qt::CaseInsensitive) == 0) {
            v = value;
            return;
        }
    list.emplace_back(key, value);
}

QString imageContentType(const QString& ext)
{
    return QStringLiteral("image/") + ext;
}

} // namespace

QString xmlText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
            continue;
        }
        if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF || (u < 0x20 && u != 0x09 && u != 0x0A && u != 0x0D))
            continue;
        switch (u) {
        case '&': out += QStringLiteral("&amp;"); break;
        case '<': out += QStringLiteral("&lt;"); break;
        case '>': out += QStringLiteral("&gt;"); break;
        case '"': out += QStringLiteral("&quot;"); break;
        default: out += c;
        }
    }
    return out;
}

PackageParts buildDocxPackage(Document& doc)
{
    const TemplatePackage* tpl = doc.templatePackage();
    const QString tag = uniqueTag(tpl);
    const QString rid = QStringLiteral("rId") + tag;
    PackageParts parts;
    std::vector<Relationship> docRels;
    std::vector<std::pair<QString, QString>> defaults;
    std::vector<std::pair<QString, QString>> overrides;
    QStringList references;
    if (tpl) {
        docRels = tpl->documentRels;
        defaults = tpl->defaults;
        overrides = tpl->overrides;
        references = tpl->references;
    } else {
        docRels.push_back({rid + QStringLiteral("Styles"), RelStyles, QStringLiteral("styles.xml"), {}});
        docRels.push_back({rid + QStringLiteral("Settings"), RelSettings, QStringLiteral("settings.xml"), {}});
        overrides.emplace_back(QStringLiteral("/word/styles.xml"), CtStyles);
        overrides.emplace_back(QStringLiteral("/word/settings.xml"), CtSettings);
    }
    setEntry(defaults, QStringLiteral("rels"), QStringLiteral("application/vnd.openxmlformats-package.relationships+xml"));
    setEntry(defaults, QStringLiteral("xml"), QStringLiteral("application/xml"));
    setEntry(overrides, QStringLiteral("/word/document.xml"), CtMain);
    for (const Media& m : doc.media())
        setEntry(defaults, m.extension, imageContentType(m.extension));

    auto headerFooterPart = [&](const Story& story, const char* root, const QString& name, const QString& relType,
                                const QString& ctype, const QString& refName) {
        PartWriter writer(rid + QLatin1String(root));
        const QString xml = XmlDecl + QStringLiteral("<w:%1%2>").arg(QLatin1String(root), namespaces())
                            + writer.story(story) + QStringLiteral("</w:%1>").arg(QLatin1String(root));
        parts.emplace_back(QStringLiteral("word/%1").arg(name), xml.toUtf8());
        std::vector<Relationship> rels;
        addImageRels(writer, doc, tag, rels);
        if (!rels.empty())
            parts.emplace_back(QStringLiteral("word/_rels/%1.rels").arg(name), relationshipsXml(rels).toUtf8());
        const QString id = rid + QLatin1String(root) + QStringLiteral("Part");
        docRels.push_back({id, relType, name, {}});
        overrides.emplace_back(QStringLiteral("/word/") + name, ctype);
        // Our part replaces a default reference of the same kind.
        references.erase(std::remove_if(references.begin(), references.end(),
                                        [&](const QString& r) {
                                            return r.contains(refName) && !r.contains(QLatin1String("\"first\""))
                                                   && !r.contains(QLatin1String("\"even\""));
                                        }),
                         references.end());
        references.prepend(QStringLiteral("<w:%1 w:type=\"default\" r:id=\"%2\"/>").arg(refName, id));
    };

    if (doc.header())
        headerFooterPart(*doc.header(), "hdr", tag.toLower() + QStringLiteral("_header1.xml"), RelHeader, CtHeader, QStringLiteral("headerReference"));

    // A footer written on a template with a footer of its own goes in front of that footer's content.
    QString mergedFooterName;
    if (doc.footer()) {
        if (tpl && !tpl->defaultFooterPart.isEmpty())
            mergedFooterName = tpl->defaultFooterPart;
        else
            headerFooterPart(*doc.footer(), "ftr", tag.toLower() + QStringLiteral("_footer1.xml"), RelFooter, CtFooter, QStringLiteral("footerReference"));
    }

    PartWriter body(rid + QStringLiteral("Body"));
    const QString blocks = body.story(doc.body());
    addImageRels(body, doc, tag, docRels);
    QString documentXml;
    if (tpl)
        documentXml = tpl->documentHead + tpl->bodyBlocks + blocks + sectionXml(doc, references) + tpl->documentTail;
    else
        documentXml = XmlDecl + QStringLiteral("<w:document%1><w:body>").arg(namespaces()) + blocks
                      + sectionXml(doc, references) + QStringLiteral("</w:body></w:document>");

    PackageParts out;
    out.emplace_back(QStringLiteral("[Content_Types].xml"), contentTypesXml(defaults, overrides).toUtf8());
    if (!tpl)
        out.emplace_back(QStringLiteral("_rels/.rels"),
                         relationshipsXml({{QStringLiteral("rId1"),
                                            QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument"),
                                            QStringLiteral("word/document.xml"), {}}})
                             .toUtf8());
    out.emplace_back(QStringLiteral("word/document.xml"), documentXml.toUtf8());
    out.emplace_back(QStringLiteral("word/_rels/document.xml.rels"), relationshipsXml(docRels).toUtf8());
    if (!tpl) {
        out.emplace_back(QStringLiteral("word/styles.xml"), stylesXml(doc).toUtf8());
        out.emplace_back(QStringLiteral("word/settings.xml"), settingsXml(doc).toUtf8());
    } else {
        for (const auto& [name, data] : tpl->otherParts) {
            if (name == mergedFooterName) {
                // The report's footer holds no pictures, so the template footer's relationships stay as they are.
                PartWriter writer(rid + QStringLiteral("Ftr"));
                QString xml = QString::fromUtf8(data);
                const qsizetype start = xml.indexOf(QLatin1String("<w:ftr"));
                const qsizetype end = start < 0 ? -1 : xml.indexOf(QLatin1Char('>'), start);
                if (end > 0 && xml.at(end - 1) != QLatin1Char('/'))
                    xml.insert(end + 1, writer.story(*doc.footer()));
                out.emplace_back(name, xml.toUtf8());
            } else {
                out.emplace_back(name, data);
            }
        }
    }
    for (auto& part : parts)
        out.push_back(std::move(part));
    for (std::size_t i = 0; i < doc.media().size(); ++i)
        out.emplace_back(QStringLiteral("word/") + mediaName(tag, int(i), doc.media()[i]), doc.media()[i].data);
    return out;
}

} // namespace wp
