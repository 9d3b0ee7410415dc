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
opened=$(date +%s.%N)
keys Return
sleep 7.3 # between two reports
closed=$(date +%s.%N)
keys alt+Cyrillic_ze
sleep 5

# The water falls 1/20 of a division a tick of 1/7 s. The closing report
# gives the level the water stood at as Alt+З was pressed, so a report of
# level "a" is of the picture (a - closing level) * 20 ticks before the key.
# A report names the water's level first.
awk -v opened="$opened" -v closed="$closed" '
  FNR == NR {
    if (/кран закрыт/ && $1 > closed && !end) { match($0, /[0-9]+,[0-9]+/); end = substr($0, RSTART, RLENGTH); sub(",", ".", end) }
    if (/кран закрыт/ && $1 > closed && !heard) heard = $1 - closed
    next
  }
  /notification .*[0-9],[0-9]/ && !/кран закрыт/ && $1 > opened {
    match($0, /[0-9]+,[0-9]+/); level = substr($0, RSTART, RLENGTH); sub(",", ".", level)
    shown = closed - (level - end) * 20 / 7
    lag = $1 - shown; if (lag > worst) worst = lag; reports++
  }
  END {
    printf "level reports: %d, the worst heard %.2f s after the picture showed it\n", reports, worst
    printf "closing levels heard %.2f s after Alt+З\n", heard
  }' "$speech" "$speech"
