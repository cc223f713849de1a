#!/usr/bin/env python3
"""Writes the program's SVG icons into this folder, and icons.qrc beside them.

Run it by hand after changing a drawing here; its output is committed.

One style for every icon:
- drawn on a 16 x 16 grid; outlines are 1 unit wide and sit on half-unit
  coordinates, so that at 16 px every straight edge covers whole pixels;
- one palette (INK outlines, white paper, a blue, an orange, a green and a red
  with a darker tone of each for their outlines);
- rectangles have a corner radius of 1 (rounded boxes and the application
  icon excepted, where the rounding is the point).
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))

INK = "#2f3a45"
PAPER = "#ffffff"
SHADE = "#dfe5ec"
GREY = "#8d99a6"
BLUE = "#3d7dd6"
BLUE_DARK = "#24579e"
BLUE_LIGHT = "#cfe0f7"
ORANGE = "#f2a93b"
ORANGE_DARK = "#a8660e"
GREEN = "#55a546"
GREEN_DARK = "#2f6e25"
RED = "#d9483d"
RED_DARK = "#962a22"
SKY = "#bcd9f5"


def rect(x, y, w, h, fill, stroke=INK, rx=1):
    s = f'stroke="{stroke}"' if stroke else 'stroke="none"'
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" fill="{fill}" {s}/>'


def path(d, fill="none", stroke=INK, extra=""):
    s = f'stroke="{stroke}"' if stroke else 'stroke="none"'
    return f'<path d="{d}" fill="{fill}" {s} {extra}/>'


def circle(cx, cy, r, fill, stroke=INK):
    s = f'stroke="{stroke}"' if stroke else 'stroke="none"'
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}" {s}/>'


def ellipse(cx, cy, rx, ry, fill, stroke=INK):
    return f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="{fill}" stroke="{stroke}"/>'


def line(x1, y1, x2, y2, stroke=INK, extra=""):
    return f'<path d="M{x1} {y1}L{x2} {y2}" fill="none" stroke="{stroke}" {extra}/>'


def group(transform, *parts):
    return f'<g transform="{transform}">' + "".join(parts) + "</g>"


def svg(*parts):
    body = "\n  ".join(parts)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16" '
            'stroke-width="1" stroke-linejoin="round" stroke-linecap="round">\n  ' + body + "\n</svg>\n")


# Pieces shared by several icons -------------------------------------------

def page(x0=2.5, y0=1.5, x1=12.5, y1=14.5, fold=3):
    """A sheet with its top right corner folded."""
    return [
        path(f"M{x0} {y0}H{x1 - fold}L{x1} {y0 + fold}V{y1}H{x0}Z", fill=PAPER),
        path(f"M{x1 - fold} {y0}V{y0 + fold}H{x1}", fill=SHADE),
    ]


def text_lines(x, y, widths, step=2, colour=GREY):
    return [line(x, y + i * step, x + w, y + i * step, stroke=colour) for i, w in enumerate(widths)]


def magnifier(cx=6.5, cy=6.5, r=4.5):
    return [
        path(f"M{cx + r * 0.72} {cy + r * 0.72}L14 14", stroke=INK, extra='stroke-width="2.5"'),
        circle(cx, cy, r, PAPER),
    ]


A_GLYPH = ("M2 14.5L6.8 1.5H9.2L14 14.5H11.6L10.45 11.3H5.55L4.4 14.5Z"
           "M6.25 9.3H9.75L8 4.4Z")


# The icons ------------------------------------------------------------------

ICONS = {}

ICONS["document-new"] = svg(
    *page(),
    path("M12.5 9V14M10 11.5H15", stroke=PAPER, extra='stroke-width="3.5"'),
    path("M12.5 9V14M10 11.5H15", stroke=GREEN, extra='stroke-width="1.6"'),
)

ICONS["document-open"] = svg(
    path("M1.5 3.5A1 1 0 0 1 2.5 2.5H6L7.5 4H12.5A1 1 0 0 1 13.5 5V13.5H1.5Z", fill=ORANGE, stroke=ORANGE_DARK),
    rect(3.5, 5.5, 8, 5, PAPER, rx=0),
    path("M1.5 13.5L3.5 7.5H15L13.5 13.5Z", fill="#f8c768", stroke=ORANGE_DARK),
)

ICONS["document-save"] = svg(
    path("M2.5 1.5H12L14.5 4V13.5A1 1 0 0 1 13.5 14.5H2.5A1 1 0 0 1 1.5 13.5V2.5A1 1 0 0 1 2.5 1.5Z",
         fill=BLUE, stroke=BLUE_DARK),
    rect(4.5, 1.5, 7, 4, PAPER, stroke=BLUE_DARK, rx=0),
    rect(9, 2.5, 1.5, 2, BLUE_DARK, stroke=None, rx=0),
    rect(3.5, 8.5, 9, 6, PAPER, stroke=BLUE_DARK, rx=0),
    *text_lines(5, 10.5, [6, 6], colour=GREY),
)

ICONS["document-print"] = svg(
    rect(4.5, 1.5, 7, 5, PAPER, rx=0),
    rect(1.5, 5.5, 13, 6, GREY),
    circle(12.5, 7.5, 0.6, GREEN, stroke=None),
    rect(4.5, 9.5, 7, 5, PAPER, rx=0),
    *text_lines(6, 11.5, [4, 3]),
)

ICONS["document-print-preview"] = svg(
    *page(1.5, 1.5, 11.5, 14.5),
    *text_lines(3.5, 4.5, [4, 5, 5]),
    path("M11 11L14.5 14.5", stroke=INK, extra='stroke-width="2.5"'),
    circle(8.5, 8.5, 3.5, BLUE_LIGHT),
)

ICONS["edit-undo"] = svg(
    path("M5.5 5.5H10A4 4 0 0 1 10 13.5H6", stroke=BLUE_DARK, extra='stroke-width="2"'),
    path("M1.5 5.5L6 1.5V9.5Z", fill=BLUE, stroke=BLUE_DARK),
)

ICONS["edit-redo"] = svg(
    group("matrix(-1 0 0 1 16 0)",
          path("M5.5 5.5H10A4 4 0 0 1 10 13.5H6", stroke=BLUE_DARK, extra='stroke-width="2"'),
          path("M1.5 5.5L6 1.5V9.5Z", fill=BLUE, stroke=BLUE_DARK)),
)

ICONS["edit-cut"] = svg(
    path("M5.2 9.8L11 1.5", stroke=GREY, extra='stroke-width="1.6"'),
    path("M10.8 9.8L5 1.5", stroke=GREY, extra='stroke-width="1.6"'),
    circle(8, 6.5, 0.8, INK, stroke=None),
    circle(4.5, 12, 2.5, PAPER, stroke=RED_DARK),
    circle(11.5, 12, 2.5, PAPER, stroke=RED_DARK),
    path("M4.2 9.7L5.6 8.3M11.8 9.7L10.4 8.3", stroke=RED_DARK, extra='stroke-width="1.6"'),
)

ICONS["edit-copy"] = svg(
    rect(1.5, 1.5, 8, 10, SHADE),
    rect(6.5, 4.5, 8, 10, PAPER),
    *text_lines(8.5, 7.5, [4, 4, 3]),
)

ICONS["edit-paste"] = svg(
    rect(1.5, 2.5, 10, 12, ORANGE, stroke=ORANGE_DARK),
    rect(4.5, 1.5, 4, 3, GREY),
    rect(6.5, 6.5, 8, 8, PAPER),
    *text_lines(8.5, 9.5, [4, 3]),
)

ICONS["zoom-in"] = svg(
    *magnifier(),
    path("M6.5 4.5V8.5M4.5 6.5H8.5", stroke=BLUE_DARK, extra='stroke-width="1.5"'),
)

ICONS["zoom-out"] = svg(
    *magnifier(),
    path("M4.5 6.5H8.5", stroke=BLUE_DARK, extra='stroke-width="1.5"'),
)

ICONS["zoom-fit-best"] = svg(
    *magnifier(),
    rect(4.5, 5, 4, 3, BLUE_LIGHT, stroke=BLUE_DARK, rx=0),
    path("M3.5 4.5V3.5H4.5M8.5 3.5H9.5V4.5M9.5 8.5V9.5H8.5M4.5 9.5H3.5V8.5", stroke=BLUE_DARK),
)

ICONS["help-contents"] = svg(
    circle(8, 8, 6.5, BLUE, stroke=BLUE_DARK),
    path("M5.8 6.2A2.2 2.2 0 1 1 8.8 8.1C8.2 8.4 8 8.8 8 9.6", stroke=PAPER, extra='stroke-width="1.8"'),
    circle(8, 12, 1, PAPER, stroke=None),
)

ICONS["stickwell-background"] = svg(
    '<clipPath id="card"><rect x="2" y="3" width="12" height="10"/></clipPath>',
    rect(1.5, 2.5, 13, 11, BLUE_LIGHT),
    group("", '<g clip-path="url(#card)">'
          + path("M-2 13L8 3M2 13L12 3M6 13L16 3M10 13L20 3", stroke=BLUE, extra='stroke-width="1.5"')
          + "</g>"),
    rect(1.5, 2.5, 13, 11, "none"),
    rect(5.5, 5.5, 5, 5, PAPER, stroke=INK, rx=0),
)

ICONS["stickwell-personal-databases"] = svg(
    path("M1.5 3.5V11.5A4.5 2 0 0 0 10.5 11.5V3.5", fill=ORANGE, stroke=ORANGE_DARK),
    path("M1.5 7.5A4.5 2 0 0 0 10.5 7.5", stroke=ORANGE_DARK),
    ellipse(6, 3.5, 4.5, 2, "#f8c768", ORANGE_DARK),
    circle(12, 9, 2, BLUE_LIGHT, stroke=BLUE_DARK),
    path("M8.5 15V14.5A3.5 2.5 0 0 1 15.5 14.5V15Z", fill=BLUE, stroke=BLUE_DARK),
)

ICONS["stickwell-bring-to-front"] = svg(
    rect(1.5, 1.5, 8, 8, PAPER, stroke=GREY, rx=1),
    rect(6.5, 6.5, 8, 8, BLUE, stroke=BLUE_DARK, rx=1),
)

ICONS["stickwell-send-to-back"] = svg(
    rect(1.5, 1.5, 8, 8, BLUE, stroke=BLUE_DARK, rx=1),
    rect(6.5, 6.5, 8, 8, PAPER, stroke=GREY, rx=1),
)

ICONS["stickwell-tool-select"] = svg(
    path("M3.5 1.5V13L6.5 10.2L8.7 14.8L10.8 13.8L8.7 9.3H12.5Z", fill=PAPER),
)

ICONS["stickwell-tool-text"] = svg(
    path(A_GLYPH, fill=INK, stroke=None, extra='fill-rule="evenodd"'),
)

# Bars of a bar code: (left edge, width) in grid units, full-pixel aligned.
_BARS = [(1, 1), (3, 2), (6, 1), (8, 1), (10, 2), (13, 1), (14, 1)]
ICONS["stickwell-tool-barcode"] = svg(
    *[rect(x, 2, w, 10, INK, stroke=None, rx=0) for x, w in _BARS],
    *[rect(x, 13, 1, 1, GREY, stroke=None, rx=0) for x in (2, 4, 6, 9, 11, 13)],
)


def small_a(cx, cy, angle):
    return group(f"translate({cx} {cy}) rotate({angle}) scale(0.43) translate(-8 -8)",
                 path(A_GLYPH, fill=INK, stroke=None, extra='fill-rule="evenodd"'))


ICONS["stickwell-tool-arctext"] = svg(
    path("M2.3 14.5A6.2 6.2 0 0 1 13.7 14.5", stroke=BLUE, extra='stroke-width="1"'),
    small_a(3.2, 9.2, -24),
    small_a(8, 5.3, 0),
    small_a(12.8, 9.2, 24),
)

ICONS["stickwell-tool-graphic"] = svg(
    rect(1.5, 2.5, 13, 11, SKY),
    circle(10.5, 5.5, 1.5, ORANGE, stroke=ORANGE_DARK),
    path("M2 13L6 7.5L9 11L10.5 9.5L14 13Z", fill=GREEN, stroke=GREEN_DARK),
    rect(1.5, 2.5, 13, 11, "none"),
)

ICONS["stickwell-tool-line"] = svg(
    line(3.5, 12.5, 12.5, 3.5, stroke=INK, extra='stroke-width="1.4"'),
    rect(1.5, 11.5, 3, 3, BLUE, stroke=BLUE_DARK, rx=0),
    rect(11.5, 1.5, 3, 3, BLUE, stroke=BLUE_DARK, rx=0),
)

ICONS["stickwell-tool-box"] = svg(rect(1.5, 3.5, 13, 9, BLUE_LIGHT, rx=0))
ICONS["stickwell-tool-roundbox"] = svg(rect(1.5, 3.5, 13, 9, BLUE_LIGHT, rx=3))
ICONS["stickwell-tool-ellipse"] = svg(ellipse(8, 8, 6.5, 4.5, BLUE_LIGHT, INK))


# Alignment: a solid edge line and two bars touching it. The bars are blue
# boxes; the edge (or centre) line is drawn last so it stays visible.

def bar(x, y, w, h):
    return rect(x, y, w, h, BLUE, stroke=BLUE_DARK, rx=0)


ALIGN_EDGE = 'stroke-width="1"'
CENTRE = 'stroke-width="1"'

ICONS["stickwell-align-left"] = svg(bar(3.5, 2.5, 10, 4), bar(3.5, 9.5, 6, 4), line(1.5, 0.5, 1.5, 15.5, extra=ALIGN_EDGE))
ICONS["stickwell-align-hcenter"] = svg(bar(1.5, 2.5, 12, 4), bar(4.5, 9.5, 6, 4), path("M7.5 0.5V15.5", stroke=RED, extra=CENTRE))
ICONS["stickwell-align-right"] = svg(bar(2.5, 2.5, 10, 4), bar(6.5, 9.5, 6, 4), line(14.5, 0.5, 14.5, 15.5, extra=ALIGN_EDGE))
ICONS["stickwell-align-top"] = svg(bar(2.5, 3.5, 4, 10), bar(9.5, 3.5, 4, 6), line(0.5, 1.5, 15.5, 1.5, extra=ALIGN_EDGE))
ICONS["stickwell-align-vcenter"] = svg(bar(2.5, 1.5, 4, 12), bar(9.5, 4.5, 4, 6), path("M0.5 7.5H15.5", stroke=RED, extra=CENTRE))
ICONS["stickwell-align-bottom"] = svg(bar(2.5, 2.5, 4, 10), bar(9.5, 6.5, 4, 6), line(0.5, 14.5, 15.5, 14.5, extra=ALIGN_EDGE))


# Group alignment: three different objects (a blue box, an orange disc, a
# green box) lined up against a dashed guide; the objects decide the line.

GUIDE = 'stroke-dasharray="1 1" stroke-linecap="butt"'


def obj_box(x, y, w, h):
    return rect(x, y, w, h, BLUE, stroke=BLUE_DARK, rx=0)


def obj_disc(cx, cy, r):
    return circle(cx, cy, r, ORANGE, stroke=ORANGE_DARK)


def obj_green(x, y, w, h):
    return rect(x, y, w, h, GREEN, stroke=GREEN_DARK, rx=0)


ICONS["stickwell-group-left"] = svg(
    path("M1.5 0V16", extra=GUIDE),
    obj_box(1.5, 1.5, 8, 3), obj_disc(3.5, 8, 2), obj_green(1.5, 11.5, 12, 3))
ICONS["stickwell-group-hcenter"] = svg(
    obj_box(3.5, 1.5, 8, 3), obj_disc(7.5, 8, 2), obj_green(1.5, 11.5, 12, 3),
    path("M7.5 0V16", extra=GUIDE))
ICONS["stickwell-group-right"] = svg(
    path("M14.5 0V16", extra=GUIDE),
    obj_box(6.5, 1.5, 8, 3), obj_disc(12.5, 8, 2), obj_green(2.5, 11.5, 12, 3))
ICONS["stickwell-group-top"] = svg(
    path("M0 1.5H16", extra=GUIDE),
    obj_box(1.5, 1.5, 3, 8), obj_disc(8, 3.5, 2), obj_green(11.5, 1.5, 3, 12))
ICONS["stickwell-group-vcenter"] = svg(
    obj_box(1.5, 3.5, 3, 8), obj_disc(8, 7.5, 2), obj_green(11.5, 1.5, 3, 12),
    path("M0 7.5H16", extra=GUIDE))
ICONS["stickwell-group-bottom"] = svg(
    path("M0 14.5H16", extra=GUIDE),
    obj_box(1.5, 6.5, 3, 8), obj_disc(8, 12.5, 2), obj_green(11.5, 2.5, 3, 12))

# Equal spacing: three objects with the two equal gaps between them tinted.
GAP = "#f4c4bf"
ICONS["stickwell-group-space-h"] = svg(
    rect(4, 0, 2, 16, GAP, stroke=None, rx=0), rect(10, 0, 2, 16, GAP, stroke=None, rx=0),
    obj_box(0.5, 3.5, 3, 9), circle(8, 8, 1.5, ORANGE, stroke=ORANGE_DARK), obj_green(12.5, 4.5, 3, 7),
)
ICONS["stickwell-group-space-v"] = svg(
    rect(0, 4, 16, 2, GAP, stroke=None, rx=0), rect(0, 10, 16, 2, GAP, stroke=None, rx=0),
    obj_box(3.5, 0.5, 9, 3), circle(8, 8, 1.5, ORANGE, stroke=ORANGE_DARK), obj_green(4.5, 12.5, 7, 3),
)

# The application: a label on its backing sheet, its corner peeling up.
ICONS["quillon-stickwell"] = svg(
    rect(0.5, 1.5, 15, 13, SHADE, stroke=GREY, rx=2),
    path("M2.5 3.5H13.5V9L9 13.5H2.5Z", fill=PAPER, stroke=BLUE_DARK, extra='stroke-width="1"'),
    path("M13.5 9L9 13.5L10 10Z", fill=BLUE_LIGHT, stroke=BLUE_DARK),
    line(4.5, 5.5, 11.5, 5.5, stroke=BLUE, extra='stroke-width="1"'),
    line(4.5, 7.5, 9.5, 7.5, stroke=GREY),
    path("M4.5 9.5V11.5M5.5 9.5V11.5M7 9.5V11.5", stroke=INK, extra='stroke-linecap="butt"'),
)


def main():
    for name, text in ICONS.items():
        with open(os.path.join(HERE, name + ".svg"), "w") as f:
            f.write(text)
    with open(os.path.join(HERE, "icons.qrc"), "w") as f:
        f.write("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/stickwell/icons\">\n")
        for name in sorted(ICONS):
            f.write(f"    <file>{name}.svg</file>\n")
        f.write("  </qresource>\n</RCC>\n")


if __name__ == "__main__":
    main()
