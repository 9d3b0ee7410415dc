#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Orca speaking into a log, for tests/a11y/orca.sh and bench/speech_lag.sh;
# sourced after tests/lib.sh's scratch, inside tests/xvfb.sh --wm --a11y.
# Nothing of the user's is read or written, and the user's own screen reader
# is left alone.

# start_orca [CHARACTERS_PER_SECOND [ORCA_OPTION...]]: speech-dispatcher with
# a voice that writes each utterance to $speech as "SECONDS TEXT", taking
# the time a voice of that rate would take to say it (none by default), and
# Orca speaking through it; returns once Orca is on.
start_orca() {
  local rate=${1:-0}
  shift || true
  export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
    XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/run
  mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_DATA_HOME" \
    "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR" "$work/bin"
  chmod 700 "$XDG_RUNTIME_DIR"
  speech=$work/speech.log
  : >"$speech"
  cat >"$work/bin/voice" <<VOICE
#!/bin/sh
printf '%s %s\n' "\$(date +%s.%N)" "\$1" >>"$speech"
[ "$rate" = 0 ] || sleep "\$(awk -v n="\${#1}" 'BEGIN { print n / $rate }')"
VOICE
  # Orca looks for the user's other Orcas with pgrep and, finding one, stops;
  # this one sees none, so it neither stops nor replaces the user's.
  printf '#!/bin/sh\nexit 1\n' >"$work/bin/pgrep"
  chmod +x "$work/bin/voice" "$work/bin/pgrep"
  cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AddModule "logger" "sd_generic" "logger.conf"
DefaultModule logger
DefaultLanguage "ru"
AudioOutputMethod "alsa"
AudioALSADevice "null"
DisableAutoSpawn
CONF
  cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/logger.conf" <<CONF
GenericExecuteSynth "$work/bin/voice \\'\$DATA\\'"
GenericLanguage "ru" "ru" "utf-8"
GenericLanguage "en" "en" "utf-8"
AddVoice "ru" "MALE1" "ru"
AddVoice "en" "MALE1" "en"
CONF
  speech-dispatcher --run-single -t 0 >"$work/speechd.out" 2>&1 &
  for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break
    sleep 0.05
  done
  from=1
  PATH=$work/bin:$PATH LC_ALL=C.UTF-8 orca "$@" >"$work/orca.out" 2>&1 &
  expect "Screen reader on"
}

step=0
said() { tail -c +"$from" "$speech"; } # since the step's keys
fail() {
  echo "FAIL: step $step: $1; Orca said:"
  said
  exit 1
}
# expect TEXT...: each TEXT is spoken within 20 s of the step's keys.
expect() {
  for text in "$@"; do
    for _ in $(seq 200); do
      said | grep -qF -- "$text" && continue 2
      sleep 0.1
    done
    fail "no \"$text\""
  done
}
# expect_silence TEXT: TEXT is not spoken within 2 s of the step's keys.
expect_silence() {
  sleep 2
  ! said | grep -qF -- "$1" || fail "\"$1\""
}
# expect_changes TEXT N: N different utterances with TEXT within 20 s.
expect_changes() {
  for _ in $(seq 200); do
    [ "$(said | cut -d' ' -f2- | grep -F -- "$1" | sort -u | wc -l)" -ge "$2" ] && return
    sleep 0.1
  done
  fail "not $2 times \"$1\""
}
keys() {
  step=$((step + 1))
  from=$(($(stat -c %s "$speech") + 1))
  xdotool key --delay 150 "$@"
}
