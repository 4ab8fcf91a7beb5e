#pragma once
// Range rule of the display-unit setters: a selector outside 0..max falls back.

namespace ui {

enum class Groesse { Temperatur, Durchfluss, Leistung, Druck };

struct EinheitBereich {
    int max;
    int fallback;
};

constexpr EinheitBereich einheitBereich(Groesse g)
{
    switch (g) {
    case Groesse::Temperatur: return {2, 0};
    case Groesse::Durchfluss: return {5, 2};
    case Groesse::Leistung: return {3, 0};
    case Groesse::Druck: return {5, 1};
    }
    return {0, 0};
}

// The accepted selector for a wanted one; negative values fall back like too large ones.
constexpr int gueltigeEinheit(Groesse g, int wanted)
{
    const EinheitBereich b = einheitBereich(g);
    return (wanted < 0 || wanted > b.max) ? b.fallback : wanted;
}

} // namespace ui
