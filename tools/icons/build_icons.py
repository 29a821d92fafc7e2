#!/usr/bin/python3
"""Builds the component library's two icon fonts from simple geometric
drawings made here (no outside glyphs).

Run with Debian's python3 and python3-fontforge:
    /usr/bin/python3 tools/icons/build_icons.py
It writes TovaUi/icon/iconfont.ttf (family "iconfont") and
TovaUi/icon/fontello.ttf (family "fontello"); both carry every icon at the
private-use code points the QML icon tables use. The output is committed;
run the script again after changing a drawing.

Drawings use a 24 x 24 grid with y pointing down, like SVG icons.
"""
import math
import os
import sys

# A fixed time stamp keeps the output byte-for-byte reproducible.
os.environ["SOURCE_DATE_EPOCH"] = "0"

import fontforge
import psMat

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, "..", "..", "TovaUi", "icon"))

EM = 1000
ASCENT = 850
DESCENT = 150
SCALE = 36.0          # font units per grid unit
LINE = 2.0            # default stroke width in grid units


def pt(x, y):
    """Grid point to font units (y up, icon centred on the em box)."""
    return (500 + (x - 12) * SCALE, 350 - (y - 12) * SCALE)


class Drawing:
    def __init__(self):
        self.fill = fontforge.layer()
        self.holes = fontforge.layer()   # counters lying wholly inside the fill

    def _stroked(self, points, closed, width):
        c = fontforge.contour()
        c.moveTo(*pt(*points[0]))
        for p in points[1:]:
            c.lineTo(*pt(*p))
        c.closed = closed
        layer = fontforge.layer()
        layer += c
        layer.stroke("circular", width * SCALE, "round", "round")
        return layer

    def line(self, *points, width=LINE):
        self.fill += self._stroked(list(points), False, width)

    def outline(self, *points, width=LINE):
        self.fill += self._stroked(list(points), True, width)

    def rect(self, x0, y0, x1, y1, width=LINE):
        self.outline((x0, y0), (x1, y0), (x1, y1), (x0, y1), width=width)

    def polygon(self, *points, hole=False):
        c = fontforge.contour()
        c.moveTo(*pt(*points[0]))
        for p in points[1:]:
            c.lineTo(*pt(*p))
        c.closed = True
        (self.holes if hole else self.fill).__iadd__(c)

    def box(self, x0, y0, x1, y1, hole=False):
        self.polygon((x0, y0), (x1, y0), (x1, y1), (x0, y1), hole=hole)

    def disc(self, cx, cy, r, hole=False):
        c = fontforge.unitShape(0)
        c.transform(psMat.compose(psMat.scale(r * SCALE), psMat.translate(*pt(cx, cy))))
        if hole:
            self.holes += c
        else:
            self.fill += c

    @staticmethod
    def arc_points(cx, cy, r, a0, a1, steps=24):
        """Points of an arc; angles in degrees, 0 = right, 90 = down."""
        return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
                 cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / steps)))
                for i in range(steps + 1)]

    def arc(self, cx, cy, r, a0, a1, width=LINE):
        self.line(*self.arc_points(cx, cy, r, a0, a1), width=width)

    def ring(self, cx, cy, r, width=LINE):
        self.outline(*self.arc_points(cx, cy, r, 0, 360, 48)[:-1], width=width)


def draw_close(d):
    d.line((6, 6), (18, 18))
    d.line((18, 6), (6, 18))


def draw_min(d):
    d.line((5, 12), (19, 12))


def draw_max(d):
    d.rect(5, 5, 19, 19)


def draw_normal(d):
    d.rect(5, 9, 15, 19)
    d.line((9, 9), (9, 5), (19, 5), (19, 15), (15, 15))


def draw_menu(d):
    for y in (6, 12, 18):
        d.line((4, y), (20, y))


def draw_files(d):
    d.outline((3, 5), (9, 5), (11, 8), (21, 8), (21, 19), (3, 19))


def draw_new_folder(d):
    d.line((13, 19), (3, 19), (3, 5), (9, 5), (11, 8), (21, 8), (21, 12))
    d.line((18, 14), (18, 22))
    d.line((14, 18), (22, 18))


def draw_chapter(d):
    for y in (6, 12, 18):
        d.disc(4.5, y, 1.5)
        d.line((9, y), (20, y))


