#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the window with COM3 bound to the simulated controller
# (zorv --demo); any further options go to zorv (zorv --help lists them).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec "${ZORV_BUILD_DIR:-build}/app/zorv" --demo "$@"
