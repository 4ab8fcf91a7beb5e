#!/usr/bin/env python3
"""Generates program/catalogue/einbau_daten.cpp: the installation dimensions of every cooler size.

Letters by column: A-H = 0-7, J-P = 8-14, column 15 unused, X-Z = 16-18.
Metric tables hold millimetres, US tables inches; every text is stored exactly as displayed.

Usage: einbau_gen.py [output folder]   (default: program/catalogue)
"""
import os
import sys
from cpp_out import DEFAULT_OUT, lit, header, num_metric as mm, num_inch as inch

COLS = 19
A, B, C, D, E, F, G, H, J, K, L, M, N, O, P = range(15)
X, Y, Z = 16, 17, 18

FLANGE_MM = {2: ("42,9 ", "77,8 ", "51 "), 3: ("61,9 ", "106,4 ", "76 ")}
FLANGE_IN = {2: ("1,69", "3,06", "2,00"), 3: ("2,44", "4,19", "3,00")}


def empty_row():
    return [""] * COLS


# ---------------------------------------------------------------- metric DC (8 sizes, mm)
def dc_eu():
    a = [300, 320, 345, 370, 395, 420, 440, 465]
    b = [350, 375, 400, 430, 460, 560, 600, 640]
    c = [170, 175, 180, 190, 195, 205, 210, 220]
    d = [164, 190, 210, 235, 255, 190, 205, 220]
    e = [164, 180, 195, 215, 235, 300, 330, 360]
    f = [39, 40, 42, 44, 46, 48, 50, 52]
    h = [315, 335, 360, 385, 410, 505, 540, 575]
    j = [110, 115, 120, 125, 130, 135, 140, 150]
    k = [160, 180, 200, 220, 240, 260, 280, 300]
    rows = []
    for i in range(8):
        r = empty_row()
        for col, vals in ((A, a), (B, b), (C, c), (D, d), (E, e), (F, f), (H, h), (J, j), (K, k)):
            r[col] = mm(vals[i])
        r[G] = "G1 " if i < 4 else "G1 1/4 "
        r[L] = "M6 " if i == 1 else "M8 "
        r[M] = "LL 11x16 "
        r[N] = r[O] = r[P] = " "
        rows.append(r)
    return rows


# ---------------------------------------------------------------- metric AC and hydraulic (12 sizes, mm)
AC_EU_A = [391, 440, 500, 560, 630, 700, 780, 860, 950, 1060, 1220, 1524]


def ac_eu(hydraulic):
    a = AC_EU_A
    b = [420, 470, 530, 590, 660, 735, 815, 900, 990, 1100, 1240, 1560]
    c_ac = [410, 430, 460, 490, 520, 560, 600, 640, 690, 740, 810, 885]
    c_hy = [300, 310, 330, 350, 370, 390, 410, 440, 470, 510, 560, 560]
    d = [300, 350, 400, 450, 500, 560, 630, 710, 800, 900, 1001, 1250]
    e = [120, 140, 160, 180, 200, 220, 240, 260, 270, 280, 296, 340]
    f = [45, 45, 50, 50, 55, 55, 60, 65, 65, 70, 77, 85]
    h = [370, 415, 470, 525, 590, 655, 730, 810, 895, 995, 1182, 1490]
    j = [250, 260, 280, 300, 320, 340, 360, 380, 390, 400, 410, 460]
    k = [200, 220, 250, 280, 300, 320, 350, 380, 400, 420, 450, 560]
    rows = []
    for i in range(12):
        r = empty_row()
        hh = list(h)
        if hydraulic:
            hh[5] = 645  # the hydraulic motor sits lower on size 5, and the upper port with it
        for col, vals in ((A, a), (B, b), (C, c_hy if hydraulic else c_ac), (D, d), (E, e), (F, f),
                          (H, hh), (J, j), (K, k)):
            r[col] = mm(vals[i])
        if i <= 2:
            r[G] = "G1 "
        elif i <= 4:
            r[G] = "G1 1/4 "
        elif i <= 6:
            r[G] = "G1 1/2 "
        else:
            r[G] = 'SAE %d" ' % (2 if i <= 9 else 3)
        r[L] = "M8 " if i <= 4 else ("M10 " if i <= 8 else "M12 ")
        r[M] = "ø14 "
        r[N] = r[O] = r[P] = " "
        if i >= 7:
            r[X], r[Y], r[Z] = FLANGE_MM[2 if i <= 9 else 3]
        rows.append(r)
    return rows