def draw_word_count(d):
    d.box(3, 13, 7, 20)
    d.box(10, 7, 14, 20)
    d.box(17, 3, 21, 20)
    d.line((2, 21.5), (22, 21.5), width=1.2)


def draw_ranking(d):
    d.box(2, 13, 8, 20)
    d.box(9, 6, 15, 20)
    d.box(16, 10, 22, 20)
    d.polygon((12, 1.5), (13, 3.5), (11, 3.5))


def draw_through(d):
    d.line((6, 3), (6, 21))
    d.polygon((6, 3), (19, 7), (6, 12))


def draw_notes(d):
    d.rect(5, 3, 19, 21)
    for y in (8, 12, 16):
        d.line((9, y), (15, y), width=1.6)


def arc_run(cx, cy, r, keep):
    """The one unbroken run of whole-degree points of a circle for which
    keep(point) holds, in increasing angle."""
    inside = [keep((cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))))
              for a in range(360)]
    start = next(a for a in range(360) if inside[a] and not inside[a - 1])
    run = []
    a = start
    while inside[a % 360] and len(run) < 360:
        run.append((cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))))
        a += 1
    return run


def draw_lumo(d):
    # a crescent: the part of one disc outside a second, offset disc
    outer = arc_run(12, 12, 9, lambda p: math.hypot(p[0] - 17, p[1] - 7) > 6.5)
    inner = arc_run(17, 7, 6.5, lambda p: math.hypot(p[0] - 12, p[1] - 12) < 9)
    if math.dist(outer[-1], inner[0]) > math.dist(outer[-1], inner[-1]):
        inner.reverse()
    d.polygon(*(outer + inner))


def draw_setting(d):
    # a polygon: teeth as notches on the rim, so no overlaps need removing
    points = []
    for i in range(8):
        base = i * 45
        for angle, r in ((base - 16, 7.3), (base - 9, 10), (base + 9, 10), (base + 16, 7.3)):
            a = math.radians(angle)
            points.append((12 + r * math.cos(a), 12 + r * math.sin(a)))
    d.polygon(*points)
    d.disc(12, 12, 3, hole=True)


def draw_login(d):
    d.disc(12, 7.5, 4.5)
    d.polygon(*Drawing.arc_points(12, 21, 8.5, 180, 360, 24))


def draw_lock(d):
    d.box(5, 10, 19, 21)
    d.disc(12, 14.5, 1.8, hole=True)
    d.box(11.2, 15, 12.8, 18.5, hole=True)
    d.line((8, 10), (8, 7))
    d.arc(12, 7, 4, 180, 360)
    d.line((16, 7), (16, 10))


def draw_cloud(d):
    d.disc(7.5, 14.5, 4.5)
    d.disc(13, 10.5, 6)
    d.disc(17.5, 14.5, 4.5)
    d.box(7.5, 12, 17.5, 19)


def draw_history(d):
    d.arc(12, 12, 8.5, -150, 180)
    d.polygon((1, 8.5), (6.5, 8.5), (3.3, 13.5))
    d.line((12, 7), (12, 12), (15.5, 14.5))


def draw_search(d):
    d.ring(10, 10, 6)
    d.line((14.5, 14.5), (20.5, 20.5), width=3)


def arrow_pair(d):
    d.line((4, 8), (18, 8))
    d.line((14.5, 4.5), (18, 8), (14.5, 11.5))
    d.line((20, 16), (6, 16))
    d.line((9.5, 12.5), (6, 16), (9.5, 19.5))


def draw_replace(d):
    arrow_pair(d)


def draw_replace_all(d):
    d.line((4, 5), (18, 5))
    d.line((14.5, 1.5), (18, 5), (14.5, 8.5))
    d.line((20, 12), (6, 12))
    d.line((9.5, 8.5), (6, 12), (9.5, 15.5))
    d.line((4, 19), (20, 19))
    d.line((4, 22.5), (20, 22.5))


def draw_case(d):
    d.line((2.5, 19), (7.5, 5), (12.5, 19))
    d.line((4.5, 14), (10.5, 14))
    d.ring(17.5, 16, 2.8, width=1.8)
    d.line((20.3, 12.5), (20.3, 19), width=1.8)


