#pragma once
// A real main window on the offscreen platform with a fresh application state, a recording
// message interface, settings in a temporary folder and no word-processor check.
#include "common/messages.h"
#include "common/recordingmessageboxes.h"
#include "platform/tempconfig.h"
#include "program/ui/kelto_vx_menu.h"
#include "program/ui/projekt_befehle.h"
#include "program/ui/programmzustand.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <deque>
#include <memory>

// File and name dialogs of the project commands answered from a script ("" = cancelled).
struct ScriptedProjektDialoge : ui::ProjektDialoge {
    std::deque<QString> answers;
    QStringList asked; // the titles, in order
    QString answer(const QString& titel)
    {
        asked << titel;
        if (answers.empty())
            return {};
        QString a = answers.front();
        answers.pop_front();
        return a;
    }
    QString speichernUnter(const QString& titel, const QString&, const QString&) override { return answer(titel); }
    QString oeffnen(const QString& titel, const QString&) override { return answer(titel); }
    QString eingabe(const QString& titel, const QString&) override { return answer(titel); }
};

struct WindowFixture : ::testing::Test {
    TempConfig config;
    app::AppState start;
    std::unique_ptr<ui::Programmzustand> zustand;
    common::RecordingMessageBoxes boxes;
    std::unique_ptr<ui::Kelto_VX_Menu> w;
    QStringList commands;
    ScriptedProjektDialoge projektDialoge;

    // Builds and shows the window as the program entry does; `prepare` adjusts the start state first.
    void open(int sprache = 0, bool regionUS = false)
    {
        start.Texte.SprachNr = static_cast<qint16>(sprache);
        start.KDaten_Tab.Region_US = regionUS;
        start.System.Projekt_Pfad = config.root() + QStringLiteral("/Data/");
        start.System.Init_aktiv = true;
        start.System.BildID_Offset = 10; // as the program entry sets it
        zustand = std::make_unique<ui::Programmzustand>(start);
        zustand->locale = QLocale(QLocale::English, QLocale::UnitedStates);
        QDir().mkpath(start.System.Projekt_Pfad);
        ui::Kelto_VX_Menu::testHooks = [this](ui::Kelto_VX_Menu& win) {
            win.wordCheck = [] {};
            win.showModal = [this](const QString& c) { commands << c; };
            win.projektDialoge = &projektDialoge;
        };
        w = std::make_unique<ui::Kelto_VX_Menu>(*zustand, boxes);
        ui::Kelto_VX_Menu::testHooks = nullptr;
        w->show();
        w->Form_Activate();
        start.System.Init_aktiv = false;
    }

    rating::KuehlerDaten& k() { return zustand->KuehlerDaten; }

    // Types a text into a field and confirms it with Enter, as a user does.
    void type(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
        QApplication::processEvents();
    }

    // Picks a list entry as a user does.
    static void pick(QComboBox* box, int index)
    {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    // The reference operating point: DC 12 V, metric, oil ISO VG46, 60 degC in, 30 degC ambient,
    // 50 l/min, 3 kW.
    void referencePoint()
    {
        pick(w->CBox_Medium_Typ, 1);
        type(w->TB_T_in, "60");
        type(w->TB_T_Umgebung, "30");
        type(w->TB_Durchfluss, "50");
        type(w->TB_KLeistung, "3");
    }
};
