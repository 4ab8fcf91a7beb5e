// The project commands with a recording storage and scripted dialogs: what is asked, what is
// written where, and that name, file, caption and recent list change only after success.
#include "common/messages.h"
#include "common/recordingmessageboxes.h"
#include "platform/tempconfig.h"
#include "program/project/projekt_befehle.h"
#include "program/texts/settings.h"
#include "program/texts/textcatalogue.h"
#include "program/windowrules/projekt_befehle.h"
#include "program/windowrules/projekt_historie.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <deque>
#include <gtest/gtest.h>

using namespace ui;

namespace {

// Writes a one-line file in place of a project; refuses what it is told to refuse.
struct FakeAblage : ProjektAblage {
    explicit FakeAblage(texts::System& s) : sys(s) {}
    texts::System& sys;
    QStringList log;
    QSet<QString> refused;
    bool saveFails = false;

    bool laden(const QString& pfad) override
    {
        log << QStringLiteral("laden ") + pfad;
        if (refused.contains(pfad) || !QFileInfo(pfad).isFile())
            return false;
        sys.Projekt_File = pfad;
        sys.Projekt_Name = project::Projekt_NameAusPfad(pfad);
        return true;
    }
    bool speichern(const QString& pfad) override
    {
        log << QStringLiteral("speichern ") + pfad;
        if (saveFails)
            return false;
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write("project");
        sys.Projekt_File = pfad;
        sys.Projekt_Name = project::Projekt_NameAusPfad(pfad);
        return true;
    }
    void neu() override
    {
        log << QStringLiteral("neu");
        sys.Projekt_Name.clear();
    }
};

struct FakeDialoge : ProjektDialoge {
    std::deque<QString> answers;
    QStringList asked; // "kind|title|folder|proposal"
    QString next()
    {
        if (answers.empty())
            return {};
        QString a = answers.front();
        answers.pop_front();
        return a;
    }
    QString speichernUnter(const QString& titel, const QString& ordner, const QString& vorschlag) override
    {
        asked << QStringLiteral("save|%1|%2|%3").arg(titel, ordner, vorschlag);
        return next();
    }
    QString oeffnen(const QString& titel, const QString& ordner) override
    {
        asked << QStringLiteral("open|%1|%2|").arg(titel, ordner);
        return next();
    }
    QString eingabe(const QString& titel, const QString& frage) override
    {
        asked << QStringLiteral("input|%1|%2|").arg(titel, frage);
        return next();
    }
};

struct ProjektBefehleTest : ::testing::Test {
    TempConfig config;
    texts::System sys;
    texts::Texte texte;
    common::RecordingMessageBoxes boxes;
    FakeAblage ablage{sys};
    FakeDialoge dialoge;
    ProjektBefehle befehle{sys, texte, boxes, ablage, dialoge};
    int titles = 0;
    QStringList items; // the shown state of each recent item
    QString data;

    void SetUp() override
    {
        texts::Init_MeldungsTexte(texte);
        data = config.root() + QStringLiteral("/Data/");
        befehle.standardOrdner = [this] { return data; };
        befehle.titelNeu = [this] { ++titles; };
        for (int n = 0; n < 9; ++n)
            items << QString();
        befehle.menuePunkt = [this](int n, const QString& caption, const QString& pfad, bool an) {
            items[n - 1] = caption + QLatin1Char('|') + pfad + (an ? QStringLiteral("|on") : QStringLiteral("|off"));
        };
    }

    QString file(const QString& name)
    {
        QDir().mkpath(config.root() + QStringLiteral("/elsewhere"));
        const QString p = config.root() + QStringLiteral("/elsewhere/") + name;
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write("x");
        return p;
    }
    QString stored(int n) { return texts::INI_lesen(sys, QStringLiteral("Name%1").arg(n), texts::ini::Projekte); }
    void storeList(const QStringList& l)
    {
        for (int n = 1; n <= 9; ++n)
            texts::INI_schreiben(sys, QStringLiteral("Name%1").arg(n), l.value(n - 1), texts::ini::Projekte);
    }
};

} // namespace

TEST(ProjektHistorie, NewPathOnTopWithoutHolesOrRepeats)
{
    const auto L = [](const char* s) {
        QStringList l = QString::fromLatin1(s).split(QLatin1Char(','));
        for (QString& e : l)
            if (e == QLatin1String("-"))
                e.clear();
        return l;
    };
    const auto nine = [](QStringList l) {
        while (l.size() < 9)
            l << QString();
        return l;
    };
    struct Case {
        const char* before;
        const char* path;
        const char* after;
    };
    const Case cases[] = {
        {"A,B,C,D", "C", "C,A,B,D"},          // taken out, the ones above move down
        {"A,B,C", "P", "P,A,B,C"},            // new on top
        {"A,B,C,D,E,F,G,H,I", "P", "P,A,B,C,D,E,F,G,H"}, // the ninth drops out
        {"A,B", "A", "A,B"},                  // already first
        {"A,-,C", "P", "P,A,C"},              // a hole does not become a repeat
        {"A,X,B,X", "X", "X,A,B"},            // repeats from the file disappear
        {"a,A", "A", "A,a"},                  // exact comparison
    };
    for (const Case& c : cases)
        EXPECT_EQ(Projekt_History_neu(L(c.before), QString::fromLatin1(c.path)), nine(L(c.after))) << c.before << " + " << c.path;

    EXPECT_EQ(Projekt_History_Caption(4, QString()), "4: ");
    EXPECT_EQ(Projekt_History_Caption(2, "/home/u/R&D pump.tpj"), "2: R&&D pump.tpj");
}

