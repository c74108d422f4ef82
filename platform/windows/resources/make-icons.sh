#!/usr/bin/env bash
# Renders the Windows program's icons beside this script with rsvg-convert
# (librsvg2-bin) and packs each into an .ico file with pack-ico.py:
#   solvane.ico       the program's own icon, from resources/icons/solvane.svg
#   tray-running.ico  the tray icon while the affirmations run, from tray-running.svg
#   tray-stopped.ico  the tray icon while they are stopped, from tray-stopped.svg
# at the sizes Windows asks for at 100 to 300 % (16 to 48 pixels), the program's
# icon also at the sizes of Explorer's large views. The .ico files are kept in the
# repository; run this only after changing an emblem, then look at the results and
# commit them.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../../.." && pwd)
small_sizes=(16 20 24 32 40 48)
program_sizes=("${small_sizes[@]}" 64 256)

command -v rsvg-convert >/dev/null ||
  { echo "make-icons.sh: 'rsvg-convert' is missing (Debian: librsvg2-bin)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# make_icon OUTPUT.ico EMBLEM.svg SIZE...
make_icon() {
  local output=$1 emblem=$2 size pngs=()
  shift 2
  for size in "$@"; do
    rsvg-convert --width "$size" --height "$size" --format png \
      --output "$work/$size.png" "$emblem"
    pngs+=("$work/$size.png")
  done
  python3 "$here/pack-ico.py" "$output" "${pngs[@]}"
  rm -f "${pngs[@]}"
  echo "$output"
}

make_icon "$here/solvane.ico" "$repo/resources/icons/solvane.svg" "${program_sizes[@]}"
make_icon "$here/tray-running.ico" "$here/tray-running.svg" "${small_sizes[@]}"
make_icon "$here/tray-stopped.ico" "$here/tray-stopped.svg" "${small_sizes[@]}"
