# Shared steps of the end-to-end tests, sourced by e2e_*.sh: starting the program, finding
# its windows, clicking scene points, screenshots, waiting by polling. Needs DISPLAY,
# xdotool and xwd; SCREENS names the folder the screenshots go to.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
screen=$here/screen.py
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
export LIBGL_ALWAYS_SOFTWARE=1
PID=
WIN= WX=0 WY=0 WW=0 WH=0

log() { echo "e2e: $*"; }
fail() {
  echo "e2e: FAIL: $*" >&2
  stop_program
  exit 1
}
now_ms() { date +%s%3N; }

# Ends the started program, if it still runs: asked first, then killed. A terminate request
# reaches SDL as a quit event, which the launcher takes like its close box, so asking alone
# may start the game instead of ending it.
stop_program() {
  [[ -n $PID ]] || return 0
  kill "$PID" 2>/dev/null
  local i
  for ((i = 0; i < 40; i++)); do
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.05
  done
  kill -KILL "$PID" 2>/dev/null
  wait "$PID" 2>/dev/null
  PID=
}
trap stop_program EXIT

# Starts EXE with DIR as its working folder; the program's pid goes into PID.
start_program() {
  local exe=$1 dir=$2
  STARTED=("$exe" "$dir")
  (cd "$dir" && exec "$exe") &
  PID=$!
}
alive() { kill -0 "$PID" 2>/dev/null; }

# The id of a visible window named "Vellara Chess" of W x H pixels.
find_window() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Vellara Chess$' 2>/dev/null); do
    local WIDTH=0 HEIGHT=0 X=0 Y=0 SCREEN=0 WINDOW=0
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
    if [[ $WIDTH == "$1" && $HEIGHT == "$2" ]]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# Waits up to SECONDS for a W x H window; sets WIN, WX, WY, WW, WH. False when none came or
# the program ended.
try_window() {
  local w=$1 h=$2 seconds=$3 deadline id
  deadline=$(($(now_ms) + seconds * 1000))
  while (($(now_ms) < deadline)) && alive; do
    if id=$(find_window "$w" "$h"); then
      local WIDTH=0 HEIGHT=0 X=0 Y=0 SCREEN=0 WINDOW=0
      eval "$(xdotool getwindowgeometry --shell "$id")"
      WIN=$id WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT
      return 0
    fi
    sleep 0.05
  done
  return 1
}
wait_window() {
  try_window "$@" && return 0
  alive || fail "the program ended while waiting for a ${1}x$2 window"
  fail "no ${1}x$2 window \"Vellara Chess\" within $3 s"
}

# Waits up to SECONDS for the launcher window and its first picture: a click that comes
# while the window is mapped but not yet taking events would be lost.
# Now and then, on a virtual display under load, SDL's video start-up does not reach the X
# server (SDL then tries Wayland: "XDG_RUNTIME_DIR is invalid") and no window comes; such
# a start is tried once more, and said so, before the step fails.
wait_launcher() {
  if ! try_window 630 360 "$1"; then
    alive || fail "the program ended while waiting for the launcher"
    log "no launcher window within $1 s; starting the program again"
    stop_program
    start_program "${STARTED[@]}"
    wait_window 630 360 "$1"
  fi
  wait_until "$1" drawn .launcher_ready || fail "the launcher drew nothing within $1 s"
  rm -f "$SCREENS/.launcher_ready.png"
}

# Waits up to SECONDS for the program to end; its exit status goes into STATUS.
wait_exit() {
  local seconds=$1 deadline
  deadline=$(($(now_ms) + seconds * 1000))
  while alive && (($(now_ms) < deadline)); do sleep 0.05; done
  alive && fail "the program did not end within $seconds s"
  STATUS=0
  wait "$PID" || STATUS=$?
  PID=
}

# A screenshot of the current window into SCREENS/NAME.png.
shot() {
  "$screen" shot "$SCREENS/$1.png" "$WX" "$WY" "$WW" "$WH" || fail "screenshot $1"
  log "screenshot $1.png"
}

# Moves the pointer to the window point X Y (the game reads the hover from the last move),
# then clicks.
click() {
  xdotool mousemove --sync $((WX + $1)) $((WY + $2))
  sleep 0.1
  xdotool click 1
  sleep 0.1
}
hover() {
  xdotool mousemove --sync $((WX + $1)) $((WY + $2))
  sleep 0.1
}
# Clicks the scene point that vellara-scene-points gives for the query.
click_at() {
  local x y
  read -r x y < <("$POINTS" "$@") || fail "no scene point for $*"
  click "$x" "$y"
}
hover_at() {
  local x y
  read -r x y < <("$POINTS" "$@") || fail "no scene point for $*"
  hover "$x" "$y"
}
key() {
  xdotool key "$@"
  sleep 0.1
}

# True when the archive has pictures to draw; the pixel checks need them.
content_has_images() { grep -q '<image' "$1/vellara.def" 2>/dev/null; }

# Polls up to SECONDS until the command succeeds.
wait_until() {
  local seconds=$1 deadline
  shift
  deadline=$(($(now_ms) + seconds * 1000))
  while (($(now_ms) < deadline)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
# A screenshot NAME that shows more than a cleared frame, within SECONDS.
drawn() {
  "$screen" shot "$SCREENS/$1.png" "$WX" "$WY" "$WW" "$WH" && "$screen" varied "$SCREENS/$1.png"
}
