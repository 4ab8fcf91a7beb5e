// Kelto-Line: refuses a second running copy, reads the settings, shows the main window.
#include "common/widgets/qtmessageboxes.h"
#include "platform/singleinstance.h"
#include "program/app/startup_main.h"
#include "program/ui/anwendung.h"
#include "program/ui/kelto_vx_menu.h"
#include <QApplication>
#include <QLocale>
#include <csignal>

int main(int argc, char** argv)
{
    // Past a file-size limit a write should fail and be reported like a full disk, not end the
    // program and with it the user's unsaved work.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    ui::anwendungBenennen();

    common::QtMessageBoxes boxes(nullptr, ui::ProgrammTitel);
    platform::SingleInstance instance; // held until the program ends
    app::AppState state;

    const app::StartResult started = app::Main(state, instance, boxes, QLocale::system(), [&] {
        auto* window = new ui::Kelto_VX_Menu(state, boxes);
        state.Forms.add(window);
        boxes.setParentWindow(window); // messages stand over the main window
        // The program ends with its main window, whatever other window is still open.
        QObject::connect(window, &QObject::destroyed, &application, &QCoreApplication::quit);
        window->show();
    });
    if (started == app::StartResult::AlreadyRunning)
        return 0;
    return QApplication::exec();
}
