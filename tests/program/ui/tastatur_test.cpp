// The main window from the keyboard, with real key events into its fields: every menu shortcut
// runs its command from any input field and leaves the field's text alone; no letter gets into a
// numeric field, whatever modifier is held and whether it is typed, pasted or dropped.
// ctest runs these tests a second time on a virtual X server, whose desktop gives a line edit
// bindings of its own (Ctrl+U deletes the line there).
#include "program/windowrules/menutree.h"
#include "windowfixture.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

namespace {

struct Tastatur : WindowFixture {
    // The window as a user has it: shown, active, the reference point entered.
    void oeffnen()
    {
        open();
        w->activateWindow();
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        referencePoint();
    }

    std::vector<QLineEdit*> felder() const { return {w->TB_Durchfluss, w->TB_T_in, w->TB_T_Umgebung, w->TB_KLeistung}; }

    // Drags a text onto the field's left end and drops it there.
    static void fallenLassen(QLineEdit* feld, const QString& text)
    {
        QMimeData daten;
        daten.setText(text);
        const QPoint links(2, feld->height() / 2);
        QDragEnterEvent hinein(links, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(feld, &hinein);
        QDragMoveEvent ueber(links, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(feld, &ueber);
        QDropEvent fallen(links, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(feld, &fallen);
    }

    // Types the field's value back and confirms it, so that the next field stays open for input
    // (an invalid operating point closes the heat-load field).
    static void zurueck(QLineEdit* feld, const QString& wert)
    {
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(feld, wert);
        QTest::keyClick(feld, Qt::Key_Return);
    }

    static void fokus(QLineEdit* feld)
    {
        feld->setFocus();
        QApplication::processEvents(); // the field selects its text once it has the focus
        feld->end(false);
    }
};

TEST_F(Tastatur, MenuShortcutsRunTheirCommandFromEveryFieldAndLeaveItsText)
{
    oeffnen();
    QStringList gelaufen;
    std::vector<std::pair<QString, QKeySequence>> kurz;
    for (const ui::MenuEintrag& e : ui::menuBaum()) {
        // Alt+F4 closes the window through the window manager before any program sees it.
        if (e.shortcut.isEmpty() || e.key == QLatin1String("Progexit"))
            continue;
        kurz.emplace_back(e.key, QKeySequence(e.shortcut));
        QObject::connect(w->menuItem(e.key), &QAction::triggered, w.get(), [&gelaufen, key = e.key] { gelaufen << key; });
    }
    ASSERT_EQ(kurz.size(), 5u); // Ctrl+L, Ctrl+S, Ctrl+U, Ctrl+P, Ctrl+O

    for (QLineEdit* feld : felder()) {
        for (const auto& [key, sequenz] : kurz) {
            SCOPED_TRACE(feld->objectName().toStdString() + " " + sequenz.toString().toStdString());
            fokus(feld);
            const QString text = feld->text();
            ASSERT_FALSE(text.isEmpty());
            gelaufen.clear();
            projektDialoge.asked.clear();
            boxes.answers = {common::mb::No}; // Open asks whether to save first
            QTest::keyClick(feld, sequenz[0].key(), sequenz[0].keyboardModifiers());
            EXPECT_EQ(gelaufen, QStringList{key});
            EXPECT_EQ(feld->text(), text);
            EXPECT_TRUE(feld->hasFocus());
            if (key == QLatin1String("ProjSaveAs")) { // Save As of the untitled project asks for a name
                EXPECT_EQ(projektDialoge.asked, QStringList{zustand->Texte.Text_120[0]});
            }
        }
    }
    EXPECT_TRUE(start.System.Projekt_Name.isEmpty()); // every name question was cancelled
}

TEST_F(Tastatur, NoLetterGetsIntoANumericFieldWhateverTheModifier)
{
    oeffnen();
    for (QLineEdit* feld : felder()) {
        SCOPED_TRACE(feld->objectName().toStdString());
        fokus(feld);
        const QString vorher = feld->text();
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier); // select all, then type over it
        QTest::keyClick(feld, Qt::Key_X, Qt::AltModifier);
        QTest::keyClick(feld, Qt::Key_Y, Qt::AltModifier);
        QTest::keyClick(feld, Qt::Key_5);
        QTest::keyClick(feld, Qt::Key_N, Qt::AltModifier);
        QTest::keyClick(feld, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier); // AltGr on many layouts
        QTest::keyClick(feld, Qt::Key_E, Qt::MetaModifier);
        QTest::keyClick(feld, Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(feld, Qt::Key_7, Qt::AltModifier); // a digit stays a digit
        EXPECT_EQ(feld->text(), "57");
        // The editing bindings still work: copy, paste, cut, undo.
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(feld, Qt::Key_C, Qt::ControlModifier);
        feld->end(false);
        QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(feld->text(), "5757");
        QTest::keyClick(feld, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(feld->text(), "57");
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(feld, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(feld->text(), "");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "57");
        zurueck(feld, vorher);
    }
}

TEST_F(Tastatur, PastedOrDroppedTextMeetsTheFieldsFilter)
{
    oeffnen();
    QClipboard* ablage = QGuiApplication::clipboard();
    for (QLineEdit* feld : felder()) {
        SCOPED_TRACE(feld->objectName().toStdString());
        fokus(feld);
        const QString vorher = feld->text();
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(feld, "12");
        const double kLeistung = k().KLeistung;

        // Through the paste key and through the field's own context menu.
        std::unique_ptr<QMenu> menue(feld->createStandardContextMenu());
        QAction* einfuegen = nullptr;
        const QString einfuegenTaste = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction* a : menue->actions())
            if (a->text().endsWith(QLatin1Char('\t') + einfuegenTaste))
                einfuegen = a; // the item that shows the paste key
        ASSERT_NE(einfuegen, nullptr);
        for (const QString& abgelehnt : {QStringLiteral("3\a"), QStringLiteral("x"), QStringLiteral("4 5"),
                 QStringLiteral("6\n"), QStringLiteral("1e3")}) {
            ablage->setText(abgelehnt);
            QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(feld->text(), "12") << abgelehnt.toStdString();
            QTest::keyClick(feld, Qt::Key_Insert, Qt::ShiftModifier);
            EXPECT_EQ(feld->text(), "12") << abgelehnt.toStdString();
            einfuegen->trigger();
            EXPECT_EQ(feld->text(), "12") << abgelehnt.toStdString();
        }
        EXPECT_EQ(k().KLeistung, kLeistung); // a refused paste is no edit
        ablage->setText("3.4");
        einfuegen->trigger();
        EXPECT_EQ(feld->text(), "123.4");

        // Dropped text, at the start of the field.
        fallenLassen(feld, "9a");
        EXPECT_EQ(feld->text(), "123.4");
        fallenLassen(feld, "9");
        EXPECT_EQ(feld->text(), "9123.4");
        zurueck(feld, vorher);
    }
    // The minus sign only where a negative value makes sense: the ambient temperature.
    ablage->setText("-5");
    fokus(w->TB_T_Umgebung);
    QTest::keyClick(w->TB_T_Umgebung, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w->TB_T_Umgebung, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w->TB_T_Umgebung->text(), "-5");
    fokus(w->TB_T_in);
    QTest::keyClick(w->TB_T_in, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w->TB_T_in, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w->TB_T_in->text(), "60");
}

// The program may write what a user cannot type (-12.2 degC in the inlet field after a unit
// switch); no undo, redo, paste or key brings a refused character back or in afterwards.
TEST_F(Tastatur, NoUndoBringsARefusedCharacterIntoANumericField)
{
    oeffnen();
    QClipboard* ablage = QGuiApplication::clipboard();
    w->menuItem("Menu_EH_Temp_F")->trigger();
    type(w->TB_T_Umgebung, "-20");
    type(w->TB_T_in, "10"); // its property message is answered OK by the recording boxes
    w->menuItem("Menu_EH_Temp_C")->trigger();
    QLineEdit* feld = w->TB_T_in;
    ASSERT_EQ(feld->text(), "-12.2");

    fokus(feld);
    QTest::keyClick(feld, Qt::Key_End);
    QTest::keyClick(feld, Qt::Key_5);
    QTest::keyClick(feld, Qt::Key_Home);
    QTest::keyClick(feld, Qt::Key_Right);
    QTest::keyClick(feld, Qt::Key_Backspace);
    ASSERT_EQ(feld->text(), "12.25");
    QTest::keyClick(feld, Qt::Key_Z, Qt::ControlModifier); // would put the minus back
    EXPECT_EQ(feld->text(), "12.25");
    ablage->setText("abc");
    QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(feld->text(), "12.25");
    ablage->setText("Q!");
    QTest::keyClick(feld, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(feld->text(), "12.25");
    QTest::keyClick(feld, Qt::Key_Q);
    EXPECT_EQ(feld->text(), "12.25");

    // The undo item of the field's own menu is held to the same rule; an undo that brings back
    // only what may be typed still works, from the menu as by key.
    QContextMenuEvent menueAnfrage(QContextMenuEvent::Keyboard, QPoint(2, 2), feld->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(feld, &menueAnfrage);
    auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menue, nullptr);
    QAction* rueckgaengig = menue->actions().value(0);
    ASSERT_NE(rueckgaengig, nullptr);
    ASSERT_TRUE(rueckgaengig->isEnabled());
    rueckgaengig->trigger();
    menue->close();
    EXPECT_EQ(feld->text(), "12.25");
    QTest::keyClick(feld, Qt::Key_End);
    QTest::keyClick(feld, Qt::Key_0);
    ASSERT_EQ(feld->text(), "12.250");
    QTest::keyClick(feld, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(feld->text(), "12.25");
    QTest::keyClick(feld, Qt::Key_Z, Qt::ControlModifier); // the minus again: refused
    QTest::keyClick(feld, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); // redo
    EXPECT_EQ(feld->text(), "12.250");

    // Leaving the field takes the value the field shows.
    boxes.clear();
    QTest::keyClick(feld, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_FALSE(feld->hasFocus());
    EXPECT_DOUBLE_EQ(k().T_in, 12.25);
    EXPECT_TRUE(k().Eingabe_OK);
    EXPECT_TRUE(w->FR_Leistung->isEnabled());
}

} // namespace
