#!/usr/bin/env bash
# Runs a command with an X display: the one given in DISPLAY, or a private virtual one
# (Xvfb) started for it and stopped afterwards.
set -uo pipefail
if [[ -n ${DISPLAY:-} ]]; then
  exec "$@"
fi
for n in $(seq 150 250); do
  [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do
    [[ -e /tmp/.X11-unix/X$n ]] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  if [[ -e /tmp/.X11-unix/X$n ]] && kill -0 "$xvfb" 2>/dev/null; then
    trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null' EXIT
    DISPLAY=":$n" "$@"
    exit $?
  fi
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
done
echo "with_display.sh: no virtual display could be started" >&2
exit 1
