#!/usr/bin/env bash
# Installs the Debian 12 packages Zorv needs to build, test and run, when any is missing.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-serialport-dev libgl-dev
  qt6-charts-dev libqt6opengl6-dev  # the live data graph (Qt Charts needs the OpenGL CMake files)
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-wqy-microhei  # the Chinese texts of lists and messages
  qt6-tools-dev qt6-l10n-tools python3  # the window's translations: lupdate, lrelease, their check
  qt6-translations-l10n  # Qt's own words (OK, Cancel, file dialogs) in Russian and Chinese
)
if [ "${ZORV_WITH_FUZZ:-0}" = 1 ]; then PACKAGES+=(clang libclang-rt-14-dev); fi
# scripts/package.sh: manual pages, shlibdeps, and the checks run on the package.
if [ "${ZORV_PACKAGING:-0}" = 1 ]; then PACKAGES+=(help2man dpkg-dev file lintian desktop-file-utils appstream); fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then exit 0; fi

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
