#!/usr/bin/env bash
# e2e_screens.sh BIN_DIR POINTS SCREENS: every screen and window of the game in the test
# build (vellara-chess-e2e, whose keys 'P' and 'M' set up a promotion and a checkmate in
# one, see src/app/e2e_hooks.h): the launcher started with Enter, the options window, help,
# credits, the promotion chooser, a checkmate with the end-of-game window, " Menu", and the
# scene window's close box ending the program with status 0.
set -uo pipefail
BIN=$1 POINTS=$2 SCREENS=$3
source "$(dirname "$0")/e2e_lib.sh"
mkdir -p "$SCREENS"

start_program "$BIN/vellara-chess-e2e" "$BIN"
wait_launcher 20
hover 10 10
key Return
wait_window 1024 768 20
if content_has_images "$BIN"; then
  wait_until 20 drawn 11_title || fail "the title screen was not drawn"
else
  sleep 1
fi

click_at menu 3
sleep 0.5
hover_at options 2
shot 12_options
click_at options 10
sleep 0.3

click_at menu 2
sleep 0.5
shot 13_help
click_at back
sleep 0.3

click_at menu 4
sleep 3
shot 14_credits
key Escape
sleep 0.3

click_at menu 1
sleep 0.5
key P
click_at square g7
sleep 0.3
click_at square g8
sleep 1.5
hover_at promotion 5
shot 15_promotion_chooser
click_at promotion 5
sleep 1
shot 16_promoted

key M
click_at square a1
sleep 0.3
click_at square a8
sleep 2.5
shot 17_end_of_game
click_at continue 3
sleep 0.5
shot 18_menu_after_game
alive || fail "the program ended before its window was closed"

"$screen" close "$WIN"
wait_exit 5
((STATUS == 0)) || fail "exit status $STATUS after the close box"
log "passed"
