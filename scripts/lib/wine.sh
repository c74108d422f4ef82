# shellcheck shell=bash
# Wine for the Windows tests: a private prefix in the build folder, and a virtual X
# desktop (Xvfb, openbox, trayer) for the windows the tests open. Sourced by
# scripts/build-windows; everything started here ends when the script exits.

# Makes (once) and selects the prefix $1, logging into folder $2, and starts one
# Wine server for the prefix's set-up and every test, instead of one started and
# stopped by each wine command.
solvane_wine_prefix() {
  local prefix=$1 log_dir=$2
  export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
  # No offer to download Mono and Gecko when the prefix is made.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  wineserver -p
  _solvane_on_exit 'wineserver -k 2>/dev/null || true'
  # Wine's own Tahoma (fonts-wine), the face the settings dialog is laid out in: this
  # Wine looks for its fonts beside its libraries, not where the package puts them, so
  # they go into the prefix's font folder, where every Wine finds them.
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  local font
  for font in /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf; do
    [[ -f $font ]] && cp -u "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
  if [[ -f $WINEPREFIX/system.reg ]]; then
    return 0
  fi
  local started=$SECONDS
  # Its chatter (a 32-bit helper that a 64-bit-only Wine lacks, the folders it is
  # about to make) goes to a log, shown when it fails. No display while it runs:
  # it would open its progress window there.
  DISPLAY='' wineboot -i 2>"$log_dir/wineboot.log" || { cat "$log_dir/wineboot.log" >&2; return 1; }
  # A crash must end the test program with a failure, not wait for a click. Auto=1
  # asks no question; with no debugger named Wine runs its own winedbg --auto, which
  # prints a backtrace and ends the program, and ShowCrashDialog=0 keeps it from
  # opening its crash dialog.
  local aedebug='HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug'
  DISPLAY='' wine reg add "$aedebug" /v Auto /t REG_SZ /d 1 /f >/dev/null
  DISPLAY='' wine reg delete "$aedebug" /v Debugger /f >/dev/null 2>&1 || true
  DISPLAY='' wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
  echo "Made the Wine prefix $WINEPREFIX in $((SECONDS - started)) s."
}

# Starts Xvfb (on a free display number it picks itself), openbox and trayer, and
# points DISPLAY at it; logs go to folder $1.
solvane_virtual_desktop() {
  local log_dir=$1 fifo display
  unset WAYLAND_DISPLAY
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" 2>"$log_dir/xvfb.log" &
  _solvane_on_exit "kill $! 2>/dev/null || true"
  read -r -t 20 display <"$fifo" || { echo "Xvfb did not start (see $log_dir/xvfb.log)" >&2; rm -f "$fifo"; return 1; }
  rm -f "$fifo"
  export DISPLAY=:$display
  openbox >"$log_dir/openbox.log" 2>&1 &
  _solvane_on_exit "kill $! 2>/dev/null || true"
  trayer --edge top --align right --widthtype request --height 24 --SetDockType true >"$log_dir/trayer.log" 2>&1 &
  _solvane_on_exit "kill $! 2>/dev/null || true"
  # The window manager and the tray host are up when the root window says so.
  local tries=0
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    ((++tries > 100)); do
    sleep 0.1
  done
}

# Exit actions run last-in first-out, so the desktop goes before the Wine server.
_solvane_exit_actions=()
_solvane_on_exit() {
  _solvane_exit_actions=("$1" "${_solvane_exit_actions[@]}")
  trap '_solvane_run_exit_actions' EXIT
}
_solvane_run_exit_actions() {
  local action
  for action in "${_solvane_exit_actions[@]}"; do
    eval "$action"
  done
}
