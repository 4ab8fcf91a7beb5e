#include "wp/document.h"
#include "common/error.h"
#include "wp/docxwriter.h"
#include "wp/selection.h"
#include "wp/templatepackage.h"
#include "wp/zippackage.h"
#include <QFileInfo>
#include <QLocale>

namespace wp {

Paper Paper::systemDefault()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? letter() : a4();
}

Document::Document(QString name, Paper paper)
    : m_name(std::move(name)), m_selection(std::make_unique<wp::Selection>(*this))
{
    m_pageSetup.PageWidth = paper.width;
    m_pageSetup.PageHeight = paper.height;
}

Document::~Document() = default;

Border& Document::SectionBorders(int side)
{
    if (side > -1 || side < -4)
        common::raise(5941, QStringLiteral("wp.Sections.Borders"),
                      QStringLiteral("The requested member of the collection does not exist."));
    m_dirty = true;
    return m_pageBorders[std::size_t(-side - 1)];
}

void Document::addTabStopToParagraphs(double points)
{
    ParaFormat stop;
    stop.leftTabStops = {points};
    m_body.forEachParagraph([&](Paragraph& p) { p.format.merge(stop); });
    m_dirty = true;
}

TableRef Document::addTable(const Range& at, int rows, int cols, int behaviour, int autoFit)
{
    (void)autoFit; // every table is written with fixed column widths
    if (rows < 1 || cols < 1 || rows > 32767 || cols > 63)
        common::raise(common::errc::InvalidArgument, QStringLiteral("wp.Tables.Add"),
                      QStringLiteral("Invalid table size %1 x %2").arg(rows).arg(cols));
    Story& story = at.story();
    wp::Selection& sel = *m_selection;
    const double width = &story == &sel.story() && sel.table()
                             ? sel.table()->cells[std::size_t(sel.cellIndex())].width.value_or(
                                   sel.table()->totalWidth / sel.table()->cols) - 10.8
                             : m_pageSetup.textWidth();

    // A table goes before an empty paragraph; a paragraph with content is ended first.
    if (!story.lastParagraph().isEmpty()) {
        const Paragraph& last = story.lastParagraph();
        story.appendParagraph(last.format, last.mark);
    }
    const Paragraph& anchor = story.lastParagraph();
    auto table = std::make_unique<Table>();
    table->rows = rows;
    table->cols = cols;
    table->totalWidth = width;
    if (behaviour == 0) {
        for (Border& b : table->borders)
            b = Border{1, 4, Colour{}};
        table->border(BorderDiagonalDown).lineStyle = 0;
        table->border(BorderDiagonalUp).lineStyle = 0;
    }
    table->cells.resize(std::size_t(rows * cols));
    for (CellModel& cell : table->cells) {
        cell.story.lastParagraph().format = anchor.format;
        cell.story.lastParagraph().mark = anchor.mark;
    }
    Block block;
    block.table = std::move(table);
    Table* added = block.table.get();
    story.blocks.insert(story.blocks.end() - 1, std::move(block));
    sel.moveTo(added->cells.front().story, added, 0);
    m_dirty = true;
    return TableRef(*this, *added);
}

void Document::setSeekView(int seek)
{
    wp::Selection& sel = *m_selection;
    switch (seek) {
    case view::SeekCurrentPageHeader:
        if (!m_header)
            m_header = std::make_unique<Story>();
        sel.m_seek = seek;
        sel.moveTo(*m_header, nullptr, 0);
        break;
    case view::SeekCurrentPageFooter:
        if (!m_footer)
            m_footer = std::make_unique<Story>();
        sel.m_seek = seek;
        sel.moveTo(*m_footer, nullptr, 0);
        break;
    case view::SeekMainDocument:
        sel.m_seek = seek;
        sel.moveTo(m_body, nullptr, 0);
        break;
    default:
        common::raise(common::errc::InvalidArgument, QStringLiteral("wp.View.SeekView"),
                      QStringLiteral("Unsupported seek view %1").arg(seek));
    }
}

int Document::addMedia(Media media)
{
    m_media.push_back(std::move(media));
    return int(m_media.size()) - 1;
}

void Document::SaveAs(const QString& path)
{
    writeZipPackage(path, buildDocxPackage(*this));
    m_path = path;
    m_name = QFileInfo(path).fileName();
    m_dirty = false;
}

void Document::applyTemplate(const QString& path)
{
    applyTemplate(readTemplatePackage(path));
}

void Document::applyTemplate(TemplatePackage templatePackage)
{
    auto package = std::make_unique<TemplatePackage>(std::move(templatePackage));
    m_pageSetup.PageWidth = package->pageWidthPoints;
    m_pageSetup.PageHeight = package->pageHeightPoints;
    m_nextDocPrId = package->maxDocPrId + 1;
    m_template = std::move(package);
    m_dirty = true;
}

} // namespace wp
