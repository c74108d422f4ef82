# shellcheck shell=bash
# The Debian packages Solvane needs, and the step that installs the missing ones.
# Sourced by scripts/run, scripts/test, scripts/package, scripts/check-package,
# scripts/check-code and scripts/fuzz; keep the lists here and nowhere else.

# Compiler, build tools and libraries for the program and its unit tests.
SOLVANE_BUILD_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev googletest
  libjpeg62-turbo-dev
  libx11-dev libxss-dev libxcb-xfixes0-dev
  libsm-dev libice-dev
)

# A virtual X desktop (display server, tray host, window manager, session bus)
# and the tools that drive and photograph it; python3 runs the X display tests.
# The fonts are those the tests draw and measure with; the URW base fonts bring
# typefaces that several foundries make and a dingbat font, which the tests of
# the random-font catalogue need; DejaVu Sans Condensed is the face the settings
# dialog takes for its captions, which the layout test of every language measures.
SOLVANE_DESKTOP_PACKAGES=(
  xvfb trayer openbox
  xdotool x11-utils x11-xserver-utils imagemagick
  dbus-x11 fonts-dejavu-core fonts-dejavu-extra fonts-urw-base35
  python3
)

# Building the Debian package (the build dependencies of debian/control beyond
# the ones above, debhelper, ccache for faster rebuilds) and checking it (lintian,
# the desktop entry and AppStream validators, man for the manual page,
# rsvg-convert for resources/icons/make-icons.sh).
SOLVANE_PACKAGING_PACKAGES=(
  dpkg-dev debhelper fakeroot libjpeg-dev pkgconf ccache
  lintian desktop-file-utils appstream man-db
  librsvg2-bin
)

# Fuzzing only (scripts/fuzz): clang with libFuzzer and the sanitizer run-times,
# and llvm-symbolizer for readable stack traces.
SOLVANE_FUZZ_PACKAGES=(
  clang libclang-rt-dev llvm
)

# The code checks (scripts/check-code): the formatter and the static analyser.
SOLVANE_CHECK_PACKAGES=(
  clang-format clang-tidy
)

# The core and its tests for Windows (scripts/build-windows): the mingw-w64
# cross compiler (the -posix one, which has std::thread), GoogleTest's sources
# to build with it, and a 64-bit Wine to run the tests. Debian's wine64 holds
# only the loader; the wine package brings the wine, wineboot and wineserver
# commands. wine32 is left out: it needs the i386 architecture. fonts-wine brings
# Wine's Tahoma, the face the settings dialog is laid out for and measured in.
SOLVANE_WINDOWS_PACKAGES=(
  cmake make g++-mingw-w64-x86-64-posix googletest
  wine wine64
  fonts-wine
)

# Prints the packages among the arguments that are not installed.
solvane_missing_packages() {
  local package status
  for package in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    if [[ $status != "install ok installed" ]]; then
      printf '%s\n' "$package"
    fi
  done
}

# Installs the missing packages among the arguments. As root it runs
# apt-get update once and then apt-get install; otherwise it prints the
# command to run and returns 1. A first argument --no-install-recommends
# is passed on to apt-get.
solvane_install_packages() {
  local missing apt_options=()
  if [[ ${1:-} == --no-install-recommends ]]; then
    apt_options+=("$1")
    shift
  fi
  mapfile -t missing < <(solvane_missing_packages "$@")
  if ((${#missing[@]} == 0)); then
    return 0
  fi
  if ((EUID != 0)); then
    echo "Solvane needs these Debian packages, which are not installed: ${missing[*]}" >&2
    echo "Install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${apt_options[*]}${apt_options[*]:+ }${missing[*]}" >&2
    return 1
  fi
  echo "Installing missing Debian packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "${apt_options[@]}" "${missing[@]}"
}

# Installs everything the build, the tests and a virtual desktop need.
solvane_install_all_packages() {
  solvane_install_packages "${SOLVANE_BUILD_PACKAGES[@]}" "${SOLVANE_DESKTOP_PACKAGES[@]}"
}

# Installs everything the Debian package's build and its checks need.
solvane_install_packaging_packages() {
  solvane_install_packages "${SOLVANE_BUILD_PACKAGES[@]}" "${SOLVANE_DESKTOP_PACKAGES[@]}" \
    "${SOLVANE_PACKAGING_PACKAGES[@]}"
}

# Installs what scripts/build-windows needs. Without Wine's recommendations
# (sound, video, OpenGL, printing: some 60 packages more), which console test
# programs do not use.
solvane_install_windows_packages() {
  solvane_install_packages --no-install-recommends "${SOLVANE_WINDOWS_PACKAGES[@]}"
}

# The Windows installer (scripts/build-windows --installer, and --test, whose tests
# install it): NSIS, whose makensis runs here and builds a Windows installer. The
# portable zip needs nothing more: CMake packs it.
SOLVANE_WINDOWS_INSTALLER_PACKAGES=(
  nsis
)

solvane_install_windows_installer_packages() {
  solvane_install_packages --no-install-recommends "${SOLVANE_WINDOWS_INSTALLER_PACKAGES[@]}"
}
