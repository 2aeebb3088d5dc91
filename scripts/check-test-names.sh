#!/usr/bin/env bash
# Fails when a test name is not a plain, stable name. `ctest -R`, `--rerun-failed` and any history
# of failures need names that stay the same from build to build, so every name CTest and the test
# program list must:
#   - match ^[A-Za-z0-9_/.]+$ (no bytes, blanks or quotes in it) and hold nothing that looks like an
#     address (0x…, twelve hex digits, nine digits in a row), which would change from run to run;
#   - not end a parameterised test with its row's number alone ("…/3"): name the row (the 4th
#     argument of INSTANTIATE_TEST_SUITE_P, tests/support/test_names.h);
#   - be listed once;
# and what the test program shows as a row's value ("# GetParam() = …") must not be raw bytes:
# give the row a PrintTo.
# Usage: scripts/check-test-names.sh [build folder]   (default: $ZORV_BUILD_DIR or build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-${ZORV_BUILD_DIR:-build}}"
program="$build/zorv_tests"
[ -x "$program" ] || { echo "check-test-names: no test program at $program; build first" >&2; exit 2; }

listing="$("$program" --gtest_list_tests)"
ctest_names="$(cd "$build" && ctest -N | sed -n 's/^ *Test *#[0-9]*: //p')"

# Suite lines start in column 1 ("Suite."), test lines are indented; a "# …" comment may follow both.
program_names="$(awk '
  /^Running main\(\)/ { next }
  /^[^ ]/ { suite = $1; next }
  /^  /   { print suite $1 }' <<<"$listing")"

problems=""
add() { problems+="$1"$'\n'; }

while IFS= read -r name; do
  [ -z "$name" ] && continue
  [[ "$name" =~ ^[A-Za-z0-9_/.]+$ ]] || add "not a plain name (CTest): $name"
done <<<"$ctest_names"
while IFS= read -r name; do
  [ -z "$name" ] && continue
  [[ "$name" =~ ^[A-Za-z0-9_/.]+$ ]] || add "not a plain name (test program): $name"
  [[ "$name" =~ 0x[0-9A-Fa-f]|[0-9A-Fa-f]{12}|[0-9]{9} ]] && add "looks like it holds an address: $name"
  [[ "$name" =~ /[0-9]+$ ]] && add "row named by its number only: $name"
done <<<"$program_names"
while IFS= read -r name; do
  [ -n "$name" ] && add "listed more than once: $name"
done < <(sort <<<"$ctest_names" | uniq -d)
while IFS= read -r line; do
  [ -n "$line" ] && add "row value shown as raw bytes (give the row a PrintTo): ${line:0:160}"
done < <(grep -- '-byte object <' <<<"$listing" || true)

# CTest also runs a few checks of its own (packaging.*); every test of the program must be among its tests.
while IFS= read -r name; do
  [ -n "$name" ] && add "the test program has it, CTest does not (configure again): $name"
done < <(comm -13 <(sort -u <<<"$ctest_names") <(sort -u <<<"$program_names"))
ctest_count="$(grep -c . <<<"$ctest_names" || true)"

if [ -n "$problems" ]; then
  echo "check-test-names: $(grep -c . <<<"$problems") problem(s) with test names:" >&2
  printf '%s' "$problems" >&2
  exit 1
fi
echo "check-test-names: $ctest_count test names, all plain and listed once"
