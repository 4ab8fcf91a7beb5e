#pragma once
// The chart's own error numbers and texts. They are part of its automation interface:
// containers compare them, so their wording (spelling included) never changes.
#include <QString>

namespace vexachart::texts {

inline constexpr long ErrControl = 9999;
inline constexpr long ErrTooManyColumns = 999;
inline constexpr long ErrDateText = 12001;
inline constexpr long ErrMemberNotSupported = 438;
inline constexpr long ErrFileAccess = 75;
inline constexpr long ErrPrinter = 482;

inline const QString Cr = QStringLiteral("\r");

inline QString nonConformValues() { return QStringLiteral("Non conform values e.g. negative values in a log-plot."); }
inline QString nonConformOrDate()
{
    return QStringLiteral("Non conform values e.g. negative values in a log-plot") + Cr
        + QStringLiteral("or not a valid date/time value.");
}
inline QString notEnoughPlots()
{
    return QStringLiteral("Not enought plots initialized: more columns in array than data-source-arrays intitalized") + Cr;
}
inline QString nonValidDisplayBorders() { return QStringLiteral("Non valid display borders"); }
inline QString nonValidGlobalBorders() { return QStringLiteral("non valid GlobalBorders"); }
inline QString tooFewPoints() { return QStringLiteral("To few Points, can not fit"); }
inline QString badDateText() { return QStringLiteral("not valid date/time-format(uses 'YYYY/MM/DD/HH/NN/SS')"); }
inline QString nonValidAxis() { return QStringLiteral("non valid x/y-Axis"); }
inline QString axisModeSource() { return QStringLiteral("[Change of X/Y-Axis Lin/Log-Mode]"); }
inline QString nonValidMaxCount() { return QStringLiteral("non valid MaxCountOfPlots"); }
inline QString dateOnLogAxis() { return QStringLiteral("date/time notation on a logarithmic axis"); }
inline QString rangeNamesNoDates() { return QStringLiteral("date/time notation for a range that holds no dates"); }
inline QString fileExists() { return QStringLiteral("File already exists"); }
inline QString memberNotSupported() { return QStringLiteral("member not supported"); }
inline QString flashGrids() { return QStringLiteral("Drawing Grids: Out of Range !"); }
inline QString flashRange() { return QStringLiteral("Drawing Selected Range: Out of Range !"); }

// Source of an error raised by a member: class name and member name.
inline QString source(const char* member) { return QStringLiteral("Vexachart.") + QLatin1String(member); }

} // namespace vexachart::texts
