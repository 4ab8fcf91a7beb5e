#pragma once
// Dialogs answered by the test: a scripted save-file answer, and a printer dialog that either
// cancels or sends the page to a PDF file.
#include "chart/control/exportdialogs.h"
#include <QPrinter>
#include <optional>
#include <vector>

struct FakeChartDialogs : vexachart::ChartDialogs {
    std::optional<QString> saveAnswer; // nothing: Cancel
    std::vector<vexachart::SaveDialogRequest> saveRequests;
    std::optional<QString> printToPdf; // nothing: Cancel
    int printerDialogs = 0;

    std::optional<QString> saveFileName(const vexachart::SaveDialogRequest& r) override
    {
        saveRequests.push_back(r);
        return saveAnswer;
    }
    bool choosePrinter(QPrinter& printer) override
    {
        ++printerDialogs;
        if (!printToPdf)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*printToPdf);
        return true;
    }
};
