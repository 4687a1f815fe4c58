#!/usr/bin/env bash
# Start-up of the portable GUI, side by side with a minimal FLTK program
# that opens its display the same way in the same locale: both are started
# in turn on a private Xvfb, and x_map_time reports when each one's window
# is mapped and painted. Prints the medians and their ratio, and, where
# valgrind is installed, the instructions each one ran until its window was
# painted (the same count for the same build on a busy or a quiet machine).
#
#   bench/gui/startup.sh [BUILD_DIR] [RUNS]     (defaults: build/native, 21)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/native}" && pwd)
runs=${2:-21}
cmake --build "$build" --target trailset fltk_minimal x_map_time >/dev/null

export LOCPATH="$build/locales"
mkdir -p "$LOCPATH"
[ -d "$LOCPATH/zh_CN.UTF-8" ] || localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8"
export LC_ALL= LANG=zh_CN.UTF-8

work=$(mktemp -d)
. "$root/tests/packages/xvfb.sh"
start_xvfb 200 240 "$work/xvfb.log"
trap 'kill "$XVFB_PID" 2>/dev/null || true; rm -rf "$work"' EXIT

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
cd "$work"
: >trailset.txt
: >minimal.txt
for i in $(seq 1 "$runs"); do
  "$build/bench/gui/x_map_time" "$build/apps/trailset/trailset" >>trailset.txt
  "$build/bench/gui/x_map_time" "$build/bench/gui/fltk_minimal" >>minimal.txt
done
for what in mapped painted; do
  col=$([ "$what" = mapped ] && echo 1 || echo 2)
  t=$(awk -v c="$col" '{print $c}' trailset.txt | median)
  m=$(awk -v c="$col" '{print $c}' minimal.txt | median)
  echo "$what: trailset ${t} ms, minimal FLTK program ${m} ms, ratio $(awk -v a="$t" -v b="$m" 'BEGIN {printf "%.2f", a / b}') (median of $runs, LANG=$LANG)"
done

if command -v valgrind >/dev/null 2>&1; then
  count() {
    "$build/bench/gui/x_map_time" valgrind --tool=callgrind --callgrind-out-file="$work/$1.cg" "$2" >/dev/null
    awk '/^totals:/ {print $2}' "$work/$1.cg"
  }
  t=$(count trailset "$build/apps/trailset/trailset")
  m=$(count minimal "$build/bench/gui/fltk_minimal")
  echo "instructions until painted: trailset $t, minimal FLTK program $m, ratio $(awk -v a="$t" -v b="$m" 'BEGIN {printf "%.2f", a / b}')"
fi
