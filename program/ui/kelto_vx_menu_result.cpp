// Validation of the operating point, the search driver, the no-cooler state, the result
// computation and the hydraulic speed.
#include "program/ui/kelto_vx_menu.h"

#include "common/error.h"
#include "common/format.h"
#include "common/messages.h"
#include "program/rating/curves.h"
#include "program/rating/enginemessages.h"
#include "program/rating/selection.h"
#include "program/rating/sizesearch.h"
#include "program/rating/stoffwerte.h"
#include "program/rating/units.h"
#include "program/windowrules/eingabecheck.h"
#include "program/ui/programmzustand.h"
#include "program/windowrules/seriescode.h"
#include "program/ui/widgets/updown.h"
#include "tooltip/clsquickinfo.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <cmath>

namespace ui {

namespace {

const QString& inSprache(const texts::SprachText& t, int n)
{
    return t[static_cast<std::size_t>(qBound(0, n, texts::SprachSlots - 1))];
}

} // namespace

void Kelto_VX_Menu::EingabeDat_Check()
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    const QLocale& loc = m_zustand.locale;
    EingabeDaten d{{TB_T_Umgebung->text(), userEdited(TB_T_Umgebung), k.T_Umgebung},
        {TB_T_in->text(), userEdited(TB_T_in), k.T_in}, {TB_Durchfluss->text(), userEdited(TB_Durchfluss), k.Durchfluss}};
    EingabeUmrechnung u{[&](const QString& t) { return rating::Temp_EH_einlesen(k, t, loc); },
        [&](const QString& t, double tIn) {
            rating::KuehlerDaten mitTin = k;
            mitTin.T_in = tIn;
            return rating::Durchfluss_EH_einlesen(mitTin, t, loc);
        }};
    EingabePruefung r;
    try {
        r = pruefeEingabe(d, loc, u);
    } catch (const std::exception&) {
        r = EingabePruefung{}; // a value the unit cannot take counts as invalid input
        r.T_Umgebung = k.T_Umgebung;
        r.T_in = k.T_in;
        r.Durchfluss = k.Durchfluss;
    }
    k.Eingabe_OK = r.Eingabe_OK;
    const bool gelesen = r.Eingabe_OK || r.temperaturMeldung;
    if (gelesen) {
        k.T_Umgebung = r.T_Umgebung;
        k.T_in = r.T_in;
        k.Durchfluss = r.Durchfluss;
        for (QLineEdit* f : {TB_T_Umgebung, TB_T_in, TB_Durchfluss})
            m_edited[f] = false;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{FR_Leistung, TB_KLeistung, CB_Leistung_d_TempA, CB_Leistung_T_out})
        w->setEnabled(r.Eingabe_OK);
    if (r.temperaturMeldung)
        m_boxes.show(LA_T_Umgebung->text() + QStringLiteral(" > ") + LA_T_in->text(), common::mb::Information);
    k.T_mittel = (k.T_in + k.T_Umgebung) / 2;
    k.Dichte_Medium = rating::Stoffwert_Dichte(k.T_mittel, k.medium());
    if (m_zustand.Menu.Auto_Suche)
        CB_Kuehler_suchen_Click();
    else if (!k.Eingabe_OK)
        Set_no_CoolerInfo();
}

long Kelto_VX_Menu::currentSeries() const
{
    AntriebsWahl w;
    if (OBox_DCD->isChecked()) {
        w.antrieb = Antrieb::DC;
        w.ersteVariante = OBox_12V->isChecked();
        w.zweiteVariante = OBox_24V->isChecked();
    } else if (OBox_AC->isChecked()) {
        w.antrieb = Antrieb::AC;
        w.ersteVariante = OBox_AC_Optim->isChecked();
        w.zweiteVariante = OBox_AC_Rough->isChecked();
        w.lowNoise = CBox_AC_LowNoise->isChecked();
    } else if (OBox_HC->isChecked()) {
        w.antrieb = Antrieb::Hydraulik;
        w.ersteVariante = OBox_HC_Optim->isChecked();
        w.zweiteVariante = OBox_HC_Rough->isChecked();
    }
    return serienCode(w).Kuehler_Baureihe;
}

int Kelto_VX_Menu::currentBanner() const
{
    AntriebsWahl w;
    if (OBox_DCD->isChecked())
        w = {Antrieb::DC, OBox_12V->isChecked(), OBox_24V->isChecked(), false};
    else if (OBox_AC->isChecked())
        w = {Antrieb::AC, OBox_AC_Optim->isChecked(), OBox_AC_Rough->isChecked(), CBox_AC_LowNoise->isChecked()};
    else if (OBox_HC->isChecked())
        w = {Antrieb::Hydraulik, OBox_HC_Optim->isChecked(), OBox_HC_Rough->isChecked(), false};
    return serienCode(w).banner;
}

