#include "chart/pages/plotspage.h"
#include "chart/pages/colourwheel.h"
#include "chart/pages/pagedialogs.h"
#include "chart/pages/plotpreview.h"
#include "chart/pages/spinbuttons.h"
#include "common/checked.h"
#include "common/error.h"
#include "common/numread.h"
#include "common/widgets/qtcolour.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace vexachart {

namespace {

constexpr int MaxPlotCount = 32767;

template <class W>
W* named(W* w, const QString& name)
{
    w->setObjectName(name);
    return w;
}

QLineEdit* numberBox(QWidget* parent, const QString& name)
{
    auto* box = named(new QLineEdit(parent), name);
    box->setFixedWidth(56);
    return box;
}

// Writes pInit = False again when an apply ends before its last plot.
class RedrawRestore {
public:
    explicit RedrawRestore(ControlAccess& c) : m_control(c) {}
    ~RedrawRestore()
    {
        if (!m_armed)
            return;
        try {
            m_control.let(QStringLiteral("pInit"), false);
        } catch (const common::Error&) {
            // The failure that ended the apply is the one reported.
        }
    }
    void release() { m_armed = false; }

private:
    ControlAccess& m_control;
    bool m_armed = true;
};

} // namespace

std::optional<int> ProPage_AXGrph_P4::parsePlotCount(const QString& text)
{
    static const QRegularExpression whole(QStringLiteral("^\\s*\\+?\\d{1,9}\\s*$"));
    if (!whole.match(text).hasMatch())
        return std::nullopt;
    const int n = text.trimmed().toInt();
    if (n < 1 || n > MaxPlotCount)
        return std::nullopt;
    return n;
}

qint16 ProPage_AXGrph_P4::boxValue(const QString& text)
{
    const double v = common::roundHalfEven(common::readVal(text));
    return static_cast<qint16>(std::clamp(v, -32768.0, 32767.0));
}

