#include "program/catalogue/grid.h"
#include "common/checked.h"

namespace catalogue {

MemoryGrid::MemoryGrid(int rows, int cols)
    : m_rows(rows > 0 ? rows : 0), m_cols(cols > 0 ? cols : 0),
      m_cells(static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(m_cols))
{
}

void MemoryGrid::Clear()
{
    for (QString& cell : m_cells)
        cell.clear();
}

void MemoryGrid::setRow(int row)
{
    common::checkIndex(row, m_rows);
    m_row = row;
}

void MemoryGrid::setCol(int col)
{
    common::checkIndex(col, m_cols);
    m_col = col;
}

int MemoryGrid::index(int row, int col) const
{
    common::checkIndex(row, m_rows);
    common::checkIndex(col, m_cols);
    return row * m_cols + col;
}

QString MemoryGrid::TextMatrix(int row, int col) const
{
    return m_cells[static_cast<std::size_t>(index(row, col))];
}

void MemoryGrid::setTextMatrix(int row, int col, const QString& text)
{
    m_cells[static_cast<std::size_t>(index(row, col))] = text;
}

} // namespace catalogue
