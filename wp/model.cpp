#include "wp/model.h"
#include "common/error.h"
#include <algorithm>

namespace wp {

Colour Colour::fromLong(long value)
{
    if (value == ColorAutomatic || (value & 0xFF000000L) != 0)
        return {};
    return {false, int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF)};
}

QString Colour::hex() const
{
    if (automatic)
        return QStringLiteral("auto");
    return QStringLiteral("%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

void CharFormat::merge(const CharFormat& over)
{
    if (over.name) name = over.name;
    if (over.size) size = over.size;
    if (over.bold) bold = over.bold;
    if (over.underline) underline = over.underline;
    if (over.colour) colour = over.colour;
}

void ParaFormat::merge(const ParaFormat& over)
{
    if (over.alignment) alignment = over.alignment;
    if (over.spaceBefore) spaceBefore = over.spaceBefore;
    if (over.spaceAfter) spaceAfter = over.spaceAfter;
    if (over.spaceBeforeAuto) spaceBeforeAuto = over.spaceBeforeAuto;
    if (over.spaceAfterAuto) spaceAfterAuto = over.spaceAfterAuto;
    if (over.lineSpacingRule) lineSpacingRule = over.lineSpacingRule;
    if (over.leftIndent) leftIndent = over.leftIndent;
    if (over.rightIndent) rightIndent = over.rightIndent;
    for (double stop : over.leftTabStops)
        if (std::find(leftTabStops.begin(), leftTabStops.end(), stop) == leftTabStops.end())
            leftTabStops.push_back(stop);
    std::sort(leftTabStops.begin(), leftTabStops.end());
}

QString Paragraph::plainText() const
{
    QString text;
    for (const Inline& item : inlines) {
        if (const auto* run = std::get_if<Run>(&item))
            text += run->text;
        else if (std::holds_alternative<Tab>(item))
            text += QLatin1Char('\t');
        else if (std::holds_alternative<LineBreak>(item))
            text += QChar(11);
        else if (std::holds_alternative<PageBreak>(item))
            text += QChar(12);
        else if (std::holds_alternative<Picture>(item))
            text += QStringLiteral("[picture]");
        else
            text += QStringLiteral("[field]");
    }
    return text;
}

Story::Story()
{
    appendParagraph({}, {});
}

Paragraph& Story::lastParagraph()
{
    return *blocks.back().paragraph;
}

const Paragraph& Story::lastParagraph() const
{
    return *blocks.back().paragraph;
}

Paragraph& Story::appendParagraph(const ParaFormat& format, const CharFormat& mark)
{
    Block block;
    block.paragraph = std::make_unique<Paragraph>();
    block.paragraph->format = format;
    block.paragraph->mark = mark;
    blocks.push_back(std::move(block));
    return *blocks.back().paragraph;
}

void Story::forEachParagraph(const std::function<void(Paragraph&)>& visit)
{
    for (Block& block : blocks) {
        if (block.paragraph)
            visit(*block.paragraph);
        else
            for (CellModel& cell : block.table->cells)
                cell.story.forEachParagraph(visit);
    }
}

std::vector<const Paragraph*> Story::paragraphs() const
{
    std::vector<const Paragraph*> result;
    for (const Block& block : blocks)
        if (block.paragraph)
            result.push_back(block.paragraph.get());
    return result;
}

std::vector<const Table*> Story::tables() const
{
    std::vector<const Table*> result;
    for (const Block& block : blocks)
        if (block.table)
            result.push_back(block.table.get());
    return result;
}

CellModel& Table::cell(int row, int col)
{
    if (row < 1 || row > rows || col < 1 || col > cols)
        common::raise(5941, QStringLiteral("wp.Table.Cell"), QStringLiteral("The requested member of the collection does not exist."));
    return cells[std::size_t((row - 1) * cols + (col - 1))];
}

const CellModel& Table::cell(int row, int col) const
{
    return const_cast<Table*>(this)->cell(row, col);
}

Border& Table::border(int side)
{
    if (side > -1 || side < -8)
        common::raise(5941, QStringLiteral("wp.Borders.Item"), QStringLiteral("The requested member of the collection does not exist."));
    return borders[std::size_t(-side - 1)];
}

const Border& Table::border(int side) const
{
    return const_cast<Table*>(this)->border(side);
}

} // namespace wp
