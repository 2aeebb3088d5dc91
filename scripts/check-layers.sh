#!/usr/bin/env bash
# Prints which folder includes which (from the #include "folder/..." lines) and fails on any
# include that does not point down the layers. A folder is one layer:
#   core  <-  serial, protocol, params, firmware, monitor, files (not one another)
#         <-  router  <-  gui, ctl, qtsys (not one another)  <-  programs
# sim/, tests/, bench/ and fuzz/ stand on the side: they may include anything, while the program
# includes none of them (except programs/, which may start the simulated controller).
set -euo pipefail
cd "$(dirname "$0")/.."

# Height of a folder in the layers; the side folders have none.
level_of() {
  case "$1" in
    core) echo 0 ;;
    serial | protocol | params | firmware | monitor | files) echo 1 ;;
    router) echo 2 ;;
    gui | ctl | qtsys) echo 3 ;;
    programs) echo 4 ;;
    sim | tests | bench | fuzz) echo side ;;
    *) echo unknown ;;
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
  from=${file%%/*}
  to=${target%%/*}
  [ "$from" = "$to" ] && continue
  count["$from -> $to"]=$(( ${count["$from -> $to"]:-0} + 1 ))
  lf=$(level_of "$from")
  lt=$(level_of "$to")
  why=""
  if [ "$lf" = side ]; then
    continue
  elif [ "$lf" = unknown ]; then
    why="$from/ is no folder of the program: put the file in its layer"
  elif [ "$lt" = unknown ]; then
    why="$to/ is no folder of the program"
  elif [ "$lt" = side ]; then
    [ "$from" = programs ] && [ "$to" = sim ] || why="the program includes $to/"
  elif [ "$lt" -ge "$lf" ]; then
    why="$from/ may only include folders below it"
  fi
  if [ -n "$why" ]; then
    echo "layer error: $file includes $target ($why)" >&2
    bad=1
  fi
done <<<"$edges"

echo "Include graph (folder -> folder: number of includes):"
for edge in "${!count[@]}"; do echo "  $edge: ${count[$edge]}"; done | sort
if [ "$bad" -ne 0 ]; then
  echo "Includes point up or sideways in the layers; see the errors above." >&2
  exit 1
fi
echo "Layers are in order."
