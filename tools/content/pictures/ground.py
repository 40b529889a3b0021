"""Finishes the four backgrounds of "ground" and packs the record.

usage: ground.py GEOMETRY RENDERS FONT PACK_TOOL OUTPUT_DIR

RENDERS holds title.png, backdrop.png, fortress.png and town.png. The game backgrounds
are warped by the few pixels the square table strays from one perspective, so that
every square corner lands on the table; the title gets its lettering.
"""

import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

import board_camera
import imaging
import layout
import records


def sample(image, sx, sy):
    """Bilinear samples of `image` at pixel-index positions, clamped to the edges."""
    h, w = image.shape[:2]
    sx = np.clip(sx, 0, w - 1.001)
    sy = np.clip(sy, 0, h - 1.001)
    x0, y0 = np.floor(sx).astype(int), np.floor(sy).astype(int)
    fx, fy = (sx - x0)[..., None], (sy - y0)[..., None]
    a = image[y0, x0] * (1 - fx) + image[y0, x0 + 1] * fx
    b = image[y0 + 1, x0] * (1 - fx) + image[y0 + 1, x0 + 1] * fx
    return a * (1 - fy) + b * fy


def warp_to_table(render, camera, shift):
    """Moves each grid corner of the rendered board onto the table's corner."""
    offsets = np.zeros((9, 9, 2))
    for (i, j), d in camera.corner_offsets().items():
        # Render positions are continuous (pixel k spans k..k+1); table values are
        # pixel indices.
        offsets[j, i] = d + 0.5
    h, w = render.shape[:2]
    ys, xs = np.mgrid[0:h, 0:w].astype(np.float64)
    inverse = np.linalg.inv(camera.homography)
    px, py = xs - shift[0], ys - shift[1]
    q = inverse[0, 0] * px + inverse[0, 1] * py + inverse[0, 2]
    r = inverse[1, 0] * px + inverse[1, 1] * py + inverse[1, 2]
    s = inverse[2, 0] * px + inverse[2, 1] * py + inverse[2, 2]
    with np.errstate(divide="ignore", invalid="ignore"):
        bi, bj = q / s, r / s
    bi = np.nan_to_num(bi, nan=1e3, posinf=1e3, neginf=-1e3)
    bj = np.nan_to_num(bj, nan=1e3, posinf=1e3, neginf=-1e3)
    ci, cj = np.clip(bi, 0, 8), np.clip(bj, 0, 8)
    i0, j0 = np.minimum(np.floor(ci).astype(int), 7), np.minimum(np.floor(cj).astype(int), 7)
    fi, fj = (ci - i0)[..., None], (cj - j0)[..., None]
    d = (offsets[j0, i0] * (1 - fi) * (1 - fj) + offsets[j0, i0 + 1] * fi * (1 - fj)
         + offsets[j0 + 1, i0] * (1 - fi) * fj + offsets[j0 + 1, i0 + 1] * fi * fj)
    # Outside the board the correction fades out over about a square.
    outside = np.hypot(bi - ci, bj - cj)[..., None]
    d = d * np.exp(-outside / 1.2)
    return sample(render, xs - d[..., 0], ys - d[..., 1])


def shade(image, boxes, amount):
    """Darkens soft-edged rectangles, so the interface's texts read over the picture."""
    mask = Image.new("L", (image.shape[1], image.shape[0]), 0)
    draw = ImageDraw.Draw(mask)
    for box in boxes:
        draw.rectangle(box, fill=255)
    mask = mask.filter(ImageFilter.GaussianBlur(14))
    m = np.asarray(mask, dtype=np.float64)[..., None] / 255.0 * amount
    out = image.copy()
    out[..., :3] *= 1 - m
    return out


def letter_title(image, font_path):
    w, h = image.shape[1], image.shape[0]
    canvas = imaging.to_image(image).convert("RGBA")
    text = "Vellara Chess"
    font = ImageFont.truetype(font_path, 92)
    layer = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    draw = ImageDraw.Draw(layer)
    box = draw.textbbox((0, 0), text, font=font)
    x = w - 40 - (box[2] - box[0]) - box[0]
    y = 60 - box[1]
    glow = Image.new("L", (w, h), 0)
    ImageDraw.Draw(glow).text((x, y), text, font=font, fill=255)
    shadow = glow.filter(ImageFilter.GaussianBlur(6))
    canvas.alpha_composite(Image.merge("RGBA", [Image.new("L", (w, h), 0)] * 3 +
                                       [Image.eval(shadow, lambda v: int(v * 0.85))]), (4, 5))
    # Gold: a vertical gradient through the letters, a dark edge and a light top edge.
    gradient = np.zeros((h, w, 3))
    t = np.clip((np.arange(h)[:, None] - (y + box[1])) / max(1, box[3] - box[1]), 0, 1)
    top, mid, low = np.array([255, 236, 170]), np.array([214, 160, 60]), np.array([140, 88, 30])
    col = np.where(t[..., None] < 0.5, top + (mid - top) * (t[..., None] * 2),
                   mid + (low - mid) * ((t[..., None] - 0.5) * 2))
    gradient[:] = col
    edge = glow.filter(ImageFilter.MaxFilter(5))
    canvas.alpha_composite(Image.merge("RGBA", [Image.new("L", (w, h), v) for v in (50, 30, 10)]
                                       + [edge]))
    gold = Image.fromarray(gradient.astype(np.uint8), "RGB").convert("RGBA")
    gold.putalpha(glow)
    canvas.alpha_composite(gold)
    draw = ImageDraw.Draw(canvas)
    small = ImageFont.truetype(font_path, 22)
    line = "a game of kings against the machine"
    lb = draw.textbbox((0, 0), line, font=small)
    draw.text((w - 44 - (lb[2] - lb[0]) - lb[0], y + box[3] + 14), line, font=small,
              fill=(226, 206, 160, 230))
    return np.asarray(canvas, dtype=np.float64) / 255.0


def opaque(image):
    out = image.copy()
    out[..., 3] = 1.0
    return out


def main():
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    geometry_path, renders, font_path, pack_tool, out_dir = sys.argv[1:]
    os.makedirs(out_dir, exist_ok=True)
    geometry = board_camera.load_geometry(geometry_path)
    camera = board_camera.BoardCamera(geometry)
    load = lambda name: opaque(imaging.load(os.path.join(renders, name)))
    title = letter_title(shade(load("title.png"), [(40, 50, 220, 290)], 0.45), font_path)
    backdrop = shade(load("backdrop.png"), [(80, 0, 720, 768)], 0.35)
    game = []
    for name, shift in (("fortress.png", geometry["origins"][0]),
                        ("town.png", geometry["origins"][1])):
        picture = warp_to_table(load(name), camera, shift)
        picture = shade(picture, [(6, 6, 460, 57), (10, 680, 640, 745), (660, 708, 1018, 762)],
                        0.4)
        game.append(opaque(picture))
    sheets = []
    for n, picture in enumerate([title, backdrop] + game):
        png = os.path.join(out_dir, "ground_%d.png" % n)
        imaging.save(opaque(picture), png)
        sheets.append(png)
    records.pack_image(pack_tool, os.path.join(out_dir, "ground.rec"), sheets,
                       layout.GROUND_SIZE, layout.GROUND_SIZE, 4)


if __name__ == "__main__":
    main()
