#include "program/ui/menushortcutguard.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QWidget>

namespace ui {

MenuShortcutGuard::MenuShortcutGuard(QMenuBar* bar) : QObject(bar), m_bar(bar) {}

void MenuShortcutGuard::watch(QWidget* field)
{
    field->installEventFilter(this);
}

bool MenuShortcutGuard::isMenuShortcut(const QKeyEvent& key) const
{
    // The keypad flag makes no other key: Ctrl+keypad-Enter is still Ctrl+Enter to a shortcut.
    const QKeySequence pressed(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    // Items are children of their menus, the menus of the bar.
    const QList<QAction*> items = m_bar->findChildren<QAction*>();
    for (const QAction* item : items)
        if (item->shortcuts().contains(pressed))
            return true;
    return false;
}

bool MenuShortcutGuard::eventFilter(QObject* watched, QEvent* event)
{
    // Before a key goes to the shortcuts, the focus widget is asked whether it wants the key for
    // itself (ShortcutOverride). For a menu shortcut the field is not asked: the event stays
    // unaccepted, and the menu item runs.
    if (event->type() == QEvent::ShortcutOverride && isMenuShortcut(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
