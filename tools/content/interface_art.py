"""Draws the interface images: clock panels, toolbar buttons, the dialog window and the
pointer, in the painted wood-and-bronze look of the game's scenes.

usage: interface_art.py NAME OUTPUT --pack VELLARA_PACK [--sheet PNG]
NAME is one of: timer, button, window_1, cursor.

The sheet is kept as a PNG (beside OUTPUT or at --sheet) and packed with
"vellara-pack image" into an image record of 32-bit ARGB pixels.
"""

import argparse
import os
import subprocess
import sys

import numpy as np

import art

# Palette: warm woods, bronze trim, ivory and ebony pieces.
WALNUT_LIGHT = (0.36, 0.22, 0.12)
WALNUT_DARK = (0.17, 0.09, 0.05)
OAK_LIGHT = (0.66, 0.46, 0.26)
OAK_DARK = (0.42, 0.26, 0.13)
BRONZE = (0.80, 0.60, 0.30)
BRONZE_DARK = (0.30, 0.18, 0.07)
IVORY = (0.97, 0.92, 0.80)
IVORY_SHADE = (0.72, 0.63, 0.48)
EBONY = (0.13, 0.10, 0.09)
EBONY_LIGHT = (0.40, 0.34, 0.30)
GLASS = (0.09, 0.06, 0.04)
INK = (0.10, 0.06, 0.03)


def bronze_frame(layer, outer, inner, seed, radius=7, inner_radius=5):
    """A raised bronze ring between two rounded rectangles."""
    w, h = layer.width, layer.height
    ring = np.clip(art.rounded_rect(w, h, outer, radius) - art.rounded_rect(w, h, inner,
                                                                             inner_radius), 0, 1)
    lit = art.shade(art.metal(h, w, seed, BRONZE), art.relief(ring, 1.2, 1.6))
    layer.paint(lit, ring)
    # A thin dark line where the ring meets what it frames.
    edge = np.clip(art.rounded_rect(w, h, inner, inner_radius)
                   - art.rounded_rect(w, h, (inner[0] + 1, inner[1] + 1, inner[2] - 1,
                                             inner[3] - 1), max(1, inner_radius - 1)), 0, 1)
    layer.paint(BRONZE_DARK, edge, 0.8)
    return ring


def inner_shadow(layer, shape, radius, opacity):
    """Darkens the top-left inside of a recessed shape."""
    h, w = shape.shape
    outside = 1.0 - shape
    moved = np.zeros_like(outside)
    moved[2:, 2:] = outside[:-2, :-2]
    moved[:2, :] = 1.0
    moved[:, :2] = 1.0
    layer.paint((0, 0, 0), art.blur(moved, radius) * shape, opacity)


def pawn_shape(w, h, cx, top, size):
    """A pawn silhouette `size` pixels high, its head's top at `top`."""
    def draw(d, s):
        def X(v):
            return (cx + v * size) * s

        def Y(v):
            return (top + v * size) * s
        d.ellipse((X(-0.19), Y(0.0), X(0.19), Y(0.38)), fill=255)
        d.ellipse((X(-0.24), Y(0.36), X(0.24), Y(0.48)), fill=255)
        d.polygon([(X(-0.13), Y(0.44)), (X(0.13), Y(0.44)), (X(0.24), Y(0.82)),
                   (X(-0.24), Y(0.82))], fill=255)
        d.rounded_rectangle((X(-0.36), Y(0.80), X(0.36), Y(1.0)), radius=0.06 * size * s,
                            fill=255)
    return art.mask(w, h, draw)


def draw_piece(layer, shape, white, seed):
    """A turned piece: ivory or ebony, lit from the top-left, with a dark rim."""
    w, h = layer.width, layer.height
    rim = np.clip(art.blur(shape, 0.8) * 2.2, 0, 1)
    layer.shadow(shape, (1, 1), 1.0, 0.6)
    layer.paint(INK if white else (0.85, 0.75, 0.55), rim, 0.9 if white else 0.55)
    base = art.gradient_y(h, w, IVORY, IVORY_SHADE) if white else art.gradient_y(
        h, w, EBONY_LIGHT, EBONY)
    layer.paint(art.shade(base, art.relief(shape, 1.5, 1.3)), shape)


def checkerboard_shape(w, h, box, n):
    x0, y0, x1, y1 = box
    cw, ch = (x1 - x0) / n, (y1 - y0) / n

    def draw(d, s):
        for r in range(n):
            for c in range(n):
                if (r + c) % 2 == 0:
                    d.rectangle(((x0 + c * cw) * s, (y0 + r * ch) * s,
                                 (x0 + (c + 1) * cw) * s - 1, (y0 + (r + 1) * ch) * s - 1),
                                fill=255)
    return art.mask(w, h, draw), art.rounded_rect(w, h, box, 1)


