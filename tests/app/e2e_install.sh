#!/usr/bin/env bash
# e2e_install.sh BUILD_DIR POINTS SCREENS WORK: `cmake --install` into WORK/prefix, then the
# installed bin/vellara-chess script starts the game from the data folder, with the music
# read from beside the program, and the game quits with status 0.
set -uo pipefail
BUILD=$1 POINTS=$2 SCREENS=$3 WORK=$4
source "$(dirname "$0")/e2e_lib.sh"
mkdir -p "$SCREENS"
rm -rf "$WORK"
prefix=$WORK/prefix

cmake --install "$BUILD" --prefix "$prefix" >/dev/null || fail "cmake --install"
program_dir=$prefix/libexec/vellara-chess
data_dir=$prefix/share/vellara-chess
for file in "$prefix/bin/vellara-chess" "$program_dir/vellara-chess"; do
  [[ -x $file ]] || fail "not installed as a program: $file"
done
for file in "$data_dir/vellara.dat" "$data_dir/vellara.def"; do
  cmp -s "$file" "$BUILD/bin/$(basename "$file")" || fail "not installed: $file"
done
has_music=0
if [[ -f $BUILD/bin/title_theme.mp3 ]]; then
  has_music=1
  for file in title_theme.mp3 main_theme.mp3; do
    cmp -s "$program_dir/$file" "$BUILD/bin/$file" || fail "not installed: $program_dir/$file"
  done
fi
log "installed into $prefix"

# Started from elsewhere, through a symbolic link, as a menu entry or a PATH entry would.
mkdir -p "$WORK/elsewhere"
ln -s "$prefix/bin/vellara-chess" "$WORK/elsewhere/vellara-chess"
start_program "$WORK/elsewhere/vellara-chess" "$WORK/elsewhere"
wait_launcher 20
click 300 225
wait_window 1024 768 20

[[ $(readlink "/proc/$PID/exe") == "$(readlink -f "$program_dir/vellara-chess")" ]] ||
  fail "the script did not start the installed program"
[[ $(readlink "/proc/$PID/cwd") == "$(readlink -f "$data_dir")" ]] ||
  fail "working folder is $(readlink "/proc/$PID/cwd"), not the data folder"
wait_until 10 drawn 31_installed_title || fail "the installed game drew no title screen"
log "screenshot 31_installed_title.png"

# The title music streams from the program's folder while the title screen shows.
music_open() {
  local fd
  for fd in /proc/"$PID"/fd/*; do
    [[ $(readlink "$fd") == "$(readlink -f "$program_dir/title_theme.mp3")" ]] && return 0
  done
  return 1
}
if ((has_music)); then
  wait_until 10 music_open || fail "the title music was not opened from $program_dir"
  log "the title music plays from the program's folder"
fi

key Escape
sleep 0.3
click_at quit 2
wait_exit 5
((STATUS == 0)) || fail "installed game: exit status $STATUS"
log "passed"
