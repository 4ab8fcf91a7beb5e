#include "chart/control/widget.h"
#include "chart/control/render.h"
#include "common/error.h"
#include "common/widgets/qtcolour.h"
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QTimer>
#include <cmath>

namespace vexachart {

// ---------------------------------------------------------------- Qt services

void QtChartServices::pumpMessages()
{
    if (m_owner)
        m_owner->repaint();
}

void QtChartServices::beep() { QApplication::beep(); }

std::optional<QString> QtChartServices::saveFileName(const QString& title, const QString& filter, const QString& suffix)
{
    QFileDialog dialog(m_owner, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

bool QtChartServices::printDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_owner);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

bool QtChartServices::defaultPrinter(QPrinter& printer)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    printer.setPrinterName(info.printerName());
    return printer.isValid();
}

bool QtChartServices::setClipboardImage(const QImage& image)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setImage(image);
    return true;
}

bool QtChartServices::setClipboardText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text);
    return true;
}

void QtChartServices::showError(const QString& text) { QMessageBox::warning(m_owner, QStringLiteral("Vexachart"), text); }

// ---------------------------------------------------------------- widget

namespace {

// The read-out label's rectangle in widget pixels: its caption in the legend font and a margin.
QRectF cursorLabelRect(const VexachartWidget& w, const CursorOverlay& o)
{
    const QPointF topLeft = w.fromUser(QPointF(o.labelLeft, o.labelTop));
    const QRectF text =
        QFontMetricsF(w.chart().FontLegend(), &w).boundingRect(QRectF(0, 0, 2000, 2000), Qt::AlignLeft, o.caption);
    return QRectF(topLeft, text.size() + QSizeF(4, 4));
}

} // namespace

VexachartWidget::VexachartWidget(QWidget* parent, std::shared_ptr<const TextMetrics> metrics)
    : QWidget(parent), m_chart(std::make_unique<Vexachart>(nullptr, std::move(metrics))), m_interaction(*m_chart),
      m_qtServices(std::make_unique<QtChartServices>(this))
{
    setObjectName(QStringLiteral("Vexachart"));
    m_chart->setServices(m_qtServices.get());
    m_chart->setLocale(locale());
    setMouseTracking(true);
    m_scrH = new QScrollBar(Qt::Horizontal, this);
    m_scrV = new QScrollBar(Qt::Vertical, this);
    m_scrH->setObjectName(QStringLiteral("scrH"));
    m_scrV->setObjectName(QStringLiteral("scrV"));
    m_scrH->setTracking(false);
    m_scrV->setTracking(false);
    m_timerZoom = new QTimer(this);
    m_timerZoom->setObjectName(QStringLiteral("TimerZoom"));
    m_timerZoom->setSingleShot(true);
    m_timerZoom->setInterval(350);
    m_timerCursor = new QTimer(this);
    m_timerCursor->setObjectName(QStringLiteral("TimerCursor"));
    m_timerCursor->setInterval(50);
    connect(m_timerZoom, &QTimer::timeout, this, &VexachartWidget::TimerZoom_Timer);
    connect(m_timerCursor, &QTimer::timeout, this, &VexachartWidget::TimerCursor_Timer);
    // Scroll bars: their change events do nothing while the redraw sets them.
    connect(m_scrH, &QScrollBar::valueChanged, this, [this](int v) {
        if (!m_scrollUpdating && !m_chart->flashPending())
            runMenuCommand([&] { m_interaction.scrollH(v); });
    });
    connect(m_scrV, &QScrollBar::valueChanged, this, [this](int v) {
        if (!m_scrollUpdating && !m_chart->flashPending())
            runMenuCommand([&] { m_interaction.scrollV(v); });
    });
    connect(m_chart.get(), &Vexachart::pictureChanged, this, &VexachartWidget::updateControls);
    connect(m_chart.get(), &Vexachart::menuChanged, this, &VexachartWidget::updateMenu);
    connect(m_chart.get(), &Vexachart::propertyChanged, this, [this](const QString& key) {
        if (key == QLatin1String("Enabled"))
            setEnabled(m_chart->Enabled());
    });
    connect(m_chart.get(), &Vexachart::cursorModeChanged, this, [this] {
        updateMenu();
        if (m_chart->cursorMode() == CursorMode::Off || m_chart->flashPending()) {
            m_timerCursor->stop();
            m_overlay = CursorOverlay{};
            unsetCursor();
        } else {
            m_timerCursor->start();
        }
        update();
    });
    buildMenu();
    updateMenu();
}

