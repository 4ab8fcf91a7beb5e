#include "program/ui/numericfieldvalidator.h"

#include "program/ui/keyfilter.h"

#include <QLineEdit>

namespace ui {

NumericFieldValidator::NumericFieldValidator(QLineEdit* field, bool allowMinus, const QString& DezimalTrenner)
    : QValidator(field), m_field(field), m_allowMinus(allowMinus), m_DezimalTrenner(DezimalTrenner),
      m_before(field->text())
{
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { m_before = text; });
    field->setValidator(this);
}

QValidator::State NumericFieldValidator::validate(QString& input, int& /*pos*/) const
{
    // The program's own text (setText) stands as written: it clears the undo history, while a
    // user's change is on it when it is checked, so that a refused one can be taken back.
    if (!m_field->isUndoAvailable())
        return Acceptable;
    return keepInsertion(m_before, input, m_allowMinus, m_DezimalTrenner) ? Acceptable : Invalid;
}

} // namespace ui
