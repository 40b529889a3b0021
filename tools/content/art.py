"""Drawing helpers for the interface art: antialiased shape masks, painted wood and
metal, bevels and shadows, composited as straight-alpha float RGBA layers.

Every random texture comes from a seeded generator, so the same sources always give the
same pixels.
"""

import numpy as np
from PIL import Image, ImageDraw

SUPERSAMPLE = 4


def mask(width, height, draw):
    """Coverage (0..1) of the shapes that draw(ImageDraw, s) paints at s times the size."""
    s = SUPERSAMPLE
    big = Image.new("L", (width * s, height * s), 0)
    draw(ImageDraw.Draw(big), s)
    small = big.resize((width, height), Image.BOX)
    return np.asarray(small, dtype=np.float64) / 255.0


def rounded_rect(width, height, box, radius):
    x0, y0, x1, y1 = box
    return mask(width, height, lambda d, s: d.rounded_rectangle(
        (x0 * s, y0 * s, x1 * s - 1, y1 * s - 1), radius=radius * s, fill=255))


def polygon(width, height, points):
    return mask(width, height, lambda d, s: d.polygon([(x * s, y * s) for x, y in points],
                                                      fill=255))


def blur(values, radius):
    """Gaussian blur (sigma = radius) of a 2-D float array, edges held."""
    if radius <= 0:
        return values.copy()
    r = int(np.ceil(radius * 3))
    k = np.exp(-0.5 * (np.arange(-r, r + 1) / radius) ** 2)
    k /= k.sum()
    padded = np.pad(values, r, mode="edge")
    rows = np.apply_along_axis(lambda v: np.convolve(v, k, mode="valid"), 1, padded)
    return np.apply_along_axis(lambda v: np.convolve(v, k, mode="valid"), 0, rows)


def gradient_y(height, width, top, bottom):
    t = np.linspace(0.0, 1.0, height)[:, None, None]
    return np.broadcast_to(np.array(top) * (1 - t) + np.array(bottom) * t, (height, width, 3))


def noise(width, height, seed, scale):
    """Smooth value noise in -1..1 with features about `scale` pixels apart."""
    rng = np.random.default_rng(seed)
    gw, gh = max(2, int(width / scale) + 2), max(2, int(height / scale) + 2)
    grid = rng.uniform(-1.0, 1.0, (gh, gw))
    img = Image.fromarray(((grid + 1.0) * 127.5).astype(np.uint8), "L")
    img = img.resize((int(gw * scale), int(gh * scale)), Image.BICUBIC)
    return np.asarray(img, dtype=np.float64)[:height, :width] / 127.5 - 1.0


def wood(width, height, seed, light, dark, grain=9.0):
    """Painted wood: long grain along x whose lines drift, widen and narrow, a few darker
    streaks, and fine fibres."""
    y = np.arange(height)[:, None].astype(np.float64)
    warp = (noise(width, height, seed + 1, 90.0) * 9.0 + noise(width, height, seed + 2, 25.0)
            * 2.5 + noise(width, height, seed + 5, 6.0) * 0.6)
    phase = (y + warp) / grain
    # Growth rings of uneven width: a soft band, sharper on its dark side.
    ring = phase - np.floor(phase)
    rings = np.clip(ring * 1.4, 0.0, 1.0) ** 0.8 * np.clip((1.0 - ring) * 6.0, 0.0, 1.0)
    fibres = noise(width, height, seed + 3, 1.5)
    fibres = 0.5 + 0.5 * (0.6 * np.repeat(noise(4, height, seed + 6, 1.0).mean(axis=1,
                                                                          keepdims=True),
                                          width, axis=1) + 0.4 * fibres)
    streaks = 0.5 + 0.5 * noise(width, height, seed + 4, 45.0)
    tone = 0.45 * rings + 0.25 * fibres + 0.30 * streaks
    tone = np.clip((tone - 0.2) / 0.7, 0.0, 1.0)[..., None]
    return np.array(dark) * (1 - tone) + np.array(light) * tone


def stone(width, height, seed, light, dark):
    """Weathered stone: mottled tones with fine grit."""
    tone = (noise(width, height, seed, 18.0) * 0.45 + noise(width, height, seed + 1, 5.0) * 0.3
            + noise(width, height, seed + 2, 1.5) * 0.25) * 0.5 + 0.5
    tone = np.clip(tone, 0.0, 1.0)[..., None]
    return np.array(dark) * (1 - tone) + np.array(light) * tone


def metal(height, width, seed, base):
    """Brushed, warm metal: a vertical sheen with faint horizontal streaks."""
    t = np.linspace(0.0, 1.0, height)[:, None]
    sheen = 0.75 + 0.35 * np.cos((t - 0.3) * np.pi * 1.6) + 0.0 * np.arange(width)[None, :]
    streaks = noise(width, height, seed, 3.0)
    streaks = np.repeat(streaks.mean(axis=0, keepdims=True), height, axis=0) * 0.05
    tone = np.clip(sheen + streaks, 0.0, 1.4)[..., None]
    return np.clip(np.array(base) * tone, 0.0, 1.0)


def relief(shape, radius, strength=1.0):
    """Light (positive) and shade (negative) of a raised shape lit from the top-left."""
    height = blur(shape, radius)
    gy, gx = np.gradient(height)
    light = (gx + gy) / np.sqrt(2.0)
    return np.clip(light * strength * radius * 2.0, -1.0, 1.0) * shape


def shade(rgb, amount):
    """Brightens where amount > 0 and darkens where amount < 0."""
    a = amount[..., None]
    return np.where(a > 0, rgb + (1.0 - rgb) * a, rgb * (1.0 + a))


class Layer:
    """A straight-alpha RGBA canvas; shapes are painted over it in order."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.rgb = np.zeros((height, width, 3))
        self.alpha = np.zeros((height, width))

    def paint(self, colour, coverage, opacity=1.0):
        colour = np.broadcast_to(np.asarray(colour, dtype=np.float64),
                                 (self.height, self.width, 3))
        a = np.clip(coverage * opacity, 0.0, 1.0)
        out_a = a + self.alpha * (1.0 - a)
        num = colour * a[..., None] + self.rgb * (self.alpha * (1.0 - a))[..., None]
        self.rgb = np.divide(num, out_a[..., None], out=np.zeros_like(num),
                             where=out_a[..., None] > 0)
        self.alpha = out_a

    def shadow(self, coverage, offset, radius, opacity):
        dx, dy = offset
        moved = np.zeros_like(coverage)
        h, w = coverage.shape
        moved[max(0, dy):h, max(0, dx):w] = coverage[:h - max(0, dy), :w - max(0, dx)]
        self.paint((0.0, 0.0, 0.0), blur(moved, radius), opacity)

    def image(self):
        rgba = np.zeros((self.height, self.width, 4), dtype=np.uint8)
        rgba[..., :3] = np.round(np.clip(self.rgb, 0, 1) * 255.0)
        rgba[..., 3] = np.round(np.clip(self.alpha, 0, 1) * 255.0)
        return Image.fromarray(rgba, "RGBA")


def sheet(cells, columns):
    """Cells of one size laid out row by row into one texture."""
    w, h = cells[0].size
    rows = (len(cells) + columns - 1) // columns
    out = Image.new("RGBA", (w * columns, h * rows), (0, 0, 0, 0))
    for i, cell in enumerate(cells):
        out.paste(cell, ((i % columns) * w, (i // columns) * h))
    return out
