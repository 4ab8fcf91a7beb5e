#include "program/ui/info_progvers_frm.h"

#include "program/texts/startup_caption.h"
#include "program/texts/texte.h"
#include "program/ui/info_zeichensatz.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef KELTO_VERSION_MAJOR
#define KELTO_VERSION_MAJOR 0
#endif
#ifndef KELTO_VERSION_MINOR
#define KELTO_VERSION_MINOR 0
#endif
#ifndef KELTO_VERSION_REVISION
#define KELTO_VERSION_REVISION 0
#endif

namespace ui {

namespace {
const QString VersionDatum = QStringLiteral(" 10.06.2016");
const QString RechteZeile = QStringLiteral("© 2016 Kelto");
} // namespace

ProgrammVersion buildVersion() { return {KELTO_VERSION_MAJOR, KELTO_VERSION_MINOR, KELTO_VERSION_REVISION}; }

QString versionInKlammern(const ProgrammVersion& v)
{
    const QChar null = QLatin1Char('0');
    return QStringLiteral("(%1.%2.%3)").arg(v.major, 2, 10, null).arg(v.minor, 2, 10, null).arg(v.revision, 4, 10, null);
}

QString aboutText(const QString& titel, const ProgrammVersion& v)
{
    return titel + QLatin1Char('\n') + texts::VersionText + VersionDatum + QLatin1Char('\n') + RechteZeile +
           QLatin1Char('\n') + versionInKlammern(v);
}

Info_ProgVers_frm::Info_ProgVers_frm(const texts::Texte& texte, const ProgrammVersion& version, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Info_ProgVers_frm"));
    setModal(true);
    setWindowTitle(QStringLiteral("Programm-Information"));
    LA_Version = new QLabel(this);
    LA_Version->setObjectName(QStringLiteral("LA_Version"));
    LA_Version->setAlignment(Qt::AlignCenter);
    LA_Version->setMinimumWidth(260);
    KB_Okay = new QPushButton(QStringLiteral("OK"), this);
    KB_Okay->setObjectName(QStringLiteral("KB_Okay"));
    KB_Okay->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(KB_Okay);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addWidget(LA_Version);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    connect(KB_Okay, &QPushButton::clicked, this, &Info_ProgVers_frm::KB_Okay_Click);
    Form_Load(texte, version);
}

void Info_ProgVers_frm::zeigen(const texts::Texte& texte, QWidget* parent)
{
    Info_ProgVers_frm box(texte, buildVersion(), parent);
    box.exec();
}

void Info_ProgVers_frm::Form_Load(const texts::Texte& texte, const ProgrammVersion& version)
{
    const int n = texte.SprachNr;
    m_fontCharset = Zeichensatz_der_Sprache(n);
    const QString& titel = texte.Titel_Text[static_cast<std::size_t>(n >= 0 && n < 17 ? n : 1)];
    LA_Version->setText(aboutText(titel, version));
}

void Info_ProgVers_frm::KB_Okay_Click() { accept(); }

} // namespace ui
