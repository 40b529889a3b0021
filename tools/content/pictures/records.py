"""Writes image records through vellara-pack from PNG sheets."""

import os
import subprocess


def pack_image(pack_tool, output, sheets, pattern, visible=None, count=None, pixel_format=None):
    args = [pack_tool, "image", output] + list(sheets) + ["--pattern", "%dx%d" % pattern]
    if visible:
        args += ["--visible", "%dx%d" % visible]
    if count:
        args += ["--count", str(count)]
    if pixel_format is not None:
        args += ["--format", str(pixel_format)]
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    subprocess.run(args, check=True)
