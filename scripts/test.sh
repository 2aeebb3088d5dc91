#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test (the window ones on Qt's offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh "$@"
export QT_QPA_PLATFORM=offscreen
cd "${ZORV_BUILD_DIR:-build}"
ctest --output-on-failure -j"$(nproc)" --timeout 300
