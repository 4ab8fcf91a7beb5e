#pragma once
// Output services for tests: scripted dialogs, a recording clipboard, printing to a PDF file.
#include "chart/control/chartservices.h"
#include <QPrinter>
#include <QStringList>

namespace vexachart::testing {

class FakeServices : public ChartServices {
public:
    std::optional<QString> chosenFile; // empty: the dialog is cancelled
    QString pdfPath;                   // printing goes to this PDF; empty: no printer
    bool dialogAccepts = true;
    QImage clipboardImage;
    QString clipboardText;
    QStringList errors;
    QStringList dialogTitles;
    QDateTime fixedNow = QDateTime(QDate(2024, 5, 17), QTime(9, 5));

    std::optional<QString> saveFileName(const QString& title, const QString&, const QString&) override
    {
        dialogTitles << title;
        return chosenFile;
    }
    bool printDialog(QPrinter& printer) override
    {
        dialogTitles << QStringLiteral("print");
        return dialogAccepts && defaultPrinter(printer);
    }
    bool defaultPrinter(QPrinter& printer) override
    {
        if (pdfPath.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return true;
    }
    bool setClipboardImage(const QImage& image) override
    {
        clipboardImage = image;
        return true;
    }
    bool setClipboardText(const QString& text) override
    {
        clipboardText = text;
        return true;
    }
    void showError(const QString& text) override { errors << text; }
    QDateTime now() const override { return fixedNow; }
};

} // namespace vexachart::testing