VexachartWidget::~VexachartWidget() = default;

void VexachartWidget::setServices(ChartServices* services)
{
    m_chart->setServices(services ? services : m_qtServices.get());
}

QAction* VexachartWidget::menuItem(const QString& name) const
{
    const auto it = m_items.find(name);
    return it == m_items.end() ? nullptr : it->second;
}

void VexachartWidget::runMenuCommand(const std::function<void()>& command)
{
    try {
        command();
    } catch (const common::Error& e) {
        // A failed save, print or copy started by the user is said, never swallowed.
        if (m_chart->services())
            m_chart->services()->showError(e.description());
    }
}

void VexachartWidget::buildMenu()
{
    m_menu = new QMenu(QStringLiteral("Menu"), this);
    m_menu->setObjectName(QStringLiteral("mnuMain"));
    m_menu->setSeparatorsCollapsible(false);
    auto item = [this](const char* name, const char* caption, std::function<void()> handler) {
        QAction* a = m_menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, handler] { runMenuCommand(handler); });
        m_items[a->objectName()] = a;
        return a;
    };
    auto separator = [this](const char* name) {
        QAction* a = m_menu->addSeparator();
        a->setObjectName(QString::fromLatin1(name));
        m_items[a->objectName()] = a;
    };
    Vexachart& c = *m_chart;
    item("mnuShowCursor", "Show Cursor", [&c] { c.SelectCursor(qint16(1)); })->setCheckable(true);
    item("mnuShowPlotName", "Show PlotName", [&c] { c.SelectCursor(qint16(0)); })->setCheckable(true);
    separator("mnuSeparator0");
    item("mnuShowLegend", "Show Legend", [&c] { c.setShowLegend(!c.ShowLegend()); })->setCheckable(true);
    separator("mnuSeparator1");
    item("mnuZoomFitted", "Zoom Fitted", [this] { m_interaction.zoomFitted(); });
    item("mnuZoomReset", "Zoom Reset", [this] { m_interaction.zoomReset(); });
    item("mnuZoomOut", "Zoom Out", [this] { m_interaction.zoomOut(); });
    item("mnuZoomIn", "Zoom In", [this] { m_interaction.zoomIn(); });
    separator("mnuSeparator2");
    item("mnuPrintGraph", "Print Picture", [&c] { c.OutputChartPicture(1, nullptr); });
    item("mnuSavePicture", "Save Picture to File", [&c] { c.SavePic(); });
    item("mnucCopyPicToClipBoard", "Copy Pic to Clipboard", [&c] { c.OutputChartPicture(3, nullptr); });
    separator("mnuSeparator3");
    item("mnuSaveData", "Save Data to File", [&c] { c.SaveData(); });
    item("mnucCopyDataToClipBoard", "Copy Data to Clipboard", [&c] { c.CopyDataToClipboard(); });
}

void VexachartWidget::updateMenu()
{
    const Vexachart& c = *m_chart;
    const bool cur = c.EnableMenuOptionCursor(), leg = c.EnableMenuOptionLegend(), zoom = c.EnableMenuOptionZoom(),
               save = c.EnableMenuOptionSave();
    for (const char* n : {"mnuShowCursor", "mnuShowPlotName"})
        m_items[QLatin1String(n)]->setVisible(cur);
    m_items[QStringLiteral("mnuShowLegend")]->setVisible(leg);
    for (const char* n : {"mnuZoomFitted", "mnuZoomIn", "mnuZoomOut", "mnuZoomReset"})
        m_items[QLatin1String(n)]->setVisible(zoom);
    for (const char* n : {"mnuPrintGraph", "mnuSavePicture", "mnucCopyPicToClipBoard", "mnuSaveData", "mnucCopyDataToClipBoard"})
        m_items[QLatin1String(n)]->setVisible(save);
    m_items[QStringLiteral("mnuSeparator0")]->setVisible(cur && leg);
    m_items[QStringLiteral("mnuSeparator1")]->setVisible(zoom && (cur || leg));
    m_items[QStringLiteral("mnuSeparator2")]->setVisible(save && (zoom || cur || leg));
    m_items[QStringLiteral("mnuSeparator3")]->setVisible(save);
    m_items[QStringLiteral("mnuShowCursor")]->setChecked(c.cursorMode() == CursorMode::Values);
    m_items[QStringLiteral("mnuShowPlotName")]->setChecked(c.cursorMode() == CursorMode::PlotName);
    m_items[QStringLiteral("mnuShowLegend")]->setChecked(c.ShowLegend());
    m_scrH->setVisible(zoom);
    m_scrV->setVisible(zoom);
}

