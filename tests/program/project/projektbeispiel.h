#pragma once
// A small project record whose flow tells one save from another.
#include "program/project/projektdatei.h"

inline project::ProjektSatz projektBeispiel(double durchfluss)
{
    project::ProjektSatz s;
    s.Durchfluss = durchfluss;
    s.T_in = 60;
    s.T_Umgebung = 30;
    s.KLeistung = 3000;
    s.Optionen[0].Flag = 1;
    s.Knoepfe[project::OBox_DCD] = s.Knoepfe[project::OBox_12V] = true;
    return s;
}
