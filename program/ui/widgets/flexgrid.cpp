#include "program/ui/widgets/flexgrid.h"
#include "common/checked.h"
#include <QLabel>
#include <QTableWidget>

namespace ui {

FlexGridAdapter::FlexGridAdapter(QTableWidget* table) : m_table(table) {}

int FlexGridAdapter::Rows() const { return m_table ? m_table->rowCount() : 0; }
int FlexGridAdapter::Cols() const { return m_table ? m_table->columnCount() : 0; }

void FlexGridAdapter::Clear()
{
    // QTableWidget::clearContents would delete the items, and with them the cell formats the window
    // set up; only the texts go.
    for (int r = 0; r < Rows(); ++r)
        for (int c = 0; c < Cols(); ++c)
            if (QTableWidgetItem* item = m_table->item(r, c))
                item->setText(QString());
}

void FlexGridAdapter::setRow(int row)
{
    common::checkIndex(row, Rows());
    m_row = row;
    m_table->setCurrentCell(m_row, m_col);
}

void FlexGridAdapter::setCol(int col)
{
    common::checkIndex(col, Cols());
    m_col = col;
    m_table->setCurrentCell(m_row, m_col);
}

void FlexGridAdapter::checkCell(int row, int col) const
{
    common::checkIndex(row, Rows());
    common::checkIndex(col, Cols());
}

QString FlexGridAdapter::TextMatrix(int row, int col) const
{
    checkCell(row, col);
    const QTableWidgetItem* item = m_table->item(row, col);
    return item ? item->text() : QString();
}

void FlexGridAdapter::setTextMatrix(int row, int col, const QString& text)
{
    checkCell(row, col);
    if (QTableWidgetItem* item = m_table->item(row, col)) {
        item->setText(text);
        return;
    }
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    m_table->setItem(row, col, item);
}

LabelAdapter::LabelAdapter(QLabel* label) : m_label(label) {}

QString LabelAdapter::Caption() const { return m_label ? m_label->text() : QString(); }

void LabelAdapter::setCaption(const QString& caption)
{
    if (m_label)
        m_label->setText(caption);
}

} // namespace ui