# ---------------------------------------------------------------- US DC (8 sizes, inch)
def dc_us():
    a = [13.78, 15.35, 17.32, 19.49, 21.65, 28.35, 32.28, 36.22]
    b = [15.20, 16.14, 17.32, 18.50, 19.69, 16.56, 18.11, 19.69]
    c = [7.48, 7.68, 7.87, 8.07, 8.27, 8.45, 8.66, 8.86]
    d = [5.91, 6.10, 6.30, 6.50, 6.69, 6.81, 7.01, 7.20]
    e = [12.05, 13.39, 15.16, 17.13, 19.09, 12.29, 14.17, 16.14]
    f = [12.60, 13.39, 14.37, 15.35, 16.54, 12.92, 14.37, 15.94]
    g = [10.24, 11.02, 12.80, 14.57, 16.54, 11.81, 13.39, 15.35]
    h = [6.30, 6.89, 7.48, 8.07, 8.66, 8.27, 9.06, 9.84]
    j = [None] * 5 + [7.09, 7.87, 8.66]
    n = [None] * 5 + [26.46, 30.31, 34.25]
    o = [None] * 5 + [8.66, 9.45, 10.24]
    p = [None] * 5 + [2.54, 2.54, 2.76]
    ports = ["#12 SAE", "#12 SAE", "#16 SAE", "#16 SAE", "#16 SAE", "#20 SAE", "#20 SAE", "#20 SAE"]
    bolts = ["5/16x1/2", "5/16x1/2", "5/16x5/8", "5/16x5/8", "5/16 x 5/8", "7/16x3/4", "7/16x3/4", "7/16x3/4"]
    rows = []
    for i in range(8):
        r = empty_row()
        for col, vals in ((A, a), (B, b), (C, c), (D, d), (E, e), (F, f), (G, g), (H, h),
                          (J, j), (N, n), (O, o), (P, p)):
            if vals[i] is not None:
                r[col] = inch(vals[i])
        r[K] = ports[i]
        r[L] = bolts[i]
        if i >= 5:
            r[M] = "Ø.55 "
        rows.append(r)
    return rows


# ---------------------------------------------------------------- US AC and hydraulic (15 sizes, inch)
# Dimensions shared by the US AC and hydraulic blocks of one size (inch).
US_DIMS = {
    "A": [13.74, 15.55, 17.52, 19.69, 21.85, 24.02, 26.38, 28.74, 31.50, 34.65, 38.19, 42.13, 47.24, 53.15, 59.76],
    "B": [13.78, 15.75, 17.72, 19.88, 22.05, 24.21, 26.57, 28.94, 31.69, 34.84, 38.39, 42.32, 47.44, 53.35, 59.96],
    "D": [11.38, 12.99, 14.57, 16.54, 18.11, 20.08, 22.05, 24.02, 26.38, 23.30, 31.50, 35.43, 39.37, 44.09, 49.21],
    "E": [4.37, 4.72, 5.12, 5.51, 5.91, 6.30, 6.69, 7.09, 7.48, 7.87, 8.27, 8.66, 9.06, 9.84, 10.63],
    "F": [1.97, 1.97, 2.17, 2.17, 2.36, 2.36, 2.56, 2.56, 2.76, 2.76, 2.95, 3.15, 3.35, 3.54, 3.74],
    "H": [11.93, 13.70, 15.55, 17.52, 19.49, 21.46, 23.62, 25.79, 28.15, 31.10, 34.45, 38.19, 43.11, 48.82, 55.12],
    "J": [7.09, 7.48, 7.87, 8.27, 8.66, 9.45, 10.24, 11.02, 11.81, 12.60, 13.39, 14.57, 15.75, 16.93, 18.11],
    "K": [8.66, 9.45, 10.24, 11.02, 11.81, 12.60, 13.78, 14.96, 16.14, 17.32, 18.90, 20.47, 22.83, 25.20, 27.95],
}
US_C_AC = [12.56, 13.19, 14.02, 14.96, 15.94, 17.13, 18.31, 19.49, 20.87, 22.24, 23.82, 25.59, 27.56, 29.13, 30.80]
US_C_HYDRO = [10.0, 10.43, 10.87, 11.34, 11.81, 12.4, 13.0, 13.58, 14.37, 15.16, 16.14, 17.13, 18.31, 19.49, 20.79]


def us_port(i):
    return ("#12 SAE 1 1/16-12 UN-2B" if i <= 2 else
            "#16 SAE 1 5/16-12 UN-2B" if i <= 5 else "#20 SAE 1 5/8-12 UN-2B")


def us_bolts(i):
    if i <= 1:
        return "M6-1X12mm(4PL)"
    if i <= 4:
        return "M8-1.25X16mm(4PL)"
    if i <= 8:
        return "M10-1.5X20mm(4PL)"
    if i <= 13:
        return "M12-1.75 X25mm(8PL)"
    return "3/4-10 x 1.75(8PL)"


def us_numbers(r, i, c, blank, overrides=None):
    """Columns A-F, H, J, K of size i; overrides replace a letter's value by a stored text."""
    for col, letter in ((A, "A"), (B, "B"), (D, "D"), (E, "E"), (F, "F"), (H, "H"), (J, "J"), (K, "K")):
        r[col] = inch(US_DIMS[letter][i], blank)
    r[C] = inch(c[i], blank)
    for col, text in (overrides or {}).items():
        r[col] = text