ProPage_AXGrph_P4::ProPage_AXGrph_P4(PageServices services, QWidget* parent)
    : PropertyPage(QStringLiteral("ProPage_AXGrph_P4"), QStringLiteral("Plot Aspects"), services, parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(makeHeading(QStringLiteral("LabTitel"), QStringLiteral("Plot Aspects")));

    // Count, legend switch and the selected plot.
    auto* top = new QHBoxLayout;
    auto* frame5 = named(new QGroupBox(QStringLiteral("Selected"), this), QStringLiteral("Frame5"));
    auto* selRow = new QHBoxLayout(frame5);
    selRow->addWidget(new QLabel(QStringLiteral("Plot:"), frame5));
    cmbPlotSelected = named(new QComboBox(frame5), QStringLiteral("cmbPlotSelected"));
    cmbPlotSelected->setMinimumWidth(70);
    selRow->addWidget(cmbPlotSelected);
    top->addWidget(frame5);

    auto* frame1 = named(new QGroupBox(this), QStringLiteral("Frame1"));
    auto* countGrid = new QGridLayout(frame1);
    ChkShowLegend = named(new QCheckBox(QStringLiteral("Show Legend"), frame1), QStringLiteral("ChkShowLegend"));
    countGrid->addWidget(ChkShowLegend, 0, 0, 1, 3);
    countGrid->addWidget(new QLabel(QStringLiteral("Maximal Count of Plots"), frame1), 1, 0);
    TxtPlotCount = numberBox(frame1, QStringLiteral("TxtPlotCount"));
    countGrid->addWidget(TxtPlotCount, 1, 1);
    ScrPlotCount = named(new SpinButtons(1, MaxPlotCount, frame1), QStringLiteral("ScrPlotCount"));
    countGrid->addWidget(ScrPlotCount, 1, 2);
    top->addWidget(frame1, 1);
    outer->addLayout(top);

    auto* frame3 = named(new QGroupBox(QStringLiteral("Plot-Legendtext"), this), QStringLiteral("Frame3"));
    auto* captionRow = new QHBoxLayout(frame3);
    TxtPlotCaption = named(new QLineEdit(QStringLiteral("1st Plot-Caption"), frame3), QStringLiteral("TxtPlotCaption"));
    // The plot-aspect string separates its fields with U+00A6, so a label must not hold it.
    TxtPlotCaption->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\\x{00A6}]*")), TxtPlotCaption));
    TxtPlotCaption->setMaxLength(LabelLength);
    captionRow->addWidget(TxtPlotCaption);
    outer->addWidget(frame3);

    auto* frame2 = named(new QGroupBox(QStringLiteral("Line :"), this), QStringLiteral("Frame2"));
    auto* lineGrid = new QGridLayout(frame2);
    lineGrid->addWidget(new QLabel(QStringLiteral("Color:"), frame2), 0, 0);
    CmdGetColor = named(new QPushButton(QStringLiteral("..."), frame2), QStringLiteral("CmdGetColor"));
    CmdGetColor->setFixedWidth(40);
    lineGrid->addWidget(CmdGetColor, 0, 1);
    lineGrid->addWidget(new QLabel(QStringLiteral("Width:"), frame2), 1, 0);
    auto* widthRow = new QHBoxLayout;
    TxtLineWidth = numberBox(frame2, QStringLiteral("TxtLineWidth"));
    ScrLineWidth = named(new SpinButtons(0, 5, frame2), QStringLiteral("ScrLineWidth"));
    widthRow->addWidget(TxtLineWidth);
    widthRow->addWidget(ScrLineWidth);
    widthRow->addStretch(1);
    lineGrid->addLayout(widthRow, 1, 1);
    PicColor = named(new PlotPreview(-1, frame2), QStringLiteral("PicColor"));
    PicColor->setMinimumSize(200, 60);
    lineGrid->addWidget(PicColor, 0, 2, 2, 1);
    lineGrid->setColumnStretch(2, 1);
    outer->addWidget(frame2);

    auto* fraShape = named(new QGroupBox(QStringLiteral("Marker :"), this), QStringLiteral("FraShape"));
    auto* shapeLayout = new QVBoxLayout(fraShape);
    auto* boxes = new QHBoxLayout;
    for (int k = 0; k < 8; ++k) {
        PicShape[static_cast<size_t>(k)] = named(new PlotPreview(k, fraShape), QStringLiteral("PicShape_%1").arg(k));
        PicShape[static_cast<size_t>(k)]->setFixedSize(k == 0 ? 48 : 36, 32);
        boxes->addWidget(PicShape[static_cast<size_t>(k)]);
        connect(PicShape[static_cast<size_t>(k)], &PlotPreview::clicked, this, [this, k] { PicShape_Click(k); });
    }
    boxes->addStretch(1);
    shapeLayout->addLayout(boxes);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(QStringLiteral("Size:"), fraShape));
    TxtMarkerSize = numberBox(fraShape, QStringLiteral("TxtMarkerSize"));
    ScrMarkerSize = named(new SpinButtons(1, 12, fraShape), QStringLiteral("ScrMarkerSize"));
    sizeRow->addWidget(TxtMarkerSize);
    sizeRow->addWidget(ScrMarkerSize);
    sizeRow->addStretch(1);
    shapeLayout->addLayout(sizeRow);
    outer->addWidget(fraShape);
    outer->addStretch(1);

    ScrLineWidth->setValue(1);
    TxtLineWidth->setText(QStringLiteral("1"));
    ScrMarkerSize->setValue(4);
    TxtMarkerSize->setText(QStringLiteral("4"));
    ScrPlotCount->setValue(1);
    TxtPlotCount->setText(QStringLiteral("1"));
    selectAllOnFocus(TxtMarkerSize, true);

    connect(cmbPlotSelected, &QComboBox::activated, this, [this] { cmbPlotSelected_Click(); });
    connect(TxtPlotCaption, &QLineEdit::textEdited, this, [this] { TxtPlotCaption_Change(); });
    connect(TxtLineWidth, &QLineEdit::textEdited, this, [this] { TxtLineWidth_Change(); });
    connect(TxtMarkerSize, &QLineEdit::textEdited, this, [this] { TxtMarkerSize_Change(); });
    connect(TxtMarkerSize, &QLineEdit::editingFinished, this, [this] { TxtMarkerSize_LostFocus(); });
    connect(TxtPlotCount, &QLineEdit::textEdited, this, [this] { TxtPlotCount_Change(); });
    connect(TxtPlotCount, &QLineEdit::editingFinished, this, [this] { TxtPlotCount_LostFocus(); });
    connect(ScrLineWidth, &SpinButtons::valueChanged, this, [this] { ScrLineWidth_Change(); });
    connect(ScrMarkerSize, &SpinButtons::valueChanged, this, [this] { ScrMarkerSize_Change(); });
    connect(ScrPlotCount, &SpinButtons::valueChanged, this, [this] { ScrPlotCount_Change(); });
    connect(CmdGetColor, &QPushButton::clicked, this, [this] { CmdGetColor_Click(); });
    connect(ChkShowLegend, &QCheckBox::clicked, this, [this] { ChkShowLegend_Click(); });

    // A new page: one plot entry, no working copy until the first load.
    cmbPlotSelected->addItem(QStringLiteral("1"));
    PageLoading = true;
    DoDraw();
}

int ProPage_AXGrph_P4::selectedPlot() const
{
    const int i = cmbPlotSelected->currentIndex() + 1;
    return i >= 1 && i <= static_cast<int>(PagePlots.size()) ? i : 0;
}

