#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# soak.sh TALVEN [SECONDS [SEED]]: random real input to the window for
# SECONDS (600), repeatably from SEED: clicks anywhere on it, letters, digits,
# Tab, F10, Escape, Enter, space, arrows and Alt combinations. Every ten
# probes F10 must open the menu within 7 s (the about window may hold for 5),
# and every minute the window manager's close must end the program within
# 7 s; it is then started again. Runs inside tests/xvfb.sh --wm; not part of
# make test.
set -euo pipefail
source "$(dirname "$0")/../lib.sh"
talven=$1 seconds=${2:-600} RANDOM=${3:-1}
scratch
keys=(a z q 1 2 0 comma period minus Cyrillic_ze Cyrillic_o Cyrillic_be Cyrillic_em
  Tab shift+Tab F10 Escape Return KP_Enter space Up Down Home BackSpace ctrl+a
  alt+Cyrillic_ze alt+Cyrillic_o alt+Cyrillic_be alt+Cyrillic_em alt+Cyrillic_er
  alt+Cyrillic_pe alt+Cyrillic_te alt+Cyrillic_es alt+Cyrillic_che alt+z alt+1 alt+Down)
probes=0 closes=0

visible_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }

menu_answers() {
  local before
  for _ in 1 2; do
    # xdotool types a letter missing from the keymap by remapping a key for
    # a moment; a release can then go astray and leave a modifier held.
    xdotool keyup Alt_L Alt_R Control_L Control_R Shift_L Shift_R ISO_Level3_Shift
    xdotool key Escape Escape
    sleep 0.3
    before=$(visible_windows)
    xdotool key F10
    for _ in $(seq 35); do
      [ "$(visible_windows)" -gt "$before" ] && { xdotool key Escape; return; }
      sleep 0.1
    done
    sleep 3.5 # the about window's hold drops the key: once more
  done
  echo "FAIL: after $probes probes F10 opened no menu within 7 s" \
    "(focus on $(xdotool getwindowfocus), Talven's window $window)"
  xdotool search --onlyvisible --pid "$pid" getwindowname %@ 2>/dev/null || true
  tail -n 5 "$work/talven.err"
  ! command -v gdb >/dev/null || gdb -p "$pid" -batch -ex bt 2>/dev/null | grep '^#' | head -n 25
  exit 1
}

start() {
  LC_ALL=ru_RU.UTF-8 "$talven" 2>>"$work/talven.err" &
  pid=$!
  await_talven_window
  xdotool windowactivate --sync "$window"
}

close_ends_it() {
  wmctrl -i -c "$window"
  for _ in $(seq 70); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; closes=$((closes + 1)); return; }
    sleep 0.1
  done
  echo "FAIL: after $probes probes the window manager's close did not end Talven"
  exit 1
}

setxkbmap ru
start
end=$((SECONDS + seconds)) round=$((SECONDS + 60))
while [ $SECONDS -lt $end ]; do
  window_geometry
  if [ $((RANDOM % 3)) = 0 ]; then
    xdotool mousemove $((X + RANDOM % WIDTH)) $((Y + RANDOM % HEIGHT)) click 1
  else
    xdotool key "${keys[RANDOM % ${#keys[@]}]}"
  fi
  probes=$((probes + 1))
  sleep 0.0$((RANDOM % 10))
  [ $((probes % 10)) = 0 ] && menu_answers
  if [ $SECONDS -ge $round ]; then
    close_ends_it
    start
    round=$((SECONDS + 60))
  fi
done
close_ends_it
echo "PASS: $probes probes in $seconds s, $closes closes, each answered"
