#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# window_destroyed.sh TALVEN: another X client destroys Talven's main window
# while the liquid flows; Talven must end with status 0, as on a close. The
# window's class names the desktop entry.
set -euo pipefail
"$1" &
talven=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^Тальвен' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no window"; kill $talven; exit 1; }
# Docks and task bars find talven.desktop by the window's class.
class=$(xprop -id "$window" WM_CLASS)
[ "$class" = 'WM_CLASS(STRING) = "talven", "talven"' ] || { echo "FAIL: $class"; kill $talven; exit 1; }
# From "Открыть кран": back to the water's "Больше", fill, on to the tap, open.
xdotool windowactivate --sync "$window" key --delay 50 shift+Tab space Tab Return
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
