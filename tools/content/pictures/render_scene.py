"""Renders a scene of assets/pictures to a PNG.

usage: render_scene.py SCENE OUTPUT WIDTH HEIGHT [--geometry G --shift X Y]
                       [--declare NAME=VALUE]... [--samples N] [--threads N]

With --geometry the scene gets ground_camera.inc: the camera fitted to the square table,
the board shifted by (X, Y) scene pixels. Scenes lit by radiosity render on one thread:
POV-Ray's threads share one cache of radiosity samples and fill it in whatever order they
happen to run, so two multi-threaded renders differ in the last bit of many pixels.
"""

import argparse

import board_camera
import povray


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("scene")
    parser.add_argument("output")
    parser.add_argument("width", type=int)
    parser.add_argument("height", type=int)
    parser.add_argument("--geometry")
    parser.add_argument("--shift", type=int, nargs=2, default=(0, 0))
    parser.add_argument("--declare", action="append", default=[])
    parser.add_argument("--samples", type=int, default=4)
    parser.add_argument("--threads", type=int, default=2)
    args = parser.parse_args()
    includes = {}
    if args.geometry:
        camera = board_camera.BoardCamera(board_camera.load_geometry(args.geometry))
        includes["ground_camera.inc"] = camera.pov_camera(tuple(args.shift))
    declares = dict(d.split("=", 1) for d in args.declare)
    declares["AreaSamples"] = args.samples
    povray.render(args.scene, args.output, args.width, args.height, includes=includes,
                  declares=declares, antialias=0.2, depth=2, threads=args.threads)


if __name__ == "__main__":
    main()
