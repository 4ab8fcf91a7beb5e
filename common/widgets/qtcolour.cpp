#include "common/widgets/qtcolour.h"


namespace common {

QColor toQColor(ColourValue value, const QPalette& palette)
{
    if (!isSystemColour(value))
        return QColor(redOf(value), greenOf(value), blueOf(value));
    switch (value) {
    case syscolour::ActiveTitle:
    case syscolour::Highlight: return palette.color(QPalette::Highlight);
    case syscolour::HighlightText: return palette.color(QPalette::HighlightedText);
    case syscolour::WindowBackground: return palette.color(QPalette::Base);
    case syscolour::WindowText: return palette.color(QPalette::WindowText);
    case syscolour::ButtonFace: return palette.color(QPalette::Button);
    case syscolour::ButtonShadow: return palette.color(QPalette::Dark);
    case syscolour::GrayText: return palette.color(QPalette::Disabled, QPalette::Text);
    case syscolour::ButtonText: return palette.color(QPalette::ButtonText);
    case syscolour::ButtonHighlight: return palette.color(QPalette::Light);
    case syscolour::InfoText: return palette.color(QPalette::ToolTipText);
    case syscolour::InfoBackground: return palette.color(QPalette::ToolTipBase);
    default: return palette.color(QPalette::Window);
    }
}

ColourValue fromQColor(const QColor& colour)
{
    return rgbColour(colour.red(), colour.green(), colour.blue());
}

} // namespace common
