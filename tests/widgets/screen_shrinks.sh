#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# screen_shrinks.sh TALVEN: the screen goes from 1920x1200 to 800x600 while
# the liquid flows; the whole window must then lie on the screen, or, when it
# is larger than the screen (QT_SCALE_FACTOR=2), its frame's top left corner.
# Xvfb cannot change its size, so this runs on an X server of its own that can
# (Xvnc).
set -euo pipefail
source "$(dirname "$0")/../lib.sh"
scratch
Xvnc -displayfd 3 -geometry 1920x1200 -depth 24 -SecurityTypes None -rfbport -1 -nolisten tcp \
  3>"$work/display" 2>"$work/xvnc.log" &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { cat "$work/xvnc.log"; echo "FAIL: Xvnc did not start"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
await_window_manager

"$1" &
await_talven_window
start_flowing
xrandr -s 800x600
inside=false
for _ in $(seq 50); do
  sleep 0.1
  window_geometry --frame
  if [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] &&
    { [ $((X + WIDTH)) -le 800 ] && [ $((Y + HEIGHT)) -le 600 ] || [ "$WIDTH" -gt 800 ]; }; then
    inside=true
    break
  fi
done
$inside || { echo "FAIL: the window lies at $X,$Y ${WIDTH}x$HEIGHT on an 800x600 screen"; exit 1; }
echo PASS
