// Qt's save dialog of the project commands, as a user fills it in: every name comes back as typed,
// and the dialog asks about replacing exactly that file (the command completes the name and asks
// about the file it becomes).
#include "program/ui/projekt_dialoge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Types a name into the open save dialog and presses its Save button; a question about
// replacing a file is answered Yes and its text kept.
void tippeUndSpeichere(const QString& name, QString& frage)
{
    QTimer::singleShot(0, [name, &frage] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* feld = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(feld, nullptr);
        feld->setFocus();
        feld->setText(name);
        QTimer::singleShot(0, [&frage] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                frage = box->text();
                box->button(QMessageBox::Yes)->click();
            }
        });
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

TEST(QtProjektDialoge, SaveDialogReturnsTheNameItAskedAbout)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ordner = dir.path() + QStringLiteral("/");
    ui::QtProjektDialoge dialoge(nullptr);

    struct Fall { QString getippt; QString datei; };
    const Fall faelle[] = {
        {"Pump 3.5 kW", "Pump 3.5 kW"},
        {"pump.v2", "pump.v2"},
        {"fertig.tpj", "fertig.tpj"},
        {"pump", "pump"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.getippt.toStdString());
        QString frage;
        tippeUndSpeichere(f.getippt, frage);
        EXPECT_EQ(dialoge.speichernUnter("Speichern", ordner, "Vorschlag"), ordner + f.datei);
        EXPECT_TRUE(frage.isEmpty()) << frage.toStdString();
    }

    // The file that would be replaced is the one asked about, and only that one: "pump" is no
    // question of the dialog while pump.tpj exists.
    QFile vorhanden(ordner + "pump.tpj");
    ASSERT_TRUE(vorhanden.open(QIODevice::WriteOnly));
    vorhanden.close();
    QString frage;
    tippeUndSpeichere("pump", frage);
    EXPECT_EQ(dialoge.speichernUnter("Speichern", ordner, "Vorschlag"), ordner + "pump");
    EXPECT_TRUE(frage.isEmpty()) << frage.toStdString();
    tippeUndSpeichere("pump.tpj", frage);
    EXPECT_EQ(dialoge.speichernUnter("Speichern", ordner, "Vorschlag"), ordner + "pump.tpj");
    EXPECT_TRUE(frage.contains("pump.tpj")) << frage.toStdString();
}

// The desktop's own save dialog (GTK's, as a GNOME desktop gives Qt programs), filled in by real X
// key events: it asks about the name as typed, so the name must come back as typed. "pump" came
// back as "pump.tpj" when Qt added the suffix after GTK's question, and the command then replaced
// the existing pump.tpj without asking.
TEST(QtProjektDialoge, DesktopDialogReturnsTheNameAsTyped)
{
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (QGuiApplication::platformName() != QLatin1String("xcb") || qgetenv("QT_QPA_PLATFORMTHEME") != "gtk3"
        || xdotool.isEmpty())
        GTEST_SKIP() << "needs an X server, the GTK theme and xdotool (ctest runs this under xvfb-run)";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ordner = dir.path() + QStringLiteral("/");
    QFile vorhanden(ordner + "pump.tpj");
    ASSERT_TRUE(vorhanden.open(QIODevice::WriteOnly));
    vorhanden.close();

    // Types into the dialog once its window is there, as a user at the keyboard does.
    QProcess tastatur;
    tastatur.start(QStringLiteral("/bin/sh"),
                   {QStringLiteral("-c"),
                    QStringLiteral("timeout 20 \"$0\" search --sync --onlyvisible --name '^Desktop dialog$' windowfocus --sync"
                                   " && sleep 0.5 && \"$0\" key ctrl+a && \"$0\" type pump && sleep 0.3"
                                   " && \"$0\" key Return"),
                    xdotool});
    ui::QtProjektDialoge dialoge(nullptr);
    const QString antwort = dialoge.speichernUnter(QStringLiteral("Desktop dialog"), ordner, QStringLiteral("Vorschlag"));
    // Typing ends with the dialog; its end may already have been seen while the dialog ran.
    ASSERT_TRUE(tastatur.state() == QProcess::NotRunning || tastatur.waitForFinished(30000));
    EXPECT_EQ(tastatur.exitCode(), 0) << tastatur.readAllStandardError().toStdString();
    EXPECT_EQ(antwort, ordner + QStringLiteral("pump"));
}

} // namespace
