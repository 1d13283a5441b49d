#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the application icon's PNG sizes into resources/icons/: 16 to 64 pixels
# are the frames of resources/title.ico (drawn pixel by pixel), 128 and 256 come
# from resources/icons/radioprog.svg, which draws the same picture. Needs
# ImageMagick and rsvg-convert (librsvg2-bin); the results are kept in git.
set -euo pipefail
cd "$(dirname "$0")/../resources"
for frame in 0:64 1:32 2:16 3:48; do
  convert "title.ico[${frame%%:*}]" -strip "icons/radioprog-${frame##*:}.png"
done
for size in 128 256; do
  rsvg-convert -w "$size" -h "$size" icons/radioprog.svg -o "icons/radioprog-$size.png"
done
