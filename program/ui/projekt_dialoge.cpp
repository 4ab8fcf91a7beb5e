#include "program/ui/projekt_dialoge.h"

#include "program/project/projekt_befehle.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>

namespace ui {

namespace {

const QString Filter = QStringLiteral("*.tpj");

// The save dialog names the file the project is written to before it asks about replacing one:
// Qt appends its default suffix only to a name without a dot, so "Pump 3.5 kW" would be checked
// while "Pump 3.5 kW.tpj" is written.
class SpeichernDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

protected:
    void accept() override
    {
        // The typed name, as the dialog reads it when it accepts (a folder typed or chosen is
        // opened by the dialog, not saved to).
        auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QStringList gewaehlt = selectedFiles();
        if (name != nullptr && !name->text().isEmpty() && !gewaehlt.isEmpty()
            && !QFileInfo(gewaehlt.constFirst()).isDir())
            name->setText(project::Projekt_DateiAusAntwort(name->text()));
        QFileDialog::accept();
    }
};

} // namespace

QString QtProjektDialoge::speichernUnter(const QString& titel, const QString& ordner, const QString& vorschlag)
{
    SpeichernDialog d(m_owner, titel, ordner, Filter);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(QStringLiteral("tpj"));
    d.selectFile(vorschlag);
    // Qt asks before an existing file is replaced (the default of a save dialog).
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