def draw_board(layer, box, seed, n=4):
    w, h = layer.width, layer.height
    light_squares, whole = checkerboard_shape(w, h, box, n)
    layer.shadow(whole, (1, 1), 1.0, 0.7)
    layer.paint(art.wood(w, h, seed, (0.45, 0.28, 0.14), (0.30, 0.17, 0.08), 3.0), whole)
    layer.paint(art.wood(w, h, seed + 7, (0.95, 0.82, 0.60), (0.80, 0.64, 0.42), 3.0),
                whole - light_squares)
    x0, y0, x1, y1 = box
    outline = np.clip(whole - art.rounded_rect(w, h, (x0 + 1, y0 + 1, x1 - 1, y1 - 1), 1), 0, 1)
    layer.paint(BRONZE, outline)


def badge(layer, cx, cy, plus):
    """A small bronze disc with a plus or minus sign."""
    w, h = layer.width, layer.height
    disc = art.mask(w, h, lambda d, s: d.ellipse(((cx - 6.5) * s, (cy - 6.5) * s,
                                                  (cx + 6.5) * s, (cy + 6.5) * s), fill=255))
    layer.shadow(disc, (1, 1), 0.8, 0.7)
    layer.paint(art.shade(art.metal(h, w, 3, BRONZE), art.relief(disc, 1.5, 1.4)), disc)

    def sign(d, s):
        d.rectangle(((cx - 4) * s, (cy - 1) * s, (cx + 4) * s, (cy + 1) * s), fill=255)
        if plus:
            d.rectangle(((cx - 1) * s, (cy - 4) * s, (cx + 1) * s, (cy + 4) * s), fill=255)
    layer.paint(INK, art.mask(w, h, sign))


def arrow_shape(w, h, pointing_left):
    pts = [(9, 22), (21, 11), (21, 17), (35, 17), (35, 27), (21, 27), (21, 33)]
    if not pointing_left:
        pts = [(45 - x, y) for x, y in pts]
    return art.polygon(w, h, pts)


def tower_shape(w, h):
    def draw(d, s):
        def R(x0, y0, x1, y1):
            d.rectangle((x0 * s, y0 * s, x1 * s - 1, y1 * s - 1), fill=255)
        for x in (11, 19.5, 28):  # merlons
            R(x, 8, x + 6, 14)
        R(11, 13, 34, 17)  # parapet
        R(14, 16, 31, 36)  # keep
        R(10, 35, 35, 38)  # footing
    keep = art.mask(w, h, draw)
    door = art.mask(w, h, lambda d, s: (d.rectangle((19.5 * s, 27 * s, 25.5 * s, 36 * s),
                                                    fill=255),
                                        d.ellipse((19.5 * s, 24 * s, 25.5 * s, 30 * s),
                                                  fill=255)))
    return keep, door


def button_face(icon, seed):
    """One toolbar button: a bronze ring around dark glass that lets the hover light
    behind it glow through, and the icon on top."""
    w, h = 45, 44
    layer = art.Layer(w, h)
    glass = art.rounded_rect(w, h, (2, 2, 43, 42), 6)
    sheen = art.gradient_y(h, w, (0.30, 0.22, 0.16), GLASS)
    layer.paint(sheen, glass, 0.62)
    highlight = art.rounded_rect(w, h, (5, 4, 40, 17), 5) * glass
    layer.paint((1.0, 0.95, 0.85), highlight, 0.07)
    bronze_frame(layer, (0, 0, 45, 44), (3, 3, 42, 41), seed, 8, 6)
    icon(layer)
    return layer.image()


def icon_orientation(black_below):
    def draw(layer):
        w, h = layer.width, layer.height
        top = pawn_shape(w, h, 22.5, 6, 15)
        bottom = pawn_shape(w, h, 22.5, 21, 17)
        draw_piece(layer, top, black_below, 11)
        draw_piece(layer, bottom, not black_below, 12)
        # Turning arrows on either side.
        def arcs(d, s):
            d.arc((7 * s, 8 * s, 38 * s, 37 * s), 110, 170, fill=255, width=int(2 * s))
            d.arc((7 * s, 8 * s, 38 * s, 37 * s), 290, 350, fill=255, width=int(2 * s))
            d.polygon([(6 * s, 17 * s), (12 * s, 18 * s), (8.5 * s, 12.5 * s)], fill=255)
            d.polygon([(39 * s, 28 * s), (33 * s, 27 * s), (36.5 * s, 32.5 * s)], fill=255)
        layer.paint(BRONZE, art.mask(w, h, arcs), 0.95)
    return draw


