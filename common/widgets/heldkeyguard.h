#pragma once
// Keeps a key that was already down when a window opened from answering it. The key that closed
// the previous dialog (Enter, Escape) is often still held when the next window appears: its
// repeats would reach the new window's default button. Only keys pressed anew while the window
// is open get through; the guard watches for its own lifetime.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWidget>

namespace common {

class HeldKeyGuard : public QObject {
public:
    explicit HeldKeyGuard(QWidget* window);
    ~HeldKeyGuard() override;
    HeldKeyGuard(const HeldKeyGuard&) = delete;
    HeldKeyGuard& operator=(const HeldKeyGuard&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inWindow(QObject* watched) const;

    QPointer<QWidget> m_window;
    QSet<int> m_pressedHere;               // keys whose first press the window saw
    QHash<int, quint64> m_heldReleasedAt;  // time of the last release of a key held from before
};

} // namespace common