void Kelto_VX_Menu::showBanner(int number)
{
    // Banners are resources named by id (BildID_Offset + 101..105).
    const int id = m_zustand.System().BildID_Offset + number;
    const QPixmap pic(QStringLiteral(":/banner/%1.png").arg(id));
    if (pic.isNull())
        PicBox_VX_Typ->clear();
    else
        PicBox_VX_Typ->setPixmap(pic.scaledToHeight(PicBox_VX_Typ->maximumHeight(), Qt::SmoothTransformation));
    m_bannerShown = number;
}

void Kelto_VX_Menu::CB_Kuehler_suchen_Click()
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    CB_Kuehler_suchen->setEnabled(false);
    TB_Kuehlertyp->setEnabled(false);
    UpDn_Kuehlertyp->setEnabled(false);
    k.Kuehler_Baureihe = 0;
    PicBox_VX_Typ->setVisible(true);

    const bool driveChosen = OBox_DCD->isChecked() || OBox_AC->isChecked() || OBox_HC->isChecked();
    const int banner = currentBanner();
    k.Kuehler_Baureihe = currentSeries();
    if (banner != 0)
        showBanner(banner);
    if (!driveChosen)
        PicBox_VX_Typ->setVisible(false);

    int ergebnis = 0;
    try {
        catalogue::KDaten_Tab& kd = m_zustand.KDaten_Tab;
        if (k.Kuehler_Baureihe != 0) {
            // The tables hold the current hydraulic speed before any size is rated.
            catalogue::Hydro_Stufe_anwenden(kd, m_zustand.KDaten_HC_Tab);
            rating::Get_KuehlerTabelle(k, kd);
            if (k.Kuehler_Baureihe == catalogue::DC_12V)
                ergebnis = rating::Kuehler_suchen_DC(k, kd, kd.Region_US, m_boxes);
            else if (k.Kuehler_Baureihe == catalogue::DC_24V)
                ergebnis = rating::Kuehler_suchen_DC24(k, kd, kd.Region_US, m_boxes);
            else
                ergebnis = rating::Kuehler_suchen(k, kd, m_boxes);
        }

        if (!FR_Leistung->isEnabledTo(this)) {
            for (QLineEdit* f : {TB_T_out, TB_Abgef_Leistg, TB_LeistgReserve, TB_DruckVerlust})
                f->clear();
            Set_no_CoolerInfo();
            return;
        }
        if (ergebnis >= 0 && k.Kuehler_Baureihe != 0) {
            k.Typ_Index = ergebnis;
            rating::KuehlerErgebnis_berechnen(k, kd, m_boxes);
            KuehlerDaten_Ergebnis();
        } else {
            Set_no_CoolerInfo();
        }
    } catch (const common::Error& e) {
        m_boxes.show(e.description(), common::mb::Critical);
        Set_no_CoolerInfo();
    } catch (const std::exception&) {
        Set_no_CoolerInfo(); // never a half-shown result
    }
    CB_Kuehler_suchen->setEnabled(m_zustand.KuehlerDaten.KLeistung > 0);
    TB_Kuehlertyp->setEnabled(true);
    UpDn_Kuehlertyp->setEnabled(TB_Kuehlertyp->text() != QLatin1String("---"));
}

void Kelto_VX_Menu::Set_no_CoolerInfo()
{
    const bool hadCooler = TB_Kuehlertyp->text() != QLatin1String("---");
    TB_Info->hide();
    TB_Kuehlertyp->setText(QStringLiteral("---"));
    TB_T_out->clear();
    TB_Abgef_Leistg->clear();
    TB_LeistgReserve->clear();
    setReserveColour(false);
    TB_DruckVerlust->clear();
    tb_Noise->clear();
    UpDn_Kuehlertyp->setEnabled(false);
    TypSchluessel_anzeigen();
    // An open result tab shows the empty state, not the last cooler.
    if (hadCooler)
        redrawOpenView();
}

void Kelto_VX_Menu::setReserveColour(bool red)
{
    QPalette pal = TB_LeistgReserve->palette();
    pal.setColor(QPalette::Base, red ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::Base));
    TB_LeistgReserve->setPalette(pal);
    m_reserveRed = red;
}

void Kelto_VX_Menu::KuehlerDaten_Ergebnis()
{
    try {
        ergebnisBerechnen();
    } catch (const common::Error& e) {
        m_boxes.show(e.description(), common::mb::Critical);
        Set_no_CoolerInfo();
    } catch (const std::exception&) {
        Set_no_CoolerInfo(); // never a half-shown result
    }
}

