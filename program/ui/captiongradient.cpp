#include "program/ui/captiongradient.h"

#include "common/widgets/qtcolour.h"

#include <QFontDatabase>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

common::ColourValue rgb(common::ColourValue c, const QPalette& palette)
{
    return common::fromQColor(common::toQColor(c, palette));
}

} // namespace

CaptionFarben Get_CaptionColors(const Kelto_VX_Menu::GradTitel& farben, bool aktiv, const QPalette& palette)
{
    if (farben.GradTitel_aktiv) {
        return aktiv ? CaptionFarben{rgb(farben.GradTitel_Aktiv1, palette), rgb(farben.GradTitel_Aktiv2, palette)}
                     : CaptionFarben{rgb(farben.GradTitel_Inaktiv1, palette), rgb(farben.GradTitel_Inaktiv2, palette)};
    }
    const QPalette::ColorGroup group = aktiv ? QPalette::Active : QPalette::Inactive;
    return {0, common::fromQColor(palette.color(group, QPalette::Highlight))};
}

std::vector<common::ColourValue> Get_GradientColor(int n, common::ColourValue start, common::ColourValue ende)
{
    if (n < 1)
        return {ende & 0xFFFFFFu};
    const double s[3] = {double(common::redOf(start)), double(common::greenOf(start)), double(common::blueOf(start))};
    const double e[3] = {double(common::redOf(ende)), double(common::greenOf(ende)), double(common::blueOf(ende))};
    double kanal[3] = {s[0], s[1], s[2]};
    std::vector<common::ColourValue> farben;
    farben.reserve(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        int wert[3];
        for (int c = 0; c < 3; ++c) {
            kanal[c] += (e[c] - s[c]) / n;
            // nearbyint rounds a half to the even neighbour under the default rounding mode.
            wert[c] = static_cast<int>(std::nearbyint(std::clamp(kanal[c], 0.0, 255.0)));
        }
        farben.push_back(common::rgbColour(wert[0], wert[1], wert[2]));
    }
    return farben;
}

QFont Get_CaptionFont()
{
    return QFontDatabase::systemFont(QFontDatabase::TitleFont);
}

void Hook_WindowHeader(QWidget*) {}

void Unhook_WindowHeader(QWidget*) {}

qint16 Get_LoWord(qint32 value)
{
    return static_cast<qint16>(static_cast<quint16>(static_cast<quint32>(value) & 0xFFFFu));
}

} // namespace ui
