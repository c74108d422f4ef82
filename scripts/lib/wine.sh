# shellcheck shell=bash
# Wine for the Windows tests: a private prefix in the build folder, and a virtual X
# desktop (Xvfb, openbox, trayer) for the windows the tests open. Sourced by
# scripts/build-windows; everything started here ends when the script exits.

# Makes (once) and selects the prefix $1, logging into folder $2, and starts one
# Wine server for the prefix's set-up and every test, instead of one started and
# stopped by each wine command. A prefix counts as made once the mark file that
# ends its set-up exists; a half-made one (a run stopped midway, a full disk) is
# made again from nothing. A failed set-up is tried once more from an empty
# prefix before the script gives up: wineboot has been seen failing once on a
# fresh machine ("could not load kernel32.dll") and not again.
solvane_wine_prefix() {
  local prefix=$1 log_dir=$2
  export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
  # No offer to download Mono and Gecko when the prefix is made.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  local mark=$WINEPREFIX/.solvane-prefix-made
  if [[ -f $mark ]]; then
    wineserver -p
    _solvane_on_exit 'wineserver -k 2>/dev/null || true'
    _solvane_copy_wine_fonts
    return 0
  fi
  local started=$SECONDS attempt
  for attempt in 1 2; do
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineserver -p
    _solvane_on_exit 'wineserver -k 2>/dev/null || true'
    if _solvane_make_wine_prefix "$log_dir/wineboot.log"; then
      touch "$mark"
      echo "Made the Wine prefix $WINEPREFIX in $((SECONDS - started)) s."
      return 0
    fi
    echo "Making the Wine prefix $WINEPREFIX failed (attempt $attempt of 2); wineboot said:" >&2
    cat "$log_dir/wineboot.log" >&2
    df -h "$WINEPREFIX" >&2 || true
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
  done
  return 1
}

# Wine's own Tahoma (fonts-wine), the face the settings dialog is laid out in: this
# Wine looks for its fonts beside its libraries, not where the package puts them, so
# they go into the prefix's font folder, where every Wine finds them.
_solvane_copy_wine_fonts() {
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  local font
  for font in /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf; do
    if [[ -f $font ]]; then
      cp -u "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
  done
}

# Fills the empty prefix $WINEPREFIX, the chatter of wineboot going to the log $1.
_solvane_make_wine_prefix() {
  local log=$1
  _solvane_copy_wine_fonts
  # Its chatter (a 32-bit helper that a 64-bit-only Wine lacks, the folders it is
  # about to make) goes to the log, shown when it fails. No display while it runs:
  # it would open its progress window there.
  DISPLAY='' wineboot -i 2>"$log" || return 1
  # A crash must end the test program with a failure, not wait for a click. Auto=1
  # asks no question; with no debugger named Wine runs its own winedbg --auto, which
  # prints a backtrace and ends the program, and ShowCrashDialog=0 keeps it from
  # opening its crash dialog.
  local aedebug='HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug'
  DISPLAY='' wine reg add "$aedebug" /v Auto /t REG_SZ /d 1 /f >/dev/null 2>>"$log" || return 1
  DISPLAY='' wine reg delete "$aedebug" /v Debugger /f >/dev/null 2>&1 || true
  DISPLAY='' wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>>"$log" || return 1
  _solvane_link_builtin_dlls
}

# Wine copies each of its built-in DLLs into the prefix (630 MB for this Wine).
# The copies are replaced by links to the installed files they equal, which Wine
# loads the same way; a CI machine's disk has been seen with only a few hundred MB
# free.
_solvane_link_builtin_dlls() {
  local system32=$WINEPREFIX/drive_c/windows/system32 builtin_dir="" dir file name
  for dir in /usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/wine/x86_64-windows \
    /usr/lib64/wine/x86_64-windows; do
    if [[ -d $dir ]]; then
      builtin_dir=$dir
      break
    fi
  done
  [[ -n $builtin_dir && -d $system32 ]] || return 0
  for file in "$system32"/*; do
    name=${file##*/}
    if [[ -f $file && ! -L $file && -f $builtin_dir/$name ]] && cmp -s "$file" "$builtin_dir/$name"; then
      ln -sf "$builtin_dir/$name" "$file"
    fi
  done
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
