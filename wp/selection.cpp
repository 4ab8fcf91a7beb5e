#include "wp/selection.h"
#include "common/error.h"
#include "wp/pictures.h"
#include <QDate>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace wp {

namespace {

// Default cell margins left and right (0.19 cm).
constexpr double CellMarginPoints = 0.19 * 72.0 / 2.54;

// Appends text to a story's last paragraph: CR LF or CR starts a new paragraph with the same
// formats, character 11 is a line break, TAB a tab, and LF alone also ends a paragraph.
void appendText(Story& story, const QString& text, const CharFormat& format)
{
    QString pending;
    auto flush = [&] {
        if (pending.isEmpty())
            return;
        Paragraph& p = story.lastParagraph();
        if (!p.inlines.empty()) {
            if (auto* run = std::get_if<Run>(&p.inlines.back()); run && run->format == format) {
                run->text += pending;
                pending.clear();
                return;
            }
        }
        p.inlines.push_back(Run{pending, format});
        pending.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            flush();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            const Paragraph& last = story.lastParagraph();
            CharFormat mark = last.mark;
            mark.merge(format);
            story.appendParagraph(last.format, mark);
        } else if (c == QChar(11)) {
            flush();
            story.lastParagraph().inlines.push_back(LineBreak{format});
        } else if (c == QLatin1Char('\t')) {
            flush();
            story.lastParagraph().inlines.push_back(Tab{format});
        } else {
            pending += c;
        }
    }
    flush();
    story.lastParagraph().mark.merge(format);
}

void mergeIntoInlines(Paragraph& p, const CharFormat& format)
{
    p.mark.merge(format);
    for (Inline& item : p.inlines)
        std::visit(
            [&](auto& x) {
                if constexpr (requires { x.format.merge(format); })
                    x.format.merge(format);
            },
            item);
}

} // namespace

// ---- Range -------------------------------------------------------------------------------

void Range::setText(const QString& text)
{
    if (!m_cell) {
        m_doc->Selection().TypeText(text);
        return;
    }
    const Paragraph& first = *m_story->blocks.front().paragraph;
    const ParaFormat format = first.format;
    const CharFormat mark = first.mark;
    m_story->blocks.clear();
    m_story->appendParagraph(format, mark);
    appendText(*m_story, text, mark);
    m_doc->markChanged();
}

QString Range::Text() const
{
    QStringList lines;
    for (const Paragraph* p : m_story->paragraphs())
        lines << p->plainText();
    return lines.join(QLatin1Char('\r'));
}

Font Range::Font()
{
    if (!m_cell)
        return m_doc->Selection().Font();
    return wp::Font(
        [this](const CharFormat& f) {
            m_story->forEachParagraph([&](Paragraph& p) { mergeIntoInlines(p, f); });
            m_doc->markChanged();
        },
        [this] { return m_story->blocks.front().paragraph->mark; });
}

ParagraphFormat Range::ParagraphFormat()
{
    if (!m_cell)
        return m_doc->Selection().ParagraphFormat();
    return wp::ParagraphFormat([this](const ParaFormat& f) {
        m_story->forEachParagraph([&](Paragraph& p) { p.format.merge(f); });
        m_doc->markChanged();
    });
}

void Range::setCellsVerticalAlignment(int alignment)
{
    if (m_cell)
        m_cell->verticalAlignment = alignment;
    else if (Table* t = m_doc->Selection().table())
        t->cells[std::size_t(m_doc->Selection().cellIndex())].verticalAlignment = alignment;
}

void Range::setShadingBackgroundPatternColor(long colour)
{
    const Colour c = Colour::fromLong(colour);
    CellModel* cell = m_cell;
    if (!cell)
        if (Table* t = m_doc->Selection().table())
            cell = &t->cells[std::size_t(m_doc->Selection().cellIndex())];
    if (cell)
        cell->shading = c.automatic ? std::optional<Colour>() : std::optional<Colour>(c);
}

// ---- Cells and tables -----------------------------------------------------------------------

CellRef::CellRef(Document& doc, Table& table, int row, int col)
    : m_doc(&doc), m_table(&table), m_row(row), m_col(col), m_cell(&table.cell(row, col))
{
}

void CellRef::SetWidth(double points, int rulerStyle)
{
    const double before = m_cell->width.value_or(m_table->totalWidth / m_table->cols);
    if (rulerStyle == 2 && m_col < m_table->cols) {
        CellModel& next = m_table->cell(m_row, m_col + 1);
        const double together = before + next.width.value_or(m_table->totalWidth / m_table->cols);
        next.width = std::max(together - points, 1.0);
    }
    m_cell->width = points;
}

void CellRef::Select()
{
    const int index = (m_row - 1) * m_table->cols + (m_col - 1);
    m_doc->Selection().moveTo(m_cell->story, m_table, index);
}

void TableRef::setBordersOutsideColor(long colour)
{
    for (int side : {BorderTop, BorderLeft, BorderBottom, BorderRight})
        m_table->border(side).colour = Colour::fromLong(colour);
}

void TableRef::setBordersOutsideLineWidth(int width)
{
    for (int side : {BorderTop, BorderLeft, BorderBottom, BorderRight})
        m_table->border(side).lineWidth = width;
}

