// The description document: which file a language opens, where it is looked for, and what the
// user sees when it is missing.
#include "common/messages.h"
#include "common/recordingmessageboxes.h"
#include "platform/apppaths.h"
#include "program/texts/textcatalogue.h"
#include "program/ui/beschreibung.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ui;

namespace {

struct FakeOeffner : DokumentOeffner {
    QStringList opened;
    bool result = true;
    bool oeffnen(const QString& pfad) override
    {
        opened << pfad;
        return result;
    }
};

// The program's texts in one language, as the main window fills them.
texts::Texte texteIn(int sprache)
{
    texts::Texte t;
    texts::Init_MeldungsTexte(t);
    t.SprachNr = static_cast<qint16>(sprache);
    return t;
}

} // namespace

TEST(Beschreibung, DocumentByLanguage)
{
    const struct {
        int sprache;
        const char* datei;
    } cases[] = {{0, "keltoline-ger.html"}, {1, "keltoline-eng.html"}, {2, "keltoline-fra.html"},
        {7, "keltoline-eng.html"}, {16, "keltoline-eng.html"}, {17, "keltoline-eng.html"}, {-1, "keltoline-eng.html"}};
    for (const auto& c : cases)
        EXPECT_EQ(Beschreibung_Datei(c.sprache), QString::fromLatin1(c.datei)) << c.sprache;
}

TEST(Beschreibung, OpensTheFoundFileOrNamesThePathLookedFor)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("system");
    QFile f(dir.path() + "/system/KeltoLine-Eng.HTML");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const platform::AppPaths pfade(dir.path());
    FakeOeffner oeffner;
    common::RecordingMessageBoxes boxes;

    // Spanish opens the English document, found whatever its case.
    Word_Beschreibung_anzeigen(pfade, texteIn(7), oeffner, boxes);
    EXPECT_EQ(oeffner.opened, QStringList{dir.path() + "/system/KeltoLine-Eng.HTML"});
    EXPECT_TRUE(boxes.shown.empty());

    // No French document: the message names the full path; nothing is opened.
    oeffner.opened.clear();
    Word_Beschreibung_anzeigen(pfade, texteIn(2), oeffner, boxes);
    EXPECT_TRUE(oeffner.opened.isEmpty());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, "Fichier introuvable !\r\n" + dir.path() + "/system/keltoline-fra.html");
    EXPECT_EQ(boxes.shown[0].style, common::mb::Information);

    // A desktop without a program for it: the user is told, in the program's language, with the
    // document's full path.
    QFile ger(dir.path() + "/system/keltoline-ger.html");
    ASSERT_TRUE(ger.open(QIODevice::WriteOnly));
    ger.close();
    oeffner.result = false;
    const struct {
        int sprache;
        const char* anfang;
        const char* datei;
    } ohneProgramm[] = {{1, "No program was found to open this file:", "KeltoLine-Eng.HTML"},
        {15, "このファイルを開くプログラムが見つかりません：", "KeltoLine-Eng.HTML"},
        {4, "Не найдена программа для открытия этого файла:", "KeltoLine-Eng.HTML"},
        {0, "Kein Programm zum Öffnen dieser Datei gefunden:", "keltoline-ger.html"}};
    for (const auto& c : ohneProgramm) {
        boxes.clear();
        Word_Beschreibung_anzeigen(pfade, texteIn(c.sprache), oeffner, boxes);
        ASSERT_EQ(boxes.shown.size(), 1u) << c.sprache;
        EXPECT_EQ(boxes.shown[0].prompt,
            QString::fromUtf8(c.anfang) + "\r\n" + dir.path() + "/system/" + QString::fromLatin1(c.datei));
        EXPECT_EQ(boxes.shown[0].style, common::mb::Information);
    }
}

TEST(Beschreibung, ProgramShipsTheThreeDocuments)
{
    const platform::AppPaths pfade = platform::AppPaths::forRunningProgram();
    for (int sprache : {0, 1, 2}) {
        const QString pfad = pfade.systemFile(Beschreibung_Datei(sprache));
        ASSERT_FALSE(pfad.isEmpty()) << sprache;
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray html = f.readAll();
        EXPECT_TRUE(html.startsWith("<!DOCTYPE html>"));
        EXPECT_TRUE(html.contains("<h1>Kelto-Line</h1>"));
    }
}
