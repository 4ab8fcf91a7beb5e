// Qt's save dialog of the project commands, as a user fills it in: every name comes back as typed,
// and the dialog asks about replacing exactly that file (the command completes the name and asks
// about the file it becomes).
#include "program/ui/projekt_dialoge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
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

} // namespace
