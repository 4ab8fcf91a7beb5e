#pragma once
// Vexachart: the x/y line-chart control's automation facade. It owns the whole state (plots,
// styles, borders, tick tables, properties), runs every member of the automation interface and
// the redraw, and renders the chart picture. The widget (VexachartWidget) shows it and feeds the
// mouse; the chart also works without a widget (tests, report pictures).
#include "chart/control/vexachart_export.h"
#include "chart/control/geometry.h"
#include "chart/control/layout.h"
#include "chart/control/legend.h"
#include "chart/control/plotdata.h"
#include "chart/control/plotstyle.h"
#include "chart/control/textmetrics.h"
#include "chart/control/ticks.h"
#include "chart/control/variant.h"
#include "common/colour.h"
#include <QFont>
#include <QHash>
#include <QImage>
#include <QLocale>
#include <QObject>
#include <QSize>
#include <QVariant>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QTimer;
class QPrinter;

namespace vexachart {

class PropertyBag;
class ChartServices;

// Result of DrawChart: drawn, refused or failed (1), or refused by the zoom-step limit (empty).
enum class DrawResult { Drawn, Refused, ZoomRefused };
// Who asked for new borders: the zoom-step and global limits hold only for interactive zooming.
enum class DrawOrigin { Program, Interactive };

struct ScrollValues {
    int min = 10000;
    int max = 10000;
    int largeChange = 10000;
    int smallChange = 1000;
    int value = 10000;
    bool operator==(const ScrollValues&) const = default;
};

// The cursor read-out mode; the menu check marks, CursorOn and the timer follow from it.
enum class CursorMode { Off, PlotName, Values };

// Everything one redraw drew, kept for the picture and for tests.
struct Scene {
    ChartLayout layout;
    LegendLayout legend;
    Borders borders;
    struct Plot {
        int number = 0;
        PlotGeometry geometry;
    };
    std::vector<Plot> plots;
};

class VEXACHART_EXPORT Vexachart : public QObject {
    Q_OBJECT
public:
    explicit Vexachart(QObject* parent = nullptr, std::shared_ptr<const TextMetrics> metrics = {});
    ~Vexachart() override;

    // ---- life cycle ----
    // Design defaults and test plots of a newly placed control.
    void initNew();
    // Fits the frame to the control's size (pixels) and redraws.
    void resizeTo(QSize pixels);
    void UserControl_Resize();
    QSize frameSize() const { return m_framePx; }
    double twipsPerPixel() const { return 1440.0 / m_dpi; }
    void setDpi(double dpi);
    // Device pixels per logical pixel of the screen picture (HiDPI screens get a sharp picture).
    void setDevicePixelRatio(double ratio) { m_dpr = ratio > 0.0 ? ratio : 1.0; }

    // ---- automation: methods ----
    void SetDisplayBorders(const Variant& X_Left, const Variant& X_Right, const Variant& Y_Bottom, const Variant& Y_Top);
    void AddNewDataPoint(qint16 PlotNum, const Variant& NewX, const Variant& NewY);
    Variant GetData(const Variant& PlotNum);
    void PlotNewDataPoint(qint16 PlotNumber, const Variant& NewX, const Variant& NewY);
    void InsertSingleDataArray(qint16 PlotNum, const Variant& newDataArray, const Variant& xStep = Variant::missing(),
        const Variant& xPlotDescription = Variant::missing());
    void AddNewDataArray(const Variant& newDataArray, const Variant& xStep = Variant::missing());
    void SetGlobalBorders(const Variant& X_Left, const Variant& X_Right, const Variant& Y_Bottom, const Variant& Y_Top,
        const Variant& XAxis_ScaleMode = Variant::missing(), const Variant& YAxis_ScaleMode = Variant::missing());
    void CreateTestData();
    void SaveData(QString* XFileName = nullptr);
    void SavePic(QString* XFileName = nullptr);
    void ClearSinglePlotDataArray(qint16 PlotNum);
    void DrawPlotsFitted();
    void SetPlotVisible(qint16 PlotNumber, bool TrueOrFalse);
    void ClearAllPlotData();
    void SetGlobalBordersToDataRange();
    void CopyDataToClipboard();
    void CopyPicToClipboard();
    void SetPlotLegendText(qint16 PlotNumber, const QString& Legendtext);
    void SetPlotColor(qint16 PlotNumber, quint8 R, quint8 G, quint8 B);
    void SetPlotAspects(qint16 PlotNumber, const Variant& PlotLegendText = Variant::missing(),
        const Variant& R = Variant::missing(), const Variant& G = Variant::missing(),
        const Variant& B = Variant::missing(), const Variant& LineWidth = Variant::missing(),
        const Variant& MarkerStyle = Variant::missing(), const Variant& MarkerSize = Variant::missing(),
        const Variant& Visible = Variant::missing());
    void Refresh();
    struct BorderValues {
        Variant X_Left, X_Right, Y_Bottom, Y_Top;
    };
    BorderValues GetDisplayBorders() const;
    BorderValues GetGlobalBorders() const;
    void SelectCursor(const Variant& CursorType = Variant::missing());
    void PrintChart();
    void SetCursor(qint16 xCursor);