def icon_piece_size(plus):
    def draw(layer):
        w, h = layer.width, layer.height
        draw_piece(layer, pawn_shape(w, h, 20, 8, 28), True, 21)
        badge(layer, 32, 13, plus)
    return draw


def icon_board(strike, sign=None):
    def draw(layer):
        w, h = layer.width, layer.height
        draw_board(layer, (10, 10, 35, 35), 31)
        if strike:
            bar = art.polygon(w, h, [(9, 12), (12, 9), (36, 33), (33, 36)])
            layer.shadow(bar, (1, 1), 0.8, 0.6)
            layer.paint((0.62, 0.10, 0.06), bar)
        if sign is not None:
            badge(layer, 33, 12, sign)
    return draw


def icon_move(pointing_left):
    def draw(layer):
        w, h = layer.width, layer.height
        shape = arrow_shape(w, h, pointing_left)
        layer.shadow(shape, (1, 1), 1.0, 0.7)
        layer.paint(art.shade(art.gradient_y(h, w, IVORY, IVORY_SHADE),
                              art.relief(shape, 1.5, 1.2)), shape)
    return draw


def icon_menu(layer):
    w, h = layer.width, layer.height
    keep, door = tower_shape(w, h)
    layer.shadow(keep, (1, 1), 1.0, 0.7)
    layer.paint(art.shade(art.stone(w, h, 41, (0.80, 0.76, 0.68), (0.55, 0.50, 0.44)),
                          art.relief(keep, 1.2, 1.2)), keep)
    layer.paint((0.20, 0.11, 0.05), door)


def buttons():
    icons = [icon_orientation(True), icon_orientation(False), icon_piece_size(True),
             icon_piece_size(False), icon_board(True), icon_board(False),
             icon_board(False, True), icon_board(False, False), icon_move(True),
             icon_move(False), icon_menu]
    cells = [button_face(icon, 100 + i) for i, icon in enumerate(icons)]
    return art.sheet(cells, 4), (45, 44), len(cells)


def clock_panel(white, seed):
    """A bronze-framed oak plaque with a piece on the left and a dark window for the
    clock's digits (which the game draws from x 56, y 13 of the panel)."""
    w, h = 170, 45
    layer = art.Layer(w, h)
    plaque = art.rounded_rect(w, h, (3, 3, w - 3, h - 3), 5)
    layer.paint(art.shade(art.wood(w, h, seed, OAK_LIGHT, OAK_DARK, 7.0),
                          art.relief(plaque, 2.0, 0.5)), plaque)
    bronze_frame(layer, (0, 0, w, h), (3, 3, w - 3, h - 3), seed + 1, 7, 5)
    window = art.rounded_rect(w, h, (48, 8, 156, 37), 4)
    layer.paint(GLASS, window, 0.92)
    inner_shadow(layer, window, 2.0, 0.8)
    gloss = art.rounded_rect(w, h, (50, 9, 154, 20), 3) * window
    layer.paint((1.0, 0.95, 0.85), gloss * np.linspace(0.10, 0.0, h)[:, None], 1.0)
    rim = np.clip(art.rounded_rect(w, h, (47, 7, 157, 38), 5) - window, 0, 1)
    layer.paint(art.shade(art.metal(h, w, seed + 2, BRONZE), art.relief(rim, 0.8, 1.2)), rim)
    # Rivets at the plaque's right end.
    for cy in (13, 32):
        rivet = art.mask(w, h, lambda d, s, cy=cy: d.ellipse((160 * s, (cy - 2.5) * s,
                                                              165 * s, (cy + 2.5) * s), fill=255))
        layer.paint(art.shade(art.metal(h, w, seed + 3, BRONZE), art.relief(rivet, 1.0, 1.5)),
                    rivet)
    draw_piece(layer, pawn_shape(w, h, 26, 8, 30), white, seed + 4)
    return layer.image()


def timer():
    cells = [clock_panel(True, 200), clock_panel(False, 210)]
    return art.sheet(cells, 1), (170, 45), 2


WINDOW_W, WINDOW_H, WINDOW_SHADOW = 452, 190, 6


