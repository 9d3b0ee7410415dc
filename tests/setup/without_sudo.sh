#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The set-up run by a user who is neither root nor has sudo, on a machine that
# lacks every package: it must name the missing packages and the one command
# that installs them as root, and stop with status 1.
set -euo pipefail
setup=$1
sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT
chmod 755 "$sandbox"
cp "$setup" "$sandbox/setup.sh"
# A PATH with no sudo, where dpkg-query knows no package as installed.
mkdir "$sandbox/bin"
ln -s "$(command -v id)" "$sandbox/bin/id"
printf '#!/bin/sh\nexit 1\n' >"$sandbox/bin/dpkg-query"
chmod 755 "$sandbox/bin/dpkg-query" "$sandbox/setup.sh"

as_user=()
[ "$(id -u)" -ne 0 ] || as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
status=0
output=$(cd "$sandbox" && "${as_user[@]}" env -i PATH="$sandbox/bin" /bin/bash setup.sh test 2>&1) ||
  status=$?
echo "$output"
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status, not 1"; exit 1; }
for expected in "qt6-base-dev" "xvfb" "apt-get install --no-install-recommends g++ cmake ninja-build qt6-base-dev"; do
  grep -qF -- "$expected" <<<"$output" || { echo "FAIL: the message lacks '$expected'"; exit 1; }
done
! grep -q "command not found" <<<"$output" || { echo "FAIL: a command was missing"; exit 1; }
echo "PASS"
