"""Runs POV-Ray on a scene of assets/pictures and writes its PNG atomically.

The scene's folder and a scratch folder holding the generated include files are on the
library path; `declares` become POV-Ray's Declare=NAME=VALUE options (numbers only).
"""

import os
import shutil
import subprocess
import tempfile

POVRAY = shutil.which("povray") or "povray"


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
        shutil.copyfile(target, partial)
        os.replace(partial, output)
