#pragma once
// The numeric fields' filter for text that reaches them without a key of its own: a paste (keys,
// context menu, middle button), a drop or an input method's text. A change that inserts a
// character the field's key filter would drop is refused as a whole and the field keeps its text.
#include <QValidator>

class QLineEdit;

namespace ui {

class NumericFieldValidator final : public QValidator {
public:
    // DezimalTrenner is read at every change (it follows the program's locale).
    NumericFieldValidator(QLineEdit* field, bool allowMinus, const QString& DezimalTrenner);

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* m_field;
    bool m_allowMinus;
    const QString& m_DezimalTrenner;
    QString m_before; // the field's text before the change being checked
};

} // namespace ui
