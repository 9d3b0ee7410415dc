#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# xvfb.sh [--wm] [--a11y] COMMAND...: runs COMMAND on a virtual X server of
# its own (Xvfb, 24-bit colour) with the xcb platform; with --wm under the
# openbox window manager, with --a11y on a D-Bus session with the
# accessibility bus a screen reader listens on. Needs no display of the user's.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
wm=false a11y=false
while true; do
  case "${1:-}" in
    --wm) wm=true; shift ;;
    --a11y) a11y=true; shift ;;
    *) break ;;
  esac
done

scratch

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

if $wm; then
  HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
  export TALVEN_TEST_WM_PID=$! # a test may stop it to play a slow window manager
  await_window_manager
fi
if $a11y; then
  # The accessibility bus must be running, not merely activatable, for Qt's
  # bridge to come up; QT_LINUX_ACCESSIBILITY_ALWAYS_ON stands for a reader.
  dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    for _ in $(seq 100); do
      dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
      sleep 0.05
    done
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"' bash "$@"
else
  "$@"
fi
