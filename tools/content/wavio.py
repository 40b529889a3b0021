"""RIFF WAVE reading and writing for the content build.

Reads 16-bit PCM and 32-bit float files (what fluidsynth, sox and mpg123 write) into
float arrays of shape (frames, channels) scaled to [-1, 1]; writes 16-bit PCM.
"""

import struct

import numpy as np


class WaveError(Exception):
    pass


def parse_wave(data):
    """Returns (rate, channels, bits, format_tag, samples) from a RIFF WAVE image.

    samples is a float64 array (frames, channels). Raises WaveError on damaged input.
    """
    if len(data) < 12 or data[0:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise WaveError("not a RIFF WAVE image")
    pos = 12
    fmt = None
    payload = None
    while pos + 8 <= len(data):
        cid = data[pos:pos + 4]
        size = struct.unpack_from("<I", data, pos + 4)[0]
        body = data[pos + 8:pos + 8 + size]
        if cid == b"fmt ":
            if len(body) < 16:
                raise WaveError("short fmt chunk")
            fmt = struct.unpack_from("<HHIIHH", body, 0)
            if fmt[0] == 0xFFFE and len(body) >= 26:
                # WAVE_FORMAT_EXTENSIBLE: the sub-format's first two bytes are the tag.
                fmt = (struct.unpack_from("<H", body, 24)[0],) + fmt[1:]
        elif cid == b"data":
            payload = body
        pos += 8 + size + (size & 1)
    if fmt is None or payload is None:
        raise WaveError("missing fmt or data chunk")
    tag, channels, rate, _, block, bits = fmt
    if channels == 0 or block != channels * bits // 8:
        raise WaveError("inconsistent fmt chunk")
    frames = len(payload) // block
    payload = payload[:frames * block]
    if tag == 1 and bits == 16:
        samples = np.frombuffer(payload, dtype="<i2").astype(np.float64) / 32768.0
    elif tag == 3 and bits == 32:
        samples = np.frombuffer(payload, dtype="<f4").astype(np.float64)
    else:
        raise WaveError("unsupported sample format %d/%d" % (tag, bits))
    return rate, channels, bits, tag, samples.reshape(frames, channels)


def read_wave(path):
    with open(path, "rb") as f:
        return parse_wave(f.read())


def to_pcm16(samples):
    """Rounds float samples in [-1, 1] to 16-bit integers, saturating."""
    scaled = np.rint(np.asarray(samples) * 32767.0)
    return np.clip(scaled, -32767, 32767).astype("<i2")


def wave_image(samples, rate):
    """Builds a complete 16-bit PCM RIFF WAVE image from float samples (frames, channels)."""
    pcm = to_pcm16(samples)
    if pcm.ndim == 1:
        pcm = pcm[:, None]
    channels = pcm.shape[1]
    body = pcm.tobytes()
    block = channels * 2
    header = b"RIFF" + struct.pack("<I", 36 + len(body)) + b"WAVE"
    header += b"fmt " + struct.pack("<IHHIIHH", 16, 1, channels, rate, rate * block, block, 16)
    header += b"data" + struct.pack("<I", len(body))
    return header + body


def write_wave(path, samples, rate):
    image = wave_image(samples, rate)
    with open(path, "wb") as f:
        f.write(image)
    return len(image)