def draw_regex(d):
    d.disc(5.5, 18.5, 2.2)
    for angle in (90, 30, 150):
        a = math.radians(angle)
        d.line((15 - 5.5 * math.cos(a), 9 - 5.5 * math.sin(a)),
               (15 + 5.5 * math.cos(a), 9 + 5.5 * math.sin(a)))


def draw_undo(d):
    d.line((5, 9), (14, 9))
    d.arc(14, 14, 5, -90, 90)
    d.line((14, 19), (8, 19))
    d.line((8.5, 5), (4.5, 9), (8.5, 13))


def draw_redo(d):
    d.line((19, 9), (10, 9))
    d.arc(10, 14, 5, 270, 90)
    d.line((10, 19), (16, 19))
    d.line((15.5, 5), (19.5, 9), (15.5, 13))


def draw_sort_up(d):
    d.line((12, 20), (12, 4))
    d.line((7, 9), (12, 4), (17, 9))


def draw_sort_down(d):
    d.line((12, 4), (12, 20))
    d.line((7, 15), (12, 20), (17, 15))


# code point -> (glyph name, drawing)
ICONS = {
    0xE601: ("close", draw_close),
    0xE751: ("minimize", draw_min),
    0xE60E: ("maximize", draw_max),
    0xE66B: ("restore", draw_normal),
    0xE611: ("menu", draw_menu),
    0xE60C: ("files", draw_files),
    0xE610: ("chapter", draw_chapter),
    0xE60D: ("wordcount", draw_word_count),
    0xE651: ("ranking", draw_ranking),
    0xE629: ("through", draw_through),
    0xE62A: ("notes", draw_notes),
    0xE628: ("lumo", draw_lumo),
    0xE65A: ("setting", draw_setting),
    0xE658: ("login", draw_login),
    0xE815: ("lock", draw_lock),
    0xE660: ("lockold", draw_lock),
    0xE70E: ("cloud", draw_cloud),
    0xE65E: ("history", draw_history),
    0xE69A: ("search", draw_search),
    0xE708: ("replace", draw_replace),
    0xE625: ("replaceall", draw_replace_all),
    0xE621: ("casesensitive", draw_case),
    0xE683: ("regex", draw_regex),
    0xE893: ("undo", draw_undo),
    0xE84F: ("redo", draw_redo),
    0xE612: ("sortup", draw_sort_up),
    0xE613: ("sortdown", draw_sort_down),
    0xE614: ("newfolder", draw_new_folder),
}


def build(family, path):
    font = fontforge.font()
    font.encoding = "UnicodeFull"
    font.em = EM
    font.ascent = ASCENT
    font.descent = DESCENT
    font.familyname = family
    font.fontname = family
    font.fullname = family
    font.weight = "Regular"
    font.copyright = "Penlark icon font; drawings made for this project"
    font.version = "1.0"
    font.sfnt_names = ()
    font.appendSFNTName("English (US)", "UniqueID", family + " 1.0")

    notdef = font.createChar(-1, ".notdef")
    notdef.width = EM
    space = font.createChar(0x20, "space")
    space.width = EM

    for code, (name, draw) in sorted(ICONS.items()):
        d = Drawing()
        draw(d)
        glyph = font.createChar(code, "uni%04X" % code)
        glyph.width = EM
        glyph.foreground = d.fill
        glyph.removeOverlap()
        glyph.correctDirection()
        if not d.holes.isEmpty():
            layer = glyph.foreground
            for c in d.holes:
                if c.isClockwise():
                    c.reverseDirection()
                layer += c
            glyph.foreground = layer
        glyph.simplify()
        glyph.round()
        glyph.glyphname = "uni%04X" % code
        if glyph.foreground.isEmpty():
            sys.exit("icon %s (%04X) came out empty" % (name, code))

    os.makedirs(os.path.dirname(path), exist_ok=True)
    font.generate(path, flags=("opentype", "omit-instructions"))
    font.close()


def main():
    build("iconfont", os.path.join(OUT, "iconfont.ttf"))
    build("fontello", os.path.join(OUT, "fontello.ttf"))
    print("wrote", os.path.join(OUT, "iconfont.ttf"), "and fontello.ttf")


if __name__ == "__main__":
    main()
