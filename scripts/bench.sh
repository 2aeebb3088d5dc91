#!/usr/bin/env bash
# Builds Release into build-bench/ (or $ZORV_BUILD_DIR) and runs every benchmark: the codecs and
# the traffic log (Google Benchmark), the live display's handlers (bench_monitor) and the window end to end against
# the simulated controller over a pseudo-terminal (bench_wire). Ends with one table of the figures,
# each the median of $ZORV_BENCH_RUNS runs (default 5).
#
#   bash scripts/bench.sh [bench_wire options, e.g. --repaint-hz 25 to try that change]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export ZORV_BUILD_DIR="${ZORV_BUILD_DIR:-build-bench}"
ZORV_BUILD_TYPE=Release bash scripts/build.sh -DZORV_BENCH=ON
BUILD="$ZORV_BUILD_DIR"
RUNS="${ZORV_BENCH_RUNS:-5}"
export QT_QPA_PLATFORM=offscreen
OUT="$(mktemp -d)"
trap 'rm -rf "$OUT"' EXIT

codecs=""
for google in "codecs:Codec" "traffic:Traffic log"; do
  name=${google%%:*}
  what=${google#*:}
  if [ ! -x "$BUILD/bench/bench_$name" ]; then
    echo "== $what: bench_$name was not built (Google Benchmark missing)"
    continue
  fi
  echo "== $what (Google Benchmark, median of $RUNS repetitions)"
  "$BUILD/bench/bench_$name" --benchmark_repetitions="$RUNS" --benchmark_report_aggregates_only=true \
    --benchmark_format=csv >"$OUT/$name.csv" 2>"$OUT/$name.err" || { cat "$OUT/$name.err" >&2; exit 1; }
  # One row per benchmark: the median wall time of one iteration.
  rows="$(awk -F, -v kind="$what" '$1 ~ /_median"$/ {
      what = $8; gsub(/"/, "", what)
      if (what == "") { what = $1; gsub(/"/, "", what); sub(/_median$/, "", what) }
      t = $3; unit = $5
      if (unit == "ns" && t >= 1000) { t /= 1000; unit = "µs" }
      if (unit == "µs" && t >= 1000) { t /= 1000; unit = "ms" }
      printf "| %s: %s | — | %.3g %s | — | — |\n", kind, what, t, unit
    }' "$OUT/$name.csv")"
  printf '%s\n' "$rows"
  codecs="${codecs:+$codecs
}$rows"
done

if [ -x "$BUILD/bench/bench_monitor" ]; then
  echo
  echo "== Live display handlers (bench_monitor, 10 simulated seconds)"
  "$BUILD/bench/bench_monitor" 10 2> >(grep -v propagateSizeHints >&2) || echo "bench_monitor reported a fault (exit $?)"
fi

echo
echo "== The window end to end (bench_wire, $RUNS runs of each)"
status=0
"$BUILD/bench/bench_wire" --runs "$RUNS" "$@" >"$OUT/wire.md" || status=$?

echo
echo "== Figures"
# bench_wire's table, the codec rows added to it, then its note on the machine.
awk '/^\|/ { print }' "$OUT/wire.md"
if [ -n "$codecs" ]; then printf '%s\n' "$codecs"; fi
echo
awk '!/^\|/ && NF { print }' "$OUT/wire.md"
exit "$status"
