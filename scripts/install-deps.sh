#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package that radioprog needs to build, test, package, run
# and be looked at (screenshots, PDF pages). Only missing packages are installed;
# when nothing is missing no package manager runs at all, so `make` asks for no
# password. Works as root or through sudo.
#
#   install-deps.sh           installs what is missing
#   install-deps.sh --check   lists what is missing, installs nothing; exit 1 when
#                             something is
#
# Every name below is a real package, never a virtual one that another package
# provides: dpkg records only real packages as installed, so a virtual name would
# count as missing on every run.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format ccache git
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools linguist-qt6
  libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth xdotool imagemagick poppler-utils
  fonts-noto-cjk fonts-liberation
  qt6-qpa-plugins qt6-translations-l10n
  help2man desktop-file-utils appstream groff-base dpkg-dev fakeroot lintian
)

check_only=0
case ${1:-} in
  "") ;;
  --check) check_only=1 ;;
  *)
    echo "usage: install-deps.sh [--check]" >&2
    exit 2
    ;;
esac

# One dpkg-query for the whole list: a package it does not know, or knows but not
# as installed ("ok installed" also covers a package on hold), is missing.
declare -A installed=()
while IFS=' ' read -r name state; do
  [[ $state == *" ok installed" ]] && installed[${name%%:*}]=1
done < <(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null || true)

missing=()
for p in "${packages[@]}"; do
  [[ -n ${installed[$p]:-} ]] || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

if [ $check_only -eq 1 ]; then
  echo "install-deps: missing ${missing[*]}"
  exit 1
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
