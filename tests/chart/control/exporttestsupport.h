#pragma once
// Test helpers of the output commands: dialogs answered by the test (a scripted save-file answer,
// a printer dialog that either cancels or sends the page to a PDF file) and the error a call raises.
#include "chart/control/exportdialogs.h"
#include "common/error.h"
#include <functional>
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

// The error that `run` raises; number 0 when it raises none.
inline common::Error errorOf(const std::function<void()>& run)
{
    try {
        run();
    } catch (const common::Error& e) {
        return e;
    }
    return common::Error(0, "none", "no error raised");
}
