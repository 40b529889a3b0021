#!/usr/bin/env bash
# e2e_game.sh BIN_DIR POINTS SCREENS: the shipped program end to end. The launcher, its
# start button, the title, "play game", a pawn moved by clicks on the squares' centres, the
# computer's reply within its 3 s limit, a move taken back with the toolbar, Esc, "quit"
# and " Quit", and an exit with status 0 within a few seconds. Screenshots of each step go
# into SCREENS.
set -uo pipefail
BIN=$1 POINTS=$2 SCREENS=$3
source "$(dirname "$0")/e2e_lib.sh"
mkdir -p "$SCREENS"
pixels=false
content_has_images "$BIN" && pixels=true

t0=$(now_ms)
start_program "$BIN/vellara-chess" "$BIN"
wait_launcher 20
log "launcher after $(($(now_ms) - t0)) ms"
shot 01_launcher
hover 300 225
shot 02_launcher_hover

click 300 225
t1=$(now_ms)
wait_window 1024 768 20
if $pixels; then
  wait_until 20 drawn 03_title || fail "the title screen was not drawn"
else
  sleep 1
  shot 03_title
fi
log "title after $(($(now_ms) - t1)) ms from the start button"

click_at menu 1
sleep 1
shot 04_game
click_at square e2
sleep 0.5
click_at square e4
sleep 1.5
shot 05_player_moved
# The computer answers when its 3 s are up; its piece then slides.
if $pixels; then
  # The Brunettes' half of the figure board changes when their piece has moved.
  read -r ax ay < <("$POINTS" square a8)
  read -r hx hy < <("$POINTS" square h5)
  replied() {
    "$screen" shot "$SCREENS/06_computer_replied.png" "$WX" "$WY" "$WW" "$WH" &&
      "$screen" differ "$SCREENS/05_player_moved.png" "$SCREENS/06_computer_replied.png" \
        $((ax - 40)) $((ay - 120)) $((hx - ax + 80)) $((hy - ay + 140))
  }
  wait_until 12 replied || fail "the computer did not reply"
else
  sleep 5
  shot 06_computer_replied
fi
log "computer replied"
click_at toolbar 4
sleep 0.5
shot 07_classic_board
click_at toolbar 7
sleep 1
shot 08_taken_back
alive || fail "the program ended during the game"

key Escape
sleep 0.5
shot 09_title_again
key Escape
sleep 0.5
shot 10_quit_confirm
click_at quit 2
t2=$(now_ms)
wait_exit 5
log "exit status $STATUS after $(($(now_ms) - t2)) ms"
((STATUS == 0)) || fail "exit status $STATUS"
log "passed"
