// How the selection edits the document: where tables go, which format new text takes, breaks.
#include "common/error.h"
#include "testsupport.h"
#include "wp/application.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Blank {
    wp::Application word;
    wp::Document& doc = word.Documents().Add();
    wp::Selection& sel = doc.Selection();
};

} // namespace

TEST(WpSelection, TablesGoBeforeAnEmptyParagraphAndAfterAFilledOne)
{
    Blank b;
    b.sel.ParagraphFormat().setSpaceAfter(0);
    b.doc.addTabStopToParagraphs(wp::Application::CentimetersToPoints(6.03));
    b.sel.TypeText(QStringLiteral("A"));
    wp::TableRef first = b.sel.addTable(b.sel.Range(), 2, 2);
    // The filled paragraph was ended first; the story still ends with a paragraph.
    auto& blocks = b.doc.body().blocks;
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].paragraph->plainText(), QStringLiteral("A"));
    EXPECT_EQ(blocks[1].table.get(), &first.model());
    EXPECT_TRUE(blocks[2].paragraph && blocks[2].paragraph->isEmpty());
    // The selection is in cell (1,1), whose paragraph inherited the paragraph format.
    EXPECT_EQ(b.sel.table(), &first.model());
    EXPECT_EQ(b.sel.cellIndex(), 0);
    EXPECT_EQ(&b.sel.story(), &first.model().cell(1, 1).story);
    EXPECT_EQ(first.model().cell(2, 2).story.lastParagraph().format, blocks[0].paragraph->format);

    b.sel.MoveRight(wp::unit::Cell);
    b.sel.TypeText(QStringLiteral("B"));
    EXPECT_EQ(first.model().cell(1, 2).story.lastParagraph().plainText(), QStringLiteral("B"));

    b.sel.EndKey(wp::unit::Story);
    wp::TableRef second = b.sel.addTable(b.sel.Range(), 1, 1);
    ASSERT_EQ(blocks.size(), 4u);
    EXPECT_EQ(blocks[2].table.get(), &second.model());
    EXPECT_TRUE(blocks[3].paragraph && blocks[3].paragraph->isEmpty());

    // Default look: single borders outside and inside, no diagonals; table behaviour 1: none.
    EXPECT_EQ(second.Borders(wp::BorderHorizontal).lineStyle, 1);
    EXPECT_EQ(second.Borders(wp::BorderDiagonalUp).lineStyle, 0);
    b.sel.EndKey(wp::unit::Story);
    EXPECT_EQ(b.sel.addTable(b.sel.Range(), 1, 3, 1, 0).Borders(wp::BorderTop).lineStyle, 0);
    for (auto [r, c] : {std::pair{0, 1}, std::pair{2, 1}, std::pair{1, 4}}) {
        try {
            (void)second.Cell(r, c);
            ADD_FAILURE() << r << "," << c;
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), 5941);
        }
    }
}

TEST(WpSelection, FormatsBelongToTheInsertionPointAndToRanges)
{
    Blank b;
    b.sel.Font().setSize(8);
    b.sel.TypeText(QStringLiteral("klein"));
    b.sel.TypeParagraph();
    b.sel.Font().setBold(true);
    b.sel.TypeText(QStringLiteral("fett"));
    const auto paragraphs = b.doc.body().paragraphs();
    ASSERT_EQ(paragraphs.size(), 2u);
    const auto& klein = std::get<wp::Run>(paragraphs[0]->inlines.at(0));
    const auto& fett = std::get<wp::Run>(paragraphs[1]->inlines.at(0));
    EXPECT_EQ(klein.format.size, 8.0);
    EXPECT_FALSE(klein.format.bold.has_value());
    EXPECT_EQ(fett.format.size, 8.0); // the new paragraph carries the format on
    EXPECT_EQ(fett.format.bold, true);
    EXPECT_EQ(paragraphs[1]->mark.size, 8.0);

    // A cell's range: a size set before the text and a colour set after it both reach the text.
    wp::TableRef t = b.sel.addTable(b.sel.Range(), 1, 1);
    wp::Range cell = t.Cell(1, 1).Range();
    cell.Font().setSize(10);
    cell.setText(QStringLiteral("eins\r\nzwei"));
    cell.Font().setColor(0x663300);
    cell.ParagraphFormat().setLeftIndent(wp::Application::CentimetersToPoints(0.4));
    const auto cellParagraphs = t.model().cell(1, 1).story.paragraphs();
    ASSERT_EQ(cellParagraphs.size(), 2u);
    for (const wp::Paragraph* p : cellParagraphs) {
        const auto& run = std::get<wp::Run>(p->inlines.at(0));
        EXPECT_EQ(run.format.size, 10.0);
        EXPECT_EQ(run.format.colour, wp::Colour::fromLong(0x663300));
        EXPECT_NEAR(p->format.leftIndent.value_or(0), 11.34, 0.01);
    }
    EXPECT_EQ(cell.Text(), QStringLiteral("eins\rzwei"));
}

