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
    // Added to a name without any dot, before the dialog asks about replacing the file; a dotted
    // name ("Pump 3.5 kW") comes back as typed and the command completes and asks itself.
    d.setDefaultSuffix(QStringLiteral("tpj"));
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