void Kelto_VX_Menu::ergebnisBerechnen()
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    const texts::Texte& t = m_zustand.Texte;
    const QLocale& loc = m_zustand.locale;
    k.Stoffwert_Fehler = false;

    // The table first: it fixes Typ_MaxIndex, so a size beyond it or a missing series is no result.
    const catalogue::KTabelle& tabelle = rating::Get_KuehlerTabelle(k, m_zustand.KDaten_Tab);
    if (k.KLeistung <= 0 || !k.Eingabe_OK || k.Typ_Index < 0 || k.Kuehler_Baureihe == 0 || tabelle.empty()
        || k.Typ_Index > k.Typ_MaxIndex || k.Typ_Index >= static_cast<int>(tabelle.size())) {
        TB_Info->hide();
        Set_no_CoolerInfo();
        return;
    }
    const auto idx = static_cast<std::size_t>(k.Typ_Index);
    const bool hydraulik = k.Kuehler_Baureihe == catalogue::Hydro_Optim || k.Kuehler_Baureihe == catalogue::Hydro_Rough;
    if (hydraulik) {
        rating::KErgebnisSatz& e = k.KErgebnis[idx];
        UpDown_HydroRPM->setMin(e.Drehzahl_Min);
        UpDown_HydroRPM->setMax(e.Drehzahl_Max);
        int& stufe = m_zustand.KDaten_HC_Tab.Hydro_Drehzahl;
        stufe = qBound(e.Drehzahl_Min, stufe, qMax(e.Drehzahl_Min, e.Drehzahl_Max));
        if (!m_zustand.Menu.HydroRPM_in_Arbeit && UpDown_HydroRPM->setValue(stufe))
            UpDown_HydroRPM_Change(); // computes and shows this size at the new speed
    }
    // The current speed step is in the tables before anything is read from them.
    catalogue::Hydro_Stufe_anwenden(m_zustand.KDaten_Tab, m_zustand.KDaten_HC_Tab);
    const catalogue::KTabSatz& satz = catalogue::oelSatz(tabelle, k.Typ_Index);
    if (!satz.isAvailable()) {
        TB_Info->hide();
        Set_no_CoolerInfo();
        return;
    }

    const rating::Meldungen meldungen = rating::meldungenAus(t, m_boxes);
    const double Q = k.Durchfluss;
    ErgebnisFunktionen f;
    f.kuehlleistung = [&](double dT) { return rating::Kuehlleistung_berechnen(k, m_zustand.KDaten_Tab, k.Typ_Index, dT); };
    f.cp = [&](double T) { return rating::Stoffwert_cp(T, k.medium(), k, meldungen); };
    f.dichte = [&](double T) { return rating::Stoffwert_Dichte(T, k.medium()); };
    f.viskositaet = [&](double T) { return rating::Stoffwert_Viskositaet(T, k.Medium_Subindex, k, m_boxes); };
    f.stoffwertFehler = [&] { return k.Stoffwert_Fehler; };

    rating::KErgebnisSatz& e = k.KErgebnis[idx];
    ErgebnisEingang ein;
    ein.T_in = k.T_in;
    ein.T_Umgebung = k.T_Umgebung;
    ein.Durchfluss = Q;
    ein.KLeistung = k.KLeistung;
    ein.wasserGlykol = k.Medium_Typ != rating::MediumOel;
    ein.DruckWert = e.DruckWert;
    ein.Q_min = e.Durchfluss_Min;
    ein.Q_max = e.Durchfluss_Max;
    const ErgebnisWerte w = berechneErgebnis(ein, f);

    m_zustand.Menu.Iter_Zaehler = w.Iter_Zaehler;
    if (w.leistungNichtAbfuehrbar)
        m_boxes.show(inSprache(t.Text_132, t.SprachNr), common::mb::Information);
    // Outside the range the curves and the medium's properties hold (a property error, or a
    // capacity that is not a positive number) there is no result to show, only the no-cooler state.
    if (k.Stoffwert_Fehler || !std::isfinite(w.Abgef_Leistg) || w.Abgef_Leistg <= 0) {
        TB_Info->hide();
        Set_no_CoolerInfo();
        return;
    }
    k.T_out = w.T_out;
    k.Abgef_Leistg = w.Abgef_Leistg;
    k.T_mittel = w.T_mittel;
    k.T_mittel_Ergebnis = w.T_mittel;

    // Flow check and the advice tooltip of the information field.
    TB_Info->hide();
    QString rat;
    const QString crlf = QStringLiteral("\r\n");
    const QString einheit = LA_Q_EH[0]->text();
    if (w.warnung == DurchflussWarnung::ZuNiedrig) {
        TB_Info->setText(inSprache(t.Text_133, t.SprachNr) + anzeige([&] { return rating::Durchfluss_EH_anzeigen(k, e.Durchfluss_Min, loc); })
            + QLatin1Char(' ') + einheit + QLatin1Char(')'));
        TB_Info->show();
        rat = inSprache(t.Text_180, t.SprachNr) + crlf + inSprache(t.Text_181, t.SprachNr) + crlf + inSprache(t.Text_184, t.SprachNr);
    } else if (w.warnung == DurchflussWarnung::ZuHoch) {
        TB_Info->setText(inSprache(t.Text_134, t.SprachNr) + anzeige([&] { return rating::Durchfluss_EH_anzeigen(k, e.Durchfluss_Max, loc); })
            + QLatin1Char(' ') + einheit + QLatin1Char(')'));
        TB_Info->show();
        rat = inSprache(t.Text_180, t.SprachNr) + crlf + inSprache(t.Text_182, t.SprachNr) + crlf + inSprache(t.Text_183, t.SprachNr);
    }
    if (m_QuickInfo == nullptr) {
        m_QuickInfo = new quickinfo::clsQuickInfo(this);
        m_QuickInfo->Init(this);
        m_QuickInfo->ControlAdd(TB_Info, QString());
    }
    m_QuickInfo->setToolTipText(TB_Info, rat);

    k.Visk_Faktor = w.Visk_Faktor;
    k.DruckVerlust = w.DruckVerlust;
    k.Leistg_Reserve = w.Leistg_Reserve;

    TB_DruckVerlust->setText(anzeige([&] { return rating::Druck_EH_anzeigen(k, k.DruckVerlust, loc); }));
    TB_Abgef_Leistg->setText(anzeige([&] { return rating::Leistung_EH_anzeigen(k, k.Abgef_Leistg, loc); }));
    TB_T_out->setText(anzeige([&] { return rating::Temp_EH_anzeigen(k, k.T_out, loc); }));
    TB_LeistgReserve->setText(common::formatValue(100 * k.Leistg_Reserve, QStringLiteral("#0.0"), loc));
    setReserveColour(!TB_LeistgReserve->text().isEmpty() && reserveRot(w));
    if (hydraulik) {
        e.Geraeusch = rating::normierterGeraeuschText(satz.Geraeusch);
        e.Zusatzwert = satz.Drehzahl;
    }
    tb_Noise->setText(e.Geraeusch);
    TB_Kuehlertyp->setText(e.TypCode + (OBox_drueckend->isChecked() ? QStringLiteral("B") : QString()));
    UpDn_Kuehlertyp->setEnabled(true);
    TypSchluessel_anzeigen();
    SSTab1_Click(0);
}

