#include "common/widgets/qtmessageboxes.h"
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using common::QtMessageBoxes;
namespace mb = common::mb;

namespace {

// A key event as the X server delivers it: to the window, which hands it to its focus widget,
// stamped with the server's time in milliseconds.
void deliverKey(QWidget* window, QEvent::Type type, Qt::Key key, quint64 time, bool autoRepeat = false)
{
    const QString text = key == Qt::Key_Return ? QStringLiteral("\r")
                         : key == Qt::Key_Escape ? QStringLiteral("\x1b")
                                                 : QStringLiteral(" ");
    QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
    event.setTimestamp(time);
    QCoreApplication::sendEvent(window->windowHandle(), &event);
}

// A key held down from `time`: X repeats it as a release and a press of the same time, then
// releases it. Qt marks such a pair as a repeat only when it reads both at once, so the first
// pair here comes unmarked, as it often does on a real display. Stops once the window has closed.
void holdAndRelease(QWidget* window, Qt::Key key, quint64 time)
{
    for (int i = 0; i < 3 && window->isVisible(); ++i) {
        const quint64 repeatTime = time + 660 + 40 * i;
        deliverKey(window, QEvent::KeyRelease, key, repeatTime, i > 0);
        deliverKey(window, QEvent::KeyPress, key, repeatTime, i > 0);
    }
    if (window->isVisible())
        deliverKey(window, QEvent::KeyRelease, key, time + 800);
}

// An entry dialog: Enter in its field takes the default button, Escape cancels it.
struct EntryDialog {
    QDialog dialog;
    QLineEdit* field = new QLineEdit(&dialog);
    QPushButton* ok = new QPushButton(QStringLiteral("OK"), &dialog);

    EntryDialog()
    {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(field);
        layout->addWidget(ok);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        field->setFocus();
    }
};

} // namespace

TEST(QtMessageBoxes, StyleGivesButtonsIconDefaultAndTitle)
{
    struct Case {
        int style;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton defaultButton;
    };
    const Case cases[] = {
        {mb::Information, QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok},
        {mb::Critical, QMessageBox::Ok, QMessageBox::Critical, QMessageBox::Ok},
        {mb::YesNo | mb::Question | mb::DefaultButton2, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
         QMessageBox::No},
        {mb::YesNoCancel | mb::Exclamation | mb::DefaultButton3,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Warning, QMessageBox::Cancel},
        {mb::AbortRetryIgnore, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::NoIcon,
         QMessageBox::Abort},
        {mb::OkCancel | mb::DefaultButton3, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoIcon,
         QMessageBox::Cancel},
    };
    for (const Case& c : cases) {
        const auto box = QtMessageBoxes::buildBox(QStringLiteral(" Programm wurde schon gestartet"), c.style, {});
        EXPECT_EQ(box->standardButtons(), c.buttons) << c.style;
        EXPECT_EQ(box->icon(), c.icon) << c.style;
        EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton) << c.style;
        EXPECT_EQ(box->text(), QStringLiteral(" Programm wurde schon gestartet"));
        EXPECT_EQ(box->windowTitle(), QGuiApplication::applicationDisplayName());
    }
    EXPECT_EQ(QtMessageBoxes::buildBox(QStringLiteral("x"), 0, QStringLiteral("Own"))->windowTitle(),
              QStringLiteral("Own"));
}

TEST(QtMessageBoxes, AnswerCodes)
{
    EXPECT_EQ(QtMessageBoxes::answerOf(QMessageBox::Yes, mb::YesNo), mb::Yes);
    EXPECT_EQ(QtMessageBoxes::answerOf(QMessageBox::No, mb::YesNoCancel), mb::No);
    EXPECT_EQ(QtMessageBoxes::answerOf(QMessageBox::Retry, mb::RetryCancel), mb::Retry);
    EXPECT_EQ(QtMessageBoxes::answerOf(QMessageBox::NoButton, mb::YesNoCancel), mb::Cancel);
    EXPECT_EQ(QtMessageBoxes::answerOf(QMessageBox::NoButton, mb::OkOnly), mb::Ok);
    EXPECT_EQ(QtMessageBoxes::answerOf(QMessageBox::NoButton, mb::YesNo), mb::Yes);
}

TEST(QtMessageBoxes, ShownBoxAnswersWithTheButtonPressed)
{
    QtMessageBoxes boxes(nullptr, QStringLiteral("Kelto-Line"));
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Kelto-Line")); // the program's title when none is given
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(boxes.show(QStringLiteral("Save?"), mb::YesNoCancel | mb::Question), mb::No);

    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_Return); // the default button
    });
    EXPECT_EQ(boxes.show(QStringLiteral("Overwrite?"), mb::YesNo | mb::DefaultButton2), mb::No);
}

TEST(QtMessageBoxes, KeyThatClosedTheDialogBeforeDoesNotAnswerTheMessage)
{
    struct Case {
        Qt::Key closingKey; // pressed in the dialog and still held while the message opens
        Qt::Key freshKey;   // pressed on the message
        int style;
        int answer;
    };
    const Case cases[] = {
        {Qt::Key_Return, Qt::Key_Return, mb::Critical, mb::Ok},
        {Qt::Key_Return, Qt::Key_Space, mb::YesNo | mb::Question | mb::DefaultButton2, mb::No},
        {Qt::Key_Escape, Qt::Key_Escape, mb::YesNoCancel | mb::Question, mb::Cancel},
    };
    QtMessageBoxes boxes(nullptr, QStringLiteral("Kelto-Line"));
    for (const Case& c : cases) {
        EntryDialog entry;
        QTimer::singleShot(0, &entry.dialog, [&] { deliverKey(&entry.dialog, QEvent::KeyPress, c.closingKey, 1000); });
        EXPECT_EQ(entry.dialog.exec(), c.closingKey == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected);

        bool openAfterHeldKey = false;
        bool answeredByFreshKey = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(qobject_cast<QMessageBox*>(box), nullptr);
            holdAndRelease(box, c.closingKey, 1000);
            openAfterHeldKey = box->isVisible();
            if (!openAfterHeldKey)
                return;
            deliverKey(box, QEvent::KeyPress, c.freshKey, 2500);
            if (box->isVisible()) // Space answers on release
                deliverKey(box, QEvent::KeyRelease, c.freshKey, 2600);
            answeredByFreshKey = !box->isVisible();
            if (!answeredByFreshKey)
                qobject_cast<QMessageBox*>(box)->done(0);
        });
        const int answer = boxes.show(QStringLiteral("Project NOT saved!!!"), c.style);
        EXPECT_TRUE(openAfterHeldKey) << c.closingKey;
        EXPECT_TRUE(answeredByFreshKey) << c.freshKey;
        EXPECT_EQ(answer, c.answer) << c.freshKey;
    }
}