def ac_us(rough):
    f = list(US_DIMS["F"])
    if rough:
        # the Rough block has deeper fins: the rear port moves back on the three largest sizes
        f[12:15] = [3.43, 3.62, 3.82]
    rows = []
    for i in range(15):
        r = empty_row()
        # Two D values of the AC blocks stand in the catalogue with a decimal point.
        overrides = {F: inch(f[i])}
        if i == 8:
            overrides[D] = "20.67 "
        elif i == 9:
            overrides[D] = "23.30 "
        us_numbers(r, i, US_C_AC, True, overrides)
        if i <= 7:
            r[G] = us_port(i)
        else:
            nominal = 2 if i <= 10 else 3
            r[G] = '%d" SAE 4-Bolt' % nominal if (rough and i >= 9) else '%d" SAE 4-Bolt FLANGE' % nominal
        r[L] = us_bolts(i)
        r[M] = "Ø 0.55 " if i <= 11 else "Ø 0.75 "
        if i >= 7:
            r[X], r[Y], r[Z] = FLANGE_IN[2 if i <= 10 else 3]
        rows.append(r)
    return rows


def hydro_us(rough):
    motor_ports = (["#8 SAE   3/4-16  UN-2B"] * 5 + ["#12 SAE 1 1/16-12 UN-2B"] * 7
                   + ["#16 SAE 1 5/16-12 UN-2B"] * 3)
    rows = []
    for i in range(15):
        r = empty_row()
        us_numbers(r, i, US_C_HYDRO, False)
        if i <= 7:
            r[G] = us_port(i)
        else:
            nominal = 2 if i <= 12 else 3
            r[G] = ('%d" SAE 4-Bolt' % nominal if (rough and i >= 9)
                    else '%d" SAE 4-Bolt     FLANGE' % nominal)
        r[L] = us_bolts(i)
        r[M] = "Ø 0.55" if i <= 11 else "Ø 0.75"
        # The Rough motors of sizes 2-7 and 9-14 take their oil from the side (N), the others from the rear (P).
        if rough and i not in (0, 1, 8):
            r[N] = motor_ports[i]
        else:
            r[P] = motor_ports[i]
        if i >= 9:
            r[X], r[Y], r[Z] = FLANGE_IN[2 if i <= 12 else 3]
        rows.append(r)
    return rows


def sample_checks(tables):
    """The rows the catalogue quotes; the generator stops if a formula drifts away from them."""
    dc0 = tables["EinbauTab_DC_EU"][0]
    assert dc0[:15] == ["300 ", "350 ", "170 ", "164 ", "164 ", "39 ", "G1 ", "315 ", "110 ", "160 ",
                        "M8 ", "LL 11x16 ", " ", " ", " "], dc0
    hy10 = tables["EinbauTab_Hydro_Optim_EU"][10]
    assert hy10 == ["1220 ", "1240 ", "560 ", "1001 ", "296 ", "77 ", 'SAE 3" ', "1182 ", "410 ", "450 ",
                    "M12 ", "ø14 ", " ", " ", " ", "", "61,9 ", "106,4 ", "76 "], hy10
    ac10 = list(hy10)
    ac10[C] = "810 "
    assert tables["EinbauTab_AC_Optim_EU"][10] == ac10
    us5 = tables["EinbauTab_DC_US"][5]
    assert us5[:15] == ["28,35 ", "16,56 ", "8,45 ", "6,81 ", "12,29 ", "12,92 ", "11,81 ", "8,27 ", "7,09 ",
                        "#20 SAE", "7/16x3/4", "Ø.55 ", "26,46 ", "8,66 ", "2,54 "], us5
    ac0 = tables["EinbauTab_AC_Optim_US"][0]
    assert ac0[:12] == ["13,74 ", "13,78 ", "12,56 ", "11,38 ", "4,37 ", "1,97 ", "#12 SAE 1 1/16-12 UN-2B",
                        "11,93 ", "7,09 ", "8,66 ", "M6-1X12mm(4PL)", "Ø 0.55 "], ac0


def main():
    # Declared rows per table and its rows, in the filling order (US first, then metric).
    tables = {
        "EinbauTab_DC_US": dc_us(),
        "EinbauTab_AC_Optim_US": ac_us(False),
        "EinbauTab_AC_Rough_US": ac_us(True),
        "EinbauTab_Hydro_Optim_US": hydro_us(False),
        "EinbauTab_Hydro_Rough_US": hydro_us(True),
        "EinbauTab_DC_EU": dc_eu(),
        "EinbauTab_AC_Optim_EU": ac_eu(False),
        "EinbauTab_AC_Rough_EU": ac_eu(False),
        "EinbauTab_Hydro_Optim_EU": ac_eu(True),
        "EinbauTab_Hydro_Rough_EU": ac_eu(True),
    }
    sample_checks(tables)
    out = [header(os.path.basename(__file__)), '#include "program/catalogue/einbau_daten.h"\n\n',
           "namespace catalogue::einbau_daten {\n"]
    for name, rows in tables.items():
        out.append("\nconst Zeile %s[%d] = {\n" % (name, len(rows)))
        for r in rows:
            out.append("    {" + ", ".join(lit(c) for c in r) + "},\n")
        out.append("};\n")
    out.append("\n} // namespace catalogue::einbau_daten\n")
    target = os.path.join(sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUT, "einbau_daten.cpp")
    with open(target, "w", encoding="utf-8") as fh:
        fh.write("".join(out))


if __name__ == "__main__":
    main()