QRect VexachartWidget::graphRect() const { return toPixels(m_chart->scene().layout.graph, m_chart->twipsPerPixel()); }

QRect VexachartWidget::clientRect() const { return m_chart->plotClientPixels(); }

QPointF VexachartWidget::toUser(QPointF pos) const
{
    const QRect g = clientRect();
    const double w = std::max(1, g.width() - 1);
    const double h = std::max(1, g.height() - 1);
    return QPointF((pos.x() - g.left()) * 50000.0 / w, (g.bottom() - pos.y()) * 50000.0 / h);
}

QPointF VexachartWidget::fromUser(QPointF user) const
{
    const QRect g = clientRect();
    return QPointF(g.left() + user.x() * (g.width() - 1) / 50000.0, g.bottom() - user.y() * (g.height() - 1) / 50000.0);
}

void VexachartWidget::updateControls()
{
    const ChartLayout& l = m_chart->scene().layout;
    const double tpp = m_chart->twipsPerPixel();
    m_scrollUpdating = true;
    m_scrH->setGeometry(toPixels(l.scrH, tpp));
    m_scrV->setGeometry(toPixels(l.scrV, tpp));
    const ScrollValues h = m_chart->scrollH();
    const ScrollValues v = m_chart->scrollV();
    m_scrH->setRange(h.min, h.max);
    m_scrH->setPageStep(h.largeChange);
    m_scrH->setSingleStep(h.smallChange);
    m_scrH->setValue(h.value);
    m_scrV->setRange(v.min, v.max);
    m_scrV->setPageStep(v.largeChange);
    m_scrV->setSingleStep(v.smallChange);
    m_scrV->setValue(v.value);
    m_scrollUpdating = false;
    update();
}

void VexachartWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(QPoint(0, 0), m_chart->picture());
    const QRect g = clientRect();
    p.setClipRect(g);
    if (m_interaction.dragging()) {
        const QRectF b = m_interaction.band();
        const QPointF tl = fromUser(QPointF(b.left(), b.top()));
        const QPointF br = fromUser(QPointF(b.left() + b.width(), b.top() - b.height()));
        p.setPen(QPen(Qt::black, 0, Qt::DashLine));
        p.drawRect(QRectF(tl, br));
    }
    if (m_overlay.linesVisible) {
        // The cross-hair inverts what lies below it, so it stands out from the grid, the plots and
        // the background alike. The crossing pixel belongs to the horizontal line only: inverted
        // twice it would vanish.
        const QPointF c = fromUser(QPointF(m_overlay.u, m_overlay.w));
        const int x = static_cast<int>(std::floor(c.x()));
        const int y = static_cast<int>(std::floor(c.y() + 0.5)); // the row a plot at this height is drawn in
        p.setCompositionMode(QPainter::CompositionMode_Difference);
        p.fillRect(QRect(g.left(), y, g.width(), 1), Qt::white);
        if (y > g.top())
            p.fillRect(QRect(QPoint(x, g.top()), QPoint(x, std::min(y, g.bottom() + 1) - 1)), Qt::white);
        if (y < g.bottom())
            p.fillRect(QRect(QPoint(x, std::max(y, g.top() - 1) + 1), QPoint(x, g.bottom())), Qt::white);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (m_overlay.labelVisible) {
        p.setFont(m_chart->FontLegend());
        const QRectF box = cursorLabelRect(*this, m_overlay);
        p.fillRect(box, common::toQColor(m_chart->ClrControlBackGround()));
        p.setPen(QPen(common::toQColor(m_chart->ClrLabels()), 0));
        p.drawRect(box);
        p.drawText(box.adjusted(2, 2, -2, -2), Qt::AlignLeft, m_overlay.caption);
    }
}

