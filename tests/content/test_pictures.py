"""Tests of the picture pipeline's files: the launcher picture and the program icon as
built, the review outputs, and the pieces of the pipeline that bad input could break."""

import argparse
import json
import os
import subprocess
import sys
import unittest

import numpy as np
from PIL import Image

ARGS = None


class BuiltFilesTest(unittest.TestCase):
    def test_launcher_picture_is_a_630_by_360_jpeg(self):
        with Image.open(os.path.join(ARGS.content, "launcher.jpg")) as im:
            self.assertEqual(im.format, "JPEG")
            self.assertEqual(im.size, (630, 360))
            im.load()

    def test_icon_is_256_square_with_alpha_and_a_figure(self):
        with Image.open(os.path.join(ARGS.content, "icon.png")) as im:
            self.assertEqual(im.size, (256, 256))
            self.assertEqual(im.mode, "RGBA")
            alpha = np.asarray(im)[..., 3]
        self.assertEqual(alpha[0].max(), 0)
        self.assertGreater((alpha == 255).mean(), 0.1)

    def test_manifest_lists_every_picture_record_and_the_audio(self):
        with open(os.path.join(ARGS.content, "manifest.txt"), encoding="utf-8") as f:
            text = f.read()
        for key in ("ground", "vellara_piece_2", "vellara_piece_1", "piece_1", "piece_2",
                    "classic"):
            self.assertRegex(text, r"(?m)^%s +image " % key)
        self.assertIn("title_theme.mp3", text)
        with Image.open(os.path.join(ARGS.content, "contact_sheet.png")) as im:
            self.assertGreater(im.size[1], 500)


class PipelineTest(unittest.TestCase):
    def setUp(self):
        sys.path.insert(0, ARGS.tools)

    def test_bleed_colours_transparent_pixels_and_keeps_alpha(self):
        import imaging
        img = np.zeros((5, 5, 4))
        img[2, 2] = (1.0, 0.5, 0.25, 1.0)
        out = imaging.bleed(img)
        np.testing.assert_array_equal(out[..., 3], img[..., 3])
        np.testing.assert_allclose(out[0, 0, :3], (1.0, 0.5, 0.25))

    def test_bleed_of_an_empty_image_leaves_it(self):
        import imaging
        out = imaging.bleed(np.zeros((3, 4, 4)))
        self.assertFalse(out.any())

    def test_board_camera_projects_the_table_within_three_pixels(self):
        import board_camera
        geometry = json.loads(subprocess.run([ARGS.geometry_tool], check=True,
                                             capture_output=True, text=True).stdout)
        camera = board_camera.BoardCamera(geometry)
        worst = max(np.abs(d).max() for d in camera.corner_offsets().values())
        self.assertLess(worst, 3.0)
        self.assertGreater(camera.elevation_degrees(), 15)
        self.assertLess(camera.elevation_degrees(), 60)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--content", required=True)
    parser.add_argument("--geometry-tool", required=True)
    parser.add_argument("--tools", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest)


if __name__ == "__main__":
    main()
