#pragma once
// Output services answered by the test: a scripted save-file answer, printer dialog and default
// printer that either refuse or print to a PDF file, a recording clipboard and error display.
#include "chart/control/chartservices.h"
#include <QPrinter>
#include <optional>
#include <vector>

struct FakeChartServices : vexachart::ChartServices {
    std::optional<QString> saveAnswer; // nothing: Cancel
    struct SaveRequest {
        QString title, filter, suffix;
    };
    std::vector<SaveRequest> saveRequests;
    std::optional<QString> dialogPdf;  // printer dialog: nothing is Cancel
    std::optional<QString> defaultPdf; // default printer: nothing is "no printer"
    int printerDialogs = 0;
    bool clipboardWorks = true;
    std::vector<QImage> clipboardImages;
    std::vector<QString> clipboardTexts;
    std::vector<QString> errors;
    int pumps = 0;
    QDateTime fixedNow{QDate(2026, 12, 10), QTime(9, 5)};

    void pumpMessages() override { ++pumps; }
    std::optional<QString> saveFileName(const QString& title, const QString& filter, const QString& suffix) override
    {
        saveRequests.push_back({title, filter, suffix});
        return saveAnswer;
    }
    bool printDialog(QPrinter& printer) override
    {
        ++printerDialogs;
        return toPdf(printer, dialogPdf);
    }
    bool defaultPrinter(QPrinter& printer) override { return toPdf(printer, defaultPdf); }
    bool setClipboardImage(const QImage& image) override
    {
        if (clipboardWorks)
            clipboardImages.push_back(image);
        return clipboardWorks;
    }
    bool setClipboardText(const QString& text) override
    {
        if (clipboardWorks)
            clipboardTexts.push_back(text);
        return clipboardWorks;
    }
    void showError(const QString& text) override { errors.push_back(text); }
    QDateTime now() const override { return fixedNow; }

private:
    static bool toPdf(QPrinter& printer, const std::optional<QString>& path)
    {
        if (!path)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*path);
        return true;
    }
};
