#pragma once
// The installation dimensions as constant texts, one row per size (generated, see einbau_daten.cpp).
namespace catalogue::einbau_daten {

using Zeile = const char8_t* const[19];

extern const Zeile EinbauTab_DC_US[8];
extern const Zeile EinbauTab_AC_Optim_US[15];
extern const Zeile EinbauTab_AC_Rough_US[15];
extern const Zeile EinbauTab_Hydro_Optim_US[15];
extern const Zeile EinbauTab_Hydro_Rough_US[15];
extern const Zeile EinbauTab_DC_EU[8];
extern const Zeile EinbauTab_AC_Optim_EU[12];
extern const Zeile EinbauTab_AC_Rough_EU[12];
extern const Zeile EinbauTab_Hydro_Optim_EU[12];
extern const Zeile EinbauTab_Hydro_Rough_EU[12];

} // namespace catalogue::einbau_daten