    // ---- automation: properties ----
    // The no-redraw flag: while it is set, setters store and notify without drawing.
    bool pInit() const { return m_pInit; }
    void setPInit(bool on) { m_pInit = on; }

    QString TimeFormat(int level) const { return m_timeFormats[static_cast<size_t>(level)]; }
    void setTimeFormat(int level, const QString& format); // level 1..6
    QString TimeFormatCursor() const { return m_timeFormatCursor; }
    void setTimeFormatCursor(const QString& f) { m_timeFormatCursor = f; }
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool on);
    qint16 XScalingNotation() const { return m_xNotation; }
    qint16 YScalingNotation() const { return m_yNotation; }
    void setXScalingNotation(qint16 n) { setNotation(0, n); }
    void setYScalingNotation(qint16 n) { setNotation(1, n); }
    Variant XMinGlobal() const { return globalGetter(0, m_global.X_Left, "XMinGlobal"); }
    Variant XMaxGlobal() const { return globalGetter(0, m_global.X_Right, "XMaxGlobal"); }
    Variant YMinGlobal() const { return globalGetter(1, m_global.Y_Bottom, "YMinGlobal"); }
    Variant YMaxGlobal() const { return globalGetter(1, m_global.Y_Top, "YMaxGlobal"); }
    common::ColourValue ClrScales() const { return m_clrScales; }
    void setClrScales(common::ColourValue c);
    qint16 GridStyle() const;
    void setGridStyle(qint16 style);
    qint16 BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(qint16 style);
    bool EnableMenuOptionLegend() const { return m_menuLegend; }
    bool EnableMenuOptionCursor() const { return m_menuCursor; }
    bool EnableMenuOptionSave() const { return m_menuSave; }
    bool EnableMenuOptionZoom() const { return m_menuZoom; }
    void setEnableMenuOptionLegend(bool on);
    void setEnableMenuOptionCursor(bool on);
    void setEnableMenuOptionSave(bool on);
    void setEnableMenuOptionZoom(bool on);
    QFont FontLegend() const { return m_fontLegend; }
    QFont FontLabels() const { return m_fontLabels; }
    QFont FontPlot() const { return m_fontPlot; }
    QFont FontTitle() const { return m_fontTitle; }
    void setFontLegend(const QFont& f);
    void setFontLabels(const QFont& f);
    void setFontPlot(const QFont& f);
    void setFontTitle(const QFont& f);
    // The character set a container gives a font (language switching) is accepted and kept;
    // Qt picks glyphs by script itself. `font` is "FontTitle", "FontLabels", "FontPlot" or "FontLegend".
    int FontCharset(const QString& font) const { return m_charsets.value(font, 0); }
    void setFontCharset(const QString& font, int charset) { m_charsets.insert(font, charset); }
    bool ShowLegend() const { return m_showLegend; }
    void setShowLegend(bool on);
    qint16 MaxCountOfPlots() const { return static_cast<qint16>(m_styles.size()); }
    void setMaxCountOfPlots(qint16 n);
    QString PlotAspect(qint16 PlotNumber) const;
    void setPlotAspect(qint16 PlotNumber, const QString& text);
    qint16 XAxisLinLogMode() const { return static_cast<qint16>(m_xMode); }
    qint16 YAxisLinLogMode() const { return static_cast<qint16>(m_yMode); }
    void setXAxisLinLogMode(qint16 m) { setAxisMode(0, m); }
    void setYAxisLinLogMode(qint16 m) { setAxisMode(1, m); }
    common::ColourValue ClrGrid() const { return m_clrGrid; }
    void setClrGrid(common::ColourValue c);
    QString YAxisLabel() const { return m_yLabel; }
    QString XAxisLabel() const { return m_xLabel; }
    QString Title() const { return m_title; }
    void setYAxisLabel(const QString& s);
    void setXAxisLabel(const QString& s);
    void setTitle(const QString& s);
    common::ColourValue ClrControlBackGround() const { return m_clrControlBack; }
    common::ColourValue ClrChartBackGround() const { return m_clrChartBack; }
    common::ColourValue ClrLabels() const { return m_clrLabels; }
    void setClrControlBackGround(common::ColourValue c);
    void setClrChartBackGround(common::ColourValue c);
    void setClrLabels(common::ColourValue c);

