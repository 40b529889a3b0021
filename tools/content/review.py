"""Review outputs of the content build: a contact sheet and a manifest of every record.

usage: review.py RECORDS CONTACT_SHEET_PNG MANIFEST_TXT [AUDIO_MANIFEST]

RECORDS is the packing list (KEY KIND QUALITY ALPHALEVEL FILE a line). The contact sheet
shows every pattern of every image over mid-grey and over a checkerboard, large ones
reduced, and one sample line of each font drawn from its glyphs and advances. The
manifest lists each record's key, type, size, pattern size and count; the audio
manifest, when given, is appended.
"""

import os
import struct
import sys

import numpy as np
from PIL import Image, ImageDraw

# Pixel formats: bytes, then bits of blue, green, red, alpha from the lowest bit up.
FORMATS = {0: (1, 3, 3, 2, 0), 1: (2, 5, 6, 5, 0), 2: (4, 8, 8, 8, 0), 3: (2, 5, 5, 5, 0),
           4: (2, 4, 4, 4, 0), 5: (4, 8, 8, 8, 8), 6: (2, 5, 5, 5, 1), 7: (2, 4, 4, 4, 4),
           8: (2, 3, 3, 2, 8), 9: (1, 2, 2, 2, 2), 10: (1, 0, 0, 0, 8)}
THUMB = 256
SAMPLE = "Vellara Chess 0123456789 : Your move?"


def parse_image(data, offset=0):
    head = struct.unpack_from("<B8i", data, offset)
    fmt, pw, ph, vw, vh, count, tw, th, tcount = head
    size, *bits = FORMATS[fmt]
    textures = []
    at = offset + 33
    dtype = {1: "<u1", 2: "<u2", 4: "<u4"}[size]
    for _ in range(max(tcount, 0)):
        n = tw * th
        raw = np.frombuffer(data, dtype=dtype, count=n, offset=at).astype(np.uint32)
        at += n * size
        shift = 0
        chans = []
        for b in bits:
            if b == 0:
                chans.append(np.full(n, 255, np.uint32))
            else:
                v = (raw >> shift) & ((1 << b) - 1)
                chans.append((v * 255 + ((1 << b) - 1) // 2) // ((1 << b) - 1))
            shift += b
        blue, green, red, alpha = chans
        if fmt == 10:
            red = green = blue = np.full(n, 255, np.uint32)
        rgba = np.stack([red, green, blue, alpha], -1).reshape(th, tw, 4).astype(np.uint8)
        textures.append(rgba)
    pw = pw if pw > 0 else tw
    ph = ph if ph > 0 else th
    vw = vw if vw > 0 else tw
    vh = vh if vh > 0 else th
    per = (tw // pw) * (th // ph)
    if count <= 0:
        count = per * len(textures)
    patterns = []
    for p in range(count):
        t, r = divmod(p, per)
        c, w = r % (tw // pw), r // (tw // pw)
        x = c * pw + (pw - vw) // 2
        y = w * ph + (ph - vh) // 2
        patterns.append(Image.fromarray(textures[t][y:y + vh, x:x + vw], "RGBA"))
    return {"format": fmt, "pattern": (pw, ph), "visible": (vw, vh), "count": count,
            "texture": (tw, th), "textures": len(textures), "patterns": patterns}


def parse_font(data):
    first, spacing, _, glyphs = struct.unpack_from("<4i", data, 0)
    advances = [struct.unpack_from("<i", data, 16 + 8 * i)[0] for i in range(glyphs)]
    image = parse_image(data, 16 + 8 * glyphs)
    image.update(first=first & 0xFF, spacing=spacing, advances=advances)
    return image


def checker(w, h, cell=8):
    ys, xs = np.mgrid[0:h, 0:w]
    v = np.where(((xs // cell) + (ys // cell)) % 2 == 0, 200, 150).astype(np.uint8)
    return Image.fromarray(np.stack([v, v, v, np.full_like(v, 255)], -1), "RGBA")


def thumb(pattern):
    w, h = pattern.size
    k = min(1.0, THUMB / max(w, h))
    if k < 1.0:
        pattern = pattern.resize((max(1, round(w * k)), max(1, round(h * k))), Image.LANCZOS)
    return pattern


def font_line(info):
    glyphs, advances = info["patterns"], info["advances"]
    h = info["visible"][1]
    width = sum(advances[ord(c) - info["first"]] + info["spacing"]
                for c in SAMPLE if 0 <= ord(c) - info["first"] < len(advances)) + 8
    line = Image.new("RGBA", (max(width, 8), h + 8), (0, 0, 0, 0))
    x = 4
    for c in SAMPLE:
        g = ord(c) - info["first"]
        if 0 <= g < len(glyphs):
            line.alpha_composite(glyphs[g], (x, 4))
            x += advances[g] + info["spacing"]
    return line


def main():
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    records_path, sheet_path, manifest_path = sys.argv[1:4]
    rows, lines = [], []
    with open(records_path, encoding="utf-8") as f:
        entries = [l.split(None, 4) for l in f if l.strip()]
    for key, kind, quality, alphalevel, path in entries:
        path = path.strip()
        with open(path, "rb") as f:
            data = f.read()
        info = parse_font(data) if kind == "font" else parse_image(data)
        lines.append("%-18s %-5s %9d bytes  pattern %4dx%-4d visible %4dx%-4d count %3d  "
                     "textures %d of %dx%d  format %d  quality %s  alphalevel %s"
                     % (key, kind, len(data), *info["pattern"], *info["visible"], info["count"],
                        info["textures"], *info["texture"], info["format"], quality, alphalevel))
        tiles = [font_line(info)] if kind == "font" else [thumb(p) for p in info["patterns"]]
        rows.append((key, tiles))

    margin, label = 6, 18
    width = 1600
    placed, y = [], 0
    for key, tiles in rows:
        placed.append((key, margin, y + 2))
        y += label
        x, row_h = margin, 0
        for t in tiles:
            w, h = t.size
            if x + 2 * w + margin > width and x > margin:
                x, y = margin, y + row_h + margin
                row_h = 0
            placed.append((t, x, y))
            x += 2 * w + 2 * margin
            row_h = max(row_h, h)
        y += row_h + 2 * margin
    sheet = Image.new("RGBA", (width, y + margin), (40, 40, 44, 255))
    draw = ImageDraw.Draw(sheet)
    for item, x, y0 in placed:
        if isinstance(item, str):
            draw.text((x, y0), item, fill=(235, 235, 235, 255))
            continue
        w, h = item.size
        grey = Image.new("RGBA", (w, h), (128, 128, 128, 255))
        grey.alpha_composite(item)
        board = checker(w, h)
        board.alpha_composite(item)
        sheet.paste(grey, (x, y0))
        sheet.paste(board, (x + w + 2, y0))
    sheet.convert("RGB").save(sheet_path, "PNG")

    text = "\n".join(lines) + "\n"
    if len(sys.argv) == 5 and os.path.exists(sys.argv[4]):
        with open(sys.argv[4], encoding="utf-8") as f:
            text += "\n" + f.read()
    with open(manifest_path, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
