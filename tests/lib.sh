#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the tests' shell scripts share; sourced, not run.

# A scratch folder in $work, removed at exit with every background job and
# every process whose environment names the folder: a daemon that left the
# job (speech-dispatcher's modules) is ended too, and nobody else's process.
scratch() {
  work=$(mktemp -d)
  trap 'end_own_processes; rm -rf "$work"' EXIT
}

# A client may start its server anew while it is ended: ended until none is
# left, killed when it does not end by itself within half a second.
end_own_processes() {
  local pid pids signal=TERM
  kill $(jobs -p) 2>/dev/null || true
  for round in $(seq 50); do
    # Looked for with an empty environment, so that the search does not find itself.
    pids=$(env -i PATH="$PATH" sh -c \
      'grep -laF -- "$1" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3 | grep -vx "$2"' \
      sh "$work" $$ || true)
    [ -n "$pids" ] || break
    [ "$round" -le 5 ] || signal=KILL
    for pid in $pids; do kill -s $signal "$pid" 2>/dev/null || true; done
    sleep 0.1
  done
  wait 2>/dev/null || true
}

# Waits until the window manager announces what it supports: tests activate windows.
await_window_manager() {
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW && return
    sleep 0.05
  done
}

# Sets $window to Talven's main window, waiting up to 15 s; fails the test without one.
await_talven_window() {
  window=
  for _ in $(seq 150); do
    # By class, not by title: a title's regular expression depends on the locale.
    window=$(xdotool search --onlyvisible --class '^talven$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && return
    sleep 0.1
  done
  echo "FAIL: no window"
  exit 1
}

# Sets X, Y, WIDTH and HEIGHT to $window's place on the screen, and with
# --frame to its frame's. (xdotool getwindowgeometry counts the frame's
# offset twice.)
window_geometry() {
  local info left=0 right=0 top=0 bottom=0
  info=$(xwininfo -id "$window")
  X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/.*Width: *//p' <<<"$info")
  HEIGHT=$(sed -n 's/.*Height: *//p' <<<"$info")
  if [ "${1:-}" = --frame ]; then
    # _NET_FRAME_EXTENTS = left, right, top, bottom
    read -r left right top bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | tr -dc '0-9 ,' | tr ',' ' ')"
  fi
  X=$((X - left)) Y=$((Y - top)) WIDTH=$((WIDTH + left + right)) HEIGHT=$((HEIGHT + top + bottom))
}

# From "Открыть кран", by keys: back past the apparatus to the water's
# "Больше", fill, on to the tap and open it; the liquid flows.
start_flowing() {
  xdotool windowactivate --sync "$window" key --delay 50 shift+Tab shift+Tab space Tab Tab Return
}
