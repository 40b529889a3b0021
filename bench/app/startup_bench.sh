#!/usr/bin/env bash
# startup_bench.sh BIN_DIR POINTS: the figures a player feels, for the program in the X
# display of DISPLAY (run it through tests/gfx/with_display.sh for a virtual one). Runs the
# test build, vellara-chess-e2e, which is the shipped program plus a trace of its start-up
# stages and frame counts (VELLARA_TRACE_LOG). Prints one line per figure:
# start-up stages, CPU of the whole process idle in the launcher, on the title and game
# screens and while the engine thinks, frames and draw calls, and peak memory.
set -uo pipefail
BIN=$1 POINTS=$2
SCREENS=$(mktemp -d)
source "$(dirname "$0")/../../tests/app/e2e_lib.sh"
trace=$SCREENS/trace.txt
export VELLARA_TRACE_LOG=$trace
# CPU ticks of the whole process, and of its window thread (the main thread) alone.
ticks() { awk '{print $14 + $15}' "/proc/$PID/stat"; }
window_ticks() { awk '{print $14 + $15}' "/proc/$PID/task/$PID/stat"; }
hz=$(getconf CLK_TCK)
cpu_percent() {  # over SECONDS: "WHOLE % (window thread W %)"
  local a b wa wb
  a=$(ticks) wa=$(window_ticks)
  sleep "$1"
  b=$(ticks) wb=$(window_ticks)
  echo "$(((b - a) * 100 / (hz * $1))) % (window thread $(((wb - wa) * 100 / (hz * $1))) %)"
}
stage() { awk -v name="$1" '$1 == "stage" { $1 = ""; t = $NF; $NF = ""; gsub(/^ +| +$/, "");
  if ($0 == name) { print t; exit } }' "$trace"; }
# The last frame counts: "MS DRAWN REPEATED DRAWCALLS".
frames() { awk '$1 == "frames" { line = $2 " " $3 " " $4 " " $5 } END { print line }' "$trace"; }
# Over SECONDS: drawn frames a second, all steps a second, draw calls of the last frame.
frame_rates() {
  local t0 d0 r0 c0 t1 d1 r1 c1
  read -r t0 d0 r0 c0 < <(frames)
  sleep "$1"
  sleep 1.1  # the trace writes once a second
  read -r t1 d1 r1 c1 < <(frames)
  local ms=$((t1 - t0))
  ((ms > 0)) || ms=1
  echo "$(((d1 - d0) * 1000 / ms)) drawn, $(((d1 - d0 + r1 - r0) * 1000 / ms)) steps a second, $c1 draw calls"
}

t0=$(now_ms)
start_program "$BIN/vellara-chess-e2e" "$BIN"
wait_launcher 20
echo "start to launcher window (as seen from outside): $(($(now_ms) - t0)) ms"
echo "start to launcher drawn: $(stage 'launcher drawn') ms"
echo "CPU idle in the launcher: $(cpu_percent 3)"
hover 300 225
xdotool click 1
wait_window 1024 768 20
wait_until 10 grep -q "first frame" "$trace"
closed=$(stage 'launcher closed')
echo "launcher closed to display (window, GL context): $(($(stage 'display') - closed)) ms"
echo "display to content loaded: $(($(stage 'display and content') - $(stage 'display'))) ms"
echo "launcher closed to first title frame: $(($(stage 'first frame') - closed)) ms"
sleep 1
echo "title screen (carousel turning): $(frame_rates 4)"
echo "CPU on the title screen: $(cpu_percent 5)"
click_at menu 1
sleep 0.5
click_at square e2
sleep 0.3
click_at square e4
sleep 0.8
echo "CPU while the engine thinks (2 s of its 3 s): $(cpu_percent 2)"
sleep 3
echo "game screen, idle: $(frame_rates 4)"
echo "CPU idle on the game screen: $(cpu_percent 5)"
# The pointer is drawn by the scene: moving it makes every frame new.
sweep() {
  local end=$(($(now_ms) + $1 * 1000)) x=100
  while (($(now_ms) < end)); do
    xdotool mousemove $((WX + x)) $((WY + 400))
    x=$(((x + 7) % 600 + 100))
    sleep 0.01
  done
}
sweep 6 &
sweeper=$!
sleep 1
echo "game screen, pointer moving: $(frame_rates 3)"
wait "$sweeper"
echo "peak memory: $(awk '/VmHWM/ {print $2, $3}' "/proc/$PID/status")"
key Escape
key Escape
click_at quit 2
wait_exit 5
rm -rf "$SCREENS"
