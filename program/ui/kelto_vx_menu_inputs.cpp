// The input side: the four operating-point fields with their key filters and confirmations, the
// lists and check boxes, the drive options with their colours, the fan direction and the size spinner.
#include "program/ui/kelto_vx_menu.h"

#include "common/messages.h"
#include "common/widgets/qtcolour.h"
#include "program/rating/units.h"
#include "program/texts/settings.h"
#include "program/ui/menushortcutguard.h"
#include "program/ui/numericfieldvalidator.h"
#include "program/windowrules/unitrange.h"
#include "program/ui/info_hilfsfenster.h"
#include "program/ui/programmzustand.h"
#include "program/ui/widgets/updown.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QTabWidget>
#include <QTimer>

namespace ui {

namespace {

void setBackground(QWidget* w, common::ColourValue c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, common::toQColor(c, QApplication::palette()));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void setTitleColour(QGroupBox* box, common::ColourValue c)
{
    box->setStyleSheet(QStringLiteral("QGroupBox#%1::title { color: %2; font-weight: bold; }")
                           .arg(box->objectName(), common::toQColor(c, QApplication::palette()).name()));
}

} // namespace

void Kelto_VX_Menu::connectHandlers()
{
    for (QLineEdit* f : {TB_Durchfluss, TB_T_in, TB_T_Umgebung, TB_KLeistung}) {
        f->installEventFilter(this);
        connect(f, &QLineEdit::textEdited, this, [this, f] { m_edited[f] = true; });
        new NumericFieldValidator(f, f == TB_T_Umgebung, m_zustand.Texte.DezimalTrenner);
    }
    // Every menu shortcut reaches its command from every field of the window.
    auto* guard = new MenuShortcutGuard(menuBar());
    for (QLineEdit* f : findChildren<QLineEdit*>())
        guard->watch(f);
    connect(TB_KLeistung, &QLineEdit::textEdited, this, [this] {
        common::UserActionScope scope(m_boxes);
        TB_KLeistung_Change();
    });
    CBox_Medium->installEventFilter(this);
    CBox_Medium_Typ->installEventFilter(this);

    const auto user = [this](auto handler) {
        return [this, handler] {
            common::UserActionScope scope(m_boxes);
            (this->*handler)();
        };
    };
    connect(CBox_Medium, &QComboBox::activated, this, user(&Kelto_VX_Menu::CBox_Medium_Click));
    connect(CBox_Medium_Typ, &QComboBox::activated, this, user(&Kelto_VX_Menu::CBox_Medium_Typ_Click));
    connect(CBox_Location, &QComboBox::activated, this, user(&Kelto_VX_Menu::CBox_Location_Click));
    connect(CBox_AC_LowNoise, &QCheckBox::clicked, this, user(&Kelto_VX_Menu::CBox_AC_LowNoise_Click));
    connect(CBox_Kuehler_autom, &QCheckBox::clicked, this, user(&Kelto_VX_Menu::CBox_Kuehler_autom_Click));
    connect(OBox_DCD, &QRadioButton::clicked, this, user(&Kelto_VX_Menu::OBox_DCD_Click));
    connect(OBox_AC, &QRadioButton::clicked, this, user(&Kelto_VX_Menu::OBox_AC_Click));
    connect(OBox_HC, &QRadioButton::clicked, this, user(&Kelto_VX_Menu::OBox_HC_Click));
    for (QRadioButton* b : {OBox_12V, OBox_24V, OBox_AC_Optim, OBox_AC_Rough, OBox_HC_Optim, OBox_HC_Rough})
        connect(b, &QRadioButton::clicked, this, user(&Kelto_VX_Menu::CB_Kuehler_suchen_Click));
    connect(OBox_drueckend, &QRadioButton::clicked, this, user(&Kelto_VX_Menu::OBox_drueckend_Click));
    connect(OBox_Saugend, &QRadioButton::clicked, this, user(&Kelto_VX_Menu::OBox_Saugend_Click));
    connect(CB_Kuehler_suchen, &QPushButton::clicked, this, user(&Kelto_VX_Menu::CB_Kuehler_suchen_Click));
    connect(CB_Leistung_d_TempA, &QPushButton::clicked, this, user(&Kelto_VX_Menu::CB_Leistung_d_TempA_Click));
    connect(CB_Leistung_T_out, &QPushButton::clicked, this, user(&Kelto_VX_Menu::CB_Leistung_T_out_Click));
    connect(CB_Ergebnisdatei, &QPushButton::clicked, this, user(&Kelto_VX_Menu::CB_Ergebnisdatei_Click));
    connect(UpDn_Kuehlertyp, &UpDown::downClicked, this, user(&Kelto_VX_Menu::UpDn_Kuehlertyp_DownClick));
    connect(UpDn_Kuehlertyp, &UpDown::upClicked, this, user(&Kelto_VX_Menu::UpDn_Kuehlertyp_UpClick));
    connect(UpDown_HydroRPM, &UpDown::valueChanged, this, user(&Kelto_VX_Menu::UpDown_HydroRPM_Change));
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int) {
        common::UserActionScope scope(m_boxes);
        SSTab1_Click(m_currentTab);
    });
}

