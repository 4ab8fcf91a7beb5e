#include "platform/tempconfig.h"
#include "program/texts/startup_caption.h"
#include "program/texts/startup_sysdaten.h"
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

TEST(Setze_FormCaption, CaptionAfterReadingTheSettings)
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
        texts::AppState state;
        texts::Init_SysDaten(state, QLocale(QLocale::English));
        FakeWindow window;
        texts::Setze_FormCaption(&window, titles(), state.SprachNr, state.System);
        EXPECT_EQ(window.caption, c.caption) << c.file.constData();
    }
}

TEST(Setze_FormCaption, LanguageSeventeenHasNoTitleAndNoWindowIsLeftAlone)
{
    EXPECT_EQ(texts::FormCaption(titles(), 17, QStringLiteral("P")), QStringLiteral(" V-1.4 i     Geladenes Projekt:  P"));
    EXPECT_EQ(texts::FormCaption(titles(), -5, QString()), QStringLiteral(" V-1.4 i     Geladenes Projekt:  unbenannt"));
    texts::System sys;
    texts::Setze_FormCaption(nullptr, titles(), 1, sys); // no main window yet: nothing to do, no crash
    FakeWindow window;
    texts::Setze_FormCaption(&window, titles(), 1, sys);
    EXPECT_EQ(window.calls, 1);
}
