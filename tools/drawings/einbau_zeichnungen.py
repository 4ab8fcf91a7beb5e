#!/usr/bin/env python3
"""Draws the installation drawings (SVG, 400 x 300) of every construction variant.

Each drawing shows the cooler in front view (left) and side view (right), with the dimension letters
that the installation tables use on dimension lines or leaders; flange variants add a detail of the
SAE four-bolt flange (X, Y bolt spacings, Z nominal size). Only presentation attributes are used:
the program renders them with QSvgRenderer (SVG Tiny), which knows no markers or style sheets.

Letters of the standard drawings: A width, B height, C depth, D fan diameter, E port spacing,
F port offset from the rear face, G port, H height of the upper port, J and K foot hole spacings,
L fixing thread or bolts, M hole or slot; N and P the hydraulic motor's ports.
US DC units: A width, B height, C depth, D block depth, E and F shroud width and height, G fan
diameter, H port spacing, K port, L bolts; twin units also J height of the lower hole row, M hole,
N and O hole spacings, P bracket depth.

Usage: einbau_zeichnungen.py [output folder]   (default: program/system)
"""
import math
import os
import sys

INK = "#1a1a1a"
DIM = "#1f4e9a"
CENTRE = "#808080"
FONT = 'font-family="DejaVu Sans, Arial, sans-serif"'


class Svg:
    def __init__(self):
        self.parts = []

    def add(self, text):
        self.parts.append(text)

    def line(self, x1, y1, x2, y2, colour=INK, width=1.4, dash=None):
        d = ' stroke-dasharray="%s"' % dash if dash else ""
        self.add('<line x1="%.1f" y1="%.1f" x2="%.1f" y2="%.1f" stroke="%s" stroke-width="%.2f"%s/>'
                 % (x1, y1, x2, y2, colour, width, d))

    def rect(self, x, y, w, h, width=1.4, fill="none", rx=0):
        self.add('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" rx="%.1f" fill="%s" stroke="%s" '
                 'stroke-width="%.2f"/>' % (x, y, w, h, rx, fill, INK, width))

    def circle(self, cx, cy, r, width=1.4, fill="none"):
        self.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s" stroke="%s" stroke-width="%.2f"/>'
                 % (cx, cy, r, fill, INK, width))

    def poly(self, points, fill="none", colour=INK, width=1.4):
        pts = " ".join("%.1f,%.1f" % p for p in points)
        self.add('<polygon points="%s" fill="%s" stroke="%s" stroke-width="%.2f"/>' % (pts, fill, colour, width))

    def text(self, x, y, label, size=14, colour=DIM, anchor="middle", weight="bold"):
        # a white box keeps the letter readable where it crosses drawing lines
        w = 0.75 * size * len(label)
        left = x - w / 2 if anchor == "middle" else (x - w if anchor == "end" else x)
        self.add('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" fill="#ffffff" stroke="none"/>'
                 % (left - 1, y - size * 0.8, w + 2, size * 0.95))
        self.add('<text x="%.1f" y="%.1f" %s font-size="%d" font-weight="%s" fill="%s" text-anchor="%s">%s</text>'
                 % (x, y, FONT, size, weight, colour, anchor, label))

    # --- dimensioning
    def arrow(self, x, y, dx, dy):
        """Filled arrowhead with its tip at (x, y), pointing along (dx, dy)."""
        n = math.hypot(dx, dy)
        ux, uy = dx / n, dy / n
        px, py = -uy, ux
        back = 7
        half = 2.6
        self.poly([(x, y), (x - ux * back + px * half, y - uy * back + py * half),
                   (x - ux * back - px * half, y - uy * back - py * half)], fill=DIM, colour=DIM, width=0.5)

    def dim_h(self, x1, x2, y, label, from_y1=None, from_y2=None, above=True):
        """Horizontal dimension between x1 and x2 on height y, with extension lines from the given heights."""
        for x, fy in ((x1, from_y1), (x2, from_y2)):
            if fy is not None:
                self.line(x, fy + (2 if fy < y else -2), x, y + (3 if fy < y else -3), DIM, 0.7)
        self.line(x1, y, x2, y, DIM, 0.8)
        self.arrow(x1, y, -1, 0)
        self.arrow(x2, y, 1, 0)
        self.text((x1 + x2) / 2, y - 4 if above else y + 15, label)

    def dim_v(self, y1, y2, x, label, from_x1=None, from_x2=None, left=True):
        for y, fx in ((y1, from_x1), (y2, from_x2)):
            if fx is not None:
                self.line(fx + (2 if fx < x else -2), y, x + (3 if fx < x else -3), y, DIM, 0.7)
        self.line(x, y1, x, y2, DIM, 0.8)
        self.arrow(x, y1, 0, -1)
        self.arrow(x, y2, 0, 1)
        self.text(x - 6 if left else x + 6, (y1 + y2) / 2 + 5, label, anchor="end" if left else "start")

    def leader(self, x1, y1, x2, y2, label):
        """A leader from a feature (x1, y1) to its letter at (x2, y2)."""
        self.add('<circle cx="%.1f" cy="%.1f" r="1.8" fill="%s" stroke="none"/>' % (x1, y1, DIM))
        self.line(x1, y1, x2, y2, DIM, 0.8)
        self.text(x2 + (-3 if x2 < x1 else 3), y2 + 5, label, anchor="end" if x2 < x1 else "start")

    def centre_cross(self, cx, cy, r):
        self.line(cx - r - 6, cy, cx + r + 6, cy, CENTRE, 0.6, "8,2,2,2")
        self.line(cx, cy - r - 6, cx, cy + r + 6, CENTRE, 0.6, "8,2,2,2")

    # The drawing gives its size in millimetres: 400 x 300 units at 90 units per inch, the
    # resolution Qt's SVG reader assumes for millimetres, so the report's picture keeps its size.
    def svg(self):
        return ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                'width="112.89mm" height="84.67mm" viewBox="0 0 400 300">\n'
                '<rect x="0" y="0" width="400" height="300" fill="#ffffff" stroke="none"/>\n'
                + "\n".join(self.parts) + "\n</svg>\n")