void ProPage_AXGrph_P4::moveSelectionFrame(int box)
{
    m_shpSel = box;
    for (size_t k = 0; k < PicShape.size(); ++k)
        PicShape[k]->setSelected(static_cast<int>(k) == box);
}

void ProPage_AXGrph_P4::fillPlotList(int n)
{
    const QSignalBlocker block(cmbPlotSelected);
    cmbPlotSelected->clear();
    for (int k = 1; k <= n; ++k)
        cmbPlotSelected->addItem(QString::number(k));
}

void ProPage_AXGrph_P4::DoDraw()
{
    const int i = selectedPlot();
    PreviewState s;
    s.backColour = m_backColour;
    s.foreColour = m_foreColour;
    s.lineWidth = common::readVal(TxtLineWidth->text());
    s.markerSize = boxValue(TxtMarkerSize->text());
    for (size_t k = 0; k < PicShape.size(); ++k) {
        s.markerStyle = static_cast<int>(k);
        PicShape[k]->setState(s);
    }
    s.markerStyle = i > 0 ? PagePlots[static_cast<size_t>(i - 1)].Marker : 0;
    PicColor->setState(s);
    // Nothing to colour or shape while no plot is selected.
    CmdGetColor->setEnabled(i > 0);
    for (PlotPreview* box : PicShape)
        box->setEnabled(i > 0);
}

void ProPage_AXGrph_P4::cmbPlotSelected_Click()
{
    const int i = selectedPlot();
    if (i == 0) {
        DoDraw();
        return;
    }
    PlotStyle& plot = PagePlots[static_cast<size_t>(i - 1)];
    TxtPlotCaption->setText(plot.Label.trimmed());
    // A stored width or size outside the spinner's range keeps its value; only the spinner is clamped.
    ScrLineWidth->setValue(plot.LineWidth);
    TxtLineWidth->setText(QString::number(plot.LineWidth));
    TxtLineWidth_Change();
    if (plot.MarkerSize == 0)
        plot.MarkerSize = 1;
    ScrMarkerSize->setValue(plot.MarkerSize);
    TxtMarkerSize->setText(QString::number(plot.MarkerSize));
    TxtMarkerSize_Change();
    moveSelectionFrame(plot.Marker >= 0 && plot.Marker <= 7 ? plot.Marker : -1);
    m_foreColour = QColor(std::clamp<int>(plot.RColor, 0, 255), std::clamp<int>(plot.GColor, 0, 255),
        std::clamp<int>(plot.BColor, 0, 255));
    DoDraw();
}

void ProPage_AXGrph_P4::TxtPlotCaption_Change()
{
    if (const int i = selectedPlot(); i > 0)
        PagePlots[static_cast<size_t>(i - 1)].Label = fixedLabel(TxtPlotCaption->text());
    setChanged(true);
}

void ProPage_AXGrph_P4::TxtLineWidth_Change()
{
    if (const int i = selectedPlot(); i > 0)
        PagePlots[static_cast<size_t>(i - 1)].LineWidth = boxValue(TxtLineWidth->text());
    DoDraw();
    setChanged(true);
}

void ProPage_AXGrph_P4::TxtMarkerSize_Change()
{
    if (const int i = selectedPlot(); i > 0)
        PagePlots[static_cast<size_t>(i - 1)].MarkerSize = boxValue(TxtMarkerSize->text());
    DoDraw();
    setChanged(true);
}

void ProPage_AXGrph_P4::ScrLineWidth_Change()
{
    TxtLineWidth->setText(QString::number(ScrLineWidth->value()));
    TxtLineWidth_Change();
}

void ProPage_AXGrph_P4::ScrMarkerSize_Change()
{
    TxtMarkerSize->setText(QString::number(ScrMarkerSize->value()));
    TxtMarkerSize_Change();
}

void ProPage_AXGrph_P4::ScrPlotCount_Change()
{
    TxtPlotCount->setText(QString::number(ScrPlotCount->value()));
    TxtPlotCount_Change();
    setChanged(true);
}

void ProPage_AXGrph_P4::TxtPlotCount_Change()
{
    if (PageLoading)
        return;
    // Text on its way to a count (an empty box, a sign) resizes nothing; leaving the box restores it.
    const auto parsed = parsePlotCount(TxtPlotCount->text());
    if (!parsed)
        return;
    const int n = *parsed;
    const int old = static_cast<int>(PagePlots.size());
    ScrPlotCount->setValue(n);
    fillPlotList(n);
    PagePlots.resize(static_cast<size_t>(n));
    for (int k = old + 1; k <= n; ++k) {
        PlotStyle& p = PagePlots[static_cast<size_t>(k - 1)];
        p.Label = fixedLabel(QStringLiteral("Plot %1").arg(k));
        p.LineWidth = 1;
        p.Marker = 0;
        p.MarkerSize = 2;
        p.Visible = true;
    }
    const std::vector<PlotRgb> wheel = colourWheel(n);
    for (int k = 0; k < n; ++k) {
        PlotStyle& p = PagePlots[static_cast<size_t>(k)];
        p.RColor = static_cast<qint16>(wheel[static_cast<size_t>(k)].R);
        p.GColor = static_cast<qint16>(wheel[static_cast<size_t>(k)].G);
        p.BColor = static_cast<qint16>(wheel[static_cast<size_t>(k)].B);
    }
    cmbPlotSelected->setCurrentIndex(0);
    cmbPlotSelected_Click();
    setChanged(true);
}

