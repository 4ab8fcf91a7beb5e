#include "chart/control/exportdialogs.h"
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace vexachart {

std::optional<QString> QtChartDialogs::saveFileName(const SaveDialogRequest& request)
{
    QFileDialog dialog(m_parent, request.title, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtChartDialogs::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_parent);
    // One page is printed: no page range. Printing to a PDF file stays allowed, since many
    // desktops have no printer at all.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace vexachart
