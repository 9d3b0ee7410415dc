#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs every libFuzzer target for FUZZ_SECONDS (60 by default) from the seed
# inputs under tests/fuzz/corpus. A crash stops the run and leaves its input in
# build/fuzz/crashes/TARGET/: copy it into tests/fuzz/corpus/TARGET/ so that
# make test replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
for target in numbertext readings script; do
  work=build/fuzz/corpus/$target crashes=build/fuzz/crashes/$target
  mkdir -p "$work" "$crashes"
  log=build/fuzz/$target.log
  echo "== fuzz_$target, $seconds s"
  seeds=("tests/fuzz/corpus/$target")
  [ "$target" != script ] || seeds+=(tests/scenarios)
  if ! ./build/fuzz/tests/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=4096 \
      -artifact_prefix="$crashes/" -print_final_stats=1 "$work" "${seeds[@]}" \
      >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$target found a crash: see $crashes/"
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
  grep -E '^#[0-9]+.*(DONE|cov:)' "$log" | tail -n 1
done
