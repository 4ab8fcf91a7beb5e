#pragma once
// What the report needs of the main window: refreshing the result views for the current
// selection, the texts of a few controls, the three result grids, the two chart pictures and the
// busy state around a run. The main window implements it; tests use a fake.
#include "program/catalogue/grid.h"
#include <QImage>
#include <QSize>
#include <QString>

namespace report {

class ReportWindow {
public:
    virtual ~ReportWindow() = default;

    // Redraw the installation view (drawing and FG_EinbauMasse) for the current size.
    virtual void EinbauMase_anzeigen() = 0;
    // Redraw the performance chart (LChart) and the pressure-drop chart (pChart); while
    // Word_aktiv is set they draw the report variant.
    virtual void Leistg_Chart_anzeigen() = 0;
    virtual void DruckVerl_anzeigen() = 0;
    // Refill FG_ErsatzTeile and FG_Datenuebersicht for the current size.
    virtual void Zubehoer_anzeigen() = 0;
    virtual void Datenuebersicht_anzeigen() = 0;

    virtual catalogue::FlexGrid& FG_EinbauMasse() = 0;
    virtual catalogue::FlexGrid& FG_Datenuebersicht() = 0;
    virtual catalogue::FlexGrid& FG_ErsatzTeile() = 0;

    // Texts of the controls the report prints.
    virtual QString TB_Kuehlertyp() const = 0;
    virtual QString CBox_Medium_Typ() const = 0; // current entry of the medium sub-type box
    virtual bool OBox_drueckend() const = 0;     // air direction "blowing"
    virtual QString TB_FanDrehzahl() const = 0;  // hydraulic fan speed

    // The charts as drawn now, rendered by the chart's own paint routine at a fixed size
    // (not grabbed from the screen, so a chart on a hidden tab renders as well).
    virtual QImage LChartPicture(QSize pixels, double dpi) = 0;
    virtual QImage pChartPicture(QSize pixels, double dpi) = 0;

    // Busy state: the hourglass with user input held off, and the modeless progress window
    // Info2_frm with its label LA_InfoTxt (painted before the call returns).
    virtual void setBusy(bool busy) = 0;
    virtual void showProgress(const QString& text) = 0;
    virtual void hideProgress() = 0;
    // After a run: redraw the result view on screen (the charts were drawn in report colours).
    virtual void refreshResultView() = 0;
};

} // namespace report
