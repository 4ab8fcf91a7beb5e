#pragma once
// The series code and banner from the drive options of the main window.
#include "program/catalogue/ktabsatz.h"

namespace ui {

enum class Antrieb { Keiner, DC, AC, Hydraulik };

struct AntriebsWahl {
    Antrieb antrieb = Antrieb::Keiner;
    bool ersteVariante = false;  // OBox_12V, OBox_AC_Optim, OBox_HC_Optim
    bool zweiteVariante = false; // OBox_24V, OBox_AC_Rough, OBox_HC_Rough
    bool lowNoise = false;       // CBox_AC_LowNoise, AC only
};

struct SerienCode {
    catalogue::Baureihe Kuehler_Baureihe = catalogue::Keine;
    int banner = 0; // 101 to 105, 0 = banner hidden
};

// The first matching line wins: DC with no voltage still shows the DC banner, an AC or hydraulic
// drive without a variant shows none.
SerienCode serienCode(const AntriebsWahl& wahl);

} // namespace ui
