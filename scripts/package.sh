#!/usr/bin/env bash
# Builds the Debian package build-package/zorv_<version>_amd64.deb: the programs, the desktop
# entry, icon, AppStream metadata and manual pages, dependencies computed from the binaries.
#
# Builds only what the package holds, into build-package/ (or into $ZORV_BUILD_DIR, e.g. build/
# to reuse the tested build). Further arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
ZORV_PACKAGING=1 bash scripts/setup.sh
BUILD_DIR="${ZORV_BUILD_DIR:-build-package}"
OUT_DIR="$PWD/build-package"
# The package's files are built below; CPack itself must not build the tests and benchmarks.
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${ZORV_BUILD_TYPE:-RelWithDebInfo}" \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "$@" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" --target zorv zorvctl corvex-sim zorv_package_files
mkdir -p "$OUT_DIR"
(cd "$BUILD_DIR" && cpack -G DEB -B "$OUT_DIR")
version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$BUILD_DIR/CPackConfig.cmake")"
deb="$OUT_DIR/zorv_${version}_$(dpkg --print-architecture).deb"
test -f "$deb"
echo "$deb"
