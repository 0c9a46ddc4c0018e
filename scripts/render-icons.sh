#!/usr/bin/env bash
# Renders the icon's PNG sizes from resources/icons/tallaro.svg. The PNGs are kept in the tree,
# so that a build needs no SVG renderer and every build ships the same pixels; run this after
# changing the SVG and commit what it writes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh icons
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" resources/icons/tallaro.svg \
      --output "resources/icons/tallaro-$size.png"
done
echo "render-icons: resources/icons/tallaro-{16,22,24,32,48,64,128,256}.png"
