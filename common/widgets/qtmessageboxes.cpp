#include "common/widgets/qtmessageboxes.h"
#include "common/widgets/heldkeyguard.h"
#include <QAbstractButton>
#include <QGuiApplication>
#include <vector>

namespace common {
namespace {

std::vector<QMessageBox::StandardButton> buttonsOfStyle(int style)
{
    switch (mb::buttonsOf(style)) {
    case mb::OkCancel: return {QMessageBox::Ok, QMessageBox::Cancel};
    case mb::AbortRetryIgnore: return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    case mb::YesNoCancel: return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case mb::YesNo: return {QMessageBox::Yes, QMessageBox::No};
    case mb::RetryCancel: return {QMessageBox::Retry, QMessageBox::Cancel};
    default: return {QMessageBox::Ok};
    }
}

QMessageBox::Icon iconOfStyle(int style)
{
    switch (mb::iconOf(style)) {
    case mb::Critical: return QMessageBox::Critical;
    case mb::Question: return QMessageBox::Question;
    case mb::Exclamation: return QMessageBox::Warning;
    case mb::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

std::unique_ptr<QMessageBox> QtMessageBoxes::buildBox(const QString& prompt, int style, const QString& title,
                                                      QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setText(prompt);
    box->setIcon(iconOfStyle(style));
    box->setWindowTitle(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title);
    const std::vector<QMessageBox::StandardButton> buttons = buttonsOfStyle(style);
    QMessageBox::StandardButtons all;
    for (QMessageBox::StandardButton b : buttons)
        all |= b;
    box->setStandardButtons(all);
    std::size_t defaultIndex = 0;
    if (style & mb::DefaultButton3)
        defaultIndex = 2;
    else if (style & mb::DefaultButton2)
        defaultIndex = 1;
    box->setDefaultButton(buttons[std::min(defaultIndex, buttons.size() - 1)]);
    return box;
}

int QtMessageBoxes::answerOf(QMessageBox::StandardButton button, int style)
{
    switch (button) {
    case QMessageBox::Ok: return mb::Ok;
    case QMessageBox::Cancel: return mb::Cancel;
    case QMessageBox::Abort: return mb::Abort;
    case QMessageBox::Retry: return mb::Retry;
    case QMessageBox::Ignore: return mb::Ignore;
    case QMessageBox::Yes: return mb::Yes;
    case QMessageBox::No: return mb::No;
    default: break;
    }
    for (QMessageBox::StandardButton b : buttonsOfStyle(style))
        if (b == QMessageBox::Cancel)
            return mb::Cancel;
    return mb::firstAnswer(style);
}

int QtMessageBoxes::present(const QString& prompt, int style, const QString& title)
{
    const std::unique_ptr<QMessageBox> box = buildBox(prompt, style, title.isEmpty() ? m_defaultTitle : title, m_parent);
    // A message often follows a dialog closed with Enter: that key, still held, must not answer it.
    const HeldKeyGuard guard(box.get());
    box->exec();
    return answerOf(box->standardButton(box->clickedButton()), style);
}

} // namespace common
