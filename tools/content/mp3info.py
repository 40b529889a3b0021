"""Reads what the content build needs from an MP3 file: the first frame's format and the
encoder's gapless information (the Xing/Info frame count and the LAME tag's delay and
padding), from which the exact decoded length follows."""

import struct

_RATES = {3: (44100, 48000, 32000), 2: (22050, 24000, 16000), 0: (11025, 12000, 8000)}


class Mp3Error(Exception):
    pass


def _skip_id3(data):
    if data[:3] == b"ID3" and len(data) >= 10:
        size = 0
        for b in data[6:10]:
            size = (size << 7) | (b & 0x7F)
        return 10 + size
    return 0


def mp3_info(data):
    """Returns a dict: rate, channels, frames, delay, padding, samples (None if untagged).

    Raises Mp3Error when data holds no MPEG layer III frame or its tag is cut short.
    """
    try:
        return _parse(bytes(data))
    except (struct.error, IndexError):
        raise Mp3Error("MPEG audio header cut short")


def _parse(data):
    pos = _skip_id3(data)
    while pos + 4 <= len(data) and not (data[pos] == 0xFF and data[pos + 1] & 0xE0 == 0xE0):
        pos += 1
    if pos + 4 > len(data):
        raise Mp3Error("no MPEG audio frame")
    header = struct.unpack(">I", data[pos:pos + 4])[0]
    version = (header >> 19) & 3
    layer = (header >> 17) & 3
    rate_index = (header >> 10) & 3
    mode = (header >> 6) & 3
    if version == 1 or layer != 1 or rate_index == 3:
        raise Mp3Error("not an MPEG layer III frame")
    rate = _RATES[version][rate_index]
    channels = 1 if mode == 3 else 2
    side = (32 if channels == 2 else 17) if version == 3 else (17 if channels == 2 else 9)
    samples_per_frame = 1152 if version == 3 else 576
    info = {"rate": rate, "channels": channels, "frames": None, "delay": None,
            "padding": None, "samples": None}
    tag = pos + 4 + side
    if data[tag:tag + 4] not in (b"Xing", b"Info"):
        return info
    flags = struct.unpack(">I", data[tag + 4:tag + 8])[0]
    at = tag + 8
    if flags & 1:
        info["frames"] = struct.unpack(">I", data[at:at + 4])[0]
        at += 4
    if flags & 2:
        at += 4
    if flags & 4:
        at += 100
    if flags & 8:
        at += 4
    if data[at:at + 4] == b"LAME" and at + 24 <= len(data):
        d = data[at + 21:at + 24]
        info["delay"] = (d[0] << 4) | (d[1] >> 4)
        info["padding"] = ((d[1] & 0x0F) << 8) | d[2]
    if info["frames"] is not None and info["delay"] is not None:
        # The count covers the audio frames; the Info frame itself is not counted.
        total = info["frames"] * samples_per_frame
        info["samples"] = total - info["delay"] - info["padding"]
    return info


def read_mp3_info(path):
    with open(path, "rb") as f:
        return mp3_info(f.read())
