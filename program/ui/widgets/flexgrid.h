#pragma once
// The catalogue's grid and label interfaces over the real widgets: a QTableWidget with a current
// cell, and a QLabel.
#include "program/catalogue/grid.h"
#include <QPointer>

class QLabel;
class QTableWidget;

namespace ui {

class FlexGridAdapter final : public catalogue::FlexGrid {
public:
    // The table keeps its row and column counts; the adapter never resizes it.
    explicit FlexGridAdapter(QTableWidget* table);

    int Rows() const override;
    int Cols() const override;
    void Clear() override;
    int Row() const override { return m_row; }
    int Col() const override { return m_col; }
    void setRow(int row) override;
    void setCol(int col) override;
    QString Text() const override { return TextMatrix(m_row, m_col); }
    void setText(const QString& text) override { setTextMatrix(m_row, m_col, text); }
    QString TextMatrix(int row, int col) const override;
    void setTextMatrix(int row, int col, const QString& text) override;

    QTableWidget* table() const { return m_table; }

private:
    void checkCell(int row, int col) const;

    QPointer<QTableWidget> m_table;
    int m_row = 0;
    int m_col = 0;
};

class LabelAdapter final : public catalogue::Beschriftung {
public:
    explicit LabelAdapter(QLabel* label);
    QString Caption() const override;
    void setCaption(const QString& caption) override;

private:
    QPointer<QLabel> m_label;
};

} // namespace ui
