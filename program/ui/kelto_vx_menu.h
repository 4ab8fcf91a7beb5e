#pragma once
// The main window of the program. For now it loads the texts, sets its caption and checks the word
// processor; the inputs, results and menus come with the window's own work.
#include "common/messages.h"
#include "program/texts/startup_appstate.h"
#include "program/texts/startup_caption.h"
#include <QMainWindow>

namespace ui {

class Kelto_VX_Menu : public QMainWindow, public texts::CaptionWindow {
    Q_OBJECT
public:
    // Creating the window is its load: texts, caption, word-processor check.
    Kelto_VX_Menu(texts::AppState& state, common::MessageBoxes& boxes, QWidget* parent = nullptr);

    void setCaption(const QString& caption) override;

protected:
    // Unloading the main window unloads every window of the program.
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();

    texts::AppState& m_state;
    common::MessageBoxes& m_boxes;
};

} // namespace ui
