#pragma once
// What the chart needs of its surroundings for output: dialogs, clipboard, printer, messages and
// the host's paint pump. The widget installs a Qt implementation; tests install a fake.
#include "chart/control/vexachart_export.h"
#include <QDateTime>
#include <QImage>
#include <QString>
#include <optional>

class QPrinter;

namespace vexachart {

class VEXACHART_EXPORT ChartServices {
public:
    virtual ~ChartServices() = default;
    // Lets the host paint what changed (never runs a nested event loop).
    virtual void pumpMessages() {}
    virtual void beep() {}
    // A save dialog; empty when the user cancelled.
    virtual std::optional<QString> saveFileName(const QString& title, const QString& filter, const QString& suffix) = 0;
    // The printer dialog; false when the user cancelled.
    virtual bool printDialog(QPrinter& printer) = 0;
    // Sets up the printer used without a dialog; false when there is none.
    virtual bool defaultPrinter(QPrinter& printer) = 0;
    virtual bool setClipboardImage(const QImage& image) = 0;
    virtual bool setClipboardText(const QString& text) = 0;
    // A failure of an operation the user started from the menu.
    virtual void showError(const QString& text) = 0;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};

} // namespace vexachart
