#pragma once
// The "Plot Aspects" page: plot count, legend switch and each plot's legend text, colour, line
// width, marker shape and size. It edits a working copy of every plot's style with a live preview
// and writes all plots back in one pass with a single redraw.
#include "chart/control/plotstyle.h"
#include "chart/pages/propertypage.h"
#include "common/colour.h"
#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace vexachart {

class PlotPreview;
class SpinButtons;

class ProPage_AXGrph_P4 : public PropertyPage {
    Q_OBJECT
public:
    explicit ProPage_AXGrph_P4(PageServices services, QWidget* parent = nullptr);

    // A plot count the page accepts: a whole number from 1 to 32767.
    static std::optional<int> parsePlotCount(const QString& text);
    // The number a width or size box holds (leading number, "." as the point; none counts as 0),
    // as a 16-bit integer, halves to even.
    static qint16 boxValue(const QString& text);

    std::vector<PlotStyle> PagePlots; // element i - 1 is plot i
    bool PageLoading = true;

    QComboBox* cmbPlotSelected = nullptr;
    QCheckBox* ChkShowLegend = nullptr;
    QLineEdit* TxtPlotCount = nullptr;
    SpinButtons* ScrPlotCount = nullptr;
    QLineEdit* TxtPlotCaption = nullptr;
    PlotPreview* PicColor = nullptr;
    QPushButton* CmdGetColor = nullptr;
    SpinButtons* ScrLineWidth = nullptr;
    QLineEdit* TxtLineWidth = nullptr;
    std::array<PlotPreview*, 8> PicShape{};
    SpinButtons* ScrMarkerSize = nullptr;
    QLineEdit* TxtMarkerSize = nullptr;

    // The selected plot, 1-based; 0 when none is selected.
    int selectedPlot() const;
    // The marker box the selection frame surrounds (-1 none).
    int shpSelIndex() const { return m_shpSel; }
    QColor foreColour() const { return m_foreColour; }

    void DoDraw();
    void cmbPlotSelected_Click();
    void TxtPlotCaption_Change();
    void TxtLineWidth_Change();
    void TxtMarkerSize_Change();
    void ScrLineWidth_Change();
    void ScrMarkerSize_Change();
    void ScrPlotCount_Change();
    void TxtPlotCount_Change();
    void TxtPlotCount_LostFocus();
    void TxtMarkerSize_LostFocus();
    void PicShape_Click(int Index);
    void CmdGetColor_Click();
    void ChkShowLegend_Click() { setChanged(true); }

protected:
    void load(ControlAccess& control) override;
    void apply(ControlAccess& control) override;

private:
    void moveSelectionFrame(int box);
    void fillPlotList(int n);

    int m_shpSel = 0;
    QColor m_foreColour = Qt::black;
    common::ColourValue m_backColour = 0xFFFFFF;
};

} // namespace vexachart
