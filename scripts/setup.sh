#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the Debian packages Talven needs for one purpose:
#   setup.sh run       build and run the program
#   setup.sh test      also run the tests on a virtual X server and check
#                      the desktop entry, the metadata and the licences
#   setup.sh package   also build and check a Debian package
#   setup.sh fuzz      also build the libFuzzer targets with clang
# Packages already present are left alone, so a second run takes a second.
# Without root and without sudo it names what is missing and stops.
set -euo pipefail

packages=(
  g++ cmake ninja-build # the build
  qt6-base-dev      # QtCore, QtGui, QtWidgets, QtTest, moc, uic
  qt6-svg-dev       # QtSvg, whose image plugin renders the drawings
  qt6-tools-dev qt6-l10n-tools # qt_add_translations, lupdate and lrelease
  qt6-translations-l10n        # Qt's own texts in Russian
  qt6-qpa-plugins   # xcb and offscreen platform plugins
  libxcb1-dev       # the X protocol's names for a destroyed window
  fonts-liberation2 # Cyrillic fonts metric-compatible with Arial and Times New Roman
)
case "${1:-run}" in
  run) ;;
  test) packages+=(xvfb xauth openbox xdotool x11-utils dbus at-spi2-core desktop-file-utils appstream reuse
                 tigervnc-standalone-server x11-xserver-utils weston xwayland qt6-wayland wmctrl
                 orca speech-dispatcher x11-xkb-utils) ;;
  package) packages+=(desktop-file-utils appstream dpkg-dev file lintian man-db) ;;
  fuzz) packages+=(clang libclang-rt-14-dev) ;;
  *) echo "usage: setup.sh [run|test|package|fuzz]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Talven needs these Debian packages, which are not installed: ${missing[*]}" >&2
    echo "Install them as root, then run this command again:" >&2
    echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

# apt-get's output goes to a log; the terminal shows what is installed, and
# apt-get's own error when it fails.
mkdir -p build
log=$PWD/build/setup.log # run from the checkout, as make does
echo "Installing ${#missing[@]} Debian packages: ${missing[*]} (apt-get's output in $log)"
apt_get() {
  "${sudo[@]}" apt-get "$@" >>"$log" 2>&1
}
failed() {
  grep -E '^(E|W): ' "$log" | tail -n 10 >&2 || tail -n 20 "$log" >&2
  echo "Installing the packages failed; apt-get's whole output is in $log." >&2
  exit 1
}
# A fresh machine may have no package lists yet: update only when needed.
if ! apt_get install -y --no-install-recommends "${missing[@]}"; then
  apt_get update || failed
  apt_get install -y --no-install-recommends "${missing[@]}" || failed
fi