// ---------------------------------------------------------------- numeric fields

bool Kelto_VX_Menu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == CBox_Medium || watched == CBox_Medium_Typ) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (watched == CBox_Medium && enter) {
                common::UserActionScope scope(m_boxes);
                EingabeDat_Check();
                queueTab();
            } else if (watched == CBox_Medium_Typ && !key->text().isEmpty() && key->key() != Qt::Key_Tab) {
                queueTab();
            }
        }
        return false; // the list still sees the key
    }
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field == nullptr)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        // Back in the heat-load field: the heat-load dialogs step aside.
        if (field == TB_KLeistung && m_hilfsfenster)
            m_hilfsfenster->leistungsDialogeVerbergen();
        // Select all after Qt's own focus handling, which would place the cursor.
        QTimer::singleShot(0, field, [field] { field->selectAll(); });
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            common::UserActionScope scope(m_boxes);
            if (field == TB_KLeistung)
                TB_KLeistung_Confirm();
            else
                numericFieldConfirmed(field);
            if (field != TB_KLeistung)
                queueTab();
            return true;
        }
        // Every other key reaches the field; what it would type meets the field's validator.
        return false;
    }
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Deactivation or a popup (a message box opening) is no leave.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (!userEdited(field))
            break;
        common::UserActionScope scope(m_boxes);
        if (field == TB_KLeistung)
            TB_KLeistung_Confirm();
        else
            numericFieldConfirmed(field);
        break;
    }
    default:
        break;
    }
    return false;
}

void Kelto_VX_Menu::numericFieldConfirmed(QLineEdit* /*field*/)
{
    EingabeDat_Check();
    CB_Kuehler_suchen_Click();
}

void Kelto_VX_Menu::offeneEingabeUebernehmen()
{
    if (userEdited(TB_T_Umgebung) || userEdited(TB_T_in) || userEdited(TB_Durchfluss))
        numericFieldConfirmed(TB_T_in);
    if (userEdited(TB_KLeistung))
        TB_KLeistung_Confirm();
}

void Kelto_VX_Menu::TB_Durchfluss_Enter() { numericFieldConfirmed(TB_Durchfluss); }
void Kelto_VX_Menu::TB_T_in_Enter() { numericFieldConfirmed(TB_T_in); }
void Kelto_VX_Menu::TB_T_Umgebung_Enter() { numericFieldConfirmed(TB_T_Umgebung); }

void Kelto_VX_Menu::queueTab()
{
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr)
        target = this;
    QApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

void Kelto_VX_Menu::writeField(QLineEdit* field, const QString& text)
{
    if (NumericFieldValidator* rule = NumericFieldValidator::of(field))
        rule->programText(text);
    else
        field->setText(text);
    m_edited[field] = false;
}

// The heat load is read from the text only after a user edit; the program's own rewrites (one
// decimal in the display unit) never feed back into KLeistung.
void Kelto_VX_Menu::TB_KLeistung_Change()
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    CB_Kuehler_suchen->setEnabled(false);
    if (userEdited(TB_KLeistung))
        k.KLeistung = rating::Leistung_EH_einlesen(k, TB_KLeistung->text(), m_zustand.locale);
    if (k.KLeistung <= 0) {
        Set_no_CoolerInfo();
        TB_Info->hide();
    } else {
        CB_Kuehler_suchen->setEnabled(true);
    }
}

void Kelto_VX_Menu::TB_KLeistung_Confirm()
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    TB_KLeistung_Change();
    writeField(TB_KLeistung, anzeige([&] { return rating::Leistung_EH_anzeigen(k, k.KLeistung, m_zustand.locale); }));
    if (k.KLeistung > 0)
        CB_Kuehler_suchen_Click();
}

