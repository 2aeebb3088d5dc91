#!/usr/bin/env bash
# Sets up what is missing, builds, checks that every test has a plain, stable name and that the
# window's translations are complete, and runs every test (the window ones on Qt's offscreen
# platform).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh "$@"
bash scripts/check-test-names.sh "${ZORV_BUILD_DIR:-build}"
python3 scripts/check-translations.py
export QT_QPA_PLATFORM=offscreen
cd "${ZORV_BUILD_DIR:-build}"
ctest --output-on-failure -j"$(nproc)" --timeout 300
