#include "chart/control/textmetrics.h"
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <vector>

namespace vexachart {

namespace {
// Metrics of a font as drawn on an image of the given resolution (no screen needed); the last
// few fonts are kept, as a redraw measures in the same four fonts again and again.
const QFontMetricsF& metricsAt(const QFont& font, double dpi)
{
    struct Entry {
        QFont font;
        double dpi;
        QFontMetricsF metrics;
    };
    thread_local std::vector<Entry> cache;
    for (const Entry& e : cache)
        if (e.dpi == dpi && e.font == font)
            return e.metrics;
    QImage probe(1, 1, QImage::Format_RGB32);
    const int dpm = static_cast<int>(dpi / 0.0254 + 0.5);
    probe.setDotsPerMeterX(dpm);
    probe.setDotsPerMeterY(dpm);
    if (cache.size() >= 8)
        cache.erase(cache.begin());
    cache.push_back(Entry{font, dpi, QFontMetricsF(font, &probe)});
    return cache.back().metrics;
}

}

// The key of a font, made once for each of the few fonts a chart measures in.
static const QString& keptFontKey(const QFont& font)
{
    struct Entry {
        QFont font;
        QString key;
    };
    thread_local std::vector<Entry> kept;
    for (const Entry& e : kept)
        if (e.font == font)
            return e.key;
    if (kept.size() >= 8)
        kept.erase(kept.begin());
    kept.push_back(Entry{font, fontKey(font) + QChar(0x1F)});
    return kept.back().key;
}

double FontTextMetrics::width(const QFont& font, const QString& text) const
{
    const QString key = keptFontKey(font) + text;
    const auto it = m_widths.constFind(key);
    if (it != m_widths.constEnd())
        return it.value();
    if (m_widths.size() > 1000)
        m_widths.clear();
    const double w = metricsAt(font, m_dpi).horizontalAdvance(text) * 1440.0 / m_dpi;
    m_widths.insert(key, w);
    return w;
}

double FontTextMetrics::height(const QFont& font, const QString&) const
{
    return metricsAt(font, m_dpi).height() * 1440.0 / m_dpi;
}

} // namespace vexachart