// ---------------------------------------------------------------- lists and check boxes

void Kelto_VX_Menu::CBox_Medium_Click()
{
    if (m_zustand.System().Init_aktiv)
        return;
    const int code = CBox_Medium->currentData().toInt();
    if (code == 0 || code == 1) {
        Set_MediumTypBox(code);
        CBox_Medium_Typ->setVisible(true);
        LA_Medium_Subindex->setVisible(true);
    }
    LA_Medium_Subindex->setText(CBox_Medium->currentText());
    CB_Kuehler_suchen_Click();
}

void Kelto_VX_Menu::Set_MediumTypBox(int MedType)
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    auto chooseIndex = [&] {
        const int n = CBox_Medium_Typ->count();
        return (k.Medium_Subindex < 0 || k.Medium_Subindex >= n) ? 0 : k.Medium_Subindex;
    };
    if (MedType == 1 || MedType == 0) {
        {
            const QSignalBlocker block(CBox_Medium_Typ);
            CBox_Medium_Typ->clear();
            LA_Medium_Subindex->setText(CBox_Medium->currentText());
            if (MedType == 1)
                CBox_Medium_Typ->addItem(QStringLiteral("50/50"), 1);
            else
                fillOilGrades();
            CBox_Medium_Typ->setCurrentIndex(chooseIndex());
        }
        // Setting the index runs the grade handler (idle while the window starts).
        CBox_Medium_Typ_Click();
    }
    k.Medium_Typ = MedType;
    if (k.Medium_Subindex > CBox_Medium_Typ->currentIndex())
        k.Medium_Subindex = 0;
}

void Kelto_VX_Menu::CBox_Medium_Typ_Click()
{
    if (m_zustand.System().Init_aktiv)
        return;
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    k.Medium_Subindex = CBox_Medium_Typ->currentData().toInt();
    // Water-glycol has one mixture; its properties are known under sub-index 0 only.
    if (k.Medium_Subindex > CBox_Medium_Typ->currentIndex())
        k.Medium_Subindex = 0;
    CB_Kuehler_suchen_Click();
}

void Kelto_VX_Menu::CBox_Location_Click()
{
    if (m_zustand.System().Init_aktiv)
        return;
    int temp, flow, druck;
    long leistung;
    if (CBox_Location->currentIndex() == 0) {
        setRegionUS(false);
        temp = 0, flow = 2, leistung = 0, druck = 1;
    } else {
        setRegionUS(true);
        temp = 1, flow = 5, leistung = 3, druck = 4;
    }
    setFanACCaption();
    Temp_EH_setzen(temp);
    Q_EH_setzen(flow);
    Leistg_EH_setzen(leistung);
    Druck_EH_setzen(druck);
    texts::INI_schreiben(m_zustand.System(), QStringLiteral("Region"),
        regionUS() ? QStringLiteral("US") : QStringLiteral("EU"), texts::ini::SysDaten);
    CB_Kuehler_suchen_Click();
}

void Kelto_VX_Menu::CBox_AC_LowNoise_Click() { CB_Kuehler_suchen_Click(); }

void Kelto_VX_Menu::CBox_Kuehler_autom_Click()
{
    if (CBox_Kuehler_autom->isChecked()) {
        m_zustand.Menu.Auto_Suche = true;
        CB_Kuehler_suchen_Click();
    } else {
        m_zustand.Menu.Auto_Suche = false;
    }
}

// ---------------------------------------------------------------- drive options and colours

void Kelto_VX_Menu::showDriveFrame(QGroupBox* frame)
{
    // The frames share one place: the chosen one is shown there, the other two are hidden; with no
    // drive (nullptr) none is shown.
    if (frame == nullptr) {
        for (QGroupBox* f : {Fr_FanDC, FR_FanAC, FR_FanHC})
            f->hide();
        return;
    }
    m_antriebe->setCurrentWidget(frame);
    frame->show();
}

void Kelto_VX_Menu::OBox_DCD_Click()
{
    rating::KuehlerDaten& m = m_zustand.KuehlerDaten; // the drive colours
    showDriveFrame(Fr_FanDC);
    m.Farbe_Antrieb = 0xABA800;
    m.Farbe_Titelleiste = 0xD8D8D8;
    Set_WindowHeaderColor(m.Farbe_Titelleiste, true);
    setMenuBarColours(m.Farbe_Titelleiste, m.Farbe_Titelleiste, m.Farbe_Antrieb);
    Set_Fan_Farbe(m.Farbe_Antrieb);
    CB_Kuehler_suchen_Click();
}