void Kelto_VX_Menu::UpDown_HydroRPM_Change()
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    catalogue::KDaten_HC_Tab& hc = m_zustand.KDaten_HC_Tab;
    catalogue::KDaten_Tab& kd = m_zustand.KDaten_Tab;
    const int stufe = qBound(0, UpDown_HydroRPM->Value(), catalogue::HydroStufen - 1);
    TB_FanDrehzahl->setText(QString::number(catalogue::drehzahlDerStufe(stufe)));
    catalogue::setzeHydroStufe(hc, stufe);
    const bool hydraulik = k.Kuehler_Baureihe == catalogue::Hydro_Optim || k.Kuehler_Baureihe == catalogue::Hydro_Rough;
    if (hydraulik) {
        catalogue::Hydro_Stufe_anwenden(kd, hc);
        int typMax = 0;
        if (const catalogue::KTabelle* tab = catalogue::waehleTabelle(kd, k.Kuehler_Baureihe, typMax)) {
            // Fan speed of the size's record at this step (some sizes run at a speed of their own).
            if (k.Typ_Index >= 0 && k.Typ_Index <= typMax) {
                const qint16 n = catalogue::oelSatz(*tab, k.Typ_Index).Drehzahl;
                if (n > 0)
                    TB_FanDrehzahl->setText(QString::number(n));
            }
            // The flow limits, noise and fan speed depend on the step for some sizes.
            for (int i = 0; i <= typMax && i < rating::KErgebnisSlots; ++i) {
                const catalogue::KTabSatz& s = catalogue::oelSatz(*tab, i);
                rating::KErgebnisSatz& e = k.KErgebnis[static_cast<std::size_t>(i)];
                e.Durchfluss_Min = s.Q_min;
                e.Durchfluss_Max = s.Q_max;
                e.Geraeusch = rating::normierterGeraeuschText(s.Geraeusch);
                e.Zusatzwert = s.Drehzahl;
            }
        }
    }
    m_zustand.Menu.HydroRPM_in_Arbeit = true;
    KuehlerDaten_Ergebnis();
    m_zustand.Menu.HydroRPM_in_Arbeit = false;
}

} // namespace ui
