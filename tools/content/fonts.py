"""Rasterises one font face into the game's font record.

usage: fonts.py FACE SIZE OUTPUT --pack VELLARA_PACK [--halo RADIUS,OPACITY] [--sheet PNG]

Every printable ASCII character (32..126) becomes one glyph cell of a common size: white
glyphs whose coverage is their alpha, so that the text colours tint them. FreeType renders
each glyph hinted and antialiased at its integer pen position, which keeps text sharp at
scale 1. A halo adds a soft dark rim around each glyph (for text drawn without a shadow
over a busy picture); the rim stays dark whatever colour tints the glyph.

The sheet is kept as a PNG beside the record (or at --sheet) and packed with
"vellara-pack image", then wrapped with the advances by "vellara-pack font".
"""

import argparse
import os
import subprocess
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

FIRST = 32
LAST = 126
COLUMNS = 16


def load_face(path, size):
    return ImageFont.truetype(path, size, layout_engine=ImageFont.Layout.BASIC)


def glyph_metrics(face):
    """Per character: rounded advance and the ink box relative to pen and baseline."""
    metrics = []
    for code in range(FIRST, LAST + 1):
        ch = chr(code)
        advance = int(round(face.getlength(ch)))
        box = face.getbbox(ch, anchor="ls")
        metrics.append((ch, advance, box))
    return metrics


def cell_layout(metrics, halo):
    """Cell size and the pen's place in it, so that every glyph's ink fits its cell."""
    inked = [box for ch, _, box in metrics if ch != " "]
    left = min(box[0] for box in inked)
    right = max(box[2] for box in inked)
    top = min(box[1] for box in inked)
    bottom = max(box[3] for box in inked)
    pad = halo
    pen_x = max(0, -left) + pad
    baseline = -top + pad
    width = pen_x + right + pad
    height = baseline + bottom + pad
    return width, height, pen_x, baseline


def render_sheet(face, metrics, halo, opacity):
    width, height, pen_x, baseline = cell_layout(metrics, halo)
    rows = (len(metrics) + COLUMNS - 1) // COLUMNS
    coverage = Image.new("L", (COLUMNS * width, rows * height), 0)
    draw = ImageDraw.Draw(coverage)
    for i, (ch, _, _) in enumerate(metrics):
        x = (i % COLUMNS) * width + pen_x
        y = (i // COLUMNS) * height + baseline
        draw.text((x, y), ch, font=face, fill=255, anchor="ls")
    glyph = np.asarray(coverage, dtype=np.float64) / 255.0
    if halo > 0:
        rim = np.asarray(coverage.filter(ImageFilter.MaxFilter(2 * halo + 1))
                         .filter(ImageFilter.GaussianBlur(halo * 0.6)), dtype=np.float64) / 255.0
        rim = np.clip(rim * opacity, 0.0, 1.0)
        # The glyph over its rim: white where the glyph covers, black around it.
        alpha = glyph + rim * (1.0 - glyph)
        grey = np.divide(glyph, alpha, out=np.zeros_like(glyph), where=alpha > 0)
    else:
        alpha = glyph
        grey = np.ones_like(glyph)
    rgba = np.zeros(glyph.shape + (4,), dtype=np.uint8)
    rgba[..., 0:3] = np.round(grey * 255.0)[..., None].astype(np.uint8)
    rgba[..., 3] = np.round(alpha * 255.0).astype(np.uint8)
    # Texels without coverage are white, so that bilinear sampling at a glyph's edge does
    # not pull in a dark fringe.
    rgba[rgba[..., 3] == 0, 0:3] = 255
    return Image.fromarray(rgba, "RGBA"), width, height


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("face")
    parser.add_argument("size", type=int)
    parser.add_argument("output")
    parser.add_argument("--pack", required=True)
    parser.add_argument("--halo", default="0,0")
    parser.add_argument("--sheet")
    args = parser.parse_args()
    halo_text, opacity_text = args.halo.split(",")
    halo, opacity = int(halo_text), float(opacity_text)

    face = load_face(args.face, args.size)
    metrics = glyph_metrics(face)
    sheet, width, height = render_sheet(face, metrics, halo, opacity)
    sheet_path = args.sheet or os.path.splitext(args.output)[0] + ".png"
    sheet.save(sheet_path, optimize=False)

    glyphs = args.output + ".glyphs"
    # Pure white glyphs need only their alpha (format 10); a halo needs colour (format 5).
    pixel_format = "5" if halo > 0 else "10"
    subprocess.run([args.pack, "image", glyphs, sheet_path, "--pattern", f"{width}x{height}",
                    "--count", str(len(metrics)), "--format", pixel_format], check=True)
    advances = ",".join(str(advance) for _, advance, _ in metrics)
    subprocess.run([args.pack, "font", args.output, glyphs, "--advances", advances,
                    "--first", str(FIRST), "--spacing", "0"], check=True)
    os.remove(glyphs)


if __name__ == "__main__":
    sys.exit(main())
