// The description documents name the program's controls by the captions the window and its
// options dialog show in the document's language: every caption a document marks is one of them.
#include "platform/apppaths.h"
#include "program/texts/textliterals.h"
#include "program/ui/beschreibung.h"
#include "program/ui/optionen.h"
#include "program/ui/optionen_dateiauswahl.h"
#include "program/ui/optionen_ergbausgabe.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>

namespace {

QString bereinigt(QString text)
{
    // Access-key signs are not shown; a few French texts end in a stray quote mark that the
    // description leaves out.
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    if (text.endsWith(QLatin1Char('"')))
        text.chop(1);
    return text;
}

void sammeln(const QWidget& fenster, QSet<QString>& texte)
{
    texte.insert(bereinigt(fenster.windowTitle()));
    for (const QLabel* l : fenster.findChildren<QLabel*>())
        texte.insert(bereinigt(l->text()));
    for (const QAbstractButton* b : fenster.findChildren<QAbstractButton*>())
        texte.insert(bereinigt(b->text()));
    for (const QGroupBox* g : fenster.findChildren<QGroupBox*>())
        texte.insert(bereinigt(g->title()));
    for (const QTabWidget* t : fenster.findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i)
            texte.insert(bereinigt(t->tabText(i)));
    for (const QAction* a : fenster.findChildren<QAction*>())
        texte.insert(bereinigt(a->text()));
    for (const QComboBox* c : fenster.findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i)
            texte.insert(bereinigt(c->itemText(i)));
}

QString dokument(int sprache)
{
    // The documents as the program ships them, in the system folder beside it.
    QFile f(platform::AppPaths::forRunningProgram().systemFile(ui::Beschreibung_Datei(sprache)));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

TEST_F(WindowFixture, DescriptionsNameTheCaptionsOfTheirLanguage)
{
    for (const int sprache : {0, 1, 2}) {
        open(sprache);
        QSet<QString> texte;
        sammeln(*w, texte);
        ui::ErgbAusgabeOptionen bericht(zustand->Start.ErgbAusgabe);
        ui::QtOptionenDateiauswahl dateien;
        {
            ui::Optionen optionen(zustand->Start, bericht, dateien);
            sammeln(optionen, texte);
        }
        // Texts of the heat-load windows, messages and menus, as the literal tables give them.
        for (const auto& tabelle : {texts::meldungsLiterals(), texts::sysLiterals(), texts::menueLiterals()})
            for (const texts::TextLiteral& l : tabelle) {
                const char* s = sprache == 0 ? l.de : sprache == 1 ? l.en : l.fr;
                if (s != nullptr)
                    texte.insert(bereinigt(QString::fromUtf8(s)));
            }

        const QString html = dokument(sprache);
        ASSERT_FALSE(html.isEmpty()) << sprache;
        static const QRegularExpression marke(QStringLiteral("<b class=\"c\">(.*?)</b>"),
            QRegularExpression::DotMatchesEverythingOption);
        int gefunden = 0;
        for (const QRegularExpressionMatch& m : marke.globalMatch(html)) {
            const QString caption = bereinigt(m.captured(1));
            ++gefunden;
            EXPECT_TRUE(texte.contains(caption)) << "language " << sprache << ": \"" << caption.toStdString() << "\"";
        }
        EXPECT_GT(gefunden, 40) << sprache;
        w.reset();
        zustand.reset();
        start = app::AppState{};
    }
}
