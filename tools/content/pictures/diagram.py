"""Draws the classic board's pieces ("piece_2") in diagram style from a font's chess
figures: the Blondes in ivory outlined in black, the Brunettes in black with ivory
detail lines and a thin ivory halo that keeps them readable on dark squares.

usage: diagram.py FONT PACK_TOOL OUTPUT_DIR
"""

import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

import imaging
import layout
import records

# U+2654 white king .. U+2659 white pawn, U+265A black king .. U+265F black pawn;
# indexed here by kind 1 pawn .. 6 king.
OUTLINE = {1: "\u2659", 2: "\u2658", 3: "\u2657", 4: "\u2656", 5: "\u2655", 6: "\u2654"}
SOLID = {1: "\u265f", 2: "\u265e", 3: "\u265d", 4: "\u265c", 5: "\u265b", 6: "\u265a"}
SUPERSAMPLE = 4
IVORY = (246, 238, 222)
INK = (24, 20, 18)


def glyph_mask(font, text, size):
    im = Image.new("L", (size, size), 0)
    draw = ImageDraw.Draw(im)
    box = draw.textbbox((0, 0), text, font=font, anchor="ls")
    w, h = box[2] - box[0], box[3] - box[1]
    x = (size - w) / 2 - box[0]
    # Stand on a common foot line a little above the bottom of the square.
    y = size * 0.93
    draw.text((x, y), text, font=font, fill=255, anchor="ls")
    return im


def silhouette(mask):
    """The glyph with its inner holes filled: everything the outside cannot reach."""
    m = mask.point(lambda v: 255 if v >= 128 else 0)
    padded = Image.new("L", (m.width + 2, m.height + 2), 0)
    padded.paste(m, (1, 1))
    ImageDraw.floodfill(padded, (0, 0), 128)
    outside = padded.crop((1, 1, m.width + 1, m.height + 1)).point(lambda v: 255 if v == 128 else 0)
    inside = Image.eval(outside, lambda v: 255 - v)
    # Keep the antialiased outer edge of the original glyph.
    return Image.fromarray(np.maximum(np.asarray(inside) * (np.asarray(mask) > 0),
                                      np.asarray(mask)).astype(np.uint8))


def layer(mask, colour):
    rgba = np.zeros((mask.height, mask.width, 4))
    rgba[..., :3] = np.array(colour) / 255.0
    rgba[..., 3] = np.asarray(mask, dtype=np.float64) / 255.0
    return rgba


def piece(font, kind, army, size):
    big = size * SUPERSAMPLE
    solid = glyph_mask(font, SOLID[kind], big)
    outline = glyph_mask(font, OUTLINE[kind], big)
    fill = silhouette(solid)
    shadow = fill.filter(ImageFilter.GaussianBlur(SUPERSAMPLE * 1.2))
    shadow = Image.fromarray((np.asarray(shadow) * 0.35).astype(np.uint8))
    shadow = shadow.transform(shadow.size, Image.AFFINE,
                              (1, 0, -SUPERSAMPLE * 1.5, 0, 1, -SUPERSAMPLE * 1.5))
    out = layer(shadow, (0, 0, 0))
    if army > 0:
        out = imaging.over(out, layer(fill, IVORY))
        out = imaging.over(out, layer(outline, INK))
    else:
        halo = fill.filter(ImageFilter.MaxFilter(2 * SUPERSAMPLE + 1))
        halo = Image.fromarray((np.asarray(halo) * 0.85).astype(np.uint8))
        out = imaging.over(out, layer(halo, IVORY))
        out = imaging.over(out, layer(fill, IVORY))
        out = imaging.over(out, layer(solid, INK))
    return imaging.resize(out, size, size)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    font_path, pack_tool, out_dir = sys.argv[1:]
    os.makedirs(out_dir, exist_ok=True)
    size = layout.DIAGRAM_VISIBLE[0]
    font = ImageFont.truetype(font_path, int(size * SUPERSAMPLE * 0.86))
    cells = [piece(font, *layout.piece_kind_army(p), size) for p in range(12)]
    sheet, pattern = imaging.sheet(cells, layout.DIAGRAM_VISIBLE, layout.PIECE_COLUMNS,
                                   layout.GUTTER)
    png = os.path.join(out_dir, "piece_2.png")
    imaging.save(sheet, png)
    records.pack_image(pack_tool, os.path.join(out_dir, "piece_2.rec"), [png], pattern,
                       layout.DIAGRAM_VISIBLE, layout.PIECE_COUNT)


if __name__ == "__main__":
    main()
