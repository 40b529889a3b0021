"""Runs POV-Ray on a scene of assets/pictures and writes its PNG atomically.

The scene's folder and a scratch folder holding the generated include files are on the
library path; `declares` become POV-Ray's Declare=NAME=VALUE options (numbers only).
"""

import os
import shutil
import struct
import subprocess
import tempfile

POVRAY = shutil.which("povray") or "povray"

# POV-Ray stamps each PNG with the render's date and build; without them two renders of
# the same scene are the same file.
STAMP_CHUNKS = (b"tIME", b"tEXt", b"zTXt", b"iTXt")


def without_stamps(png):
    out, at = [png[:8]], 8
    while at < len(png):
        (length,) = struct.unpack(">I", png[at:at + 4])
        end = at + 12 + length
        if png[at + 4:at + 8] not in STAMP_CHUNKS:
            out.append(png[at:end])
        at = end
    return b"".join(out)


def render(scene, output, width, height, includes=None, declares=None, alpha=False,
           antialias=0.1, depth=3, threads=2):
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    with tempfile.TemporaryDirectory() as scratch:
        for name, text in (includes or {}).items():
            with open(os.path.join(scratch, name), "w", encoding="utf-8") as f:
                f.write(text)
        target = os.path.join(scratch, "render.png")
        args = [POVRAY, "+I" + os.path.abspath(scene), "+O" + target, "+FN8",
                "+W%d" % width, "+H%d" % height, "-D", "-V", "-GA", "-P",
                "+L" + scratch, "+L" + os.path.dirname(os.path.abspath(scene)),
                "+WT%d" % threads, "File_Gamma=sRGB"]
        if antialias:
            args += ["+A%g" % antialias, "+AM2", "+R%d" % depth, "-J"]
        else:
            args += ["-A"]
        args += ["+UA" if alpha else "-UA"]
        for name, value in (declares or {}).items():
            args.append("Declare=%s=%s" % (name, value))
        # POV-Ray looks for a user configuration in $HOME; an empty home keeps it quiet
        # and independent of whoever builds.
        env = dict(os.environ, HOME=scratch)
        result = subprocess.run(args, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                text=True)
        if result.returncode != 0 or not os.path.exists(target):
            raise SystemExit("povray failed on %s:\n%s" % (scene, result.stderr[-4000:]))
        partial = output + ".part"
        with open(target, "rb") as f:
            png = without_stamps(f.read())
        with open(partial, "wb") as f:
            f.write(png)
        os.replace(partial, output)
