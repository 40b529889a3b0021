"""Pixel work of the picture pipeline: straight-alpha images as float arrays.

Images are numpy arrays of shape (height, width, 4), RGBA, values 0..1, alpha straight
(not premultiplied), as the game's canvas blends.
"""

import numpy as np
from PIL import Image


def load(path):
    return np.asarray(Image.open(path).convert("RGBA"), dtype=np.float64) / 255.0


def to_image(rgba):
    return Image.fromarray(np.clip(np.rint(rgba * 255.0), 0, 255).astype(np.uint8), "RGBA")


def save(rgba, path):
    # No time or text chunks: the same pixels give the same file.
    to_image(rgba).save(path, "PNG", optimize=False, compress_level=6)


def blank(width, height):
    return np.zeros((height, width, 4))


def paste(target, image, x, y):
    """Copies `image` into `target` at (x, y), pixels and alpha as they are."""
    h, w = image.shape[:2]
    target[y:y + h, x:x + w] = image


def over(bottom, top):
    """Straight-alpha `top` over `bottom`, same shape."""
    ta = top[..., 3:4]
    ba = bottom[..., 3:4]
    a = ta + ba * (1 - ta)
    c = top[..., :3] * ta + bottom[..., :3] * ba * (1 - ta)
    out = np.empty_like(bottom)
    out[..., :3] = np.where(a > 0, c / np.maximum(a, 1e-12), 0)
    out[..., 3:4] = a
    return out


def resize(rgba, width, height):
    """Resamples with premultiplied colour, so transparent pixels add no fringe."""
    pre = rgba.copy()
    pre[..., :3] *= pre[..., 3:4]
    channels = []
    for c in range(4):
        im = Image.fromarray(pre[..., c].astype(np.float32), "F")
        channels.append(np.asarray(im.resize((width, height), Image.LANCZOS), dtype=np.float64))
    out = np.clip(np.stack(channels, axis=-1), 0, 1)
    a = out[..., 3:4]
    out[..., :3] = np.where(a > 1e-6, out[..., :3] / np.maximum(a, 1e-6), 0)
    return np.clip(out, 0, 1)


def bleed(rgba, passes=64):
    """Spreads colour into fully transparent pixels from their opaque neighbours.

    Each pass gives every still-unfilled pixel the alpha-weighted mean colour of its
    filled neighbours; pixels never reached take the mean colour of the image. Alpha is
    unchanged, so this only changes what filtering mixes in at edges.
    """
    out = rgba.copy()
    known = rgba[..., 3] > 0
    if not known.any():
        return out
    colour = out[..., :3] * known[..., None]
    weight = known.astype(np.float64)
    for _ in range(passes):
        if known.all():
            break
        pc = np.pad(colour, ((1, 1), (1, 1), (0, 0)))
        pw = np.pad(weight, 1)
        sum_c = np.zeros_like(colour)
        sum_w = np.zeros_like(weight)
        h, w = weight.shape
        for dy in (0, 1, 2):
            for dx in (0, 1, 2):
                if dy == 1 and dx == 1:
                    continue
                sum_c += pc[dy:dy + h, dx:dx + w]
                sum_w += pw[dy:dy + h, dx:dx + w]
        grow = (~known) & (sum_w > 0)
        colour[grow] = sum_c[grow] / sum_w[grow][:, None]
        weight[grow] = 1.0
        known = known | grow
    if not known.all():
        mean = (rgba[..., :3] * rgba[..., 3:4]).sum((0, 1)) / max(rgba[..., 3].sum(), 1e-9)
        colour[~known] = mean
    out[..., :3] = np.where((rgba[..., 3] > 0)[..., None], rgba[..., :3], colour)
    return out


def sheet(cells, visible, columns, gutter):
    """Lays equal cells out in a grid; returns (sheet, pattern size)."""
    vw, vh = visible
    pw, ph = vw + 2 * gutter, vh + 2 * gutter
    rows = (len(cells) + columns - 1) // columns
    out = blank(pw * columns, ph * rows)
    for i, cell in enumerate(cells):
        if cell.shape[:2] != (vh, vw):
            raise SystemExit("cell %d is %dx%d, want %dx%d" % (i, cell.shape[1], cell.shape[0], vw, vh))
        paste(out, cell, (i % columns) * pw + gutter, (i // columns) * ph + gutter)
    return bleed(out), (pw, ph)


def check_inside(cell, name):
    """Fails when a figure touches its cell's border (it would be cut off)."""
    a = cell[..., 3]
    if a[0].max() > 0 or a[-1].max() > 0 or a[:, 0].max() > 0 or a[:, -1].max() > 0:
        raise SystemExit("%s touches the border of its pattern" % name)
