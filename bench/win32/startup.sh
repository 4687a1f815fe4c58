#!/usr/bin/env bash
# Start-up time of trailset.exe under Wine, side by side with a minimal
# static dialog program in the same prefix (both built by the mingw preset:
# targets trailset, startup_baseline and startup_probe).
#
#   bench/win32/startup.sh [BUILD_DIR [RUNS]]     (defaults: build/mingw, 15)
#
# Prints every run and, per program, the median time from its start to its
# window shown and painted, the fastest run, and the processor time the
# program used until then, each also as a ratio to the baseline's.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/mingw}" && pwd)
runs=${2:-15}
out="$build/bench-startup"
mkdir -p "$out"
for f in bench/win32/startup_probe.exe bench/win32/startup_baseline.exe apps/trailset/trailset.exe; do
  [ -f "$build/$f" ] || {
    echo "startup: $build/$f is missing (cmake --build --preset mingw --target trailset startup_baseline startup_probe)" >&2
    exit 1
  }
done

. "$root/tests/win32/wine_env.sh"
wine_env_init "$build" "$out"
export WINEPREFIX
WINEPREFIX=$(prefix_for en_US)
wineserver -p
cd "$out"
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine "$build/bench/win32/startup_probe.exe" "$runs" \
  baseline Baseline "$build/bench/win32/startup_baseline.exe" \
  trailset Setup "$build/apps/trailset/trailset.exe" 2>/dev/null | tr -d '\r' | grep -E '^(run|baseline|trailset)'