// ---- Selection -------------------------------------------------------------------------------

Selection::Selection(Document& doc) : m_doc(&doc), m_story(&doc.body()) {}

void Selection::moveTo(Story& story, Table* table, int cellIndex)
{
    m_story = &story;
    m_table = table;
    m_cellIndex = cellIndex;
    // The insertion point takes the format of the paragraph mark it stands before.
    m_format = story.lastParagraph().mark;
}

void Selection::TypeText(const QString& text)
{
    appendText(*m_story, text, m_format);
    m_doc->markChanged();
}

void Selection::TypeParagraph()
{
    const Paragraph& last = m_story->lastParagraph();
    CharFormat mark = last.mark;
    mark.merge(m_format);
    m_story->appendParagraph(last.format, mark);
    m_doc->markChanged();
}

void Selection::InsertBreak(int type)
{
    if (type != PageBreakType)
        common::raise(common::errc::InvalidArgument, QStringLiteral("wp.Selection.InsertBreak"),
                      QStringLiteral("Only page breaks are supported"));
    insertInline(PageBreak{});
}

Font Selection::Font()
{
    return wp::Font(
        [this](const CharFormat& f) {
            m_format.merge(f);
            m_story->lastParagraph().mark.merge(f);
        },
        [this] { return m_format; });
}

ParagraphFormat Selection::ParagraphFormat()
{
    return wp::ParagraphFormat([this](const ParaFormat& f) {
        m_story->lastParagraph().format.merge(f);
        m_doc->markChanged();
    });
}

void Selection::MoveRight(int unitType, int count)
{
    if (unitType != unit::Cell || !m_table)
        common::raise(common::errc::InvalidArgument, QStringLiteral("wp.Selection.MoveRight"),
                      QStringLiteral("The selection is not in a table"));
    const int index = std::min(m_cellIndex + count, int(m_table->cells.size()) - 1);
    moveTo(m_table->cells[std::size_t(index)].story, m_table, index);
}

void Selection::EndKey(int unitType)
{
    if (unitType != unit::Story)
        common::raise(common::errc::InvalidArgument, QStringLiteral("wp.Selection.EndKey"),
                      QStringLiteral("Only the end of the story is supported"));
    Story* root = &m_doc->body();
    if (m_seek == view::SeekCurrentPageHeader && m_doc->header())
        root = m_doc->header();
    else if (m_seek == view::SeekCurrentPageFooter && m_doc->footer())
        root = m_doc->footer();
    moveTo(*root, nullptr, 0);
}

TableRef Selection::addTable(const wp::Range& at, int rows, int cols, int behaviour, int autoFit)
{
    return m_doc->addTable(at, rows, cols, behaviour, autoFit);
}

double Selection::availableWidth() const
{
    if (!m_table)
        return m_doc->m_pageSetup.textWidth();
    const CellModel& cell = m_table->cells[std::size_t(m_cellIndex)];
    const double width = cell.width.value_or(m_table->totalWidth / m_table->cols);
    return std::max(width - 2 * CellMarginPoints, 10.0);
}

void Selection::insertInline(Inline item)
{
    m_story->lastParagraph().inlines.push_back(std::move(item));
    m_doc->markChanged();
}

void Selection::insertPicture(Media media, double widthPoints, double heightPoints)
{
    const double room = availableWidth();
    if (widthPoints > room) {
        heightPoints *= room / widthPoints;
        widthPoints = room;
    }
    Picture picture;
    picture.media = m_doc->addMedia(std::move(media));
    picture.cx = std::llround(widthPoints * 12700.0);
    picture.cy = std::llround(heightPoints * 12700.0);
    picture.docPrId = m_doc->nextDocPrId();
    insertInline(picture);
}

void Selection::addPicture(const QString& fileName, double maxHeightPoints)
{
    LoadedPicture loaded = loadPictureFile(fileName, availableWidth());
    if (maxHeightPoints > 0 && loaded.heightPoints > maxHeightPoints) {
        loaded.widthPoints *= maxHeightPoints / loaded.heightPoints;
        loaded.heightPoints = maxHeightPoints;
    }
    insertPicture(std::move(loaded.media), loaded.widthPoints, loaded.heightPoints);
}

void Selection::addPicture(const QImage& image, double widthPoints, double heightPoints)
{
    insertPicture(pictureFromImage(image), widthPoints, heightPoints);
}

void Selection::addHorizontalLine(const QString& fileName)
{
    LoadedPicture loaded = loadPictureFile(fileName, availableWidth());
    insertPicture(std::move(loaded.media), availableWidth(), loaded.heightPoints);
}

void Selection::addField(const wp::Range& at, int type)
{
    (void)at; // fields go to the insertion point, which every caller's range is
    QString cached;
    switch (type) {
    case field::Page:
    case field::NumPages:
        cached = QStringLiteral("1");
        break;
    case field::Date:
        cached = m_doc->language().toString(QDate::currentDate(), QLocale::ShortFormat);
        break;
    default:
        common::raise(common::errc::InvalidArgument, QStringLiteral("wp.Fields.Add"),
                      QStringLiteral("Unsupported field type %1").arg(type));
    }
    insertInline(Field{type, cached, m_format});
}

} // namespace wp
