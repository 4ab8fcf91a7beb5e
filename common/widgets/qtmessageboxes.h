#pragma once
// The message interface shown with Qt message boxes: the style's buttons, icon and default
// button, the program's title when none is given, the answer as the style's answer code.
#include "common/messages.h"
#include <QMessageBox>
#include <QPointer>
#include <memory>

class QWidget;

namespace common {

class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr, QString defaultTitle = {})
        : m_parent(parent), m_defaultTitle(std::move(defaultTitle))
    {
    }
    // The window the boxes stand over (none: they are windows of their own).
    void setParentWindow(QWidget* parent) { m_parent = parent; }

    // The box a prompt and style show, not yet opened.
    static std::unique_ptr<QMessageBox> buildBox(const QString& prompt, int style, const QString& title,
                                                 QWidget* parent = nullptr);
    // The answer code of a button; a box closed without a button gives Cancel where the style
    // has one, else the answer of its first button.
    static int answerOf(QMessageBox::StandardButton button, int style);

protected:
    int present(const QString& prompt, int style, const QString& title) override;

private:
    QPointer<QWidget> m_parent;
    QString m_defaultTitle;
};

} // namespace common
