#pragma once
// The spare-part order numbers as constant texts, one record per size (generated, see zubehoer_daten.cpp).
namespace catalogue::zubehoer_daten {

// Typ, BestellNr, Kuehlelement, Fuss, ZusatzNr, Haube, Luefter 0/1, Motor 0/1, Schutzgitter 0/1.
using Satz = const char8_t* const[12];

extern const Satz ZubehoerTab_DC12_US[8];
extern const Satz ZubehoerTab_DC24_US[8];
extern const Satz ZubehoerTab_AC_Optim_US[15];
extern const Satz ZubehoerTab_AC_Optim_LowNoise_US[15];
extern const Satz ZubehoerTab_AC_Rough_US[15];
extern const Satz ZubehoerTab_AC_Rough_LowNoise_US[15];
extern const Satz ZubehoerTab_Hydro_Optim_US[15];
extern const Satz ZubehoerTab_Hydro_Rough_US[15];
extern const Satz ZubehoerTab_DC12_EU[8];
extern const Satz ZubehoerTab_DC24_EU[8];
extern const Satz ZubehoerTab_AC_Optim_EU[12];
extern const Satz ZubehoerTab_AC_Optim_LowNoise_EU[12];
extern const Satz ZubehoerTab_AC_Rough_EU[12];
extern const Satz ZubehoerTab_AC_Rough_LowNoise_EU[12];
extern const Satz ZubehoerTab_Hydro_Optim_EU[12];
extern const Satz ZubehoerTab_Hydro_Rough_EU[12];

} // namespace catalogue::zubehoer_daten
