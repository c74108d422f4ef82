#!/usr/bin/env bash
# Measures how quiet Solvane is while it waits between affirmations.
#   bench/idle.sh [path/to/solvane]        (default: build/solvane)
# Runs the program on its own virtual display (Xvfb, openbox, trayer) with a
# 5 s pause and a 500 ms display time, in throw-away home and XDG folders,
# and prints:
#   - the time from start to the first affirmation on screen,
#   - resident memory 10 s after start (VmRSS),
#   - CPU time and context switches (all threads) per minute while pausing,
#     sampled inside several pauses, away from the displays at either end.
# Goal: no CPU and no wake-ups while pausing beyond the pause timer itself
# (one wake-up per pause: 12 per minute at a 5 s pause).
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$repo/build/solvane}
if [[ ! -x $program ]]; then
  echo "No program at $program: build it first (scripts/run, or cmake --build build --target solvane)." >&2
  exit 1
fi
# shellcheck source=scripts/lib/xsession.sh
source "$repo/scripts/lib/xsession.sh"

pauses=6
pause_seconds=5
sample_from=0.5 # seconds after the window is hidden
sample_for=3.5  # seconds; ends 1 s before the next display is due

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/solvane-bench.XXXXXX")
program_pid=""
# shellcheck disable=SC2317 # runs from the traps below
finish() {
  trap - EXIT INT TERM
  if [[ -n $program_pid ]]; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  solvane_xsession_stop
  rm -rf "$sandbox"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

export HOME=$sandbox/home
export XDG_CONFIG_HOME=$HOME/.config XDG_STATE_HOME=$HOME/.local/state
export XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$sandbox/runtime XDG_CONFIG_DIRS=$sandbox/etc-xdg
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
mkdir -p "$XDG_CONFIG_HOME/Marwick" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_DIRS"
chmod 700 "$XDG_RUNTIME_DIR"
printf '{"AnzeigeIntervall": %d, "Anzeige": 500}\n' "$pause_seconds" \
  >"$XDG_CONFIG_HOME/Marwick/Marwick's Solvane.json"

solvane_xsession_start 1280x800

now_ns() { date +%s%N; }
# utime + stime of all threads, in clock ticks (fields 14 and 15; the command
# name in field 2 may hold blanks, so count from the closing parenthesis).
cpu_ticks() {
  local stat
  stat=$(<"/proc/$program_pid/stat")
  stat=${stat##*) }
  awk '{ print $12 + $13 }' <<<"$stat"
}
# Voluntary and involuntary context switches, summed over all threads.
context_switches() {
  cat "/proc/$program_pid"/task/*/status 2>/dev/null |
    awk '/^(voluntary|nonvoluntary)_ctxt_switches:/ { sum += $2 } END { print sum + 0 }'
}
hint_viewable() {
  xdotool search --all --onlyvisible --pid "$program_pid" --name '^TfrmHint$' >/dev/null 2>&1
}
wait_for() { # wait_for shown|hidden SECONDS
  local deadline=$((SECONDS + $2))
  while ((SECONDS < deadline)); do
    if [[ $1 == shown ]] && hint_viewable; then return 0; fi
    if [[ $1 == hidden ]] && ! hint_viewable; then return 0; fi
    kill -0 "$program_pid" 2>/dev/null || { echo "solvane ended unexpectedly" >&2; return 1; }
    sleep 0.02
  done
  echo "the affirmation window was not $1 within $2 s" >&2
  return 1
}

started=$(now_ns)
"$program" &
program_pid=$!
wait_for shown 20
first_ms=$((($(now_ns) - started) / 1000000))

sleep "$(awk -v s="$started" -v n="$(now_ns)" 'BEGIN { d = 10 - (n - s) / 1e9; print (d > 0 ? d : 0) }')"
rss_kib=$(awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status")

ticks=0 switches=0 sampled_ns=0
for ((i = 1; i <= pauses; i++)); do
  # Start each sample from the end of a display, not somewhere in a pause.
  wait_for shown $((pause_seconds + 10))
  wait_for hidden 10
  sleep "$sample_from"
  t0=$(now_ns) c0=$(cpu_ticks) s0=$(context_switches)
  sleep "$sample_for"
  t1=$(now_ns) c1=$(cpu_ticks) s1=$(context_switches)
  ticks=$((ticks + c1 - c0))
  switches=$((switches + s1 - s0))
  sampled_ns=$((sampled_ns + t1 - t0))
done

clock_ticks=$(getconf CLK_TCK)
awk -v first="$first_ms" -v rss="$rss_kib" -v ticks="$ticks" -v hz="$clock_ticks" \
  -v switches="$switches" -v ns="$sampled_ns" -v pauses="$pauses" -v pause="$pause_seconds" '
  BEGIN {
    minutes = ns / 1e9 / 60
    printf "Solvane idle benchmark (pause %d s, display 500 ms, %d pauses sampled, %.1f s in all)\n", pause, pauses, ns / 1e9
    printf "  first affirmation on screen:   %d ms after start\n", first
    printf "  resident memory after 10 s:    %.1f MiB (VmRSS %d KiB)\n", rss / 1024, rss
    printf "  CPU time while pausing:        %.3f s per minute (resolution %.3f s)\n", ticks / hz / minutes, 1 / hz
    printf "  context switches while pausing: %.1f per minute (all threads)\n", switches / minutes
    printf "Goal: no CPU and no wake-ups while pausing beyond the pause timer itself;\n"
    printf "the samples stop before each pause ends, so the goal reads 0.000 s and 0 switches per minute.\n"
  }'
