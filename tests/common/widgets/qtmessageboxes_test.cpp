#include "common/widgets/qtmessageboxes.h"
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using common::QtMessageBoxes;
namespace mb = common::mb;

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
