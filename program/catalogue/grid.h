#pragma once
// The small grid the result views write into: a fixed number of rows and columns of texts and one
// current cell, addressed the way the views address it (select row and column, then set the text).
// The main window puts a QTableWidget behind it; MemoryGrid keeps the cells in memory, so the
// catalogue's display routines run and are tested without widgets.
#include <QString>
#include <vector>

namespace catalogue {

class FlexGrid {
public:
    virtual ~FlexGrid() = default;

    virtual int Rows() const = 0;
    virtual int Cols() const = 0;

    // Every cell, headings included, becomes the empty text; the current cell stays where it was.
    virtual void Clear() = 0;

    // The current cell. Selecting a row or column outside the grid raises error 9 (out of range).
    virtual int Row() const = 0;
    virtual int Col() const = 0;
    virtual void setRow(int row) = 0;
    virtual void setCol(int col) = 0;

    // Text of the current cell.
    virtual QString Text() const = 0;
    virtual void setText(const QString& text) = 0;

    // Text of any cell; error 9 outside the grid.
    virtual QString TextMatrix(int row, int col) const = 0;
    virtual void setTextMatrix(int row, int col, const QString& text) = 0;

    // Selects (row, col) and writes the text there, as the views do cell by cell.
    void writeCell(int row, int col, const QString& text)
    {
        setRow(row);
        setCol(col);
        setText(text);
    }
};

// The caption of a label beside a grid.
class Beschriftung {
public:
    virtual ~Beschriftung() = default;
    virtual QString Caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
};

// A grid held in memory.
class MemoryGrid final : public FlexGrid {
public:
    MemoryGrid(int rows, int cols);

    int Rows() const override { return m_rows; }
    int Cols() const override { return m_cols; }
    void Clear() override;
    int Row() const override { return m_row; }
    int Col() const override { return m_col; }
    void setRow(int row) override;
    void setCol(int col) override;
    QString Text() const override { return TextMatrix(m_row, m_col); }
    void setText(const QString& text) override { setTextMatrix(m_row, m_col, text); }
    QString TextMatrix(int row, int col) const override;
    void setTextMatrix(int row, int col, const QString& text) override;

private:
    int index(int row, int col) const;

    int m_rows;
    int m_cols;
    int m_row = 0;
    int m_col = 0;
    std::vector<QString> m_cells;
};

// A label caption held in memory.
class MemoryBeschriftung final : public Beschriftung {
public:
    QString Caption() const override { return m_caption; }
    void setCaption(const QString& caption) override { m_caption = caption; }

private:
    QString m_caption;
};

} // namespace catalogue