FLOOR = 232


def fan(s, cx, cy, r, blades=5):
    """Fan circle with hub and blades, seen through the shroud."""
    s.circle(cx, cy, r, 1.4)
    s.circle(cx, cy, r * 0.22, 1.0)
    for k in range(blades):
        a = 2 * math.pi * k / blades
        x1, y1 = cx + math.cos(a) * r * 0.24, cy + math.sin(a) * r * 0.24
        x2, y2 = cx + math.cos(a + 0.5) * r * 0.88, cy + math.sin(a + 0.5) * r * 0.88
        s.line(x1, y1, x2, y2, INK, 0.8)
    s.centre_cross(cx, cy, r)


def feet_front(s, x0, x1, y_block_bottom, slot):
    """Two feet under the block; returns the x of their holes."""
    holes = []
    for cx in (x0 + (x1 - x0) * 0.3, x0 + (x1 - x0) * 0.7):
        s.poly([(cx - 14, y_block_bottom), (cx + 14, y_block_bottom), (cx + 20, FLOOR), (cx - 20, FLOOR)])
        if slot:
            s.rect(cx - 6, FLOOR - 8, 12, 5, 0.9, rx=2.5)
        else:
            s.circle(cx, FLOOR - 5.5, 2.6, 0.9)
        holes.append(cx)
    s.line(x0 - 12, FLOOR, x1 + 12, FLOOR, INK, 0.8)
    return holes


