#!/usr/bin/env bash
# Prints which part of the program includes which (from the #include "folder/..." lines) and fails
# on any include that points up the layers:
#   core  <-  serial, protocol, params, firmware, monitor, files (not one another)
#         <-  router (app/router*)  <-  Qt shell (app/, serial/qt_*), command-line shell (ctl/)
#         <-  mains (app/main_*)
# sim/, tests/, bench/ and fuzz/ stand on the side: they may include anything, while the program
# includes none of them (except the mains, which may start the simulated controller).
set -euo pipefail
cd "$(dirname "$0")/.."

# The part a file belongs to, from its path.
part_of() {
  case "$1" in
    app/router*) echo router ;;
    app/main_*) echo mains ;;
    ctl/*) echo ctl ;;
    app/* | */qt_*) echo qt ;;
    core/* | serial/* | protocol/* | params/* | firmware/* | monitor/* | files/*) echo "${1%%/*}" ;;
    sim/* | tests/* | bench/* | fuzz/*) echo "${1%%/*}" ;;
    *) echo other ;;
  esac
}

# Height of a part in the layers; the side parts have none.
level_of() {
  case "$1" in
    core) echo 0 ;;
    serial | protocol | params | firmware | monitor | files) echo 1 ;;
    router) echo 2 ;;
    qt | ctl) echo 3 ;;
    mains) echo 4 ;;
    *) echo side ;;
  esac
}

# The sources: those git knows (tracked or not ignored), or every one below here outside git.
list_sources() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -co --exclude-standard -- '*.h' '*.cpp'
  else
    find . -path './build*' -prune -o \( -name '*.h' -o -name '*.cpp' \) -print | sed 's#^\./##'
  fi
}

edges=$(list_sources |
  xargs grep -Ho '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z_]*/[^"]*"' |
  sed -E 's/^([^:]*):.*"([^"]*)"$/\1 \2/' || true)

declare -A count=()
bad=0
while read -r file target; do
  [ -n "$file" ] || continue
  from=$(part_of "$file")
  to=$(part_of "$target")
  [ "$from" = "$to" ] && continue
  count["$from -> $to"]=$(( ${count["$from -> $to"]:-0} + 1 ))
  lf=$(level_of "$from")
  lt=$(level_of "$to")
  why=""
  if [ "$lf" != side ] && [ "$lt" = side ]; then
    [ "$from" = mains ] && [ "$to" = sim ] || why="the program includes $to/"
  elif [ "$lf" != side ] && [ "$lt" -ge "$lf" ]; then
    why="$from may only include parts below it"
  fi
  if [ -n "$why" ]; then
    echo "layer error: $file includes $target ($why)" >&2
    bad=1
  fi
done <<<"$edges"

echo "Include graph (part -> part: number of includes):"
for edge in "${!count[@]}"; do echo "  $edge: ${count[$edge]}"; done | sort
if [ "$bad" -ne 0 ]; then
  echo "Includes point up the layers; see the errors above." >&2
  exit 1
fi
echo "Layers are in order."
