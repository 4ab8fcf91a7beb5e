#pragma once
// Small performance tables for the engine's tests, built from KTabSatz records.
#include "program/catalogue/ktabsatz.h"
#include <QString>
#include <initializer_list>

namespace ratingtest {

// A size whose specific capacity is c0 kW/K at every flow (P = c0 · 1000 · dT), with a pressure
// law e^a · Q^b in one range.
inline catalogue::KTabSatz flacheGroesse(double c0, const QString& typ, double a = 1.0, double b = 1.0)
{
    catalogue::KTabSatz s;
    s.Koeff_1 = {c0, 0, 0, 0, 0, 0, 0};
    s.Q_Umschalt = 10000;
    s.TypBez = typ;
    s.Geraeusch = QStringLiteral("70");
    s.DP_Ln_1 = a;
    s.DP_Exp_1 = b;
    s.Q_Umschalt_DP = 10000;
    s.Q_min = 1;
    s.Q_max = 200;
    return s;
}

// The not-available record of a hydraulic size at a speed step it does not permit.
inline catalogue::KTabSatz nichtVerfuegbar()
{
    catalogue::KTabSatz s;
    s.Q_Umschalt = 10000;
    s.Q_Umschalt_DP = 10000;
    s.Q_max = 1;
    return s;
}

// A table whose oil column holds the given sizes and whose water-glycol column stays empty,
// as in the catalogue; `reserve` empty rows follow (the declared spare row).
inline catalogue::KTabelle tabelle(std::initializer_list<catalogue::KTabSatz> groessen, int reserve = 1)
{
    catalogue::KTabelle t;
    for (const auto& g : groessen)
        t.push_back({g, catalogue::KTabSatz{}});
    for (int i = 0; i < reserve; ++i)
        t.push_back({catalogue::KTabSatz{}, catalogue::KTabSatz{}});
    return t;
}

// Oil row 0 of the metric DC table as the catalogue gives it.
inline catalogue::KTabSatz dcEuZeile0()
{
    catalogue::KTabSatz s;
    s.Koeff_1 = {0.026, 0.0205, 0, 0, 0, 0, 0};
    s.Q_Umschalt = 25;
    s.Koeff_2 = {0.03614, 0.02349, -0.001904, 0, 0, 0, 0};
    s.TypBez = QStringLiteral("DC08");
    s.DP_Exp_1 = 1.0337;
    s.DP_Ln_1 = 2.5858;
    s.Q_Umschalt_DP = 125;
    s.DP_Exp_2 = 1.2163;
    s.DP_Ln_2 = 1.7192;
    s.Q_min = 1;
    s.Q_max = 200;
    return s;
}

} // namespace ratingtest
