#include "chart/control/textmetrics.h"
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

namespace vexachart {

namespace {
// Metrics of a font as drawn on an image of the given resolution (no screen needed).
QFontMetricsF metricsAt(const QFont& font, double dpi)
{
    static QImage probe(1, 1, QImage::Format_RGB32);
    const int dpm = static_cast<int>(dpi / 0.0254 + 0.5);
    if (probe.dotsPerMeterX() != dpm) {
        probe.setDotsPerMeterX(dpm);
        probe.setDotsPerMeterY(dpm);
    }
    return QFontMetricsF(font, &probe);
}
}

double FontTextMetrics::width(const QFont& font, const QString& text) const
{
    return metricsAt(font, m_dpi).horizontalAdvance(text) * 1440.0 / m_dpi;
}

double FontTextMetrics::height(const QFont& font, const QString&) const
{
    return metricsAt(font, m_dpi).height() * 1440.0 / m_dpi;
}

} // namespace vexachart