TEST_F(ProjektBefehleTest, RecentListIsWrittenAndShown)
{
    storeList({"/p/a.tpj", "", "/p/a.tpj", "/p/b.tpj"});
    befehle.Set_ProjHistory("/p/c.tpj");
    EXPECT_EQ(stored(1), "/p/c.tpj");
    EXPECT_EQ(stored(2), "/p/a.tpj");
    EXPECT_EQ(stored(3), "/p/b.tpj");
    EXPECT_EQ(stored(4), "");
    EXPECT_TRUE(config.settingsBytes().contains("Name9="));
    EXPECT_EQ(items[0], "1: c.tpj|/p/c.tpj|on");
    EXPECT_EQ(items[2], "3: b.tpj|/p/b.tpj|on");
    for (int n = 4; n <= 9; ++n)
        EXPECT_EQ(items[n - 1], QStringLiteral("%1: ||off").arg(n));
}

TEST_F(ProjektBefehleTest, UntitledSaveAsksForANameFirst)
{
    // An empty name saves nothing and opens no file dialog.
    dialoge.answers = {QString()};
    EXPECT_FALSE(befehle.Projekt_Save());
    EXPECT_EQ(dialoge.asked, QStringList{"input|Projektname eingeben|Projektname eingeben|"});
    EXPECT_TRUE(ablage.log.isEmpty());

    // A name proposes the file; cancelling the dialog leaves the project untitled.
    dialoge.asked.clear();
    dialoge.answers = {QStringLiteral(" pump/3 "), QString()};
    EXPECT_FALSE(befehle.Projekt_Save());
    ASSERT_EQ(dialoge.asked.size(), 2);
    EXPECT_EQ(dialoge.asked[1], "save|Aktuelles Projekt speichern?|" + data + "|pump3");
    EXPECT_TRUE(QFileInfo(data).isDir()); // the data folder is made for the dialog
    EXPECT_TRUE(sys.Projekt_Name.isEmpty());
    EXPECT_TRUE(ablage.log.isEmpty());
    EXPECT_EQ(titles, 0);
    EXPECT_EQ(stored(1), "");

    // Saved: name, caption and list follow; the next save writes the same file without asking.
    dialoge.answers = {QStringLiteral("pump3"), data + "pump3.tpj"};
    EXPECT_TRUE(befehle.Projekt_Save());
    EXPECT_EQ(sys.Projekt_Name, "pump3");
    EXPECT_EQ(titles, 1);
    EXPECT_EQ(stored(1), data + "pump3.tpj");
    dialoge.asked.clear();
    EXPECT_TRUE(befehle.Projekt_Save());
    EXPECT_TRUE(dialoge.asked.isEmpty());
    EXPECT_EQ(ablage.log.last(), "speichern " + data + "pump3.tpj");
}

TEST_F(ProjektBefehleTest, ProjectOpenedElsewhereIsSavedWhereItCameFrom)
{
    const QString p = file("valve.tpj");
    sys.Projekt_File = p;
    sys.Projekt_Name = "valve";
    EXPECT_TRUE(befehle.Projekt_Save());
    EXPECT_EQ(ablage.log, QStringList{"speichern " + p});
    EXPECT_FALSE(QFileInfo::exists(data + "valve.tpj"));
}

TEST_F(ProjektBefehleTest, FailedSaveChangesNothingAndStopsNewAndOpen)
{
    storeList({"/p/a.tpj"});
    sys.Projekt_File = data + "a.tpj";
    sys.Projekt_Name = "a";
    ablage.saveFails = true;

    // New, Yes, the save fails: the project stays.
    boxes.answers = {common::mb::Yes};
    befehle.Projekt_Neu();
    EXPECT_FALSE(ablage.log.contains("neu"));
    EXPECT_EQ(sys.Projekt_Name, "a");
    EXPECT_EQ(stored(1), "/p/a.tpj");
    EXPECT_EQ(titles, 0);

    // Open, Yes, the save fails: no dialog.
    boxes.answers = {common::mb::Yes};
    befehle.Projekt_Load();
    EXPECT_TRUE(dialoge.asked.isEmpty());

    // New, No: nothing saved, an empty project.
    ablage.log.clear();
    boxes.answers = {common::mb::No};
    befehle.Projekt_Neu();
    EXPECT_EQ(ablage.log, QStringList{"neu"});
    EXPECT_EQ(boxes.shown.back().prompt, texte.Text_100[0]);
    EXPECT_EQ(boxes.shown.back().style, common::mb::YesNo | common::mb::Question);
}