def front_standard(s, v):
    """Front view of a cooler on feet: block, shroud, fan(s)."""
    twin = v.get("twin", False)
    x0, x1 = 38, 178
    top = 50 if not twin else 40
    bottom = 206
    if v.get("frame"):
        s.rect(x0 - 6, top - 6, x1 - x0 + 12, bottom - top + 6, 1.0)
    s.rect(x0, top, x1 - x0, bottom - top, 1.6)
    cx = (x0 + x1) / 2
    if twin:
        r = 34
        centres = [(cx, top + 42), (cx, top + 42 + 2 * r + 10)]
    else:
        r = 58
        centres = [(cx, (top + bottom) / 2)]
    for c in centres:
        s.circle(c[0], c[1], r + 5, 0.9)   # shroud ring
        fan(s, c[0], c[1], r, 7 if v.get("flange2") else 5)
    holes = feet_front(s, x0, x1, bottom, v.get("slot", False))
    # A width, B overall height, D fan diameter, K foot holes, L thread, M hole
    s.dim_h(x0, x1, 24, "A", top, top)
    s.dim_v(top, FLOOR, 16, "B", x0, x0 + 14)
    fx, fy = centres[-1]
    s.dim_h(fx - r, fx + r, fy + (8 if twin else 14), "D", above=False)
    s.dim_h(holes[0], holes[1], 254, "K", FLOOR - 3, FLOOR - 3)
    s.leader(holes[0] - 2, FLOOR - 6, 22, 270, "L")
    s.leader(holes[1] + 2, FLOOR - 6, 196, 270, "M")


def side_standard(s, v):
    """Side view: block with its ports, shroud, motor, foot plate."""
    rear, core_front = 244, 274
    top, bottom = 50, 206
    if v.get("frame"):
        s.rect(rear - 5, top - 6, core_front - rear + 10, bottom - top + 6, 1.0)
    s.rect(rear, top, core_front - rear, bottom - top, 1.6)
    # shroud and drive
    s.poly([(core_front, top + 8), (core_front + 16, top + 34), (core_front + 16, bottom - 34), (core_front, bottom - 8)])
    hydraulic = v.get("hydraulic", False)
    m0 = core_front + 16
    if hydraulic:
        s.rect(m0, 112, 18, 32, 1.4)                  # hydraulic motor
        s.rect(m0 + 5, 104, 8, 8, 1.0)                # side port (N)
        s.rect(m0 + 18, 122, 7, 12, 1.0)              # rear port (P)
        end = m0 + 25
    else:
        s.rect(m0, 104, 30, 48, 1.4, rx=3)            # electric motor
        s.line(m0 + 30, 116, m0 + 34, 116)
        s.line(m0 + 30, 140, m0 + 34, 140)
        s.line(m0 + 34, 116, m0 + 34, 140)
        end = m0 + 34
    # foot plate with holes
    s.rect(rear - 6, bottom, end - rear + 12, FLOOR - bottom, 1.2)
    h1, h2 = rear + 4, end - 6
    for hx in (h1, h2):
        s.circle(hx, FLOOR - 8, 2.6, 0.9)
    # oil ports on the side face of the block
    px = rear + 12
    upper, lower = 74, 150
    for py in (upper, lower):
        if v.get("flange"):
            # the second flange variant carries the 3-inch flange: a larger plate and bore
            half, bolt, bore = (11, 8, 6) if v.get("flange2") else (9, 6, 4.5)
            s.rect(px - half, py - half, 2 * half, 2 * half, 1.2)
            for dx, dy in ((-bolt, -bolt), (bolt, -bolt), (-bolt, bolt), (bolt, bolt)):
                s.circle(px + dx, py + dy, 1.4, 0.7)
            s.circle(px, py, bore, 1.0)
        else:
            s.circle(px, py, 6.5, 1.4)
            s.circle(px, py, 3.5, 0.8)
        s.centre_cross(px, py, 5)
    s.dim_h(rear, end, 24, "C", top, 104)
    s.dim_h(rear, px, 42, "F", top, upper - 8)
    s.dim_v(upper, lower, 226, "E", px - 10, px - 10)
    s.dim_v(upper, FLOOR, 206, "H", px - 10, rear - 6)
    s.dim_h(h1, h2, 254, "J", FLOOR - 5, FLOOR - 5)
    s.leader(px + 8, upper - 6, 300, 60, "G")
    if "N" in v["letters"]:
        s.leader(m0 + 9, 104, m0 + 30, 84, "N")
    if "P" in v["letters"]:
        s.leader(m0 + 25, 130, m0 + 22, 192, "P")


