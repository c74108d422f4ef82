# shellcheck shell=bash
# Helpers of scripts/package and scripts/check-package. Sourced from the top of
# the checkout.
#
#   solvane_project_version      prints the version of project() in CMakeLists.txt
#   solvane_check_package_version  fails unless debian/changelog and the AppStream
#                                release say the same version
#   solvane_source_files         prints the checkout's source files, NUL-separated

solvane_project_version() {
  sed -n 's/^project(Solvane VERSION \([0-9][0-9.]*\)[ )].*/\1/p' CMakeLists.txt
}

# CMakeLists.txt holds the version; the other places that name it must follow.
solvane_check_package_version() {
  local version changelog metainfo
  version=$(solvane_project_version)
  if [[ -z $version ]]; then
    echo "No version found in project() of CMakeLists.txt" >&2
    return 1
  fi
  changelog=$(dpkg-parsechangelog -l debian/changelog -S Version)
  metainfo=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' resources/example.marwick.solvane.metainfo.xml |
    head -n 1)
  if [[ $changelog != "$version" ]]; then
    echo "debian/changelog is at version $changelog, CMakeLists.txt at $version:" \
      "add a changelog entry for $version (for example with dch -v $version, from devscripts)" >&2
    return 1
  fi
  if [[ $metainfo != "$version" ]]; then
    echo "The newest <release> of resources/example.marwick.solvane.metainfo.xml is" \
      "${metainfo:-missing}, CMakeLists.txt is at $version" >&2
    return 1
  fi
}

# Tracked files and new ones that git does not ignore, as they are on disk
# (deleted ones left out); without git, everything but build output.
solvane_source_files() {
  local file
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' file; do
      if [[ -e $file ]]; then printf '%s\0' "$file"; fi
    done
  else
    find . -mindepth 1 \( -path ./.git -o -path './build*' -o -path './obj-*' \) -prune -o \
      \( -type f -o -type l \) -printf '%P\0'
  fi
}
