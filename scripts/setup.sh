#!/usr/bin/env bash
# Installs the Debian packages Talven needs for one purpose:
#   setup.sh run       build and run the program
#   setup.sh test      also validate the desktop entry and the metadata
#   setup.sh package   also build a Debian package with computed dependencies
#   setup.sh fuzz      also build the libFuzzer targets with clang
# Packages already present are left alone, so a second run takes a second.
set -euo pipefail

packages=(
  qt6-base-dev      # QtCore, QtGui, QtWidgets, QtTest, moc, uic
  qt6-svg-dev       # QtSvg and QtSvgWidgets, for the pictures
  qt6-qpa-plugins   # xcb and offscreen platform plugins
  fonts-liberation2 # Cyrillic fonts metric-compatible with Arial and Times New Roman
)
case "${1:-run}" in
  run) ;;
  test) packages+=(desktop-file-utils appstream) ;;
  package) packages+=(desktop-file-utils appstream dpkg-dev file) ;;
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
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive

echo "Installing: ${missing[*]}"
# A fresh machine may have no package lists yet: update only when needed.
if ! "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
  "${sudo[@]}" apt-get update
  "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
