#!/usr/bin/python3
"""screen.py: screenshots and pixel checks for the end-to-end test, on the X display in
DISPLAY (xwd, true colour, 24 or 32 bits per pixel).

  screen.py shot OUT.png X Y W H         the screen's rectangle as a PNG
  screen.py varied IMAGE.png [N]         succeeds when the picture has more than N colours
                                         (default 16): something was drawn, not just cleared
  screen.py differ A.png B.png X Y W H   succeeds when the rectangle differs between the two
  screen.py close WINDOW_ID              asks the window to close, as its close box does
"""
import ctypes
import ctypes.util
import struct
import subprocess
import sys
import zlib

import numpy as np


def read_xwd(data):
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
    order = range(step) if byte_order == 0 else range(step - 1, -1, -1)
    pixel = sum(rows[:, :, i] << (8 * n) for n, i in enumerate(order))

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


def read_png(path):
    """Reads the PNGs write_png makes: 8-bit RGB, filter 0 on every row."""
    data = open(path, 'rb').read()
    pos, idat, width, height = 8, b'', 0, 0
    while pos < len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b'IHDR':
            width, height = struct.unpack('>II', body[:8])
        elif kind == b'IDAT':
            idat += body
        pos += 12 + length
    raw = np.frombuffer(zlib.decompress(idat), dtype=np.uint8).reshape(height, 1 + width * 3)
    return raw[:, 1:].reshape(height, width, 3)


def crop(rgb, x, y, w, h):
    return np.ascontiguousarray(rgb[max(y, 0):y + h, max(x, 0):x + w])


def shot(out, x, y, w, h):
    data = subprocess.run(['xwd', '-root', '-silent'], check=True, capture_output=True).stdout
    write_png(out, crop(read_xwd(data), x, y, w, h))


def colours(rgb):
    packed = (rgb[:, :, 0].astype(np.uint32) << 16) | (rgb[:, :, 1].astype(np.uint32) << 8) | rgb[:, :, 2]
    return len(np.unique(packed))


def close(window):
    """Sends WM_DELETE_WINDOW, what a window manager sends when the close box is clicked."""
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library('X11') or 'libX11.so.6')
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]

    class ClientMessage(ctypes.Structure):
        _fields_ = [('type', ctypes.c_int), ('serial', ctypes.c_ulong),
                    ('send_event', ctypes.c_int), ('display', ctypes.c_void_p),
                    ('window', ctypes.c_ulong), ('message_type', ctypes.c_ulong),
                    ('format', ctypes.c_int), ('data', ctypes.c_long * 5)]

    class Event(ctypes.Union):
        _fields_ = [('xclient', ClientMessage), ('pad', ctypes.c_long * 24)]

    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit('screen.py: no display')
    event = Event()
    event.xclient.type = 33  # ClientMessage
    event.xclient.display = display
    event.xclient.window = window
    event.xclient.message_type = x11.XInternAtom(display, b'WM_PROTOCOLS', 0)
    event.xclient.format = 32
    event.xclient.data[0] = x11.XInternAtom(display, b'WM_DELETE_WINDOW', 0)
    event.xclient.data[1] = 0  # CurrentTime
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XFlush(display)
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay(display)


def main():
    args = sys.argv[1:]
    if len(args) == 6 and args[0] == 'shot':
        shot(args[1], *(int(v) for v in args[2:6]))
    elif len(args) in (2, 3) and args[0] == 'varied':
        sys.exit(0 if colours(read_png(args[1])) > (int(args[2]) if len(args) == 3 else 16) else 1)
    elif len(args) == 7 and args[0] == 'differ':
        region = [int(v) for v in args[3:7]]
        a, b = crop(read_png(args[1]), *region), crop(read_png(args[2]), *region)
        sys.exit(0 if a.shape != b.shape or np.any(a != b) else 1)
    elif len(args) == 2 and args[0] == 'close':
        close(int(args[1]))
    else:
        sys.exit(__doc__)


if __name__ == '__main__':
    main()
