#pragma once
// The file and print dialogs of the chart's output commands, behind an interface so that tests
// answer them. Cancel is an empty answer; the callers then end silently.
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace vexachart {

// Error numbers of the output commands besides the shared ones.
namespace outputerr {
inline constexpr long PathFileAccess = 75;
inline constexpr long Printer = 482;
}

struct SaveDialogRequest {
    QString title;
    QString filter;        // as QFileDialog takes it: "Text (*.txt)"
    QString defaultSuffix; // without the dot
};

class ChartDialogs {
public:
    virtual ~ChartDialogs() = default;
    // The chosen path, or nothing on Cancel. The dialog asks before an existing file is replaced.
    virtual std::optional<QString> saveFileName(const SaveDialogRequest& request) = 0;
    // Lets the user choose and set up the printer; false on Cancel.
    virtual bool choosePrinter(QPrinter& printer) = 0;
};

// QFileDialog and QPrintDialog.
class QtChartDialogs : public ChartDialogs {
public:
    explicit QtChartDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    std::optional<QString> saveFileName(const SaveDialogRequest& request) override;
    bool choosePrinter(QPrinter& printer) override;

private:
    QWidget* m_parent;
};

} // namespace vexachart
