#!/usr/bin/env bash
# startup_bench.sh BIN_DIR POINTS: the figures a player feels, for the shipped program in
# the X display of DISPLAY (run it through tests/gfx/with_display.sh for a virtual one):
# start to launcher, start button to the scene window, CPU of the whole process idle on
# the title and while the engine thinks, and peak memory. Prints one line per figure.
set -uo pipefail
BIN=$1 POINTS=$2
SCREENS=$(mktemp -d)
source "$(dirname "$0")/../../tests/app/e2e_lib.sh"
ticks() { awk '{print $14 + $15}' "/proc/$PID/stat"; }
hz=$(getconf CLK_TCK)
cpu_percent() {  # over SECONDS
  local a b
  a=$(ticks)
  sleep "$1"
  b=$(ticks)
  echo $(((b - a) * 100 / (hz * $1)))
}

t0=$(now_ms)
start_program "$BIN/vellara-chess" "$BIN"
wait_window 630 360 20
echo "start to launcher: $(($(now_ms) - t0)) ms"
echo "CPU idle in the launcher: $(cpu_percent 3) %"
hover 300 225
xdotool click 1
t1=$(now_ms)
wait_window 1024 768 20
echo "start button to scene window: $(($(now_ms) - t1)) ms"
sleep 1
echo "CPU idle on the title screen: $(cpu_percent 5) %"
click_at menu 1
sleep 0.5
click_at square e2
sleep 0.3
click_at square e4
sleep 1.2
echo "CPU while the engine thinks (2 s of its 3 s): $(cpu_percent 2) %"
sleep 3
echo "CPU idle on the game screen: $(cpu_percent 5) %"
echo "peak memory: $(awk '/VmHWM/ {print $2, $3}' "/proc/$PID/status")"
key Escape
key Escape
click_at quit 2
wait_exit 5
rm -rf "$SCREENS"
