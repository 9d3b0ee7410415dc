#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# orca.sh TALVEN: a blind student's exercise, by keys only, with the Orca
# screen reader speaking through speech-dispatcher into a log. Runs inside
# tests/xvfb.sh --wm --a11y; every step names what Orca must say.
set -euo pipefail
source "$(dirname "$0")/../lib.sh"
talven=$1
scratch

# Nothing of the user's is read or written.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
  XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" \
  "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# speech-dispatcher "speaks" each utterance as a line of the log.
speech=$work/speech.log
: >"$speech"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AddModule "logger" "sd_generic" "logger.conf"
DefaultModule logger
DefaultLanguage "ru"
AudioOutputMethod "alsa"
AudioALSADevice "null"
CONF
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/logger.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $speech"
GenericLanguage "ru" "ru" "utf-8"
GenericLanguage "en" "en" "utf-8"
AddVoice "ru" "MALE1" "ru"
AddVoice "en" "MALE1" "en"
CONF
speech-dispatcher -t 0 >"$work/speechd.out" 2>&1 &

# A Russian keyboard, as the student's: the access keys are Cyrillic letters.
setxkbmap ru
step=0
# expect TEXT...: each TEXT is spoken within 20 s of the step's keys.
expect() {
  for text in "$@"; do
    for _ in $(seq 200); do
      tail -c +"$from" "$speech" | grep -qF -- "$text" && continue 2
      sleep 0.1
    done
    echo "FAIL: step $step: Orca did not say \"$text\"; it said:"
    tail -c +"$from" "$speech"
    exit 1
  done
}
# expect_changes TEXT N: N different utterances with TEXT within 20 s.
expect_changes() {
  for _ in $(seq 200); do
    [ "$(tail -c +"$from" "$speech" | grep -F -- "$1" | sort -u | wc -l)" -ge "$2" ] && return
    sleep 0.1
  done
  echo "FAIL: step $step: Orca did not say \"$1\" $2 times; it said:"
  tail -c +"$from" "$speech"
  exit 1
}
keys() {
  step=$((step + 1))
  from=$(($(stat -c %s "$speech") + 1))
  xdotool key --delay 150 "$@"
}

from=1
LANG=C.UTF-8 orca --replace >"$work/orca.out" 2>&1 &
expect "Screen reader on"
LANG=ru_RU.UTF-8 "$talven" >"$work/talven.out" 2>&1 &
expect "Тальвен" "Открыть кран"

keys Tab # the liquid
expect "Жидкость"
keys Down
expect "Плазма"
keys Tab Tab Tab space space space # the right tube's "Больше", three times
expect "Больше"
keys Tab Tab Tab Tab Tab Tab Tab space space space # the water's
expect "Больше"
keys Tab # the apparatus, as a picture with its levels
expect "Вискозиметр" "Вода 1,00, Плазма 1,00, кран закрыт"
keys Return # the tap opens; the levels are spoken as they fall
expect_changes "кран открыт" 3
keys alt+Cyrillic_ze # "Закрыть кран", from the apparatus
expect "кран закрыт"
keys alt+Cyrillic_er # to l0
expect "l ноль"
keys 0 comma 4
keys Home # the caret goes back to the 0, which Orca reads
expect "0"
keys Return # on to l'
expect "l штрих"
keys 0 comma 1 Return # computed: the result and the mean, where the student is
expect "Результат 4, среднее значение 4"
keys alt+Cyrillic_er ctrl+a BackSpace Return Return # an empty l0 is refused
expect "l ноль"
keys F10 Cyrillic_o # "О программе..." by its access key
expect "О программе Тальвен" "Авторы"
echo PASS
