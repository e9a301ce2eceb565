#!/usr/bin/env python3
"""Generate the plug-in's pictures: page diagrams and LEDs (SVG), button and
application icons (PNG) and the direction animations of the control panels (GIF).

Run from the repository root:

    python3 tools/generate_artwork.py

It rewrites resources/Brevane/Resources/* and resources/Animation/Resources/*.
Only the standard library is used and the output is byte-identical on every run
(no time stamps, fixed iteration order), so the files can be committed.

The pages lay their own translated captions, parameter widgets and clickable
areas over the diagrams. A diagram therefore keeps the nominal size its name
carries, draws the signal flow with symbols, and leaves room where the forms
put their widgets: link blocks (light blue), dashed slots and the header bands of
function blocks carry no text. A picture draws no word, since no language would
translate it; its only texts are parameter coordinates, numbers and symbols.
"""

import math
import os
import re
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DIAGRAM_DIR = os.path.join(ROOT, "resources", "Brevane", "Resources")
ANIMATION_DIR = os.path.join(ROOT, "resources", "Animation", "Resources")

INK = "#404040"
ACCENT = "#1f5fa8"
BAND = "#dde7f4"
LINK_FILL = "#eef3fa"
IO_FILL = "#f2f2f2"
SLOT = "#9ba6b2"
MUTED = "#8c939b"
FONT = "sans-serif"


# --------------------------------------------------------------------------
# SVG primitives

def num(v):
    text = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if text in ("", "-0") else text


def esc(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;")
            .replace(">", "&gt;").replace('"', "&quot;"))


def pts_attr(pts):
    return " ".join("%s,%s" % (num(x), num(y)) for x, y in pts)


class Box:
    """Geometry of a drawn element; the ports are the edge midpoints."""

    def __init__(self, x, y, w, h):
        self.x, self.y, self.w, self.h = x, y, w, h

    @property
    def r(self):
        return self.x + self.w

    @property
    def b(self):
        return self.y + self.h

    @property
    def cx(self):
        return self.x + self.w / 2

    @property
    def cy(self):
        return self.y + self.h / 2

    def W(self, dy=0):
        return (self.x, self.cy + dy)

    def E(self, dy=0):
        return (self.r, self.cy + dy)

    def N(self, dx=0):
        return (self.cx + dx, self.y)

    def S(self, dx=0):
        return (self.cx + dx, self.b)


class Svg:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.defs = []
        self.body = []

    def el(self, tag, text=None, **attrs):
        parts = []
        for key, value in attrs.items():
            if value is None:
                continue
            name = key.rstrip("_").replace("_", "-")
            value = num(value) if isinstance(value, (int, float)) else esc(str(value))
            parts.append(' %s="%s"' % (name, value))
        if text is None:
            self.body.append("<%s%s/>" % (tag, "".join(parts)))
        else:
            self.body.append("<%s%s>%s</%s>" % (tag, "".join(parts), esc(text), tag))

    def rect(self, x, y, w, h, rx=0, fill="none", stroke=None, sw=1.0, dash=None, opacity=None):
        self.el("rect", x=x, y=y, width=w, height=h, rx=rx or None, fill=fill, stroke=stroke,
                stroke_width=sw if stroke else None, stroke_dasharray=dash, opacity=opacity)

    def circle(self, cx, cy, r, fill="none", stroke=None, sw=1.0, dash=None):
        self.el("circle", cx=cx, cy=cy, r=r, fill=fill, stroke=stroke,
                stroke_width=sw if stroke else None, stroke_dasharray=dash)

    def line(self, pts, color=INK, sw=1.4, dash=None):
        self.el("polyline", points=pts_attr(pts), fill="none", stroke=color, stroke_width=sw,
                stroke_linejoin="round", stroke_linecap="round", stroke_dasharray=dash)

    def polygon(self, pts, fill=INK, stroke=None, sw=1.0):
        self.el("polygon", points=pts_attr(pts), fill=fill, stroke=stroke,
                stroke_width=sw if stroke else None, stroke_linejoin="round")

    def path(self, d, fill="none", stroke=INK, sw=1.4):
        self.el("path", d=d, fill=fill, stroke=stroke, stroke_width=sw,
                stroke_linejoin="round", stroke_linecap="round")

    def text(self, x, y, text, size=12, anchor="middle", color=INK, bold=False):
        self.el("text", text, x=x, y=y, font_family=FONT, font_size=size,
                font_weight="bold" if bold else None, fill=color, text_anchor=anchor)

    def arrow(self, pts, color=INK, sw=1.4):
        (x1, y1), (x2, y2) = pts[-2], pts[-1]
        length = math.hypot(x2 - x1, y2 - y1) or 1.0
        ux, uy = (x2 - x1) / length, (y2 - y1) / length
        bx, by = x2 - ux * 7, y2 - uy * 7
        self.line(list(pts[:-1]) + [(bx, by)], color, sw)
        self.polygon([(x2, y2), (bx - uy * 3.5, by + ux * 3.5), (bx + uy * 3.5, by - ux * 3.5)], color)

    def render(self):
        head = ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                'width="%d" height="%d" viewBox="0 0 %d %d">\n' % (self.w, self.h, self.w, self.h))
        defs = "<defs>\n%s\n</defs>\n" % "\n".join(self.defs) if self.defs else ""
        return head + defs + "\n".join(self.body) + "\n</svg>\n"


# --------------------------------------------------------------------------
# Diagram vocabulary: blocks, slots, switches, nodes, icons

def block(s, x, y, w, h, title=None, icon=None):
    """Function block: white body, with a tinted header band unless the title is None.
    The band stays free ("") for the caption the form lays over it; a title of its
    own is a symbol or coordinate, never a word."""
    s.rect(x, y, w, h, 6, "#ffffff", INK, 1.4)
    top = y
    if title is not None and h >= 44:
        s.path("M%s,%s v-%s a6,6 0 0 1 6,-6 h%s a6,6 0 0 1 6,6 v%s z" % (
            num(x + 0.7), num(y + 19), num(13), num(w - 13.4), num(13)), fill=BAND, stroke="none")
        s.line([(x + 0.7, y + 19), (x + w - 0.7, y + 19)], INK, 0.8)
        if title:
            s.text(x + w / 2, y + 14, title, 11.5)
        top = y + 19
    elif title:
        s.text(x + w / 2, y + h / 2 + 4, title, 12)
        icon = None
    if icon:
        size = min(h - (top - y) - 10, w - 16, 40)
        if size >= 10:
            draw_icon(s, icon, x + w / 2, (top + y + h) / 2, size)
    return Box(x, y, w, h)


def link(s, x, y, w, h, icon=None):
    """Clickable area the form captions: accent outline, no text."""
    s.rect(x, y, w, h, 6, LINK_FILL, ACCENT, 1.4)
    if icon:
        size = min(16, h - 8)
        draw_icon(s, icon, x + w - size / 2 - 5, y + size / 2 + 4, size, ACCENT)
    return Box(x, y, w, h)


def io(s, x, y, w, h, title=None, icon=None):
    """Terminal of the drive (analog input, fieldbus, output). An empty title ("")
    with an icon keeps the icon at the right, leaving room for a caption of the form."""
    s.rect(x, y, w, h, 4, IO_FILL, INK, 1.2)
    if title == "" and icon:
        draw_icon(s, icon, x + w - 14, y + min(h / 2, 14), min(h - 8, 16))
    elif title and icon:
        s.text(x + 8, y + h / 2 + 4, title, 12, "start", bold=True)
        draw_icon(s, icon, x + w - 14, y + h / 2, min(h - 8, 16))
    elif title:
        s.text(x + w / 2, y + h / 2 + 4, title, 12, bold=True)
    elif icon:
        draw_icon(s, icon, x + w / 2, y + h / 2, min(h - 8, w - 8, 20))
    return Box(x, y, w, h)


def slot(s, x, y, w, h):
    """Free place for a parameter widget or caption of the form."""
    s.rect(x, y, w, h, 3, "#ffffff", SLOT, 1.0, "4 3", opacity=0.9)
    return Box(x, y, w, h)


def led_slot(s, cx, cy):
    s.circle(cx, cy, 7.5, "#ffffff", SLOT, 1.0, "2 2")
    return Box(cx - 7.5, cy - 7.5, 15, 15)


def icon_slot(s, x, y, size):
    s.rect(x, y, size, size, 4, "none", SLOT, 1.0, "4 3")
    return Box(x, y, size, size)


def dot(s, x, y):
    s.circle(x, y, 2.6, INK)


def node(s, cx, cy, op="+"):
    """Summing (+) or multiplying (x) point, OR gate (>=1)."""
    s.circle(cx, cy, 9, "#ffffff", INK, 1.4)
    if op == "+":
        s.line([(cx - 5, cy), (cx + 5, cy)], INK, 1.4)
        s.line([(cx, cy - 5), (cx, cy + 5)], INK, 1.4)
    elif op == "x":
        s.line([(cx - 4, cy - 4), (cx + 4, cy + 4)], INK, 1.4)
        s.line([(cx - 4, cy + 4), (cx + 4, cy - 4)], INK, 1.4)
    else:
        s.text(cx, cy + 4, op, 10)
    return Box(cx - 9, cy - 9, 18, 18)


def switch(s, x, ys, sel=0, yout=None, length=26, froms=None, color=INK):
    """Selector with its pivot at x + length. Inputs arrive at heights ys from the
    x positions `froms` and converge on closely spaced contacts at x; with an
    explicit yout the contacts stay at ys. The lever closes input `sel`."""
    n = len(ys)
    if yout is None:
        py = (ys[0] + ys[-1]) / 2
        pitch = min(12.0, abs(ys[-1] - ys[0]) / (n - 1)) if n > 1 else 0
        contacts = [py + (i - (n - 1) / 2.0) * pitch for i in range(n)]
    else:
        py, contacts = yout, list(ys)
    if froms is not None:
        for i, (fx, y, c) in enumerate(zip(froms, ys, contacts)):
            if abs(y - c) < 0.01:
                s.line([(fx, y), (x - 2.8, y)])
            else:
                rank = i if c > y else n - 1 - i       # outer inputs bend last
                bend = x - 8 - 6 * rank
                s.line([(fx, y), (bend, y), (bend, c), (x - 2.8, c)])
    px = x + length
    s.line([(px, py), (x + 2, contacts[sel])], color, 1.8)
    for c in contacts:
        s.circle(x, c, 2.8, "#ffffff", INK, 1.2)
    s.circle(px, py, 3.2, color)
    return (px, py)


def route(s, p, q, midx=None, arrow=True, color=INK):
    """Orthogonal connection from p to q (horizontal, vertical, horizontal)."""
    if abs(p[1] - q[1]) < 0.01 or abs(p[0] - q[0]) < 0.01:
        pts = [p, q]
    else:
        m = (p[0] + q[0]) / 2 if midx is None else midx
        pts = [p, (m, p[1]), (m, q[1]), q]
    (s.arrow if arrow else s.line)(pts, color)


def route_hv(s, p, q, arrow=True):
    """Horizontal, then vertical into q (for inputs from above or below)."""
    pts = [p, (q[0], p[1]), q]
    (s.arrow if arrow else s.line)(pts)


