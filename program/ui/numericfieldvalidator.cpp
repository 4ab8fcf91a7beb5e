#include "program/ui/numericfieldvalidator.h"

#include "program/ui/keyfilter.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>

namespace ui {

NumericFieldValidator::NumericFieldValidator(QLineEdit* field, bool allowMinus, const QString& DezimalTrenner)
    : QValidator(field), m_field(field), m_allowMinus(allowMinus), m_DezimalTrenner(DezimalTrenner),
      m_text(field->text())
{
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { m_text = text; });
    field->setValidator(this);
    field->installEventFilter(this);
}

NumericFieldValidator* NumericFieldValidator::of(QLineEdit* field)
{
    return field == nullptr ? nullptr : field->findChild<NumericFieldValidator*>(QString(), Qt::FindDirectChildrenOnly);
}

void NumericFieldValidator::programText(const QString& text)
{
    m_programWrite = true;
    m_field->setText(text);
    m_programWrite = false;
}

QValidator::State NumericFieldValidator::validate(QString& input, int& /*pos*/) const
{
    if (m_programWrite)
        return Acceptable;
    return keepInsertion(m_text, input, m_allowMinus, m_DezimalTrenner) ? Acceptable : Invalid;
}

bool NumericFieldValidator::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_field)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            stepChecked(key->matches(QKeySequence::Undo));
            return true;
        }
    } else if (event->type() == QEvent::ContextMenu) {
        showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return false;
}

void NumericFieldValidator::stepChecked(bool undo)
{
    if (m_field->isReadOnly() || !(undo ? m_field->isUndoAvailable() : m_field->isRedoAvailable()))
        return;
    const auto step = [this](bool back) { back ? m_field->undo() : m_field->redo(); };
    // Tried quietly first and stepped back at once: the history stays as it was either way.
    bool passes = false;
    {
        const QSignalBlocker quiet(m_field);
        const int cursor = m_field->cursorPosition();
        const int selStart = m_field->selectionStart();
        const int selLength = int(m_field->selectedText().size());
        step(undo);
        QString text = m_field->text();
        int pos = m_field->cursorPosition();
        passes = validate(text, pos) == Acceptable;
        step(!undo);
        if (selLength == 0)
            m_field->setCursorPosition(cursor);
        else if (cursor == selStart)
            m_field->setSelection(selStart + selLength, -selLength);
        else
            m_field->setSelection(selStart, selLength);
    }
    if (passes)
        step(undo);
}

void NumericFieldValidator::showContextMenu(const QPoint& globalPos)
{
    // The field's own menu, with its undo and redo items held to the rule as the keys are. Qt
    // connects them by name (Qt 6.4) or by member pointer (later releases).
    QMenu* menu = m_field->createStandardContextMenu();
    for (QAction* item : menu->actions()) {
        if (disconnect(item, SIGNAL(triggered()), m_field, SLOT(undo()))
            || disconnect(item, &QAction::triggered, m_field, &QLineEdit::undo))
            connect(item, &QAction::triggered, this, [this] { stepChecked(true); });
        else if (disconnect(item, SIGNAL(triggered()), m_field, SLOT(redo()))
                 || disconnect(item, &QAction::triggered, m_field, &QLineEdit::redo))
            connect(item, &QAction::triggered, this, [this] { stepChecked(false); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

} // namespace ui
