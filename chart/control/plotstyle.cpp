#include "chart/control/plotstyle.h"
#include "common/checked.h"
#include "common/error.h"
#include "common/numread.h"
#include <QLocale>

namespace vexachart {

QString fixedLabel(const QString& text)
{
    QString s = text;
    if (s.size() > LabelLength) {
        int cut = LabelLength;
        if (s.at(cut - 1).isHighSurrogate())
            --cut;
        s.truncate(cut);
    }
    return s.leftJustified(LabelLength, QLatin1Char(' '));
}

QString PlotAspectToString(const PlotStyle& style)
{
    QString label = style.Label.trimmed();
    // A separator inside the label would shift every later field on reading it back.
    label.replace(AspectSeparator, QLatin1Char('|'));
    const QChar sep = AspectSeparator;
    return label + sep + QString::number(style.RColor) + sep + QString::number(style.GColor) + sep
        + QString::number(style.BColor) + sep + QString::number(style.LineWidth) + sep
        + QString::number(style.Marker) + sep + QString::number(style.MarkerSize) + sep
        + (style.Visible ? QStringLiteral("True") : QStringLiteral("False"));
}

namespace {
bool readBoolean(const QString& field)
{
    const QString t = field.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    const auto number = common::tryReadNumber(t, QLocale());
    if (!number)
        common::raise(common::errc::TypeMismatch);
    return *number != 0.0;
}
}

PlotStyle StringToPlotAspect(const QString& text)
{
    PlotStyle r;
    r.Label = fixedLabel(QString());
    const QStringList fields = text.split(AspectSeparator);
    for (int f = 0; f < fields.size() && f < 8; ++f) {
        const QString& field = fields[f];
        switch (f) {
        case 0: r.Label = fixedLabel(field); break;
        case 1: r.RColor = common::toInt16(common::readVal(field)); break;
        case 2: r.GColor = common::toInt16(common::readVal(field)); break;
        case 3: r.BColor = common::toInt16(common::readVal(field)); break;
        case 4: r.LineWidth = common::toInt16(common::readVal(field)); break;
        case 5: r.Marker = common::toInt16(common::readVal(field)); break;
        case 6: r.MarkerSize = common::toInt16(common::readVal(field)); break;
        case 7: r.Visible = readBoolean(field); break;
        }
    }
    return r;
}

} // namespace vexachart