void Kelto_VX_Menu::OBox_AC_Click()
{
    rating::KuehlerDaten& m = m_zustand.KuehlerDaten; // the drive colours
    showDriveFrame(FR_FanAC);
    setFanACCaption();
    m.Farbe_Antrieb = 0x27A6EE;
    m.Farbe_Titelleiste = 0xD8D8D8;
    Set_WindowHeaderColor(m.Farbe_Titelleiste, true);
    Set_Fan_Farbe(m.Farbe_Antrieb);
    CB_Kuehler_suchen_Click();
}

void Kelto_VX_Menu::setFanACCaption()
{
    // The AC motors' mains frequency is the region's, whatever language the caption is in.
    const texts::Texte& t = m_zustand.Texte;
    FR_FanAC->setTitle(t.Text_520[static_cast<std::size_t>(qBound(0, int(t.SprachNr), 16))].trimmed()
        + (regionUS() ? QStringLiteral(" (60Hz)") : QStringLiteral(" (50Hz)")));
}

void Kelto_VX_Menu::OBox_HC_Click()
{
    rating::KuehlerDaten& m = m_zustand.KuehlerDaten; // the drive colours
    showDriveFrame(FR_FanHC);
    m.Farbe_Antrieb = 0xA08D89;
    m.Farbe_Titelleiste = 0xD8D8D8;
    Set_WindowHeaderColor(m.Farbe_Titelleiste, true);
    Set_Fan_Farbe(m.Farbe_Antrieb);
    showBanner(currentSeries() == 8 ? 105 : 104);
    CB_Kuehler_suchen_Click();
}

void Kelto_VX_Menu::Set_Fan_Farbe(common::ColourValue Farbe)
{
    setBackground(FR_Kuehlerdaten, Farbe);
    setBackground(LA_Abgf_Leistg, Farbe);
    setBackground(LA_T_out, Farbe);
    setBackground(LA_Temp_EH[2], Farbe);
    setBackground(LA_Leistung_EH[0], Farbe);
    setBackground(LA_Leistg_Reserve, Farbe);
    setBackground(LA_DruckVerlust, Farbe);
    setBackground(LA_Proz_EH[0], Farbe);
    setBackground(LA_Druck_EH[0], Farbe);
    setBackground(LA_dB[1], Farbe);
    setBackground(CB_Ergebnisdatei, Farbe);
    setBackground(lb_StdProgram, Farbe);
    setBackground(FR_GSP_Select, Farbe);
    setBackground(zentral, Farbe);
    for (QGroupBox* f : {Fr_FanTyp, FR_FanAC, Fr_FanDC, FR_FanHC, FR_Leistung})
        setTitleColour(f, Farbe);
    m_fanColour = Farbe;
}

void Kelto_VX_Menu::Set_Start_Colors()
{
    rating::KuehlerDaten& m = m_zustand.KuehlerDaten; // the drive colours
    {
        const QSignalBlocker block(OBox_DCD);
        OBox_DCD->setChecked(true);
    }
    OBox_DCD_Click();
    Set_WindowHeaderColor(m.Farbe_Titelleiste, true);
    setMenuBarColours(m.Farbe_Titelleiste, m.Farbe_Titelleiste, m.Farbe_Antrieb);
    Set_Fan_Farbe(m.Farbe_Standard);
    update();
}

// ---------------------------------------------------------------- fan direction, dialogs, size spinner

void Kelto_VX_Menu::OBox_drueckend_Click()
{
    m_zustand.Menu.LuefterDrueckend = true;
    const rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    if (k.Typ_Index >= 0 && k.Kuehler_Baureihe != 0) {
        KuehlerDaten_Ergebnis();
    } else {
        Set_no_CoolerInfo();
        TypSchluessel_anzeigen();
    }
}

void Kelto_VX_Menu::OBox_Saugend_Click()
{
    m_zustand.Menu.LuefterDrueckend = false;
    const rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    if (k.Typ_Index < 0 || k.Kuehler_Baureihe == 0) {
        TB_Kuehlertyp->setText(QStringLiteral("---"));
        TypSchluessel_anzeigen();
    } else {
        KuehlerDaten_Ergebnis();
    }
}

