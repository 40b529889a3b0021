#!/usr/bin/env bash
# Makes the demo content, packs it with vellara-pack, shows it in a real window and takes
# a screenshot: BUILD_DIR/gfx_demo/screenshot.png.
set -euo pipefail
pack=$1 demo=$2 out=$3
rm -rf "$out"
mkdir -p "$out"
"$demo" content "$out"
"$pack" image "$out/discs.rec" "$out/discs.rgba" --raw 256x128 --pattern 64x64 --visible 60x60
"$pack" image "$out/backdrop.rec" "$out/backdrop.rgba" --raw 512x384 --pattern 512x384 --format 2
"$pack" image "$out/glyphs.rec" "$out/glyphs.rgba" --raw 256x96 --pattern 16x24 --count 59 --format 10
"$pack" font "$out/font.rec" "$out/glyphs.rec" --first 32 --spacing 0 --advances "$(cat "$out/advances.txt")"
"$pack" create "$out/demo.dat" "$out/list.txt" --password qzvk
"$pack" list "$out/demo.dat" --password qzvk
"$demo" show "$out/vellara.def" --frames 40 --screenshot "$out/screenshot.png"
test -s "$out/screenshot.png"
echo "screenshot: $out/screenshot.png"
