#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# orca_english.sh TALVEN: the exercise of an English-medium group, by keys,
# with Orca speaking into a log: English names, numbers with a point.
set -euo pipefail
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/speech.sh"
talven=$1
scratch
start_orca

setxkbmap us
LANGUAGE=en LC_ALL=C.UTF-8 "$talven" >"$work/talven.out" 2>&1 &
expect "Talven" "Open tap"

keys Tab # the liquid
expect "Liquid"
keys Up Up # two names up from xylene
expect "Plasma"
keys Tab Tab Tab Tab space # the right tube's "Less": it is empty
expect "Tube empty"
keys shift+Tab space space space space space space space space space space space space space \
  space space space space # the right "More", sixteen times and one too many
expect "Tube full"
keys Tab Tab Tab Tab Tab Tab Tab space # the water's "More", once
expect "More"
keys Tab Tab Return # "Open tap": the water runs dry, wherever the focus is
expect "Close tap" "Left tube ran dry"
keys alt+s # "Close tap" by its access key
expect "Open tap"
keys alt+c # to l0
expect "l zero"
keys 0 period 5 Return # on to l'
expect "l prime"
keys 0 period 2 Return # computed, with a point
expect "Result 2.5, mean 2.5"
keys ctrl+a BackSpace Return # an empty l' is refused, with its reason
expect "l prime: a number above zero is needed"
echo PASS