def flange_detail(s, large):
    """SAE four-bolt flange seen from the front: X, Y bolt spacings, Z nominal size."""
    cx, cy = 352, 150
    w, h = (28, 46) if large else (22, 38)
    s.rect(cx - w / 2 - 9, cy - h / 2 - 9, w + 18, h + 18, 1.4, rx=4)
    for dx in (-w / 2, w / 2):
        for dy in (-h / 2, h / 2):
            s.circle(cx + dx, cy + dy, 3, 1.0)
    bore = 12 if large else 9
    s.circle(cx, cy, bore, 1.4)
    s.centre_cross(cx, cy, bore)
    s.dim_h(cx - w / 2, cx + w / 2, cy + h / 2 + 24, "X", cy + h / 2 + 3, cy + h / 2 + 3, above=False)
    s.dim_v(cy - h / 2, cy + h / 2, cx + w / 2 + 16, "Y", cx + w / 2 + 3, cx + w / 2 + 3, left=False)
    s.dim_h(cx - bore, cx + bore, cy - h / 2 - 16, "Z", cy - bore, cy - bore)


def draw_standard(v):
    s = Svg()
    front_standard(s, v)
    side_standard(s, v)
    if v.get("flange_detail"):
        flange_detail(s, v.get("flange2", False))
    return s


def draw_us_dc(v):
    """US DC unit: block with shroud(s), single units bolted from below, twin units on brackets."""
    s = Svg()
    twin = v.get("twin", False)
    x0, x1 = (62, 222) if twin else (40, 170)
    top, bottom = (80, 196) if twin else (50, 200)
    s.rect(x0, top, x1 - x0, bottom - top, 1.6)
    n = 2 if twin else 1
    gap = 8
    shroud_w = (x1 - x0 - 2 * gap - (n - 1) * gap) / n
    shroud_h = bottom - top - 2 * gap
    centres = []
    for k in range(n):
        sx = x0 + gap + k * (shroud_w + gap)
        s.rect(sx, top + gap, shroud_w, shroud_h, 1.2, rx=8)
        cx, cy = sx + shroud_w / 2, top + gap + shroud_h / 2
        r = min(shroud_w, shroud_h) / 2 - 5
        fan(s, cx, cy, r)
        centres.append((cx, cy, r, sx))
    s.dim_h(x0, x1, top - 22, "A", top, top)
    s.dim_v(top, bottom, x0 - (40 if twin else 10), "B", x0, x0)
    cx, cy, r, sx = centres[0]
    s.dim_h(sx, sx + shroud_w, bottom + 22, "E", bottom - gap, bottom - gap, above=False)
    s.dim_h(cx - r, cx + r, cy + 6, "G", above=False)
    rear = 300 if twin else 262
    end = rear + 64
    if twin:
        holes = []
        for bx in (x0, x1):
            s.rect(bx - 6, top + 6, 12, bottom - top - 12, 1.0)
            for hy in (top + 16, bottom - 16):
                s.circle(bx, hy, 2.6, 0.9)
                holes.append((bx, hy))
        s.dim_h(holes[0][0], holes[2][0], top - 44, "N", top + 13, top + 13)
        s.dim_v(holes[2][1], holes[3][1], x1 + 16, "O", x1 + 3, x1 + 3, left=False)
        s.dim_v(holes[1][1], bottom, x0 - 18, "J", x0 - 3, x0 - 6)
        s.leader(holes[1][0] + 2, holes[1][1] + 2, x0 + 16, 272, "M")
        s.dim_v(top + gap, bottom - gap, end + 10, "F", rear + 40, rear + 40, left=False)
    else:
        s.dim_v(top + gap, bottom - gap, x1 + 12, "F", x1 - gap, x1 - gap, left=False)
    # side view: block depth D, overall depth C, ports K spaced H, bolts L
    s.rect(rear, top, 26, bottom - top, 1.6)
    s.poly([(rear + 26, top + 10), (rear + 42, top + 30), (rear + 42, bottom - 30), (rear + 26, bottom - 10)])
    s.rect(rear + 42, (top + bottom) / 2 - 16, 22, 32, 1.4, rx=3)
    s.dim_h(rear, end, max(top - 40, 22), "C", top, (top + bottom) / 2 - 16)
    s.dim_h(rear, rear + 26, top - 12, "D", top, top)
    upper, lower = top + 28, bottom - 28
    for py in (upper, lower):
        s.circle(rear + 13, py, 6, 1.4)
        s.circle(rear + 13, py, 3, 0.8)
        s.centre_cross(rear + 13, py, 5)
    s.dim_v(upper, lower, rear - 14, "H", rear + 5, rear + 5)
    s.leader(rear + 18, upper - 4, end + 8, top + 12, "K")
    for bx in (rear + 6, rear + 20):
        s.line(bx, bottom, bx, bottom + 14, INK, 2.0)
    s.leader(rear + 20, bottom + 10, end - 6, bottom + 36, "L")
    if twin:
        s.rect(rear - 10, top + 6, 10, bottom - top - 12, 1.0)
        s.dim_h(rear - 10, rear, bottom + 44, "P", bottom - 6, bottom - 6, above=False)
    return s


