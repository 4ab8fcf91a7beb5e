#pragma once
// The report writer: turns the current result into a .docx document section by section, saves
// it in the user's data folder under the project's name and shows or prints it.
#include "common/messages.h"
#include "platform/apppaths.h"
#include "program/report/ergbausgabe.h"
#include "program/report/writer/reportwindow.h"
#include "program/app/appstate.h"
#include "wp/application.h"
#include <QLocale>
#include <functional>
#include <memory>

namespace report {

// Print flag of Word_Dokument_erstellen.
inline constexpr int DruckenSofort = -1; // save, print at once, close
inline constexpr int Vorschau = 0;       // save and show (any other value too)

// Everything one run reads and the services it uses.
struct ReportContext {
    app::AppState& app; // its ErgbAusgabe holds the report options and addresses
    ReportWindow& window;
    common::MessageBoxes& boxes;
    platform::AppPaths paths;
    // Locale of the numbers in the document (the program's number format).
    QLocale locale;
    // Viewer, printer and lock-file test; shared with the word-processor application.
    std::shared_ptr<wp::ExternalPrograms> programs = std::make_shared<wp::DesktopPrograms>();
    // Paper of a blank document (a template brings its own).
    wp::Paper paper = wp::Paper::systemDefault();
    // Folder used when the user's data folder does not exist.
    QString defaultDataFolder = platform::AppPaths::defaultDataFolder();
    // Size of the chart pictures: 16 x 10 cm, rendered at 200 dpi.
    double chartWidthCm = 16.0;
    double chartHeightCm = 10.0;
    double chartDpi = 200.0;
    // Creates the word-processor application of a run; tests may hand in one that fails.
    std::function<std::unique_ptr<wp::Application>(std::shared_ptr<wp::ExternalPrograms>)> createApplication =
        [](std::shared_ptr<wp::ExternalPrograms> p) { return std::make_unique<wp::Application>(std::move(p)); };
};

// Writes the report of the current selection. printFlag DruckenSofort prints at once, any other
// value saves and opens the document in the desktop's viewer. Every failure ends in one message;
// the busy state is reset on every path, and an earlier report is only replaced by a complete one.
void Word_Dokument_erstellen(ReportContext& ctx, int printFlag);

// Base name and full path of the report document of a project name in a folder.
QString reportBaseName(const QString& Projekt_Name);

} // namespace report
