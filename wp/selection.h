#pragma once
// The selection, ranges, tables and cells of a document: the objects through which the report
// writes. The selection is an insertion point at the end of a story (the main document, the
// header, the footer or a table cell); text, pictures, fields and tables appear there in call order.
#include "wp/document.h"
#include "wp/format.h"
#include <QImage>

namespace wp {

// Units of the selection's moves.
namespace unit {
inline constexpr int Story = 6, Cell = 12;
}
// Break type of InsertBreak.
inline constexpr int PageBreakType = 7;

// A range: either the collapsed insertion point of the selection or the whole of one cell.
class Range {
public:
    Range(Document& doc, Story& story) : m_doc(&doc), m_story(&story) {}
    Range(Document& doc, CellModel& cell) : m_doc(&doc), m_story(&cell.story), m_cell(&cell) {}

    // Replaces the range's text. CR LF or CR starts a new paragraph, character 11 is a line break,
    // TAB a tab. On a cell the new text takes the format set on the cell's range.
    void setText(const QString& text);
    QString Text() const;
    wp::Font Font();
    wp::ParagraphFormat ParagraphFormat();
    // Cells(): vertical alignment (1 centre) and shading of the cell under the range.
    void setCellsVerticalAlignment(int alignment);
    void setShadingBackgroundPatternColor(long colour);

    Document& document() const { return *m_doc; }
    Story& story() const { return *m_story; }
    CellModel* cell() const { return m_cell; }

private:
    Document* m_doc;
    Story* m_story;
    CellModel* m_cell = nullptr;
};

class CellRef {
public:
    CellRef(Document& doc, Table& table, int row, int col);

    // Width in points; ruler style 2 gives the following cell of the row the rest of the
    // width the cells had together.
    void SetWidth(double points, int rulerStyle);
    void setWidth(double points) { SetWidth(points, 0); }
    void setVerticalAlignment(int alignment) { m_cell->verticalAlignment = alignment; }
    void Select();
    wp::Range Range() { return wp::Range(*m_doc, *m_cell); }
    CellModel& model() { return *m_cell; }

private:
    Document* m_doc;
    Table* m_table;
    int m_row, m_col;
    CellModel* m_cell;
};

class TableRef {
public:
    TableRef(Document& doc, Table& table) : m_doc(&doc), m_table(&table) {}

    Border& Borders(int side) { return m_table->border(side); }
    void setBordersShadow(bool on) { m_table->shadow = on; }
    void setBordersOutsideColor(long colour);
    void setBordersOutsideLineWidth(int width);
    CellRef Cell(int row, int col) { return CellRef(*m_doc, *m_table, row, col); }
    Table& model() { return *m_table; }

private:
    Document* m_doc;
    Table* m_table;
};

class Selection {
public:
    explicit Selection(Document& doc);

    void TypeText(const QString& text);
    void TypeParagraph();
    void InsertBreak(int type);
    wp::Font Font();
    wp::ParagraphFormat ParagraphFormat();
    wp::Range Range() { return wp::Range(*m_doc, *m_story); }
    wp::PageSetup& PageSetup() { return m_doc->PageSetup(); }

    // unit::Cell: the next cell of the table the selection is in; unit::Story: the end of the
    // current story (the main document, header or footer the pane shows).
    void MoveRight(int unitType, int count = 1);
    void EndKey(int unitType);

    // Tables.Add at the selection's range; afterwards the selection is in cell (1,1).
    TableRef addTable(const wp::Range& at, int rows, int cols, int behaviour = 0, int autoFit = 0);
    // InlineShapes.AddPicture: a picture file (PNG, JPEG, GIF, BMP, SVG), not linked, saved with
    // the document, scaled down to the width available at the selection and, when maxHeightPoints
    // is above 0, to that height; the aspect ratio is kept. Error 53 when missing.
    void addPicture(const QString& fileName, double maxHeightPoints = 0);
    // A picture given as an image, at a size in points (scaled down to the available width).
    void addPicture(const QImage& image, double widthPoints, double heightPoints);
    // InlineShapes.AddHorizontalLine: the picture stretched over the available width.
    void addHorizontalLine(const QString& fileName);
    // Fields.Add at a range of the selection: field::Page, field::NumPages, field::Date.
    void addField(const wp::Range& at, int type);

    // The story the selection is in, and where it stands.
    Story& story() { return *m_story; }
    Table* table() { return m_table; }
    int cellIndex() const { return m_cellIndex; }
    int seekView() const { return m_seek; }

private:
    friend class Document;
    friend class CellRef;
    void moveTo(Story& story, Table* table, int cellIndex);
    double availableWidth() const;
    void insertPicture(Media media, double widthPoints, double heightPoints);
    void insertInline(Inline item);

    Document* m_doc;
    Story* m_story;
    Table* m_table = nullptr;
    int m_cellIndex = 0;
    int m_seek = 0;
    CharFormat m_format;
};

} // namespace wp
