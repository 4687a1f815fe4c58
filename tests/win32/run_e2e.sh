#!/usr/bin/env bash
# Runs the end-to-end sessions of trailset_e2e.exe under Wine and Xvfb, in
# Chinese and in English, on a 96-dpi display and on a 144-dpi one (150 %),
# and measures the start-up time of the program.
#
#   tests/win32/run_e2e.sh BUILD_DIR
#
# Leaves the screenshots in BUILD_DIR/screenshots and the logs and files of
# each run in BUILD_DIR/e2e. Fails on any failed check or on a time-out.
set -euo pipefail
build=$(cd "$1" && pwd)
exe="$build/apps/trailset/trailset_e2e.exe"
here=$(cd "$(dirname "$0")" && pwd)
[ -f "$exe" ] || { echo "e2e: $exe is missing" >&2; exit 1; }

out="$build/e2e"
shots="$build/screenshots"
# A read-only card a stopped run left mounted.
for card in "$out"/*-readonly-card; do
  if mountpoint -q "$card" 2>/dev/null; then umount "$card"; fi
done
rm -rf "$out" "$shots"
mkdir -p "$out" "$shots"

. "$here/wine_env.sh"
wine_env_init "$build" "$out"

failed=0

# One session per system language and DPI: first start, model and language
# choice, every model picture, Camera Setup with Default and Generate, the
# folder picker, and the wireless pages; every window checked for clipped
# or overlapping controls.
for run_of in en_US:96 zh_CN:96 en_US:144 zh_CN:144; do
  lang=${run_of%:*}
  dpi=${run_of#*:}
  name=$lang
  [ "$dpi" = 96 ] || name="$lang-${dpi}dpi"
  run="$out/$name"
  mkdir -p "$run"
  log="$run/driver.log"
  echo "e2e: session in $lang at $dpi dpi"
  export WINEPREFIX
  WINEPREFIX=$(prefix_for "$lang" "$dpi")
  set +e
  (cd "$run" && LANG="$lang.UTF-8" LC_ALL="$lang.UTF-8" TRAILSET_E2E_SESSION=full \
    TRAILSET_E2E_LOG="$log" TRAILSET_E2E_SHOTS="$shots" \
    timeout 300 wine "$exe" >"$run/stdout.log" 2>"$run/stderr.log")
  rc=$?
  set -e
  timeout 20 wineserver -w || true
  if [ $rc -ne 0 ] || ! grep -q "RESULT: PASS" "$log" 2>/dev/null; then
    echo "e2e: session $name FAILED (exit $rc)"
    [ -f "$log" ] && grep -E "FAIL" "$log" | head -50
    [ $rc -eq 124 ] && echo "e2e: session $name timed out"
    failed=1
  else
    echo "e2e: session $name passed ($(grep -c "screenshot" "$log") screenshots)"
  fi
done

# A write-protected card in each language: the program starts in a
# read-only file system, its save folder, where this machine lets one be
# mounted.
for lang in en_US zh_CN; do
  card="$out/$lang-readonly-card"
  mkdir -p "$card"
  if ! mount -t tmpfs -o ro,size=64k tmpfs "$card" 2>/dev/null; then
    echo "e2e: write-protected card in $lang skipped: no read-only mount here"
    continue
  fi
  WINEPREFIX=$(prefix_for "$lang")
  set +e
  (cd "$card" && LANG="$lang.UTF-8" LC_ALL="$lang.UTF-8" TRAILSET_E2E_SESSION=readonly \
    TRAILSET_E2E_LOG="$out/$lang-readonly.log" TRAILSET_E2E_SHOTS="$shots" \
    timeout 120 wine "$exe" >/dev/null 2>&1)
  rc=$?
  set -e
  timeout 20 wineserver -w || true
  umount "$card"
  if [ $rc -ne 0 ] || ! grep -q "RESULT: PASS" "$out/$lang-readonly.log" 2>/dev/null; then
    echo "e2e: write-protected card in $lang FAILED (exit $rc)"
    grep -E "FAIL" "$out/$lang-readonly.log" 2>/dev/null | head -20
    failed=1
  else
    echo "e2e: write-protected card in $lang passed"
  fi
done

# Start-up time: from starting the program to its main window being shown
# and painted, beside a minimal dialog program in the same prefix (warm:
# Wine's server running), and from a stopped server (cold, as the first
# start after logging in).
WINEPREFIX=$(prefix_for en_US)
timeout 20 wineserver -w || true
wineserver -p
probe="$build/bench/win32/startup_probe.exe"
if [ -f "$probe" ]; then
  set +e
  (cd "$out" && LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 timeout 300 wine "$probe" 7 \
    baseline Baseline "$build/bench/win32/startup_baseline.exe" \
    trailset Setup "$build/apps/trailset/trailset.exe" >"$out/startup-probe.log" 2>/dev/null)
  rc=$?
  set -e
  tr -d '\r' <"$out/startup-probe.log" | grep -E '^(baseline|trailset):' | sed 's/^/e2e: start-up (warm) /' \
    | tee -a "$out/startup.txt"
  [ $rc -eq 0 ] || { echo "e2e: start-up benchmark FAILED (exit $rc)"; failed=1; }
fi
times=()
for i in 1 2 3 4 5; do
  run="$out/startup-cold-$i"
  mkdir -p "$run"
  timeout 20 wineserver -k >/dev/null 2>&1 || true
  timeout 20 wineserver -w || true
  start=$(date +%s%3N)
  set +e
  (cd "$run" && LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 TRAILSET_E2E_SESSION=startup \
    TRAILSET_E2E_LOG="$run/driver.log" timeout 60 wine "$exe" >/dev/null 2>&1)
  rc=$?
  set -e
  shown=$(sed -n 's/^MAIN_SHOWN_UNIX_MS=//p' "$run/driver.log" 2>/dev/null | tr -d '\r' | head -1)
  if [ $rc -ne 0 ] || [ -z "$shown" ]; then
    echo "e2e: start-up run cold $i FAILED (exit $rc)"
    failed=1
    continue
  fi
  times+=($((shown - start)))
done
if [ ${#times[@]} -gt 0 ]; then
  sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (${#times[@]} + 1) / 2 ))p")
  echo "e2e: start to main window (cold): median ${median} ms (runs: ${sorted% })" | tee -a "$out/startup.txt"
fi

exit $failed
