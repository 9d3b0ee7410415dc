#!/usr/bin/env bash
# Installs the Debian packages Talven needs to build, run and test.
# Packages already present are left alone, so a second run takes a second.
set -euo pipefail

packages=(
  qt6-base-dev       # QtCore, QtGui, QtWidgets, QtTest, moc, uic
  qt6-svg-dev        # QtSvg, for the apparatus pictures
  qt6-qpa-plugins    # xcb and offscreen platform plugins
  fonts-liberation2  # Cyrillic fonts metric-compatible with Arial and Times New Roman
  "$@"
)

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
