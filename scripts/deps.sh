# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
# Shared by scripts/run and scripts/test: makes sure the Debian packages the build
# needs are installed. Sourced, not run.

recallix_packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libexpat1-dev
  libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev  # zlib: the benchmarks read dictd files
  kdeedu-kvtml-data python3 python3-lxml  # real vocabulary documents and an independent reader
  fonts-noto-cjk fonts-dejavu-core fonts-dejavu-extra qt6-translations-l10n
  xvfb xauth x11-utils dbus at-spi2-core  # at-spi2-core: what a screen reader is told
)

# What scripts/check-package needs beyond the build: CPack's tools and Debian's and the
# software centres' checkers, and a display to start the installed program on.
recallix_package_check_packages=(
  file binutils dpkg-dev gzip man-db
  lintian desktop-file-utils appstream
  xvfb xauth
)

# What scripts/screen-reader-check needs: the accessibility bus, its Python client and a
# way to type into the window.
recallix_screen_reader_packages=(
  at-spi2-core python3-pyatspi dbus xdotool xvfb xauth
)

recallix_missing_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  printf '%s\n' "${missing[@]}"
}

# recallix_install_packages [package...]: installs what is missing (defaults to the
# build's own list). As root it runs apt-get; otherwise it prints the command and fails.
recallix_install_packages() {
  local wanted=("$@")
  [ ${#wanted[@]} -gt 0 ] || wanted=("${recallix_packages[@]}")
  local missing
  mapfile -t missing < <(recallix_missing_packages "${wanted[@]}")
  [ ${#missing[@]} -eq 0 ] || [ -n "${missing[0]}" ] || missing=()
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq || return 1
    apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
  else
    echo "Recallix needs these Debian packages. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    return 1
  fi
}