TEST_F(ProjektBefehleTest, OpenCommitsOnlyAfterTheFileWasRead)
{
    const QString good = file("good.tpj");
    const QString bad = file("bad.tpj");
    ablage.refused << bad;
    sys.Projekt_File = data + "old.tpj";
    sys.Projekt_Name = "old";

    // Cancelled (empty, the filter itself, a too short name): nothing read.
    for (const char* answer : {"", "*.tpj", "/x/a.tp"}) {
        boxes.answers = {common::mb::No};
        dialoge.answers = {QString::fromLatin1(answer)};
        befehle.Projekt_Load();
    }
    EXPECT_TRUE(ablage.log.isEmpty());
    EXPECT_EQ(dialoge.asked[0], "open|Projekt-Datei laden|" + data + "|");

    // Refused by the reader: name, file, caption and list stay.
    boxes.answers = {common::mb::No};
    dialoge.answers = {bad};
    befehle.Projekt_Load();
    EXPECT_EQ(sys.Projekt_Name, "old");
    EXPECT_EQ(sys.Projekt_File, data + "old.tpj");
    EXPECT_EQ(titles, 0);
    EXPECT_EQ(stored(1), "");

    boxes.answers = {common::mb::No};
    dialoge.answers = {good};
    befehle.Projekt_Load();
    EXPECT_EQ(sys.Projekt_Name, "good");
    EXPECT_EQ(titles, 1);
    EXPECT_EQ(stored(1), good);
}

TEST_F(ProjektBefehleTest, RecentItems)
{
    const QString a = file("a.tpj");
    const QString b = file("b.tpj");
    const QString gone = config.root() + "/elsewhere/gone.tpj";
    storeList({b, gone, a});
    befehle.Set_ProjHistory(a); // [a, b, gone]
    sys.Projekt_File = a;
    sys.Projekt_Name = "a";
    boxes.clear();

    // A file that has gone: the message with its path, no question, the list as it was.
    befehle.Projekt_load_Liste(3);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, texte.Text_106[0] + "\r" + gone);
    EXPECT_EQ(boxes.shown[0].style, common::mb::Critical);
    EXPECT_EQ(stored(3), gone);
    EXPECT_TRUE(ablage.log.isEmpty());

    // The current project again: reloaded as saved, without the question.
    boxes.clear();
    befehle.Projekt_load_Liste(1);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(ablage.log, QStringList{"laden " + a});

    // Another one: the question first; it moves to the top, the others keep their order.
    boxes.answers = {common::mb::No};
    befehle.Projekt_load_Liste(2);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(sys.Projekt_Name, "b");
    EXPECT_EQ(befehle.Projekt_History().mid(0, 3), (QStringList{b, a, gone}));

    // After New the untitled project is not the saved one: asked about, even for its old file.
    ablage.neu();
    boxes.clear();
    boxes.answers = {common::mb::No};
    befehle.Projekt_load_Liste(1);
    EXPECT_EQ(boxes.shown.size(), 1u);

    // Empty items and numbers outside 1 to 9 do nothing.
    ablage.log.clear();
    befehle.Projekt_load_Liste(4);
    befehle.Projekt_load_Liste(0);
    befehle.Projekt_load_Liste(10);
    EXPECT_TRUE(ablage.log.isEmpty());
}

TEST_F(ProjektBefehleTest, FirstActivationLoadsTheLastProjectOrStartsUntitled)
{
    // No last project.
    befehle.Projektfile_Load();
    EXPECT_EQ(ablage.log, QStringList{"neu"});

    // Gone: message, untitled.
    const QString gone = config.root() + "/gone.tpj";
    sys.Projekt_File = gone;
    sys.Projekt_Name = "gone";
    ablage.log.clear();
    befehle.Projektfile_Load();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, texte.Text_106[0] + "\r" + gone);
    EXPECT_EQ(ablage.log, QStringList{"neu"});
    EXPECT_TRUE(sys.Projekt_Name.isEmpty());

    // Refused by the reader: untitled as well, so that Save cannot write over that file.
    const QString bad = file("bad.tpj");
    ablage.refused << bad;
    sys.Projekt_File = bad;
    sys.Projekt_Name = "bad";
    befehle.Projektfile_Load();
    EXPECT_TRUE(sys.Projekt_Name.isEmpty());
    dialoge.answers = {QString()};
    EXPECT_FALSE(befehle.Projekt_Save());
    EXPECT_FALSE(ablage.log.contains("speichern " + bad));

    // Loaded: caption and the list.
    const QString good = file("good.tpj");
    sys.Projekt_File = good;
    befehle.Projektfile_Load();
    EXPECT_EQ(sys.Projekt_Name, "good");
    EXPECT_EQ(titles, 1);
    EXPECT_EQ(items[0], "1: good.tpj|" + good + "|on");
}
