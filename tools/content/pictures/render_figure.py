"""Renders one figure for the board and as a portrait.

usage: render_figure.py SCENE GEOMETRY PATTERN BOARD_PNG PORTRAIT_PNG [--samples N]

The camera is orthographic, looking down at the board camera's elevation and along its
azimuth, placed so that the lowest point of the figure's base (the front of its rim)
falls on the pattern's anchor pixel.
"""

import argparse
import math

import board_camera
import layout
import povray


def frame_include(width, height, pixels_per_unit, anchor, base_radius, elevation, azimuth):
    e, a = math.radians(elevation), math.radians(azimuth)
    forward = (math.sin(a) * math.cos(e), -math.sin(e), math.cos(a) * math.cos(e))
    right = (math.cos(a), 0.0, -math.sin(a))
    up = (math.sin(e) * math.sin(a), math.cos(e), math.sin(e) * math.cos(a))
    rim = (-base_radius * math.sin(a), 0.0, -base_radius * math.cos(a))
    ax = anchor[0] + layout.ANCHOR_IN_PIXEL[0]
    ay = anchor[1] + layout.ANCHOR_IN_PIXEL[1]
    offset_right = (width / 2.0 - ax) / pixels_per_unit
    offset_up = (ay - height / 2.0) / pixels_per_unit
    centre = [rim[i] + offset_right * right[i] + offset_up * up[i] for i in range(3)]
    location = [centre[i] - 100.0 * forward[i] for i in range(3)]

    def vec(v, k=1.0):
        return "<%.9f, %.9f, %.9f>" % tuple(c * k for c in v)
    return ("#declare ViewAzimuth = %.6f;\n"
            "camera {\n  orthographic\n  location %s\n  direction %s\n  right %s\n  up %s\n}\n"
            % (azimuth, vec(location), vec(forward), vec(right, width / pixels_per_unit),
               vec(up, height / pixels_per_unit)))


BASE_RADIUS = {1: 1.45, 2: 1.62, 3: 1.5, 4: 1.55, 5: 1.7, 6: 1.75}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("scene")
    parser.add_argument("geometry")
    parser.add_argument("pattern", type=int)
    parser.add_argument("board_png")
    parser.add_argument("portrait_png")
    parser.add_argument("--samples", type=int, default=5)
    args = parser.parse_args()

    geometry = board_camera.load_geometry(args.geometry)
    camera = board_camera.BoardCamera(geometry)
    elevation, azimuth = camera.elevation_degrees(), camera.azimuth_degrees()
    kind, army = layout.piece_kind_army(args.pattern)
    anchor = geometry["anchors"][args.pattern]
    declares = {"Kind": kind, "Army": army, "AreaSamples": args.samples}
    for output, size, scale, at in (
            (args.board_png, layout.FIGURE_VISIBLE, layout.FIGURE_PIXELS_PER_UNIT, anchor),
            (args.portrait_png, layout.PORTRAIT_VISIBLE,
             layout.FIGURE_PIXELS_PER_UNIT * layout.PORTRAIT_FACTOR,
             layout.portrait_anchor(anchor))):
        frame = frame_include(size[0], size[1], scale, at, BASE_RADIUS[kind], elevation, azimuth)
        povray.render(args.scene, output, size[0], size[1],
                      includes={"figure_frame.inc": frame}, declares=declares, alpha=True,
                      antialias=0.1, depth=2)


if __name__ == "__main__":
    main()