void VexachartWidget::resizeEvent(QResizeEvent*)
{
    m_chart->setDevicePixelRatio(devicePixelRatioF());
    m_chart->resizeTo(size());
}

void VexachartWidget::mousePressEvent(QMouseEvent* e)
{
    if (m_chart->flashPending())
        return; // the control takes no input while a message is shown
    const QPointF pos = e->position();
    const auto button = e->button() == Qt::LeftButton ? ChartInteraction::Button::Left
        : e->button() == Qt::RightButton             ? ChartInteraction::Button::Right
                                                      : ChartInteraction::Button::Middle;
    ChartInteraction::Area area = ChartInteraction::Area::Frame;
    if (graphRect().contains(pos.toPoint()))
        area = ChartInteraction::Area::Plot;
    else if (m_chart->ShowLegend() && toPixels(m_chart->scene().layout.legend, m_chart->twipsPerPixel()).contains(pos.toPoint()))
        area = ChartInteraction::Area::Legend;
    m_pressedOnPlot = area == ChartInteraction::Area::Plot && button == ChartInteraction::Button::Left;
    m_moved = false;
    m_afterDoubleClick = false;
    const QPointF u = toUser(pos);
    if (m_interaction.press(area, button, u.x(), u.y())) {
        m_menu->popup(e->globalPosition().toPoint());
        return;
    }
    if (m_interaction.dragging()) {
        setCursor(Qt::CrossCursor);
        // In the x/y read-out the label and the lines give way to the band until the next tick.
        if (m_chart->cursorMode() == CursorMode::Values)
            m_overlay = CursorOverlay{};
    }
    update();
}

void VexachartWidget::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF pos = e->position();
    const QPointF u = toUser(pos);
    if (m_interaction.dragging()) {
        m_moved = true;
        m_interaction.move(u.x(), u.y());
        update();
        return;
    }
    if (m_overlay.labelVisible && cursorLabelRect(*this, m_overlay).contains(pos)) {
        // The pointer over the read-out hides it until the next tick places it anew.
        m_overlay.labelVisible = false;
        update();
    }
    if (graphRect().contains(pos.toPoint()))
        m_interaction.move(u.x(), u.y());
}

void VexachartWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const bool wasDragging = m_interaction.dragging();
    if (m_interaction.release()) {
        unsetCursor();
        m_timerZoom->start();
    }
    if (m_pressedOnPlot && !wasDragging && !m_afterDoubleClick)
        m_interaction.click();
    m_pressedOnPlot = false;
    update();
}

void VexachartWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    // Only marks the double click: the zoom timer then resets instead of zooming.
    if (e->button() == Qt::LeftButton && graphRect().contains(e->position().toPoint())) {
        m_interaction.doubleClick();
        m_afterDoubleClick = true;
    }
}

void VexachartWidget::TimerZoom_Timer()
{
    m_timerZoom->stop();
    runMenuCommand([this] { m_interaction.zoomTick(); });
}

void VexachartWidget::TimerCursor_Timer()
{
    if (m_chart->cursorMode() == CursorMode::Off)
        return;
    const QRect g = clientRect();
    const QFontMetricsF fm(m_chart->FontLegend(), this);
    const double ux = 50000.0 / std::max(1, g.width());
    const double uy = 50000.0 / std::max(1, g.height());
    const QFontMetricsF plotFm(m_chart->FontPlot(), this);
    const CursorOverlay o = m_interaction.cursorTick(
        [&](const QString& caption) {
            const QRectF text = fm.boundingRect(QRectF(0, 0, 2000, 2000), Qt::AlignLeft, caption);
            return QSizeF((text.width() + 4) * ux, (text.height() + 4) * uy);
        },
        QSizeF(plotFm.horizontalAdvance(QStringLiteral("X")) * ux, plotFm.height() * uy));
    setCursor(Qt::CrossCursor);
    if (o.linesVisible != m_overlay.linesVisible || o.u != m_overlay.u || o.w != m_overlay.w
        || o.caption != m_overlay.caption || o.labelVisible != m_overlay.labelVisible) {
        m_overlay = o;
        update();
    }
}

} // namespace vexachart