void ProPage_AXGrph_P4::TxtPlotCount_LostFocus()
{
    if (!parsePlotCount(TxtPlotCount->text()))
        TxtPlotCount->setText(QString::number(PagePlots.empty() ? ScrPlotCount->value() : static_cast<int>(PagePlots.size())));
}

void ProPage_AXGrph_P4::TxtMarkerSize_LostFocus()
{
    const double v = common::readVal(TxtMarkerSize->text());
    const int size = v < 1 ? 1 : v > 12 ? 12 : boxValue(TxtMarkerSize->text());
    ScrMarkerSize->setValue(size);
    if (TxtMarkerSize->text() == QString::number(size))
        return;
    TxtMarkerSize->setText(QString::number(size));
    TxtMarkerSize_Change();
}

void ProPage_AXGrph_P4::PicShape_Click(int Index)
{
    moveSelectionFrame(Index);
    if (const int i = selectedPlot(); i > 0)
        PagePlots[static_cast<size_t>(i - 1)].Marker = static_cast<qint16>(Index);
    DoDraw();
    setChanged(true);
}

void ProPage_AXGrph_P4::CmdGetColor_Click()
{
    const int i = selectedPlot();
    if (i == 0 || !services().dialogs)
        return;
    const auto chosen = services().dialogs->chooseColour(m_foreColour, this);
    if (!chosen)
        return; // cancelled: nothing changes
    m_foreColour = QColor(chosen->red(), chosen->green(), chosen->blue());
    const PlotRgb rgb = splitColour(common::fromQColor(m_foreColour));
    PlotStyle& plot = PagePlots[static_cast<size_t>(i - 1)];
    plot.RColor = static_cast<qint16>(rgb.R);
    plot.GColor = static_cast<qint16>(rgb.G);
    plot.BColor = static_cast<qint16>(rgb.B);
    DoDraw();
    setChanged(true);
}

void ProPage_AXGrph_P4::load(ControlAccess& control)
{
    const int n = control.get(QStringLiteral("MaxCountOfPlots")).toInt16();
    std::vector<PlotStyle> plots;
    for (qint16 i = 1; i <= n; ++i)
        plots.push_back(StringToPlotAspect(control.get(QStringLiteral("PlotAspect"), {Variant(i)}).toString()));
    const bool legend = control.get(QStringLiteral("ShowLegend")).toBool();
    const auto back = static_cast<common::ColourValue>(control.get(QStringLiteral("ClrChartBackGround")).toDouble());

    // A reload is no count edit: the count handler must not recolour the plots.
    PageLoading = true;
    PagePlots = std::move(plots);
    ScrPlotCount->setValue(n);
    TxtPlotCount->setText(QString::number(n));
    fillPlotList(n);
    ChkShowLegend->setChecked(legend);
    m_backColour = back;
    cmbPlotSelected->setCurrentIndex(n > 0 ? 0 : -1);
    cmbPlotSelected_Click();
    PageLoading = false;
}

void ProPage_AXGrph_P4::apply(ControlAccess& control)
{
    const auto count = parsePlotCount(TxtPlotCount->text());
    if (!count || *count != static_cast<int>(PagePlots.size()))
        common::raise(common::errc::InvalidArgument, QStringLiteral("ProPage_AXGrph_P4.MaxCountOfPlots"),
            QStringLiteral("The count of plots must be a whole number from 1 to %1.").arg(MaxPlotCount));
    const auto n = static_cast<qint16>(*count);
    const WaitCursor wait;
    control.let(QStringLiteral("pInit"), true);
    RedrawRestore restore(control);
    control.let(QStringLiteral("MaxCountOfPlots"), n);
    control.let(QStringLiteral("ShowLegend"), ChkShowLegend->isChecked());
    for (qint16 i = 1; i <= n; ++i) {
        // Only the last plot's write redraws the chart.
        if (i == n) {
            control.let(QStringLiteral("pInit"), false);
            restore.release();
        }
        control.let(QStringLiteral("PlotAspect"), PlotAspectToString(PagePlots[static_cast<size_t>(i - 1)]), {Variant(i)});
    }
    control.call(QStringLiteral("CreateTestData"));
    control.call(QStringLiteral("Refresh"));
}

} // namespace vexachart
