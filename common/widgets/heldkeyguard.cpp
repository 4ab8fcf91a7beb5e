#include "common/widgets/heldkeyguard.h"
#include <QApplication>
#include <QKeyEvent>

namespace common {

HeldKeyGuard::HeldKeyGuard(QWidget* window) : m_window(window)
{
    // Key events go to the focus widget, so the whole application is watched and only the
    // window's own widgets are judged.
    qApp->installEventFilter(this);
}

HeldKeyGuard::~HeldKeyGuard() { qApp->removeEventFilter(this); }

bool HeldKeyGuard::inWindow(QObject* watched) const
{
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && m_window != nullptr && (widget == m_window || m_window->isAncestorOf(widget));
}

bool HeldKeyGuard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    if (!inWindow(watched))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (m_pressedHere.contains(key->key())) {
        if (type == QEvent::KeyRelease && !key->isAutoRepeat())
            m_pressedHere.remove(key->key());
        return false;
    }
    if (type == QEvent::KeyRelease) {
        m_heldReleasedAt.insert(key->key(), key->timestamp());
        return true;
    }
    // X11 repeats a held key as a release and a press of the same time; Qt does not always mark
    // that press as a repeat, so the time decides as well as the flag.
    const auto released = m_heldReleasedAt.constFind(key->key());
    const bool sameTime = released != m_heldReleasedAt.constEnd() && *released == key->timestamp();
    const bool repeat = key->isAutoRepeat() || sameTime;
    if (!repeat) {
        m_pressedHere.insert(key->key());
        return false;
    }
    // Claimed as a key so that no shortcut takes it either, then dropped.
    event->accept();
    return true;
}

} // namespace common