    // ---- persistence ----
    // Stores the design settings; keys equal to their writer default are left out.
    PropertyBag WriteProperties() const;
    // Loads them; returns the keys whose values could not be used (they took their defaults).
    QStringList ReadProperties(const PropertyBag& bag);

    // ---- drawing ----
    DrawResult DrawChart(std::optional<Borders> newBorders = std::nullopt, DrawOrigin origin = DrawOrigin::Program);
    const QImage& picture() const { return m_picture; }
    // The chart as an output picture of the given size in pixels (fonts enlarged by half, output
    // margins), drawn offscreen; the chart on screen is not touched.
    QImage renderImage(QSize pixels, double dpi = 96.0) const;
    // The output picture of the printed page, file and clipboard: 12500 x 8500 twips.
    QImage outputPicture() const;
    const Scene& scene() const { return m_scene; }
    const AxisScale& xAxisScale() const { return m_xScale; }
    const AxisScale& yAxisScale() const { return m_yScale; }
    ScrollValues scrollH() const { return m_scrollH; }
    ScrollValues scrollV() const { return m_scrollV; }
    int redrawCount() const { return m_redrawCount; }
    // The pixels of the plot area inside its frame, onto which the user scale 0..50000 maps: of the
    // screen picture, or of the output picture when this chart draws one.
    QRect plotClientPixels(bool output = false) const;
    // Transforms between stored axis values and the plot area's user scale 0..50000.
    double XToUser(double x) const { return (x - m_display.X_Left) * (50000.0 / m_xSpan); }
    double YToUser(double y) const { return (y - m_display.Y_Bottom) * (50000.0 / m_ySpan); }
    double UserToX(double u) const { return m_display.X_Left + m_xSpan * (u / 50000.0); }
    double UserToY(double u) const { return m_display.Y_Bottom + m_ySpan * (u / 50000.0); }

    // ---- state read by the widget and tests ----
    const Borders& displayBorders() const { return m_display; }
    const Borders& globalBorders() const { return m_global; }
    const PlotPoints& plotData(int plot) const { return m_data[static_cast<size_t>(plot - 1)]; }
    const PlotStyle& plotStyle(int plot) const { return m_styles[static_cast<size_t>(plot - 1)]; }
    const TimeStepTableType& TimeStepTable() const { return m_timeSteps; }
    bool flashReady() const { return m_flashReady; }
    bool flashPending() const { return !m_flashMessage.isEmpty(); }
    QString flashMessage() const { return m_flashMessage; }
    void finishFlash(); // end of the message hold: reset to the global borders
    CursorMode cursorMode() const { return m_cursorMode; }
    bool CursorOn() const { return m_cursorMode == CursorMode::Values; }
    bool outputInProgress() const { return m_outputInProgress; }
    const TextMetrics& metrics() const { return *m_metrics; }
    QLocale locale() const { return m_locale; }
    void setLocale(const QLocale& l) { m_locale = l; }
    // Output services (dialogs, clipboard, printer, messages); the widget installs the Qt ones.
    void setServices(ChartServices* services) { m_services = services; }
    ChartServices* services() const { return m_services; }
    // Whether redraws also paint the picture (benchmarks of the model switch it off).
    void setPainting(bool on) { m_painting = on; }

    // The data as tab-separated text: file form (CR LF) or clipboard form (LF).
    QString exportText(bool clipboard) const;
    // Output of the picture: 1 printer with dialog, 2 bitmap file, 3 clipboard, 4 printer without dialog.
    void OutputChartPicture(int mode, QString* fileName);
    // The printed page: the picture stretched into (0.1, 0.15)-(0.9, 0.58), a frame and the time stamp.
    void printPage(QPrinter& printer, const QImage& picture) const;

