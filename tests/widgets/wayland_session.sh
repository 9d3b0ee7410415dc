#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# wayland_session.sh TALVEN: Talven on a Wayland desktop (weston, headless,
# with XWayland and Qt's Wayland plugin installed) and no platform chosen by
# the user. It must come up through XWayland, and a maximise request from the
# window manager must not end it; the end of the desktop ends it with a word
# and status 1.
set -euo pipefail
source "$(dirname "$0")/../lib.sh"
scratch
chmod 700 "$work"
export XDG_RUNTIME_DIR=$work XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=talven-test
unset DISPLAY QT_QPA_PLATFORM
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --xwayland --idle-time=0 \
  --no-config >"$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
  grep -q 'xserver listening on display' "$work/weston.log" && break
  sleep 0.05
done
display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
[ -n "$display" ] || { cat "$work/weston.log"; echo "FAIL: weston did not start XWayland"; exit 1; }
export DISPLAY=$display

"$1" 2>"$work/talven.err" &
talven=$!
await_talven_window # on XWayland
wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
sleep 1
kill -0 $talven 2>/dev/null || { echo "FAIL: Talven ended on a maximise request"; exit 1; }
kill $weston
status=0
wait $talven || status=$?
grep -q 'X11 connection broke' "$work/talven.err" && [ $status = 1 ] ||
  { echo "FAIL: the desktop ended; Talven ended with status $status:"; cat "$work/talven.err"; exit 1; }
echo PASS
