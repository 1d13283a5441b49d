#!/usr/bin/env bash
# Installs every Debian package that radioprog needs to build, test, run and be
# looked at (screenshots, PDF pages). Safe to run again: only missing packages
# are installed. Works as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format ccache git
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix
  qt6-base-dev qt6-base-dev-tools libqt6serialport6-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools linguist-qt6
  libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth xdotool imagemagick poppler-utils
  fonts-noto-cjk fonts-liberation
  qt6-qpa-plugins qt6-translations-l10n
  help2man desktop-file-utils appstream groff-base dpkg-dev fakeroot
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
