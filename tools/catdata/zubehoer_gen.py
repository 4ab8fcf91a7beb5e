#!/usr/bin/env python3
"""Generates program/catalogue/zubehoer_daten.cpp: the spare-part order numbers of every cooler size.

Order numbers are dddd.ddd.dddd. The first group names the part kind (21xx cooler element, 10xx unit,
32xx stand, 33xx shroud, 34xx fan, 35xx motor or blower, 36xx guard, 37xx additional part), the
middle group region and drive, the last group the size or the group of sizes a part serves.
Metric values carry one trailing blank (stands two); US values none.

Usage: zubehoer_gen.py [output folder]   (default: program/catalogue)
"""
import os
import sys
from cpp_out import DEFAULT_OUT, lit, header

# Size numbers of the type codes, row by row; they are the numbers in the performance tables' codes.
SIZE_NR = {
    ("DC", "EU"): [12, 16, 21, 26, 31, 36, 42, 48],
    ("DC", "US"): [110, 114, 118, 123, 128, 133, 140, 146],
    ("AC", "EU"): [14, 18, 22, 25, 30, 35, 40, 45, 55, 65, 80, 95],
    ("AC", "US"): [108, 111, 114, 117, 121, 125, 129, 134, 140, 146, 153, 160, 168, 177, 186],
    ("HY", "EU"): [15, 19, 23, 27, 32, 37, 42, 47, 57, 67, 82, 97],
    ("HY", "US"): [205, 208, 212, 215, 219, 223, 228, 233, 239, 245, 252, 259, 267, 276, 286],
}
DRIVE = {"DC": 1, "AC": 2, "HY": 3}
REGION = {"EU": 1, "US": 2}

# (table, drive, region, rough, low noise, voltage, US letters, metric letters)
TABLES = [
    ("ZubehoerTab_DC12_US", "DC", "US", False, False, 12, "DLA", None),
    ("ZubehoerTab_DC24_US", "DC", "US", False, False, 24, "DLB", None),
    ("ZubehoerTab_AC_Optim_US", "AC", "US", False, False, 0, "AKO", None),
    ("ZubehoerTab_AC_Optim_LowNoise_US", "AC", "US", False, True, 0, "AKL", None),
    ("ZubehoerTab_AC_Rough_US", "AC", "US", True, False, 0, "AKR", None),
    ("ZubehoerTab_AC_Rough_LowNoise_US", "AC", "US", True, True, 0, "AKN", None),
    ("ZubehoerTab_Hydro_Optim_US", "HY", "US", False, False, 0, "HKO", None),
    ("ZubehoerTab_Hydro_Rough_US", "HY", "US", True, False, 0, "HKR", None),
    ("ZubehoerTab_DC12_EU", "DC", "EU", False, False, 12, None, "D"),
    ("ZubehoerTab_DC24_EU", "DC", "EU", False, False, 24, None, "D"),
    ("ZubehoerTab_AC_Optim_EU", "AC", "EU", False, False, 0, None, "A"),
    ("ZubehoerTab_AC_Optim_LowNoise_EU", "AC", "EU", False, True, 0, None, "AL"),
    ("ZubehoerTab_AC_Rough_EU", "AC", "EU", True, False, 0, None, "AR"),
    ("ZubehoerTab_AC_Rough_LowNoise_EU", "AC", "EU", True, True, 0, None, "ARL"),
    ("ZubehoerTab_Hydro_Optim_EU", "HY", "EU", False, False, 0, None, "H"),
    ("ZubehoerTab_Hydro_Rough_EU", "HY", "EU", True, False, 0, None, "HR"),
]

FIELDS = ["Typ", "BestellNr", "Kuehlelement", "Fuss", "ZusatzNr", "Haube",
          "Luefter0", "Luefter1", "Motor0", "Motor1", "Schutzgitter0", "Schutzgitter1"]


def nr(a, b, c):
    return "%04d.%03d.%04d" % (a, b, c)


