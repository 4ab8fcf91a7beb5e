#include "program/ui/bericht_fenster.h"

#include "chart/control/widget.h"
#include "program/ui/ergebnis_ansichten.h"
#include "program/ui/kelto_vx_menu.h"
#include "program/ui/programmzustand.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>

namespace ui {

BerichtFenster::BerichtFenster(Kelto_VX_Menu& fenster, Programmzustand& zustand)
    : m_fenster(fenster), m_zustand(zustand), m_masse(fenster.FG_EinbauMasse),
      m_uebersicht(fenster.FG_Datenuebersicht), m_ersatz(fenster.FG_ErsatzTeile)
{
}

BerichtFenster::~BerichtFenster()
{
    setBusy(false);
}

void BerichtFenster::EinbauMase_anzeigen() { m_fenster.ergebnisAnsichten()->EinbauMase_anzeigen(); }
void BerichtFenster::Leistg_Chart_anzeigen() { m_fenster.ergebnisAnsichten()->Leistg_Chart_anzeigen(); }
void BerichtFenster::DruckVerl_anzeigen() { m_fenster.ergebnisAnsichten()->DruckVerl_anzeigen(); }
void BerichtFenster::Zubehoer_anzeigen() { m_fenster.ergebnisAnsichten()->Zubehoer_anzeigen(); }
void BerichtFenster::Datenuebersicht_anzeigen() { m_fenster.ergebnisAnsichten()->Datenuebersicht_anzeigen(); }

QString BerichtFenster::TB_Kuehlertyp() const { return m_fenster.TB_Kuehlertyp->text(); }
QString BerichtFenster::CBox_Medium_Typ() const { return m_fenster.CBox_Medium_Typ->currentText(); }
bool BerichtFenster::OBox_drueckend() const { return m_fenster.OBox_drueckend->isChecked(); }
QString BerichtFenster::TB_FanDrehzahl() const { return m_fenster.TB_FanDrehzahl->text(); }

QImage BerichtFenster::LChartPicture(QSize pixels, double dpi) { return m_fenster.LChart->chart().renderImage(pixels, dpi); }
QImage BerichtFenster::pChartPicture(QSize pixels, double dpi) { return m_fenster.pChart->chart().renderImage(pixels, dpi); }

void BerichtFenster::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    // The hourglass, and no clicks or keys reach the window while the document is written.
    if (busy) {
        m_fokus = QApplication::focusWidget();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
    if (QWidget* mitte = m_fenster.centralWidget())
        mitte->setEnabled(!busy);
    m_fenster.menuBar()->setEnabled(!busy);
    // Switching the controls off moved the focus away; the user goes on where he was.
    if (!busy && m_fokus) {
        m_fenster.activateWindow(); // the progress window had taken the activation
        m_fokus->setFocus();
        m_fokus.clear();
    }
}

void BerichtFenster::showProgress(const QString& text)
{
    m_info2.zeigen(m_zustand.Texte.SprachNr, text, &m_fenster);
}

void BerichtFenster::hideProgress() { m_info2.entladen(); }

void BerichtFenster::refreshResultView()
{
    // The charts were drawn in the report's colours: the open tab is drawn again for the screen.
    m_fenster.ergebnisAnsichten()->SSTab1_Click(m_fenster.SSTab1->currentIndex());
}

} // namespace ui
