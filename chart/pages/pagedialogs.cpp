#include "chart/pages/pagedialogs.h"
#include <QColorDialog>
#include <QFontDialog>

namespace vexachart {

std::optional<QColor> QtPageDialogs::chooseColour(const QColor& preset, QWidget* parent)
{
    const QColor c = QColorDialog::getColor(preset, parent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QFont> QtPageDialogs::chooseFont(const QFont& preset, QWidget* parent)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, preset, parent);
    if (!ok)
        return std::nullopt;
    return f;
}

} // namespace vexachart
