#pragma once
// Hands the chart out as a picture: printed on one page (with or without the printer dialog),
// written to a BMP file, or put on the clipboard. The picture comes from a renderer that draws the
// chart offscreen, so the chart on screen is never resized, hidden or re-entered during a run.
#include "chart/control/exportdialogs.h"
#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <functional>
#include <memory>

class QPrinter;

namespace vexachart {

enum class OutputMode : short { Printer = 1, BitmapFile = 2, Clipboard = 3, PrinterWithoutDialog = 4 };

struct PictureOutputServices {
    // Draws the output picture offscreen.
    std::function<QImage()> render;
    ChartDialogs* dialogs = nullptr;
    // The printer the page goes to; by default the system's default printer.
    std::function<std::unique_ptr<QPrinter>()> makePrinter;
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    QLocale locale;
};

class PictureOutput {
public:
    explicit PictureOutput(PictureOutputServices services);

    // One run in the given mode; mode 4 becomes mode 1 without the dialog. The file name matters
    // in mode 2 only: an empty one is asked for and returned. Cancel ends silently; other
    // failures are raised with the source "Vexachart.PrintPic".
    void outputChartPicture(OutputMode& mode, QString& fileName);

    // SavePic: mode 2, errors raised with the source "Vexachart.SavePic".
    void savePic(QString& xFileName);
    // CopyPicToClipboard: mode 3, errors raised with the source "Vexachart.CopyPicToClipboard".
    void copyPicToClipboard();
    // PrintChart: mode 4, errors raised as the run raises them.
    void printChart();

    // True from the start of a run to its end, also when it fails.
    bool outputInProgress() const { return m_inProgress; }

private:
    PictureOutputServices m_services;
    bool m_inProgress = false;
};

} // namespace vexachart
