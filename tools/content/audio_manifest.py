"""Writes the manifest of the built music tracks and sound effects.

usage: audio_manifest.py OUT FILE...

One line per file: name, format, duration in seconds, size in bytes.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import mp3info  # noqa: E402
import wavio  # noqa: E402


def describe(path):
    size = os.path.getsize(path)
    name = os.path.basename(path)
    if path.endswith(".mp3"):
        info = mp3info.read_mp3_info(path)
        seconds = info["samples"] / info["rate"] if info["samples"] is not None else float("nan")
        fmt = "MP3 %d Hz %s, gapless" % (info["rate"], "stereo" if info["channels"] == 2 else "mono")
    else:
        rate, channels, bits, _, samples = wavio.read_wave(path)
        seconds = len(samples) / rate
        fmt = "WAVE PCM %d Hz %d ch %d bit" % (rate, channels, bits)
    return "%-18s %-30s %9.3f s %10d bytes" % (name, fmt, seconds, size)


def main():
    out, files = sys.argv[1], sys.argv[2:]
    lines = ["# music and sound effects: file, format, duration, size"]
    lines += [describe(f) for f in files]
    tmp = out + ".part"
    with open(tmp, "w") as f:
        f.write("\n".join(lines) + "\n")
    os.replace(tmp, out)


if __name__ == "__main__":
    main()
