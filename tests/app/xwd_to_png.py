#!/usr/bin/python3
"""xwd_to_png.py IN.xwd OUT.png [X Y W H]: an X window dump (xwd, 24 or 32 bits per pixel,
true colour) as a PNG, optionally cropped. Used by the end-to-end test for its screenshots."""
import struct
import sys
import zlib

import numpy as np


def read_xwd(path):
    data = open(path, 'rb').read()
    fields = struct.unpack('>25I', data[:100])
    header_size, version = fields[0], fields[1]
    if version != 7:
        raise ValueError('not an X11 window dump')
    width, height = fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    red_mask, green_mask, blue_mask = fields[14], fields[15], fields[16]
    ncolors = fields[19]
    offset = header_size + ncolors * 12
    if bits_per_pixel not in (24, 32):
        raise ValueError('unsupported pixel size %d' % bits_per_pixel)
    step = bits_per_pixel // 8
    rows = np.frombuffer(data, dtype=np.uint8, count=bytes_per_line * height, offset=offset)
    rows = rows.reshape(height, bytes_per_line)[:, :width * step].reshape(height, width, step)
    rows = rows.astype(np.uint32)
    if byte_order == 0:  # LSBFirst
        pixel = sum(rows[:, :, i] << (8 * i) for i in range(step))
    else:
        pixel = sum(rows[:, :, i] << (8 * (step - 1 - i)) for i in range(step))

    def channel(mask):
        shift = (mask & -mask).bit_length() - 1
        return ((pixel & mask) >> shift).astype(np.uint8)

    return np.dstack([channel(red_mask), channel(green_mask), channel(blue_mask)])


def write_png(path, rgb):
    height, width, _ = rgb.shape
    raw = b''.join(b'\0' + rgb[y].tobytes() for y in range(height))

    def chunk(kind, body):
        return (struct.pack('>I', len(body)) + kind + body +
                struct.pack('>I', zlib.crc32(kind + body) & 0xFFFFFFFF))

    with open(path, 'wb') as out:
        out.write(b'\x89PNG\r\n\x1a\n')
        out.write(chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b'IDAT', zlib.compress(raw, 6)))
        out.write(chunk(b'IEND', b''))


def main():
    if len(sys.argv) not in (3, 7):
        sys.exit(__doc__)
    rgb = read_xwd(sys.argv[1])
    if len(sys.argv) == 7:
        x, y, w, h = (int(v) for v in sys.argv[3:7])
        rgb = rgb[max(y, 0):y + h, max(x, 0):x + w]
    write_png(sys.argv[2], np.ascontiguousarray(rgb))


if __name__ == '__main__':
    main()
