#pragma once
// VexachartWidget: the chart control as a Qt widget. It shows the chart's picture, owns the
// scroll bars, the popup menu and the two timers, and feeds mouse events to the interaction
// state machines. The automation members are on chart().
#include "chart/control/vexachart_export.h"
#include "chart/control/chart.h"
#include "chart/control/chartservices.h"
#include "chart/control/interaction.h"
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class QMenu;
class QAction;
class QScrollBar;
class QTimer;

namespace vexachart {

// Dialogs, clipboard, printer and messages of a Qt desktop.
class VEXACHART_EXPORT QtChartServices : public ChartServices {
public:
    explicit QtChartServices(QWidget* owner) : m_owner(owner) {}
    void pumpMessages() override;
    void beep() override;
    std::optional<QString> saveFileName(const QString& title, const QString& filter, const QString& suffix) override;
    bool printDialog(QPrinter& printer) override;
    bool defaultPrinter(QPrinter& printer) override;
    bool setClipboardImage(const QImage& image) override;
    bool setClipboardText(const QString& text) override;
    void showError(const QString& text) override;

private:
    QWidget* m_owner;
};

class VEXACHART_EXPORT VexachartWidget : public QWidget {
    Q_OBJECT
public:
    explicit VexachartWidget(QWidget* parent = nullptr, std::shared_ptr<const TextMetrics> metrics = {});
    ~VexachartWidget() override;

    Vexachart& chart() { return *m_chart; }
    const Vexachart& chart() const { return *m_chart; }
    ChartInteraction& interaction() { return m_interaction; }
    // Replaces the Qt services (tests install a fake); the widget keeps ownership of its own.
    void setServices(ChartServices* services);

    QMenu* menu() const { return m_menu; }
    QAction* menuItem(const QString& name) const;
    QScrollBar* scrH() const { return m_scrH; }
    QScrollBar* scrV() const { return m_scrV; }
    QTimer* timerZoom() const { return m_timerZoom; }
    QTimer* timerCursor() const { return m_timerCursor; }
    const CursorOverlay& cursorOverlay() const { return m_overlay; }

    // Plot-area user units of a widget position, and back.
    QPointF toUser(QPointF pos) const;
    QPointF fromUser(QPointF user) const;

    QSize sizeHint() const override { return QSize(600, 400); }

public slots:
    void TimerZoom_Timer();
    void TimerCursor_Timer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void buildMenu();
    void updateMenu();
    void updateControls();
    void runMenuCommand(const std::function<void()>& command);
    QRect graphRect() const;  // the plot area with its frame
    QRect clientRect() const; // inside the frame: where the user scale maps

    std::unique_ptr<Vexachart> m_chart;
    ChartInteraction m_interaction;
    std::unique_ptr<QtChartServices> m_qtServices;
    QMenu* m_menu = nullptr;
    std::map<QString, QAction*> m_items;
    QScrollBar* m_scrH = nullptr;
    QScrollBar* m_scrV = nullptr;
    QTimer* m_timerZoom = nullptr;
    QTimer* m_timerCursor = nullptr;
    CursorOverlay m_overlay;
    bool m_pressedOnPlot = false;
    bool m_moved = false;
    bool m_afterDoubleClick = false;
    bool m_scrollUpdating = false;
};

} // namespace vexachart
