#!/usr/bin/env bash
# Builds bench/windows_timers.cpp for Windows (into build-windows/, which
# `scripts/build-windows --test` configures) and runs it under Wine in that build's
# private prefix, on a virtual X desktop of its own. Prints its figures:
#   bench/windows_timers.sh [rounds]
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"
build_dir=$repo/build-windows
if [[ ! -f $build_dir/CMakeCache.txt ]]; then
  echo "Configure the Windows build first: scripts/build-windows --test" >&2
  exit 1
fi
cmake --build "$build_dir" -j2 --target windows_timers >/dev/null

# shellcheck source=scripts/lib/wine.sh
source scripts/lib/wine.sh
solvane_wine_prefix "$build_dir/wine-prefix" "$build_dir"
solvane_virtual_desktop "$build_dir"
"$repo/cmake/wine-run" "$build_dir/tests/platform/windows/windows_timers.exe" "$@"
