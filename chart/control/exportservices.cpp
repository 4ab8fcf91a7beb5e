#include "chart/control/exportservices.h"
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace vexachart {

void QtChartServices::beep()
{
    QApplication::beep();
}

std::optional<QString> QtChartServices::saveFileName(const QString& title, const QString& filter, const QString& suffix)
{
    QFileDialog dialog(m_parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtChartServices::printDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_parent);
    // One page is printed: no page range. Printing to a PDF file stays allowed, since many
    // desktops have no printer at all.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

bool QtChartServices::defaultPrinter(QPrinter& printer)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    printer.setPrinterName(info.printerName());
    return printer.isValid();
}

bool QtChartServices::setClipboardImage(const QImage& image)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || image.isNull())
        return false;
    clipboard->setImage(image);
    return true;
}

bool QtChartServices::setClipboardText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text);
    return true;
}

void QtChartServices::showError(const QString& text)
{
    QMessageBox::critical(m_parent, QStringLiteral("Vexachart"), text);
}

} // namespace vexachart
