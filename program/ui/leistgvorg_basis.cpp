#include "program/ui/leistgvorg_basis.h"

#include "common/numread.h"
#include "program/rating/enginemessages.h"
#include "program/rating/stoffwerte.h"
#include "program/rating/units.h"
#include "program/ui/info_zeichensatz.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace ui {

LeistgVorgBasis::LeistgVorgBasis(Umgebung umgebung, const QString& objectName, QWidget* parent)
    : QDialog(parent), m_u(std::move(umgebung))
{
    setObjectName(objectName);
    setModal(true);
    const auto named = [](auto* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    FR_LeistgVorgabe = named(new QGroupBox(this), "FR_LeistgVorgabe");
    LA_LeistgVorgabe = named(new QLabel(this), "LA_LeistgVorgabe");
    TB_VLeistg = named(new QLineEdit(this), "TB_VLeistg");
    TB_VLeistg->setReadOnly(true);
    TB_VLeistg->setAlignment(Qt::AlignRight);
    LA_Leistung_EH[0] = named(new QLabel(this), "LA_Leistung_EH_0");
    LA_Temp_EH[0] = named(new QLabel(this), "LA_Temp_EH_0");
    CB_zurueck = named(new QPushButton(this), "CB_zurueck");
    CB_zurueck->setDefault(true);

    m_eingaben = new QGridLayout(FR_LeistgVorgabe);
    m_eingaben->setColumnStretch(1, 1);
    auto* result = new QGridLayout;
    result->addWidget(LA_LeistgVorgabe, 0, 0);
    result->addWidget(TB_VLeistg, 0, 1);
    result->addWidget(LA_Leistung_EH[0], 0, 2);
    result->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CB_zurueck);
    auto* main = new QVBoxLayout(this);
    main->addWidget(FR_LeistgVorgabe);
    main->addLayout(result);
    main->addLayout(buttons);

    connect(CB_zurueck, &QPushButton::clicked, this, [this] {
        common::UserActionScope scope(m_u.boxes);
        CB_zurueck_Click();
    });
    leistungZeigen(0);
}

void LeistgVorgBasis::eingabeZeile(int row, QLabel* label, QLineEdit* field, QLabel* unit)
{
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(90);
    m_eingaben->addWidget(label, row, 0);
    m_eingaben->addWidget(field, row, 1);
    m_eingaben->addWidget(unit, row, 2);
    setTabOrder(field, CB_zurueck);
    field->installEventFilter(this);
}

bool LeistgVorgBasis::eventFilter(QObject* watched, QEvent* event)
{
    // Without this, Enter in a field would press the default button: a half-typed input would be
    // taken over as a load of 0 and replace the main window's heat load.
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched) != nullptr) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LeistgVorgBasis::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

const QString& LeistgVorgBasis::text(const texts::SprachText& s) const
{
    const int n = m_u.Texte.SprachNr;
    return s[static_cast<std::size_t>(n >= 0 && n < 17 ? n : 1)];
}

void LeistgVorgBasis::Temp_EH_setzen(int& /*Index*/)
{
    const rating::KuehlerDaten& k = m_u.KuehlerDaten;
    const auto unit = static_cast<std::size_t>(k.EH_Temp);
    LA_Temp_EH[0]->setText(unit < k.EH_Temp_Namen.size() ? text(k.EH_Temp_Namen[unit]) : QString());
}

void LeistgVorgBasis::gemeinsameTexteSetzen()
{
    const texts::Texte& t = m_u.Texte;
    const rating::KuehlerDaten& k = m_u.KuehlerDaten;
    m_fontCharset = Zeichensatz_der_Sprache(t.SprachNr);
    LA_LeistgVorgabe->setText(text(t.Text_161));
    const auto unit = static_cast<std::size_t>(k.EH_Leistung);
    LA_Leistung_EH[0]->setText(unit < k.EH_Leistung_Namen.size() ? text(k.EH_Leistung_Namen[unit]) : QString());
    CB_zurueck->setText(text(t.Text_415));
    int index = k.EH_Temp;
    Temp_EH_setzen(index);
    // A unit switched while the dialog was hidden: the stored load in the current unit.
    leistungZeigen(m_leistung);
}

Stoffwertfunktionen LeistgVorgBasis::stoffwerte(bool mitMeldungen)
{
    if (m_festeStoffwerte)
        return *m_festeStoffwerte;
    rating::KuehlerDaten& k = m_u.KuehlerDaten;
    const rating::Medium medium = k.medium();
    if (mitMeldungen) {
        const rating::Meldungen meldungen = rating::meldungenAus(m_u.Texte, m_u.boxes);
        return {[&k, medium, meldungen](double T) { return rating::Stoffwert_cp(T, medium, k, meldungen); },
                [medium](double T) { return rating::Stoffwert_Dichte(T, medium); }};
    }
    const rating::Meldungen still = rating::meldungenAus(m_u.Texte, m_still);
    return {[this, medium, still](double T) { return rating::Stoffwert_cp(T, medium, m_schmierzettel, still); },
            [medium](double T) { return rating::Stoffwert_Dichte(T, medium); }};
}

void LeistgVorgBasis::leistungZeigen(double watt)
{
    m_leistung = watt;
    QString shown;
    try {
        shown = rating::Leistung_EH_anzeigen(m_u.KuehlerDaten, watt, m_u.locale);
    } catch (const std::exception&) {
        shown.clear(); // a load the unit cannot show stays empty
    }
    TB_VLeistg->setText(shown);
}

bool LeistgVorgBasis::numerisch(const QLineEdit* field) const
{
    return common::isNumeric(field->text(), m_u.locale);
}

void LeistgVorgBasis::leistungUebergeben()
{
    m_u.KuehlerDaten.KLeistung = m_leistung;
    hide();
    if (m_u.leistungUebernommen)
        m_u.leistungUebernommen();
}

} // namespace ui