    // Date-time or number text of a stored value as the interface gives it out.
    Variant userValue(int axis, double stored) const;

signals:
    void DisplayRangeChanged(const QVariant& X_Left, const QVariant& X_Right, const QVariant& Y_Bottom,
        const QVariant& Y_Top);
    void CursorXY(const QVariant& X, const QVariant& Y);
    void propertyChanged(const QString& key);
    void pictureChanged();
    void cursorModeChanged();
    void menuChanged();

private:
    friend class VexachartWidget;

    void initialize();
    [[noreturn]] void fail(const char* member, const QString& description) const;
    void notify(const QString& key);
    PlotPoints& points(int plot);
    PlotStyle& style(int plot);
    void checkPlot(int plot) const;
    double toStored(int axis, const Variant& v) const;
    double toStoredNumber(int axis, double value) const;
    double borderValue(int axis, const Variant& v, const Variant& first) const;
    bool CheckBorders(double l, double r, double b, double t, bool global, int xMode, int yMode);
    void setDisplayBordersValues(double l, double r, double b, double t);
    void setNotation(int axis, qint16 n);
    void setAxisMode(int axis, qint16 m);
    Variant globalGetter(int axis, double stored, const char* name) const;
    // Both tick tables, X then Y; called by the redraw only.
    void CalcScales();
    LayoutInput layoutInput(const ChartLayout& previous, bool output, const QFont& title, const QFont& labels,
        const QFont& plot, const QFont& legend, double frameW, double frameH) const;
    void computeScroll();
    void buildPlots();
    void FlashGraphMessage(const QString& text);
    void paintPicture(bool surroundingsOnly = false);
    void rerender();
    void setLabelChanged();

    bool m_pInit = true;
    std::shared_ptr<const TextMetrics> m_metrics;
    QLocale m_locale;
    ChartServices* m_services = nullptr;
    double m_dpi = 96.0;
    double m_dpr = 1.0;
    QSize m_framePx{600, 400};

    std::vector<PlotPoints> m_data;
    std::vector<PlotStyle> m_styles;
    AxisScale m_xScale;
    AxisScale m_yScale;
    Borders m_global;
    Borders m_savedGlobal;
    bool m_globalSaved = false;
    Borders m_display;
    double m_xSpan = 99.99;
    double m_ySpan = 99.99;
    int m_xMode = 0;
    int m_yMode = 0;
    qint16 m_xNotation = 0;
    qint16 m_yNotation = 0;
    common::ColourValue m_clrGrid = 0;
    qint16 m_gridField = 0; // line style: 0 solid, 2 dotted, 5 invisible
    common::ColourValue m_clrControlBack = common::syscolour::ButtonFace;
    common::ColourValue m_clrChartBack = 0xFFFFFF;
    common::ColourValue m_clrLabels = 0;
    common::ColourValue m_clrScales = 0;
    qint16 m_borderStyle = 1;
    QString m_title = QStringLiteral("Vexachart");
    QString m_xLabel = QStringLiteral("X-Axis [1]");
    QString m_yLabel = QStringLiteral("Y-Axis [1]");
    QFont m_fontTitle;
    QFont m_fontLabels;
    QFont m_fontPlot;
    QFont m_fontLegend;
    QHash<QString, int> m_charsets;
    bool m_showLegend = true;
    bool m_menuZoom = true;
    bool m_menuSave = true;
    bool m_menuCursor = true;
    bool m_menuLegend = true;
    bool m_enabled = true;
    QString m_timeFormatCursor;
    std::array<QString, 7> m_timeFormats;
    TimeStepTableType m_timeSteps{};

    bool m_flashReady = false;
    bool m_arrangeEnabled = true;
    bool m_outputInProgress = false;
    bool m_painting = true;
    bool m_forceFullLayout = false;
    QString m_flashMessage;
    QTimer* m_flashTimer = nullptr;
    CursorMode m_cursorMode = CursorMode::Off;

    Scene m_scene;
    ScrollValues m_scrollH;
    ScrollValues m_scrollV;
    QImage m_picture;
    int m_redrawCount = 0;
};

} // namespace vexachart
