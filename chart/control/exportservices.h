#pragma once
// The chart's output services on the desktop: QFileDialog, QPrintDialog, the default printer,
// the system clipboard and a message box for failures of menu commands.
#include "chart/control/chartservices.h"

class QWidget;

namespace vexachart {

class QtChartServices : public ChartServices {
public:
    explicit QtChartServices(QWidget* parent = nullptr) : m_parent(parent) {}

    // Nothing to pump: the output picture is drawn offscreen, so no event loop is run inside a
    // chart operation (it could re-enter the chart).
    void pumpMessages() override {}
    void beep() override;
    std::optional<QString> saveFileName(const QString& title, const QString& filter, const QString& suffix) override;
    bool printDialog(QPrinter& printer) override;
    bool defaultPrinter(QPrinter& printer) override;
    bool setClipboardImage(const QImage& image) override;
    bool setClipboardText(const QString& text) override;
    void showError(const QString& text) override;

private:
    QWidget* m_parent;
};

} // namespace vexachart
