#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package (make package, which has lintian check it), installs it with
# apt-get as a teacher would, checks that talven starts, that its desktop entry
# and metadata validate and that its manual page is indexed, then removes it
# and checks that nothing of it is left.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive

make package
deb=$(ls "$PWD"/build/release/package/talven_*.deb)

if ! "${sudo[@]}" apt-get install -y --no-install-recommends "$deb"; then
  "${sudo[@]}" apt-get update
  "${sudo[@]}" apt-get install -y --no-install-recommends "$deb"
fi

desktop-file-validate /usr/share/applications/talven.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.talven.Talven.metainfo.xml
for page in talven talven-scenario; do
  man -k talven | grep -q "^$page (1)" || { echo "$page(1) is not in the manual page index"; exit 1; }
done
man -L ru -w talven | grep -q '/ru/man1/' || { echo "talven(1) has no Russian page"; exit 1; }
printf 'pick Плазма\ndump\n' | talven-scenario | grep -q '"Combo1":"Плазма"'
for dir in build/release/app/icons/*/; do # the sizes the build rendered
  size=$(basename "$dir")
  ls /usr/share/icons/hicolor/${size}x$size/apps/talven.png >/dev/null
done
ls /usr/share/icons/hicolor/scalable/apps/talven.svg >/dev/null

# Started offscreen, talven must still be running when it is stopped.
status=0
XDG_RUNTIME_DIR=$(mktemp -d) QT_QPA_PLATFORM=offscreen timeout 3 talven || status=$?
if [ "$status" -ne 124 ]; then
  echo "talven did not keep running (exit status $status)"
  exit 1
fi

"${sudo[@]}" apt-get remove -y talven
if dpkg-query -W -f='${db:Status-Status}' talven 2>/dev/null | grep -q '^installed'; then
  echo "talven is still installed"
  exit 1
fi
for f in /usr/bin/talven /usr/bin/talven-scenario /usr/share/applications/talven.desktop \
         /usr/share/man/man1/talven.1.gz /usr/share/man/man1/talven-scenario.1.gz \
         /usr/share/man/ru/man1/talven.1.gz \
         /usr/share/metainfo/org.talven.Talven.metainfo.xml; do
  if [ -e "$f" ]; then
    echo "left behind: $f"
    exit 1
  fi
done
echo "package: installed, started, validated and removed cleanly"
