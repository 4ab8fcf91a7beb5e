#include "program/ui/projekt_dialoge.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>

namespace ui {

namespace {

const QString Filter = QStringLiteral("*.tpj");

} // namespace

QString QtProjektDialoge::speichernUnter(const QString& titel, const QString& ordner, const QString& vorschlag)
{
    QFileDialog d(m_owner, titel, ordner, Filter);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    // No default suffix: the desktop's own dialog (a platform theme, a portal) asks about the name
    // as typed, and Qt would add the suffix only after that question, so that "Pump" came back as
    // "Pump.tpj" and an existing Pump.tpj was replaced unasked. Every name comes back as the
    // dialog confirmed it; the command completes it and asks about the file it becomes.
    d.selectFile(vorschlag);
    // The dialog asks before the file it returns is replaced (the default of a save dialog).
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().constFirst() : QString();
}

QString QtProjektDialoge::oeffnen(const QString& titel, const QString& ordner)
{
    QFileDialog d(m_owner, titel, ordner, Filter);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setDefaultSuffix(QStringLiteral("tpj"));
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().constFirst() : QString();
}

QString QtProjektDialoge::eingabe(const QString& titel, const QString& frage)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_owner, titel, frage, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

} // namespace ui
