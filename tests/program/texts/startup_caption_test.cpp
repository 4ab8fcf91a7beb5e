#include "platform/tempconfig.h"
#include "program/texts/startup_caption.h"
#include "program/app/startup_sysdaten.h"
#include "program/texts/textcatalogue.h"
#include <gtest/gtest.h>

namespace {

struct FakeWindow : texts::CaptionWindow {
    QString caption;
    int calls = 0;
    void setCaption(const QString& c) override
    {
        caption = c;
        ++calls;
    }
};

// The program title as the text store holds it: "Kelto-Line " for German, English and French,
// a title of its own in every other language.
texts::SprachText titles()
{
    texts::SprachText t;
    for (int i = 0; i < 3; ++i)
        t[i] = QStringLiteral("Kelto-Line ");
    for (int i = 3; i < 17; ++i)
        t[static_cast<std::size_t>(i)] = QStringLiteral("Title%1").arg(i);
    return t;
}

} // namespace

TEST(Setze_FormCaption, CaptionAfterReadingTheSettingsWithTheProgramsTitles)
{
    struct Case {
        QByteArray file;
        QString caption; // after the title of the language
        int language;
    };
    const Case cases[] = {
        {"[SysDaten]\nSprache=1\n[Projekte]\nName1=/some/folder/Pump3.tpj\n",
         QStringLiteral("Kelto-Line  V-1.4 i     active project:  Pump3"), 1},
        {"[SysDaten]\nSprache=0\n", QStringLiteral("Kelto-Line  V-1.4 i     Geladenes Projekt:  unbenannt"), 0},
        {"[SysDaten]\nSprache=4\n", QStringLiteral(" V-1.4 i     Geladenes Projekt:  unbenannt"), 4},
    };
    for (const Case& c : cases) {
        TempConfig env;
        env.writeSettings(c.file);
        app::AppState state;
        app::Init_SysDaten(state, QLocale(QLocale::English));
        texts::Init_SysTexte(state.Texte);
        FakeWindow window;
        texts::Setze_FormCaption(&window, state.Texte, state.System);
        if (c.language == 4) {
            // Russian: the title is text 500 of the Russian string table.
            const QString russianTitle = texts::compiledStringTable().entry(4, 500).value_or(QString());
            ASSERT_FALSE(russianTitle.isEmpty());
            EXPECT_EQ(window.caption, russianTitle + c.caption);
        } else {
            EXPECT_EQ(window.caption, c.caption) << c.file.constData();
        }
    }
}

TEST(Setze_FormCaption, CaptionOfEveryLanguageGroup)
{
    struct Case {
        QByteArray file;
        QString caption;
    };
    const Case cases[] = {
        {"[SysDaten]\nSprache=1\n[Projekte]\nName1=/some/folder/Pump3.tpj\n",
         QStringLiteral("Kelto-Line  V-1.4 i     active project:  Pump3")},
        {"[SysDaten]\nSprache=0\n", QStringLiteral("Kelto-Line  V-1.4 i     Geladenes Projekt:  unbenannt")},
        {"[SysDaten]\nSprache=2\n", QStringLiteral("Kelto-Line  V-1.4 i     project activé:  untiteled")},
        {"[SysDaten]\nSprache=3\n", QStringLiteral("Title3 V-1.4 i    active project:  untiteled")},
        {"[SysDaten]\nSprache=4\n[Projekte]\nName1=/x/Kühler.v2.tpj\n",
         QStringLiteral("Title4 V-1.4 i     Geladenes Projekt:  Kühler.v2")},
        {"[SysDaten]\nSprache=16\n", QStringLiteral("Title16 V-1.4 i     Geladenes Projekt:  unbenannt")},
    };
    for (const Case& c : cases) {
        TempConfig env;
        env.writeSettings(c.file);
        app::AppState state;
        app::Init_SysDaten(state, QLocale(QLocale::English));
        state.Texte.Titel_Text = titles();
        FakeWindow window;
        texts::Setze_FormCaption(&window, state.Texte, state.System);
        EXPECT_EQ(window.caption, c.caption) << c.file.constData();
    }
}

TEST(Setze_FormCaption, LanguageSeventeenHasNoTitleAndNoWindowIsLeftAlone)
{
    EXPECT_EQ(texts::FormCaption(titles(), 17, QStringLiteral("P")), QStringLiteral(" V-1.4 i     Geladenes Projekt:  P"));
    EXPECT_EQ(texts::FormCaption(titles(), -5, QString()), QStringLiteral(" V-1.4 i     Geladenes Projekt:  unbenannt"));
    texts::System sys;
    texts::Texte texte;
    texte.Titel_Text = titles();
    texts::Setze_FormCaption(nullptr, texte, sys); // no main window yet: nothing to do, no crash
    FakeWindow window;
    texts::Setze_FormCaption(&window, texte, sys);
    EXPECT_EQ(window.calls, 1);
}