TEST(WpSelection, TextBreaksHeaderFooterAndFields)
{
    Blank b;
    b.sel.TypeText(QStringLiteral("a\r\nb") + QChar(11) + QStringLiteral("c\td\re"));
    const auto paragraphs = b.doc.body().paragraphs();
    ASSERT_EQ(paragraphs.size(), 3u);
    EXPECT_EQ(paragraphs[1]->plainText(), QStringLiteral("b") + QChar(11) + QStringLiteral("c\td"));
    b.sel.InsertBreak(wp::PageBreakType);
    EXPECT_TRUE(std::holds_alternative<wp::PageBreak>(paragraphs[2]->inlines.back()));

    b.doc.setSeekView(wp::view::SeekCurrentPageFooter);
    ASSERT_NE(b.doc.footer(), nullptr);
    EXPECT_EQ(&b.sel.story(), b.doc.footer());
    b.sel.addField(b.sel.Range(), wp::field::Page);
    b.sel.TypeText(QStringLiteral("/"));
    b.sel.addField(b.sel.Range(), wp::field::NumPages);
    EXPECT_EQ(b.doc.footer()->lastParagraph().plainText(), QStringLiteral("[field]/[field]"));
    b.doc.setSeekView(wp::view::SeekMainDocument);
    b.sel.TypeText(QStringLiteral("f"));
    EXPECT_EQ(b.doc.body().lastParagraph().plainText(), QStringLiteral("e") + QChar(12) + QStringLiteral("f"));
    EXPECT_EQ(b.doc.header(), nullptr);

    for (const auto& call : std::initializer_list<std::function<void()>>{
             [&] { b.sel.InsertBreak(6); }, [&] { b.sel.MoveRight(wp::unit::Cell); }, [&] { b.sel.addField(b.sel.Range(), 99); },
             [&] { b.sel.addPicture(QStringLiteral("/no/such/picture.png")); }}) {
        EXPECT_THROW(call(), common::Error);
    }
}

// A drawing is rendered at its own size, made narrower to fit; one far larger than any page is
// refused as an invalid picture instead of being rendered.
TEST(WpSelection, DrawingsOfImpossibleSizeAreRefused)
{
    QTemporaryDir dir;
    const auto svg = [&](const char* name, const QByteArray& size) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<svg xmlns=\"http://www.w3.org/2000/svg\" " + size + "><rect width=\"10\" height=\"10\"/></svg>");
        return path;
    };
    Blank b;
    b.sel.addPicture(svg("fine.svg", "width=\"96\" height=\"48\""));
    const auto* picture = std::get_if<wp::Picture>(&b.doc.body().lastParagraph().inlines.back());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->cx, 72 * 12700);
    EXPECT_EQ(picture->cy, 36 * 12700);
    try {
        b.sel.addPicture(svg("tall.svg", "width=\"10\" height=\"1e9\""));
        ADD_FAILURE() << "a drawing taller than any page was rendered";
    } catch (const common::Error& e) {
        EXPECT_EQ(e.number(), 481);
    }
}
