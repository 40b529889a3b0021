#!/usr/bin/env bash
# e2e_startup.sh BIN_DIR POINTS SCREENS WORK: starting in unusual conditions. Without
# "vellara.def" the message "Failed initializing video device!" and a non-zero exit;
# without the music files a silent game; with a damaged "vellara.dat" a game that draws
# what it has; the launcher's close box starting the game like its button; and full
# screen from the launcher's check box.
set -uo pipefail
BIN=$1 POINTS=$2 SCREENS=$3 WORK=$4
source "$(dirname "$0")/e2e_lib.sh"
mkdir -p "$SCREENS"
rm -rf "$WORK"
mkdir -p "$WORK"

quit_from_title() {
  key Escape
  sleep 0.3
  click_at quit 2
  wait_exit 5
  ((STATUS == 0)) || fail "$1: exit status $STATUS"
}

# 1. No description: the test build records the message instead of showing it.
mkdir "$WORK/no_def"
cp "$BIN/vellara.dat" "$WORK/no_def/"
export VELLARA_MESSAGE_LOG=$WORK/no_def/messages.txt
start_program "$BIN/vellara-chess-e2e" "$WORK/no_def"
wait_launcher 20
key Return
wait_exit 10
unset VELLARA_MESSAGE_LOG
((STATUS != 0)) || fail "no vellara.def: exit status 0"
[[ $(cat "$WORK/no_def/messages.txt") == "Failed initializing video device!" ]] ||
  fail "no vellara.def: messages were '$(cat "$WORK/no_def/messages.txt" 2>/dev/null)'"
log "no vellara.def: the message, exit status $STATUS"

# 2. No music beside the program: it runs silently.
mkdir "$WORK/no_music"
cp "$BIN/vellara-chess" "$WORK/no_music/"
start_program "$WORK/no_music/vellara-chess" "$BIN"
wait_launcher 20
click 300 225
wait_window 1024 768 20
sleep 0.5
click_at menu 1
sleep 1
shot 21_no_music_game
key Escape
sleep 0.3
quit_from_title "no music"
log "no music: ran silently"

# 3. Damaged archives: cut short, bytes overwritten, or not an archive at all.
for damage in cut overwritten noise; do
  dir=$WORK/damaged_$damage
  mkdir "$dir"
  cp "$BIN/vellara.def" "$dir/"
  size=$(stat -c %s "$BIN/vellara.dat")
  case $damage in
    cut) head -c $((size / 2)) "$BIN/vellara.dat" > "$dir/vellara.dat" ;;
    overwritten)
      cp "$BIN/vellara.dat" "$dir/vellara.dat"
      for offset in 40 $((size / 3)) $((size / 2)) $((size - 20)); do
        ((offset > 0 && offset < size)) &&
          printf '\xde\xad\xbe\xef' | dd of="$dir/vellara.dat" bs=1 seek="$offset" conv=notrunc status=none
      done
      ;;
    noise) head -c 4096 /dev/urandom > "$dir/vellara.dat" ;;
  esac
  start_program "$BIN/vellara-chess" "$dir"
  wait_launcher 20
  click 300 225
  wait_window 1024 768 20
  sleep 1
  shot "22_damaged_${damage}_title"
  click_at menu 1
  sleep 1
  shot "23_damaged_${damage}_game"
  key Escape
  sleep 0.3
  quit_from_title "damaged archive ($damage)"
  log "damaged archive ($damage): started, drew, quit"
done

# 4. The launcher's close box starts the game like its button.
start_program "$BIN/vellara-chess" "$BIN"
wait_launcher 20
"$screen" close "$WIN"
wait_window 1024 768 20
sleep 0.5
quit_from_title "launcher close box"
log "launcher close box: the game started"

# 5. Full screen, chosen with the launcher's check box (Space): the scene fills the screen,
# scaled to fit and centred, and the pointer still hits the scene's points.
start_program "$BIN/vellara-chess" "$BIN"
wait_launcher 20
key space
key Return
read -r SW SH < <(xdotool getdisplaygeometry)
wait_window "$SW" "$SH" 20
wait_until 20 drawn 25_full_screen_title || fail "full screen: the title screen was not drawn"
log "screenshot 25_full_screen_title.png"
key Escape
sleep 0.3
click_at fit "$SW" "$SH" quit 2
wait_exit 5
((STATUS == 0)) || fail "full screen: exit status $STATUS"
log "full screen: drawn, quit with the pointer"

log "passed"