void Kelto_VX_Menu::CB_Leistung_d_TempA_Click() { showModal(QStringLiteral("LeistgVorg1_frm")); }
void Kelto_VX_Menu::CB_Leistung_T_out_Click() { showModal(QStringLiteral("LeistgVorg2_frm")); }
void Kelto_VX_Menu::CB_Ergebnisdatei_Click() { showModal(QStringLiteral("Word_Dokument_erstellen 0")); }

void Kelto_VX_Menu::UpDn_Kuehlertyp_DownClick()
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    k.Typ_Index = qMax(0, k.Typ_Index - 1);
    KuehlerDaten_Ergebnis();
}

void Kelto_VX_Menu::UpDn_Kuehlertyp_UpClick()
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    k.Typ_Index = qMin(k.Typ_MaxIndex, k.Typ_Index + 1);
    KuehlerDaten_Ergebnis();
}

// ---------------------------------------------------------------- display units

void Kelto_VX_Menu::setUnitChecks(int groesse, int selector)
{
    const auto& keys = einheitSchluessel(groesse);
    for (int i = 0; i < static_cast<int>(keys.size()); ++i)
        if (QAction* a = menuItem(keys[static_cast<std::size_t>(i)]))
            a->setChecked(i == selector);
}

void Kelto_VX_Menu::Temp_EH_setzen(int& Index)
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    Index = gueltigeEinheit(Groesse::Temperatur, Index);
    k.EH_Temp = Index;
    setUnitChecks(0, Index);
    const QString name = unitName(k.EH_Temp_Namen, Index);
    for (int i = 1; i <= 3; ++i)
        LA_Temp_EH[static_cast<std::size_t>(i)]->setText(name);
    const auto text = [&](double v) { return anzeige([&] { return rating::Temp_EH_anzeigen(k, v, m_zustand.locale); }); };
    if (!TB_T_Umgebung->text().isEmpty())
        writeField(TB_T_Umgebung, text(k.T_Umgebung));
    if (!TB_T_in->text().isEmpty())
        writeField(TB_T_in, text(k.T_in));
    if (!TB_T_out->text().isEmpty())
        TB_T_out->setText(text(k.T_out));
}

void Kelto_VX_Menu::Q_EH_setzen(int& Index)
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    Index = gueltigeEinheit(Groesse::Durchfluss, Index);
    k.EH_Durchfluss = Index;
    setUnitChecks(1, Index);
    LA_Q_EH[0]->setText(unitName(k.EH_Durchfluss_Namen, Index));
    if (!TB_Durchfluss->text().isEmpty())
        writeField(TB_Durchfluss, anzeige([&] { return rating::Durchfluss_EH_anzeigen(k, k.Durchfluss, m_zustand.locale); }));
}

void Kelto_VX_Menu::Leistg_EH_setzen(long& Index)
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    Index = gueltigeEinheit(Groesse::Leistung, static_cast<int>(qBound(-1L, Index, 99L)));
    k.EH_Leistung = Index;
    setUnitChecks(2, static_cast<int>(Index));
    const QString name = unitName(k.EH_Leistung_Namen, static_cast<int>(Index));
    LA_Leistung_EH[0]->setText(name);
    LA_Leistung_EH[1]->setText(name);
    if (!TB_KLeistung->text().isEmpty())
        writeField(TB_KLeistung, anzeige([&] { return rating::Leistung_EH_anzeigen(k, k.KLeistung, m_zustand.locale); }));
    TB_Abgef_Leistg->clear();
}

void Kelto_VX_Menu::Druck_EH_setzen(int& Index)
{
    rating::KuehlerDaten& k = m_zustand.KuehlerDaten;
    Index = gueltigeEinheit(Groesse::Druck, Index);
    k.EH_Druck = Index;
    setUnitChecks(3, Index);
    LA_Druck_EH[0]->setText(unitName(k.EH_Druck_Namen, Index));
    if (!TB_DruckVerlust->text().isEmpty())
        TB_DruckVerlust->setText(anzeige([&] { return rating::Druck_EH_anzeigen(k, k.DruckVerlust, m_zustand.locale); }));
}

QString Kelto_VX_Menu::anzeige(const std::function<QString()>& format) const
{
    try {
        return format();
    } catch (const std::exception&) {
        return {}; // a value the unit cannot show stays empty
    }
}

} // namespace ui
