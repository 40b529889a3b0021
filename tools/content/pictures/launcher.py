"""Letters the launcher's render and writes the 630 x 360 JPEG built into the program.

usage: launcher.py RENDER FONT OUTPUT_JPG
"""

import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

# The launcher's controls: start button and full-screen box (x, y, width, height).
CALM = [(205, 213, 217, 25), (245, 312, 137, 17)]


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    render, font_path, output = sys.argv[1:]
    im = Image.open(render).convert("RGB")
    w, h = im.size
    # Darken softly behind the controls so they stand on a quiet ground.
    mask = Image.new("L", im.size, 0)
    draw = ImageDraw.Draw(mask)
    for x, y, bw, bh in CALM:
        draw.rectangle((x - 24, y - 12, x + bw + 24, y + bh + 12), fill=170)
    mask = mask.filter(ImageFilter.GaussianBlur(12))
    im = Image.composite(Image.new("RGB", im.size, (12, 9, 7)), im, mask)
    font = ImageFont.truetype(font_path, 64)
    text = "Vellara Chess"
    layer = Image.new("L", im.size, 0)
    ld = ImageDraw.Draw(layer)
    box = ld.textbbox((0, 0), text, font=font)
    x = (w - (box[2] - box[0])) // 2 - box[0]
    y = 34 - box[1]
    ld.text((x, y), text, font=font, fill=255)
    shadow = layer.filter(ImageFilter.GaussianBlur(5))
    im = Image.composite(Image.new("RGB", im.size, (0, 0, 0)), im,
                         Image.eval(shadow, lambda v: int(v * 0.9)))
    t = np.clip((np.arange(h)[:, None, None] - (y + box[1])) / max(1, box[3] - box[1]), 0, 1)
    gold = (np.array([255, 232, 160]) * (1 - t) + np.array([176, 112, 38]) * t)
    gold = np.broadcast_to(gold, (h, w, 3)).astype(np.uint8)
    im = Image.composite(Image.fromarray(gold, "RGB"), im, layer)
    im.save(output, "JPEG", quality=92, optimize=True)


if __name__ == "__main__":
    main()
