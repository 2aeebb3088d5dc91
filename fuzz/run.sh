#!/usr/bin/env bash
# Builds the fuzz targets with clang (a project of its own, apart from the main build) and runs
# each of them for SECONDS (default 60), one after another, on a copy of its seed corpus.
#   bash fuzz/run.sh [SECONDS]
# Prints the executions of every target and a summary line per target; exits non-zero when any
# target found a crash, a leak, a timeout or ran out of memory. A failing input is kept under
# fuzz/findings/<target>/ (not committed) and shown in hex in the log.
# Environment: ZORV_FUZZ_BUILD_DIR (default build-fuzz), ZORV_FUZZ_TARGETS (default all seven).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD

seconds=${1:-60}
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: bash fuzz/run.sh [SECONDS]" >&2
  exit 2
fi
build=${ZORV_FUZZ_BUILD_DIR:-build-fuzz}
targets=(${ZORV_FUZZ_TARGETS:-dispatcher param_file image port_file record trace user_config})

echo "== fuzz: configure and build ($build)"
mkdir -p "$build"
if ! cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$build/configure.log" 2>&1; then
  cat "$build/configure.log"
  echo "fuzz: configure failed"
  exit 1
fi
cmake --build "$build" || { echo "fuzz: build failed"; exit 1; }

# The targets write and read small files on almost every input: in memory (/dev/shm) when the
# machine has it, the disk's journal otherwise takes a share of the run.
scratch_base=${TMPDIR:-/tmp}
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then scratch_base=/dev/shm; fi
scratch=$(mktemp -d "$scratch_base/zorv-fuzz-run.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# The sanitizers stop at the first finding; leaks are findings too.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
unset LSAN_OPTIONS

declare -A summary
failed=0
passed=0
for name in "${targets[@]}"; do
  bin="$build/fuzz_$name"
  if [ ! -x "$bin" ]; then
    echo "fuzz: no target $bin"
    summary[$name]="MISSING"
    failed=$((failed + 1))
    continue
  fi
  max_len=4096
  [ "$name" = image ] && max_len=70000

  # The committed corpus stays as it is: libFuzzer adds what it finds to a copy.
  corpus="$scratch/corpus/$name"
  mkdir -p "$corpus" "$scratch/tmp/$name"
  [ -d "fuzz/corpus/$name" ] && cp -R "fuzz/corpus/$name/." "$corpus/"
  artifacts="$scratch/artifacts/$name"
  mkdir -p "$artifacts"
  log="$scratch/$name.log"

  dict=()
  [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")

  echo "== fuzz: $name for ${seconds}s"
  TMPDIR="$scratch/tmp/$name" "$bin" "$corpus" "${dict[@]}" \
    -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" >"$log" 2>&1
  rc=$?

  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  execs=${execs:-0}
  # The final coverage line, for the record.
  grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1
  echo "fuzz_$name: stat::number_of_executed_units: $execs"

  if [ "$rc" -eq 0 ]; then
    summary[$name]="ok, $execs executions"
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    summary[$name]="FAILED (exit $rc), $execs executions"
    echo "---- fuzz_$name found a problem; the end of its log:"
    grep -v -E '^#[0-9]+[[:space:]]' "$log" | tail -n 80
    for a in "$artifacts"/*; do
      [ -f "$a" ] || continue
      mkdir -p "$root/fuzz/findings/$name"
      f="$root/fuzz/findings/$name/$(basename "$a")"
      cp "$a" "$f"
      echo "---- input $f ($(wc -c <"$f") bytes), reproduce with: $bin $f"
      head -c 2048 "$f" | od -A d -t x1 | head -n 40
    done
  fi
done

echo "== fuzz summary (${seconds}s per target)"
for name in "${targets[@]}"; do
  printf 'fuzz_%-12s %s\n' "$name" "${summary[$name]}"
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