STD = "ABCDEFGHJKLM"
VARIANTS = {
    # metric DC: slot M, feet; single fan or two fans stacked
    "m_dc_einzel.svg": dict(kind="std", slot=True, letters=STD),
    "m_dc_doppel.svg": dict(kind="std", slot=True, twin=True, letters=STD),
    # metric AC: threaded sockets, first flange, first flange with frame, second flange with frame
    "m_ac_gewinde.svg": dict(kind="std", letters=STD),
    "m_ac_flansch1.svg": dict(kind="std", flange=True, flange_detail=True, letters=STD + "XYZ"),
    "m_ac_flansch1_rahmen.svg": dict(kind="std", flange=True, flange_detail=True, frame=True, letters=STD + "XYZ"),
    "m_ac_flansch2_rahmen.svg": dict(kind="std", flange=True, flange2=True, flange_detail=True, frame=True, letters=STD + "XYZ"),
    "m_hy_gewinde.svg": dict(kind="std", hydraulic=True, letters=STD),
    "m_hy_flansch1.svg": dict(kind="std", hydraulic=True, flange=True, flange_detail=True, letters=STD + "XYZ"),
    "m_hy_flansch1_rahmen.svg": dict(kind="std", hydraulic=True, flange=True, flange_detail=True, frame=True,
                                     letters=STD + "XYZ"),
    "m_hy_flansch2_rahmen.svg": dict(kind="std", hydraulic=True, flange=True, flange2=True, flange_detail=True, frame=True,
                                     letters=STD + "XYZ"),
    # US AC: the threaded variant also serves a size supplied with the flange adapter, hence its detail
    "us-ac-threaded.svg": dict(kind="std", flange_detail=True, letters=STD + "XYZ"),
    "us-ac-flange1.svg": dict(kind="std", flange=True, flange_detail=True, letters=STD + "XYZ"),
    "us-ac-flange2.svg": dict(kind="std", flange=True, flange2=True, flange_detail=True, frame=True, letters=STD + "XYZ"),
    "us-hy-threaded.svg": dict(kind="std", hydraulic=True, letters=STD + "NP"),
    "us-hy-flange1.svg": dict(kind="std", hydraulic=True, flange=True, flange_detail=True, letters=STD + "NPXYZ"),
    "us-hy-flange2.svg": dict(kind="std", hydraulic=True, flange=True, flange2=True, flange_detail=True, frame=True,
                              letters=STD + "NPXYZ"),
    # US DC units
    "us-dc-single.svg": dict(kind="usdc", letters="ABCDEFGHKL"),
    "us-dc-twin.svg": dict(kind="usdc", twin=True, letters="ABCDEFGHJKLMNOP"),
}


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "program", "system")
    for name, v in VARIANTS.items():
        s = draw_us_dc(v) if v["kind"] == "usdc" else draw_standard(v)
        body = s.svg()
        # every letter of the variant must be on the drawing, and no other
        import re
        found = set(re.findall(r'font-weight="bold"[^>]*>([A-Z])</text>', body))
        assert found == set(v["letters"]), (name, sorted(found), v["letters"])
        with open(os.path.join(out, name), "w", encoding="utf-8") as fh:
            fh.write(body)


if __name__ == "__main__":
    main()
