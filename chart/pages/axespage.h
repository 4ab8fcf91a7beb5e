#pragma once
// The "Chart Range" page: per axis the scale mode, the scaling notation and the global borders
// (two numbers, or two dates of six parts on a date/time axis), and the seven date-time format
// patterns with a live example each. Apply checks every value before it writes anything and
// reports any failure with one fixed message.
#include "chart/pages/propertypage.h"
#include <QDateTime>
#include <QLocale>
#include <array>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace vexachart {

class ProPage_AXGrph_P6 : public PropertyPage {
    Q_OBJECT
public:
    explicit ProPage_AXGrph_P6(PageServices services, QWidget* parent = nullptr);

    static QString invalidChangesTitle();
    static QString invalidChangesText();

    // The controls of one axis tab (0 X, 1 Y).
    struct Axis {
        QRadioButton* lin = nullptr;
        QRadioButton* log = nullptr;
        std::array<QRadioButton*, 3> notation{};
        QButtonGroup* notationGroup = nullptr;
        QGroupBox* limits = nullptr;
        QLineEdit* min = nullptr;
        QLineEdit* max = nullptr;
        std::array<QGroupBox*, 2> dateBorder{};
        std::array<QLineEdit*, 6> lowerBorder{};
        std::array<QLineEdit*, 6> upperBorder{};
    };
    Axis& axis(int index) { return m_axes.at(static_cast<size_t>(index)); }

    QTabWidget* SSTab1 = nullptr;
    std::array<QLineEdit*, 7> txtTimeFormat{};
    std::array<QLineEdit*, 7> txtFormatExample{};

    // The clock of the examples and the locale of the border numbers (tests fix both).
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    void setLocale(const QLocale& locale) { m_locale = locale; }

    // Which notation option of the axis is selected (-1 none).
    int selectedNotation(int axisIndex) const;

    void OptScaleNotation_Click(int axisIndex, int Index);
    void txtTimeFormat_Change(int Index);

protected:
    void load(ControlAccess& control) override;
    void apply(ControlAccess& control) override;
    bool handlesApplyErrors() const override { return true; }
    bool applySucceeded() const override { return m_applyOk; }

private:
    QWidget* buildAxisTab(int axisIndex);
    QWidget* buildFormatsTab();
    // Formats now with the pattern; false when the pattern cannot be used.
    bool refreshExample(int index);
    void showInvalidChanges();

    std::array<Axis, 2> m_axes;
    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTime(); };
    QLocale m_locale;
    bool m_applyOk = true;
};

} // namespace vexachart
