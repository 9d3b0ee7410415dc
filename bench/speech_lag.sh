#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# speech_lag.sh TALVEN: how far what Orca says lags the picture while the
# water flows, with a voice of 14 characters a second and key echo off; and
# how soon after Alt+З the closing levels are heard. Runs inside
# tests/xvfb.sh --wm --a11y (make bench-speech).
set -euo pipefail
here=$(dirname "$0")
source "$here/../tests/lib.sh"
source "$here/../tests/a11y/speech.sh"
scratch
start_orca 14 --disable=key-echo
setxkbmap ru
LC_ALL=ru_RU.UTF-8 "$1" >"$work/talven.out" 2>&1 &
expect "Открыть кран"
sixteen="space space space space space space space space space space space space space space space space"
keys Tab Tab Tab Tab $sixteen Tab Tab Tab Tab Tab Tab Tab $sixteen Tab # both tubes full; the apparatus
sleep 8 # what the focus brought is said
keys Return
opened=$(date +%s.%N)
sleep 7.3 # between two reports
keys alt+Cyrillic_ze
closed=$(date +%s.%N)
sleep 5

# The water falls 1/20 of a division a tick of 1/7 s: from the level spoken
# as the apparatus took the focus, level "a" showed from tick (start - a) * 20.
# A report names the water's level first.
awk -v opened="$opened" -v closed="$closed" '
  /Вода [0-9,]+, / && $1 < opened { start = $3; sub(",", ".", start) }
  /notification .*[0-9],[0-9]/ && $1 > opened && $1 < closed {
    match($0, /[0-9]+,[0-9]+/); level = substr($0, RSTART, RLENGTH); sub(",", ".", level)
    shown = opened + (start - level) * 20 / 7
    lag = $1 - shown; if (lag > worst) worst = lag; reports++
  }
  /кран закрыт/ && $1 > closed && !heard { heard = $1 - closed }
  END {
    printf "level reports while flowing: %d, worst lag %.2f s\n", reports, worst
    printf "closing levels heard %.2f s after Alt+З\n", heard
  }' "$speech"
