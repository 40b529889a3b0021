"""Letters the classic board's frame and packs "classic": wood, wood turned, marble,
marble turned (800 x 800 each; 40-pixel frame, 90-pixel squares).

usage: classic.py RENDERS FONT PACK_TOOL OUTPUT_DIR
RENDERS holds classic_wood.png and classic_marble.png.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

import layout
import records

FRAME, SQUARE = 40, 90
FILES = "abcdefgh"


def letter(board, turned, ink, shadow, font):
    im = board.copy().convert("RGB")
    draw = ImageDraw.Draw(im)
    files = FILES[::-1] if turned else FILES
    ranks = "12345678" if turned else "87654321"
    for k in range(8):
        centre = FRAME + SQUARE * k + SQUARE // 2
        for y in (FRAME // 2, 800 - FRAME // 2):
            draw.text((centre + 1, y + 1), files[k], font=font, fill=shadow, anchor="mm")
            draw.text((centre, y), files[k], font=font, fill=ink, anchor="mm")
        for x in (FRAME // 2, 800 - FRAME // 2):
            draw.text((x + 1, centre + 1), ranks[k], font=font, fill=shadow, anchor="mm")
            draw.text((x, centre), ranks[k], font=font, fill=ink, anchor="mm")
    return im


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    renders, font_path, pack_tool, out_dir = sys.argv[1:]
    os.makedirs(out_dir, exist_ok=True)
    font = ImageFont.truetype(font_path, 26)
    sheets = []
    for style, ink, shadow in (("wood", (236, 206, 150), (40, 12, 4)),
                               ("marble", (240, 232, 214), (30, 22, 16))):
        board = Image.open(os.path.join(renders, "classic_%s.png" % style))
        for turned in (False, True):
            png = os.path.join(out_dir, "classic_%d.png" % len(sheets))
            letter(board, turned, ink, shadow, font).save(png, "PNG")
            sheets.append(png)
    records.pack_image(pack_tool, os.path.join(out_dir, "classic.rec"), sheets,
                       layout.CLASSIC_SIZE, layout.CLASSIC_SIZE, 4)


if __name__ == "__main__":
    main()
