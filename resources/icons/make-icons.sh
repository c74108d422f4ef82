#!/usr/bin/env bash
# Renders the program's emblem, solvane.svg beside this script, as PNG icons at
# the usual sizes of the hicolor icon theme, into hicolor/<size>x<size>/apps/
# beside this script, with rsvg-convert (librsvg2-bin). The PNGs are kept in
# the repository and installed with the SVG; run this only after changing the
# emblem, then look at the results and commit them.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
sizes=(16 22 24 32 48 64 128 256)

command -v rsvg-convert >/dev/null ||
  { echo "make-icons.sh: 'rsvg-convert' is missing (Debian: librsvg2-bin)" >&2; exit 1; }

for size in "${sizes[@]}"; do
  folder=$here/hicolor/${size}x${size}/apps
  mkdir -p "$folder"
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "$folder/solvane.png" "$here/solvane.svg"
  echo "$folder/solvane.png"
done
