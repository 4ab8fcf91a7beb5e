#pragma once
// Text measurement in twips, injected so that layout and tick density are testable by value.
#include "chart/control/vexachart_export.h"
#include <QFont>
#include <QHash>
#include <QString>

namespace vexachart {

// A short key of everything that sets a font's size and shapes (QFont's own hash leaves out the size).
inline QString fontKey(const QFont& font)
{
    return font.family() + QChar(0x1F) + QString::number(font.pointSizeF()) + QChar(0x1F)
        + QString::number(font.pixelSize()) + QChar(0x1F) + QString::number(font.weight()) + QChar(0x1F)
        + QString::number(int(font.style())) + QChar(0x1F) + QString::number(font.stretch()) + QChar(0x1F)
        + QString::number(qHash(font));
}

class VEXACHART_EXPORT TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual double width(const QFont& font, const QString& text) const = 0;
    virtual double height(const QFont& font, const QString& text) const = 0;
};

// Measures with the font's real metrics at the given resolution (logical dots per inch).
class VEXACHART_EXPORT FontTextMetrics : public TextMetrics {
public:
    explicit FontTextMetrics(double dpi = 96.0) : m_dpi(dpi) {}
    double width(const QFont& font, const QString& text) const override;
    double height(const QFont& font, const QString& text) const override;
    double dpi() const { return m_dpi; }

private:
    double m_dpi;
    // Widths already measured: a redraw measures the same titles and labels again.
    mutable QHash<QString, double> m_widths;
};

// Fixed sizes for tests: every character `charWidth` twips wide, every text `lineHeight` high,
// both scaled by the font's point size relative to `basePointSize`.
class FixedTextMetrics : public TextMetrics {
public:
    FixedTextMetrics(double charWidth = 100.0, double lineHeight = 200.0, double basePointSize = 0.0)
        : m_charWidth(charWidth), m_lineHeight(lineHeight), m_base(basePointSize) {}
    double width(const QFont& font, const QString& text) const override
    {
        return m_charWidth * scale(font) * static_cast<double>(text.size());
    }
    double height(const QFont& font, const QString&) const override { return m_lineHeight * scale(font); }

private:
    double scale(const QFont& font) const { return m_base > 0 ? font.pointSizeF() / m_base : 1.0; }
    double m_charWidth;
    double m_lineHeight;
    double m_base;
};

} // namespace vexachart
