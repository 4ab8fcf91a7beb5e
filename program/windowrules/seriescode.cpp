#include "program/windowrules/seriescode.h"

namespace ui {

SerienCode serienCode(const AntriebsWahl& w)
{
    using namespace catalogue;
    switch (w.antrieb) {
    case Antrieb::DC:
        if (w.ersteVariante)
            return {DC_12V, 101};
        if (w.zweiteVariante)
            return {DC_24V, 101};
        return {Keine, 101};
    case Antrieb::AC:
        if (w.ersteVariante)
            return {w.lowNoise ? AC_Optim_LowNoise : AC_Optim, 102};
        if (w.zweiteVariante)
            return {w.lowNoise ? AC_Rough_LowNoise : AC_Rough, 103};
        return {Keine, 0};
    case Antrieb::Hydraulik:
        if (w.ersteVariante)
            return {Hydro_Optim, 104};
        if (w.zweiteVariante)
            return {Hydro_Rough, 105};
        return {Keine, 0};
    case Antrieb::Keiner:
        break;
    }
    return {Keine, 0};
}

} // namespace ui
