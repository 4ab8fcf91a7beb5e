#pragma once
// Menu shortcuts come before the editing bindings of input fields. A line edit claims some keys
// for itself before any shortcut is looked at (on X11 desktops Ctrl+U deletes the whole line,
// Ctrl+K the rest of it), so a menu shortcut on such a key would never run its command from a
// field and would change the field instead.
#include <QObject>

class QKeyEvent;
class QMenuBar;
class QWidget;

namespace ui {

class MenuShortcutGuard final : public QObject {
public:
    // Guards the shortcuts of every item of the bar's menus.
    explicit MenuShortcutGuard(QMenuBar* bar);

    // The field no longer claims a menu shortcut as its own.
    void watch(QWidget* field);

    // True when the key is the shortcut of one of the bar's items.
    bool isMenuShortcut(const QKeyEvent& key) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* m_bar;
};

} // namespace ui
