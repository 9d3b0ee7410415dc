#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# build.sh PURPOSE PRESET [TARGET]: installs the Debian packages PURPOSE needs
# (setup.sh), then configures and builds the CMake preset PRESET, or only its
# TARGET. The terminal shows one line a step; the whole output goes to
# build/PRESET.log, whose end is shown when a step fails.
set -euo pipefail
cd "$(dirname "$0")/.."
purpose=$1 preset=$2 target=${3:-}

bash scripts/setup.sh "$purpose"
mkdir -p build
log=build/$preset.log
: >"$log"
step() {
  echo "$1"
  shift
  if ! "$@" >>"$log" 2>&1; then
    tail -n 40 "$log"
    echo "Failed: $*. The whole output is in $log." >&2
    exit 1
  fi
}
step "Configuring the $preset build" cmake --preset "$preset"
step "Building${target:+ $target} ($preset; compiler output in $log)" \
  cmake --build --preset "$preset" ${target:+--target "$target"}