def column(s, x, y, w, entries, gap=8):
    """Stack of sources. Entry: ("S", h) slot, ("L", h[, icon]) link,
    ("AE", n[, h]) analog input n with its scaling stage (the form names the input),
    ("IO", h, title, icon)."""
    boxes = []
    for e in entries:
        kind = e[0]
        if kind == "S":
            boxes.append(slot(s, x, y, w, e[1]))
        elif kind == "L":
            boxes.append(link(s, x, y, w, e[1], e[2] if len(e) > 2 else None))
        elif kind == "IO":
            boxes.append(io(s, x, y, w, e[1], e[2], e[3] if len(e) > 3 else None))
        elif kind == "AE":
            aw = 64 if w >= 150 else w
            ah = e[2] if len(e) > 2 else 28
            a = io(s, x, y, aw, ah, "", "analog")
            if aw < w:
                scale = link(s, x + aw + 18, y, w - aw - 18, ah, "scale")
                s.arrow([a.E(), scale.W()])
                boxes.append(Box(x, y, w, ah))
            else:
                boxes.append(a)
        y = boxes[-1].b + gap
    return boxes


def sources(s, x, y, w, entries, sel=0, gap=8, swx=None):
    """Column of sources wired to a selector; returns the pivot point."""
    boxes = column(s, x, y, w, entries, gap)
    swx = x + w + 26 if swx is None else swx
    return switch(s, swx, [b.cy for b in boxes], sel, froms=[b.r for b in boxes])


BINARY = [("S", 20), ("S", 20), ("S", 20), ("S", 46)]          # Inaktiv, Aktiv, Parameter, DI
BINARY_COMPACT = [("S", 18), ("S", 18), ("S", 18), ("S", 40)]


def chain(s, start, x1, stages, lead=True):
    """Stages left to right on the height of `start`, evenly spread up to x1,
    joined by arrows. Stage: ("S", w, h), ("B", w, h, title, icon),
    ("L", w, h, icon), ("IO", w, h, title, icon), ("N", op[, side]),
    ("X", side[, sel]) two-way switch whose second input comes from `side`.
    side = ("S"|"L", dy, w, h[, icon]) below (dy > 0) or above (dy < 0)."""
    x0, y = start
    fixed = {"N": 18, "X": 30}
    widths = [fixed.get(st[0], st[1]) for st in stages]
    gap = (x1 - x0 - sum(widths)) / len(stages)
    if gap < 20:   # narrow picture: shrink the blocks, keep room for the arrows
        free = sum(w for st, w in zip(stages, widths) if st[0] not in fixed)
        k = (x1 - x0 - 20 * len(stages) - (sum(widths) - free)) / free
        widths = [w if st[0] in fixed else w * k for st, w in zip(stages, widths)]
        gap = 20
    x, prev, boxes = x0 + gap, start, []
    for st, w in zip(stages, widths):
        kind = st[0]
        if kind == "S":
            b = slot(s, x, y - st[2] / 2, w, st[2])
        elif kind == "B":
            b = block(s, x, y - st[2] / 2, w, st[2], st[3], st[4] if len(st) > 4 else None)
        elif kind == "L":
            b = link(s, x, y - st[2] / 2, w, st[2], st[3] if len(st) > 3 else None)
        elif kind == "IO":
            b = io(s, x, y - st[2] / 2, w, st[2], st[3], st[4] if len(st) > 4 else None)
        elif kind == "N":
            b = node(s, x + 9, y, st[1])
            if len(st) > 2:
                side = side_box(s, x + 9, y, st[2])
                if st[2][1] > 0:
                    s.arrow([side.N(), (x + 9, y + 9)])
                else:
                    s.arrow([side.S(), (x + 9, y - 9)])
        elif kind == "X":
            # the chain runs straight through input 0; input 1 comes from the side element
            dy = 16 if st[1][1] > 0 else -16
            s.line([prev, (x - 2.8, y)])
            pivot = switch(s, x, [y, y + dy], st[2] if len(st) > 2 else 0, yout=y)
            side = side_box(s, x - 20, y, st[1])
            s.line([(side.cx, side.y if dy > 0 else side.b), (side.cx, y + dy), (x - 2.8, y + dy)])
            boxes.append(Box(x, y - 4, 30, 8))
            prev = pivot
            x += w + gap
            continue
        if lead or boxes:
            s.arrow([prev, b.W()])
        prev = b.E()
        boxes.append(b)
        x += w + gap
    return boxes


def side_box(s, cx, y, side):
    kind, dy, w, h = side[:4]
    top = y + dy if dy > 0 else y + dy - h
    if kind == "L":
        return link(s, cx - w / 2, top, w, h, side[4] if len(side) > 4 else None)
    return slot(s, cx - w / 2, top, w, h)


def frame(s, x, y, w, h):
    s.rect(x, y, w, h, 10, "#f7f9fc", ACCENT, 1.0, "6 4")
    return Box(x, y, w, h)


# Icons: strokes in a unit square (-1..1, y down), scaled to `size`.

def unit(cx, cy, size, pts):
    k = size / 2
    return [(cx + px * k, cy + py * k) for px, py in pts]


def curve(f, a, b, n=16):
    return [(a + (b - a) * i / n, f(a + (b - a) * i / n)) for i in range(n + 1)]