def record(drive, region, rough, low, volt, us_letters, eu_letters, i):
    us = region == "US"
    n = SIZE_NR[(drive, region)][i]
    dv, rg = DRIVE[drive], REGION[region]
    mid = 100 * rg + 10 * dv          # e.g. 120 = metric AC
    suffix = "" if us else " "
    r = dict.fromkeys(FIELDS, "")
    r["Typ"] = ("%s%02d" % (us_letters, n)) if us else (
        "%s%d-%d " % (eu_letters, n, volt) if drive == "DC" else "%s%d  " % (eu_letters, n))
    if not us:
        variant = volt if drive == "DC" else (1 + (2 if rough else 0) + (1 if low else 0))
        r["BestellNr"] = nr(1000 + 10 * dv + rg, n, variant) + suffix
    # The element is the finned block: Optim and Rough blocks differ, low noise and both voltages share it.
    r["Kuehlelement"] = nr(2100 + (2 if rough else 1), mid, 10 * n) + suffix
    # One stand serves a group of sizes.
    group = (0 if i <= 2 else 1 if i <= 4 else 2) if drive == "DC" else i // 3
    stand = nr(3200, mid, group + 1)
    if us and drive != "DC" and i >= 13:
        stand += "/%d" % (i - 12)
    r["Fuss"] = stand + ("  " if not us else "")
    if us and drive != "DC" and i >= 11:
        r["ZusatzNr"] = nr(3700, mid, i)
    shroud = nr(3300, mid, i // 2 + 1) + suffix
    if drive == "DC":
        if i == 0:
            r["Haube"] = shroud
        elif not us:
            r["Haube"] = " " if volt == 12 else "  "
    else:
        r["Haube"] = shroud
    # Fans: one blade set per airflow direction; low-noise fans of the four largest sizes are their own.
    fan_group = i // 2 + 1 + (50 if low and i >= 8 else 0)
    fan_suck = nr(3400, mid, fan_group)
    fan_push = nr(3400, mid + 1, fan_group)
    if us and drive != "DC" and i >= 9:
        fan_push += "P"   # pushing blades of the large US sizes are pitched for a pressure side
    motor = nr(3500, mid + (5 if low else 0), i // 2 + 1)
    guard = nr(3600, mid, i // 2 + 1)
    if drive == "DC":
        dcunit_suck = nr(3510, mid + (2 if volt == 24 else 1), i + 1)
        dcunit_push = nr(3510, mid + (4 if volt == 24 else 3), i + 1)
        if us:
            r["Luefter0"], r["Luefter1"] = dcunit_suck, dcunit_push
        else:
            r["Luefter0"] = r["Luefter1"] = " "
            lead = " " if (volt == 24 and i <= 1) else ""
            r["Motor0"], r["Motor1"] = lead + dcunit_suck + " ", lead + dcunit_push + " "
            r["Schutzgitter0"] = "" if (volt == 24 and i == 0) else " "
            r["Schutzgitter1"] = r["Schutzgitter0"]
    else:
        r["Luefter0"], r["Luefter1"] = fan_suck + suffix, fan_push + suffix
        r["Motor0"] = r["Motor1"] = motor + suffix
        r["Schutzgitter0"] = r["Schutzgitter1"] = guard + suffix
    return r


def main():
    out = [header(os.path.basename(__file__)), '#include "program/catalogue/zubehoer_daten.h"\n\n',
           "namespace catalogue::zubehoer_daten {\n"]
    for name, drive, region, rough, low, volt, usl, eul in TABLES:
        count = len(SIZE_NR[(drive, region)])
        out.append("\nconst Satz %s[%d] = {\n" % (name, count))
        for i in range(count):
            r = record(drive, region, rough, low, volt, usl, eul, i)
            out.append("    {" + ", ".join(lit(r[f]) for f in FIELDS) + "},\n")
        out.append("};\n")
    out.append("\n} // namespace catalogue::zubehoer_daten\n")
    target = os.path.join(sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUT, "zubehoer_daten.cpp")
    with open(target, "w", encoding="utf-8") as fh:
        fh.write("".join(out))


if __name__ == "__main__":
    main()
