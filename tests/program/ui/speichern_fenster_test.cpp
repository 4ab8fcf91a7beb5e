// Saving from the real window with the keyboard, where the disk or the settings file is the one
// that fails: nothing the user had on disk is lost, and the window says what happened.
#include "filewrites.h"
#include "fullfolder.h"
#include "otheruser.h"
#include "windowfixture.h"

#include "program/project/projektdatei_datei.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <sys/stat.h>

namespace {

struct SpeichernFenster : WindowFixture {
    // Save As with the dialog's answer, and with a typed name first when the project has none yet.
    // The project must end up in that file, with every scripted answer used.
    bool saveAs(const QString& name, const QString& file)
    {
        projektDialoge.answers = {file};
        if (start.System.Projekt_Name.isEmpty())
            projektDialoge.answers.push_front(name);
        const bool saved = w->Projekt_SaveAs();
        EXPECT_TRUE(projektDialoge.answers.empty());
        EXPECT_EQ(start.System.Projekt_File, file);
        EXPECT_TRUE(QFileInfo(file).isFile()) << file.toStdString();
        return saved;
    }
    // Ctrl+S typed while the focus is in the flow field, as a user saves after typing.
    void ctrlS()
    {
        w->TB_Durchfluss->setFocus();
        QTest::keyClick(w->TB_Durchfluss, Qt::Key_S, Qt::ControlModifier);
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(SpeichernFenster, CtrlSOnAFullDiskSaysNotSavedAndKeepsProjectAndCopy)
{
    FullFolder folder;
    open(1); // English
    referencePoint();
    const QString datei = folder.filePath(QStringLiteral("P.tpj"));
    ASSERT_TRUE(saveAs(QStringLiteral("P"), datei));
    type(w->TB_Durchfluss, "60");
    ctrlS(); // the first save's file becomes the copy
    const QByteArray projekt = [&] { QFile f(datei); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    const QByteArray kopie = folder.bytesOf(QStringLiteral("P.bak"));
    ASSERT_FALSE(projekt.isEmpty());
    ASSERT_FALSE(kopie.isEmpty());
    ASSERT_NE(projekt, kopie);
    const QString titel = w->windowTitle();
    boxes.clear();

    folder.fill();
    type(w->TB_Durchfluss, "80");
    ctrlS();

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, zustand->Texte.Text_109[1] + QStringLiteral("\r\n")
                                         + QString::fromLocal8Bit(std::strerror(folder.isSmallFileSystem() ? ENOSPC : EFBIG)));
    EXPECT_TRUE(boxes.shown[0].prompt.startsWith(QStringLiteral("Project NOT saved!!!")));
    EXPECT_EQ(boxes.shown[0].style, common::mb::Critical);
    EXPECT_EQ(folder.bytesOf(QStringLiteral("P.tpj")), projekt);
    EXPECT_EQ(folder.bytesOf(QStringLiteral("P.bak")), kopie);
    EXPECT_EQ(folder.entries(), QStringList({"P.bak", "P.tpj"}));
    EXPECT_EQ(w->windowTitle(), titel);
    EXPECT_EQ(w->TB_Durchfluss->text(), QStringLiteral("80"));
}

// Ctrl+S of a project the user has made read-only: not saved, with the system's reason, and the
// file keeps its bytes and its mode although the folder would let a rename replace it.
TEST_F(SpeichernFenster, CtrlSOfAReadOnlyProjectSaysNotSavedAndKeepsIt)
{
    open(1);
    referencePoint();
    const QString datei = start.System.Projekt_Pfad + QStringLiteral("P.tpj");
    ASSERT_TRUE(saveAs(QStringLiteral("P"), datei));
    const QByteArray projekt = [&] { QFile f(datei); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    ASSERT_TRUE(OtherUser::own(datei, 0444));
    ASSERT_TRUE(OtherUser::own(start.System.Projekt_Pfad, 0755));
    ASSERT_TRUE(OtherUser::own(config.root(), 0755));
    type(w->TB_Durchfluss, "80");
    boxes.clear();
    {
        const OtherUser user;
        ASSERT_TRUE(user.ok());
        ctrlS();
    }
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt,
              QStringLiteral("Project NOT saved!!!\r\n") + QString::fromLocal8Bit(std::strerror(EACCES)));
    EXPECT_EQ(boxes.shown[0].style, common::mb::Critical);
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), projekt);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(datei).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    EXPECT_FALSE(QFileInfo::exists(start.System.Projekt_Pfad + QStringLiteral("P.bak")));
}

TEST_F(SpeichernFenster, OneCommandWritesTheSettingsFileOnce)
{
    open(1);
    referencePoint();
    ASSERT_TRUE(saveAs(QStringLiteral("first"), start.System.Projekt_Pfad + QStringLiteral("first.tpj")));
    ASSERT_TRUE(saveAs(QStringLiteral("second"), start.System.Projekt_Pfad + QStringLiteral("second.tpj")));
    FileWrites writes(config.configFolder(), QStringLiteral("Kelto_VX.ini"));
    ASSERT_TRUE(writes.watching());

    // The first project from the recent list: it goes back on top, the list is written once.
    w->menuItem("Projekt2")->trigger();
    QApplication::processEvents();
    ASSERT_EQ(start.System.Projekt_Name, QStringLiteral("first"));
    EXPECT_EQ(writes.count(), 1);

    // Ctrl+S of an untitled project asks for a name and saves: one write of the settings file.
    w->menuItem("ProjNeu")->trigger(); // answers its question to save with the first button: saved as it is
    writes.count();
    boxes.clear();
    projektDialoge.answers = {QStringLiteral("third"), start.System.Projekt_Pfad + QStringLiteral("third.tpj")};
    ctrlS();
    ASSERT_EQ(start.System.Projekt_Name, QStringLiteral("third"));
    EXPECT_EQ(writes.count(), 1);
    EXPECT_TRUE(config.settingsBytes().contains("Name1=" + start.System.Projekt_Pfad.toUtf8() + "third.tpj"));

    // Saving it again leaves the list as it is: no write at all.
    ctrlS();
    EXPECT_EQ(writes.count(), 0);
    EXPECT_TRUE(boxes.shown.empty());

    // Save As of the titled project under a new name, from its menu item: one write.
    projektDialoge.answers = {start.System.Projekt_Pfad + QStringLiteral("fourth.tpj")};
    w->menuItem("ProjSaveAs")->trigger();
    QApplication::processEvents();
    ASSERT_EQ(start.System.Projekt_Name, QStringLiteral("fourth"));
    EXPECT_EQ(writes.count(), 1);
}

// A save dialog that returns a dotted name without ".tpj" (as the desktop's own dialog may) has
// asked about that name only: the project file it becomes is asked about before it is replaced.
TEST_F(SpeichernFenster, SaveAsAsksBeforeReplacingTheFileTheNameBecomes)
{
    open(1);
    referencePoint();
    const QString ordner = start.System.Projekt_Pfad;
    const auto inhalt = [&](const QString& name) {
        QFile f(ordner + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const auto schreibe = [&](const QString& name, const QByteArray& bytes) {
        QFile f(ordner + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    schreibe(QStringLiteral("Pump 3.5 kW.tpj"), "the colleague's project");
    schreibe(QStringLiteral("Pump 3.5 kW"), "a note without suffix");
    const QString frage = QStringLiteral("Pump 3.5 kW.tpj already exists.\r\nDo you want to replace it?");
    // The dialog confirms the name as typed, without the suffix the program adds.
    const auto saveAsTyped = [&](const QString& name) {
        projektDialoge.answers = {name, ordner + name};
        const bool saved = w->Projekt_SaveAs();
        EXPECT_TRUE(projektDialoge.answers.empty());
        return saved;
    };

    // No: nothing is written, both files stay, the project stays untitled.
    boxes.answers = {common::mb::No};
    EXPECT_FALSE(saveAsTyped(QStringLiteral("Pump 3.5 kW")));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, frage);
    EXPECT_EQ(boxes.shown[0].style, common::mb::YesNo | common::mb::Exclamation | common::mb::DefaultButton2);
    EXPECT_EQ(boxes.shown[0].title, zustand->Texte.Text_100[1]);
    EXPECT_EQ(inhalt(QStringLiteral("Pump 3.5 kW.tpj")), "the colleague's project");
    EXPECT_EQ(inhalt(QStringLiteral("Pump 3.5 kW")), "a note without suffix");
    EXPECT_FALSE(QFileInfo::exists(ordner + QStringLiteral("Pump 3.5 kW.bak")));
    EXPECT_TRUE(start.System.Projekt_Name.isEmpty());

    // Yes: the project replaces the ".tpj" file, whose old bytes become the copy.
    boxes.clear();
    boxes.answers = {common::mb::Yes};
    EXPECT_TRUE(saveAsTyped(QStringLiteral("Pump 3.5 kW")));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, frage);
    EXPECT_EQ(start.System.Projekt_File, ordner + QStringLiteral("Pump 3.5 kW.tpj"));
    EXPECT_NE(inhalt(QStringLiteral("Pump 3.5 kW.tpj")), "the colleague's project");
    EXPECT_EQ(inhalt(QStringLiteral("Pump 3.5 kW.bak")), "the colleague's project");
    EXPECT_EQ(inhalt(QStringLiteral("Pump 3.5 kW")), "a note without suffix");

    // The name the dialog confirmed is the file written, or no such file exists: no question.
    boxes.clear();
    projektDialoge.answers = {ordner + QStringLiteral("Pump 3.5 kW.tpj")}; // titled now: no name asked
    EXPECT_TRUE(w->Projekt_SaveAs());
    projektDialoge.answers = {ordner + QStringLiteral("Pump 4.0 kW")};
    EXPECT_TRUE(w->Projekt_SaveAs());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(start.System.Projekt_File, ordner + QStringLiteral("Pump 4.0 kW.tpj"));
    EXPECT_EQ(inhalt(QStringLiteral("Pump 3.5 kW")), "a note without suffix");

    // A name without any dot, as the desktop's dialog confirms it: asked about as the .tpj file.
    schreibe(QStringLiteral("Pump.tpj"), "another project");
    boxes.answers = {common::mb::No};
    projektDialoge.answers = {ordner + QStringLiteral("Pump")};
    EXPECT_FALSE(w->Projekt_SaveAs());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, QStringLiteral("Pump.tpj already exists.\r\nDo you want to replace it?"));
    EXPECT_EQ(inhalt(QStringLiteral("Pump.tpj")), "another project");
    EXPECT_EQ(start.System.Projekt_File, ordner + QStringLiteral("Pump 4.0 kW.tpj"));
}
