"""Cuts the rendered figures into the piece images and makes the program icon.

usage: figures.py RENDERS PACK_TOOL OUTPUT_DIR ICON_PNG

RENDERS holds board_P.png and portrait_P.png for patterns P = 0..11. Writes into
OUTPUT_DIR the sheets and records vellara_piece_2 (board figures), vellara_piece_1
(portraits) and piece_1 (icons fitted into 90 x 90, made from the portraits), and
writes the 256 x 256 program icon (the Blondes' knight).
"""

import os
import sys

import numpy as np

import imaging
import layout
import records


def icons(portraits, box, margin):
    crops = []
    for p in portraits:
        a = p[..., 3]
        ys, xs = np.nonzero(a > 0)
        crops.append(p[ys.min():ys.max() + 1, xs.min():xs.max() + 1])
    # One scale for all twelve, so a pawn stays smaller than a king.
    tallest = max(c.shape[0] for c in crops)
    widest = max(c.shape[1] for c in crops)
    scale = min((box[1] - 2 * margin) / tallest, (box[0] - 2 * margin) / widest)
    out = []
    for c in crops:
        w = max(1, int(round(c.shape[1] * scale)))
        h = max(1, int(round(c.shape[0] * scale)))
        small = imaging.resize(c, w, h)
        cell = imaging.blank(*box)
        x = (box[0] - w) // 2
        y = box[1] - margin - h
        imaging.paste(cell, small, x, y)
        out.append(cell)
    return out


def program_icon(portrait, size):
    a = portrait[..., 3]
    ys, xs = np.nonzero(a > 0)
    crop = portrait[ys.min():ys.max() + 1, xs.min():xs.max() + 1]
    margin = size // 16
    scale = min((size - 2 * margin) / crop.shape[0], (size - 2 * margin) / crop.shape[1])
    w, h = int(round(crop.shape[1] * scale)), int(round(crop.shape[0] * scale))
    icon = imaging.blank(size, size)
    imaging.paste(icon, imaging.resize(crop, w, h), (size - w) // 2, (size - h) // 2)
    return imaging.bleed(icon)


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    renders, pack_tool, out_dir, icon_png = sys.argv[1:]
    os.makedirs(out_dir, exist_ok=True)
    board = [imaging.load(os.path.join(renders, "board_%d.png" % p)) for p in range(12)]
    portraits = [imaging.load(os.path.join(renders, "portrait_%d.png" % p)) for p in range(12)]
    for p in range(12):
        imaging.check_inside(board[p], "board figure %d" % p)
        imaging.check_inside(portraits[p], "portrait %d" % p)
    for key, cells, visible in (
            ("vellara_piece_2", board, layout.FIGURE_VISIBLE),
            ("vellara_piece_1", portraits, layout.PORTRAIT_VISIBLE),
            ("piece_1", icons(portraits, layout.ICON_VISIBLE, 3), layout.ICON_VISIBLE)):
        sheet, pattern = imaging.sheet(cells, visible, layout.PIECE_COLUMNS, layout.GUTTER)
        png = os.path.join(out_dir, key + ".png")
        imaging.save(sheet, png)
        records.pack_image(pack_tool, os.path.join(out_dir, key + ".rec"), [png], pattern,
                           visible, layout.PIECE_COUNT)
    imaging.save(program_icon(portraits[1], layout.PROGRAM_ICON_SIZE), icon_png)


if __name__ == "__main__":
    main()
