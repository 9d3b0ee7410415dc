#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# window_destroyed.sh TALVEN: another X client destroys Talven's main window
# while the liquid flows; Talven must end with status 0, as on a close. The
# window's class names the desktop entry.
set -euo pipefail
source "$(dirname "$0")/../lib.sh"
"$1" &
talven=$!
await_talven_window
# Docks and task bars find talven.desktop by the window's class.
class=$(xprop -id "$window" WM_CLASS)
[ "$class" = 'WM_CLASS(STRING) = "talven", "talven"' ] || { echo "FAIL: $class"; kill $talven; exit 1; }
start_flowing
sleep 0.5
xdotool windowclose "$window"
if ! timeout 10 tail --pid=$talven -f /dev/null; then
  echo "FAIL: still running"
  kill $talven
  exit 1
fi
status=0
wait $talven || status=$?
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
echo PASS
