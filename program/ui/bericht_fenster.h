#pragma once
// The main window as the report writer sees it: the result views it redraws, the three result
// grids, the texts of a few controls, the two chart pictures and the busy state of a run.
// A separate object because the window's own members carry the same names as controls.
#include "program/report/writer/reportwindow.h"
#include "program/ui/info2_frm.h"
#include "program/ui/widgets/flexgrid.h"

#include <QPointer>
#include <QTableWidget> // complete type for the adapters' guarded pointers

namespace ui {

class Kelto_VX_Menu;
struct Programmzustand;

class BerichtFenster final : public report::ReportWindow {
public:
    BerichtFenster(Kelto_VX_Menu& fenster, Programmzustand& zustand);
    ~BerichtFenster() override;

    void EinbauMase_anzeigen() override;
    void Leistg_Chart_anzeigen() override;
    void DruckVerl_anzeigen() override;
    void Zubehoer_anzeigen() override;
    void Datenuebersicht_anzeigen() override;

    catalogue::FlexGrid& FG_EinbauMasse() override { return m_masse; }
    catalogue::FlexGrid& FG_Datenuebersicht() override { return m_uebersicht; }
    catalogue::FlexGrid& FG_ErsatzTeile() override { return m_ersatz; }

    QString TB_Kuehlertyp() const override;
    QString CBox_Medium_Typ() const override;
    bool OBox_drueckend() const override;
    QString TB_FanDrehzahl() const override;

    QImage LChartPicture(QSize pixels, double dpi) override;
    QImage pChartPicture(QSize pixels, double dpi) override;

    void setBusy(bool busy) override;
    void showProgress(const QString& text) override;
    void hideProgress() override;
    void refreshResultView() override;

    // The progress window while a run shows it (null otherwise).
    Info2_frm* fortschritt() const { return m_info2.fenster(); }

private:
    Kelto_VX_Menu& m_fenster;
    Programmzustand& m_zustand;
    FlexGridAdapter m_masse;
    FlexGridAdapter m_uebersicht;
    FlexGridAdapter m_ersatz;
    Info2Halter m_info2;
    QPointer<QWidget> m_fokus; // the control that had the focus before the run
    bool m_busy = false;
};

} // namespace ui
