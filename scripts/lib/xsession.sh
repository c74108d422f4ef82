# shellcheck shell=bash
# A virtual X desktop for running Solvane without a screen: Xvfb as the
# display, a private session bus, openbox as window manager and trayer as
# tray host. Sourced by scripts/run and bench/idle.sh.
#
#   solvane_xsession_start [WIDTHxHEIGHT]   exports DISPLAY and DBUS_SESSION_BUS_ADDRESS
#   solvane_xsession_stop                   ends what start started, removes its files
#   solvane_wait_for_window NAME PID SECONDS  prints the id of PID's mapped window NAME
#   solvane_screenshot_when_painted ID FILE SECONDS  screenshot once window ID is painted
#
# Xvfb picks a free display number itself (-displayfd), so several desktops
# can run side by side. Every process is ended by the id recorded at start.

SOLVANE_XSESSION_PIDS=()
SOLVANE_XSESSION_DIR=""

# Waits until the file $1 holds a complete line; gives up after $2 seconds.
_solvane_wait_for_line() {
  local file=$1 deadline=$((SECONDS + $2))
  while ((SECONDS < deadline)); do
    if [[ -s $file && $(tail -c 1 "$file" | od -An -c) == *'\n'* ]]; then
      return 0
    fi
    sleep 0.05
  done
  return 1
}

# Runs "$@" every 50 ms until it succeeds; gives up after $1 seconds.
_solvane_poll() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    if ((SECONDS >= deadline)); then
      return 1
    fi
    sleep 0.05
  done
}

_solvane_window_manager_running() {
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

solvane_xsession_start() {
  local size=${1:-1280x800}
  SOLVANE_XSESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/solvane-xsession.XXXXXX")
  local dir=$SOLVANE_XSESSION_DIR

  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
    3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
  SOLVANE_XSESSION_PIDS+=($!)
  if ! _solvane_wait_for_line "$dir/display" 10; then
    echo "Xvfb did not start; its log:" >&2
    cat "$dir/xvfb.log" >&2
    return 1
  fi
  DISPLAY=":$(tr -d '\n' <"$dir/display")"
  export DISPLAY

  dbus-daemon --session --nofork --address="unix:path=$dir/bus" \
    --print-address=4 4>"$dir/bus-address" >"$dir/dbus.log" 2>&1 &
  SOLVANE_XSESSION_PIDS+=($!)
  if ! _solvane_wait_for_line "$dir/bus-address" 10; then
    echo "The session bus did not start; its log:" >&2
    cat "$dir/dbus.log" >&2
    return 1
  fi
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$dir/bus-address")
  export DBUS_SESSION_BUS_ADDRESS

  xsetroot -solid '#3a5f7f'

  openbox --sm-disable >"$dir/openbox.log" 2>&1 &
  SOLVANE_XSESSION_PIDS+=($!)
  if ! _solvane_poll 10 _solvane_window_manager_running; then
    echo "openbox did not start; its log:" >&2
    cat "$dir/openbox.log" >&2
    return 1
  fi

  trayer --edge top --align right --widthtype request --height 24 \
    --transparent false --tint 0x303030 >"$dir/trayer.log" 2>&1 &
  SOLVANE_XSESSION_PIDS+=($!)
  if ! _solvane_poll 10 xdotool search --classname '^trayer$'; then
    echo "trayer did not start; its log:" >&2
    cat "$dir/trayer.log" >&2
    return 1
  fi
}

solvane_xsession_stop() {
  local i pid
  # Newest first: the tray host and the window manager before the display.
  for ((i = ${#SOLVANE_XSESSION_PIDS[@]} - 1; i >= 0; i--)); do
    pid=${SOLVANE_XSESSION_PIDS[i]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  SOLVANE_XSESSION_PIDS=()
  if [[ -n $SOLVANE_XSESSION_DIR ]]; then
    rm -rf "$SOLVANE_XSESSION_DIR"
    SOLVANE_XSESSION_DIR=""
  fi
}

# Prints the id of the mapped window titled exactly $1 that belongs to process
# $2, once it appears. Fails when the process ends first or after $3 seconds.
solvane_wait_for_window() {
  local name=$1 pid=$2 deadline=$((SECONDS + $3)) id
  while ((SECONDS < deadline)); do
    id=$(xdotool search --all --onlyvisible --pid "$pid" --name "^${name}\$" 2>/dev/null | head -n 1)
    if [[ -n $id ]]; then
      printf '%s\n' "$id"
      return 0
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
      return 1
    fi
    sleep 0.02
  done
  return 1
}

# Saves a screenshot of the whole screen to $2 once window $1 shows something
# (a window is mapped a moment before it is painted): as soon as the window's
# area is no longer one flat colour, or after $3 seconds as the screen is then.
solvane_screenshot_when_painted() {
  local window=$1 file=$2 deadline=$((SECONDS + $3)) area spread
  while true; do
    area=$(xwininfo -id "$window" 2>/dev/null | awk '
      /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
      /Width:/ { w = $NF } /Height:/ { h = $NF }
      END { if (w) printf "%dx%d+%d+%d", w, h, x, y }')
    import -window root "$file" || return 1
    if [[ -z $area ]] || ((SECONDS >= deadline)); then
      return 0
    fi
    spread=$(convert "$file" -crop "$area" +repage -format '%[fx:standard_deviation]' info: 2>/dev/null) || spread=0
    if awk -v s="$spread" 'BEGIN { exit !(s > 0) }'; then
      return 0
    fi
    sleep 0.05
  done
}