def window_1():
    """The dialog window drawn at (287, 277): title near y 71 of the window, buttons in
    the band y 120..150, x 77..375 (the game fills the buttons themselves). Its middle
    lies under the middle of the buttons of both dialogs."""
    w, h = WINDOW_W + WINDOW_SHADOW, WINDOW_H + WINDOW_SHADOW
    layer = art.Layer(w, h)
    body = art.rounded_rect(w, h, (0, 0, WINDOW_W, WINDOW_H), 12)
    layer.shadow(body, (4, 5), 2.5, 0.55)
    panel = art.rounded_rect(w, h, (7, 7, WINDOW_W - 7, WINDOW_H - 7), 8)
    wood = art.wood(w, h, 300, WALNUT_LIGHT, WALNUT_DARK, 11.0)
    vignette = np.clip(1.0 - ((np.arange(h)[:, None] - h / 2) / (h * 0.75)) ** 2
                       - ((np.arange(w)[None, :] - w / 2) / (w * 0.9)) ** 2, 0, 1)
    layer.paint(wood * (0.75 + 0.25 * vignette)[..., None], panel)
    inner_shadow(layer, panel, 3.0, 0.6)
    bronze_frame(layer, (0, 0, WINDOW_W, WINDOW_H), (7, 7, WINDOW_W - 7, WINDOW_H - 7), 301, 12,
                 8)
    # A fine gilt line inset in the wood.
    line = np.clip(art.rounded_rect(w, h, (15, 15, WINDOW_W - 15, WINDOW_H - 15), 5)
                   - art.rounded_rect(w, h, (16, 16, WINDOW_W - 16, WINDOW_H - 16), 4), 0, 1)
    layer.paint(BRONZE, line, 0.55)
    # Header ornament: a lozenge between two rules, above the title.
    cx, cy = WINDOW_W / 2, 38
    rules = art.mask(w, h, lambda d, s: (d.rectangle(((cx - 130) * s, (cy - 0.6) * s,
                                                      (cx - 16) * s, (cy + 0.6) * s), fill=255),
                                         d.rectangle(((cx + 16) * s, (cy - 0.6) * s,
                                                      (cx + 130) * s, (cy + 0.6) * s), fill=255)))
    lozenge = art.polygon(w, h, [(cx, cy - 9), (cx + 11, cy), (cx, cy + 9), (cx - 11, cy)])
    dots = art.mask(w, h, lambda d, s: [d.ellipse(((x - 2) * s, (cy - 2) * s, (x + 2) * s,
                                                   (cy + 2) * s), fill=255)
                                        for x in (cx - 135, cx + 135)])
    ornament = np.clip(rules + lozenge + dots, 0, 1)
    layer.shadow(ornament, (1, 1), 0.8, 0.7)
    layer.paint(art.shade(art.metal(h, w, 302, BRONZE), art.relief(ornament, 1.0, 1.2)),
                ornament)
    # The recessed band that holds the buttons.
    band = art.rounded_rect(w, h, (69, 113, 383, 157), 5)
    layer.paint((0.0, 0.0, 0.0), band, 0.28)
    inner_shadow(layer, band, 2.0, 0.55)
    lip = np.clip(art.rounded_rect(w, h, (68, 112, 384, 158), 6) - band, 0, 1)
    layer.paint(BRONZE, lip, 0.45)
    return layer.image(), (w, h), 1


def cursor():
    """An arrow pointer whose tip is the top-left pixel."""
    w, h = 24, 30
    layer = art.Layer(w, h)
    outline = [(0, 0), (0, 21.5), (5.2, 16.6), (9.2, 25.5), (13.2, 23.8), (9.4, 15.2),
               (16.2, 15.2)]
    shape = art.polygon(w, h, [(x - 0.5 if x == 0 else x + 0.5, y - 0.7 if y == 0 else y)
                               for x, y in outline])
    layer.shadow(shape, (2, 2), 1.2, 0.55)
    layer.paint(INK, shape)
    fill = art.polygon(w, h, [(1.2, 2.6), (1.2, 18.8), (5.6, 14.6), (9.8, 23.8), (11.8, 23.0),
                              (7.6, 13.9), (13.2, 13.9)])
    layer.paint(art.shade(art.metal(h, w, 400, (0.95, 0.75, 0.38)), art.relief(fill, 1.0, 1.0)),
                fill)
    # Make sure the hot spot itself is a solid part of the tip.
    layer.alpha[0, 0] = 1.0
    layer.rgb[0, 0] = INK
    return layer.image(), (w, h), 1


MAKERS = {"timer": timer, "button": buttons, "window_1": window_1, "cursor": cursor}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("name", choices=sorted(MAKERS))
    parser.add_argument("output")
    parser.add_argument("--pack", required=True)
    parser.add_argument("--sheet")
    args = parser.parse_args()
    image, (pw, ph), count = MAKERS[args.name]()
    sheet_path = args.sheet or os.path.splitext(args.output)[0] + ".png"
    image.save(sheet_path, optimize=False)
    subprocess.run([args.pack, "image", args.output, sheet_path, "--pattern", f"{pw}x{ph}",
                    "--count", str(count), "--format", "5"], check=True)


if __name__ == "__main__":
    sys.exit(main())
