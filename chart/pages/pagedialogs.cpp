#include "chart/pages/pagedialogs.h"
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

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
    // The dialog selects a style by its name: without one it may pick another style of the family
    // (for a font whose regular style is "Book" it picks "Oblique"). The style the preset is drawn
    // with is named for it.
    QFont named = preset;
    const QString style = QFontInfo(preset).styleName();
    if (!style.isEmpty() && QFontDatabase::styles(preset.family()).contains(style))
        named.setStyleName(style);
    QFontDialog dialog(parent);
    dialog.setCurrentFont(named);
    // What the dialog shows for the preset: sizes in whole points, the family it found. Whatever
    // is still as shown when the developer presses OK keeps the preset's own value.
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QFont chosen = dialog.selectedFont();
    chosen.setStyleName(QString());
    if (chosen.family() == shown.family())
        chosen.setFamily(preset.family());
    if (chosen.pointSizeF() == shown.pointSizeF() && preset.pointSizeF() > 0)
        chosen.setPointSizeF(preset.pointSizeF());
    if (chosen.weight() == shown.weight())
        chosen.setWeight(preset.weight());
    if (chosen.italic() == shown.italic())
        chosen.setItalic(preset.italic());
    if (chosen.underline() == shown.underline())
        chosen.setUnderline(preset.underline());
    if (chosen.strikeOut() == shown.strikeOut())
        chosen.setStrikeOut(preset.strikeOut());
    return chosen;
}

} // namespace vexachart
