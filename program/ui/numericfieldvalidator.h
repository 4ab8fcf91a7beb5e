#pragma once
// The one rule of the operating-point fields: a change the user makes may insert only digits, the
// locale's decimal separator and, where allowed, the minus sign; removing text is always allowed.
// It holds for every way text changes (typed keys with any modifier, paste by key, menu or middle
// button, drop, an input method, undo and redo); a refused change is discarded as a whole and the
// field keeps its text. The program's own text goes through programText() and stands as written:
// a converted value may hold what a user cannot type (the minus of -12.2 degC in the inlet field).
#include <QValidator>

class QLineEdit;

namespace ui {

class NumericFieldValidator final : public QValidator {
public:
    // DezimalTrenner is read at every change (it follows the program's locale).
    NumericFieldValidator(QLineEdit* field, bool allowMinus, const QString& DezimalTrenner);

    // The validator of a numeric field; nullptr for any other field.
    static NumericFieldValidator* of(QLineEdit* field);

    // Writes the program's own text into the field.
    void programText(const QString& text);

    State validate(QString& input, int& pos) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Undo or redo as the field would, but only when the text it brings passes the rule. The line
    // edit cannot take back an undo or redo the validator refuses; left standing, it would also
    // stop the field from taking back any later refused change.
    void stepChecked(bool undo);
    void showContextMenu(const QPoint& globalPos);

    QLineEdit* m_field;
    bool m_allowMinus;
    const QString& m_DezimalTrenner;
    QString m_text; // the field's text as it last stood
    bool m_programWrite = false;
};

} // namespace ui