ICON_STROKES = {
    "limit": [[(-1, 0.55), (-0.4, 0.55), (0.4, -0.55), (1, -0.55)]],
    "ramp": [[(-1, 0.6), (-0.5, 0.6), (0.4, -0.6), (1, -0.6)]],
    "lowpass": [curve(lambda t: 0.6 - 1.2 * (1 - math.exp(-3 * (t + 1))), -1, 1)],
    "abs": [[(-0.8, -0.7), (0, 0.6), (0.8, -0.7)]],
    "deadzone": [[(-1, 0.7), (-0.35, 0.05), (0.35, 0.05), (1, -0.6)]],
    "eq": [[(-0.7, -0.3), (0.7, -0.3)], [(-0.7, 0.3), (0.7, 0.3)]],
    "gt": [[(-0.5, -0.6), (0.5, 0), (-0.5, 0.6)]],
    "lt": [[(0.5, -0.6), (-0.5, 0), (0.5, 0.6)]],
    "scale": [[(-0.9, 0.6), (0.9, -0.6)]],
    "analog": [curve(lambda t: -0.55 * math.sin(math.pi * t), -1, 1)],
    "edge": [[(-1, 0.6), (0, 0.6), (0, -0.6), (1, -0.6)], [(-0.25, -0.15), (0, -0.45), (0.25, -0.15)]],
    "step": [[(-1, 0.6), (-0.4, 0.6), (-0.4, -0.5), (1, -0.5)]],
    "integ": [[(-1, 0.6), (-0.6, 0.6), (0.9, -0.7)]],
    "deriv": [[(-1, 0.6), (-0.4, 0.6), (-0.4, -0.8), (-0.1, 0.4), (1, 0.6)]],
    "di": [[(-1, 0.5), (-0.6, 0.5), (-0.6, -0.5), (-0.1, -0.5), (-0.1, 0.5), (0.3, 0.5),
            (0.3, -0.5), (0.7, -0.5), (0.7, 0.5), (1, 0.5)]],
    "updown": [[(-0.4, 0.8), (-0.4, -0.8)], [(-0.75, -0.4), (-0.4, -0.8), (-0.05, -0.4)],
               [(0.4, -0.8), (0.4, 0.8)], [(0.05, 0.4), (0.4, 0.8), (0.75, 0.4)]],
    "dir": [[(-0.9, 0), (0.9, 0)], [(-0.55, -0.35), (-0.9, 0), (-0.55, 0.35)],
            [(0.55, -0.35), (0.9, 0), (0.55, 0.35)]],
    "play": [[(-0.45, -0.7), (0.65, 0), (-0.45, 0.7), (-0.45, -0.7)]],
    "bus": [[(-1, -0.3), (1, -0.3)], [(-0.6, -0.3), (-0.6, 0.5)], [(0, -0.3), (0, 0.5)],
            [(0.6, -0.3), (0.6, 0.5)]],
    "panel": [[(-0.9, -0.7), (0.9, -0.7), (0.9, 0.7), (-0.9, 0.7), (-0.9, -0.7)],
              [(-0.5, 0.2), (-0.5, 0.25)], [(0, 0.2), (0, 0.25)], [(0.5, 0.2), (0.5, 0.25)],
              [(-0.6, -0.3), (0.6, -0.3)]],
    "table": [[(-0.9, -0.7), (0.9, -0.7), (0.9, 0.7), (-0.9, 0.7), (-0.9, -0.7)],
              [(-0.9, -0.23), (0.9, -0.23)], [(-0.9, 0.23), (0.9, 0.23)], [(-0.4, -0.7), (-0.4, 0.7)]],
    "window": [[(-1, -0.35), (1, -0.35)], [(-1, 0.35), (1, 0.35)],
               curve(lambda t: -0.75 * math.sin(math.pi * 0.9 * (t + 1)), -1, 1)],
    "target": [[(-0.9, 0), (-0.3, 0)], [(0.3, 0), (0.9, 0)], [(0, -0.9), (0, -0.3)], [(0, 0.3), (0, 0.9)]],
    "counter": [[(-0.8, 0.7), (-0.8, 0.2), (-0.3, 0.2), (-0.3, -0.3), (0.2, -0.3), (0.2, -0.8), (0.8, -0.8)]],
    "jog": [[(-0.9, 0), (-0.3, 0)], [(-0.6, -0.35), (-0.95, 0), (-0.6, 0.35)],
            [(0.3, 0), (0.9, 0)], [(0.6, -0.35), (0.95, 0), (0.6, 0.35)]],
    "torque": [[(0.75 * math.cos(a / 10.0), 0.75 * math.sin(a / 10.0)) for a in range(-20, 32)],
               [(-0.35, 0.35), (-0.3, 0.7), (0.05, 0.8)]],
    "prio": [[(-0.7, 0.7), (-0.7, 0.1)], [(-0.2, 0.7), (-0.2, -0.3)], [(0.3, 0.7), (0.3, -0.7)],
             [(-0.9, 0.7), (0.7, 0.7)]],
    "speed": [[(0.8 * math.cos(math.pi * (1 + i / 12.0)), 0.55 - 0.8 * math.sin(math.pi * i / 12.0))
               for i in range(13)], [(0, 0.55), (0.45, -0.05)]],
    "gear": [[(0.9 * (0.78 if (i // 2) % 2 else 1.0) * math.cos(2 * math.pi * (i + 0.5 * (i % 2)) / 16),
               0.9 * (0.78 if (i // 2) % 2 else 1.0) * math.sin(2 * math.pi * (i + 0.5 * (i % 2)) / 16))
              for i in range(17)]],
}
ICON_TEXT = {"const": "0 / 1", "pid": "PID", "motor": "M", "sum": "\u03a3"}


def draw_icon(s, kind, cx, cy, size, color=INK):
    if kind in ICON_TEXT:
        if kind == "motor":
            s.circle(cx, cy, size / 2, "#ffffff", color, 1.4)
        s.text(cx, cy + 4.5, ICON_TEXT[kind], 12 if size >= 18 else 11, color=color, bold=True)
        return
    strokes = ICON_STROKES[kind]
    sw = 1.6 if size >= 20 else 1.3
    if kind in ("limit", "lowpass", "integ", "deriv", "step", "ramp", "abs", "window", "deadzone"):
        axis = "#b5bcc4"
        s.line(unit(cx, cy, size, [(-1, 0.8), (1, 0.8)]), axis, 0.8)
        s.line(unit(cx, cy, size, [(-0.95, 0.95), (-0.95, -0.95)]), axis, 0.8)
    for stroke in strokes:
        s.line(unit(cx, cy, size, stroke), color if kind != "window" or stroke is strokes[2] else MUTED,
               sw, "3 2" if kind == "window" and stroke is not strokes[2] else None)
    if kind == "target":
        s.circle(cx, cy, size * 0.32, "none", color, sw)
        s.circle(cx, cy, size * 0.06, color)
    if kind == "speed":
        s.circle(cx, cy + size * 0.275, size * 0.07, color)
    if kind == "gear":
        s.circle(cx, cy, size * 0.18, "none", color, sw)


# --------------------------------------------------------------------------
# Diagram families

# The parameters of each comparator bank: the address of the watched parameter, and the
# rows that the operations feed into the comparison, in the order the page shows them
# (the REAL32 bank adds C84 in its wide variants).
COMPARATOR_PARAMETERS = {
    "INT32": ("C78", {"b": ("C79", "C82"), "e": ("C81", "C80", "C82")}),
    "INT16": ("C136", {"b": ("C137", "C140"), "e": ("C139", "C138", "C140")}),
    "INT8": ("C144", {"b": ("C145", "C148"), "e": ("C147", "C146", "C148")}),
    "REAL32": ("C65", {"b": ("C70",), "e": ("C71", "C72"), "f": ("C73", "C74")}),
}


def comparator(width, bank, variant):
    """Comparator banks. a: operation without a watched parameter (constant output);
    b/c/d: comparison against a value with hysteresis; e: window; f: target window.
    The REAL32 bank filters (low pass, absolute value) before comparing; its wide
    variants have room for the additional row. The watched parameter enters as the
    address that names it; the rows feeding the comparison carry their coordinates.
    The forms caption the blocks' header bands."""
    height = 240 if bank != "REAL32" else 180
    s = Svg(width, height)
    real = bank == "REAL32"
    op = variant[0]
    cy = 90 if not real else 62
    address, rows = COMPARATOR_PARAMETERS[bank]
    if op != "a":
        io(s, 20, cy - 15, 110, 30, address)
    # b, c, d: the operations "greater than", "less than" and "equal to", in the order the
    # drive numbers them (3, 5, 7); a has no band, since its page has no caption
    title = None if op == "a" else ""
    icon = {"a": "const", "b": "gt", "c": "lt", "d": "eq", "e": "window", "f": "target"}[op]
    if real:
        stages = [("B", 96, 64, "", "lowpass"), ("B", 96, 64, "", "abs"),
                  ("B", 130, 64, title, icon), ("IO", 70, 30, None, "step")]
        if op == "a":
            stages = stages[2:]
    else:
        stages = [("B", 150, 110, title, icon), ("IO", 70, 30, None, "step")]
    boxes = chain(s, (130, cy), width - 20, stages, lead=op != "a")
    comp = boxes[-2]
    if op == "a":
        return s
    inputs = rows["b" if op in "bcd" else op] + (("C84",) if variant.endswith("2") else ())
    slot_w = 92 if not real else 70
    if len(inputs) > 1:   # every arrow ends on the block
        slot_w = min(slot_w, (comp.w - 24) / (len(inputs) - 1) - 10)
    total = len(inputs) * slot_w + (len(inputs) - 1) * 10
    x = comp.cx - total / 2
    top = comp.b + (34 if not real else 36)
    for coordinate in inputs:
        b = io(s, x, top, slot_w, 24, coordinate)
        s.arrow([b.N(), (b.cx, comp.b)])
        x += slot_w + 10
    return s


def source_page(width, height, ais, stages, base=2, extra_rows=(), ae_h=28, generic=None,
                indirect=True, row_icon=None):
    """External source chosen by a parameter address: generic sources and the
    analog inputs the device has, the address selector, the signal path, and
    under the selector the slot of the indirectly read parameter.
    extra_rows: further paths below the sources, all ending in one tall target
    block at the right (velocity bracketing).
    generic: entries for the generic sources instead of `base` free slots;
    indirect=False leaves out the slot of the indirectly read parameter (the form
    shows it in its rows); row_icon draws the sources of the extra rows as
    terminals with that icon instead of free slots."""
    s = Svg(width, height)
    col_w = 150 if not ais else 240
    entries = (list(generic) if generic is not None else [("S", 28)] * base) + \
        [("AE", n, ae_h) for n in ais]
    col_h = sum(28 if e[0] != "AE" else ae_h for e in entries) + 10 * (len(entries) - 1)
    # without the slot below, the sources sit in the middle of the picture
    top = 20 if indirect or extra_rows else (height - col_h) / 2
    pivot = sources(s, 20, top, col_w, entries, sel=0, gap=10)
    if not extra_rows:
        chain(s, pivot, width - 20, stages)
        if indirect:
            slot(s, pivot[0] - 40, height - 44, min(260, width - pivot[0] + 20), 28)
            s.line([(pivot[0], height - 44), (pivot[0], pivot[1] + 6)], SLOT, 1.0, "2 3")
        return s
    target = link(s, width - 150, 20, 130, height - 40, stages[-1][3])
    boxes = chain(s, pivot, target.x - 40, stages[:-1])
    s.arrow([boxes[-1].E(), (target.x, boxes[-1].cy)])
    if indirect:
        slot(s, pivot[0] + 20, pivot[1] + 40, 220, 28)
        s.line([(pivot[0] + 20, pivot[1] + 54), (pivot[0], pivot[1] + 54), (pivot[0], pivot[1] + 6)],
               SLOT, 1.0, "2 3")
    bottom = 20 + col_h + 10
    step = (height - 10 - bottom) / len(extra_rows)
    for i, row in enumerate(extra_rows):
        y = bottom + step * (i + 0.5)
        if row_icon:
            src = io(s, 20, y - 13, 150, 26, None, row_icon)
        else:
            src = slot(s, 20, y - 13, col_w, 26)
        row_boxes = chain(s, src.E(), target.x - 40, row)
        s.arrow([row_boxes[-1].E(), (target.x, y)])
    return s


def binary_channels(width, height, channels, target_icon="pid"):
    """Several binary signals acting on one function (PID deactivation and preset),
    each chosen by its own selector from the same four kinds of source, which sit
    once on a common bar: inactive, active, parameter, digital inputs (a link).
    Channel: (icon, closed input); the form captions the channels' blocks."""
    s = Svg(width, height)
    n = len(channels)
    boxes = column(s, 20, 20, 150, [("S", 22), ("S", 22), ("S", 22), ("L", 54, "di")], 8)
    bar = 200
    tgt = link(s, width - 170, 40, 150, height - 80, target_icon)
    spacing = (height - 40) / n
    centres = [20 + spacing * (i + 0.5) for i in range(n)]
    taps = [[c - 15, c - 5, c + 5, c + 15] for c in centres]
    s.line([(bar, min(boxes[0].cy, taps[0][0])), (bar, max(boxes[-1].cy, taps[-1][-1]))], INK, 2.4)
    for b in boxes:
        s.line([b.E(), (bar, b.cy)])
        dot(s, bar, b.cy)
    for (icon, sel), ys in zip(channels, taps):
        pivot = switch(s, 250, ys, sel, yout=(ys[0] + ys[-1]) / 2, froms=[bar] * 4)
        blocks = chain(s, pivot, tgt.x - 40, [("B", 120, 50, "", icon)])
        route(s, blocks[-1].E(), (tgt.x, min(max(pivot[1], tgt.y + 12), tgt.b - 12)), midx=tgt.x - 20)
    return s


# The parameter through which each fieldbus drives the analog outputs.
FIELDBUS_VALUE = {"EtherCAT": "A255", "PROFINET": "A271", "CAN": "A246"}


def fieldbus_output(bus):
    """Analog output driven by the fieldbus: the bus, the value it writes, the scaling and
    the output terminal; the form names the bus, the scaling and the output (both outputs
    look alike)."""
    s = Svg(700, 180)
    bus_box = io(s, 20, 72, 170, 36, "", "bus")
    chain(s, bus_box.E(), 680, [("IO", 110, 30, FIELDBUS_VALUE[bus]), ("B", 110, 64, "", "scale"),
                                ("IO", 90, 40, "", "analog")])
    return s


def led(color):
    """16x16 LED. Lit: radial glow in the colour; unlit: grey, optionally crossed."""
    tones = {"green": ("#eaffea", "#3fd13f", "#137a13"), "red": ("#ffe6e6", "#f03030", "#8a0b0b"),
             "yellow": ("#fffbe0", "#ffd21f", "#9a7400"), "grey": ("#fafafa", "#c4c4c4", "#7d7d7d"),
             "cross": ("#f4f4f4", "#cdcdcd", "#8a8a8a")}[color]
    s = Svg(16, 16)
    s.defs.append('<radialGradient id="glow" cx="8" cy="8" r="7.5" fx="6" fy="5.5" '
                  'gradientUnits="userSpaceOnUse">'
                  '<stop offset="0" stop-color="%s"/><stop offset="0.55" stop-color="%s"/>'
                  '<stop offset="1" stop-color="%s"/></radialGradient>' % tones)
    s.circle(8, 8, 7.2, "url(#glow)", "#505050" if color in ("grey", "cross") else tones[2], 0.9)
    s.el("ellipse", cx=6.3, cy=5.2, rx=2.6, ry=1.6, fill="#ffffff", opacity=0.7)
    if color == "cross":
        s.line([(4.8, 4.8), (11.2, 11.2)], "#5a5a5a", 1.3)
        s.line([(4.8, 11.2), (11.2, 4.8)], "#5a5a5a", 1.3)
    return s


# --------------------------------------------------------------------------
# Single diagrams

def application_overview(with_scaling):
    """Drive Based application: sources and fieldbus feed the operating modes,
    the mode selector feeds the motion core, which drives the motor."""
    s = Svg(800, 440)
    bus = link(s, 20, 30, 140, 56, "bus")
    src = link(s, 20, 120, 140, 70, "di")
    if with_scaling:
        scl = link(s, 20, 224, 140, 56, "scale")
    panel = link(s, 20, 330, 140, 80, "panel")
    frame(s, 210, 20, 330, 300)
    modes = []
    for i in range(3):
        m = link(s, 240, 56 + 86 * i, 270, 70)
        icon_slot(s, m.x + 8, m.y + 7, 56)
        modes.append(m)
    for p in (bus.E(), src.E()):
        route(s, p, (210, p[1]))
    if with_scaling:
        s.line([scl.E(), (185, scl.cy), (185, 300)], INK)
        s.arrow([(185, 300), (210, 300)])
    route(s, (panel.r, panel.cy - 20), (210, panel.cy - 20 if panel.cy - 20 < 320 else 300), midx=185)
    pivot = switch(s, 570, [m.cy for m in modes], 1, froms=[m.r for m in modes])
    core = link(s, 630, pivot[1] - 65, 150, 130)
    icon_slot(s, core.x + 10, core.y + 10, 56)
    route(s, pivot, core.W())
    motor = Box(680, 300, 50, 50)
    draw_icon(s, "motor", motor.cx, motor.cy, 48)
    s.arrow([core.S(), (core.cx, motor.y)])
    jog = link(s, 240, 350, 200, 70)
    icon_slot(s, jog.x + 8, jog.y + 7, 56)
    extra = link(s, 470, 350, 150, 70, "sum")
    route(s, (panel.r, panel.cy + 20), (jog.x, panel.cy + 20))
    s.line([jog.N(60), (jog.cx + 60, 336), (600, 336), (600, core.cy + 30)])
    s.arrow([(600, core.cy + 30), (core.x, core.cy + 30)])
    s.line([(extra.cx, extra.y), (extra.cx, 336)], INK, 1.0, "3 3")
    return s


def cia402_overview():
    s = Svg(600, 260)
    core = link(s, 230, 20, 140, 220, "bus")
    for i in range(5):
        b = link(s, 20, 20 + 46 * i, 160, 36)
        route(s, b.E(), (core.x, b.cy))
    for i in range(4):
        b = link(s, 420, 20 + 46 * i, 160, 36)
        route(s, (core.r, b.cy), b.W())
    return s


def command_mode():
    s = Svg(640, 240)
    cmd = block(s, 240, 30, 200, 180, "", "play")
    for i in range(3):
        b = link(s, 20, 36 + 62 * i, 160, 44, "speed" if i < 2 else "scale")
        route(s, b.E(), (cmd.x, b.cy))
    core = link(s, 490, 90, 130, 60)
    s.arrow([cmd.E(), core.W()])
    return s


def motion_block_bin_signals():
    s = Svg(740, 220)
    pivot = sources(s, 20, 45, 140, BINARY, 3, 8)
    chain(s, pivot, 720, [("S", 90, 30), ("X", ("L", 34, 150, 40, "panel")), ("B", 150, 70, "", "table")])
    return s


def command_bin_signals():
    s = Svg(540, 220)
    pivot = sources(s, 20, 45, 140, BINARY, 3, 8)
    chain(s, pivot, 520, [("S", 90, 30), ("L", 150, 70, "play")])
    return s


def follow_up_trigger():
    s = Svg(660, 220)
    pivot = sources(s, 20, 45, 140, BINARY, 3, 8)
    chain(s, pivot, 640, [("B", 90, 50, None, "edge"), ("N", "\u22651", ("L", 40, 150, 36)), ("L", 170, 60, "table")])
    return s


def direct_block_start():
    s = Svg(860, 240)
    pivot = sources(s, 20, 80, 140, BINARY, 3, 8)
    boxes = chain(s, pivot, 840, [("B", 80, 50, None, "edge"), ("X", ("L", 50, 170, 40, "panel")),
                                  ("B", 150, 90, "", "prio"), ("L", 150, 60, "table")])
    prio = boxes[2]
    sel = link(s, prio.x, prio.y - 50, prio.w, 34, "table")
    s.arrow([sel.S(), (prio.cx, prio.y)])
    return s


def limitation_velocity():
    s = Svg(750, 220)
    pivot = sources(s, 20, 45, 140, BINARY, 3, 8)
    boxes = chain(s, pivot, 730, [("B", 170, 110, "", "limit"), ("L", 150, 60, "speed")])
    lim = boxes[0]
    led_slot(s, lim.x + 20, lim.b - 16)
    led_slot(s, lim.r - 20, lim.b - 16)
    for dx in (-50, 50):
        b = slot(s, lim.cx + dx - 40, 6, 80, 24)
        s.arrow([b.S(), (b.cx, lim.y)])
    return s


def motor_poti():
    """Four kinds of source on one bar, tapped by the up and the down selector; the
    form lays its captions into the source boxes and its two status LEDs into the
    round places on the selectors' outputs. The page links the inputs by a label
    of its own, so the digital inputs are no link here."""
    s = Svg(800, 220)
    boxes = column(s, 20, 14, 150, [("S", 22), ("S", 22), ("S", 22), ("S", 54)], 6)
    bar = 196
    taps = [[y - 15, y - 5, y + 5, y + 15] for y in (62, 138)]
    s.line([(bar, min(boxes[0].cy, taps[0][0])), (bar, max(boxes[-1].cy, taps[1][-1]))], INK, 2.4)
    for b in boxes:
        s.line([b.E(), (bar, b.cy)])
        dot(s, bar, b.cy)
    pot = block(s, 330, 30, 170, 150, "", "updown")
    for i, ys in enumerate(taps):
        pivot = switch(s, 240, ys, 3 - i, yout=(ys[0] + ys[-1]) / 2, froms=[bar] * 4)
        led_slot(s, 300, pivot[1] - 20)
        s.arrow([pivot, (pot.x, pivot[1])])
    boxes = chain(s, pot.E(), 700, [("B", 130, 70, "", "limit")])
    s.arrow([boxes[-1].E(), (780, pot.cy)])
    return s


def main_setpoint(second, additional):
    """Main or additional set value: external source, fixed values or parameter;
    the second variant selects the fixed value by binary signals."""
    s = Svg(640, 340 if second else 160)
    ext = link(s, 20, 20, 160, 34, "speed")
    par = slot(s, 20, 66, 160, 30)
    fix = link(s, 20, 108, 160, 34, "table")
    pivot = switch(s, 220, [ext.cy, par.cy, fix.cy], 2, froms=[ext.r, par.r, fix.r])
    stages = [("S", 100, 30), ("B", 110, 64, "", "ramp"), ("L", 120, 50, "sum" if additional else "speed")]
    chain(s, pivot, 620, stages)
    if second:
        sel = sources(s, 20, 190, 110, BINARY, 3, 8)
        x = sel[0] + 12
        s.arrow([sel, (x, sel[1]), (x, fix.b + 18), (fix.cx + 30, fix.b + 18), (fix.cx + 30, fix.b)])
    return s


def fixed_value_switch(second):
    if not second:
        s = Svg(350, 120)
        par = slot(s, 20, 14, 130, 30)
        fix = link(s, 20, 62, 130, 44, "table")
        pivot = switch(s, 190, [par.cy, fix.cy], 1, froms=[par.r, fix.r])
        out = slot(s, 260, pivot[1] - 15, 74, 30)
        s.arrow([pivot, out.W()])
        return s
    s = Svg(430, 220)
    par = slot(s, 150, 14, 120, 30)
    tab = block(s, 150, 60, 120, 146, None, None)
    for i in range(1, 8):
        s.line([(tab.x, tab.y + i * tab.h / 8), (tab.r, tab.y + i * tab.h / 8)], "#c8cdd3", 0.8)
    di = slot(s, 20, 110, 100, 46)
    s.arrow([di.E(), tab.W()])
    s.line([(128, di.cy + 5), (136, di.cy - 5)], INK, 1.0)
    pivot = switch(s, 300, [par.cy, tab.cy], 1, froms=[par.r, tab.r])
    out = slot(s, 350, pivot[1] - 15, 66, 30)
    s.arrow([pivot, out.W()])
    return s


def fixed_value_table():
    s = Svg(360, 430)
    ys = [30 + 22 * i for i in range(16)]
    mux = [(220, 12), (262, 40), (262, 370), (220, 398)]
    s.polygon(mux, "#ffffff", INK, 1.4)
    for y in ys:
        s.circle(24, y, 2.6, "#ffffff", INK, 1.2)
        s.line([(27, y), (220, y)], INK, 1.0)
    out = slot(s, 290, 190, 56, 30)
    s.arrow([(262, 205), out.W()])
    sel = link(s, 150, 394 - 0, 110, 30)
    s.arrow([(sel.cx + 40, sel.y), (sel.cx + 40, 386)])
    return s


def block_selection(binary):
    """Number of the block to run: binary from the eight bit sources J04, or the
    parameter J02; the direct start and the control panel take precedence."""
    s = Svg(640 if binary else 540, 250 if binary else 180)
    if binary:
        for i in range(8):
            b = io(s, 20, 14 + 22 * i, 140, 18, "J04.%d" % i)
            s.line([b.E(), (190, b.cy)], INK, 1.0)
        code = block(s, 190, 10, 60, 182, None, "sum")
        start = link(s, 20, 202, 230, 36, "edge")
        ys = [code.cy, start.cy]
        # The control panel's box sits above the second switch: far enough right to keep
        # clear of the sum block.
        pivot = switch(s, 296, ys, 0, froms=[code.r, start.r])
        chain(s, pivot, 630, [("X", ("L", -40, 120, 36, "panel")), ("B", 130, 80, "", "prio"),
                              ("L", 120, 56, "table")])
        return s
    start = link(s, 20, 20, 150, 36, "edge")
    par = io(s, 20, 74, 150, 30, "J02")
    pivot = switch(s, 200, [start.cy, par.cy], 0, froms=[start.r, par.r])
    chain(s, pivot, 520, [("X", ("L", 36, 140, 34, "panel")), ("B", 110, 64, "", "prio"),
                          ("L", 90, 50, "table")])
    return s


def motion_block_torque():
    s = Svg(500, 160)
    blk = link(s, 20, 24, 130, 40, "table")
    par = slot(s, 20, 86, 130, 30)
    pivot = switch(s, 180, [blk.cy, par.cy], 0, froms=[blk.r, par.r])
    chain(s, pivot, 480, [("B", 120, 70, "", "limit"), ("L", 100, 50, "torque")])
    return s


def direction_source(optimised):
    """Direction of motion from the application, the control word (a link) or, when
    positioning is directionally optimised, the motion core; only the plain variant
    links the application."""
    s = Svg(600, 160)
    app = ("L", 32, "di") if not optimised else ("IO", 32, "", "di")
    entries = [app, ("L", 28, "table")] + ([("IO", 32, "", "dir")] if optimised else [])
    pivot = sources(s, 20, 16 if optimised else 40, 150, entries, 0, 12)
    chain(s, pivot, 580, [("B", 110, 64, None, "dir"), ("L", 150, 60, "motor")])
    return s


def jog_mode(km2):
    s = Svg(650, 180)
    app = link(s, 20, 16, 170, 40, "di")
    panel = link(s, 20, 70, 170, 40, "panel")
    pivot = switch(s, 220, [app.cy, panel.cy], 0, froms=[app.r, panel.r])
    if km2:
        local = link(s, 20, 124, 170, 46, "panel")
        pivot = switch(s, 300, [pivot[1], local.cy], 0, froms=[pivot[0], local.r])
    chain(s, pivot, 630, [("B", 150, 110, "", "jog"), ("L", 130, 60, "motor")])
    return s


def velocity_mode(variant):
    """Velocity/torque mode: b velocity, c velocity with execute/cyclic start,
    d torque/force with velocity bracketing."""
    s = Svg(800, 300 if variant == "c" else 240)
    if variant == "d":
        rows = [link(s, 20, 24 + 64 * i, 150, 40, "torque" if i == 0 else "speed") for i in range(3)]
        trq = block(s, 230, 24, 150, 168, "", "torque")
        for r in rows:
            route(s, r.E(), (trq.x, r.cy))
        chain(s, trq.E(), 780, [("B", 120, 80, "", "limit"),
                                ("X", ("L", 40, 170, 46, "panel")), ("L", 120, 60, "motor")])
        return s
    main = link(s, 20, 30, 150, 40, "speed")
    aux = link(s, 20, 110, 150, 40, "sum")
    add = node(s, 210, main.cy, "+")
    s.arrow([main.E(), add.W()])
    route_hv(s, aux.E(), add.S())
    boxes = chain(s, add.E(), 780, [("B", 90, 60, "", "ramp"), ("N", "x", ("S", 36, 80, 26)),
                                    ("B", 120, 80, "", "limit"),
                                    ("X", ("L", 50, 170, 40, "panel")), ("L", 110, 60, "motor")])
    lim = boxes[2]
    led_slot(s, lim.x + 16, lim.b - 14)
    led_slot(s, lim.r - 16, lim.b - 14)
    if variant == "c":
        ys = [236, 270]
        for y in ys:
            slot(s, 20, y - 12, 150, 24)
        pivot = switch(s, 200, ys, 0, froms=[170, 170])
        s.arrow([pivot, (boxes[0].cx, pivot[1]), (boxes[0].cx, boxes[0].b)])
    return s


def pid_controller(extended):
    """PID controller: error of set and actual value, parallel P, I and D parts,
    low pass and limit. The extended form filters the actual value, has a dead zone
    on the error, feeds the set value forward to the output and shows the two
    sources of deactivation and preset as links. The blocks leave their header
    bands to the form's captions."""
    s = Svg(950 if extended else 800, 400 if extended else 380)
    k = 70 if extended else 0
    sp = link(s, 20, 50, 140, 40, "speed")
    pv = link(s, 20, 250, 140, 40, "scale")
    actual = pv.E()
    if extended:
        filt = block(s, 185, pv.cy - 18, 50, 36, None, "lowpass")
        s.arrow([pv.E(), filt.W()])
        actual = filt.E()
    err = node(s, 260 if extended else 230, sp.cy, "+")
    s.arrow([sp.E(), err.W()])
    s.arrow([actual, (err.cx, actual[1]), err.S()])
    s.text(err.cx + 13, err.b + 14, "\u2212", 13)
    fork = 275 + k
    after = err.E()
    if extended:
        dz = block(s, 284, sp.cy - 18, 48, 36, None, "deadzone")
        s.arrow([err.E(), dz.W()])
        after = dz.E()
    parts = ("step", "integ", "deriv")
    blocks = [block(s, 300 + k, 40 + 80 * i, 120, 60, "", ic) for i, ic in enumerate(parts)]
    s.line([after, (fork, after[1])])
    s.line([(fork, blocks[0].cy), (fork, blocks[2].cy)])
    for b in blocks:
        s.arrow([(fork, b.cy), b.W()])
    bus = 455 + k
    add = node(s, 480 + k, blocks[1].cy, "+")
    for b in blocks:
        s.line([b.E(), (bus, b.cy)])
    s.line([(bus, blocks[0].cy), (bus, blocks[2].cy)])
    s.arrow([(bus, add.cy), add.W()])
    init = block(s, add.cx - 60, 290, 120, 60, "", "step")
    s.arrow([init.N(), add.S()])
    stages = [("B", 100, 60, "", "lowpass"), ("B", 110, 60, "", "limit")]
    if extended:
        stages.append(("N", "+"))
    boxes = chain(s, add.E(), s.w - 60, stages)
    s.arrow([boxes[-1].E(), (s.w - 20, add.cy)])
    if extended:
        out = boxes[-1]
        gain = block(s, out.cx - 25, 8, 50, 30, None, "scale")
        tap = (175, sp.cy)
        dot(s, *tap)
        s.arrow([tap, (tap[0], gain.cy), gain.W()])
        s.arrow([gain.S(), out.N()])
        for i in range(2):
            src = link(s, init.r + 30, 284 + 38 * i, 210, 28)
            s.arrow([src.W(), (init.r, src.cy)])
    led_slot(s, s.w - 36, add.cy - 24)
    return s


def pid_source(kind, device, variant):
    """Set or actual value of the PID controller: its parameter, or the parameter
    an address names (the scaled analog inputs the device has are the usual
    choice, hence the dotted bracket), the feed-forward or filter input of the
    newer firmware ("b"), the limit (set value only) and the controller. The
    boxes carry the parameters' coordinates, which no language translates."""
    s = Svg(640, 280)
    ais = {"KM2": (1, 2, 3), "KN2KP2": (), "KQ2": (3,)}[device]
    par, adr, extra = ("G23", "G815", "G456") if kind == "Sollwert" else ("G25", "G816", "G457")
    pivot = sources(s, 20, 20, 150, [("IO", 28, par), ("IO", 28, adr)], sel=1, gap=10)
    if ais:
        named = column(s, 20, 106, 240, [("AE", n) for n in ais], gap=10)
        x = 274
        s.line([(170, 72), (170, 86), (x, 86), (x, named[-1].cy)], SLOT, 1.0, "2 3")
        for b in named:
            s.line([(b.r, b.cy), (x, b.cy)], SLOT, 1.0, "2 3")
    stages = []
    if variant == "b":
        stages.append(("N", "+") if kind == "Sollwert" else ("B", 60, 40, None, "lowpass"))
    if kind == "Sollwert":
        stages.append(("B", 100, 64, "", "limit"))
    stages.append(("L", 100, 70, "pid"))
    boxes = chain(s, pivot, 620, stages)
    if variant == "b":
        b = boxes[0]
        if kind == "Sollwert":    # feed-forward, added from above
            side = io(s, b.cx - 40, 4, 80, 24, extra)
            s.arrow([side.S(), b.N()])
        else:                     # filter time constant of the actual value
            side = io(s, b.cx - 40, b.b + 16, 80, 24, extra)
            s.line([side.N(), b.S()], SLOT, 1.0, "2 3")
    # devices with fewer analog inputs draw less: centre it in the picture's height
    s.body.insert(0, '<g transform="translate(0,%s)">' % num(pid_source_shift(device)))
    s.body.append("</g>")
    return s


def pid_source_shift(device):
    """How far pid_source moves its drawing down (the forms lay their captions
    with the same shift)."""
    bottom = {"KM2": 210, "KN2KP2": 86, "KQ2": 134}[device]
    return (280 - 20 - bottom) // 2


def torque_limit_source(device):
    """Torque/force limit from parameters or analog inputs; the limit block is the
    link to the limitation page, so the form captions it."""
    ais = {"KM2": (1, 2, 3), "KN2_KT2": (), "KQ2": (3,)}[device]
    s = Svg(800, 240)
    entries = [("L", 28, "table")] + [("AE", n, 34) for n in ais]
    total = 28 + 46 * len(ais)
    pivot = sources(s, 20, (240 - total) / 2, 240, entries, 0, 12)
    chain(s, pivot, 780, [("L", 150, 80, "limit"), ("IO", 130, 60, None, "torque")])
    return s


def counter():
    """Counter: counting input, direction and reset in, actual value out."""
    s = Svg(320, 150)
    cnt = block(s, 130, 20, 100, 110, "", "counter")
    for i, coordinate in enumerate(("N45", "N43", "N47")):
        b = io(s, 16, 30 + 34 * i, 84, 24, coordinate)
        s.arrow([b.E(), (cnt.x, b.cy)])
    out = io(s, 250, cnt.cy - 15, 56, 30, "N44")
    s.arrow([cnt.E(), out.W()])
    return s


def cams():
    s = Svg(400, 150)
    s.arrow([(90, 130), (388, 130)])
    s.line([(90, 134), (90, 14)], INK, 1.0)
    for i, (a, b) in enumerate(((130, 200), (180, 290), (250, 350))):
        y = 36 + 32 * i
        s.line([(90, y + 8), (a, y + 8), (a, y - 8), (b, y - 8), (b, y + 8), (380, y + 8)], ACCENT, 1.6)
        for x in (a, b):
            s.line([(x, y + 10), (x, 130)], "#c4cad1", 0.8, "3 3")
    return s


def indirect_trigger(variant):
    s = Svg(600, 100 if variant == "c" else 50)
    tgt = link(s, 410, 8, 170, 34, "table")
    # the five triggers' sources as one bundle
    s.line([(20, 25), (130, 25)], INK, 2.6)
    s.line([(70, 32), (80, 18)], INK, 1.0)
    if variant == "a":
        b = chain(s, (130, 25), tgt.x - 40, [("B", 70, 30, None, "edge")])[-1]
        s.arrow([b.E(), tgt.W()])
        return s
    if variant == "b":
        b = chain(s, (130, 25), tgt.x - 40, [("IO", 60, 30, "\u22651", None)])[-1]
        s.arrow([b.E(), tgt.W()])
        return s
    dot(s, 150, 25)
    s.line([(130, 25), (150, 25)])
    s.line([(150, 25), (150, 75), (190, 75)])
    s.circle(194, 75, 4, "#ffffff", INK, 1.2)
    pivot = switch(s, 240, [25, 75], 0, yout=25, froms=[150, 198])
    b = chain(s, pivot, tgt.x - 40, [("IO", 60, 30, "\u22651", None)])[-1]
    s.arrow([b.E(), tgt.W()])
    return s


def sync_command():
    s = Svg(400, 100)
    master = io(s, 20, 30, 60, 40, None, "speed")
    gear = block(s, 130, 18, 90, 64, None, "gear")
    s.arrow([master.E(), gear.W()])
    tgt = link(s, 270, 20, 110, 60)
    s.arrow([gear.E(), tgt.W()])
    return s


def winding_placeholder():
    s = Svg(400, 100)
    icon_slot(s, 20, 10, 80)
    tgt = link(s, 160, 25, 220, 50)
    s.arrow([(100, 50), tgt.W()])
    return s


def binary_sources_overview():
    s = Svg(600, 280)
    pivot = sources(s, 20, 30, 140, BINARY, 3, 8)
    app = link(s, 430, 20, 150, 196, "di")
    fan = 240
    s.line([pivot, (fan, pivot[1])])
    ys = [40 + 34 * i for i in range(5)]     # the lowest clear of the panel's caption
    s.line([(fan, ys[0]), (fan, ys[-1])])
    dot(s, fan, pivot[1])
    for y in ys:
        s.arrow([(fan, y), (app.x, y)])
        led_slot(s, 350, y)
    link(s, 20, 168, 140, 24, "di")                        # state of the inputs
    panel = link(s, 200, 236, 150, 34, "panel")
    jog = link(s, 20, 236, 150, 34, "jog")
    # the panel enters the application left of the control word, under its caption
    s.arrow([panel.E(), (app.x + 16, panel.cy), (app.x + 16, app.b)])
    s.line([jog.E(), panel.W()], INK, 1.0, "3 3")
    word = link(s, 480, 236, 100, 34, "table")
    s.arrow([(word.cx, app.b), word.N()])
    return s


def barrier_tape(disabled):
    """Background of the application control panel: a belt axis with its
    carriage and travel profile, framed by barrier tape (grey when not enabled)."""
    s = Svg(400, 340)
    for y0 in (6, 306):
        s.rect(6, y0, 388, 28, 4, "#f5c400", INK, 1.0)
        for i in range(13):
            x = 12 + 30 * i
            stripe = [(x, y0 + 27), (x + 14, y0 + 1), (x + 26, y0 + 1), (x + 12, y0 + 27)]
            s.polygon([(min(max(px, 7), 393), py) for px, py in stripe], "#303030")
    s.line([(40, 150), (40, 60)], INK, 1.0)
    s.arrow([(40, 150), (360, 150)], INK, 1.0)
    s.line([(50, 150), (110, 80), (270, 80), (330, 150)], ACCENT, 2.2)
    for cx in (70, 330):
        s.circle(cx, 240, 22, "#e4e7eb", INK, 1.6)
        s.circle(cx, 240, 5, INK)
    s.line([(70, 218), (330, 218)], INK, 2.0)
    s.line([(70, 262), (330, 262)], INK, 2.0)
    s.rect(170, 190, 70, 28, 4, ACCENT, INK, 1.2)
    s.arrow([(185, 180), (225, 180)], ACCENT, 1.6)
    svg = s.render()
    if disabled:
        svg = greyed(svg)
    return svg


def greyed(svg):
    """The same picture in pale greys."""
    def grey(match):
        r, g, b = (int(match.group(1)[i:i + 2], 16) for i in (0, 2, 4))
        v = int(round(0.3 * r + 0.59 * g + 0.11 * b))
        v = int(round(150 + v * 105 / 255.0))
        return "#%02x%02x%02x" % (v, v, v)
    return re.sub(r"#([0-9a-fA-F]{6})\b", grey, svg)


# --------------------------------------------------------------------------
# The table of all diagrams: file name -> builder

AI_SETS = {"NoAI": (), "AI1AI2": (1, 2), "AI3": (3,), "AI1AI2AI3": (1, 2, 3)}
EXT_HEIGHT = {"NoAI": 210, "AI1AI2": 270, "AI3": 240, "AI1AI2AI3": 300}
KLAMMER_HEIGHT = {"NoAI": 330, "AI1AI2": 360, "AI3": 330, "AI1AI2AI3": 380}
# The external sources: the address may name a fieldbus value, any other parameter or
# an analog input; the forms caption the links and blocks and show the indirectly read
# parameter in their rows. Scaling links are tall enough for a caption on two lines.
EXT_GENERIC = [("IO", 28, None, "bus"), ("IO", 28, None, "table")]
EXT_OPTIONS = {"ae_h": 34, "generic": EXT_GENERIC, "indirect": False}
EXT_STAGES = [("B", 110, 64, "", "limit"), ("L", 110, 60, "di")]


def diagram_table():
    t = {}
    for subject in ("SrcExtVelocity", "SrcExtAuxVel"):
        for ai, ais in AI_SETS.items():
            w = 500 if ai == "NoAI" else 650
            t["Brevane.%s %s %dh%dw.svg" % (subject, ai, EXT_HEIGHT[ai], w)] = (
                source_page, (w, EXT_HEIGHT[ai], ais, EXT_STAGES), EXT_OPTIONS)
    for ai, ais in AI_SETS.items():
        w = 600 if ai == "NoAI" else 800
        for form, icon in (("limit", "limit"), ("amount", "abs")):
            stages = [("B", 110, 64, "", icon), ("L", 110, 60, "di")]
            t["Brevane.SrcVelOverride %s %s %dh%dw.svg" % (ai, form, EXT_HEIGHT[ai], w)] = (
                source_page, (w, EXT_HEIGHT[ai], ais, stages), EXT_OPTIONS)
        h = KLAMMER_HEIGHT[ai]
        rows = [[("B", 110, 46, "", "limit")]] * 2
        stages = [("B", 110, 64, "", "limit"), ("L", 130, 0, "torque")]
        t["Brevane.DbmQuelleDrehmKraftGeschwKlammerung %s h%dw900.svg" % (ai, h)] = (
            source_page, (900, h, ais, stages, 2, rows), dict(EXT_OPTIONS, row_icon="speed"))
    for bank in ("Int32", "Int16", "Int8"):
        for v in "abcde":
            t["Komp%s_%s_500_240.svg" % (bank, v)] = (comparator, (500, bank.upper(), v))
    t["KompReal32_a_700_180.svg"] = (comparator, (700, "REAL32", "a"))
    for v in "bcdef":
        t["KompReal32_%s1_700_180.svg" % v] = (comparator, (700, "REAL32", v + "1"))
        t["KompReal32_%s2_780_180.svg" % v] = (comparator, (780, "REAL32", v + "2"))
    for kind in ("Sollwert", "Istwert"):
        for device in ("KM2", "KN2KP2", "KQ2"):
            for v in "ab":
                t["Pid%s_%s_%s_640_280.svg" % (kind, device, v)] = (pid_source, (kind, device, v))
    for device in ("KM2", "KN2_KT2", "KQ2"):
        t["DrehmomentKraftBegrenzung_%s_800_240.svg" % device] = (torque_limit_source, (device,))
    for output in (1, 2):
        for bus in ("CAN", "EtherCAT", "PROFINET"):
            t["Fieldbus_AnalogAusgang%d_%s_700_180.svg" % (output, bus)] = (fieldbus_output, (bus,))
    for name, color in (("LED_GREEN_ON", "green"), ("LED_red_on", "red"), ("LED_yellow_on", "yellow"),
                        ("ledgrey", "grey"), ("ledgreyCross", "cross")):
        t[name + ".svg"] = (led, (color,))
    t.update({
        "AuswahlFestwerte_a_350_120.svg": (fixed_value_switch, (False,)),
        "AuswahlFestwerte_b_430_220.svg": (fixed_value_switch, (True,)),
        "BegrGeschwBetrGeschwDrehmKraft_750_220.svg": (limitation_velocity, ()),
        "CBMUebersicht_600_260.svg": (cia402_overview, ()),
        "Counter_320_150.svg": (counter, ()),
        "DBM Quelle Fahrsatz Binaersignale_740_220.svg": (motion_block_bin_signals, ()),
        "DBM Quelle Kommando Binaersignale_540_220.svg": (command_bin_signals, ()),
        "DBM_Kommando_640_240.svg": (command_mode, ()),
        "DBM_SyncKommando_400_100.svg": (sync_command, ()),
        "DBM_Winding_leer_400_100.svg": (winding_placeholder, ()),
        "DbmApplikationKM2_800_440.svg": (application_overview, (True,)),
        "DbmApplikationKN2_KP2_800_440.svg": (application_overview, (False,)),
        "DbmGeschwDrehmKraft_b_800_240.svg": (velocity_mode, ("b",)),
        "DbmGeschwDrehmKraft_c_800_300.svg": (velocity_mode, ("c",)),
        "DbmGeschwDrehmKraft_d_800_240.svg": (velocity_mode, ("d",)),
        "DbmHauptsollwert_1_640_160.svg": (main_setpoint, (False, False)),
        "DbmHauptsollwert_2_640_340.svg": (main_setpoint, (True, False)),
        "DbmZusatzsollwert_1_640_160.svg": (main_setpoint, (False, True)),
        "DbmZusatzsollwert_2_640_340.svg": (main_setpoint, (True, True)),
        "DbmQuelleDrehrichtung_a_600_160.svg": (direction_source, (False,)),
        "DbmQuelleDrehrichtung_b_600_160.svg": (direction_source, (True,)),
        "DbmQuelleFahrsatzDrehmomentKraft_500_160.svg": (motion_block_torque, ()),
        "DbmQuelleTriggerFolgefahrsatz_660_220.svg": (follow_up_trigger, ()),
        "DbmQuellenBinaersignale_600_280.svg": (binary_sources_overview, ()),
        "DbmTipbetrieb_KM2_650_180.svg": (jog_mode, (True,)),
        "DbmTipbetrieb_KN2KP2_650_180.svg": (jog_mode, (False,)),
        "Fahrsatzauswahl_a_540_180.svg": (block_selection, (False,)),
        "Fahrsatzauswahl_b_640_250.svg": (block_selection, (True,)),
        "Festwerte_360_430.svg": (fixed_value_table, ()),
        "Motorpoti_800_220.svg": (motor_poti, ()),
        "Nocken_400_150.svg": (cams, ()),
        "PidRegler_1_800_380.svg": (pid_controller, (False,)),
        "PidRegler_2_950_400.svg": (pid_controller, (True,)),
        "QuelleDirekterFahrsatzstart_860_240.svg": (direct_block_start, ()),
        "QuelleIndirekterTriggerFolgefahrsatz_a_600_50.svg": (indirect_trigger, ("a",)),
        "QuelleIndirekterTriggerFolgefahrsatz_b_600_50.svg": (indirect_trigger, ("b",)),
        "QuelleIndirekterTriggerFolgefahrsatz_c_600_100.svg": (indirect_trigger, ("c",)),
        "SrcDisablePidRegler_1_720_400.svg": (binary_channels, (
            720, 400, [("step", 3), ("edge", 3)], "pid")),
        "SrcDisablePidRegler_2_720_400.svg": (binary_channels, (
            720, 400, [("step", 3), ("edge", 3), ("step", 0)], "pid")),
        "Trassierband_400_340.svg": (barrier_tape, (False,)),
        "Trassierband_disabled_400_340.svg": (barrier_tape, (True,)),
    })
    return t


def nominal_size(name):
    """Width and height as the file name gives them (LEDs: 16 x 16)."""
    m = re.search(r"(\d+)h(\d+)w\.svg$", name)
    if m:
        return int(m.group(2)), int(m.group(1))
    m = re.search(r"h(\d+)w(\d+)\.svg$", name)
    if m:
        return int(m.group(2)), int(m.group(1))
    m = re.search(r"_(\d+)_(\d+)\.svg$", name)
    if m:
        return int(m.group(1)), int(m.group(2))
    return 16, 16


# --------------------------------------------------------------------------
# Raster pictures: a small scanline rasteriser (4 sub-scanlines per pixel,
# exact horizontal coverage), shapes as polygons with the non-zero rule.

def rgba(color, alpha=1.0):
    return (int(color[1:3], 16) / 255.0, int(color[3:5], 16) / 255.0, int(color[5:7], 16) / 255.0, alpha)


def area(contour):
    return sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(contour, contour[1:] + contour[:1])) / 2


def positive(contour):
    return contour if area(contour) >= 0 else contour[::-1]


class Canvas:
    SUB = 4

    def __init__(self, w, h, scale=1.0):
        self.w, self.h, self.scale = w, h, scale
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]

    def coverage(self, contours):
        edges = []
        for c in contours:
            c = [(x * self.scale, y * self.scale) for x, y in c]
            for (x0, y0), (x1, y1) in zip(c, c[1:] + c[:1]):
                if y0 == y1:
                    continue
                d = 1 if y1 > y0 else -1
                if y0 > y1:
                    x0, y0, x1, y1 = x1, y1, x0, y0
                edges.append((y0, y1, x0, (x1 - x0) / (y1 - y0), d))
        if not edges:
            return {}
        top = max(0, int(math.floor(min(e[0] for e in edges))))
        bottom = min(self.h, int(math.ceil(max(e[1] for e in edges))))
        cov = {}
        for row in range(top, bottom):
            live = [e for e in edges if e[0] < row + 1 and e[1] > row]
            acc = {}
            for k in range(self.SUB):
                sy = row + (k + 0.5) / self.SUB
                xs = sorted((e[2] + (sy - e[0]) * e[3], e[4]) for e in live if e[0] <= sy < e[1])
                wind, start = 0, 0.0
                for x, d in xs:
                    if wind == 0:
                        start = x
                    wind += d
                    if wind == 0:
                        self._span(acc, start, x)
            for col, v in acc.items():
                cov[row * self.w + col] = min(1.0, v / self.SUB)
        return cov

    def _span(self, acc, a, b):
        a, b = max(a, 0.0), min(b, float(self.w))
        if b <= a:
            return
        first, last = int(a), min(int(math.ceil(b)) - 1, self.w - 1)
        for col in range(first, last + 1):
            v = min(b, col + 1) - max(a, col)
            if v > 0:
                acc[col] = acc.get(col, 0.0) + v

    def fill(self, contours, color, color2=None):
        """Fill with a colour, or with a vertical gradient color -> color2 over the shape."""
        cov = self.coverage(contours)
        if not cov:
            return
        c1 = rgba(color) if isinstance(color, str) else color
        c2 = (rgba(color2) if isinstance(color2, str) else color2) if color2 else None
        rows = [i // self.w for i in cov]
        r0, r1 = min(rows), max(rows) + 1
        for i in sorted(cov):
            c = c1
            if c2:
                t = ((i // self.w) + 0.5 - r0) / max(1, r1 - r0)
                c = tuple(c1[j] + (c2[j] - c1[j]) * t for j in range(4))
            a = cov[i] * c[3]
            p = self.px[i]
            out_a = a + p[3] * (1 - a)
            if out_a > 0:
                for j in range(3):
                    p[j] = (c[j] * a + p[j] * p[3] * (1 - a)) / out_a
            p[3] = out_a

    # shapes (design units)
    def polygon(self, pts, color, color2=None):
        self.fill([positive(list(pts))], color, color2)

    def circle(self, cx, cy, r, color, color2=None):
        self.fill([circle_pts(cx, cy, r)], color, color2)

    def ring(self, cx, cy, r_out, r_in, color):
        self.fill([circle_pts(cx, cy, r_out), circle_pts(cx, cy, r_in)[::-1]], color)

    def stroke(self, pts, width, color):
        """Polyline with round caps and joins."""
        self.fill(stroke_contours(pts, width), color)

    def arc(self, cx, cy, r, a0, a1, width, color):
        """Arc from angle a0 to a1 (degrees, clockwise on screen)."""
        n = max(8, int(abs(a1 - a0) / 4))
        pts = [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
                cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]
        self.stroke(pts, width, color)

    def png(self):
        raw = bytearray()
        for y in range(self.h):
            raw.append(0)
            for p in self.px[y * self.w:(y + 1) * self.w]:
                raw.extend(int(round(max(0.0, min(1.0, v)) * 255)) for v in p)
        return png_bytes(self.w, self.h, bytes(raw))


def circle_pts(cx, cy, r, n=None):
    n = n or max(24, int(r * 3))
    return [(cx + r * math.cos(2 * math.pi * i / n), cy + r * math.sin(2 * math.pi * i / n)) for i in range(n)]


def stroke_contours(pts, width):
    h = width / 2
    contours = [circle_pts(x, y, h, 16) for x, y in pts]
    for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
        length = math.hypot(x1 - x0, y1 - y0)
        if length == 0:
            continue
        nx, ny = -(y1 - y0) / length * h, (x1 - x0) / length * h
        contours.append(positive([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]))
    return contours


def png_bytes(w, h, raw):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def rotate(pts, cx, cy, deg):
    c, s = math.cos(math.radians(deg)), math.sin(math.radians(deg))
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in pts]


# --------------------------------------------------------------------------
# Button icons, drawn in a 32 x 32 design space at the size the forms show them

ICON_SIZE = 40

GREEN, GREEN_DARK = "#5cc46a", "#2b8a3b"
RED, RED_DARK = "#e8615a", "#a8241c"
BLUE, BLUE_DARK = "#4a88d0", "#1f5fa8"


def block_arrow(c, direction, color, color2):
    pts = [(4, 12), (17, 12), (17, 5), (28, 16), (17, 27), (17, 20), (4, 20)]
    c.polygon(rotate(pts, 16, 16, {"right": 0, "down": 90, "left": 180, "up": 270}[direction]), color, color2)


def icon_play(c):
    c.polygon([(9, 5), (27, 16), (9, 27)], GREEN, GREEN_DARK)


def icon_stop(c):
    c.polygon(rounded_rect(6, 6, 20, 20, 3), RED, RED_DARK)


def icon_reset(c):
    c.circle(16, 16, 13, RED, RED_DARK)
    for a in (45, 135):
        c.stroke([rotate([(16, 9)], 16, 16, a)[0], rotate([(16, 23)], 16, 16, a)[0]], 3.4, "#ffffff")


def icon_halt(c):
    octagon = [(16 + 14 * math.cos(math.radians(22.5 + 45 * i)), 16 + 14 * math.sin(math.radians(22.5 + 45 * i)))
               for i in range(8)]
    c.polygon(octagon, RED, RED_DARK)
    c.polygon(rounded_rect(11, 14, 11, 10, 3), "#ffffff")
    for x, top in ((12, 9), (15, 7.5), (18, 8), (21, 10)):
        c.stroke([(x, top), (x, 16)], 2.4, "#ffffff")
    c.stroke([(11.2, 19.5), (8.5, 16.5)], 2.4, "#ffffff")


def icon_handshake(c):
    def big(pts):
        return [(16 + (x - 16) * 1.18, 17 + (y - 17) * 1.18) for x, y in pts]
    c.polygon(big([(1, 15), (8, 9), (12, 13), (5, 20)]), BLUE, BLUE_DARK)
    c.polygon(big([(31, 15), (24, 9), (20, 13), (27, 20)]), "#8c939b", "#5d646b")
    c.polygon(big([(8, 15), (12, 11), (17, 10), (24, 14), (24, 18), (18, 24), (13, 22)]), "#f0c39b", "#d79a68")
    for x, y in ((12.5, 15.5), (15, 17.5), (17.5, 19.5)):
        c.stroke(big([(x, y), (x + 5, y - 4)]), 1.4, "#a86a3a")
    c.stroke(big([(12, 11), (17, 10), (20, 12)]), 1.4, "#a86a3a")


def icon_error(c):
    c.polygon([(16, 2.5), (30, 28), (2, 28)], "#3a3a3a")
    c.polygon([(16, 6), (27.2, 26.2), (4.8, 26.2)], "#ffd84a", "#f0b400")
    c.stroke([(16, 12), (16, 19.5)], 3.0, "#202020")
    c.circle(16, 23.2, 1.7, "#202020")


def icon_redo(c):
    c.arc(16, 18, 9, 190, 350, 3.4, BLUE_DARK)
    c.polygon([(20.5, 13.5), (29, 11), (27.5, 20)], BLUE_DARK)


def icon_repeat(c):
    c.arc(16, 16, 10, 200, 330, 3.2, BLUE_DARK)
    c.arc(16, 16, 10, 20, 150, 3.2, BLUE_DARK)
    c.polygon([(21.5, 8.5), (29, 6.5), (27.5, 14.5)], BLUE_DARK)
    c.polygon([(10.5, 23.5), (3, 25.5), (4.5, 17.5)], BLUE_DARK)


def icon_reference(c):
    c.ring(16, 16, 11, 8.6, BLUE_DARK)
    for a, b in (((16, 1.5), (16, 10)), ((16, 22), (16, 30.5)), ((1.5, 16), (10, 16)), ((22, 16), (30.5, 16))):
        c.stroke([a, b], 2.2, INK)
    c.circle(16, 16, 3.2, RED_DARK)


def icon_power(c, color, dark):
    c.arc(16, 17, 10, -60, 240, 3.6, dark)
    c.stroke([(16, 3.5), (16, 15)], 3.6, dark)


def rounded_rect(x, y, w, h, r, n=6):
    pts = []
    for cx, cy, a0 in ((x + w - r, y + r, -90), (x + w - r, y + h - r, 0), (x + r, y + h - r, 90), (x + r, y + r, 180)):
        pts += [(cx + r * math.cos(math.radians(a0 + 90 * i / n)), cy + r * math.sin(math.radians(a0 + 90 * i / n)))
                for i in range(n + 1)]
    return pts


BUTTON_ICONS = {
    "Play.png": icon_play,
    "Stop.png": icon_stop,
    "Reset_Cancel.png": icon_reset,
    "Halt-Funktion.png": icon_halt,
    "Handshake.png": icon_handshake,
    "Error.png": icon_error,
    "Next.png": lambda c: block_arrow(c, "right", BLUE, BLUE_DARK),
    "Previous.png": lambda c: block_arrow(c, "left", BLUE, BLUE_DARK),
    "GreenUpButton.png": lambda c: block_arrow(c, "up", GREEN, GREEN_DARK),
    "GreenDownButton.png": lambda c: block_arrow(c, "down", GREEN, GREEN_DARK),
    "Redo.png": icon_redo,
    "Repeat.png": icon_repeat,
    "RefSetzen.png": icon_reference,
    "Turn on.png": lambda c: icon_power(c, GREEN, GREEN_DARK),
    "Turn off.png": lambda c: icon_power(c, RED, RED_DARK),
}


# --------------------------------------------------------------------------
# Application icons, 300 x 300, drawn in a 100 x 100 design space

def tile(c):
    c.polygon(rounded_rect(3, 3, 94, 94, 14), ACCENT)
    c.polygon(rounded_rect(5, 5, 90, 90, 12), "#f6f9fd", "#dde7f4")


def app_velocity(c):
    tile(c)
    c.arc(50, 58, 32, 150, 390, 7, "#c9d5e4")
    c.arc(50, 58, 32, 150, 300, 7, ACCENT)
    for i in range(9):
        a = math.radians(150 + 30 * i)
        c.stroke([(50 + 22 * math.cos(a), 58 + 22 * math.sin(a)), (50 + 25 * math.cos(a), 58 + 25 * math.sin(a))],
                 2, INK)
    c.stroke([(50, 58), (50 + 24 * math.cos(math.radians(300)), 58 + 24 * math.sin(math.radians(300)))], 4, INK)
    c.circle(50, 58, 5.5, INK)


def app_command(c):
    tile(c)
    c.polygon(rounded_rect(17, 22, 66, 56, 6), "#3b4a5c", "#28323f")
    c.stroke([(28, 38), (38, 47), (28, 56)], 5, "#ffffff")
    c.stroke([(44, 58), (62, 58)], 5, "#7fb2ee")
    c.polygon(rounded_rect(17, 22, 66, 8, 3), ACCENT)


def app_motion_blocks(c):
    tile(c)
    c.polygon(rounded_rect(16, 18, 68, 64, 4), "#ffffff")
    for i in range(4):
        y = 22 + 15 * i
        if i == 1:
            c.polygon(rounded_rect(18, y - 1, 64, 13, 2), "#cfe0f5")
        c.polygon(rounded_rect(20, y + 2, 10, 7, 1.5), ACCENT)
        c.stroke([(36, y + 5.5), (56, y + 5.5)], 3, INK)
        c.stroke([(62, y + 5.5), (76, y + 5.5)], 3, "#9aa4af")
    c.stroke([(16, 18), (84, 18), (84, 82), (16, 82), (16, 18)], 2.5, INK)
    c.arc(84, 44, 8, -90, 90, 3, ACCENT)
    c.polygon([(84, 48.5), (78, 52), (84, 55.5)], ACCENT)


def app_motion(c):
    tile(c)
    c.stroke([(16, 80), (16, 18)], 2.5, INK)
    c.stroke([(16, 80), (86, 80)], 2.5, INK)
    c.polygon([(86, 76), (92, 80), (86, 84)], INK)
    c.polygon([(12, 18), (16, 12), (20, 18)], INK)
    c.stroke([(20, 76), (36, 36), (62, 36), (78, 76)], 4.5, ACCENT)
    s_curve = [(20 + 58 * t, 72 - 44 * (3 * t * t - 2 * t * t * t)) for t in [i / 24 for i in range(25)]]
    c.stroke(s_curve, 3, "#8c939b")


def gear_pts(cx, cy, r, teeth, depth, phase=0.0):
    pts = []
    for i in range(teeth * 4):
        a = 2 * math.pi * (i + phase * 4) / (teeth * 4)
        rr = r if (i % 4) in (0, 1) else r - depth
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return pts


def app_synchronous(c):
    tile(c)
    c.fill([positive(gear_pts(40, 56, 26, 10, 6)), circle_pts(40, 56, 7)[::-1]], ACCENT, "#174a85")
    c.fill([positive(gear_pts(70, 30, 17, 7, 5, 0.3)), circle_pts(70, 30, 5)[::-1]], "#8c939b", "#5d646b")


def app_jog(c):
    tile(c)
    c.polygon([(10, 50), (30, 32), (30, 43), (44, 43), (44, 57), (30, 57), (30, 68)], ACCENT)
    c.polygon([(90, 50), (70, 32), (70, 43), (56, 43), (56, 57), (70, 57), (70, 68)], ACCENT)
    c.circle(50, 50, 8, INK)
    c.polygon(rounded_rect(45, 54, 10, 26, 5), "#f0c39b", "#d79a68")
    c.polygon(rounded_rect(42, 70, 20, 16, 6), "#f0c39b", "#d79a68")


def app_winder(c):
    tile(c)
    for r, color in ((30, "#c9d5e4"), (26, "#b3c6dd"), (22, "#9db6d5"), (18, "#86a6cc")):
        c.circle(58, 44, r, color)
    c.ring(58, 44, 30, 28.4, ACCENT)
    c.circle(58, 44, 9, INK)
    for a in range(0, 360, 60):
        c.stroke([(58, 44), (58 + 14 * math.cos(math.radians(a)), 44 + 14 * math.sin(math.radians(a)))], 2.5, INK)
    c.circle(58, 44, 3.5, "#ffffff")
    c.stroke([(14, 86), (28, 73.5), (58, 74)], 3, INK)
    c.circle(24, 80, 6, "#8c939b")


APP_ICONS = {
    "ICO_Applikation_Drehzahlbetrieb_300x300px_rgb.png": app_velocity,
    "ICO_Applikation_Drive Based_Kommandobetrieb_300x300px_rgb.png": app_command,
    "ICO_Applikation_Fahrsatzbetrieb_300x300px_rgb.png": app_motion_blocks,
    "ICO_Applikation_Motion_300x300px_rgb.png": app_motion,
    "ICO_Applikation_Synchronbetrieb_300x300px_rgb.png": app_synchronous,
    "ICO_Applikation_Tippen_300x300px_rgb.png": app_jog,
    "ICO_Applikation_Zentralwickler_300x300px_rgb.png": app_winder,
}


# --------------------------------------------------------------------------
# Direction animation: the shaft end of a motor, turning left (counter-
# clockwise), right (clockwise) or standing still; 12 frames of 100 ms.

ANIM_SIZE, ANIM_FRAMES = 64, 12
WINDOW_GREY = (0xef, 0xef, 0xef)


def shaft(angle, direction, scale=1):
    c = Canvas(ANIM_SIZE * scale, ANIM_SIZE * scale, scale)
    c.polygon(rounded_rect(6, 6, 52, 52, 8), "#d3d8de", "#aab2bb")
    for x, y in ((12, 12), (52, 12), (12, 52), (52, 52)):
        c.circle(x, y, 2.4, "#6b737c")
    c.circle(32, 32, 21, "#5a626b")
    c.circle(32, 32, 18, "#c4ccd5", "#8d97a2")
    key = rotate([(29.5, 14.5), (34.5, 14.5), (34.5, 20), (29.5, 20)], 32, 32, angle)
    c.polygon(key, "#3a4047")
    for k in (0, 120, 240):
        c.circle(*rotate([(32, 25)], 32, 32, angle + k + 60)[0], 1.8, "#6b737c")
    c.circle(32, 32, 3, "#3a4047")
    if direction:
        a0, a1 = (200, 320) if direction > 0 else (340, 220)
        c.arc(32, 32, 27.5, a0, a1, 3.2, ACCENT)
        tip = (32 + 27.5 * math.cos(math.radians(a1)), 32 + 27.5 * math.sin(math.radians(a1)))
        t = math.radians(a1 + 90 * (1 if direction > 0 else -1))
        n = math.radians(a1)
        c.polygon([(tip[0] + 6 * math.cos(t), tip[1] + 6 * math.sin(t)),
                   (tip[0] + 5 * math.cos(n), tip[1] + 5 * math.sin(n)),
                   (tip[0] - 5 * math.cos(n), tip[1] - 5 * math.sin(n))], ACCENT)
    return c


def gif_bytes(frames, delay_cs=10):
    """Animated GIF89a, looping for ever, global palette with one transparent entry."""
    w, h = frames[0].w, frames[0].h
    images = []
    for f in frames:
        img = []
        for p in f.px:
            if p[3] < 0.5:
                img.append(None)
            else:
                img.append(tuple(int(round((p[j] * p[3] + WINDOW_GREY[j] / 255.0 * (1 - p[3])) * 255))
                                 for j in range(3)))
        images.append(img)
    palette = median_cut([c for img in images for c in img if c is not None], 255)
    transparent = len(palette)
    lookup = {}

    def index(color):
        if color is None:
            return transparent
        if color not in lookup:
            lookup[color] = min(range(len(palette)),
                                key=lambda i: sum((palette[i][j] - color[j]) ** 2 for j in range(3)))
        return lookup[color]

    table = list(palette) + [WINDOW_GREY] * (256 - len(palette))
    out = bytearray(b"GIF89a" + struct.pack("<HHBBB", w, h, 0xF7, transparent, 0))
    out += bytes(v for color in table for v in color)
    out += b"\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00"
    for img in images:
        out += b"\x21\xf9\x04" + struct.pack("<BHBB", (2 << 2) | 1, delay_cs, transparent, 0)
        out += b"\x2c" + struct.pack("<HHHHB", 0, 0, w, h, 0)
        data = lzw([index(c) for c in img], 8)
        out.append(8)
        for i in range(0, len(data), 255):
            out.append(len(data[i:i + 255]))
            out += data[i:i + 255]
        out.append(0)
    out += b"\x3b"
    return bytes(out)


def median_cut(colors, count):
    histogram = {}
    for color in colors:
        histogram[color] = histogram.get(color, 0) + 1
    boxes = [sorted(histogram.items())]
    while len(boxes) < count:
        best, best_range, channel = None, 0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for j in range(3):
                values = [c[j] for c, _ in box]
                if max(values) - min(values) > best_range:
                    best, best_range, channel = i, max(values) - min(values), j
        if best is None:
            break
        box = sorted(boxes[best], key=lambda item: (item[0][channel], item[0]))
        total, run, cut = sum(n for _, n in box), 0, 1
        for k, (_, n) in enumerate(box[:-1]):
            run += n
            cut = k + 1
            if run * 2 >= total:
                break
        boxes[best:best + 1] = [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(int(round(sum(c[j] * n for c, n in box) / total)) for j in range(3)))
    return palette


def lzw(indices, min_size):
    """GIF LZW: code width grows when the next free code reaches it, cleared at 4095."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, acc, nbits = bytearray(), 0, 0
    size, next_code, table = min_size + 1, end + 1, {}

    def emit(code):
        nonlocal acc, nbits, size
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xff)
            acc >>= 8
            nbits -= 8

    emit(clear)
    prefix = indices[0]
    for k in indices[1:]:
        key = (prefix, k)
        if key in table:
            prefix = table[key]
            continue
        emit(prefix)
        if next_code >= (1 << size) and size < 12:
            size += 1
        if next_code >= 4095:
            emit(clear)
            table, size, next_code = {}, min_size + 1, end + 1
        else:
            table[key] = next_code
            next_code += 1
        prefix = k
    emit(prefix)
    if next_code >= (1 << size) and size < 12:
        size += 1
    emit(end)
    if nbits:
        out.append(acc & 0xff)
    return bytes(out)


# --------------------------------------------------------------------------

def at_scale(name, scale):
    """Qt loads "name@2x.png" in place of "name.png" on a screen of twice the pixel density."""
    return name if scale == 1 else "%s@%dx%s" % (os.path.splitext(name)[0], scale, os.path.splitext(name)[1])


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if isinstance(data, str):
        data = data.encode("utf-8")
    with open(path, "wb") as f:
        f.write(data)


def main():
    table = diagram_table()
    for name in sorted(table):
        builder, args = table[name][:2]
        picture = builder(*args, **(table[name][2] if len(table[name]) > 2 else {}))
        svg = picture if isinstance(picture, str) else picture.render()
        w, h = nominal_size(name)
        head = re.search(r'width="(\d+)" height="(\d+)"', svg)
        if (int(head.group(1)), int(head.group(2))) != (w, h):
            raise SystemExit("%s: drawn %sx%s, named %dx%d" % (name, head.group(1), head.group(2), w, h))
        write(os.path.join(DIAGRAM_DIR, name), svg)
    for name in sorted(BUTTON_ICONS):
        for scale in (1, 2):
            c = Canvas(ICON_SIZE * scale, ICON_SIZE * scale, ICON_SIZE * scale / 32.0)
            BUTTON_ICONS[name](c)
            write(os.path.join(DIAGRAM_DIR, at_scale(name, scale)), c.png())
    for name in sorted(APP_ICONS):
        c = Canvas(300, 300, 3.0)
        APP_ICONS[name](c)
        write(os.path.join(DIAGRAM_DIR, name), c.png())
    for name, direction in (("LinksRum.gif", -1), ("RechtsRum.gif", 1)):
        step = 360.0 / ANIM_FRAMES * direction
        write(os.path.join(ANIMATION_DIR, name), gif_bytes([shaft(step * i, direction) for i in range(ANIM_FRAMES)]))
    for scale in (1, 2):
        write(os.path.join(ANIMATION_DIR, at_scale("Stillstand.png", scale)), shaft(0, 0, scale).png())
    print("%d diagrams, %d icons, 3 animation pictures, each still picture also at twice the size"
          % (len(table), len(BUTTON_ICONS) + len(APP_ICONS)))


if __name__ == "__main__":
    main()
