#include "program/ui/info2_frm.h"

#include "program/ui/info_zeichensatz.h"

#include <QCoreApplication>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

namespace ui {

Info2_frm::Info2_frm(int sprachNr, QWidget* parent) : QDialog(parent), m_sprachNr(sprachNr)
{
    setObjectName(QStringLiteral("Info2_frm"));
    setModal(false);
    setWindowTitle(QStringLiteral("Info"));
    LA_InfoTxt = new QLabel(this);
    LA_InfoTxt->setObjectName(QStringLiteral("LA_InfoTxt"));
    LA_InfoTxt->setAlignment(Qt::AlignCenter);
    LA_InfoTxt->setWordWrap(true);
    LA_InfoTxt->setMinimumWidth(280);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(LA_InfoTxt);
    m_fontCharset = Zeichensatz_der_Sprache(m_sprachNr); // on loading
}

void Info2_frm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_fontCharset = Zeichensatz_der_Sprache(m_sprachNr); // and on each activation
}

void Info2_frm::zeigen(const QString& text)
{
    LA_InfoTxt->setText(text);
    adjustSize();
    show();
    raise();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Info2Halter::zeigen(int sprachNr, const QString& text, QWidget* parent)
{
    if (!m_fenster) {
        m_fenster = new Info2_frm(sprachNr, parent);
        m_fenster->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_fenster->zeigen(text);
}

void Info2Halter::entladen()
{
    if (m_fenster)
        m_fenster->close();
    m_fenster = nullptr;
}

} // namespace ui
